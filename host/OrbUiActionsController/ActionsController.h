#pragma once

#include "OrbUiActionsController/ActionContext.h"

#include <QObject>
#include <QVector>

#include <memory>

class QAction;
class QWidget;

namespace Zarvo::App
{
class ICustomizationManager;
}
namespace Zarvo::Orb::Tracking
{
class IStatisticsManager;
}

namespace Zarvo::Orb::UI::ActionsController
{
// Creates and owns the application's named QActions. Triggering one emits ActionTriggered
// with its id; texts are re-read from their getters on every language change.
class ActionsController : public QObject
{
    Q_OBJECT
public:
    ActionsController(const std::shared_ptr<App::ICustomizationManager>& customizationManager,
                      const std::shared_ptr<Tracking::IStatisticsManager>& statisticsManager,
                      QWidget* parent = nullptr);
    ~ActionsController() override;

    void CreateActions(const QVector<Action::ActionContext>& actions);
    // Null for an id that was never created.
    QAction* GetActionById(const QString& id) const;
    // Ids in creation order.
    QStringList GetActionIds() const;

signals:
    void ActionTriggered(const QString& id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI::ActionsController
