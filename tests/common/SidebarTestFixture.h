#pragma once

// Builds launcher panels on the host stand-ins and drives them the way a user would.

#include "Module/Launcher/IFeature.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "Module/Launcher/UI/Sidebar/SidebarSettings.h"

#include "OrbUiActionsController/ActionsController.h"
#include "StandIns/StandIns.h"

#include <QEvent>
#include <QPoint>
#include <QScopeGuard>
#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

class QPushButton;
class QWidget;

namespace SidebarTest
{
using Zarvo::Orb::Module::Launcher::IFeature;
using Zarvo::Orb::Module::Launcher::UI::Sidebar;
using Zarvo::Orb::Module::Launcher::UI::SidebarSettings;
using Features = std::vector<std::shared_ptr<IFeature>>;

// The "Edge" style values by stored edge number.
inline const char* const EdgeNames[] = {"None", "Left", "Top", "Right", "Bottom"};

// Puts the test style sheet (panel sizes, small buttons) on the application.
void UseSidebarStyleSheet();

// The style sheet, and the run's first settings holder spent: it turns a stored Hidden back into
// the last visible state, and every test should see the stored state as it is.
void PrepareSidebarSuite();

// Appends rules to the application's style sheet until the returned guard goes.
QScopeGuard<std::function<void()>> AddStyle(const QString& rules);

// Full settings key of one of the panel's values.
std::string Key(const std::string& name);

struct Services
{
    Services();

    std::shared_ptr<Zarvo::Host::InMemoryApplicationSettingsManager> settings;
    std::shared_ptr<Zarvo::Host::CustomizationManager> customization;
    std::shared_ptr<Zarvo::Host::LinksOpener> links;
    std::shared_ptr<Zarvo::Host::StatisticsManager> statistics;
    // Holds the host's common action table.
    std::shared_ptr<Zarvo::Orb::UI::ActionsController::ActionsController> actions;

    std::unique_ptr<Sidebar> MakeSidebar() const;
    // Maximized with these features and exposed; null when it never was.
    std::unique_ptr<Sidebar> ShownPanel(const Features& main = {}, const Features& additional = {}) const;

    // Stores an edge, a position and, unless negative, a UI state for the next panel.
    void Place(int edge, const QPoint& position, int uiState = -1) const;
    // Through the module's own coding of the point, which tst_sidebarsettings pins to bytes.
    void StorePosition(const QPoint& position) const { SidebarSettings(settings).WritePosition(position); }
    QPoint StoredPosition() const { return SidebarSettings(settings).ReadPosition(); }
    // -1 when the key holds nothing.
    int StoredInt(const std::string& name) const { return settings->GetInt(Key(name), -1); }
};

// A feature whose tooltip text is whatever `tooltip` returns at the time; counts executions.
struct TestFeature
{
    std::shared_ptr<IFeature> feature;
    std::shared_ptr<int> executed = std::make_shared<int>(0);
};
TestFeature MakeFeature(const QString& id, std::function<QString()> tooltip = {});
Features MakeFeatures(std::initializer_list<const char*> ids);

// Mouse events with the buttons really held (QTest's moves in Qt 5 carry none).
void SendMouse(QWidget* target, QEvent::Type type, const QPoint& globalPos, Qt::MouseButton button,
               Qt::MouseButtons buttons);
// Press at `from`, move to `to` in one step; the button stays down.
void PressAndMove(QWidget* target, const QPoint& from, const QPoint& to);
void Release(QWidget* target, const QPoint& at);
void Drag(QWidget* target, const QPoint& from, const QPoint& to);

QPushButton* Button(const QWidget* parent, const QString& name);
} // namespace SidebarTest
