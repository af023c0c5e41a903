#include "OrbUiAudioComponentInstallHelper/AudioComponentInstallHelper.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/IAudioProvider.h"

#include <QAction>
#include <QPointer>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace Zarvo::Orb::UI
{
struct AudioComponentInstallHelper::Impl
{
    std::shared_ptr<IAudioProvider> audioProvider;
    std::vector<std::pair<QPointer<QAction>, int>> actions;

    void Apply(QAction* action, int actionType) const
    {
        const bool installed = audioProvider->IsAudioComponentInstalled();
        const bool applies = actionType == Install ? !installed : installed;
        action->setVisible(applies);
        action->setEnabled(applies);
    }

    void Remove(const QAction* action)
    {
        actions.erase(std::remove_if(actions.begin(), actions.end(),
                                     [action](const auto& entry)
                                     { return entry.first.isNull() || entry.first == action; }),
                      actions.end());
    }
};

AudioComponentInstallHelper::AudioComponentInstallHelper(const std::shared_ptr<IAudioProvider>& audioProvider)
    : d(std::make_unique<Impl>())
{
    if (!audioProvider)
    {
        throw std::invalid_argument("AudioComponentInstallHelper needs an audio provider");
    }
    d->audioProvider = audioProvider;
}

AudioComponentInstallHelper::~AudioComponentInstallHelper() = default;

void AudioComponentInstallHelper::RegisterAction(QAction* action, int actionType)
{
    Host::CallRecord::Add(QStringLiteral("AudioComponentInstallHelper::RegisterAction(%1, %2)")
                              .arg(action ? action->objectName() : QStringLiteral("null"))
                              .arg(actionType));
    if (!action || (actionType != Install && actionType != Uninstall))
    {
        return;
    }
    d->Remove(action);
    d->actions.emplace_back(action, actionType);
    d->Apply(action, actionType);
}

void AudioComponentInstallHelper::UnregisterAction(QAction* action)
{
    Host::CallRecord::Add(QStringLiteral("AudioComponentInstallHelper::UnregisterAction(%1)")
                              .arg(action ? action->objectName() : QStringLiteral("null")));
    d->Remove(action);
}

void AudioComponentInstallHelper::Refresh()
{
    for (const auto& [action, actionType] : d->actions)
    {
        if (action)
        {
            d->Apply(action, actionType);
        }
    }
}
} // namespace Zarvo::Orb::UI
