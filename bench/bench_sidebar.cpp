// What the launcher panel costs beyond the Qt work it cannot avoid. Each panel benchmark has a
// baseline doing the same widget work with bare Qt in the same process; the figures that matter
// are the ratios printed at the end, not the absolute times of this machine.

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/FeatureFactory.h"
#include "Module/Launcher/IFeature.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/CommonActions.h"
#include "StandIns/StandIns.h"

#include <QApplication>
#include <QFrame>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <iomanip>
#include <iostream>
#include <map>
#include <memory>

namespace
{
using namespace Zarvo::Orb::Module::Launcher;
using UI::Sidebar;
using UI::SidebarUiState;

const char* const kStyleSheet = R"(
#Sidebar {
    qproperty-verticalLauncherMaximumWidth: 64; qproperty-verticalLauncherMinimumWidth: 22;
    qproperty-verticalLauncherMaximumHeight: 300; qproperty-verticalLauncherMinimumHeight: 110;
    qproperty-horizontalLauncherMaximumWidth: 300; qproperty-horizontalLauncherMinimumWidth: 110;
    qproperty-horizontalLauncherMaximumHeight: 64; qproperty-horizontalLauncherMinimumHeight: 22;
}
QPushButton { min-width: 8px; min-height: 8px; border: none; }
QPushButton[State="Compacted"] { background: #333; }
QPushButton[Edge="Left"] { background: #444; }
)";

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

    std::unique_ptr<Sidebar> MakePanel() const
    {
        auto panel = std::make_unique<Sidebar>(actions, settings, customization, links, nullptr);
        FeatureFactory features(nullptr);
        for (const auto* id : {"capturing", "audioCapturing", "webcamCapturing", "screenshotting"})
        {
            panel->SetFeatureHotkeyById(id, QStringLiteral("Ctrl+Shift+R"));
        }
        panel->SetMainFeatures({features.GetScreenshottingFeature(), features.GetCapturingFeature()});
        panel->SetAdditionalFeatures({features.GetWebcamCapturingFeature(), features.GetAudioCapturingFeature()});
        return panel;
    }
};

// The same widgets as the panel (frames, buttons, a stack) in plain layouts.
std::unique_ptr<QMainWindow> MakeBareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setObjectName(QStringLiteral("bareWindow"));
    auto* central = new QFrame(window.get());
    auto* layout = new QVBoxLayout(central);
    for (int frame = 0; frame < 7; ++frame)
    {
        auto* child = new QFrame(central);
        new QVBoxLayout(child);
        layout->addWidget(child);
    }
    for (int button = 0; button < 6; ++button)
    {
        layout->addWidget(new QPushButton(central));
    }
    auto* stack = new QStackedWidget(central);
    for (int page = 0; page < 3; ++page)
    {
        stack->addWidget(new QPushButton(stack));
    }
    layout->addWidget(stack);
    window->setCentralWidget(central);
    window->ensurePolished();
    return window;
}

void ClearRecordEvery(benchmark::State& state, int iterations)
{
    if (state.iterations() % iterations == 0)
    {
        Zarvo::Host::CallRecord::Clear();
    }
}

void BM_PanelConstruction(benchmark::State& state)
{
    Host host;
    for (auto _ : state)
    {
        auto panel = host.MakePanel();
        benchmark::DoNotOptimize(panel.get());
        ClearRecordEvery(state, 64);
    }
}

void BM_BaselineConstruction(benchmark::State& state)
{
    for (auto _ : state)
    {
        auto window = MakeBareWindow();
        benchmark::DoNotOptimize(window.get());
    }
}

// A state switch writes the style values to every widget and re-polishes each.
void BM_PanelStateSwitch(benchmark::State& state)
{
    Host host;
    auto panel = host.MakePanel();
    bool compacted = false;
    for (auto _ : state)
    {
        compacted = !compacted;
        panel->SetUiState(compacted ? SidebarUiState::Compacted : SidebarUiState::Maximized);
        ClearRecordEvery(state, 256);
    }
}

void BM_BaselineRepolish(benchmark::State& state)
{
    auto window = MakeBareWindow();
    bool compacted = false;
    for (auto _ : state)
    {
        compacted = !compacted;
        const auto value = compacted ? QStringLiteral("Compacted") : QStringLiteral("Maximized");
        auto widgets = window->findChildren<QWidget*>();
        widgets.prepend(window.get());
        for (auto* widget : widgets)
        {
            widget->setProperty("State", value);
            widget->style()->unpolish(widget);
            widget->style()->polish(widget);
        }
    }
}

// A hotkey change re-reads every feature button's translated tooltip.
void BM_PanelHotkeyChange(benchmark::State& state)
{
    Host host;
    auto panel = host.MakePanel();
    bool alternate = false;
    for (auto _ : state)
    {
        alternate = !alternate;
        panel->SetFeatureHotkeyById(QStringLiteral("capturing"),
                                    alternate ? QStringLiteral("Ctrl+F9") : QStringLiteral("Ctrl+F10"));
    }
}

void BM_BaselineTooltips(benchmark::State& state)
{
    QWidget parent;
    std::vector<QPushButton*> buttons;
    for (int button = 0; button < 4; ++button)
    {
        buttons.push_back(new QPushButton(&parent));
    }
    bool alternate = false;
    for (auto _ : state)
    {
        alternate = !alternate;
        const auto hotkey = alternate ? QStringLiteral("Ctrl+F9") : QStringLiteral("Ctrl+F10");
        for (auto* button : buttons)
        {
            button->setToolTip(QStringLiteral("%1 (%2)").arg(QStringLiteral("Record the screen"), hotkey));
        }
    }
}

BENCHMARK(BM_PanelConstruction)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineConstruction)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PanelStateSwitch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineRepolish)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PanelHotkeyChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineTooltips)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then each panel figure as a multiple of its baseline.
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
                cpuTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const std::pair<const char*, const char*> pairs[] = {
            {"BM_PanelConstruction", "BM_BaselineConstruction"},
            {"BM_PanelStateSwitch", "BM_BaselineRepolish"},
            {"BM_PanelHotkeyChange", "BM_BaselineTooltips"},
        };
        std::cout << "\nPanel cost as a multiple of bare Qt doing the same widget work (CPU time):\n";
        for (const auto& [panel, baseline] : pairs)
        {
            const auto p = cpuTimes.find(panel);
            const auto b = cpuTimes.find(baseline);
            if (p != cpuTimes.end() && b != cpuTimes.end() && b->second > 0)
            {
                std::cout << "  " << std::left << std::setw(24) << panel << std::fixed << std::setprecision(2)
                          << p->second / b->second << "x  " << baseline << '\n';
            }
        }
    }

private:
    std::map<std::string, double> cpuTimes;
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    app.setStyleSheet(QString::fromLatin1(kStyleSheet));

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
