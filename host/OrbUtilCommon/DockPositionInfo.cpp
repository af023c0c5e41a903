#include "OrbUtilCommon/DockPositionInfo.h"

namespace Zarvo::Orb
{
namespace
{
struct SimulatedDock
{
    bool set = false;
    int32_t flag = 0;
    int32_t position = 0;
    int32_t width = 0;
    int32_t height = 0;
};

SimulatedDock& Simulated()
{
    static SimulatedDock dock;
    return dock;
}
} // namespace

DockPositionInfo::DockPositionInfo()
{
    const auto& dock = Simulated();
    if (dock.set)
    {
        flag = dock.flag;
        position = dock.position;
        width = dock.width;
        height = dock.height;
    }
}

void DockPositionInfo::SetSimulatedDock(const std::optional<DockPositionInfo>& dock)
{
    auto& simulated = Simulated();
    simulated = SimulatedDock{};
    if (dock)
    {
        simulated = SimulatedDock{true, dock->flag, dock->position, dock->width, dock->height};
    }
}
} // namespace Zarvo::Orb
