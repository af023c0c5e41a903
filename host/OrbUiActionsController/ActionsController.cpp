#include "OrbUiActionsController/ActionsController.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/ICustomizationManager.h"
#include "Interfaces/IStatisticsManager.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>

#include <functional>
#include <vector>

namespace Zarvo::Orb::UI::ActionsController
{
struct ActionsController::Impl
{
    std::shared_ptr<App::ICustomizationManager> customizationManager;
    std::shared_ptr<Tracking::IStatisticsManager> statisticsManager;
    // Creation order, for GetActionIds and for re-reading texts.
    std::vector<std::pair<QAction*, std::function<QString()>>> actions;
    QHash<QString, QAction*> byId;

    void RetranslateAll() const
    {
        for (const auto& [action, text] : actions)
        {
            if (text)
            {
                action->setText(text());
            }
        }
    }
};

ActionsController::ActionsController(const std::shared_ptr<App::ICustomizationManager>& customizationManager,
                                     const std::shared_ptr<Tracking::IStatisticsManager>& statisticsManager,
                                     QWidget* parent)
    : QObject(parent)
    , d(std::make_unique<Impl>())
{
    d->customizationManager = customizationManager;
    d->statisticsManager = statisticsManager;
    if (auto* application = QCoreApplication::instance())
    {
        application->installEventFilter(this);
    }
}

ActionsController::~ActionsController()
{
    if (auto* application = QCoreApplication::instance())
    {
        application->removeEventFilter(this);
    }
}

void ActionsController::CreateActions(const QVector<Action::ActionContext>& actions)
{
    Host::CallRecord::Add(QStringLiteral("ActionsController::CreateActions(%1)").arg(actions.size()));
    for (const auto& context : actions)
    {
        // The first definition of an id wins; menus already hold that QAction.
        if (d->byId.contains(context.id))
        {
            continue;
        }
        auto* action = new QAction(this);
        action->setObjectName(context.id);
        if (context.text)
        {
            action->setText(context.text());
        }
        action->setShortcut(context.shortcut);
        const QString id = context.id;
        connect(action, &QAction::triggered, this,
                [this, id]
                {
                    if (d->statisticsManager)
                    {
                        d->statisticsManager->SendEvent(QStringLiteral("Action"), id);
                    }
                    emit ActionTriggered(id);
                });
        d->actions.emplace_back(action, context.text);
        d->byId.insert(id, action);
    }
}

QAction* ActionsController::GetActionById(const QString& id) const
{
    return d->byId.value(id, nullptr);
}

QStringList ActionsController::GetActionIds() const
{
    QStringList ids;
    for (const auto& entry : d->actions)
    {
        ids.append(entry.first->objectName());
    }
    return ids;
}

bool ActionsController::eventFilter(QObject* watched, QEvent* event)
{
    // An application-wide filter sees the change once on the application object and again on
    // every widget it is forwarded to; react once.
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
    {
        d->RetranslateAll();
    }
    return QObject::eventFilter(watched, event);
}
} // namespace Zarvo::Orb::UI::ActionsController
