#include "OrbUtilUI/WindowUtil.h"

#include "CallRecord/CallRecord.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#ifdef ORB_HOST_X11
#include <QX11Info>
#endif

#include <algorithm>

namespace Zarvo::Orb::UI::Util
{
namespace
{
void Record(const char* operation, const QWidget* window)
{
    Host::CallRecord::Add(QStringLiteral("Util::%1(%2)").arg(QLatin1String(operation), window->objectName()));
}

bool IsX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Transparent pixels show what lies beneath only where something composites the windows: on
// X11 a compositing manager, which may start and stop at any time. Platforms that draw
// straight to a frame buffer never have one.
bool PlatformComposites()
{
#ifdef ORB_HOST_X11
    if (IsX11())
    {
        return QX11Info::isCompositingManagerRunning();
    }
#endif
    static const QStringList withoutCompositor{QStringLiteral("linuxfb"), QStringLiteral("directfb"),
                                               QStringLiteral("vnc"), QStringLiteral("eglfs")};
    return !withoutCompositor.contains(QGuiApplication::platformName());
}

// One for the application: tells the masked windows when a compositing manager starts or stops.
// Qt keeps the X11 answer current from selection events, so asking it often costs nothing.
class CompositingWatcher : public QObject
{
    Q_OBJECT
public:
    static CompositingWatcher* Instance()
    {
        static QPointer<CompositingWatcher> instance;
        if (!instance && QCoreApplication::instance())
        {
            instance = new CompositingWatcher(QCoreApplication::instance());
        }
        return instance;
    }

signals:
    void Changed();

private:
    explicit CompositingWatcher(QObject* parent)
        : QObject(parent)
        , composites(PlatformComposites())
    {
        setObjectName(QStringLiteral("CompositingWatcher"));
        if (!IsX11())
        {
            return;
        }
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this,
                [this]
                {
                    if (PlatformComposites() != composites)
                    {
                        composites = !composites;
                        emit Changed();
                    }
                });
        poll->start(PollMs);
    }

    static constexpr int PollMs = 500;
    bool composites;
};

class OffscreenGuard : public QObject
{
public:
    explicit OffscreenGuard(QWidget* window)
        : QObject(window)
        , window(window)
    {
        setObjectName(QStringLiteral("OffscreenGuard"));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window && event->type() == QEvent::Show)
        {
            BringBackIfLost();
        }
        return false;
    }

private:
    void BringBackIfLost()
    {
        const QRect frame = window->frameGeometry();
        const auto screens = QGuiApplication::screens();
        const bool visibleSomewhere =
            std::any_of(screens.cbegin(), screens.cend(),
                        [&frame](const QScreen* screen) { return screen->geometry().intersects(frame); });
        if (visibleSomewhere || screens.isEmpty())
        {
            return;
        }
        const QRect area = GetWindowScreen(window)->availableGeometry();
        const int x = qBound(area.left(), frame.left(), qMax(area.left(), area.right() - frame.width() + 1));
        const int y = qBound(area.top(), frame.top(), qMax(area.top(), area.bottom() - frame.height() + 1));
        window->move(x, y);
    }

    QWidget* window;
};

class AutoMaskHelper : public QObject
{
public:
    explicit AutoMaskHelper(QWidget* window)
        : QObject(window)
        , window(window)
    {
        setObjectName(QStringLiteral("AutoMaskHelper"));
        window->installEventFilter(this);
        if (CompositingWatcher* watcher = CompositingWatcher::Instance())
        {
            connect(watcher, &CompositingWatcher::Changed, this, &AutoMaskHelper::Follow);
        }
        // Attached while the window is being shown: that Show passed before the filter.
        if (window->isVisible())
        {
            ScheduleUpdate();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A repaint may change the shape without a resize (the panel mirrors its layout when it
        // moves to the opposite edge); the grab's own paints are no change.
        const bool reshaped = event->type() == QEvent::Resize || event->type() == QEvent::Show ||
                              (event->type() == QEvent::Paint && !grabbing);
        if (watched == window && reshaped)
        {
            ScheduleUpdate();
        }
        return false;
    }

private:
    void Follow()
    {
        if (PlatformComposites())
        {
            window->clearMask();
        }
        else if (window->isVisible())
        {
            ScheduleUpdate();
        }
    }

    void ScheduleUpdate()
    {
        if (updatePending || PlatformComposites() || !window->testAttribute(Qt::WA_TranslucentBackground))
        {
            return;
        }
        // Several resizes in a row cost one grab, after the layout has settled.
        updatePending = true;
        QTimer::singleShot(0, this,
                           [this]
                           {
                               updatePending = false;
                               // A compositor may have started meanwhile.
                               if (PlatformComposites())
                               {
                                   return;
                               }
                               // In logical pixels, as the mask is, and past the current mask,
                               // which a plain grab would clip the new shape to.
                               QImage image(window->size(), QImage::Format_ARGB32_Premultiplied);
                               image.fill(Qt::transparent);
                               grabbing = true;
                               window->render(&image, QPoint(), QRegion(),
                                              QWidget::DrawWindowBackground | QWidget::DrawChildren |
                                                  QWidget::IgnoreMask);
                               grabbing = false;
                               const QRegion opaque = GetOpaqueRegion(image);
                               // An unchanged mask is left alone, so setting it asks for no repaint.
                               if (!opaque.isEmpty() && opaque != window->mask())
                               {
                                   window->setMask(opaque);
                               }
                           });
    }

    QWidget* window;
    bool updatePending = false;
    bool grabbing = false;
};

// Gives every translucent top-level window of the application the mask helper when it is
// first shown, also those whose code never asked for one.
class TranslucentWindowWatcher : public QObject
{
public:
    explicit TranslucentWindowWatcher(QObject* parent)
        : QObject(parent)
    {
        setObjectName(QStringLiteral("TranslucentWindowWatcher"));
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
        {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->testAttribute(Qt::WA_TranslucentBackground) &&
                !widget->findChild<QObject*>(QStringLiteral("AutoMaskHelper"), Qt::FindDirectChildrenOnly))
            {
                new AutoMaskHelper(widget);
            }
        }
        return false;
    }
};
} // namespace

QScreen* GetWindowScreen(const QWidget* widget)
{
    if (widget)
    {
        const QWidget* window = widget->window();
        if (const QWindow* handle = window->windowHandle(); handle && handle->screen())
        {
            return handle->screen();
        }
        if (QScreen* screen = QGuiApplication::screenAt(window->geometry().center()))
        {
            return screen;
        }
    }
    return QGuiApplication::primaryScreen();
}

void FixWindowOffscreenJumps(QWidget* window)
{
    Record("FixWindowOffscreenJumps", window);
    new OffscreenGuard(window);
}

void MaskTranslucentWindows()
{
    static QPointer<TranslucentWindowWatcher> watcher;
    if (!watcher)
    {
        watcher = new TranslucentWindowWatcher(QCoreApplication::instance());
    }
}

void AttachAutoMaskHelper(QWidget* window)
{
    Record("AttachAutoMaskHelper", window);
    new AutoMaskHelper(window);
}

QRegion GetOpaqueRegion(const QImage& image)
{
    if (!image.hasAlphaChannel())
    {
        return QRegion(image.rect());
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QRegion region;
    // One rectangle per run of non-transparent pixels in a row; QRegion merges them.
    for (int y = 0; y < argb.height(); ++y)
    {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        int runStart = -1;
        for (int x = 0; x <= argb.width(); ++x)
        {
            const bool opaque = x < argb.width() && qAlpha(line[x]) != 0;
            if (opaque && runStart < 0)
            {
                runStart = x;
            }
            else if (!opaque && runStart >= 0)
            {
                region += QRect(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
    }
    return region;
}

void ShowRaisedWindow(QWidget* window)
{
    Record("ShowRaisedWindow", window);
    window->show();
    window->raise();
    window->activateWindow();
}

void HideWindow(QWidget* window)
{
    Record("HideWindow", window);
    window->hide();
}

WindowMouseMoveHelper::WindowMouseMoveHelper(QWidget* window, const QList<QWidget*>& handles)
    : QObject(window)
    , window(window)
{
    setObjectName(QStringLiteral("WindowMouseMoveHelper"));
    for (QWidget* handle : handles)
    {
        if (handle)
        {
            handle->installEventFilter(this);
        }
    }
}

WindowMouseMoveHelper::~WindowMouseMoveHelper() = default;

bool WindowMouseMoveHelper::eventFilter(QObject* watched, QEvent* event)
{
    if (!window)
    {
        return false;
    }
    switch (event->type())
    {
    case QEvent::MouseButtonPress:
    {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
        {
            pressed = true;
            dragging = false;
            pressGlobalPos = mouse->globalPos();
            pressOffset = mouse->globalPos() - window->pos();
        }
        return false;
    }
    case QEvent::MouseMove:
    {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!pressed || !(mouse->buttons() & Qt::LeftButton))
        {
            return false;
        }
        if (!dragging)
        {
            if ((mouse->globalPos() - pressGlobalPos).manhattanLength() < QApplication::startDragDistance())
            {
                return false;
            }
            dragging = true;
            // A button released after a drag must not click.
            if (auto* button = qobject_cast<QAbstractButton*>(watched))
            {
                button->setDown(false);
            }
        }
        window->move(mouse->globalPos() - pressOffset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        {
            pressed = false;
            dragging = false;
        }
        return false;
    default:
        return false;
    }
}
} // namespace Zarvo::Orb::UI::Util

#include "WindowUtil.moc"
