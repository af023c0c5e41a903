#pragma once

#include <QList>

#include <memory>

class QWidget;

namespace Zarvo::Orb::UI
{
// Gives module windows an indirect parent for the host's window handling (taskbar entry,
// stacking with the host's windows). Keeps the parented windows in push order.
class ParentProvider
{
public:
    // The launcher's panel uses Independent, Hidden, FollowParent (1, 0, 2).
    enum class Positioning
    {
        WithParent = 0,  // placed relative to the parent
        Independent = 1, // keeps its own position
    };
    enum class TaskbarIcon
    {
        Hidden = 0,
        Shown = 1,
    };
    enum class StaysOnTop
    {
        Never = 0,
        Always = 1,
        FollowParent = 2,
    };

    struct Entry
    {
        QWidget* window;
        Positioning positioning;
        TaskbarIcon taskbarIcon;
        StaysOnTop staysOnTop;
    };

    ParentProvider();
    ~ParentProvider();

    // A window pushed again moves to the top with its new values.
    void PushIndirectParent(QWidget* window, Positioning positioning, TaskbarIcon taskbarIcon, StaysOnTop staysOnTop);
    // A window that is not parented is ignored.
    void RemoveParent(QWidget* window);

    // Live windows only, oldest first.
    QList<Entry> GetParentedWindows() const;
    bool IsParented(const QWidget* window) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
