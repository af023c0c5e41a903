#include "Module/Launcher/UI/Sidebar/SettingsWrapper.h"

#include "SettingsWrapper/ByteArrayConverter.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

namespace Zarvo::Orb::Module::Launcher::UI
{
SettingsManagerKeeper::SettingsManagerKeeper(std::shared_ptr<Zarvo::App::IApplicationSettingsManager> manager)
    : manager(std::move(manager))
{
}

SettingsManagerKeeper::~SettingsManagerKeeper() = default;

namespace SettingsStorage
{
namespace
{
// Pinned so stored points read back the same whatever Qt version wrote them.
constexpr auto PointStreamVersion = QDataStream::Qt_5_11;

std::vector<uint8_t> EncodePoint(const QPoint& point)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(PointStreamVersion);
    stream << qint32(point.x()) << qint32(point.y());
    return Zarvo::Orb::ByteArrayConverter<QByteArray>()(bytes);
}

QPoint DecodePoint(const std::vector<uint8_t>& bytes)
{
    const QByteArray data = Zarvo::Orb::ByteArrayConverter<QByteArray>()(bytes);
    QDataStream stream(data);
    stream.setVersion(PointStreamVersion);
    // A coordinate the bytes do not hold stays 0.
    qint32 x = 0;
    qint32 y = 0;
    stream >> x >> y;
    return QPoint(x, y);
}
} // namespace

int Read(const Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const int& defaultValue)
{
    return manager.GetInt(key, defaultValue);
}

std::string Read(const Zarvo::App::IApplicationSettingsManager& manager, const std::string& key,
                 const std::string& defaultValue)
{
    return manager.GetString(key, defaultValue);
}

std::vector<uint8_t> Read(const Zarvo::App::IApplicationSettingsManager& manager, const std::string& key,
                          const std::vector<uint8_t>& defaultValue)
{
    return manager.GetBytes(key, defaultValue);
}

QPoint Read(const Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const QPoint& defaultValue)
{
    return DecodePoint(manager.GetBytes(key, EncodePoint(defaultValue)));
}

void Write(Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const int& value)
{
    manager.SetInt(key, value);
}

void Write(Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const std::string& value)
{
    manager.SetString(key, value);
}

void Write(Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const std::vector<uint8_t>& value)
{
    manager.SetBytes(key, value);
}

void Write(Zarvo::App::IApplicationSettingsManager& manager, const std::string& key, const QPoint& value)
{
    manager.SetBytes(key, EncodePoint(value));
}
} // namespace SettingsStorage
} // namespace Zarvo::Orb::Module::Launcher::UI
