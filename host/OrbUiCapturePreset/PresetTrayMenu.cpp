#include "OrbUiCapturePreset/PresetTrayMenu.h"

#include "CallRecord/CallRecord.h"
#include "OrbUiCapturePreset/IStorage.h"
#include "OrbUiCapturePreset/PresetQAction.h"
#include "OrbUiMenu/AbstractTrayMenu.h"
#include "OrbUserSettings/HotkeySettings.h"

#include <QKeySequence>

namespace Zarvo::Orb::UI
{
struct PresetTrayMenu::Impl
{
    // Parent and connection context of the preset actions: deleting it drops them and every
    // connection to this menu at once.
    std::unique_ptr<QObject> actionOwner;
    QList<CapturePreset::PresetQAction*> actions;
};

PresetTrayMenu::PresetTrayMenu()
    : d(std::make_unique<Impl>())
{
}

PresetTrayMenu::~PresetTrayMenu() = default;

void PresetTrayMenu::LoadPresets(const CapturePreset::IStorage& storage,
                                 const std::shared_ptr<HotkeySettings>& hotkeySettings, bool addToTrayMenu)
{
    const auto presets = storage.GetPresets();
    Host::CallRecord::Add(QStringLiteral("PresetTrayMenu::LoadPresets(%1, %2)")
                              .arg(presets.size())
                              .arg(addToTrayMenu ? QStringLiteral("true") : QStringLiteral("false")));

    // Deleting the old actions also takes them out of every menu that shows them.
    d->actions.clear();
    d->actionOwner = std::make_unique<QObject>();
    for (const auto& preset : presets)
    {
        if (!preset)
        {
            continue;
        }
        auto* action = new CapturePreset::PresetQAction(preset, d->actionOwner.get());
        action->setObjectName(QStringLiteral("presetAction"));
        const auto hotkeyId = preset->GetHotkeyId();
        if (hotkeySettings && !hotkeyId.empty())
        {
            action->setShortcut(QKeySequence::fromString(
                QString::fromStdString(hotkeySettings->GetHotkeyForFastPreset(hotkeyId)), QKeySequence::PortableText));
        }
        QObject::connect(action, &QAction::triggered, d->actionOwner.get(),
                         [this, action] { OnPresetActionTriggered(action); });
        d->actions.append(action);
    }

    if (addToTrayMenu)
    {
        if (auto* trayMenu = dynamic_cast<AbstractTrayMenu*>(this))
        {
            QList<QAction*> pinned;
            for (auto* action : d->actions)
            {
                pinned.append(action);
            }
            trayMenu->SetPinnedActions(pinned);
        }
    }
    RebuildMenu();
}

QList<CapturePreset::PresetQAction*> PresetTrayMenu::GetPresetActions() const
{
    return d->actions;
}
} // namespace Zarvo::Orb::UI
