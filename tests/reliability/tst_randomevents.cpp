// Seeded random event sequences on a shown panel and the controller around it. After every
// event the panel is where it may be and the host's paired calls are balanced. A failing seed
// is printed with its events; keep it as a row of regressionSeeds.
//
// ORB_RANDOM_SEQUENCES sets how many sequences run (default 1000), ORB_RANDOM_SEED_BASE the
// first seed (default 1), to explore other seeds; ORB_RANDOM_TRACE prints every event.

#include "common/HostFixture.h"
#include "common/PanelInvariants.h"
#include "common/SidebarTestFixture.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/UI/Sidebar/SidebarSettings.h"

#include <QAbstractEventDispatcher>
#include <QAnimationDriver>
#include <QPushButton>
#include <QTimerEvent>
#include <QtTest>

#include <cstdio>
#include <random>

using namespace LauncherTest;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::ActivationContext;
namespace UI = Zarvo::Orb::Module::Launcher::UI;

namespace
{
const int kEvents = 50;
const int kAnimationMs = 150;

// Animations advance only when the test says so.
class ManualAnimationDriver : public QAnimationDriver
{
public:
    qint64 elapsed() const override { return now - startedAt; }
    void Step(int ms)
    {
        // Animations start and stop through chains of queued calls.
        for (int round = 0; round < 4; ++round)
            QCoreApplication::processEvents();
        now += ms;
        advance();
    }

protected:
    void start() override
    {
        startedAt = now;
        QAnimationDriver::start();
    }

private:
    qint64 now = 0;
    qint64 startedAt = 0;
};

QString EdgeName(UI::ScreenEdge edge)
{
    const char* names[] = {"None", "Left", "Top", "Right", "Bottom"};
    return QLatin1String(names[edge]);
}

int EnvironmentInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

class Sequence
{
public:
    Sequence(quint32 seed, ManualAnimationDriver& driver)
        : random(seed)
        , driver(driver)
        , host(Registration::SingleInstances)
    {
    }

    // Empty when every event kept the invariants; otherwise the events up to the failure.
    QString Run()
    {
        launcher = host.ResolveLauncher();
        launcher.module->SetHandler(&handler);
        guard = host.Resolve<Zarvo::Orb::GlobalHotkeyGuard>();
        blocker = host.Resolve<Zarvo::Orb::UI::CaptureTrayIconBlocker>();
        hotkeys = host.Resolve<Zarvo::Orb::HotkeySettings>();
        panel = launcher.sidebar;
        launcher.module->Activate();
        active = true;
        StartedAnimation();

        QString failure;
        for (int index = 0; index < kEvents && failure.isEmpty(); ++index)
        {
            RandomEvent();
            if (trace)
                qInfo() << events.last() << panel->geometry() << panel->GetUiState() << panel->isVisible();
            failure = Check();
        }
        if (failure.isEmpty())
            failure = CheckStoredAfterDestruction();
        return failure.isEmpty() ? QString() : events.join(QLatin1String(", ")) + QLatin1String("\n  -> ") + failure;
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    void StartedAnimation() { sinceAnimation = 0; }
    void Step(int ms)
    {
        driver.Step(ms);
        sinceAnimation += ms;
    }

    QWidget* WidgetAt(const QPoint& global)
    {
        QWidget* child = panel->childAt(panel->mapFromGlobal(global));
        return child ? child : panel.data();
    }

    QPushButton* Button(const char* name) { return panel->findChild<QPushButton*>(QLatin1String(name)); }

    // False when the button was not there to click.
    bool Click(QPushButton* button, const QString& name)
    {
        events << QLatin1String("click ") + name;
        if (!button || !button->isVisible())
            return false;
        button->click();
        StartedAnimation();
        return true;
    }

    void Mouse(QEvent::Type type, const QPoint& global, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        SidebarTest::SendMouse(pressTarget ? pressTarget.data() : panel.data(), type, global, button, buttons);
    }

    void RandomEvent()
    {
        const QRect geometry = panel->geometry();
        switch (Pick(16))
        {
        case 0:
        case 1:
        {
            last = QPoint(Between(geometry.left(), geometry.right()), Between(geometry.top(), geometry.bottom()));
            const bool left = Pick(4) != 0;
            events << QStringLiteral("%1 press at %2,%3").arg(left ? "left" : "right").arg(last.x()).arg(last.y());
            pressTarget = WidgetAt(last);
            const Qt::MouseButton button = left ? Qt::LeftButton : Qt::RightButton;
            Mouse(QEvent::MouseButtonPress, last, button, button);
            leftHeld = left;
            break;
        }
        case 2:
        case 3:
        {
            last = Pick(2) ? last + QPoint(Between(-10, 10), Between(-10, 10))
                           : QPoint(Between(-100, 900), Between(-100, 700));
            events << QStringLiteral("move to %1,%2").arg(last.x()).arg(last.y());
            Mouse(QEvent::MouseMove, last, Qt::NoButton, leftHeld ? Qt::LeftButton : Qt::NoButton);
            dragPossible = dragPossible || leftHeld;
            break;
        }
        case 4:
            events << QStringLiteral("release at %1,%2").arg(last.x()).arg(last.y());
            Mouse(QEvent::MouseButtonRelease, last, Qt::LeftButton, Qt::NoButton);
            pressTarget = nullptr;
            leftHeld = false;
            dragPossible = false;
            StartedAnimation();
            break;
        case 5:
            // The release happens outside every window of the application.
            events << QStringLiteral("lost release");
            pressTarget = nullptr;
            leftHeld = false;
            break;
        case 6:
            events << QStringLiteral("watch tick");
            for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(panel))
            {
                QTimerEvent tick(timer.timerId);
                QCoreApplication::sendEvent(panel, &tick);
            }
            // No button is held as far as the application knows.
            dragPossible = false;
            break;
        case 7:
        {
            const int ms = Between(1, 2 * kAnimationMs);
            events << QStringLiteral("advance %1 ms").arg(ms);
            Step(ms);
            break;
        }
        case 8:
            switch (Pick(4))
            {
            case 0:
                if (!Click(Button("closeButton"), QStringLiteral("close")))
                    return;
                break;
            case 1:
                events << QStringLiteral("show active window");
                dynamic_cast<Zarvo::Orb::IShowActiveWindow&>(*launcher.module).ShowActiveWindow();
                StartedAnimation();
                break;
            default:
            {
                const int state = Pick(3);
                events << QStringLiteral("set state %1").arg(state);
                panel->SetUiState(static_cast<UI::SidebarUiState>(state));
                StartedAnimation();
                break;
            }
            }
            CheckStoredState();
            break;
        case 9:
            if (Click(Button("tailButton"), QStringLiteral("tail")))
                CheckStoredState();
            break;
        case 10:
        {
            // A drag to a point near one edge of the screen.
            const QRect area = PanelInvariants::AvailableArea();
            const QPoint targets[] = {{area.left() + 2, Between(0, area.bottom())},
                                      {area.right() - 2, Between(0, area.bottom())},
                                      {Between(0, area.right()), area.top() + 2},
                                      {Between(0, area.right()), area.bottom() - 2}};
            const QPoint target = targets[Pick(4)];
            events << QStringLiteral("drag to %1,%2").arg(target.x()).arg(target.y());
            pressTarget = panel.data();
            const QPoint from = panel->geometry().center();
            SidebarTest::PressAndMove(panel, from, target);
            SidebarTest::Release(panel, target);
            pressTarget = nullptr;
            leftHeld = false;
            dragPossible = false;
            last = target;
            break;
        }
        case 11:
        {
            const auto features = panel->findChildren<QPushButton*>(QRegularExpression("FeatureButton$"));
            if (!features.isEmpty())
            {
                QPushButton* button = features.at(Pick(features.size()));
                Click(button, button->objectName());
            }
            break;
        }
        case 12:
            // Any modal window is closed by the test's closer once it shows.
            if (Pick(2))
                Click(Button(Pick(2) ? "plusButton" : "triangleButton"), QStringLiteral("customization dialog"));
            else
            {
                events << QStringLiteral("feature request");
                emit panel->AddFeaturesRequest();
            }
            break;
        case 13:
        {
            const char* texts[] = {"Ctrl+Shift+S", "Alt+1", "", "Ctrl+F5"};
            const char* text = texts[Pick(4)];
            events << QStringLiteral("screenshot hotkey '%1'").arg(text);
            hotkeys->SetGlobalHotkeyTakeScreenshot(text);
            break;
        }
        case 14:
            if (active)
            {
                events << QStringLiteral("deactivate");
                launcher.module->Deactivate();
            }
            else
            {
                const int mode = Pick(2);
                events << QStringLiteral("activate %1").arg(mode);
                launcher.module->Activate(ActivationContext(mode));
                StartedAnimation();
            }
            active = !active;
            break;
        default:
            events << QStringLiteral("settle");
            Step(kAnimationMs + 10);
            break;
        }
    }

    QString Check()
    {
        if (!panel)
            return QStringLiteral("panel destroyed");
        QString failure = PanelInvariants::StyleMismatch(*panel);
        if (failure.isEmpty() && panel->isVisible() && !dragPossible)
        {
            failure = PanelInvariants::OutsideArea(*panel);
            if (failure.isEmpty() && sinceAnimation > kAnimationMs)
                failure = PanelInvariants::NotDocked(*panel);
        }
        if (failure.isEmpty() && (guard->LockDepth() != 0 || blocker->BlockDepth() != 0))
            failure = QStringLiteral("hotkey guard depth %1, tray blocker depth %2 with no dialog open")
                          .arg(guard->LockDepth())
                          .arg(blocker->BlockDepth());
        if (failure.isEmpty())
            failure = storedStateFailure;
        return failure;
    }

    // Called after the events that save the settings.
    void CheckStoredState()
    {
        const UI::SidebarSettings stored(host.settings);
        const QString edge = panel->property("Edge").toString();
        if (stored.ReadUiState() != panel->GetUiState() || EdgeName(stored.ReadScreenEdge()) != edge)
            storedStateFailure = QStringLiteral("stored %1/%2, panel %3/%4")
                                     .arg(EdgeName(stored.ReadScreenEdge()))
                                     .arg(stored.ReadUiState())
                                     .arg(edge)
                                     .arg(panel->GetUiState());
    }

    QString CheckStoredAfterDestruction()
    {
        const UI::SidebarUiState state = panel->GetUiState();
        const QString edge = panel->property("Edge").toString();
        launcher = {};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (panel)
            return QStringLiteral("panel outlived its controller");
        const UI::SidebarSettings stored(host.settings);
        if (stored.ReadUiState() != state || EdgeName(stored.ReadScreenEdge()) != edge)
            return QStringLiteral("stored %1/%2 after destruction, panel was %3/%4")
                .arg(EdgeName(stored.ReadScreenEdge()))
                .arg(stored.ReadUiState())
                .arg(edge)
                .arg(state);
        return QString();
    }

    std::mt19937 random;
    ManualAnimationDriver& driver;
    HostFixture host;
    ResolvedLauncher launcher;
    RecordingHandler handler;
    std::shared_ptr<Zarvo::Orb::GlobalHotkeyGuard> guard;
    std::shared_ptr<Zarvo::Orb::UI::CaptureTrayIconBlocker> blocker;
    std::shared_ptr<Zarvo::Orb::HotkeySettings> hotkeys;
    QPointer<UI::Sidebar> panel;
    QPointer<QWidget> pressTarget;
    QStringList events;
    QString storedStateFailure;
    QPoint last;
    bool leftHeld = false;
    bool dragPossible = false;
    bool active = false;
    int sinceAnimation = 0;
    const bool trace = qEnvironmentVariableIsSet("ORB_RANDOM_TRACE");
};
} // namespace

class tst_RandomEvents : public QObject
{
    Q_OBJECT

    ManualAnimationDriver driver;
    QTimer modalCloser;

    QString RunSeed(quint32 seed)
    {
        CallRecord::Clear();
        const QString failure = Sequence(seed, driver).Run();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return failure;
    }

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
    void cleanupTestCase() { driver.uninstall(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void regressionSeeds_data()
    {
        QTest::addColumn<quint32>("seed");
        // Found by randomSequences; the panel's docking faults at the time.
        QTest::newRow("drag during state animation undone, then wrong edge") << quint32(1);
        QTest::newRow("compacted on bottom edge at the wrong minimum height") << quint32(3);
        QTest::newRow("drag to top undone by animation") << quint32(21);
        QTest::newRow("drag to bottom undone by compact animation") << quint32(24);
        QTest::newRow("drag to right undone by animation") << quint32(45);
    }

    void regressionSeeds()
    {
        QFETCH(quint32, seed);
        const QString failure = RunSeed(seed);
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure)));
    }

    void randomSequences()
    {
        const int count = EnvironmentInt("ORB_RANDOM_SEQUENCES", 1000);
        const quint32 base = quint32(EnvironmentInt("ORB_RANDOM_SEED_BASE", 1));
        QStringList failures;
        for (quint32 seed = base; seed < base + quint32(count); ++seed)
        {
            const QString failure = RunSeed(seed);
            if (!failure.isEmpty())
            {
                failures << QString::number(seed);
                std::printf("seed %u: %s\n", seed, qPrintable(failure));
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 of %2 sequences failed, seeds %3")
                                                    .arg(failures.size())
                                                    .arg(count)
                                                    .arg(failures.join(' '))));
    }
};

QTEST_MAIN(tst_RandomEvents)
#include "tst_randomevents.moc"
