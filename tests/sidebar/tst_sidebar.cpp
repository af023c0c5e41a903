// The launcher panel's structure, edge layouts, style values, UI states and texts.

#include "common/PanelInvariants.h"
#include "common/SidebarTestFixture.h"

#include <QHash>
#include <QProxyStyle>

using namespace SidebarTest;
using PanelInvariants::StyleMismatch;
using Zarvo::Orb::Module::Launcher::UI::SidebarUiState;

namespace
{
QList<QWidget*> WholeTree(QWidget* panel)
{
    return QList<QWidget*>{panel} + panel->findChildren<QWidget*>();
}

// Under the style sheet's style, which hands every polish of a widget down to it.
class PolishCounter : public QProxyStyle
{
public:
    using QProxyStyle::polish;
    void polish(QWidget* widget) override
    {
        ++counts[widget];
        QProxyStyle::polish(widget);
    }

    QHash<const QWidget*, int> counts;
};
} // namespace

class tst_Sidebar : public QObject
{
    Q_OBJECT

    PolishCounter* polishes = nullptr;

private slots:
    void initTestCase()
    {
        polishes = new PolishCounter;
        QApplication::setStyle(polishes);
        PrepareSidebarSuite();
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void emptyServiceIsRejected()
    {
        const auto rejected = [](const std::function<void(Services&)>& empty)
        {
            Services services;
            empty(services);
            QVERIFY_EXCEPTION_THROWN(services.MakeSidebar(), std::logic_error);
        };
        rejected([](Services& services) { services.actions.reset(); });
        rejected([](Services& services) { services.customization.reset(); });
        rejected([](Services& services) { services.links.reset(); });
    }

    void layoutAndStylesFollowEdge_data()
    {
        QTest::addColumn<int>("edge");
        QTest::addColumn<QRect>("geometry");
        // The panel keeps its layout in a right-to-left language.
        QTest::addColumn<bool>("rightToLeft");
        for (const bool rightToLeft : {false, true})
        {
            const char* suffix = rightToLeft ? ", right to left" : "";
            QTest::addRow("left%s", suffix) << 1 << QRect(0, 100, 64, 300) << rightToLeft;
            QTest::addRow("top%s", suffix) << 2 << QRect(200, 0, 280, 56) << rightToLeft;
            QTest::addRow("right%s", suffix) << 3 << QRect(736, 100, 64, 300) << rightToLeft;
            QTest::addRow("bottom%s", suffix) << 4 << QRect(200, 544, 280, 56) << rightToLeft;
        }
    }
    void layoutAndStylesFollowEdge()
    {
        QFETCH(int, edge);
        QFETCH(QRect, geometry);
        QFETCH(bool, rightToLeft);
        QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const auto restoreDirection = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });

        // Feature buttons made after the panel is shown carry the values at once: the style sheet
        // sizes the stored additional tile by them.
        const auto restoreSheet = AddStyle(
            QStringLiteral("#audioCapturingFeatureButton[Edge=\"%1\"] { max-width: 6px; }").arg(EdgeNames[edge]));
        Services services;
        services.Place(edge, geometry.topLeft());
        services.settings->SetString(Key("sidebar_additional_feature_id"), "audioCapturing");
        auto panel = services.ShownPanel(MakeFeatures({"screenshotting", "capturing"}));
        QVERIFY(panel);
        panel->SetAdditionalFeatures(MakeFeatures({"webcamCapturing", "audioCapturing"}));
        QCOMPARE(panel->geometry(), geometry);
        QCOMPARE(panel->property("Edge").toString(), QString(EdgeNames[edge]));
        QCOMPARE(StyleMismatch(*panel), QString());
        QPushButton* audio = Button(panel.get(), "audioCapturingFeatureButton");
        audio->ensurePolished();
        QCOMPARE(audio->maximumWidth(), 6);

        // x: across the screen edge, y: along it (Left and Right stack the content vertically).
        const auto at = [&](const char* name)
        {
            const QPoint p = panel->findChild<QWidget*>(QLatin1String(name))->mapTo(panel.get(), QPoint(0, 0));
            return edge % 2 ? p : p.transposed();
        };
        QVERIFY(at("screenshottingFeatureButton").y() < at("capturingFeatureButton").y());
        QVERIFY(at("smallButtonsFrame").y() < at("mainFeatureFrame").y());
        QVERIFY(at("mainFeatureFrame").y() < at("additionalFeatureFrame").y());
        // Left and Top put the close button and the body first, the tail last.
        QCOMPARE(at("closeButton").x() < at("settingsButton").x(), edge <= 2);
        QCOMPARE(at("tailButtonFrame").x() > at("bodyFrame").x(), edge <= 2);
    }

    // Edge and state changes are where the panel's style cost lies: one re-polish per widget at
    // most, and no style sheet on a widget (that would re-parse it for each). What widgets take
    // from the style at a change (here the body's frame width) follows the new values, so the
    // panel is laid out as one made at its new edge and state.
    void styleChangeRepolishesEachWidgetOnce_data()
    {
        QTest::addColumn<bool>("dragToLeft");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("edge") << true << QRect(0, 150, 64, 300);
        QTest::newRow("state") << false << QRect(784, 150, 16, 120);
    }
    void styleChangeRepolishesEachWidgetOnce()
    {
        QFETCH(bool, dragToLeft);
        QFETCH(QRect, geometry);
        const auto restoreSheet = AddStyle("#bodyFrame { border: 5px solid red; }"
                                           "#bodyFrame[Edge=\"Right\"] { border-right: none; }"
                                           "#bodyFrame[Edge=\"Left\"] { border-left: none; }");
        const auto shown = [](Services& services, int edge, const QPoint& at, SidebarUiState state)
        {
            services.Place(edge, at, state);
            services.settings->SetString(Key("sidebar_additional_feature_id"), "audioCapturing");
            auto panel = services.MakeSidebar();
            panel->SetMainFeatures(MakeFeatures({"screenshotting", "capturing"}));
            panel->SetAdditionalFeatures(MakeFeatures({"webcamCapturing", "audioCapturing"}));
            panel->SetUiState(state);
            return QTest::qWaitForWindowExposed(panel.get()) ? std::move(panel) : nullptr;
        };
        Services services;
        auto panel = shown(services, 3, QPoint(736, 150), SidebarUiState::Maximized);
        QVERIFY(panel);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        polishes->counts.clear();
        if (dragToLeft)
        {
            PressAndMove(panel.get(), QPoint(760, 300), QPoint(100, 300));
            Release(panel.get(), QPoint(100, 300));
        }
        else
            QTest::mouseClick(Button(panel.get(), "tailButton"), Qt::LeftButton);
        QTRY_COMPARE(panel->geometry(), geometry);
        panel->grab();

        QCOMPARE(panel->property("Edge").toString(), QString(dragToLeft ? "Left" : "Right"));
        QCOMPARE(StyleMismatch(*panel), QString());
        for (QWidget* widget : WholeTree(panel.get()))
        {
            const QByteArray name = widget->objectName().toUtf8();
            QVERIFY2(widget->styleSheet().isEmpty(), name);
            // Once: every widget's values changed, so each needs its new look.
            QVERIFY2(polishes->counts.value(widget) == 1,
                     name + " polished " + QByteArray::number(polishes->counts.value(widget)));
        }

        Services madeServices;
        auto made = shown(madeServices, dragToLeft ? 1 : 3, panel->pos(), panel->GetUiState());
        QVERIFY(made);
        QCOMPARE(made->geometry(), panel->geometry());
        for (QWidget* widget : WholeTree(made.get()))
        {
            if (!widget->isVisibleTo(made.get()))
                continue;
            const QWidget* twin = widget == made.get() ? panel.get() : panel->findChild<QWidget*>(widget->objectName());
            QVERIFY(twin);
            QCOMPARE(twin->mapTo(panel.get(), QPoint()), widget->mapTo(made.get(), QPoint()));
            QCOMPARE(twin->size(), widget->size());
        }
    }

    // A Hidden panel keeps Hidden at a later start, styled in its last visible state, and comes
    // back on its edge when shown, also right by a corner.
    void restoresStoredState_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("lastVisible");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("maximized") << 0 << -1 << QPoint(700, 120) << QRect(736, 120, 64, 300);
        QTest::newRow("compacted") << 1 << -1 << QPoint(700, 120) << QRect(784, 120, 16, 120);
        QTest::newRow("out of range") << 5 << -1 << QPoint(700, 120) << QRect(736, 120, 64, 300);
        QTest::newRow("hidden") << 2 << -1 << QPoint(700, 120) << QRect(736, 120, 64, 300);
        QTest::newRow("hidden, last maximized, by a corner") << 2 << 0 << QPoint(736, 0) << QRect(736, 0, 64, 300);
        QTest::newRow("hidden, last compacted, by a corner") << 2 << 1 << QPoint(784, 0) << QRect(784, 0, 16, 120);
    }
    void restoresStoredState()
    {
        QFETCH(int, stored);
        QFETCH(int, lastVisible);
        QFETCH(QPoint, position);
        QFETCH(QRect, geometry);
        const int expected = stored > 2 ? 0 : stored;
        const bool compacted = stored == 1 || lastVisible == 1;

        Services services;
        services.Place(3, position, stored);
        if (lastVisible >= 0)
            services.settings->SetInt(Key("sidebar_last_visible_ui_state"), lastVisible);
        auto panel = services.MakeSidebar();

        QCOMPARE(int(panel->GetUiState()), expected);
        QVERIFY(!panel->isVisible());
        // Docked at the maximized size while hidden.
        QCOMPARE(panel->geometry(), expected == 2 ? QRect(736, geometry.y(), 64, 300) : geometry);
        QCOMPARE(panel->property("State").toString(), QString(compacted ? "Compacted" : "Maximized"));
        QCOMPARE(StyleMismatch(*panel), QString());
        // Restoring is no transition: the odd stored value stays as it was.
        QCOMPARE(services.StoredInt("sidebar_ui_state"), stored);

        panel->SetUiState(compacted ? SidebarUiState::Compacted : SidebarUiState::Maximized);
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QTRY_COMPARE(panel->geometry(), geometry);
        QCOMPARE(panel->property("Edge").toString(), QStringLiteral("Right"));
    }

    // Each transition saves; one asked for during another's animation starts from that one's end.
    void uiStateTransitionsShowHideAndSave()
    {
        Services services;
        auto panel = services.MakeSidebar();
        panel->SetUiState(SidebarUiState::Compacted);
        QVERIFY(panel->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QTRY_COMPARE(panel->geometry(), QRect(784, 150, 16, 120));
        QPushButton* tail = Button(panel.get(), "tailButton");
        QWidget* body = panel->findChild<QWidget*>(QStringLiteral("bodyContentFrame"));

        QTest::mouseClick(tail, Qt::LeftButton);
        QCOMPARE(int(panel->GetUiState()), int(SidebarUiState::Maximized));
        QCOMPARE(tail->toolTip(), QStringLiteral("Compact"));
        QCOMPARE(services.StoredInt("sidebar_ui_state"), 0);
        QTRY_COMPARE(panel->geometry(), QRect(736, 150, 64, 300));
        QTRY_VERIFY(!body->isHidden());
        // Nothing to change: no animation, so the body stays.
        panel->SetUiState(SidebarUiState::Maximized);
        QVERIFY(!body->isHidden());

        QTest::mouseClick(tail, Qt::LeftButton);
        QCOMPARE(int(panel->GetUiState()), int(SidebarUiState::Compacted));
        QCOMPARE(tail->toolTip(), QStringLiteral("Expand"));
        QCOMPARE(services.StoredInt("sidebar_ui_state"), 1);
        QCOMPARE(StyleMismatch(*panel), QString());
        QVERIFY(body->isHidden());
        panel->SetUiState(SidebarUiState::Maximized);
        QCOMPARE(panel->geometry(), QRect(784, 150, 16, 120));
        QVERIFY(body->isHidden());
        QTRY_COMPARE(panel->geometry(), QRect(736, 150, 64, 300));
        QTRY_VERIFY(!body->isHidden());

        QTest::mouseClick(tail, Qt::LeftButton);
        QTRY_COMPARE(panel->geometry(), QRect(784, 150, 16, 120));
        panel->SetUiState(SidebarUiState::Hidden);
        QVERIFY(!panel->isVisible());
        QCOMPARE(panel->size(), QSize(16, 120));
        QCOMPARE(services.StoredInt("sidebar_ui_state"), 2);
        QCOMPARE(services.StoredInt("sidebar_last_visible_ui_state"), 1);

        // An unknown state changes nothing, yet the settings are saved.
        services.settings->Remove(Key("sidebar_position"));
        panel->SetUiState(static_cast<SidebarUiState>(7));
        QCOMPARE(int(panel->GetUiState()), int(SidebarUiState::Hidden));
        QVERIFY(!panel->isVisible());
        QVERIFY(services.settings->Contains(Key("sidebar_position")));

        // Destroyed while compacting: the state is saved with the position the animation began at.
        panel->SetUiState(SidebarUiState::Maximized);
        panel->SetUiState(SidebarUiState::Compacted);
        panel.reset();
        QCOMPARE(services.StoredInt("sidebar_ui_state"), 1);
        QCOMPARE(services.StoredPosition(), QPoint(736, 150));
    }
};

QTEST_MAIN(tst_Sidebar)
#include "tst_sidebar.moc"
