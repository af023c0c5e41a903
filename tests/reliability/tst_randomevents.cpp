// Seeded random event sequences on a shown panel and the controller around it. After every
// event the panel is where it may be and the host's paired calls are balanced. A failing seed
// is printed with its events; keep it as a row of randomSequences.
//
// ORB_RANDOM_SEQUENCES sets how many sequences run (default 1000), ORB_RANDOM_SEED_BASE the
// first seed (default 1), to explore other seeds; ORB_RANDOM_TRACE prints every event.

#include "common/HostFixture.h"
#include "common/PanelInvariants.h"
#include "common/SidebarTestFixture.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/UI/Sidebar/SidebarSettings.h"

#include <QPushButton>
#include <QtTest>

#include <cstdio>
#include <random>
#include <utility>

using namespace LauncherTest;
using Zarvo::Orb::Module::ActivationContext;
namespace UI = Zarvo::Orb::Module::Launcher::UI;

namespace
{
const int kEvents = 50;
const int kAnimationMs = 150;

// Animations advance only when the test says so.
struct ManualAnimationDriver : QAnimationDriver
{
    qint64 elapsed() const override { return now - startedAt; }
    void Step(int ms)
    {
        // Animations start and stop through chains of queued calls.
        for (int round = 0; round < 4; ++round)
            QCoreApplication::processEvents();
        now += ms;
        advance();
    }

    void start() override
    {
        startedAt = now;
        QAnimationDriver::start();
    }

    qint64 now = 0, startedAt = 0;
};

struct Sequence
{
    Sequence(quint32 seed, ManualAnimationDriver& driver)
        : random(seed)
        , driver(driver)
    {
    }

    std::mt19937 random;
    ManualAnimationDriver& driver;
    HostFixture host{Registration::SingleInstances};
    ResolvedLauncher launcher;
    RecordingHandler handler;
    QPointer<UI::Sidebar> panel;
    QPointer<QWidget> pressTarget;
    QStringList events;
    QPoint last;
    bool leftHeld = false;
    bool dragPossible = false;
    bool active = true;
    bool saved = false; // the last event saved the settings
    int sinceAnimation = 0;
    const bool trace = qEnvironmentVariableIsSet("ORB_RANDOM_TRACE");

    // Empty when every event kept the invariants; otherwise the events up to the failure.
    QString Run()
    {
        // Each event is one of 16 slots, press and move taking two. The regression seeds name
        // sequences of this table: keep its order and the draws inside each generator.
        using Generator = void (Sequence::*)();
        static const Generator generators[] = {
            &Sequence::Press,       &Sequence::Press,       &Sequence::Move,         &Sequence::Move,
            &Sequence::Release,     &Sequence::LostRelease, &Sequence::WatchTick,    &Sequence::Advance,
            &Sequence::ChangeState, &Sequence::Tail,        &Sequence::DragToEdge,   &Sequence::Feature,
            &Sequence::OpenDialog,  &Sequence::SetHotkey,   &Sequence::SwitchActive, &Sequence::Settle};
        launcher = host.ResolveLauncher();
        launcher.module->SetHandler(&handler);
        panel = launcher.sidebar;
        launcher.module->Activate();
        QString failure;
        for (int index = 0; index < kEvents && failure.isEmpty(); ++index)
        {
            (this->*generators[Pick(16)])();
            if (trace)
                qInfo() << events.last() << panel->geometry() << panel->GetUiState() << panel->isVisible();
            failure = Check();
        }
        if (failure.isEmpty())
        {
            const QString place = Place();
            launcher = {};
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            failure =
                panel ? QStringLiteral("panel outlived its controller") : StoredMismatch(place, " after destruction");
        }
        return failure.isEmpty() ? QString() : events.join(QLatin1String(", ")) + QLatin1String("\n  -> ") + failure;
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    QString At(const char* what) const { return QStringLiteral("%1 %2,%3").arg(what).arg(last.x()).arg(last.y()); }

    // False when the button was not there to click.
    bool Click(const QString& name)
    {
        events << QLatin1String("click ") + name;
        QPushButton* button = panel->findChild<QPushButton*>(name);
        if (!button || !button->isVisible())
            return false;
        button->click();
        sinceAnimation = 0;
        return true;
    }

    void Mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        SidebarTest::SendMouse(pressTarget ? pressTarget.data() : panel.data(), type, last, button, buttons);
    }

    // The button is up, or the application no longer knows it is down.
    void Released(const QString& event, bool keepsDrag)
    {
        events << event;
        pressTarget = nullptr;
        leftHeld = false;
        dragPossible = dragPossible && keepsDrag;
    }

    void Step(int ms)
    {
        events << QStringLiteral("advance %1 ms").arg(ms);
        driver.Step(ms);
        sinceAnimation += ms;
    }

    void Press()
    {
        const QRect geometry = panel->geometry();
        last = QPoint(Between(geometry.left(), geometry.right()), Between(geometry.top(), geometry.bottom()));
        leftHeld = Pick(4) != 0;
        events << At(leftHeld ? "left press at" : "right press at");
        QWidget* child = panel->childAt(panel->mapFromGlobal(last));
        pressTarget = child ? child : panel.data();
        const Qt::MouseButton button = leftHeld ? Qt::LeftButton : Qt::RightButton;
        Mouse(QEvent::MouseButtonPress, button, button);
    }

    void Move()
    {
        last = Pick(2) ? last + QPoint(Between(-10, 10), Between(-10, 10))
                       : QPoint(Between(-100, 900), Between(-100, 700));
        events << At("move to");
        Mouse(QEvent::MouseMove, Qt::NoButton, leftHeld ? Qt::LeftButton : Qt::NoButton);
        dragPossible = dragPossible || leftHeld;
    }

    void Release()
    {
        Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        Released(At("release at"), false);
        sinceAnimation = 0;
    }

    // The release happens outside every window of the application.
    void LostRelease() { Released(QStringLiteral("lost release"), true); }

    void WatchTick()
    {
        events << QStringLiteral("watch tick");
        for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(panel))
        {
            QTimerEvent tick(timer.timerId);
            QCoreApplication::sendEvent(panel, &tick);
        }
        dragPossible = false; // no button is held as far as the application knows
    }

    void Advance() { Step(Between(1, 2 * kAnimationMs)); }
    void Settle() { Step(kAnimationMs + 10); }
    void Tail() { saved = Click(QStringLiteral("tailButton")); }

    void ChangeState()
    {
        const int pick = Pick(4);
        if (pick == 0)
        {
            saved = Click(QStringLiteral("closeButton"));
            return;
        }
        const int state = pick == 1 ? -1 : Pick(3);
        events << (state < 0 ? QStringLiteral("show active window") : QStringLiteral("set state %1").arg(state));
        if (state < 0)
            dynamic_cast<Zarvo::Orb::IShowActiveWindow&>(*launcher.module).ShowActiveWindow();
        else
            panel->SetUiState(static_cast<UI::SidebarUiState>(state));
        sinceAnimation = 0;
        saved = true;
    }

    void DragToEdge()
    {
        const QRect area = PanelInvariants::AvailableArea();
        const QPoint targets[] = {{area.left() + 2, Between(0, area.bottom())},
                                  {area.right() - 2, Between(0, area.bottom())},
                                  {Between(0, area.right()), area.top() + 2},
                                  {Between(0, area.right()), area.bottom() - 2}};
        last = targets[Pick(4)];
        SidebarTest::PressAndMove(panel, panel->geometry().center(), last);
        SidebarTest::Release(panel, last);
        Released(At("drag to"), false);
    }

    void Feature()
    {
        const auto features = panel->findChildren<QPushButton*>(QRegularExpression("FeatureButton$"));
        if (!features.isEmpty())
            Click(features.at(Pick(features.size()))->objectName());
    }

    // Any modal window is closed by the test's closer once it shows.
    void OpenDialog()
    {
        if (Pick(2))
            Click(QLatin1String(Pick(2) ? "plusButton" : "triangleButton"));
        else
        {
            events << QStringLiteral("feature request");
            emit panel->AddFeaturesRequest();
        }
    }

    void SetHotkey()
    {
        const char* texts[] = {"Ctrl+Shift+S", "Alt+1", "", "Ctrl+F5"};
        const char* text = texts[Pick(4)];
        events << QStringLiteral("screenshot hotkey '%1'").arg(text);
        host.Resolve<Zarvo::Orb::HotkeySettings>()->SetGlobalHotkeyTakeScreenshot(text);
    }

    void SwitchActive()
    {
        active = !active;
        const int mode = active ? Pick(2) : 0;
        events << (active ? QStringLiteral("activate %1").arg(mode) : QStringLiteral("deactivate"));
        if (!active)
            return launcher.module->Deactivate();
        launcher.module->Activate(ActivationContext(mode));
        sinceAnimation = 0;
    }

    QString Check()
    {
        if (!panel)
            return QStringLiteral("panel destroyed");
        const int lockDepth = host.Resolve<Zarvo::Orb::GlobalHotkeyGuard>()->LockDepth();
        const int blockDepth = host.Resolve<Zarvo::Orb::UI::CaptureTrayIconBlocker>()->BlockDepth();
        QString failure = PanelInvariants::StyleMismatch(*panel);
        const bool settled = failure.isEmpty() && panel->isVisible() && !dragPossible;
        if (settled)
            failure = PanelInvariants::OutsideArea(*panel);
        if (settled && failure.isEmpty() && sinceAnimation > kAnimationMs)
            failure = PanelInvariants::NotDocked(*panel);
        if (failure.isEmpty() && (lockDepth || blockDepth))
            failure = QStringLiteral("hotkey guard depth %1, tray blocker depth %2").arg(lockDepth).arg(blockDepth);
        if (std::exchange(saved, false) && failure.isEmpty())
            failure = StoredMismatch(Place(), "");
        return failure;
    }

    QString Place() const
    {
        return QStringLiteral("%1/%2").arg(panel->property("Edge").toString()).arg(panel->GetUiState());
    }

    // Empty when the store holds the panel's place ("edge/state").
    QString StoredMismatch(const QString& place, const char* when) const
    {
        const UI::SidebarSettings stored(host.settings);
        const char* edges[] = {"None", "Left", "Top", "Right", "Bottom"};
        const QString kept = QStringLiteral("%1/%2").arg(edges[stored.ReadScreenEdge()]).arg(stored.ReadUiState());
        return kept == place ? QString() : QStringLiteral("stored %1%2, panel %3").arg(kept, when, place);
    }
};
} // namespace

class tst_RandomEvents : public QObject
{
    Q_OBJECT

    ManualAnimationDriver driver;
    QTimer modalCloser;

private slots:
    void initTestCase()
    {
        SidebarTest::UseSidebarStyleSheet();
        // Spend the first-panel fix-up of the process, so every sequence starts alike.
        HostFixture(Registration::BuiltOnDemand).ResolveLauncher();
        driver.install();
        connect(&modalCloser, &QTimer::timeout, this,
                []
                {
                    if (QWidget* modal = QApplication::activeModalWidget())
                        modal->close();
                });
        modalCloser.start(0);
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void randomSequences_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        const int count = qEnvironmentVariableIntValue("ORB_RANDOM_SEQUENCES");
        QTest::newRow("random") << qMax(1, qEnvironmentVariableIntValue("ORB_RANDOM_SEED_BASE"))
                                << (count > 0 ? count : 1000);
        // Found by the random row; the panel's docking faults at the time.
        QTest::newRow("drag during state animation undone, then wrong edge") << 1 << 1;
        QTest::newRow("compacted on bottom edge at the wrong minimum height") << 3 << 1;
        QTest::newRow("drag to top undone by animation") << 21 << 1;
        QTest::newRow("drag to bottom undone by compact animation") << 24 << 1;
        QTest::newRow("drag to right undone by animation") << 45 << 1;
    }

    void randomSequences()
    {
        QFETCH(int, first);
        QFETCH(int, count);
        QStringList failures;
        for (quint32 seed = quint32(first); seed < quint32(first + count); ++seed)
        {
            Zarvo::Host::CallRecord::Clear();
            const QString failure = Sequence(seed, driver).Run();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (!failure.isEmpty())
            {
                failures << QString::number(seed);
                std::printf("seed %u: %s\n", seed, qPrintable(failure));
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable("failing seeds: " + failures.join(' ')));
    }
};

QTEST_MAIN(tst_RandomEvents)
#include "tst_randomevents.moc"
