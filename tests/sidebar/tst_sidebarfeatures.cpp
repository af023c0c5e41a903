// Feature buttons on the launcher panel: names, order, tooltips with hotkeys, the
// additional-feature stack and the customization dialog that switches it.

#include "common/SidebarTestFixture.h"

#include "Module/Launcher/UI/SidebarCustomizationDialog.h"

#include <QAccessible>
#include <QAction>
#include <QLayout>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>

using namespace SidebarTest;
using Zarvo::Orb::Module::Launcher::FeatureTextRole;
using Zarvo::Orb::Module::Launcher::UI::SidebarCustomizationDialog;
using Zarvo::Orb::Module::Launcher::UI::SidebarUiState;

namespace
{
struct Catalogue
{
    TestFeature capturing = MakeFeature("capturing", [] { return QCoreApplication::translate("Sidebar", "Rec"); });
    TestFeature webcam = MakeFeature("webcamCapturing", [] { return QCoreApplication::translate("Sidebar", "Cam"); });
    TestFeature audio = MakeFeature("audioCapturing", [] { return QCoreApplication::translate("Sidebar", "Mic"); });

    Features Additional() const { return {webcam.feature, audio.feature}; }
};

// Wraps every text of the panel's context in brackets, so a retranslation is visible.
class BracketTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return qstrcmp(context, "Sidebar") != 0 ? QString() : QStringLiteral("[%1]").arg(QString::fromUtf8(sourceText));
    }
};

// Widgets of a frame's layout (or a stack's pages) in order.
QStringList NamesInLayout(const QWidget* frame)
{
    QStringList names;
    for (int i = 0; i < frame->layout()->count(); ++i)
    {
        if (QWidget* widget = frame->layout()->itemAt(i)->widget())
            names << widget->objectName();
    }
    return names;
}

// Runs `act` on the modal dialog once it is up; the caller then opens it.
void OnNextDialog(std::function<void(SidebarCustomizationDialog*)> act)
{
    QTimer::singleShot(0,
                       [act]
                       {
                           auto* dialog = qobject_cast<SidebarCustomizationDialog*>(QApplication::activeModalWidget());
                           QVERIFY(dialog);
                           act(dialog);
                       });
}

} // namespace

class tst_SidebarFeatures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareSidebarSuite(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Tooltips carry the hotkey as typed; screen readers get names without it and descriptions
    // with it. Hotkey and language changes refresh them.
    void buttonTextsFollowHotkeysAndLanguage()
    {
        Services services;
        services.actions->GetActionById(QStringLiteral("ActionPreferences"))
            ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        QByteArray shotText = "Shot";
        // Without a title: screen readers name it by its tooltip.
        const std::function<QString()> tooltip = [&]
        {
            return QCoreApplication::translate("Sidebar", shotText);
        };
        const auto screenshotting = std::make_shared<Zarvo::Orb::Module::Launcher::Feature>(
            QStringLiteral("screenshotting"), [] {},
            std::map<FeatureTextRole, std::function<QString()>>{{FeatureTextRole::Tooltip, tooltip}});
        Catalogue catalogue;
        auto panel = services.MakeSidebar();
        panel->SetFeatureHotkeyById(QStringLiteral("screenshotting"), QStringLiteral("Ctrl+1"));
        panel->SetFeatureHotkeyById(QStringLiteral("audioCapturing"), QString());
        panel->SetMainFeatures({screenshotting, catalogue.capturing.feature});
        panel->SetAdditionalFeatures(catalogue.Additional());

        // Tooltip, accessible name and accessible description.
        const auto texts = [&](const char* id)
        {
            QPushButton* button = Button(panel.get(), QLatin1String(id));
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
            return QStringList{button->toolTip(), accessible->text(QAccessible::Name),
                               accessible->text(QAccessible::Description)};
        };
        QCOMPARE(texts("screenshottingFeatureButton"), QStringList({"Shot (Ctrl+1)", "Shot", "Shot (Ctrl+1)"}));
        QCOMPARE(texts("capturingFeatureButton"), QStringList({"Rec", "capturing title", "Rec"}));
        QCOMPARE(texts("webcamCapturingFeatureButton"), QStringList({"Cam", "webcamCapturing title", "Cam"}));
        QCOMPARE(texts("audioCapturingFeatureButton"), QStringList({"Mic ()", "audioCapturing title", "Mic ()"}));
        QCOMPARE(texts("plusButton")[1], QStringLiteral("Additional functional"));
        QCOMPARE(texts("triangleButton")[1], QStringLiteral("Additional functional"));
        QCOMPARE(texts("closeButton")[1], QStringLiteral("Close"));
        QCOMPARE(texts("tailButton")[1], QStringLiteral("Compact"));
        QCOMPARE(texts("settingsButton"),
                 QStringList({"Settings (Ctrl+Shift+P)", "Settings", "Settings (Ctrl+Shift+P)"}));
        // The button triggers what it names; the panel holds the shortcuts' actions.
        QSignalSpy triggered(services.actions.get(),
                             &Zarvo::Orb::UI::ActionsController::ActionsController::ActionTriggered);
        Button(panel.get(), "settingsButton")->click();
        QCOMPARE(triggered, QList<QVariantList>({{QStringLiteral("ActionPreferences")}}));
        QVERIFY(panel->actions().contains(services.actions->GetActionById(QStringLiteral("ActionPreferences"))));
        QVERIFY(panel->actions().contains(services.actions->GetActionById(QStringLiteral("ActionQuit"))));

        // A first entry refreshes nothing; a changed one refreshes its own button, if that had an
        // entry when it was made, with its current text, and never the others.
        shotText = "Snap";
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F10"));
        panel->SetFeatureHotkeyById(QStringLiteral("audioCapturing"), QStringLiteral("F8"));
        QCOMPARE(texts("screenshottingFeatureButton")[0], QStringLiteral("Shot (Ctrl+1)"));
        QCOMPARE(texts("audioCapturingFeatureButton"), QStringList({"Mic (F8)", "audioCapturing title", "Mic (F8)"}));
        QCOMPARE(texts("capturingFeatureButton")[0], QStringLiteral("Rec"));
        // Placeholder-like text and markup stay text.
        shotText = "50%2 off";
        panel->SetFeatureHotkeyById(QStringLiteral("screenshotting"), QStringLiteral("Alt+<b>X</b>"));
        QCOMPARE(texts("screenshottingFeatureButton"),
                 QStringList({"50%2 off (Alt+<b>X</b>)", "50%2 off", "50%2 off (Alt+<b>X</b>)"}));

        // Hovered while the user works in another window, the button shows that tooltip as typed.
        panel->SetUiState(SidebarUiState::Maximized);
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QWidget other;
        other.setGeometry(100, 100, 200, 200);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        const auto hideTip = qScopeGuard([] { QToolTip::hideText(); });
        // From elsewhere: a move to where the cursor already is sends nothing.
        QTest::mouseMove(&other);
        QTest::mouseMove(Button(panel.get(), QStringLiteral("screenshottingFeatureButton")));
        QTRY_VERIFY(QToolTip::isVisible());
        QTextDocument document;
        document.setHtml(QToolTip::text());
        QCOMPARE(document.toPlainText(), QStringLiteral("50%2 off (Alt+<b>X</b>)"));

        BracketTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        QTRY_COMPARE(texts("plusButton")[0], QStringLiteral("[Additional functional]"));
        QCOMPARE(texts("screenshottingFeatureButton"),
                 QStringList({"[50%2 off] (Alt+<b>X</b>)", "[50%2 off]", "[50%2 off] (Alt+<b>X</b>)"}));
        QCOMPARE(texts("capturingFeatureButton")[0], QStringLiteral("[Rec]"));
        QCOMPARE(texts("closeButton")[0], QStringLiteral("[Close]"));
        QCOMPARE(texts("tailButton")[0], QStringLiteral("[Compact]"));
        QCOMPARE(texts("settingsButton"),
                 QStringList({"[Settings (Ctrl+Shift+P)]", "[Settings]", "[Settings (Ctrl+Shift+P)]"}));
    }

    // What the slot shows is what the next save stores; plus stores nothing. A second set of
    // features replaces the buttons, and hotkey and language refreshes reach only the new ones.
    void additionalSlotShowsStoredFeature_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("storedId");
        QTest::addColumn<bool>("shown");
        QTest::newRow("nothing stored") << false << QString() << false;
        QTest::newRow("unknown") << true << "teleporting" << false;
        QTest::newRow("audio") << true << "audioCapturing" << true;
    }
    void additionalSlotShowsStoredFeature()
    {
        QFETCH(bool, stored);
        QFETCH(QString, storedId);
        QFETCH(bool, shown);
        Services services;
        // With no stored position the default placement saves at once and would replace the id.
        services.StorePosition(QPoint(736, 150));
        if (stored)
            services.settings->SetString(Key("sidebar_additional_feature_id"), storedId.toStdString());
        Catalogue catalogue;
        auto panel = services.MakeSidebar();
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F9"));
        panel->SetMainFeatures({MakeFeature("screenshotting").feature, catalogue.capturing.feature});
        panel->SetAdditionalFeatures(catalogue.Additional());

        auto* stack = panel->findChild<QStackedWidget*>(QStringLiteral("additionalFeatureStack"));
        const QString current = shown ? QStringLiteral("audioCapturingFeatureButton") : QStringLiteral("plusButton");
        QCOMPARE(NamesInLayout(stack),
                 QStringList({"plusButton", "webcamCapturingFeatureButton", "audioCapturingFeatureButton"}));
        QCOMPARE(stack->currentWidget()->objectName(), current);
        QCOMPARE(!Button(panel.get(), QStringLiteral("triangleButton"))->isHidden(), shown);

        QPointer<QPushButton> oldMain = Button(panel.get(), "capturingFeatureButton");
        QPointer<QPushButton> oldAdditional = Button(panel.get(), "audioCapturingFeatureButton");
        const auto recording = MakeFeature("capturing", [] { return QStringLiteral("Record"); });
        panel->SetMainFeatures({recording.feature});
        panel->SetAdditionalFeatures({catalogue.audio.feature});
        QTRY_VERIFY(oldMain.isNull() && oldAdditional.isNull());
        auto* frame = panel->findChild<QWidget*>(QStringLiteral("mainFeatureFrame"));
        QCOMPARE(NamesInLayout(frame), QStringList({"capturingFeatureButton"}));
        QCOMPARE(NamesInLayout(stack), QStringList({"plusButton", "audioCapturingFeatureButton"}));
        QCOMPARE(stack->currentWidget()->objectName(), current);
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F7"));
        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(panel.get(), &languageChange);
        QCOMPARE(Button(frame, "capturingFeatureButton")->toolTip(), QStringLiteral("Record (F7)"));

        panel.reset();
        QCOMPARE(services.settings->GetString(Key("sidebar_additional_feature_id"), {}),
                 shown ? storedId.toStdString() : std::string());
    }

    void dialogSwitchesAdditionalFeature()
    {
        Services services;
        Catalogue catalogue;
        auto panel = services.MakeSidebar();
        panel->SetAdditionalFeatures(catalogue.Additional());
        auto* stack = panel->findChild<QStackedWidget*>(QStringLiteral("additionalFeatureStack"));
        QPushButton* triangle = Button(panel.get(), QStringLiteral("triangleButton"));
        QPushButton* plus = Button(panel.get(), QStringLiteral("plusButton"));
        QStringList sequence;
        connect(panel.get(), &Sidebar::BeforeDialogShow, this, [&] { sequence << "before"; });
        connect(panel.get(), &Sidebar::AfterDialogShow, this, [&] { sequence << "after"; });
        connect(panel.get(), &Sidebar::AddFeaturesRequest, this,
                [&]
                {
                    sequence << "add features";
                    OnNextDialog([](SidebarCustomizationDialog* dialog) { dialog->reject(); });
                });

        OnNextDialog(
            [](SidebarCustomizationDialog* dialog)
            {
                QVERIFY(!Button(dialog, "webcamCapturingFeatureButton")->isChecked());
                QVERIFY(!Button(dialog, "audioCapturingFeatureButton")->isChecked());
                Button(dialog, "webcamCapturingFeatureButton")->click();
                dialog->accept();
            });
        plus->click();
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("webcamCapturingFeatureButton"));
        QVERIFY(!triangle->isHidden());

        // The dialog opens on the feature shown; removing it brings back the plus button.
        OnNextDialog(
            [](SidebarCustomizationDialog* dialog)
            {
                QVERIFY(Button(dialog, "webcamCapturingFeatureButton")->isChecked());
                Button(dialog, "webcamCapturingFeatureButton")->click();
                dialog->reject();
            });
        triangle->click();
        QCOMPARE(stack->currentWidget(), plus);
        QVERIFY(triangle->isHidden());

        // A selection without an id also means "no additional feature".
        OnNextDialog(
            [](SidebarCustomizationDialog* dialog)
            {
                emit dialog->FeatureSelectRequested(QStringLiteral("audioCapturing"));
                emit dialog->FeatureSelectRequested(QString());
                dialog->reject();
            });
        plus->click();
        QCOMPARE(stack->currentWidget(), plus);
        QVERIFY(triangle->isHidden());

        // Asking for new features closes the dialog, tells the host, then opens the dialog again.
        OnNextDialog([](SidebarCustomizationDialog* dialog) { emit dialog->NewFeatureRequested(); });
        plus->click();
        QCOMPARE(sequence, QStringList({"before", "after", "before", "after", "before", "after", "before", "after",
                                        "add features", "before", "after"}));
    }
};

QTEST_MAIN(tst_SidebarFeatures)
#include "tst_sidebarfeatures.moc"
