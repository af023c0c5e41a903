#include "Module/Launcher/UI/Sidebar/SidebarImpl.h"

#include "Module/Launcher/IFeature.h"
#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/LoggedCall.h"
#include "Module/Launcher/UI/SidebarCustomizationDialog.h"

#include "Interfaces/ICustomizationManager.h"
#include "OrbUiActionsController/ActionsController.h"
#include "ZQtUtil/ZQtUtil.h"
#include "ZarvoWidget/ZFrame.h"

#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVariant>

#include <algorithm>

namespace Zarvo::Orb::Module::Launcher::UI
{
using namespace SidebarDetail;

namespace
{
// Screen readers name a feature by its title where it has one, else by its tooltip.
QString AccessibleFeatureName(const IFeature& feature, const QString& tooltipText)
{
    const auto title = feature.GetText(FeatureTextRole::Title);
    return title ? title() : tooltipText;
}
} // namespace

Sidebar::Impl::Impl(Sidebar* q,
                    const std::shared_ptr<Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController,
                    const std::shared_ptr<Zarvo::App::IApplicationSettingsManager>& settingsManager,
                    const std::shared_ptr<Zarvo::App::ICustomizationManager>& customizationManager,
                    const std::shared_ptr<Zarvo::App::ILinksOpener>& linksOpener)
    : q(q)
    , settings(settingsManager)
    , ui(std::make_unique<Sidebar::UI>(q, settings.ReadScreenEdge(), settings.ReadUiState()))
    , actionsController(actionsController)
    , customizationManager(customizationManager)
    , linksOpener(linksOpener)
    , geometryAnimation(q, QByteArrayLiteral("geometry"))
{
}

void Sidebar::Impl::SetScreenEdge(ScreenEdge edge)
{
    ui->ClearLayouts();
    ui->BuildLayoutForEdge(edge);
    screenEdge = edge;
    ui->ApplySidebarStyles(edge, uiState);
    // The window's minimum size comes from the old edge's layout until its layout runs again,
    // and a geometry set right after this would be held at it.
    q->layout()->invalidate();
    q->layout()->activate();
}

void Sidebar::Impl::Expand(ChangeStateFlags flags)
{
    ChangeState(Maximized, flags);
}

void Sidebar::Impl::Compact(ChangeStateFlags flags)
{
    ChangeState(Compacted, flags);
}

void Sidebar::Impl::ChangeState(SidebarUiState target, ChangeStateFlags flags)
{
    uiState = target;
    const ScreenEdge edge =
        (!flags.testFlag(RecomputeEdge) && screenEdge != None) ? screenEdge : GetNearestScreenEdge();
    ApplyGeometry(edge, uiState, flags.testFlag(Animate));
    ui->ApplySidebarStyles(edge, uiState);
}

void Sidebar::Impl::ToggleUiState()
{
    if (uiState == Compacted)
    {
        Expand(Animate | RecomputeEdge);
    }
    else if (uiState == Maximized)
    {
        Compact(Animate | RecomputeEdge);
    }
    SaveSettings();
}

void Sidebar::Impl::RetranslateUi()
{
    if (QAction* preferences = actionsController->GetActionById(QLatin1String(ActionId::Preferences)))
    {
        ui->SetSettingsHotkeyText(preferences->shortcut().toString(QKeySequence::NativeText));
    }
    for (const auto& updater : plainTooltipUpdaters)
    {
        updater.update();
    }
    for (const auto& [id, hotkey] : hotkeysById)
    {
        if (hotkey.tooltip.update)
        {
            hotkey.tooltip.update();
        }
    }
    ui->RetranslateUiTexts();
    customizationManager->CustomizeWidget(q);
}

void Sidebar::Impl::TriggerPreferences()
{
    if (QAction* preferences = actionsController->GetActionById(QLatin1String(ActionId::Preferences)))
    {
        preferences->activate(QAction::Trigger);
    }
}

void Sidebar::Impl::AddFeatureButton(std::shared_ptr<IFeature> feature, FeatureType type)
{
    QWidget* parent =
        type != Main ? static_cast<QWidget*>(ui->additionalFeatureStack) : static_cast<QWidget*>(ui->mainFeatureFrame);
    auto* button = new QPushButton(parent);
    ui->GiveStyleValues(button);
    button->setObjectName(QStringLiteral("featureButton"));
    const QString id = feature->GetId();
    button->setObjectName(id + QStringLiteral("FeatureButton"));
    button->setProperty(kFeatureIdProperty, QVariant(id));
    button->installEventFilter(q);
    QObject::connect(button, &QPushButton::clicked, q,
                     [feature]
                     {
                         RunLogged("Zarvo::Orb::Module::Launcher::UI::Sidebar::Impl::AddFeatureButton",
                                   [&feature] { feature->Execute(); });
                     });

    if (type == Main)
    {
        ui->mainFeatureButtons.push_back(button);
    }
    else
    {
        ui->additionalFeatureButtons.push_back(button);
        ui->additionalFeatureStack->addWidget(button);
    }

    if (const auto hotkey = hotkeysById.find(id); hotkey != hotkeysById.end())
    {
        // Entries are never erased, so the text can be read in place on every update.
        const QString* hotkeyText = &hotkey->second.text;
        auto updateTooltipWithHotkey = [button, feature, hotkeyText]
        {
            const QString text = feature->GetText(FeatureTextRole::Tooltip)();
            // One pass: a "%1" in the text or the hotkey stays as it is.
            button->setToolTip(QStringLiteral("%1 (%2)").arg(text, *hotkeyText));
            // A hotkey change leaves the name as it was; each set notifies screen readers.
            const QString name = AccessibleFeatureName(*feature, text);
            if (button->accessibleName() != name)
            {
                button->setAccessibleName(name);
            }
            button->setAccessibleDescription(button->toolTip());
        };
        updateTooltipWithHotkey();
        hotkey->second.tooltip = TooltipUpdater{button, updateTooltipWithHotkey};
    }
    else
    {
        auto updatePlainTooltip = [button, feature]
        {
            const QString text = feature->GetText(FeatureTextRole::Tooltip)();
            button->setToolTip(text);
            button->setAccessibleName(AccessibleFeatureName(*feature, text));
        };
        updatePlainTooltip();
        plainTooltipUpdaters.push_back(TooltipUpdater{button, updatePlainTooltip});
    }
}

void Sidebar::Impl::DropTooltipUpdaters(const std::vector<QPushButton*>& buttons)
{
    const auto replaced = [&buttons](const TooltipUpdater& updater)
    {
        return std::find(buttons.begin(), buttons.end(), updater.button) != buttons.end();
    };
    plainTooltipUpdaters.erase(std::remove_if(plainTooltipUpdaters.begin(), plainTooltipUpdaters.end(), replaced),
                               plainTooltipUpdaters.end());
    for (auto& [id, hotkey] : hotkeysById)
    {
        if (replaced(hotkey.tooltip))
        {
            hotkey.tooltip = {};
        }
    }
}

void Sidebar::Impl::ShowCustomizationDialog()
{
    SidebarCustomizationDialog dialog(customizationManager, q);
    dialog.SetFeatures(additionalFeatures);
    dialog.SelectFeature(ui->CurrentAdditionalFeatureId());
    dialog.move(Zarvo::Util::GetWidgetPosOnCurrentScreenCenter(dialog));

    QObject::connect(&dialog, &SidebarCustomizationDialog::Showed, q, &Sidebar::BeforeDialogShow);
    QObject::connect(&dialog, &SidebarCustomizationDialog::Hided, q, &Sidebar::AfterDialogShow);
    QObject::connect(&dialog, &SidebarCustomizationDialog::FeatureSelectRequested, q,
                     [this](const QString& id)
                     { ui->SetCurrentAdditionalFeature(id.isEmpty() ? QString::fromLatin1(kPlusFeature) : id); });
    QObject::connect(&dialog, &SidebarCustomizationDialog::FeatureClearRequested, q,
                     [this] { ui->SetCurrentAdditionalFeature(QString::fromLatin1(kPlusFeature)); });
    QObject::connect(&dialog, &SidebarCustomizationDialog::NewFeatureRequested, q,
                     [this, &dialog]
                     {
                         dialog.accept();
                         RunLogged("Zarvo::Orb::Module::Launcher::UI::Sidebar::Impl::ShowCustomizationDialog",
                                   [this]
                                   {
                                       emit q->AddFeaturesRequest();
                                       ShowCustomizationDialog();
                                   });
                     });

    dialog.exec();
}

void Sidebar::Impl::SaveSettings()
{
    settings.WriteUiState(uiState);
    settings.WritePosition(q->pos());
    settings.WriteScreenEdge(screenEdge);
    settings.WriteAdditionalFeatureId(ui->CurrentAdditionalFeatureId().toStdString());
}
} // namespace Zarvo::Orb::Module::Launcher::UI
