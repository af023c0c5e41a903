#include "Module/Launcher/Controller.h"

#include "HotkeyManager/GlobalHotkey.h"
#include "Interfaces/IApplicationSettingsManager.h"
#include "Interfaces/IExternalStimulusHandler.h"
#include "Interfaces/IFeedbackController.h"
#include "Interfaces/ILinksOpener.h"
#include "Interfaces/ITutorialManager.h"
#include "Module/Launcher/Factory.h"
#include "Module/Launcher/FeatureFactory.h"
#include "Module/Launcher/IFeature.h"
#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/LoggedCall.h"
#include "Module/Launcher/NotNull.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"
#include "Module/Launcher/UI/LauncherDockMenu.h"
#include "Module/Launcher/UI/LauncherMenuBar.h"
#include "Module/Launcher/UI/LauncherTrayMenu.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbHotkey/GlobalHotkeyGuard.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiAudioComponentInstallHelper/AudioComponentInstallHelper.h"
#include "OrbUiCapturePreset/IPreset.h"
#include "OrbUiCapturePreset/IStorage.h"
#include "OrbUiCapturePreset/PresetQAction.h"
#include "OrbUiParentProvider/ParentProvider.h"
#include "OrbUiWindowPositionHelper/WindowPositionHelper.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "OrbUserSettings/IHotkeySettingsObserver.h"
#include "OrbUserSettings/PathsSettings.h"
#include "OrbUserSettings/ProductSettings.h"
#include "OrbUtilUI/CaptureDockMenu.h"
#include "OrbUtilUI/CaptureTrayIcon.h"
#include "OrbUtilUI/CaptureTrayIconBlocker.h"
#include "OrbUtilUI/MainMenuBar.h"
#include "OrbUtilUI/WindowUtil.h"

#include <QAction>
#include <QKeySequence>
#include <QScopeGuard>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace Zarvo::Orb::Module::Launcher
{
namespace
{
using Orb::UI::ActionsController::ActionsController;
using Sidebar = UI::Sidebar;

// Forwards the four feature hotkeys, named by feature id; the others do not concern the launcher.
class HotkeySettingsObserver : public IHotkeySettingsObserver
{
public:
    std::function<void(const char* featureId, const std::string& hotkey)> featureHotkeyChanged =
        [](const char*, const std::string&) {
        };

    void OnGlobalHotkeyStartStopCaptureChanged(const std::string& hotkey) override
    {
        featureHotkeyChanged(FeatureId::Capturing, hotkey);
    }
    void OnGlobalHotkeyStartStopAudioCaptureChanged(const std::string& hotkey) override
    {
        featureHotkeyChanged(FeatureId::AudioCapturing, hotkey);
    }
    void OnGlobalHotkeyStartStopWebCameraCaptureChanged(const std::string& hotkey) override
    {
        featureHotkeyChanged(FeatureId::WebcamCapturing, hotkey);
    }
    void OnGlobalHotkeyStartStopStreamingChanged(const std::string&) override {}
    void OnGlobalHotkeyPauseResumeCaptureChanged(const std::string&) override {}
    void OnGlobalHotkeyTakeScreenshotChanged(const std::string& hotkey) override
    {
        featureHotkeyChanged(FeatureId::Screenshotting, hotkey);
    }
    void OnGlobalHotkeyShowHideOverlaysChanged(const std::string&) override {}
    void OnHotkeyForFastPresetChanged(const std::string&, const std::string&) override {}
    void OnHotkeyEnableStateChanged(bool) override {}
};

enum Tutorial
{
    SidebarShownTutorial = 0,
    SidebarClosedTutorial = 1,
};

// The host's services in the order they are checked; the first empty one throws.
struct ControllerServices
{
    NotNull<Factory> factory;
    NotNull<ProductSettings> productSettings;
    NotNull<HotkeySettings> hotkeySettings;
    NotNull<GlobalHotkeyManager> globalHotkeyManager;
    NotNull<GlobalHotkeyGuard> globalHotkeyGuard;
    NotNull<PathsSettings> pathsSettings;
    NotNull<Orb::UI::ParentProvider> parentProvider;
    NotNull<Orb::UI::WindowPositionHelper> windowPositionHelper;
    NotNull<IExternalStimulusHandler> externalStimulusHandler;
    NotNull<Orb::UI::MainMenuBar> mainMenuBar;
    NotNull<Orb::UI::CaptureTrayIcon> trayIcon;
    NotNull<Orb::UI::CaptureTrayIconBlocker> trayIconBlocker;
    NotNull<Orb::UI::CaptureDockMenu> dockMenu;
    NotNull<Orb::UI::AudioComponentInstallHelper> audioComponentInstallHelper;
    NotNull<Service::Tutorial::ITutorialManager> tutorialManager;
    NotNull<App::IApplicationSettingsManager> applicationSettingsManager;
    NotNull<Service::Feedback::IFeedbackController> feedbackController;
    NotNull<App::ILinksOpener> linksOpener;
};
} // namespace

class Controller::Impl : private ControllerServices
{
public:
    // Steps that reverse a finished part of Activate, run newest first.
    using Undo = std::vector<std::function<void()>>;

    Impl(Controller* owner, ControllerServices services)
        : ControllerServices(std::move(services))
        , owner(owner)
        , actionsController(factory->GetActionsController())
        , menuBar(factory->CreateMenuBar())
        , trayMenu(factory->CreateTrayMenu())
        , launcherDockMenu(factory->CreateDockMenu())
        , sidebar(factory->CreateSidebar())
    {
        BuildActionTable();
        StartHotkeyTracking();
    }

    // Maps the launcher's action ids to what they do; other ids go to the handler as they are.
    void BuildActionTable()
    {
        actionHandlers = {
            {QLatin1String(ActionId::Quit), HandlerCall(&Launcher::IHandler::Quit)},
            {QLatin1String(ActionId::ShowActiveWindow),
             [this]
             {
                 owner->ShowActiveWindow();
             }},
            {QLatin1String(ActionId::OpenLibraryFiles), HandlerCall(&Launcher::IHandler::OpenLibraryFiles)},
            {QLatin1String(ActionId::SchedulerPreferences),
             HandlerCall([](Launcher::IHandler& h) { h.ShowSchedulerPreferences(false); })},
        };
        for (const auto& row : kFeatures)
            actionHandlers.emplace(QLatin1String(row.actionId), HandlerCall(row.operation));
    }

    // Pushes the current hotkey texts to the panel and the actions, and follows every change.
    void StartHotkeyTracking()
    {
        hotkeyObserver.featureHotkeyChanged = [this](const char* featureId, const std::string& hotkey)
        {
            ApplyFeatureHotkey(FeatureById(featureId), hotkey);
        };
        hotkeySettings->RegisterEventHandler(&hotkeyObserver);
        // A failed first push must not leave the host calling into a half-built controller.
        auto unregister = qScopeGuard([this] { hotkeySettings->UnregisterEventHandler(&hotkeyObserver); });
        for (const auto& row : kFeatures)
            ApplyFeatureHotkey(row, (*hotkeySettings.*row.hotkey)());
        unregister.dismiss();
    }

    ~Impl()
    {
        RunLogged("Zarvo::Orb::Module::Launcher::Controller::~Controller",
                  [this] { hotkeySettings->UnregisterEventHandler(&hotkeyObserver); });
        // The hotkey manager and the action controller may outlive this controller when the host
        // shares them, and the panel still runs code while it is deleted: nothing of theirs may
        // reach this object any more.
        QObject::disconnect(hotkeyConnection);
        DropHandlerConnections();
    }

    // Without a handler the call is dropped.
    template <class Call> std::function<void()> HandlerCall(Call call)
    {
        return [this, call]
        {
            if (handler)
                std::invoke(call, *handler);
        };
    }

    // Unlocks when it goes out of scope, also while an exception leaves it; a failing Unlock is logged.
    auto UnlockGuard()
    {
        return qScopeGuard(
            [this] {
                RunLogged("Zarvo::Orb::Module::Launcher::Controller::Unlock", [this] { globalHotkeyGuard->Unlock(); });
            });
    }

    void SetHandler(Launcher::IHandler* newHandler)
    {
        handler = newHandler;
        LoadFeatures();
        ConnectPanelAndActions();
    }

    // The panel's features, bound to the current handler.
    void LoadFeatures()
    {
        const FeatureFactory features(handler);
        sidebar->SetMainFeatures({features.GetScreenshottingFeature(), features.GetCapturingFeature()});
        sidebar->SetAdditionalFeatures({features.GetWebcamCapturingFeature(), features.GetAudioCapturingFeature()});
    }

    void ConnectPanelAndActions()
    {
        // One set of connections, however often the host hands over a handler: a second set
        // would run every action twice.
        DropHandlerConnections();
        Sidebar* panel = sidebar.get();
        handlerConnections = {
            QObject::connect(panel, &Sidebar::CloseRequest, panel,
                             [this](Sidebar::CloseReason reason) { OnCloseRequest(reason); }),
            QObject::connect(panel, &Sidebar::AddFeaturesRequest, panel, [this] { ShowNewFeatureDialog(); }),
            QObject::connect(panel, &Sidebar::BeforeDialogShow, panel,
                             [this]
                             {
                                 trayIconBlocker->Block();
                                 globalHotkeyGuard->Lock();
                             }),
            QObject::connect(panel, &Sidebar::AfterDialogShow, panel,
                             [this]
                             {
                                 const auto unlock = UnlockGuard();
                                 trayIconBlocker->Unblock();
                             }),
            QObject::connect(
                actionsController.Get().get(), &ActionsController::ActionTriggered, actionsController.Get().get(),
                [this](const QString& id) {
                    RunLogged("Zarvo::Orb::Module::Launcher::Controller::OnActionTriggered",
                              [this, &id] { OnActionTriggered(id); });
                },
                Qt::DirectConnection),
        };
    }

    void DropHandlerConnections()
    {
        for (const auto& connection : handlerConnections)
            QObject::disconnect(connection);
        handlerConnections.clear();
    }

    void OnActionTriggered(const QString& id)
    {
        const auto found = actionHandlers.find(id);
        if (found != actionHandlers.end())
            found->second();
        else if (handler)
            handler->HandleAction(id.toStdString());
    }

    void OnCloseRequest(Sidebar::CloseReason reason)
    {
        if (reason == Sidebar::WindowClose)
        {
            if (handler)
                handler->Quit();
            return;
        }
        HideSidebar();
    }

    void HideSidebar()
    {
        sidebar->SetUiState(UI::Hidden);
        OfferTutorial(SidebarClosedTutorial);
    }

    void OfferTutorial(int tutorial)
    {
        if (!tutorialManager->IsTutorialShown(tutorial))
            tutorialManager->ShowTutorial(tutorial, {});
    }

    void ShowNewFeatureDialog()
    {
        trayIconBlocker->Block();
        const auto unblock = qScopeGuard(
            [this]
            {
                RunLogged("Zarvo::Orb::Module::Launcher::Controller::ShowNewFeatureDialog",
                          [this] { trayIconBlocker->Unblock(); });
            });
        globalHotkeyGuard->Lock();
        const auto unlock = UnlockGuard();

        UI::RequestFeature(sidebar.get(), [this](const QString& text)
                           { feedbackController->SendFeedback(text, QStringLiteral("RequestFeatureFromSidebar")); });
    }

    void Activate(const ActivationContext& context)
    {
        // The host calls Deactivate only after a successful Activate, so a failure part way
        // undoes the finished steps itself, newest first.
        Undo undo;
        try
        {
            ActivateSteps(context, undo);
        }
        catch (...)
        {
            for (auto step = undo.rbegin(); step != undo.rend(); ++step)
            {
                RunLogged("Zarvo::Orb::Module::Launcher::Controller::Activate", *step);
            }
            throw;
        }
    }

    void ActivateSteps(const ActivationContext& context, Undo& undo)
    {
        trayIcon->SetTrayMenu(trayMenu->GetMenuData());
        undo.emplace_back([this] { trayIcon->ResetTrayMenu(); });
        ConnectGlobalHotkeys(undo);
        RegisterAudioComponentActions(undo);
        PresentPanel(context, undo);
        externalStimulusHandler->OnModuleActivated();
    }

    void ConnectGlobalHotkeys(Undo& undo)
    {
        QObject::disconnect(hotkeyConnection);
        hotkeyConnection = QObject::connect(
            globalHotkeyManager.Get().get(), &GlobalHotkeyManager::HotkeyTriggered, globalHotkeyManager.Get().get(),
            [this](const App::GlobalHotkey& hotkey) {
                RunLogged("Zarvo::Orb::Module::Launcher::Controller::OnGlobalHotkey",
                          [this, &hotkey] { OnGlobalHotkey(hotkey); });
            },
            Qt::DirectConnection);
        undo.emplace_back([this] { QObject::disconnect(hotkeyConnection); });
    }

    void RegisterAudioComponentActions(Undo& undo)
    {
        for (const auto& [id, operation] :
             {std::pair{ActionId::InstallAudioComponent, Orb::UI::AudioComponentInstallHelper::Install},
              std::pair{ActionId::UninstallAudioComponent, Orb::UI::AudioComponentInstallHelper::Uninstall}})
        {
            QAction* action = actionsController->GetActionById(QLatin1String(id));
            audioComponentInstallHelper->RegisterAction(action, operation);
            undo.emplace_back([this, action] { audioComponentInstallHelper->UnregisterAction(action); });
        }
    }

    // A silent start keeps the panel hidden; otherwise it shows in the state it was left in.
    void PresentPanel(const ActivationContext& context, Undo& undo)
    {
        if (context.mode == ActivationContext::Silent)
        {
            sidebar->SetUiState(UI::Hidden);
            windowPositionHelper->UpdatePreviousPosition(sidebar.get());
            return;
        }
        using Orb::UI::ParentProvider;
        parentProvider->PushIndirectParent(sidebar.get(), ParentProvider::Positioning::Independent,
                                           ParentProvider::TaskbarIcon::Hidden,
                                           ParentProvider::StaysOnTop::FollowParent);
        undo.emplace_back([this] { parentProvider->RemoveParent(sidebar.get()); });
        if (sidebar->GetUiState() == UI::Hidden)
        {
            Orb::UI::Util::HideWindow(sidebar.get());
            return;
        }
        undo.emplace_back([this] { Orb::UI::Util::HideWindow(sidebar.get()); });
        Orb::UI::Util::ShowRaisedWindow(sidebar.get());
        OfferTutorial(SidebarShownTutorial);
    }

    void Deactivate()
    {
        trayIcon->ResetTrayMenu();
        QObject::disconnect(hotkeyConnection);
        audioComponentInstallHelper->UnregisterAction(
            actionsController->GetActionById(QLatin1String(ActionId::InstallAudioComponent)));
        audioComponentInstallHelper->UnregisterAction(
            actionsController->GetActionById(QLatin1String(ActionId::UninstallAudioComponent)));
        parentProvider->RemoveParent(sidebar.get());
        Orb::UI::Util::HideWindow(sidebar.get());
    }

    void ShowActiveWindow()
    {
        sidebar->SetUiState(UI::Maximized);
        windowPositionHelper->UpdatePreviousPosition(sidebar.get());
    }

    void SetPresetStorage(CapturePreset::IStorage* storage)
    {
        presetStorage = storage;
        if (presetStorage)
            LinkPresetStorage();
    }

    void LinkPresetStorage()
    {
        trayMenu->LoadPresets(*presetStorage, hotkeySettings);
        trayMenu->SetPresetTriggeredCallback(
            [](CapturePreset::PresetQAction* action)
            {
                RunLogged("Zarvo::Orb::Module::Launcher::Controller::StartPreset",
                          [action]
                          {
                              if (action)
                                  StartPreset(action->GetPreset());
                          });
            });
    }

    void ApplyFeatureHotkey(const FeatureRow& feature, const std::string& hotkey)
    {
        const QKeySequence sequence =
            QKeySequence::fromString(QString::fromStdString(hotkey), QKeySequence::PortableText);
        sidebar->SetFeatureHotkeyById(QLatin1String(feature.id), sequence.toString(QKeySequence::NativeText));
        if (QAction* action = actionsController->GetActionById(QLatin1String(feature.actionId)))
            action->setShortcut(sequence);
    }

    void OnGlobalHotkey(const App::GlobalHotkey& hotkey)
    {
        const QString id = hotkey.GetId();
        for (const auto& row : kFeatures)
        {
            if (id == QLatin1String(row.globalHotkeyId))
            {
                if (handler)
                    (handler->*row.operation)();
                return;
            }
        }
        if (presetStorage)
            StartPreset(presetStorage->GetPresetByHotkeyId(id.toStdString()));
    }

    static void StartPreset(const std::shared_ptr<const CapturePreset::IPreset>& preset)
    {
        if (preset && preset->IsEnabled())
            preset->Start();
    }

    Controller* owner;
    NotNull<ActionsController> actionsController;
    NotNull<UI::LauncherMenuBar> menuBar;
    NotNull<UI::LauncherTrayMenu> trayMenu;
    NotNull<UI::LauncherDockMenu> launcherDockMenu;
    CapturePreset::IStorage* presetStorage = nullptr;
    Launcher::IHandler* handler = nullptr;
    std::unique_ptr<Sidebar> sidebar;
    HotkeySettingsObserver hotkeyObserver;
    QMetaObject::Connection hotkeyConnection;
    std::map<QString, std::function<void()>> actionHandlers;
    // Made by SetHandler: the panel's signals and the action dispatch.
    std::vector<QMetaObject::Connection> handlerConnections;
};

Controller::Controller(const std::shared_ptr<Factory>& factory, const std::shared_ptr<ProductSettings>& productSettings,
                       const std::shared_ptr<HotkeySettings>& hotkeySettings,
                       const std::shared_ptr<GlobalHotkeyManager>& globalHotkeyManager,
                       const std::shared_ptr<GlobalHotkeyGuard>& globalHotkeyGuard,
                       const std::shared_ptr<PathsSettings>& pathsSettings,
                       const std::shared_ptr<Orb::UI::ParentProvider>& parentProvider,
                       const std::shared_ptr<Orb::UI::WindowPositionHelper>& windowPositionHelper,
                       const std::shared_ptr<IExternalStimulusHandler>& externalStimulusHandler,
                       const std::shared_ptr<Orb::UI::MainMenuBar>& mainMenuBar,
                       const std::shared_ptr<Orb::UI::CaptureTrayIcon>& trayIcon,
                       const std::shared_ptr<Orb::UI::CaptureTrayIconBlocker>& trayIconBlocker,
                       const std::shared_ptr<Orb::UI::CaptureDockMenu>& dockMenu,
                       const std::shared_ptr<Orb::UI::AudioComponentInstallHelper>& audioComponentInstallHelper,
                       const std::shared_ptr<Service::Tutorial::ITutorialManager>& tutorialManager,
                       const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager,
                       const std::shared_ptr<Service::Feedback::IFeedbackController>& feedbackController,
                       const std::shared_ptr<App::ILinksOpener>& linksOpener)
    : d(std::make_unique<Impl>(
          this, ControllerServices{factory, productSettings, hotkeySettings, globalHotkeyManager, globalHotkeyGuard,
                                   pathsSettings, parentProvider, windowPositionHelper, externalStimulusHandler,
                                   mainMenuBar, trayIcon, trayIconBlocker, dockMenu, audioComponentInstallHelper,
                                   tutorialManager, applicationSettingsManager, feedbackController, linksOpener}))
{
}

Controller::~Controller() = default;

void Controller::SetHandler(Launcher::IHandler* handler)
{
    d->SetHandler(handler);
}

void Controller::SetPresetStorage(CapturePreset::IStorage* storage)
{
    d->SetPresetStorage(storage);
}

void Controller::ShowActiveWindow()
{
    d->ShowActiveWindow();
}

void Controller::DoActivate(const ActivationContext& context)
{
    d->Activate(context);
}

void Controller::DoActivate()
{
    DoActivate(ActivationContext());
}

void Controller::DoDeactivate()
{
    d->Deactivate();
}
} // namespace Zarvo::Orb::Module::Launcher
