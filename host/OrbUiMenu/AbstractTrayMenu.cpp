#include "OrbUiMenu/AbstractTrayMenu.h"

#include "Interfaces/ICustomizationManager.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/LanguageChangeWatcher.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <stdexcept>
#include <vector>

namespace Zarvo::Orb::UI
{
struct AbstractTrayMenu::Impl
{
    std::shared_ptr<ActionsController::ActionsController> actionsController;
    std::shared_ptr<App::ICustomizationManager> customizationManager;
    QPointer<QMenu> menu;
    QList<QPointer<QAction>> pinnedActions;
    // Submenus made here; QMenu::clear leaves them alive as children, so ClearMenu deletes them.
    std::vector<QPointer<QMenu>> submenus;
    // Entries whose text this base made, re-read on language change.
    std::vector<std::pair<QPointer<QAction>, std::function<QString()>>> texts;
    std::unique_ptr<LanguageChangeWatcher> languageWatcher;

    void AddText(QAction* action, std::function<QString()> text)
    {
        action->setText(text());
        texts.emplace_back(action, std::move(text));
    }

    void Retranslate() const
    {
        for (const auto& [action, text] : texts)
        {
            if (action)
            {
                action->setText(text());
            }
        }
    }

    void AddPinnedSection()
    {
        QList<QAction*> live;
        for (const auto& action : pinnedActions)
        {
            if (action)
            {
                live.append(action);
            }
        }
        if (live.isEmpty())
        {
            return;
        }
        // No section heading: styled menus draw one as a bare line above the first entry.
        menu->addActions(live);
        menu->addSeparator();
    }
};

AbstractTrayMenu::AbstractTrayMenu(const std::shared_ptr<ActionsController::ActionsController>& actionsController,
                                   const std::shared_ptr<App::ICustomizationManager>& customizationManager)
    : d(std::make_unique<Impl>())
{
    if (!actionsController)
    {
        throw std::invalid_argument("AbstractTrayMenu needs an actions controller");
    }
    d->actionsController = actionsController;
    d->customizationManager = customizationManager;
    d->languageWatcher = std::make_unique<LanguageChangeWatcher>([this] { d->Retranslate(); });
}

AbstractTrayMenu::~AbstractTrayMenu() = default;

QMenu* AbstractTrayMenu::GetMenuData() const
{
    return d->menu;
}

void AbstractTrayMenu::SetPinnedActions(const QList<QAction*>& actions)
{
    d->pinnedActions.clear();
    for (auto* action : actions)
    {
        d->pinnedActions.append(action);
    }
}

void AbstractTrayMenu::SetMenu(QMenu* menu)
{
    d->menu = menu;
    if (menu && d->customizationManager)
    {
        d->customizationManager->CustomizeWidget(menu);
    }
}

QAction* AbstractTrayMenu::GetActionById(const QString& id) const
{
    return d->actionsController->GetActionById(id);
}

void AbstractTrayMenu::ClearMenu()
{
    if (!d->menu)
    {
        return;
    }
    for (const auto& submenu : d->submenus)
    {
        delete submenu.data();
    }
    d->submenus.clear();
    d->texts.clear();
    d->menu->clear();
    d->AddPinnedSection();
}

void AbstractTrayMenu::AddHelpMenu()
{
    if (!d->menu)
    {
        return;
    }
    auto* help = new QMenu(d->menu);
    help->setObjectName(QStringLiteral("menuHelp"));
    d->AddText(help->menuAction(), [] { return QCoreApplication::translate("TrayMenu", "Help"); });
    help->addAction(GetActionById(QStringLiteral("ActionHelpCenter")));
    help->addAction(GetActionById(QStringLiteral("ActionAbout")));
    d->menu->addMenu(help);
    d->submenus.emplace_back(help);
}

void AbstractTrayMenu::AddShowStyleSheetEditor()
{
    if (d->menu)
    {
        d->menu->addAction(GetActionById(QStringLiteral("ActionShowStyleSheetEditor")));
    }
}
} // namespace Zarvo::Orb::UI
