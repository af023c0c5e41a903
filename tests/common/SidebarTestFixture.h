#pragma once

// Builds launcher panels on the host stand-ins and drives them the way a user would. Header
// only: every suite that includes it uses nearly all of it.

#include "Module/Launcher/Feature.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "Module/Launcher/UI/Sidebar/SidebarSettings.h"

#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/CommonActions.h"
#include "StandIns/StandIns.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

// The resources live in a static library: pull them in explicitly (from the global name space).
inline void LoadSidebarTestResources()
{
    Q_INIT_RESOURCE(test);
}

namespace SidebarTest
{
using Zarvo::Orb::Module::Launcher::FeatureTextRole;
using Zarvo::Orb::Module::Launcher::IFeature;
using Zarvo::Orb::Module::Launcher::UI::Sidebar;
using Zarvo::Orb::Module::Launcher::UI::SidebarSettings;
using Features = std::vector<std::shared_ptr<IFeature>>;
namespace Host = Zarvo::Host;

// The "Edge" style values by stored edge number.
inline const char* const EdgeNames[] = {"None", "Left", "Top", "Right", "Bottom"};

// Puts the test style sheet (panel sizes, small buttons) on the application.
inline void UseSidebarStyleSheet()
{
    LoadSidebarTestResources();
    QFile file(QStringLiteral(":/test/sidebar-test.qss"));
    if (file.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
}

// Appends rules to the application's style sheet until the returned guard goes.
inline QScopeGuard<std::function<void()>> AddStyle(const QString& rules)
{
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet(sheet + rules);
    return QScopeGuard<std::function<void()>>([sheet] { qApp->setStyleSheet(sheet); });
}

// Full settings key of one of the panel's values.
inline std::string Key(const std::string& name)
{
    return "Orb/Sidebar/" + name;
}

struct Services
{
    Services() { actions->CreateActions(Zarvo::Orb::UI::Action::GetCommonActionParameters()); }

    std::shared_ptr<Host::InMemoryApplicationSettingsManager> settings =
        std::make_shared<Host::InMemoryApplicationSettingsManager>();
    std::shared_ptr<Host::CustomizationManager> customization = std::make_shared<Host::CustomizationManager>();
    std::shared_ptr<Host::LinksOpener> links = std::make_shared<Host::LinksOpener>();
    std::shared_ptr<Host::StatisticsManager> statistics = std::make_shared<Host::StatisticsManager>();
    // Holds the host's common action table.
    std::shared_ptr<Zarvo::Orb::UI::ActionsController::ActionsController> actions =
        std::make_shared<Zarvo::Orb::UI::ActionsController::ActionsController>(customization, statistics);

    std::unique_ptr<Sidebar> MakeSidebar() const
    {
        return std::make_unique<Sidebar>(actions, settings, customization, links, nullptr);
    }

    // Maximized with these main features and exposed; null when it never was.
    std::unique_ptr<Sidebar> ShownPanel(const Features& mainFeatures = {}) const
    {
        auto panel = MakeSidebar();
        panel->SetMainFeatures(mainFeatures);
        panel->SetUiState(Zarvo::Orb::Module::Launcher::UI::SidebarUiState::Maximized);
        return QTest::qWaitForWindowExposed(panel.get()) ? std::move(panel) : nullptr;
    }

    // Stores an edge, a position and, unless negative, a UI state for the next panel.
    void Place(int edge, const QPoint& position, int uiState = -1) const
    {
        settings->SetInt(Key("sidebar_screen_edge"), edge);
        StorePosition(position);
        if (uiState >= 0)
            settings->SetInt(Key("sidebar_ui_state"), uiState);
    }
    // Through the module's own coding of the point, which tst_sidebarsettings pins to bytes.
    void StorePosition(const QPoint& position) const { SidebarSettings(settings).WritePosition(position); }
    QPoint StoredPosition() const { return SidebarSettings(settings).ReadPosition(); }
    // -1 when the key holds nothing.
    int StoredInt(const std::string& name) const { return settings->GetInt(Key(name), -1); }
};

// The style sheet, and the run's first settings holder spent: it turns a stored Hidden back into
// the last visible state, and every test should see the stored state as it is.
inline void PrepareSidebarSuite()
{
    UseSidebarStyleSheet();
    Services().MakeSidebar();
}

// A feature whose tooltip text is whatever `tooltip` returns at the time; counts executions.
struct TestFeature
{
    std::shared_ptr<IFeature> feature;
    std::shared_ptr<int> executed = std::make_shared<int>(0);
};
inline TestFeature MakeFeature(const QString& id, std::function<QString()> tooltip = {})
{
    TestFeature made;
    const auto executed = made.executed;
    const auto text = [id](const char* role)
    {
        return std::function<QString()>([text = id + QLatin1String(role)] { return text; });
    };
    made.feature = std::make_shared<Zarvo::Orb::Module::Launcher::Feature>(
        id, [executed] { ++*executed; },
        std::map<FeatureTextRole, std::function<QString()>>{
            {FeatureTextRole::Tooltip, tooltip ? std::move(tooltip) : text(" tooltip")},
            {FeatureTextRole::Title, text(" title")},
            {FeatureTextRole::Description, text(" description")},
        });
    return made;
}
inline Features MakeFeatures(std::initializer_list<const char*> ids)
{
    Features features;
    for (const char* id : ids)
        features.push_back(MakeFeature(QLatin1String(id)).feature);
    return features;
}

// Mouse events with the buttons really held (QTest's moves in Qt 5 carry none).
inline void SendMouse(QWidget* target, QEvent::Type type, const QPoint& globalPos, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    const QPointF local = target->mapFromGlobal(globalPos);
    QMouseEvent event(type, local, local, globalPos, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
// Press at `from`, move to `to` in one step; the button stays down.
inline void PressAndMove(QWidget* target, const QPoint& from, const QPoint& to)
{
    SendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(target, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
}
inline void Release(QWidget* target, const QPoint& at)
{
    SendMouse(target, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

inline QPushButton* Button(const QWidget* parent, const QString& name)
{
    return parent->findChild<QPushButton*>(name);
}
} // namespace SidebarTest
