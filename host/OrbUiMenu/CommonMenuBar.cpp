#include "OrbUiMenu/CommonMenuBar.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/ICustomizationManager.h"
#include "Interfaces/ILookAndFeelManager.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/LanguageChangeWatcher.h"
#include "OrbUserSettings/ProductSettings.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <stdexcept>
#include <vector>

namespace Zarvo::Orb::UI
{
struct CommonMenuBar::Impl
{
    std::shared_ptr<ActionsController::ActionsController> actionsController;
    std::shared_ptr<ProductSettings> productSettings;
    std::shared_ptr<App::ILookAndFeelManager> lookAndFeelManager;
    std::shared_ptr<App::ICustomizationManager> customizationManager;
    std::unique_ptr<QMenuBar> ownMenuBar;
    QPointer<QMenuBar> menuBar;
    std::vector<std::pair<QPointer<QMenu>, std::function<QString()>>> menus;
    std::unique_ptr<LanguageChangeWatcher> languageWatcher;

    void Retranslate() const
    {
        for (const auto& [menu, title] : menus)
        {
            if (menu)
            {
                menu->setTitle(title());
            }
        }
    }
};

CommonMenuBar::CommonMenuBar(const std::shared_ptr<ActionsController::ActionsController>& actionsController,
                             const std::shared_ptr<ProductSettings>& productSettings,
                             const std::shared_ptr<App::ILookAndFeelManager>& lookAndFeelManager,
                             const std::shared_ptr<App::ICustomizationManager>& customizationManager, QMenuBar* menuBar)
    : d(std::make_unique<Impl>())
{
    if (!actionsController)
    {
        throw std::invalid_argument("CommonMenuBar needs an actions controller");
    }
    d->actionsController = actionsController;
    d->productSettings = productSettings;
    d->lookAndFeelManager = lookAndFeelManager;
    d->customizationManager = customizationManager;
    if (!menuBar)
    {
        d->ownMenuBar = std::make_unique<QMenuBar>();
        d->ownMenuBar->setObjectName(QStringLiteral("commonMenuBar"));
        menuBar = d->ownMenuBar.get();
    }
    d->menuBar = menuBar;
    d->languageWatcher = std::make_unique<LanguageChangeWatcher>([this] { d->Retranslate(); });
}

CommonMenuBar::~CommonMenuBar()
{
    d->languageWatcher.reset();
    // Menus placed into a bar we do not own must leave with us.
    for (const auto& entry : d->menus)
    {
        delete entry.first.data();
    }
}

QMenuBar* CommonMenuBar::GetMenuBar() const
{
    return d->menuBar;
}

QMenu* CommonMenuBar::CreateMenu(const std::function<QString()>& title, const QString& objectName)
{
    auto* menu = new QMenu(d->menuBar);
    menu->setObjectName(objectName);
    if (title)
    {
        menu->setTitle(title());
        d->menus.emplace_back(menu, title);
    }
    else
    {
        d->menus.emplace_back(menu, [] { return QString(); });
    }
    return menu;
}

QAction* CommonMenuBar::GetActionById(const QString& id) const
{
    return d->actionsController->GetActionById(id);
}

void CommonMenuBar::InsertMenu(QMenu* menu)
{
    Host::CallRecord::Add(QStringLiteral("CommonMenuBar::InsertMenu(%1)").arg(menu ? menu->objectName() : "null"));
    if (menu && d->menuBar)
    {
        d->menuBar->addMenu(menu);
    }
}
} // namespace Zarvo::Orb::UI
