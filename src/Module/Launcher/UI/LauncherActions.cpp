#include "Module/Launcher/UI/LauncherActions.h"

#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/Tr.h"

namespace Zarvo::Orb::Module::Launcher::UI::Action
{
QVector<::Zarvo::Orb::UI::Action::ActionContext> GetLauncherActionParameters()
{
    QVector<::Zarvo::Orb::UI::Action::ActionContext> actions;
    for (const auto& row : kActions)
    {
        actions.append({QString::fromLatin1(row.id), [text = row.text] { return LauncherMenuTr::tr(text); }, {}});
    }
    return actions;
}
} // namespace Zarvo::Orb::Module::Launcher::UI::Action
