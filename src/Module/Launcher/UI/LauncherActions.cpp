#include "Module/Launcher/UI/LauncherActions.h"

#include <QCoreApplication>

namespace Zarvo::Orb::Module::Launcher::UI::Action
{
namespace
{
struct Entry
{
    const char* id;
    const char* text;
};

const Entry Entries[] = {
    {"ActionOpenLibraryFiles", QT_TRANSLATE_NOOP("LauncherMenu", "Preview Recorded Videos")},
    {"ActionStartRecordFromLauncher", QT_TRANSLATE_NOOP("LauncherMenu", "Configure and start record")},
    {"ActionStartAudioRecordFromLauncher", QT_TRANSLATE_NOOP("LauncherMenu", "Configure and start audio record")},
    {"ActionStartWebCameraRecordFromLauncher",
     QT_TRANSLATE_NOOP("LauncherMenu", "Configure and start webcamera record")},
    {"ActionSchedulerPreferences", QT_TRANSLATE_NOOP("LauncherMenu", "Scheduler Preferences...")},
    {"ActionTakeScreenshotFromLauncher", QT_TRANSLATE_NOOP("LauncherMenu", "Take Screenshot")},
};
} // namespace

QVector<::Zarvo::Orb::UI::Action::ActionContext> GetLauncherActionParameters()
{
    QVector<::Zarvo::Orb::UI::Action::ActionContext> actions;
    for (const auto& entry : Entries)
    {
        const char* text = entry.text;
        actions.append(
            {QString::fromLatin1(entry.id), [text] { return QCoreApplication::translate("LauncherMenu", text); }, {}});
    }
    return actions;
}
} // namespace Zarvo::Orb::Module::Launcher::UI::Action
