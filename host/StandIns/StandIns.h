#pragma once

// Small, real implementations of the host's interfaces. Each records the calls the
// module makes on it in Zarvo::Host::CallRecord.

#include "Interfaces/IApplicationSettingsManager.h"
#include "Interfaces/IAudioProvider.h"
#include "Interfaces/ICustomizationManager.h"
#include "Interfaces/IExternalStimulusHandler.h"
#include "Interfaces/IFeedbackController.h"
#include "Interfaces/ILinksOpener.h"
#include "Interfaces/ILookAndFeelManager.h"
#include "Interfaces/IProductSettingsManager.h"
#include "Interfaces/IStatisticsManager.h"
#include "Interfaces/ITutorialManager.h"

#include <QList>
#include <QPair>
#include <QString>

#include <map>
#include <memory>
#include <set>
#include <variant>

class QSettings;

namespace Zarvo::Host
{
// Settings held in memory; what tests use.
class InMemoryApplicationSettingsManager : public App::IApplicationSettingsManager
{
public:
    using Value = std::variant<int, std::string, std::vector<uint8_t>>;

    void SetInt(const std::string& key, int value) override;
    void SetString(const std::string& key, const std::string& value) override;
    void SetBytes(const std::string& key, const std::vector<uint8_t>& value) override;
    int GetInt(const std::string& key, int defaultValue) const override;
    std::string GetString(const std::string& key, const std::string& defaultValue) const override;
    std::vector<uint8_t> GetBytes(const std::string& key, const std::vector<uint8_t>& defaultValue) const override;

    // Direct access for the host itself, not recorded.
    bool Contains(const std::string& key) const;
    void Remove(const std::string& key);
    const std::map<std::string, Value>& Values() const { return values; }

private:
    std::map<std::string, Value> values;
};

// Settings in a real INI file through QSettings; what the demo host uses.
class IniApplicationSettingsManager : public App::IApplicationSettingsManager
{
public:
    explicit IniApplicationSettingsManager(const QString& filePath);
    ~IniApplicationSettingsManager() override;

    void SetInt(const std::string& key, int value) override;
    void SetString(const std::string& key, const std::string& value) override;
    void SetBytes(const std::string& key, const std::vector<uint8_t>& value) override;
    int GetInt(const std::string& key, int defaultValue) const override;
    std::string GetString(const std::string& key, const std::string& defaultValue) const override;
    std::vector<uint8_t> GetBytes(const std::string& key, const std::vector<uint8_t>& defaultValue) const override;

    QString FilePath() const;
    // Writes pending values to disk; false when the file cannot be written.
    bool Flush();

private:
    std::unique_ptr<QSettings> settings;
};

class CustomizationManager : public App::ICustomizationManager
{
public:
    void CustomizeWidget(QWidget* widget) override;
};

class LookAndFeelManager : public App::ILookAndFeelManager
{
public:
    QString GetThemeName() const override;
};

class ProductSettingsManager : public App::IProductSettingsManager
{
public:
    QString GetProductName() const override;
};

class LinksOpener : public App::ILinksOpener
{
public:
    void OpenLink(const QString& linkId) override;
};

class StatisticsManager : public Orb::Tracking::IStatisticsManager
{
public:
    void SendEvent(const QString& category, const QString& action) override;
};

class FeedbackController : public Orb::Service::Feedback::IFeedbackController
{
public:
    bool SendFeedback(const QString& text, const QString& source) override;

    // Every (text, source) pair received, in order.
    QList<QPair<QString, QString>> Sent() const { return sent; }
    // Makes SendFeedback throw std::runtime_error, as a failing delivery service would.
    void SetFailing(bool failing) { this->failing = failing; }

private:
    QList<QPair<QString, QString>> sent;
    bool failing = false;
};

class TutorialManager : public Orb::Service::Tutorial::ITutorialManager
{
public:
    bool IsTutorialShown(int tutorial) const override;
    void ShowTutorial(int tutorial, const std::function<void()>& callback) override;

private:
    std::set<int> shown;
};

class ExternalStimulusHandler : public Orb::IExternalStimulusHandler
{
public:
    void OnModuleActivated() override;
};

class AudioProvider : public Orb::IAudioProvider
{
public:
    bool IsAudioComponentInstalled() const override;
    void SetAudioComponentInstalled(bool installed) { this->installed = installed; }

private:
    bool installed = false;
};
} // namespace Zarvo::Host
