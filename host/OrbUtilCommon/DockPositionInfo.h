#pragma once

#include <cstdint>
#include <optional>

namespace Zarvo::Orb
{
// Where the system dock sits. position: 1 left, 2 bottom, 3 right, anything else no dock.
// width is the thickness of a left or right dock, height that of a bottom dock.
struct DockPositionInfo
{
    DockPositionInfo();

    int32_t flag = 0;
    int32_t position = 0;
    int32_t width = 0;
    int32_t height = 0;

    // This platform has no system dock; tests and the demo host set one here and
    // every record made afterwards reports it. std::nullopt restores "no dock".
    static void SetSimulatedDock(const std::optional<DockPositionInfo>& dock);
};
} // namespace Zarvo::Orb
