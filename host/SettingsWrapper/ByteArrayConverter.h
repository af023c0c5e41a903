#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace Zarvo::Orb
{
template <class T> struct ByteArrayConverter;

// Plain byte copy between Qt's byte array and the settings store's byte values.
template <> struct ByteArrayConverter<QByteArray>
{
    std::vector<uint8_t> operator()(const QByteArray& bytes) const
    {
        return std::vector<uint8_t>(bytes.cbegin(), bytes.cend());
    }

    QByteArray operator()(const std::vector<uint8_t>& bytes) const
    {
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    }
};
} // namespace Zarvo::Orb
