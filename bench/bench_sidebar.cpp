// What the launcher panel costs beside bare Qt doing the same widget work (BarePanel), both in
// this process, run alternately inside every iteration and timed apart with the thread's CPU
// clock and the wall clock. Before timing, each operation is checked to leave both windows in
// the same geometry, properties, tooltips and accessible texts. The ratios printed at the end are the figures;
// under valgrind --tool=callgrind each side of each iteration is also dumped on its own (see
// bench/callgrind-ratios.sh).

#include "BarePanel.h"

#include "Hypodermic/ContainerBuilder.h"
#include "Module/Launcher/FeatureFactory.h"
#include "Module/Launcher/IHandler.h"
#include "Module/Launcher/IModule.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/CommonActions.h"
#include "StandIns/HostRegistration.h"
#include "StandIns/StandIns.h"

#include <QAnimationDriver>
#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QImageReader>
#include <QLibrary>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include <ctime>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>

namespace
{
using namespace Zarvo::Orb::Module::Launcher;
using UI::Sidebar;
using UI::SidebarUiState;

const char* const kSheetNames[] = {"demo", "24 blocks", "240 blocks", "2400 blocks", "demo, PNG icons"};
const int kGeneratedBlocks[] = {0, 24, 240, 2400, 0};
// The demo sheet with its SVG icons pre-rendered to PNG: what a host can do about the icons that
// Qt otherwise parses again at every polish to learn their size.
const int kPngSheet = 4;

// The demo's sizes, so that every sheet docks the panel the same way.
const char* const kSizeBlock = R"(Zarvo--Orb--Module--Launcher--UI--Sidebar {
    min-width: 1px; min-height: 1px;
    qproperty-verticalLauncherMaximumWidth: 64; qproperty-verticalLauncherMaximumHeight: 252;
    qproperty-verticalLauncherMinimumWidth: 22; qproperty-verticalLauncherMinimumHeight: 110;
    qproperty-horizontalLauncherMaximumWidth: 252; qproperty-horizontalLauncherMaximumHeight: 64;
    qproperty-horizontalLauncherMinimumWidth: 110; qproperty-horizontalLauncherMinimumHeight: 22;
}
)";

// Blocks keyed onto the panel's own type, object names and values, in four selector shapes.
QString GeneratedSheet(int blocks)
{
    static const char* const names[] = {"mainFrame",
                                        "tailAndBodyFrame",
                                        "tailButtonFrame",
                                        "bodyFrame",
                                        "bodyContentFrame",
                                        "smallButtonsFrame",
                                        "mainFeatureFrame",
                                        "additionalFeatureFrame",
                                        "additionalFeatureStack",
                                        "tailButton",
                                        "settingsButton",
                                        "closeButton",
                                        "plusButton",
                                        "triangleButton",
                                        "screenshottingFeatureButton",
                                        "capturingFeatureButton",
                                        "webcamCapturingFeatureButton",
                                        "audioCapturingFeatureButton"};
    static const char* const edges[] = {"Left", "Top", "Right", "Bottom"};
    static const char* const states[] = {"Maximized", "Compacted"};
    const QString type = QStringLiteral("Zarvo--Orb--Module--Launcher--UI--Sidebar");
    QString sheet = QString::fromLatin1(kSizeBlock);
    for (int i = 1; i < blocks; ++i)
    {
        const QString name = QLatin1String(names[i % 18]);
        const QString edge = QLatin1String(edges[(i / 18) % 4]);
        const QString state = QLatin1String(states[(i / 72) % 2]);
        QString selector;
        switch ((i / 144) % 4)
        {
        case 0:
            selector = QStringLiteral("%1 #mainFrame #%2[Edge=\"%3\"][State=\"%4\"]").arg(type, name, edge, state);
            break;
        case 1:
            selector = QStringLiteral("%1 #%2[Edge=\"%3\"]").arg(type, name, edge);
            break;
        case 2:
            selector = QStringLiteral("%1 #%2[State=\"%3\"]:hover").arg(type, name, state);
            break;
        default:
            selector = QStringLiteral("#%1[Edge=\"%2\"][State=\"%3\"]").arg(name, edge, state);
            break;
        }
        sheet += QStringLiteral("%1 { background-color: #%2; border: 1px solid #%3; border-radius: 3px; }\n")
                     .arg(selector)
                     .arg(0x101010 + i * 37 % 0xEFEFEF, 6, 16, QLatin1Char('0'))
                     .arg(0x202020 + i * 91 % 0xDFDFDF, 6, 16, QLatin1Char('0'));
    }
    return sheet;
}

QString DemoSheet()
{
    QFile file(QStringLiteral(ORB_BENCH_DEMO_SHEET));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QString WithPngIcons(QString sheet)
{
    static QTemporaryDir folder;
    const QRegularExpression svg(QStringLiteral("url\\(:/icons/([\\w-]+)\\.svg\\)"));
    for (auto match = svg.globalMatch(sheet); match.hasNext();)
    {
        const QString name = match.next().captured(1);
        const QString png = folder.filePath(name + QStringLiteral(".png"));
        if (!QFile::exists(png))
        {
            QImageReader(QStringLiteral(":/icons/%1.svg").arg(name)).read().save(png);
        }
    }
    return sheet.replace(svg, QStringLiteral("url(%1/\\1.png)").arg(folder.path()));
}

void UseSheet(int index)
{
    static int current = -1;
    if (index == current)
    {
        return;
    }
    current = index;
    if (index == kPngSheet)
    {
        qApp->setStyleSheet(WithPngIcons(DemoSheet()));
    }
    else if (kGeneratedBlocks[index] == 0)
    {
        qApp->setStyleSheet(DemoSheet());
    }
    else
    {
        qApp->setStyleSheet(GeneratedSheet(kGeneratedBlocks[index]));
    }
}

// Animations advance only when told, so a state change runs to its end without waiting.
class SteppedAnimationDriver : public QAnimationDriver
{
public:
    qint64 elapsed() const override { return now; }
    // Qt starts an animation's timers through queued calls, and the animation takes its start
    // time at its first tick: three rounds take any animation started before to its end.
    void Finish()
    {
        for (int round = 0; round < 3; ++round)
        {
            QCoreApplication::sendPostedEvents();
            now += 1000;
            advance();
        }
    }

private:
    qint64 now = 0;
};
SteppedAnimationDriver* animationDriver = nullptr;

double ThreadCpuSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
}

double WallSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
}

// Times one side of an iteration; under callgrind it also dumps that side's instructions.
struct SideTimes
{
    double cpu = 0;
    double wall = 0;

    template <class Work> void Run(const std::string& label, const Work& work)
    {
        CALLGRIND_ZERO_STATS;
        const double cpuStart = ThreadCpuSeconds();
        const double wallStart = WallSeconds();
        work();
        cpu += ThreadCpuSeconds() - cpuStart;
        wall += WallSeconds() - wallStart;
        CALLGRIND_DUMP_STATS_AT(label.c_str());
    }
};

void Render(QWidget* window)
{
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(window->grab());
}

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, target->mapFromGlobal(global), global, Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// What the widgets look like to a user, by object name: geometry, visibility, values, tooltip.
QStringList Snapshot(QWidget* window)
{
    QStringList lines{QStringLiteral("window %1,%2 %3x%4")
                          .arg(window->x())
                          .arg(window->y())
                          .arg(window->width())
                          .arg(window->height())};
    for (QWidget* widget : QList<QWidget*>{window} + window->findChildren<QWidget*>())
    {
        // Where a hidden widget would be is no part of the look.
        const bool shown = widget->isVisibleTo(window);
        const QRect r = shown ? QRect(widget->mapTo(window, QPoint()), widget->size()) : QRect();
        lines << QStringLiteral("%1 %2,%3 %4x%5 %6 %7 %8 %9 [%10] [%11]")
                     .arg(widget->objectName())
                     .arg(r.x())
                     .arg(r.y())
                     .arg(r.width())
                     .arg(r.height())
                     .arg(shown ? QStringLiteral("shown") : QStringLiteral("hidden"))
                     .arg(widget->property("Edge").toString(), widget->property("State").toString(), widget->toolTip(),
                          widget->accessibleName(), widget->accessibleDescription());
    }
    lines.sort();
    return lines;
}

bool SameLook(benchmark::State& state, QWidget* panel, QWidget* bare)
{
    const QStringList a = Snapshot(panel);
    const QStringList b = Snapshot(bare);
    if (a == b)
    {
        return true;
    }
    for (int i = 0; i < qMax(a.size(), b.size()); ++i)
    {
        if (a.value(i) != b.value(i))
        {
            state.SkipWithError(
                qPrintable(QStringLiteral("panel and bare differ: [%1] vs [%2]").arg(a.value(i), b.value(i))));
            break;
        }
    }
    return false;
}

const QPoint kRightPosition(800 - 64, 150);

struct Host
{
    std::shared_ptr<Zarvo::Host::InMemoryApplicationSettingsManager> settings =
        std::make_shared<Zarvo::Host::InMemoryApplicationSettingsManager>();
    std::shared_ptr<Zarvo::Host::CustomizationManager> customization =
        std::make_shared<Zarvo::Host::CustomizationManager>();
    std::shared_ptr<Zarvo::Host::LinksOpener> links = std::make_shared<Zarvo::Host::LinksOpener>();
    std::shared_ptr<Zarvo::Orb::UI::ActionsController::ActionsController> actions;

    Host()
    {
        actions = std::make_shared<Zarvo::Orb::UI::ActionsController::ActionsController>(
            customization, std::make_shared<Zarvo::Host::StatisticsManager>());
        actions->CreateActions(Zarvo::Orb::UI::Action::GetCommonActionParameters());
    }

    // The panel as the controller sets it up and first shows it: by default on the right,
    // expanded, audio recording in the additional slot.
    std::unique_ptr<Sidebar> MakeShownPanel(int edge = 3, QPoint at = kRightPosition, bool compacted = false) const
    {
        settings->SetInt("Orb/Sidebar/sidebar_screen_edge", edge);
        settings->SetInt("Orb/Sidebar/sidebar_ui_state", compacted ? 1 : 0);
        settings->SetString("Orb/Sidebar/sidebar_additional_feature_id", "audioCapturing");
        QByteArray position;
        QDataStream stream(&position, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_11);
        stream << qint32(at.x()) << qint32(at.y());
        settings->SetBytes("Orb/Sidebar/sidebar_position", std::vector<uint8_t>(position.begin(), position.end()));
        auto panel = std::make_unique<Sidebar>(actions, settings, customization, links, nullptr);
        for (const auto* id : {"capturing", "audioCapturing", "webcamCapturing", "screenshotting"})
        {
            panel->SetFeatureHotkeyById(QLatin1String(id), QStringLiteral("Ctrl+Shift+R"));
        }
        FeatureFactory features(nullptr);
        panel->SetMainFeatures({features.GetScreenshottingFeature(), features.GetCapturingFeature()});
        panel->SetAdditionalFeatures({features.GetWebcamCapturingFeature(), features.GetAudioCapturingFeature()});
        panel->SetUiState(compacted ? SidebarUiState::Compacted : SidebarUiState::Maximized);
        return panel;
    }
};

// Tooltip, accessible name and accessible description of every widget that has any.
Bench::Texts WidgetTexts(QWidget* window)
{
    Bench::Texts texts;
    for (QWidget* widget : window->findChildren<QWidget*>())
    {
        const QStringList three{widget->toolTip(), widget->accessibleName(), widget->accessibleDescription()};
        if (three.join(QString()).size() > 0)
        {
            texts.insert(widget->objectName(), three);
        }
    }
    return texts;
}

std::unique_ptr<Bench::BarePanel> MakeShownBare(const Bench::Texts& texts, const QRect& geometry)
{
    auto bare = std::make_unique<Bench::BarePanel>(
        3, false, QStringList{QStringLiteral("screenshotting"), QStringLiteral("capturing")},
        QStringList{QStringLiteral("webcamCapturing"), QStringLiteral("audioCapturing")},
        QStringLiteral("audioCapturing"), texts);
    bare->Show(geometry);
    return bare;
}

void Drain()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string Label(const char* side, const benchmark::State& state, const char* op)
{
    return std::string(side) + ' ' + op + ' ' + kSheetNames[state.range(0)];
}

void Report(benchmark::State& state, const SideTimes& panel, const SideTimes& bare)
{
    using benchmark::Counter;
    state.counters["panel_cpu_us"] = Counter(panel.cpu * 1e6, Counter::kAvgIterations);
    state.counters["bare_cpu_us"] = Counter(bare.cpu * 1e6, Counter::kAvgIterations);
    state.counters["panel_wall_us"] = Counter(panel.wall * 1e6, Counter::kAvgIterations);
    state.counters["bare_wall_us"] = Counter(bare.wall * 1e6, Counter::kAvgIterations);
    state.SetLabel(kSheetNames[state.range(0)]);
}

// Alternates which side goes first, so neither always finds the caches warmed by the other.
template <class PanelWork, class BareWork>
void Interleave(benchmark::State& state, const char* op, SideTimes& panel, SideTimes& bare, const PanelWork& panelWork,
                const BareWork& bareWork)
{
    const std::string panelLabel = Label("panel", state, op);
    const std::string bareLabel = Label("bare", state, op);
    bool panelFirst = true;
    for (auto _ : state)
    {
        if (panelFirst)
        {
            panel.Run(panelLabel, panelWork);
            bare.Run(bareLabel, bareWork);
        }
        else
        {
            bare.Run(bareLabel, bareWork);
            panel.Run(panelLabel, panelWork);
        }
        panelFirst = !panelFirst;
    }
}

void BM_Construct(benchmark::State& state)
{
    UseSheet(int(state.range(0)));
    Host host;
    auto reference = host.MakeShownPanel();
    Render(reference.get());
    const Bench::Texts texts = WidgetTexts(reference.get());
    const QRect docked = reference->geometry();
    {
        auto bare = MakeShownBare(texts, docked);
        Render(bare->Window());
        if (!SameLook(state, reference.get(), bare->Window()))
        {
            return;
        }
    }
    reference.reset();
    Drain();

    SideTimes panelTimes;
    SideTimes bareTimes;
    std::unique_ptr<Sidebar> panel;
    std::unique_ptr<Bench::BarePanel> bare;
    Interleave(
        state, "construct", panelTimes, bareTimes,
        [&]
        {
            panel.reset();
            Drain();
            panel = host.MakeShownPanel();
            Render(panel.get());
        },
        [&]
        {
            bare.reset();
            Drain();
            bare = MakeShownBare(texts, docked);
            Render(bare->Window());
        });
    Report(state, panelTimes, bareTimes);
}

// A drag from the right edge to the left one and back, with snap, relayout and render.
void BM_EdgeChange(benchmark::State& state)
{
    UseSheet(int(state.range(0)));
    Host host;
    auto panel = host.MakeShownPanel();
    Render(panel.get());
    auto bare = MakeShownBare(WidgetTexts(panel.get()), panel->geometry());
    Render(bare->Window());

    bool toLeft = true;
    QRect docked[2];
    const auto dragPanel = [&]
    {
        const QPoint grab = panel->geometry().center();
        const QPoint drop(toLeft ? 100 : 700, grab.y());
        SendMouse(panel.get(), QEvent::MouseButtonPress, grab, Qt::LeftButton);
        SendMouse(panel.get(), QEvent::MouseMove, drop, Qt::LeftButton);
        SendMouse(panel.get(), QEvent::MouseButtonRelease, drop, Qt::NoButton);
        Render(panel.get());
    };
    const auto dragBare = [&]
    {
        QRect dropped = bare->Window()->geometry();
        dropped.moveCenter(QPoint(toLeft ? 100 : 700, dropped.center().y()));
        bare->ChangeEdge(toLeft ? 1 : 3, dropped, docked[toLeft ? 0 : 1]);
        Render(bare->Window());
    };
    for (int round = 0; round < 2; ++round)
    {
        dragPanel();
        docked[toLeft ? 0 : 1] = panel->geometry();
        dragBare();
        // A style change must look like a panel made on that edge.
        Host other;
        auto fresh = other.MakeShownPanel(toLeft ? 1 : 3, panel->pos());
        Render(fresh.get());
        if (!SameLook(state, panel.get(), bare->Window()) || !SameLook(state, panel.get(), fresh.get()))
        {
            return;
        }
        toLeft = !toLeft;
    }

    SideTimes panelTimes;
    SideTimes bareTimes;
    bool panelMoved = false;
    bool bareMoved = false;
    // Each side flips its own edge once per iteration.
    Interleave(
        state, "edge", panelTimes, bareTimes,
        [&]
        {
            toLeft = !panelMoved;
            dragPanel();
            panelMoved = !panelMoved;
        },
        [&]
        {
            toLeft = !bareMoved;
            dragBare();
            bareMoved = !bareMoved;
        });
    Report(state, panelTimes, bareTimes);
}

// Compact and expand in turn with the tail button, the geometry animation driven to its end,
// then render.
void BM_StateChange(benchmark::State& state)
{
    UseSheet(int(state.range(0)));
    Host host;
    auto panel = host.MakeShownPanel();
    Render(panel.get());
    auto bare = MakeShownBare(WidgetTexts(panel.get()), panel->geometry());
    Render(bare->Window());

    QRect targets[2];
    // As a user does it, on both: a click on the tail button.
    const auto clickTail = [](QWidget* window)
    {
        auto* tail = window->findChild<QPushButton*>(QStringLiteral("tailButton"));
        const QPoint at = tail->mapToGlobal(tail->rect().center());
        SendMouse(tail, QEvent::MouseButtonPress, at, Qt::LeftButton);
        SendMouse(tail, QEvent::MouseButtonRelease, at, Qt::NoButton);
        animationDriver->Finish();
        Render(window);
    };
    bool bareCompacted = false;
    QObject::connect(bare->Window()->findChild<QPushButton*>(QStringLiteral("tailButton")), &QPushButton::clicked,
                     [&]
                     {
                         bareCompacted = !bareCompacted;
                         bare->ChangeState(bareCompacted, targets[bareCompacted ? 1 : 0]);
                     });
    targets[0] = panel->geometry();
    for (const bool compacted : {true, false})
    {
        clickTail(panel.get());
        targets[compacted ? 1 : 0] = panel->geometry();
        clickTail(bare->Window());
        // Back expanded, it must look like a panel made expanded.
        Host other;
        auto fresh = compacted ? nullptr : other.MakeShownPanel(3, panel->pos());
        if (fresh)
        {
            Render(fresh.get());
        }
        if (!SameLook(state, panel.get(), bare->Window()) || (fresh && !SameLook(state, panel.get(), fresh.get())))
        {
            return;
        }
    }

    SideTimes panelTimes;
    SideTimes bareTimes;
    Interleave(
        state, "state", panelTimes, bareTimes, [&] { clickTail(panel.get()); }, [&] { clickTail(bare->Window()); });
    Report(state, panelTimes, bareTimes);
}

// A new hotkey for one feature: bare Qt composes that one tooltip from the translated text and
// the hotkey, as the panel does, and sets it.
void BM_HotkeyChange(benchmark::State& state)
{
    UseSheet(int(state.range(0)));
    Host host;
    auto panel = host.MakeShownPanel();
    auto bare = MakeShownBare(WidgetTexts(panel.get()), panel->geometry());
    const QString name = QStringLiteral("capturingFeatureButton");
    const QString hotkeys[] = {QStringLiteral("Ctrl+F9"), QStringLiteral("Ctrl+F10")};
    const auto setBare = [&](const QString& hotkey)
    {
        bare->SetToolTip(
            name, QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("Sidebar", "Capturing tooltip"), hotkey));
    };
    panel->SetFeatureHotkeyById(QStringLiteral("capturing"), hotkeys[0]);
    setBare(hotkeys[0]);
    if (!SameLook(state, panel.get(), bare->Window()))
    {
        return;
    }

    SideTimes panelTimes;
    SideTimes bareTimes;
    int panelTurn = 0;
    int bareTurn = 0;
    Interleave(
        state, "hotkey", panelTimes, bareTimes,
        [&] { panel->SetFeatureHotkeyById(QStringLiteral("capturing"), hotkeys[++panelTurn % 2]); },
        [&] { setBare(hotkeys[++bareTurn % 2]); });
    Report(state, panelTimes, bareTimes);
}

class Handler : public IHandler
{
public:
    void HandleAction(const std::string&) override {}
    void Quit() override {}
    void StartAudioRecord() override {}
    void StartWebCameraRecord() override {}
    void StartRecord() override {}
    void OpenLibraryFiles() override {}
    void TakeScreenshot() override {}
    void ShowSchedulerPreferences(bool) override {}
};

// The host's whole path: the module loaded from its library registers into a fresh container,
// is resolved, given its handler and activated, and its panel rendered. Bare Qt builds, shows
// and renders its panel.
void BM_RegisterAndActivate(benchmark::State& state)
{
    UseSheet(int(state.range(0)));
    QLibrary library(QStringLiteral(ORB_MODULE_LIBRARY_PATH));
    using Entry = void (*)(Hypodermic::ContainerBuilder*);
    const auto entry = reinterpret_cast<Entry>(library.resolve("OrbModuleLauncher_RegisterModuleIoC"));
    if (!entry)
    {
        state.SkipWithError(qPrintable(library.errorString()));
        return;
    }
    Handler handler;
    Host host;
    Bench::Texts texts;
    QRect docked;
    {
        auto reference = host.MakeShownPanel();
        texts = WidgetTexts(reference.get());
        docked = reference->geometry();
    }
    Drain();

    SideTimes panelTimes;
    SideTimes bareTimes;
    std::shared_ptr<Hypodermic::Container> container;
    std::shared_ptr<Zarvo::Orb::Module::IModule> module;
    std::unique_ptr<Bench::BarePanel> bare;
    const auto dropModule = [&]
    {
        if (module)
        {
            module->Deactivate();
        }
        module.reset();
        container.reset();
        Drain();
    };
    Interleave(
        state, "activate", panelTimes, bareTimes,
        [&]
        {
            dropModule();
            Hypodermic::ContainerBuilder builder;
            Zarvo::Host::HostServices services;
            // What the panel stored at the last start, as on every start but the first.
            services.settings = host.settings;
            Zarvo::Host::RegisterHost(builder, services, Zarvo::Host::HostClasses::SingleInstances);
            entry(&builder);
            container = builder.build();
            module = container->resolveNamed<Zarvo::Orb::Module::IModule>(typeid(IModule).name());
            module->SetHandler(&handler);
            module->Activate();
            for (QWidget* window : QApplication::topLevelWidgets())
            {
                if (window->objectName() == QLatin1String("Sidebar") && window->isVisible())
                {
                    Render(window);
                }
            }
        },
        [&]
        {
            bare.reset();
            Drain();
            bare = MakeShownBare(texts, docked);
            Render(bare->Window());
        });
    dropModule();
    Report(state, panelTimes, bareTimes);
}

// Fixed iterations (ORB_BENCH_ITERATIONS) keep runs under callgrind short and comparable.
void Configure(benchmark::internal::Benchmark* benchmark, int sheets)
{
    benchmark->Unit(benchmark::kMicrosecond)->ArgName("sheet");
    for (int sheet = 0; sheet < sheets; ++sheet)
    {
        benchmark->Arg(sheet);
    }
    if (const int iterations = qEnvironmentVariableIntValue("ORB_BENCH_ITERATIONS"))
    {
        benchmark->Iterations(iterations);
    }
}

// The usual table, then each operation's panel cost as a multiple of bare Qt.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs)
        {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
            {
                rows.push_back({run.benchmark_name(), run.report_label, run.counters});
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::cout << "\nPanel as a multiple of bare Qt doing the same widget work (interleaved):\n"
                  << std::left << std::setw(26) << "operation" << std::setw(17) << "sheet" << std::right
                  << std::setw(10) << "CPU" << std::setw(10) << "wall" << std::setw(14) << "panel us" << std::setw(14)
                  << "bare us" << '\n';
        std::map<std::string, double> construct;
        for (const auto& row : rows)
        {
            const double panelCpu = row.counters.at("panel_cpu_us");
            const double bareCpu = row.counters.at("bare_cpu_us");
            const double panelWall = row.counters.at("panel_wall_us");
            const double bareWall = row.counters.at("bare_wall_us");
            std::cout << std::left << std::setw(26) << row.name.substr(0, row.name.find('/')) << std::setw(17)
                      << row.label << std::right << std::fixed << std::setprecision(2) << std::setw(9)
                      << panelCpu / bareCpu << 'x' << std::setw(9) << panelWall / bareWall << 'x'
                      << std::setprecision(1) << std::setw(14) << panelCpu << std::setw(14) << bareCpu << '\n';
            if (row.name.rfind("BM_Construct", 0) == 0)
            {
                construct["panel " + row.label] = panelCpu;
                construct["bare " + row.label] = bareCpu;
            }
        }
        if (construct.count("panel 24 blocks") && construct.count("panel 2400 blocks"))
        {
            std::cout << std::setprecision(2) << "Construction from 24 to 2400 blocks: panel "
                      << construct["panel 2400 blocks"] / construct["panel 24 blocks"] << "x, bare "
                      << construct["bare 2400 blocks"] / construct["bare 24 blocks"] << "x\n";
        }
    }

private:
    struct Row
    {
        std::string name;
        std::string label;
        benchmark::UserCounters counters;
    };
    std::vector<Row> rows;
};
} // namespace

int main(int argc, char** argv)
{
    // The offscreen platform warns about every raise(); that noise is not what is measured.
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& message)
        {
            if (type == QtCriticalMsg || type == QtFatalMsg)
            {
                std::cerr << message.toStdString() << '\n';
            }
        });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SteppedAnimationDriver driver;
    driver.install();
    animationDriver = &driver;

    Configure(benchmark::RegisterBenchmark("BM_Construct", BM_Construct), 5);
    Configure(benchmark::RegisterBenchmark("BM_EdgeChange", BM_EdgeChange), 5);
    Configure(benchmark::RegisterBenchmark("BM_StateChange", BM_StateChange), 5);
    Configure(benchmark::RegisterBenchmark("BM_HotkeyChange", BM_HotkeyChange), 1);
    Configure(benchmark::RegisterBenchmark("BM_RegisterAndActivate", BM_RegisterAndActivate), 1);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
