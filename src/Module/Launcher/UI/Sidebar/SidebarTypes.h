#pragma once

// The panel's state and edge, apart from the widget so that geometry and settings code need no
// widget headers.
namespace Zarvo::Orb::Module::Launcher::UI
{
// Stored as integers in the settings: keep the numbers.
enum SidebarUiState : int
{
    Maximized = 0,
    Compacted = 1,
    Hidden = 2,
};

enum ScreenEdge : int
{
    None = 0,
    Left = 1,
    Top = 2,
    Right = 3,
    Bottom = 4,
};
} // namespace Zarvo::Orb::Module::Launcher::UI
