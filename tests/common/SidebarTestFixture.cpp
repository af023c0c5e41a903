#include "SidebarTestFixture.h"

#include "Module/Launcher/Feature.h"

#include "OrbUiMenu/CommonActions.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

// The resources live in a static library: pull them in explicitly (from the global name space).
static void LoadTestResources()
{
    Q_INIT_RESOURCE(test);
}

namespace
{
const std::string kPrefix = "Orb/Sidebar/";
} // namespace

namespace SidebarTest
{
void UseSidebarStyleSheet()
{
    LoadTestResources();
    QFile file(QStringLiteral(":/test/sidebar-test.qss"));
    if (file.open(QIODevice::ReadOnly))
    {
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
    }
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

void Services::StorePosition(const QPoint& position) const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_11);
    stream << qint32(position.x()) << qint32(position.y());
    settings->SetBytes(kPrefix + "sidebar_position", std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

void Services::StoreEdge(int edge) const
{
    settings->SetInt(kPrefix + "sidebar_screen_edge", edge);
}

void Services::StoreUiState(int state) const
{
    settings->SetInt(kPrefix + "sidebar_ui_state", state);
}

void Services::StoreAdditionalFeatureId(const std::string& id) const
{
    settings->SetString(kPrefix + "sidebar_additional_feature_id", id);
}

QPoint Services::StoredPosition() const
{
    const auto stored = settings->GetBytes(kPrefix + "sidebar_position", {});
    QByteArray bytes(reinterpret_cast<const char*>(stored.data()), int(stored.size()));
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_11);
    qint32 x = 0;
    qint32 y = 0;
    stream >> x >> y;
    return QPoint(x, y);
}

int Services::StoredInt(const std::string& name, int missing) const
{
    return settings->Contains(kPrefix + name) ? settings->GetInt(kPrefix + name, missing) : missing;
}

std::string Services::StoredString(const std::string& name) const
{
    return settings->GetString(kPrefix + name, std::string());
}

bool Services::IsStored(const std::string& name) const
{
    return settings->Contains(kPrefix + name);
}

TestFeature MakeFeature(const QString& id, std::function<QString()> tooltip)
{
    TestFeature made;
    const auto executed = made.executed;
    made.feature = std::make_shared<Zarvo::Orb::Module::Launcher::Feature>(
        id, [executed] { ++*executed; },
        std::map<Zarvo::Orb::Module::Launcher::FeatureTextRole, std::function<QString()>>{
            {Zarvo::Orb::Module::Launcher::FeatureTextRole::Tooltip, std::move(tooltip)},
            {Zarvo::Orb::Module::Launcher::FeatureTextRole::Title,
             [id]
             {
                 return id + QStringLiteral(" title");
             }},
            {Zarvo::Orb::Module::Launcher::FeatureTextRole::Description,
             [id]
             {
                 return id + QStringLiteral(" description");
             }},
        });
    return made;
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

QString StyleValue(const QWidget* widget, const char* property)
{
    return widget->property(property).toString();
}
} // namespace SidebarTest
