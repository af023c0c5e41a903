#pragma once

#include "Module/Launcher/UI/Sidebar/SidebarTypes.h"
#include "OrbModuleLauncherExport.h"

#include <QMainWindow>

#include <memory>
#include <vector>

namespace Zarvo::App
{
class IApplicationSettingsManager;
class ICustomizationManager;
class ILinksOpener;
} // namespace Zarvo::App

namespace Zarvo::Orb::UI::ActionsController
{
class ActionsController;
}

namespace Zarvo::Orb::Module::Launcher
{
class IFeature;
}

namespace Zarvo::Orb::Module::Launcher::UI
{
// The launcher panel: a frameless, always-on-top window docked to a screen edge, with the
// feature buttons, a settings, a close and a tail button. Its look comes entirely from the
// host style sheet, which selects on object names and the "Edge" and "State" properties
// and sets the eight size properties.
class ORB_MODULE_LAUNCHER_EXPORT Sidebar : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(
        int verticalLauncherMaximumWidth READ GetVerticalLauncherMaximumWidth WRITE SetVerticalLauncherMaximumWidth)
    Q_PROPERTY(
        int verticalLauncherMinimumWidth READ GetVerticalLauncherMinimumWidth WRITE SetVerticalLauncherMinimumWidth)
    Q_PROPERTY(
        int verticalLauncherMaximumHeight READ GetVerticalLauncherMaximumHeight WRITE SetVerticalLauncherMaximumHeight)
    Q_PROPERTY(
        int verticalLauncherMinimumHeight READ GetVerticalLauncherMinimumHeight WRITE SetVerticalLauncherMinimumHeight)
    Q_PROPERTY(int horizontalLauncherMaximumWidth READ GetHorizontalLauncherMaximumWidth WRITE
                   SetHorizontalLauncherMaximumWidth)
    Q_PROPERTY(int horizontalLauncherMinimumWidth READ GetHorizontalLauncherMinimumWidth WRITE
                   SetHorizontalLauncherMinimumWidth)
    Q_PROPERTY(int horizontalLauncherMaximumHeight READ GetHorizontalLauncherMaximumHeight WRITE
                   SetHorizontalLauncherMaximumHeight)
    Q_PROPERTY(int horizontalLauncherMinimumHeight READ GetHorizontalLauncherMinimumHeight WRITE
                   SetHorizontalLauncherMinimumHeight)

public:
    enum CloseReason
    {
        CloseButton = 0,
        WindowClose = 1,
    };
    Q_ENUM(CloseReason)

    // Throws std::logic_error when actionsController, customizationManager or linksOpener is empty.
    Sidebar(const std::shared_ptr<Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController,
            const std::shared_ptr<Zarvo::App::IApplicationSettingsManager>& settingsManager,
            const std::shared_ptr<Zarvo::App::ICustomizationManager>& customizationManager,
            const std::shared_ptr<Zarvo::App::ILinksOpener>& linksOpener, QWidget* parent = nullptr);
    // Saves the settings first.
    ~Sidebar() override;

    void SetMainFeatures(const std::vector<std::shared_ptr<IFeature>>& features);
    void SetAdditionalFeatures(const std::vector<std::shared_ptr<IFeature>>& features);
    // Hotkey text in native format; an empty text shows empty brackets.
    void SetFeatureHotkeyById(const QString& featureId, const QString& hotkeyText);

    SidebarUiState GetUiState() const;
    void SetUiState(SidebarUiState state);

    int GetVerticalLauncherMaximumWidth() const;
    int GetVerticalLauncherMinimumWidth() const;
    int GetVerticalLauncherMaximumHeight() const;
    int GetVerticalLauncherMinimumHeight() const;
    int GetHorizontalLauncherMaximumWidth() const;
    int GetHorizontalLauncherMinimumWidth() const;
    int GetHorizontalLauncherMaximumHeight() const;
    int GetHorizontalLauncherMinimumHeight() const;

    void SetVerticalLauncherMaximumWidth(const int& value);
    void SetVerticalLauncherMinimumWidth(const int& value);
    void SetVerticalLauncherMaximumHeight(const int& value);
    void SetVerticalLauncherMinimumHeight(const int& value);
    void SetHorizontalLauncherMaximumWidth(const int& value);
    void SetHorizontalLauncherMinimumWidth(const int& value);
    void SetHorizontalLauncherMaximumHeight(const int& value);
    void SetHorizontalLauncherMinimumHeight(const int& value);

signals:
    void CloseRequest(Zarvo::Orb::Module::Launcher::UI::Sidebar::CloseReason);
    void AddFeaturesRequest();
    void BeforeDialogShow();
    void AfterDialogShow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int verticalLauncherMaximumWidth = 0;
    int verticalLauncherMinimumWidth = 0;
    int verticalLauncherMaximumHeight = 0;
    int verticalLauncherMinimumHeight = 0;
    int horizontalLauncherMaximumWidth = 0;
    int horizontalLauncherMinimumWidth = 0;
    int horizontalLauncherMaximumHeight = 0;
    int horizontalLauncherMinimumHeight = 0;

    class Impl;
    class UI;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
