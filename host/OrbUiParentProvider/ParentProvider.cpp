#include "OrbUiParentProvider/ParentProvider.h"

#include "CallRecord/CallRecord.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace Zarvo::Orb::UI
{
namespace
{
QString WindowName(const QWidget* window)
{
    if (!window)
    {
        return QStringLiteral("null");
    }
    return window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                          : window->objectName();
}

struct StoredEntry
{
    QPointer<QWidget> window;
    ParentProvider::Positioning positioning;
    ParentProvider::TaskbarIcon taskbarIcon;
    ParentProvider::StaysOnTop staysOnTop;
};
} // namespace

struct ParentProvider::Impl
{
    std::vector<StoredEntry> entries;

    void Remove(const QWidget* window)
    {
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [window](const StoredEntry& entry)
                                     { return entry.window.isNull() || entry.window == window; }),
                      entries.end());
    }
};

ParentProvider::ParentProvider()
    : d(std::make_unique<Impl>())
{
}

ParentProvider::~ParentProvider() = default;

void ParentProvider::PushIndirectParent(QWidget* window, Positioning positioning, TaskbarIcon taskbarIcon,
                                        StaysOnTop staysOnTop)
{
    Host::CallRecord::Add(QStringLiteral("ParentProvider::PushIndirectParent(%1, %2, %3, %4)")
                              .arg(WindowName(window))
                              .arg(static_cast<int>(positioning))
                              .arg(static_cast<int>(taskbarIcon))
                              .arg(static_cast<int>(staysOnTop)));
    if (!window)
    {
        return;
    }
    d->Remove(window);
    d->entries.push_back({window, positioning, taskbarIcon, staysOnTop});
}

void ParentProvider::RemoveParent(QWidget* window)
{
    Host::CallRecord::Add(QStringLiteral("ParentProvider::RemoveParent(%1)").arg(WindowName(window)));
    d->Remove(window);
}

QList<ParentProvider::Entry> ParentProvider::GetParentedWindows() const
{
    QList<Entry> result;
    for (const auto& entry : d->entries)
    {
        if (entry.window)
        {
            result.append({entry.window.data(), entry.positioning, entry.taskbarIcon, entry.staysOnTop});
        }
    }
    return result;
}

bool ParentProvider::IsParented(const QWidget* window) const
{
    return window && std::any_of(d->entries.cbegin(), d->entries.cend(),
                                 [window](const StoredEntry& entry) { return entry.window == window; });
}
} // namespace Zarvo::Orb::UI
