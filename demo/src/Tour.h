#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace OrbDemo
{
class ControlWindow;
class DemoHost;
class Languages;

// Drives the launcher the way a user would, through its windows only: drags the panel to
// every screen edge, expands and compacts it, opens every dialog, fires hotkeys and switches
// the language. Writes a picture of each sight and a log of every call into a folder.
class Tour : public QObject
{
    Q_OBJECT
public:
    Tour(DemoHost& host, Languages& languages, const QString& folder, QObject* parent = nullptr);
    ~Tour() override;

    // False when a step failed; the log says which.
    bool Run();
    QStringList Pictures() const { return pictures; }
    QString LogPath() const;

    // "edge=Left state=Compacted additional=audioCapturing" for the panel as a user sees it.
    static QString DescribePanel(QWidget* panel);

private:
    void Steps();
    void TourEdge(const QString& edge);
    void TourDialogs(const QString& suffix);
    void TourHotkeysAndButtons();
    void TourMenusAndControls();

    void Log(const QString& line);
    void Fail(const QString& problem);
    bool Check(bool condition, const QString& problem);
    void Picture(const QString& name, QWidget* focus = nullptr);
    // Runs act on the next modal window of that class once it shows.
    void WhenModal(const char* className, const std::function<void(QWidget*)>& act);

    DemoHost& host;
    Languages& languages;
    QString folder;
    QFile log;
    QStringList pictures;
    QString failure;
    ControlWindow* controls = nullptr;
};
} // namespace OrbDemo
