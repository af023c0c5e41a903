#pragma once

#include <QCoreApplication>

namespace Zarvo::Orb::Module::Launcher
{
// One struct per translation context, so a context is spelled once. Tables mark their texts with
// QT_TRANSLATE_NOOP under the same context and translate them with these at display time.
struct LauncherMenuTr
{
    Q_DECLARE_TR_FUNCTIONS(LauncherMenu)
};

struct SidebarTr
{
    Q_DECLARE_TR_FUNCTIONS(Sidebar)
};

struct SidebarCustomizationDialogTr
{
    Q_DECLARE_TR_FUNCTIONS(SidebarCustomizationDialog)
};

struct FeatureRequestWindowTr
{
    Q_DECLARE_TR_FUNCTIONS(FeatureRequestWindow)
};
} // namespace Zarvo::Orb::Module::Launcher
