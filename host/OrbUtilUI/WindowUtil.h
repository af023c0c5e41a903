#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRegion>

class QImage;
class QScreen;
class QWidget;

// Window utilities of the host's UI library: placement, showing and hiding, and
// helpers that frameless windows keep for their whole life.
namespace Zarvo::Orb::UI::Util
{
// The screen holding the widget's window; never null (falls back to the screen
// under the window's centre, then to the primary screen).
QScreen* GetWindowScreen(const QWidget* widget);

// Keeps the window on screen: a window shown entirely outside every screen is
// moved back onto its screen's available area.
void FixWindowOffscreenJumps(QWidget* window);

// Masks a translucent window to its painted area where the platform cannot
// composite translucent windows; elsewhere the window is left as it is.
void AttachAutoMaskHelper(QWidget* window);

// For the host application: every translucent top-level window gets that mask when it is first
// shown, also one whose code never attached it.
void MaskTranslucentWindows();

// The region of the image's pixels that are not fully transparent.
QRegion GetOpaqueRegion(const QImage& image);

void ShowRaisedWindow(QWidget* window);
void HideWindow(QWidget* window);

// Lets the user move a frameless window by dragging any of its handle widgets with
// the left button. Parented to the window; handles that are buttons do not click
// when a press turned into a drag.
class WindowMouseMoveHelper : public QObject
{
    Q_OBJECT
public:
    WindowMouseMoveHelper(QWidget* window, const QList<QWidget*>& handles);
    ~WindowMouseMoveHelper() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window;
    QPoint pressGlobalPos;
    QPoint pressOffset;
    bool pressed = false;
    bool dragging = false;
};
} // namespace Zarvo::Orb::UI::Util
