#pragma once

#include <QMainWindow>

#include <memory>

namespace OrbDemo
{
class DemoHost;
class Languages;

// The host's own window: the menu bar with the launcher's "Capture" menu, and controls to
// activate the launcher, fire and change global hotkeys, switch the language, and watch every
// call between the launcher and the host as it happens.
class ControlWindow : public QMainWindow
{
    Q_OBJECT
public:
    ControlWindow(DemoHost& host, Languages& languages, QWidget* parent = nullptr);
    ~ControlWindow() override;

    void AppendLog(const QString& line);
    // Log lines start with the time of day unless turned off.
    void ShowLogTimes(bool shown);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

signals:
    void Closed();

private:
    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace OrbDemo
