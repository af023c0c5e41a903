#pragma once

#include <QString>

namespace Zarvo::App
{
// Product identity (edition, version) as the host knows it.
class IProductSettingsManager
{
public:
    virtual ~IProductSettingsManager() = default;
    virtual QString GetProductName() const = 0;
};
} // namespace Zarvo::App
