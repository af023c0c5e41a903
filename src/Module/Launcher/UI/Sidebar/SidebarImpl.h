#pragma once

#include "Module/Launcher/NotNull.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "Module/Launcher/UI/Sidebar/SidebarSettings.h"
#include "Module/Launcher/UI/Sidebar/SidebarUi.h"

#include <QFlags>
#include <QPoint>
#include <QPropertyAnimation>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QPushButton;

namespace Zarvo::App
{
class ICustomizationManager;
class ILinksOpener;
} // namespace Zarvo::App

namespace Zarvo::Orb::Module::Launcher::UI
{
namespace SidebarDetail
{
enum FeatureType
{
    Main = 0,
    Additional = 1,
};

enum ChangeStateFlag
{
    Animate = 1,
    RecomputeEdge = 2,
};
Q_DECLARE_FLAGS(ChangeStateFlags, ChangeStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(ChangeStateFlags)

// A tooltip function together with the button it writes to, so that the function can be
// dropped when its button is replaced.
struct TooltipUpdater
{
    QPushButton* button = nullptr;
    std::function<void()> update;
};

// A feature's hotkey text and, while its button exists, the tooltip showing it.
struct FeatureHotkey
{
    QString text;
    TooltipUpdater tooltip;
};
} // namespace SidebarDetail

class Q_DECL_HIDDEN Sidebar::Impl
{
public:
    Impl(Sidebar* q, const std::shared_ptr<Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController,
         const std::shared_ptr<Zarvo::App::IApplicationSettingsManager>& settingsManager,
         const std::shared_ptr<Zarvo::App::ICustomizationManager>& customizationManager,
         const std::shared_ptr<Zarvo::App::ILinksOpener>& linksOpener);

    // States and texts.
    void SetScreenEdge(ScreenEdge edge);
    void Expand(SidebarDetail::ChangeStateFlags flags);
    void Compact(SidebarDetail::ChangeStateFlags flags);
    void ChangeState(SidebarUiState target, SidebarDetail::ChangeStateFlags flags);
    void ToggleUiState();
    void RetranslateUi();
    void TriggerPreferences();

    // Feature buttons and the customization dialog.
    void AddFeatureButton(std::shared_ptr<IFeature> feature, SidebarDetail::FeatureType type);
    void DropTooltipUpdaters(const std::vector<QPushButton*>& buttons);
    void ShowCustomizationDialog();

    // Docking.
    ScreenEdge GetNearestScreenEdge() const;
    QSize GetDockedSize(ScreenEdge edge, SidebarUiState state) const;
    QRect ComputeDockedGeometry(ScreenEdge edge, SidebarUiState state, const QPoint& from) const;
    QRect AvailableArea() const;
    void FinishAnimation();
    void AllowDockedSize(const QSize& size);
    void SetDockedGeometry(const QRect& geometry);
    void ShowBodyForState(SidebarUiState state);
    void ApplyGeometry(ScreenEdge edge, SidebarUiState state, bool animate);
    void SnapToNearestEdge();
    void PlaceAtDefaultPosition();
    void RestoreFromSettings();
    void OnAnimationStateChanged(QAbstractAnimation::State newState, QAbstractAnimation::State oldState);
    void OnAnimationFinished();
    void EndDrag();

    void SaveSettings();

    Sidebar* q;
    // Before the widgets: they are made with the stored edge and state.
    SidebarSettings settings;
    std::unique_ptr<Sidebar::UI> ui;
    NotNull<Zarvo::Orb::UI::ActionsController::ActionsController> actionsController;
    NotNull<Zarvo::App::ICustomizationManager> customizationManager;
    NotNull<Zarvo::App::ILinksOpener> linksOpener;
    QPropertyAnimation geometryAnimation;
    SidebarUiState uiState = Maximized;
    int dragWatchTimerId = -1;
    bool dragging = false;
    QPoint dragOffset;
    bool animationIdle = true;
    bool leftButtonPressed = false;
    ScreenEdge screenEdge = None;
    std::vector<std::shared_ptr<IFeature>> mainFeatures;
    std::vector<std::shared_ptr<IFeature>> additionalFeatures;
    std::vector<SidebarDetail::TooltipUpdater> plainTooltipUpdaters;
    std::map<QString, SidebarDetail::FeatureHotkey> hotkeysById;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
