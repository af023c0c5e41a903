#include "StandIns/StandIns.h"

#include "CallRecord/CallRecord.h"

#include <QSettings>
#include <QWidget>

#include <limits>
#include <stdexcept>

namespace Zarvo::Host
{
namespace
{
QString Key(const std::string& key)
{
    return QString::fromStdString(key);
}

QString BytesText(const std::vector<uint8_t>& bytes)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())).toHex(' '));
}

template <class T>
T Lookup(const std::map<std::string, InMemoryApplicationSettingsManager::Value>& values, const std::string& key,
         const T& defaultValue)
{
    const auto found = values.find(key);
    if (found == values.end())
    {
        return defaultValue;
    }
    const auto* value = std::get_if<T>(&found->second);
    return value ? *value : defaultValue;
}
} // namespace

void InMemoryApplicationSettingsManager::SetInt(const std::string& key, int value)
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::SetInt(%1, %2)").arg(Key(key)).arg(value));
    values[key] = value;
}

void InMemoryApplicationSettingsManager::SetString(const std::string& key, const std::string& value)
{
    CallRecord::Add(
        QStringLiteral("ApplicationSettings::SetString(%1, %2)").arg(Key(key), QString::fromStdString(value)));
    values[key] = value;
}

void InMemoryApplicationSettingsManager::SetBytes(const std::string& key, const std::vector<uint8_t>& value)
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::SetBytes(%1, %2)").arg(Key(key), BytesText(value)));
    values[key] = value;
}

int InMemoryApplicationSettingsManager::GetInt(const std::string& key, int defaultValue) const
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::GetInt(%1)").arg(Key(key)));
    return Lookup(values, key, defaultValue);
}

std::string InMemoryApplicationSettingsManager::GetString(const std::string& key, const std::string& defaultValue) const
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::GetString(%1)").arg(Key(key)));
    return Lookup(values, key, defaultValue);
}

std::vector<uint8_t> InMemoryApplicationSettingsManager::GetBytes(const std::string& key,
                                                                  const std::vector<uint8_t>& defaultValue) const
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::GetBytes(%1)").arg(Key(key)));
    return Lookup(values, key, defaultValue);
}

bool InMemoryApplicationSettingsManager::Contains(const std::string& key) const
{
    return values.count(key) != 0;
}

void InMemoryApplicationSettingsManager::Remove(const std::string& key)
{
    values.erase(key);
}

IniApplicationSettingsManager::IniApplicationSettingsManager(const QString& filePath)
    : settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

IniApplicationSettingsManager::~IniApplicationSettingsManager() = default;

void IniApplicationSettingsManager::SetInt(const std::string& key, int value)
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::SetInt(%1, %2)").arg(Key(key)).arg(value));
    settings->setValue(Key(key), value);
}

void IniApplicationSettingsManager::SetString(const std::string& key, const std::string& value)
{
    CallRecord::Add(
        QStringLiteral("ApplicationSettings::SetString(%1, %2)").arg(Key(key), QString::fromStdString(value)));
    settings->setValue(Key(key), QString::fromStdString(value));
}

void IniApplicationSettingsManager::SetBytes(const std::string& key, const std::vector<uint8_t>& value)
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::SetBytes(%1, %2)").arg(Key(key), BytesText(value)));
    settings->setValue(Key(key), QByteArray(reinterpret_cast<const char*>(value.data()), int(value.size())));
}

int IniApplicationSettingsManager::GetInt(const std::string& key, int defaultValue) const
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::GetInt(%1)").arg(Key(key)));
    // QVariant::toInt truncates a wider number into a valid-looking int.
    bool ok = false;
    const qlonglong value = settings->value(Key(key)).toLongLong(&ok);
    const bool fits = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    return ok && fits ? int(value) : defaultValue;
}

std::string IniApplicationSettingsManager::GetString(const std::string& key, const std::string& defaultValue) const
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::GetString(%1)").arg(Key(key)));
    const auto value = settings->value(Key(key));
    return value.isValid() ? value.toString().toStdString() : defaultValue;
}

std::vector<uint8_t> IniApplicationSettingsManager::GetBytes(const std::string& key,
                                                             const std::vector<uint8_t>& defaultValue) const
{
    CallRecord::Add(QStringLiteral("ApplicationSettings::GetBytes(%1)").arg(Key(key)));
    const auto value = settings->value(Key(key));
    if (!value.isValid())
    {
        return defaultValue;
    }
    const auto bytes = value.toByteArray();
    return std::vector<uint8_t>(bytes.cbegin(), bytes.cend());
}

QString IniApplicationSettingsManager::FilePath() const
{
    return settings->fileName();
}

bool IniApplicationSettingsManager::Flush()
{
    settings->sync();
    // A file QSettings could not parse (FormatError) is still written anew.
    return settings->status() != QSettings::AccessError && settings->isWritable();
}

void CustomizationManager::CustomizeWidget(QWidget* widget)
{
    CallRecord::Add(
        QStringLiteral("CustomizationManager::CustomizeWidget(%1)").arg(widget ? widget->objectName() : QString()));
}

QString LookAndFeelManager::GetThemeName() const
{
    return QStringLiteral("Dark");
}

QString ProductSettingsManager::GetProductName() const
{
    return QStringLiteral("Orb");
}

void LinksOpener::OpenLink(const QString& linkId)
{
    CallRecord::Add(QStringLiteral("LinksOpener::OpenLink(%1)").arg(linkId));
}

void StatisticsManager::SendEvent(const QString& category, const QString& action)
{
    CallRecord::Add(QStringLiteral("StatisticsManager::SendEvent(%1, %2)").arg(category, action));
}

bool FeedbackController::SendFeedback(const QString& text, const QString& source)
{
    CallRecord::Add(QStringLiteral("FeedbackController::SendFeedback(%1)").arg(source));
    if (failing)
    {
        throw std::runtime_error("feedback service unavailable");
    }
    sent.append({text, source});
    return true;
}

bool TutorialManager::IsTutorialShown(int tutorial) const
{
    CallRecord::Add(QStringLiteral("TutorialManager::IsTutorialShown(%1)").arg(tutorial));
    return shown.count(tutorial) != 0;
}

void TutorialManager::ShowTutorial(int tutorial, const std::function<void()>& callback)
{
    CallRecord::Add(QStringLiteral("TutorialManager::ShowTutorial(%1)").arg(tutorial));
    shown.insert(tutorial);
    if (callback)
    {
        callback();
    }
}

void ExternalStimulusHandler::OnModuleActivated()
{
    CallRecord::Add(QStringLiteral("ExternalStimulusHandler::OnModuleActivated"));
}

bool AudioProvider::IsAudioComponentInstalled() const
{
    return installed;
}
} // namespace Zarvo::Host
