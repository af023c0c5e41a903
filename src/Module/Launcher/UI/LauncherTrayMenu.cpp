#include "Module/Launcher/UI/LauncherTrayMenu.h"

#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/NotNull.h"

#include <QMenu>

namespace Zarvo::Orb::Module::Launcher::UI
{
class LauncherTrayMenu::Impl
{
public:
    // No Qt parent: the tray icon shows it as a top-level popup. Owned from the start, so a
    // constructor that throws later does not leave it behind.
    std::unique_ptr<QMenu> menu = std::make_unique<QMenu>();
    PresetTriggeredCallback presetTriggered;
};

LauncherTrayMenu::LauncherTrayMenu(
    const std::shared_ptr<::Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController,
    const std::shared_ptr<::Zarvo::App::ICustomizationManager>& customizationManager)
    : PresetTrayMenu()
    , AbstractTrayMenu(NotNull(actionsController), NotNull(customizationManager))
    , d(std::make_unique<Impl>())
{
    d->menu->setObjectName(QStringLiteral("launcherTrayMenu"));
    SetMenu(d->menu.get());
    BuildMenu();
}

LauncherTrayMenu::~LauncherTrayMenu()
{
    // The tray icon may be showing the menu right now; let the event loop retire it.
    d->menu.release()->deleteLater();
    d->presetTriggered = nullptr;
}

void LauncherTrayMenu::RebuildMenu()
{
    ClearMenu();
    BuildMenu();
}

void LauncherTrayMenu::OnPresetActionTriggered(::Zarvo::Orb::CapturePreset::PresetQAction* action)
{
    if (d->presetTriggered)
    {
        d->presetTriggered(action);
    }
}

void LauncherTrayMenu::LoadPresets(const ::Zarvo::Orb::CapturePreset::IStorage& storage,
                                   const std::shared_ptr<::Zarvo::Orb::HotkeySettings>& hotkeySettings)
{
    PresetTrayMenu::LoadPresets(storage, hotkeySettings, true);
}

void LauncherTrayMenu::SetPresetTriggeredCallback(PresetTriggeredCallback callback)
{
    d->presetTriggered = std::move(callback);
}

void LauncherTrayMenu::BuildMenu()
{
    QMenu* menu = d->menu.get();
    menu->addAction(GetActionById(QLatin1String(ActionId::ShowActiveWindow)));
    menu->addSeparator();
    for (const char* id : kCaptureMenuActions)
        menu->addAction(GetActionById(QLatin1String(id)));
    menu->addSeparator();
    menu->addAction(GetActionById(QLatin1String(ActionId::Preferences)));
    menu->addSeparator();
    AddHelpMenu();
    menu->addSeparator();
    AddShowStyleSheetEditor();
    menu->addAction(GetActionById(QLatin1String(ActionId::Quit)));
}
} // namespace Zarvo::Orb::Module::Launcher::UI
