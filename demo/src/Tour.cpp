#include "Tour.h"

#include "ControlWindow.h"
#include "DemoHandler.h"
#include "DemoHost.h"
#include "Languages.h"
#include "Snapshot.h"

#include "CallRecord/CallRecord.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "StandIns/StandIns.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace OrbDemo
{
namespace
{
constexpr int WaitLimitMs = 5000;
// A modal window that nobody expected is closed after this long, so the tour cannot hang.
constexpr int StrayModalLimitMs = 8000;

const char* const SidebarClass = "Zarvo::Orb::Module::Launcher::UI::Sidebar";
const char* const CustomizationClass = "Zarvo::Orb::Module::Launcher::UI::SidebarCustomizationDialog";
const char* const RequestClass = "Zarvo::Orb::Module::Launcher::UI::FeatureRequestWindow";
const char* const DoneClass = "Zarvo::Orb::Module::Launcher::UI::DoneWindow";

void Pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool WaitFor(const std::function<bool()>& condition, int limitMs = WaitLimitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition())
    {
        if (clock.elapsed() > limitMs)
        {
            return false;
        }
        Pause(10);
    }
    return true;
}

// Lets layouts, style sheets and paints catch up before a picture.
void Settle()
{
    Pause(60);
}

template <class T = QAbstractButton> T* Child(QWidget* parent, const char* name)
{
    return parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
}

bool IsVertical(const QString& edge)
{
    return edge == QLatin1String("Left") || edge == QLatin1String("Right");
}

// The panel's docked size for its edge and state, as its size properties say.
QSize DockedSize(QWidget* panel)
{
    const QString edge = panel->property("Edge").toString();
    const bool compacted = panel->property("State").toString() == QLatin1String("Compacted");
    const QString prefix = QStringLiteral("%1Launcher%2")
                               .arg(IsVertical(edge) ? QStringLiteral("vertical") : QStringLiteral("horizontal"),
                                    compacted ? QStringLiteral("Minimum") : QStringLiteral("Maximum"));
    return {panel->property((prefix + QStringLiteral("Width")).toLatin1()).toInt(),
            panel->property((prefix + QStringLiteral("Height")).toLatin1()).toInt()};
}

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& global, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    const QPointF local = target->mapFromGlobal(global);
    QMouseEvent event(type, local, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A left-button drag from the middle of the panel to target, in steps, as a hand would.
void Drag(QWidget* panel, const QPoint& target)
{
    const QPoint start = panel->mapToGlobal(panel->rect().center());
    SendMouse(panel, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    constexpr int steps = 12;
    for (int i = 1; i <= steps; ++i)
    {
        SendMouse(panel, QEvent::MouseMove, start + (target - start) * i / steps, Qt::NoButton, Qt::LeftButton);
    }
    SendMouse(panel, QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
}

// Press and release in the middle of widget; what the press starts may end its life.
void Click(QWidget* widget)
{
    if (!widget)
    {
        return;
    }
    QPointer<QWidget> target(widget);
    const QPoint middle = widget->mapToGlobal(widget->rect().center());
    SendMouse(widget, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    if (target)
    {
        SendMouse(target, QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);
    }
}

// The part of the screen a picture of the panel shows: the half it is docked in.
QRect AreaAround(const QRect& screen, const QString& edge)
{
    if (edge == QLatin1String("Right"))
        return QRect(screen.center().x(), screen.top(), screen.width() / 2, screen.height());
    if (edge == QLatin1String("Left"))
        return QRect(screen.left(), screen.top(), screen.width() / 2, screen.height());
    if (edge == QLatin1String("Bottom"))
        return QRect(screen.left(), screen.center().y(), screen.width(), screen.height() / 2);
    return QRect(screen.left(), screen.top(), screen.width(), screen.height() / 2);
}
} // namespace

Tour::Tour(DemoHost& host, Languages& languages, const QString& folder, QObject* parent)
    : QObject(parent)
    , host(host)
    , languages(languages)
    , folder(folder)
    , log(QDir(folder).filePath(QStringLiteral("tour.log")))
{
}

Tour::~Tour() = default;

QString Tour::LogPath() const
{
    return log.fileName();
}

QString Tour::DescribePanel(QWidget* panel)
{
    if (!panel)
    {
        return QStringLiteral("edge=none state=none additional=none");
    }
    const auto* stack = panel->findChild<QStackedWidget*>(QStringLiteral("additionalFeatureStack"));
    QString additional =
        stack && stack->currentWidget() ? stack->currentWidget()->property("featureId").toString() : QString();
    return QStringLiteral("edge=%1 state=%2 additional=%3")
        .arg(panel->property("Edge").toString(),
             panel->isVisible() ? panel->property("State").toString() : QStringLiteral("Hidden"),
             additional.isEmpty() ? QStringLiteral("none") : additional);
}

void Tour::Log(const QString& line)
{
    if (log.isOpen())
    {
        log.write(line.toUtf8() + '\n');
        log.flush();
    }
}

void Tour::Fail(const QString& problem)
{
    if (failure.isEmpty())
    {
        failure = problem;
    }
    Log(QStringLiteral("FAILED: ") + problem);
}

bool Tour::Check(bool condition, const QString& problem)
{
    if (!condition)
    {
        Fail(problem);
    }
    return condition;
}

void Tour::Picture(const QString& name, QWidget* focus)
{
    Settle();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QImage image;
    if (focus && focus->isWindow() && !focus->inherits(SidebarClass) && !focus->isVisible())
    {
        // A window that is not on screen (a menu): alone, on a margin of background.
        // Not adjustSize(): it caps windows at two thirds of the screen.
        focus->ensurePolished();
        focus->resize(focus->sizeHint());
        const QPixmap picture = focus->grab();
        image = Snapshot::Background(QRect(QPoint(), picture.size() + QSize(48, 48)));
        QPainter(&image).drawPixmap(24, 24, picture);
    }
    else
    {
        const QRect area =
            focus && focus->inherits(SidebarClass) ? AreaAround(screen, focus->property("Edge").toString()) : screen;
        image = Snapshot::Compose(area, Snapshot::VisibleWindows());
    }
    const QString file = name + QStringLiteral(".png");
    if (Check(image.save(QDir(folder).filePath(file), "PNG"), QStringLiteral("cannot write picture %1").arg(file)))
    {
        pictures.append(file);
        Log(QStringLiteral("picture: ") + file);
    }
}

void Tour::WhenModal(const char* className, const std::function<void(QWidget*)>& act)
{
    // A timer of its own per step: a timer does not fire again while its own slot runs, and
    // the next modal window opens from inside this step's action.
    auto* poll = new QTimer(this);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    connect(poll, &QTimer::timeout, this,
            [this, poll, clock, className, act]
            {
                QWidget* modal = QApplication::activeModalWidget();
                const bool ready =
                    modal && modal->inherits(className) && modal->windowHandle() && modal->windowHandle()->isExposed();
                if (!ready && clock->elapsed() < WaitLimitMs)
                {
                    return;
                }
                poll->stop();
                poll->deleteLater();
                if (!ready)
                {
                    Fail(QStringLiteral("no %1 appeared").arg(QLatin1String(className)));
                    return;
                }
                const QRect frame = modal->geometry();
                Log(QStringLiteral("modal: %1 %2x%3 at %4,%5")
                        .arg(QLatin1String(className))
                        .arg(frame.width())
                        .arg(frame.height())
                        .arg(frame.x())
                        .arg(frame.y()));
                act(modal);
            });
    poll->start(10);
}

bool Tour::Run()
{
    if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
    {
        failure = tr("Cannot write the tour log %1: %2").arg(log.fileName(), log.errorString());
        return false;
    }
    const auto callConnection = connect(&Zarvo::Host::CallRecord::Instance(), &Zarvo::Host::CallRecord::CallAdded, this,
                                        [this](const QString& call) { Log(QStringLiteral("call: ") + call); });
    const auto messageConnection = connect(&host.Handler(), &DemoHandler::Message, this,
                                           [this](const QString& text) { Log(QStringLiteral("host: ") + text); });

    // Whatever happens, no modal window is left to block the tour for good.
    QTimer strayModalGuard;
    QPointer<QWidget> lastModal;
    QElapsedTimer modalClock;
    connect(
        &strayModalGuard, &QTimer::timeout, this,
        [&]
        {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != lastModal)
            {
                lastModal = modal;
                modalClock.start();
            }
            else if (modal && modalClock.elapsed() > StrayModalLimitMs)
            {
                Fail(QStringLiteral("%1 stayed open; closed it").arg(QLatin1String(modal->metaObject()->className())));
                modal->close();
            }
        });
    strayModalGuard.start(500);

    Log(QStringLiteral("tour: %1 on %2, screen %3x%4")
            .arg(QDir(folder).absolutePath(), QGuiApplication::platformName())
            .arg(QGuiApplication::primaryScreen()->geometry().width())
            .arg(QGuiApplication::primaryScreen()->geometry().height()));
    Steps();
    strayModalGuard.stop();
    disconnect(callConnection);
    disconnect(messageConnection);
    Log(failure.isEmpty() ? QStringLiteral("tour: done") : QStringLiteral("tour: failed: ") + failure);
    return failure.isEmpty();
}

void Tour::Steps()
{
    host.Activate(false);
    QWidget* panel = host.Panel();
    if (!Check(panel, QStringLiteral("the launcher made no panel")))
    {
        return;
    }
    WaitFor([panel] { return panel->isVisible(); });
    Settle();
    Log(QStringLiteral("restored: ") + DescribePanel(panel));

    auto* tail = Child(panel, "tailButton");
    if (!Check(tail, QStringLiteral("the panel has no tail button")))
    {
        return;
    }
    if (panel->property("State").toString() == QLatin1String("Compacted"))
    {
        tail->click();
        WaitFor([panel] { return panel->size() == DockedSize(panel); });
    }

    TourEdge(QStringLiteral("Right"));
    // With the panel on the right, choose the additional feature and ask for a new one.
    TourDialogs(QString());
    Picture(QStringLiteral("panel-right-additional"), panel);
    TourEdge(QStringLiteral("Bottom"));
    TourEdge(QStringLiteral("Top"));
    TourEdge(QStringLiteral("Left"));
    TourHotkeysAndButtons();
    TourMenusAndControls();

    const QString startLanguage = languages.Current();
    languages.Switch(QStringLiteral("de"));
    Settle();
    Log(QStringLiteral("language: de, tail tooltip \"%1\"").arg(tail->toolTip()));
    TourDialogs(QStringLiteral("-de"));
    Picture(QStringLiteral("menu-tray-de"), host.TrayMenu());
    languages.Switch(startLanguage);
    Settle();

    // End docked left and compacted, so the next start shows that it was kept.
    tail->click();
    Check(WaitFor([panel] { return panel->size() == DockedSize(panel); }),
          QStringLiteral("the panel did not compact at the end"));
    Settle();
    Log(QStringLiteral("final: ") + DescribePanel(panel));
}

void Tour::TourEdge(const QString& edge)
{
    QWidget* panel = host.Panel();
    const QRect screen =
        panel->screen() ? panel->screen()->availableGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    QPoint target = screen.center();
    if (edge == QLatin1String("Right"))
        target.setX(screen.right() - 10);
    else if (edge == QLatin1String("Left"))
        target.setX(screen.left() + 10);
    else if (edge == QLatin1String("Top"))
        target.setY(screen.top() + 10);
    else
        target.setY(screen.bottom() - 10);

    Log(QStringLiteral("step: drag the panel to the %1 edge").arg(edge));
    Drag(panel, target);
    if (!Check(WaitFor([panel, edge] { return panel->property("Edge").toString() == edge; }),
               QStringLiteral("the panel did not dock %1 but %2").arg(edge, panel->property("Edge").toString())))
    {
        return;
    }
    Check(panel->size() == DockedSize(panel), QStringLiteral("the panel docked %1 has the wrong size").arg(edge));
    Check(screen.contains(panel->geometry()), QStringLiteral("the panel docked %1 is off the screen").arg(edge));
    Picture(QStringLiteral("panel-%1-maximized").arg(edge.toLower()), panel);

    auto* tail = Child(panel, "tailButton");
    Log(QStringLiteral("step: compact (tail tooltip \"%1\")").arg(tail->toolTip()));
    tail->click();
    Check(WaitFor(
              [panel]
              { return panel->property("State") == QLatin1String("Compacted") && panel->size() == DockedSize(panel); }),
          QStringLiteral("the panel did not compact on the %1 edge").arg(edge));
    Picture(QStringLiteral("panel-%1-compacted").arg(edge.toLower()), panel);

    Log(QStringLiteral("step: expand (tail tooltip \"%1\")").arg(tail->toolTip()));
    tail->click();
    auto* body = Child<QWidget>(panel, "bodyContentFrame");
    Check(WaitFor([panel, body] { return panel->size() == DockedSize(panel) && body && body->isVisible(); }),
          QStringLiteral("the panel did not expand on the %1 edge").arg(edge));
    Settle();
}

void Tour::TourDialogs(const QString& suffix)
{
    QWidget* panel = host.Panel();
    // The triangle stands for a chosen feature; the plus button for none.
    auto* triangle = Child(panel, "triangleButton");
    auto* opener = triangle && triangle->isVisible() ? triangle : Child(panel, "plusButton");
    if (!Check(opener && opener->isVisible(), QStringLiteral("neither plus nor triangle button is shown")))
    {
        return;
    }
    const int feedbackBefore = host.Feedback().Sent().size();

    WhenModal(CustomizationClass,
              [this, suffix](QWidget* dialog)
              {
                  Picture(QStringLiteral("dialog-customization") + suffix, dialog);
                  auto* audio = Child(dialog, "audioCapturingFeatureButton");
                  if (!Check(audio, QStringLiteral("the chooser has no audio card")))
                  {
                      dialog->close();
                      return;
                  }
                  if (!audio->isChecked())
                  {
                      Click(audio);
                  }
                  Check(audio->isChecked(), QStringLiteral("the audio card did not become selected"));
                  Picture(QStringLiteral("dialog-customization-selected") + suffix, dialog);

                  WhenModal(RequestClass,
                            [this, suffix](QWidget* request)
                            {
                                auto* send = Child(request, "sendButton");
                                auto* edit = Child<QTextEdit>(request, "featureRequestTextEdit");
                                if (!Check(send && edit, QStringLiteral("the request window lacks its text box")))
                                {
                                    request->close();
                                    return;
                                }
                                Check(!send->isEnabled(), QStringLiteral("Send is enabled without text"));
                                Picture(QStringLiteral("feature-request-empty") + suffix, request);
                                edit->setPlainText(
                                    QStringLiteral("Stop the recording by itself after a set time, please."));
                                Check(send->isEnabled(), QStringLiteral("Send stays disabled with text"));
                                Picture(QStringLiteral("feature-request") + suffix, request);

                                WhenModal(DoneClass,
                                          [this, suffix](QWidget* done)
                                          {
                                              Picture(QStringLiteral("thank-you") + suffix, done);
                                              // The panel opens the chooser again afterwards.
                                              WhenModal(CustomizationClass,
                                                        [this](QWidget* again)
                                                        {
                                                            Log(QStringLiteral("step: close the reopened chooser"));
                                                            Click(Child(again, "closeButton"));
                                                        });
                                              Click(Child(done, "confirmButton"));
                                          });
                                Click(send);
                            });
                  Log(QStringLiteral("step: click \"I want more features\""));
                  Click(Child<QWidget>(dialog, "newFeatureLabel"));
              });
    Log(QStringLiteral("step: open the chooser with the %1").arg(opener->objectName()));
    Click(opener);
    Settle();

    Check(!QApplication::activeModalWidget(), QStringLiteral("a dialog is still open after the chooser tour"));
    Check(host.Feedback().Sent().size() == feedbackBefore + 1, QStringLiteral("the feature request was not sent"));
    auto* stack = Child<QStackedWidget>(panel, "additionalFeatureStack");
    Check(stack && stack->currentWidget() &&
              stack->currentWidget()->property("featureId").toString() == QLatin1String("audioCapturing"),
          QStringLiteral("the panel does not show the chosen audio feature"));
}

void Tour::TourHotkeysAndButtons()
{
    QWidget* panel = host.Panel();
    auto* screenshot = Child(panel, "screenshottingFeatureButton");
    if (!Check(screenshot, QStringLiteral("the panel has no screenshot button")))
    {
        return;
    }
    Log(QStringLiteral("step: click the screenshot button (tooltip \"%1\")").arg(screenshot->toolTip()));
    const QString before = host.Handler().LastScreenshot();
    screenshot->click();
    // The picture is taken once the panel has had its way and is out of sight.
    Check(WaitFor([this, &before] { return host.Handler().LastScreenshot() != before; }),
          QStringLiteral("the screenshot button saved no picture"));
    Check(WaitFor([panel] { return panel->isVisible(); }),
          QStringLiteral("the panel did not come back after the screenshot"));
    for (const char* name : {"capturingFeatureButton", "audioCapturingFeatureButton"})
    {
        auto* button = Child(panel, name);
        if (Check(button, QStringLiteral("the panel has no %1").arg(QLatin1String(name))))
        {
            Log(QStringLiteral("step: click %1 (tooltip \"%2\")").arg(QLatin1String(name), button->toolTip()));
            button->click();
        }
    }

    auto& hotkeys = host.HotkeyManager();
    const QString beforeHotkey = host.Handler().LastScreenshot();
    for (const QString& id :
         QStringList{QStringLiteral("takeScreenshot"), QStringLiteral("captureStartStop"),
                     QStringLiteral("audioCaptureStartStop"), QStringLiteral("webCameraCaptureStartStop")} +
             DemoHost::PresetHotkeyIds())
    {
        Log(QStringLiteral("step: fire hotkey %1").arg(id));
        hotkeys.Fire(id);
    }
    // Saved before the next steps, so that its message reaches no later picture.
    Check(WaitFor([this, &beforeHotkey] { return host.Handler().LastScreenshot() != beforeHotkey; }),
          QStringLiteral("the screenshot hotkey saved no picture"));

    Log(QStringLiteral("step: change the screenshot hotkey to Ctrl+Alt+P"));
    host.Hotkeys().SetGlobalHotkeyTakeScreenshot("Ctrl+Alt+P");
    Check(screenshot->toolTip().contains(QKeySequence(QStringLiteral("Ctrl+Alt+P")).toString(QKeySequence::NativeText)),
          QStringLiteral("the screenshot tooltip does not show the new hotkey: %1").arg(screenshot->toolTip()));
    Log(QStringLiteral("screenshot tooltip now \"%1\"").arg(screenshot->toolTip()));
    host.Hotkeys().SetGlobalHotkeyTakeScreenshot("Ctrl+Shift+S");

    Log(QStringLiteral("step: deactivate and activate again"));
    host.Deactivate();
    Check(WaitFor([panel] { return !panel->isVisible(); }), QStringLiteral("deactivation left the panel shown"));
    host.Activate(false);
    Check(WaitFor([panel] { return panel->isVisible(); }), QStringLiteral("activation did not show the panel"));
}

void Tour::TourMenusAndControls()
{
    Picture(QStringLiteral("menu-tray"), host.TrayMenu());
    Picture(QStringLiteral("menu-capture"), host.CaptureMenu());

    controls = new ControlWindow(host, languages);
    // Every tour draws the same picture: no clock, no folder names, no screenshot file names.
    controls->ShowLogTimes(false);
    Child<QLabel>(controls, "settingsLabel")
        ->setText(ControlWindow::tr("Settings: %1").arg(QFileInfo(host.SettingsFile()).fileName()));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    controls->move(screen.center() - controls->rect().center());
    controls->show();
    WaitFor([this] { return controls->windowHandle() && controls->windowHandle()->isExposed(); });
    controls->AppendLog(QStringLiteral("Tour: the control window's log shows the launcher's calls as they happen."));
    Child(controls, "captureStartStopFireButton")->click();
    Picture(QStringLiteral("control-window"), controls);
    controls->close();
    delete controls;
    controls = nullptr;
}
} // namespace OrbDemo
