#pragma once

#include <QString>

namespace Zarvo::Orb::Tracking
{
// Usage statistics; the action controller reports every triggered action here.
class IStatisticsManager
{
public:
    virtual ~IStatisticsManager() = default;
    virtual void SendEvent(const QString& category, const QString& action) = 0;
};
} // namespace Zarvo::Orb::Tracking
