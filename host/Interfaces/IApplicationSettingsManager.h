#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Zarvo::App
{
// The host's settings store. A getter returns the stored value, or the given default
// when the key holds no value of that kind.
class IApplicationSettingsManager
{
public:
    virtual ~IApplicationSettingsManager() = default;

    virtual void SetInt(const std::string& key, int value) = 0;
    virtual void SetString(const std::string& key, const std::string& value) = 0;
    virtual void SetBytes(const std::string& key, const std::vector<uint8_t>& value) = 0;

    virtual int GetInt(const std::string& key, int defaultValue) const = 0;
    virtual std::string GetString(const std::string& key, const std::string& defaultValue) const = 0;
    virtual std::vector<uint8_t> GetBytes(const std::string& key, const std::vector<uint8_t>& defaultValue) const = 0;
};
} // namespace Zarvo::App
