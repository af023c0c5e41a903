#include "SidebarTestFixture.h"

#include "Module/Launcher/Feature.h"

#include "OrbUiMenu/CommonActions.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

// The resources live in a static library: pull them in explicitly (from the global name space).
static void LoadTestResources()
{
    Q_INIT_RESOURCE(test);
}

namespace SidebarTest
{
using Zarvo::Orb::Module::Launcher::FeatureTextRole;

void UseSidebarStyleSheet()
{
    LoadTestResources();
    QFile file(QStringLiteral(":/test/sidebar-test.qss"));
    if (file.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
}

void PrepareSidebarSuite()
{
    UseSidebarStyleSheet();
    Services().MakeSidebar();
}

QScopeGuard<std::function<void()>> AddStyle(const QString& rules)
{
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet(sheet + rules);
    return QScopeGuard<std::function<void()>>([sheet] { qApp->setStyleSheet(sheet); });
}

std::string Key(const std::string& name)
{
    return "Orb/Sidebar/" + name;
}

Services::Services()
    : settings(std::make_shared<Zarvo::Host::InMemoryApplicationSettingsManager>())
    , customization(std::make_shared<Zarvo::Host::CustomizationManager>())
    , links(std::make_shared<Zarvo::Host::LinksOpener>())
    , statistics(std::make_shared<Zarvo::Host::StatisticsManager>())
    , actions(std::make_shared<Zarvo::Orb::UI::ActionsController::ActionsController>(customization, statistics))
{
    actions->CreateActions(Zarvo::Orb::UI::Action::GetCommonActionParameters());
}

std::unique_ptr<Sidebar> Services::MakeSidebar() const
{
    return std::make_unique<Sidebar>(actions, settings, customization, links, nullptr);
}

std::unique_ptr<Sidebar> Services::ShownPanel(const Features& main, const Features& additional) const
{
    auto panel = MakeSidebar();
    panel->SetMainFeatures(main);
    if (!additional.empty())
        panel->SetAdditionalFeatures(additional);
    panel->SetUiState(Zarvo::Orb::Module::Launcher::UI::SidebarUiState::Maximized);
    return QTest::qWaitForWindowExposed(panel.get()) ? std::move(panel) : nullptr;
}

void Services::Place(int edge, const QPoint& position, int uiState) const
{
    settings->SetInt(Key("sidebar_screen_edge"), edge);
    StorePosition(position);
    if (uiState >= 0)
        settings->SetInt(Key("sidebar_ui_state"), uiState);
}

TestFeature MakeFeature(const QString& id, std::function<QString()> tooltip)
{
    TestFeature made;
    const auto executed = made.executed;
    const auto text = [id](const char* role)
    {
        return [text = id + QLatin1String(role)]
        {
            return text;
        };
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

Features MakeFeatures(std::initializer_list<const char*> ids)
{
    Features features;
    for (const char* id : ids)
        features.push_back(MakeFeature(QLatin1String(id)).feature);
    return features;
}

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& globalPos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    const QPointF local = target->mapFromGlobal(globalPos);
    QMouseEvent event(type, local, local, globalPos, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void PressAndMove(QWidget* target, const QPoint& from, const QPoint& to)
{
    SendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(target, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
}

void Release(QWidget* target, const QPoint& at)
{
    SendMouse(target, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void Drag(QWidget* target, const QPoint& from, const QPoint& to)
{
    PressAndMove(target, from, to);
    Release(target, to);
}

QPushButton* Button(const QWidget* parent, const QString& name)
{
    return parent->findChild<QPushButton*>(name);
}

} // namespace SidebarTest
