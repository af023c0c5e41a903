#pragma once

#include "Interfaces/IApplicationSettingsManager.h"

#include <QPoint>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Zarvo::Orb::Module::Launcher::UI
{
// Base of every setting binding: keeps the host's settings store alive while a binding needs it.
class SettingsManagerKeeper
{
public:
    explicit SettingsManagerKeeper(std::shared_ptr<Zarvo::App::IApplicationSettingsManager> manager);
    virtual ~SettingsManagerKeeper();

protected:
    std::shared_ptr<Zarvo::App::IApplicationSettingsManager> manager;
};

// How each value type travels to and from the store. A QPoint is kept as the bytes of a
// Qt 5.11 data stream: x then y, big-endian 32-bit integers.
namespace SettingsStorage
{
int Read(const Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const int& defaultValue);
std::string Read(const Zarvo::App::IApplicationSettingsManager& manager, const std::string& key,
                 const std::string& defaultValue);
std::vector<uint8_t> Read(const Zarvo::App::IApplicationSettingsManager& manager, const std::string& key,
                          const std::vector<uint8_t>& defaultValue);
QPoint Read(const Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const QPoint& defaultValue);

void Write(Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const int& value);
void Write(Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const std::string& value);
void Write(Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const std::vector<uint8_t>& value);
void Write(Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const QPoint& value);
} // namespace SettingsStorage

// One persisted setting of type T (int, std::string, std::vector<uint8_t> or QPoint) under a
// full key. Every Get asks the store; Set writes only a changed value.
template <class T> class SettingsWrapper : public SettingsManagerKeeper
{
public:
    SettingsWrapper(std::shared_ptr<Zarvo::App::IApplicationSettingsManager> manager, std::string key, T defaultValue)
        : SettingsManagerKeeper(std::move(manager))
        , defaultValue(std::move(defaultValue))
        , key(std::move(key))
    {
    }

    T Get() const { return SettingsStorage::Read(*manager, key, defaultValue); }

    // True when the value was written, false when the store already held it.
    bool Set(const T& value)
    {
        if (Get() == value)
        {
            return false;
        }
        SettingsStorage::Write(*manager, key, value);
        return true;
    }

private:
    T defaultValue;
    std::string key;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
