#pragma once

#include <QObject>

#include <memory>

class QIcon;
class QMenu;
class QSystemTrayIcon;

namespace Zarvo::App
{
class ICustomizationManager;
}

namespace Zarvo::Orb::UI
{
// The application's tray icon and the menu it shows. The menu is not owned. A real system
// tray icon exists only once the host asks for one (AttachSystemTrayIcon), so hosts without
// a tray still hold and block the menu. While blocked the menu is disabled.
class CaptureTrayIcon : public QObject
{
    Q_OBJECT
public:
    explicit CaptureTrayIcon(const std::shared_ptr<App::ICustomizationManager>& customizationManager);
    ~CaptureTrayIcon() override;

    void SetTrayMenu(QMenu* menu);
    void ResetTrayMenu();
    // Null when no menu is installed or the installed one was destroyed.
    QMenu* GetTrayMenu() const;

    // Counted; CaptureTrayIconBlocker is the usual caller.
    void AddBlock();
    void RemoveBlock();
    bool IsBlocked() const;

    // Creates (once) and shows a system tray icon carrying the current menu.
    QSystemTrayIcon* AttachSystemTrayIcon(const QIcon& icon);
    QSystemTrayIcon* GetSystemTrayIcon() const;

signals:
    void TrayMenuChanged(QMenu* menu);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
