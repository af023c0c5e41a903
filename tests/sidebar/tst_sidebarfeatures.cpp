// Feature buttons on the launcher panel: names, order, tooltips with hotkeys, the
// additional-feature stack and the customization dialog that switches it.

#include "common/SidebarTestFixture.h"

#include "Module/Launcher/UI/SidebarCustomizationDialog.h"

#include <QApplication>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

using namespace SidebarTest;
using Zarvo::Orb::Module::Launcher::UI::SidebarCustomizationDialog;
using Zarvo::Orb::Module::Launcher::UI::SidebarUiState;

namespace
{
struct Catalogue
{
    TestFeature screenshotting = MakeFeature("screenshotting", [] { return QStringLiteral("Shot"); });
    TestFeature capturing = MakeFeature("capturing", [] { return QStringLiteral("Rec"); });
    TestFeature webcam = MakeFeature("webcamCapturing", [] { return QStringLiteral("Cam"); });
    TestFeature audio = MakeFeature("audioCapturing", [] { return QStringLiteral("Mic"); });

    std::vector<std::shared_ptr<IFeature>> Main() const { return {screenshotting.feature, capturing.feature}; }
    std::vector<std::shared_ptr<IFeature>> Additional() const { return {webcam.feature, audio.feature}; }
};

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

QStringList StackPages(const QStackedWidget* stack)
{
    QStringList names;
    for (int i = 0; i < stack->count(); ++i)
    {
        names << stack->widget(i)->objectName();
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
    return dialog->findChild<QPushButton*>(id + QStringLiteral("FeatureButton"));
}
} // namespace

class tst_SidebarFeatures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void buttonsCarryIdsAndHotkeyTooltips();
    void additionalSlotShowsStoredFeature_data();
    void additionalSlotShowsStoredFeature();
    void secondSetReplacesButtons();
    void dialogSelectsAndClearsAdditionalFeature();
    void newFeatureRequestReopensDialog();
};

void tst_SidebarFeatures::initTestCase()
{
    UseSidebarStyleSheet();
    Services services;
    services.MakeSidebar();
}

void tst_SidebarFeatures::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SidebarFeatures::buttonsCarryIdsAndHotkeyTooltips()
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
        return panel->findChild<QPushButton*>(QLatin1String(id) + QStringLiteral("FeatureButton"))->toolTip();
    };
    QCOMPARE(tooltip("screenshotting"), QStringLiteral("Shot (Ctrl+1)"));
    QCOMPARE(tooltip("audioCapturing"), QStringLiteral("Mic ()"));
    QCOMPARE(tooltip("capturing"), QStringLiteral("Rec"));

    // A first entry refreshes nothing; a changed one refreshes every button that had an entry
    // when it was made, with its current text, and never the others.
    shotText = QStringLiteral("Snap");
    panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F10"));
    QCOMPARE(tooltip("screenshotting"), QStringLiteral("Shot (Ctrl+1)"));
    panel->SetFeatureHotkeyById(QStringLiteral("audioCapturing"), QStringLiteral("F8"));
    QCOMPARE(tooltip("screenshotting"), QStringLiteral("Snap (Ctrl+1)"));
    QCOMPARE(tooltip("audioCapturing"), QStringLiteral("Mic (F8)"));
    QCOMPARE(tooltip("capturing"), QStringLiteral("Rec"));
}

void tst_SidebarFeatures::additionalSlotShowsStoredFeature_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("storedId");
    QTest::addColumn<QString>("currentPage");
    QTest::addColumn<bool>("triangleShown");

    QTest::newRow("nothing stored") << false << QString() << "plusButton" << false;
    QTest::newRow("unknown") << true << "teleporting"
                             << "plusButton" << false;
    QTest::newRow("audio") << true << "audioCapturing"
                           << "audioCapturingFeatureButton" << true;
}

void tst_SidebarFeatures::additionalSlotShowsStoredFeature()
{
    QFETCH(bool, stored);
    QFETCH(QString, storedId);
    QFETCH(QString, currentPage);
    QFETCH(bool, triangleShown);

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
    QCOMPARE(StackPages(stack),
             QStringList({"plusButton", "webcamCapturingFeatureButton", "audioCapturingFeatureButton"}));
    QCOMPARE(stack->currentWidget()->objectName(), currentPage);
    QCOMPARE(!panel->findChild<QPushButton*>(QStringLiteral("triangleButton"))->isHidden(), triangleShown);

    // What the slot shows is what the next save stores; plus stores nothing.
    panel.reset();
    const std::string expectedStored = triangleShown ? storedId.toStdString() : std::string();
    QCOMPARE(services.settings->GetString(Key("sidebar_additional_feature_id"), {}), expectedStored);
}

void tst_SidebarFeatures::secondSetReplacesButtons()
{
    Services services;
    services.StorePosition(QPoint(736, 150));
    services.settings->SetString(Key("sidebar_additional_feature_id"), "webcamCapturing");
    Catalogue catalogue;
    auto panel = services.MakeSidebar();
    panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F9"));
    panel->SetMainFeatures(catalogue.Main());
    panel->SetAdditionalFeatures(catalogue.Additional());
    QPointer<QPushButton> oldMain = panel->findChild<QPushButton*>(QStringLiteral("capturingFeatureButton"));
    QPointer<QPushButton> oldAdditional =
        panel->findChild<QPushButton*>(QStringLiteral("webcamCapturingFeatureButton"));

    const auto recording = MakeFeature("capturing", [] { return QStringLiteral("Record"); });
    panel->SetMainFeatures({recording.feature});
    panel->SetAdditionalFeatures({catalogue.webcam.feature});
    QTRY_VERIFY(oldMain.isNull());
    QTRY_VERIFY(oldAdditional.isNull());

    auto* frame = panel->findChild<QWidget*>(QStringLiteral("mainFeatureFrame"));
    QCOMPARE(NamesInLayout(frame), QStringList({"capturingFeatureButton"}));
    auto* stack = panel->findChild<QStackedWidget*>(QStringLiteral("additionalFeatureStack"));
    QCOMPARE(StackPages(stack), QStringList({"plusButton", "webcamCapturingFeatureButton"}));
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("webcamCapturingFeatureButton"));

    // Hotkey and language refreshes must only reach the buttons that exist now.
    panel->SetFeatureHotkeyById(QStringLiteral("capturing"), QStringLiteral("F7"));
    QEvent languageChange(QEvent::LanguageChange);
    QApplication::sendEvent(panel.get(), &languageChange);
    QCOMPARE(frame->findChild<QPushButton*>(QStringLiteral("capturingFeatureButton"))->toolTip(),
             QStringLiteral("Record (F7)"));
}

void tst_SidebarFeatures::dialogSelectsAndClearsAdditionalFeature()
{
    Services services;
    Catalogue catalogue;
    auto panel = services.MakeSidebar();
    panel->SetAdditionalFeatures(catalogue.Additional());
    auto* stack = panel->findChild<QStackedWidget*>(QStringLiteral("additionalFeatureStack"));
    auto* triangle = panel->findChild<QPushButton*>(QStringLiteral("triangleButton"));
    QSignalSpy before(panel.get(), &Sidebar::BeforeDialogShow);
    QSignalSpy after(panel.get(), &Sidebar::AfterDialogShow);

    OnNextDialog(
        [](SidebarCustomizationDialog* dialog)
        {
            QVERIFY(!CardButton(dialog, "webcamCapturing")->isChecked());
            QVERIFY(!CardButton(dialog, "audioCapturing")->isChecked());
            CardButton(dialog, "webcamCapturing")->click();
            dialog->accept();
        });
    panel->findChild<QPushButton*>(QStringLiteral("plusButton"))->click();
    QCOMPARE(before.count(), 1);
    QCOMPARE(after.count(), 1);
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
    QCOMPARE(stack->currentWidget(), panel->findChild<QWidget*>(QStringLiteral("plusButton")));
    QVERIFY(triangle->isHidden());

    // A selection without an id also means "no additional feature".
    OnNextDialog(
        [](SidebarCustomizationDialog* dialog)
        {
            emit dialog->FeatureSelectRequested(QStringLiteral("audioCapturing"));
            emit dialog->FeatureSelectRequested(QString());
            dialog->reject();
        });
    panel->findChild<QPushButton*>(QStringLiteral("plusButton"))->click();
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("plusButton"));
    QVERIFY(triangle->isHidden());
    QCOMPARE(before.count(), 3);
    QCOMPARE(after.count(), 3);
}

void tst_SidebarFeatures::newFeatureRequestReopensDialog()
{
    Services services;
    Catalogue catalogue;
    auto panel = services.MakeSidebar();
    panel->SetAdditionalFeatures(catalogue.Additional());

    QStringList sequence;
    connect(panel.get(), &Sidebar::BeforeDialogShow, this, [&] { sequence << "before"; });
    connect(panel.get(), &Sidebar::AfterDialogShow, this, [&] { sequence << "after"; });
    connect(panel.get(), &Sidebar::AddFeaturesRequest, this,
            [&]
            {
                sequence << "add features";
                OnNextDialog([](SidebarCustomizationDialog* dialog) { dialog->reject(); });
            });

    OnNextDialog([](SidebarCustomizationDialog* dialog) { emit dialog->NewFeatureRequested(); });
    panel->findChild<QPushButton*>(QStringLiteral("plusButton"))->click();

    QCOMPARE(sequence, QStringList({"before", "after", "add features", "before", "after"}));
}

QTEST_MAIN(tst_SidebarFeatures)
#include "tst_sidebarfeatures.moc"
