// Feature buttons on the launcher panel: names, order, tooltips with hotkeys, the
// additional-feature stack and the customization dialog that switches it.

#include "common/SidebarTestFixture.h"

#include "Module/Launcher/Feature.h"
#include "Module/Launcher/UI/SidebarCustomizationDialog.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

using namespace SidebarTest;
using Zarvo::Orb::Module::Launcher::FeatureTextRole;
using Zarvo::Orb::Module::Launcher::UI::SidebarCustomizationDialog;
using Zarvo::Orb::Module::Launcher::UI::SidebarUiState;

namespace
{
struct Catalogue
{
    TestFeature capturing = MakeFeature("capturing", [] { return QStringLiteral("Rec"); });
    TestFeature webcam = MakeFeature("webcamCapturing", [] { return QStringLiteral("Cam"); });
    TestFeature audio = MakeFeature("audioCapturing", [] { return QStringLiteral("Mic"); });

    std::vector<std::shared_ptr<IFeature>> Additional() const { return {webcam.feature, audio.feature}; }
};

// Widgets of a frame's layout (or a stack's pages) in order.
QStringList NamesInLayout(const QWidget* frame)
{
    QStringList names;
    for (int i = 0; i < frame->layout()->count(); ++i)
    {
        if (QWidget* widget = frame->layout()->itemAt(i)->widget())
        {
            names << widget->objectName();
        }
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

QPushButton* CardButton(const QWidget* dialog, const QString& id)
{
    return Button(dialog, id + QStringLiteral("FeatureButton"));
}
} // namespace

class tst_SidebarFeatures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareSidebarSuite(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void buttonsCarryIdsAndHotkeyTooltips()
    {
        Services services;
        QString shotText = QStringLiteral("Shot");
        const auto screenshotting = MakeFeature("screenshotting", [&shotText] { return shotText; });
        Catalogue catalogue;
        auto panel = services.MakeSidebar();

        panel->SetFeatureHotkeyById(QStringLiteral("screenshotting"), QStringLiteral("Ctrl+1"));
        panel->SetFeatureHotkeyById(QStringLiteral("audioCapturing"), QString());
        panel->SetMainFeatures({screenshotting.feature, catalogue.capturing.feature});
        panel->SetAdditionalFeatures(catalogue.Additional());

        const auto tooltip = [&](const char* id)
        {
            return CardButton(panel.get(), QLatin1String(id))->toolTip();
        };
        QCOMPARE(tooltip("screenshotting"), QStringLiteral("Shot (Ctrl+1)"));
        QCOMPARE(tooltip("audioCapturing"), QStringLiteral("Mic ()"));
        QCOMPARE(tooltip("capturing"), QStringLiteral("Rec"));

        // A first entry refreshes nothing; a changed one refreshes its own button, if that had an
        // entry when it was made, with its current text, and never the others.
        shotText = QStringLiteral("Snap");
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F10"));
        panel->SetFeatureHotkeyById(QStringLiteral("audioCapturing"), QStringLiteral("F8"));
        QCOMPARE(tooltip("screenshotting"), QStringLiteral("Shot (Ctrl+1)"));
        QCOMPARE(tooltip("audioCapturing"), QStringLiteral("Mic (F8)"));
        QCOMPARE(tooltip("capturing"), QStringLiteral("Rec"));
        panel->SetFeatureHotkeyById(QStringLiteral("screenshotting"), QStringLiteral("Ctrl+2"));
        QCOMPARE(tooltip("screenshotting"), QStringLiteral("Snap (Ctrl+2)"));
        // A placeholder-like text stays text.
        shotText = QStringLiteral("50%2 off");
        panel->SetFeatureHotkeyById(QStringLiteral("screenshotting"), QStringLiteral("Ctrl+3"));
        QCOMPARE(tooltip("screenshotting"), QStringLiteral("50%2 off (Ctrl+3)"));
    }

    // Hovered while the user works in another window, a button shows its tooltip with the
    // hotkey as typed, never read as markup.
    void tooltipShowsHotkeyLiterallyWhileInactive_data()
    {
        QTest::addColumn<QString>("hotkey");
        QTest::newRow("plain") << QStringLiteral("Ctrl+Shift+R");
        QTest::newRow("image tag") << QStringLiteral("<img src=x>");
        QTest::newRow("bold tag") << QStringLiteral("Ctrl+<b>X</b>");
    }
    void tooltipShowsHotkeyLiterallyWhileInactive()
    {
        QFETCH(QString, hotkey);
        Services services;
        Catalogue catalogue;
        auto panel = services.MakeSidebar();
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), hotkey);
        panel->SetMainFeatures({catalogue.capturing.feature});
        panel->SetUiState(SidebarUiState::Maximized);
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QWidget other;
        other.setGeometry(100, 100, 200, 200);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        const auto hideTip = qScopeGuard([] { QToolTip::hideText(); });

        QPushButton* button = Button(panel.get(), QStringLiteral("capturingFeatureButton"));
        QCOMPARE(button->toolTip(), QStringLiteral("Rec (%1)").arg(hotkey));
        // From elsewhere: a move to where the cursor already is sends nothing.
        QTest::mouseMove(&other);
        QTest::mouseMove(button);
        QTRY_VERIFY(QToolTip::isVisible());
        const QString shown = QToolTip::text();
        QTextDocument document;
        Qt::mightBeRichText(shown) ? document.setHtml(shown) : document.setPlainText(shown);
        QCOMPARE(document.toPlainText(), button->toolTip());
    }

    // Names without the hotkey, descriptions with it, both following hotkey changes.
    void screenReadersGetNamesAndHotkeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* tag, const char* button, const char* name, const char* description)
        {
            QTest::newRow(tag) << QString(button) << QString(name) << QString(description);
        };
        row("feature without a title: its tooltip", "screenshottingFeatureButton", "Shot", "Shot (Ctrl+1)");
        row("feature with a title", "capturingFeatureButton", "capturing title", "Rec (Ctrl+R)");
        row("additional feature", "webcamCapturingFeatureButton", "webcamCapturing title", "Cam");
        row("plus", "plusButton", "Additional functional", "");
        row("triangle", "triangleButton", "Additional functional", "");
        row("close", "closeButton", "Close", "");
        row("tail", "tailButton", "Compact", "");
        row("settings", "settingsButton", "Settings", "Settings (Ctrl+Shift+P)");
    }
    void screenReadersGetNamesAndHotkeys()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, description);
        Services services;
        services.actions->GetActionById(QStringLiteral("ActionPreferences"))
            ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        Catalogue catalogue;
        auto panel = services.MakeSidebar();
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("Ctrl+R"));
        panel->SetFeatureHotkeyById(QStringLiteral("screenshotting"), QStringLiteral("Ctrl+1"));
        const auto untitled = std::make_shared<Zarvo::Orb::Module::Launcher::Feature>(
            QStringLiteral("screenshotting"), [] {},
            std::map<FeatureTextRole, std::function<QString()>>{{FeatureTextRole::Tooltip, []
                                                                 {
                                                                     return QStringLiteral("Shot");
                                                                 }}});
        panel->SetMainFeatures({untitled, catalogue.capturing.feature});
        panel->SetAdditionalFeatures(catalogue.Additional());

        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Button(panel.get(), button));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        if (!description.isEmpty())
        {
            QCOMPARE(accessible->text(QAccessible::Description), description);
        }
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("Alt+<b>X</b>"));
        QCOMPARE(QAccessible::queryAccessibleInterface(Button(panel.get(), QStringLiteral("capturingFeatureButton")))
                     ->text(QAccessible::Description),
                 QStringLiteral("Rec (Alt+<b>X</b>)"));
    }

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
        {
            services.settings->SetString(Key("sidebar_additional_feature_id"), storedId.toStdString());
        }
        Catalogue catalogue;
        auto panel = services.MakeSidebar();
        panel->SetAdditionalFeatures(catalogue.Additional());

        auto* stack = panel->findChild<QStackedWidget*>(QStringLiteral("additionalFeatureStack"));
        QCOMPARE(NamesInLayout(stack),
                 QStringList({"plusButton", "webcamCapturingFeatureButton", "audioCapturingFeatureButton"}));
        QCOMPARE(stack->currentWidget()->objectName(),
                 shown ? QStringLiteral("audioCapturingFeatureButton") : QStringLiteral("plusButton"));
        QCOMPARE(!Button(panel.get(), QStringLiteral("triangleButton"))->isHidden(), shown);

        // What the slot shows is what the next save stores; plus stores nothing.
        panel.reset();
        QCOMPARE(services.settings->GetString(Key("sidebar_additional_feature_id"), {}),
                 shown ? storedId.toStdString() : std::string());
    }

    void secondSetReplacesButtons()
    {
        Services services;
        services.StorePosition(QPoint(736, 150));
        services.settings->SetString(Key("sidebar_additional_feature_id"), "webcamCapturing");
        Catalogue catalogue;
        auto panel = services.MakeSidebar();
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F9"));
        panel->SetMainFeatures({MakeFeature("screenshotting").feature, catalogue.capturing.feature});
        panel->SetAdditionalFeatures(catalogue.Additional());
        QPointer<QPushButton> oldMain = CardButton(panel.get(), QStringLiteral("capturing"));
        QPointer<QPushButton> oldAdditional = CardButton(panel.get(), QStringLiteral("webcamCapturing"));

        const auto recording = MakeFeature("capturing", [] { return QStringLiteral("Record"); });
        panel->SetMainFeatures({recording.feature});
        panel->SetAdditionalFeatures({catalogue.webcam.feature});
        QTRY_VERIFY(oldMain.isNull());
        QTRY_VERIFY(oldAdditional.isNull());

        auto* frame = panel->findChild<QWidget*>(QStringLiteral("mainFeatureFrame"));
        QCOMPARE(NamesInLayout(frame), QStringList({"capturingFeatureButton"}));
        auto* stack = panel->findChild<QStackedWidget*>(QStringLiteral("additionalFeatureStack"));
        QCOMPARE(NamesInLayout(stack), QStringList({"plusButton", "webcamCapturingFeatureButton"}));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("webcamCapturingFeatureButton"));

        // Hotkey and language refreshes must only reach the buttons that exist now.
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F7"));
        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(panel.get(), &languageChange);
        QCOMPARE(CardButton(frame, QStringLiteral("capturing"))->toolTip(), QStringLiteral("Record (F7)"));
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
                QVERIFY(!CardButton(dialog, "webcamCapturing")->isChecked());
                QVERIFY(!CardButton(dialog, "audioCapturing")->isChecked());
                CardButton(dialog, "webcamCapturing")->click();
                dialog->accept();
            });
        plus->click();
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("webcamCapturingFeatureButton"));
        QVERIFY(!triangle->isHidden());

        // The dialog opens on the feature shown; removing it brings back the plus button.
        OnNextDialog(
            [](SidebarCustomizationDialog* dialog)
            {
                QVERIFY(CardButton(dialog, "webcamCapturing")->isChecked());
                CardButton(dialog, "webcamCapturing")->click();
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
