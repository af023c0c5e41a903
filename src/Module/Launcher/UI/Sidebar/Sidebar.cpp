#include "Module/Launcher/UI/Sidebar/Sidebar.h"

#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/LoggedCall.h"
#include "Module/Launcher/UI/Sidebar/SidebarImpl.h"
#include "Module/Launcher/UI/Sidebar/SidebarUi.h"

#include "OrbUiActionsController/ActionsController.h"
#include "OrbUtilUI/WindowUtil.h"
#include "ZarvoWidget/Util.h"
#include "ZarvoWidget/ZFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTimerEvent>
#include <QToolTip>

#include <functional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace Zarvo::Orb::Module::Launcher::UI
{
using namespace SidebarDetail;

Sidebar::Sidebar(const std::shared_ptr<Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController,
                 const std::shared_ptr<Zarvo::App::IApplicationSettingsManager>& settingsManager,
                 const std::shared_ptr<Zarvo::App::ICustomizationManager>& customizationManager,
                 const std::shared_ptr<Zarvo::App::ILinksOpener>& linksOpener, QWidget* parent)
    : QMainWindow(parent, Qt::WindowFlags())
    , d(std::make_unique<Impl>(this, actionsController, settingsManager, customizationManager, linksOpener))
{
    hide();
    setObjectName(QStringLiteral("Sidebar"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    // The user mostly works in another program while the panel sits at the edge.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // The panel is a spatial object: its layouts already face the screen edge in every language.
    setLayoutDirection(Qt::LeftToRight);
    Zarvo::Orb::UI::Util::AttachAutoMaskHelper(this);
    Zarvo::Orb::UI::Util::FixWindowOffscreenJumps(this);

    // Clicks run from Qt's event loop, which no exception may cross; a failing host call is logged.
    UI* ui = d->ui.get();
    const auto onClick = [this](QPushButton* button, const char* where, std::function<void()> work)
    {
        connect(button, &QPushButton::clicked, this, [where, work = std::move(work)] { RunLogged(where, work); });
    };
    onClick(ui->tailButton, "Zarvo::Orb::Module::Launcher::UI::Sidebar::ToggleUiState", [this] { d->ToggleUiState(); });
    onClick(ui->settingsButton, "Zarvo::Orb::Module::Launcher::UI::Sidebar::TriggerPreferences",
            [this] { d->TriggerPreferences(); });
    onClick(ui->closeButton, "Zarvo::Orb::Module::Launcher::UI::Sidebar::CloseRequest",
            [this] { emit CloseRequest(CloseButton); });
    for (QPushButton* button : {ui->plusButton, ui->triangleButton})
    {
        onClick(button, "Zarvo::Orb::Module::Launcher::UI::Sidebar::ShowCustomizationDialog",
                [this] { d->ShowCustomizationDialog(); });
    }
    connect(&d->geometryAnimation, &QAbstractAnimation::stateChanged, this,
            [this](QAbstractAnimation::State newState, QAbstractAnimation::State oldState)
            { d->OnAnimationStateChanged(newState, oldState); });
    connect(&d->geometryAnimation, &QAbstractAnimation::finished, this, [this] { d->OnAnimationFinished(); });

    // The style sheet sets the size properties at polish time; docking below needs them.
    ensurePolished();
    resize(1, 1);

    for (QWidget* child : findChildren<QWidget*>())
    {
        child->installEventFilter(this);
    }

    d->RestoreFromSettings();

    setFocusPolicy(Qt::ClickFocus);
    d->RetranslateUi();

    for (const char* id : {ActionId::Preferences, ActionId::Quit})
    {
        if (QAction* action = d->actionsController->GetActionById(QLatin1String(id)))
        {
            addAction(action);
        }
    }
}

Sidebar::~Sidebar()
{
    // A failing store loses the last position; it must not terminate the host.
    RunLogged("Zarvo::Orb::Module::Launcher::UI::Sidebar::~Sidebar", [this] { d->SaveSettings(); });
    // A running animation reports its stop while it is destroyed along with the Impl.
    d->geometryAnimation.disconnect(this);
}

void Sidebar::SetMainFeatures(const std::vector<std::shared_ptr<IFeature>>& features)
{
    // The replaced buttons go with the layout; their tooltip functions must not outlive them.
    d->DropTooltipUpdaters(d->ui->mainFeatureButtons);
    d->ui->mainFeatureButtons.clear();
    ::Util::cleanupLayout(d->ui->mainFeatureFrame->layout());

    if (&features != &d->mainFeatures)
    {
        d->mainFeatures = features;
    }
    for (const auto& feature : d->mainFeatures)
    {
        d->AddFeatureButton(feature, Main);
    }
    d->SetScreenEdge(d->screenEdge);
    d->RetranslateUi();
}

void Sidebar::SetAdditionalFeatures(const std::vector<std::shared_ptr<IFeature>>& features)
{
    QStackedWidget* stack = d->ui->additionalFeatureStack;
    for (int index = stack->count() - 1; index >= 0; --index)
    {
        QWidget* page = stack->widget(index);
        if (page != d->ui->plusButton)
        {
            stack->removeWidget(page);
            page->deleteLater();
        }
    }
    d->DropTooltipUpdaters(d->ui->additionalFeatureButtons);
    d->ui->additionalFeatureButtons.clear();

    if (&features != &d->additionalFeatures)
    {
        d->additionalFeatures = features;
    }
    for (const auto& feature : d->additionalFeatures)
    {
        d->AddFeatureButton(feature, Additional);
    }
    d->ui->SetCurrentAdditionalFeature(QString::fromStdString(d->settings.ReadAdditionalFeatureId()));
    d->RetranslateUi();
}

void Sidebar::SetFeatureHotkeyById(const QString& featureId, const QString& hotkeyText)
{
    const auto [entry, first] = d->hotkeysById.try_emplace(featureId);
    entry->second.text = hotkeyText;
    // Only this feature's tooltip shows the changed text.
    if (!first && entry->second.tooltip.update)
    {
        entry->second.tooltip.update();
    }
}

SidebarUiState Sidebar::GetUiState() const
{
    return d->uiState;
}

void Sidebar::SetUiState(SidebarUiState state)
{
    switch (state)
    {
    case Maximized:
        Zarvo::Orb::UI::Util::ShowRaisedWindow(this);
        d->Expand(Animate | RecomputeEdge);
        break;
    case Compacted:
        Zarvo::Orb::UI::Util::ShowRaisedWindow(this);
        d->Compact(Animate | RecomputeEdge);
        break;
    case Hidden:
        d->uiState = Hidden;
        Zarvo::Orb::UI::Util::HideWindow(this);
        break;
    }
    d->SaveSettings();
}

int Sidebar::GetVerticalLauncherMaximumWidth() const
{
    return verticalLauncherMaximumWidth;
}

int Sidebar::GetVerticalLauncherMinimumWidth() const
{
    return verticalLauncherMinimumWidth;
}

int Sidebar::GetVerticalLauncherMaximumHeight() const
{
    return verticalLauncherMaximumHeight;
}

int Sidebar::GetVerticalLauncherMinimumHeight() const
{
    return verticalLauncherMinimumHeight;
}

int Sidebar::GetHorizontalLauncherMaximumWidth() const
{
    return horizontalLauncherMaximumWidth;
}

int Sidebar::GetHorizontalLauncherMinimumWidth() const
{
    return horizontalLauncherMinimumWidth;
}

int Sidebar::GetHorizontalLauncherMaximumHeight() const
{
    return horizontalLauncherMaximumHeight;
}

int Sidebar::GetHorizontalLauncherMinimumHeight() const
{
    return horizontalLauncherMinimumHeight;
}

void Sidebar::SetVerticalLauncherMaximumWidth(const int& value)
{
    verticalLauncherMaximumWidth = value;
}

void Sidebar::SetVerticalLauncherMinimumWidth(const int& value)
{
    verticalLauncherMinimumWidth = value;
}

void Sidebar::SetVerticalLauncherMaximumHeight(const int& value)
{
    verticalLauncherMaximumHeight = value;
}

void Sidebar::SetVerticalLauncherMinimumHeight(const int& value)
{
    verticalLauncherMinimumHeight = value;
}

void Sidebar::SetHorizontalLauncherMaximumWidth(const int& value)
{
    horizontalLauncherMaximumWidth = value;
}

void Sidebar::SetHorizontalLauncherMinimumWidth(const int& value)
{
    horizontalLauncherMinimumWidth = value;
}

void Sidebar::SetHorizontalLauncherMaximumHeight(const int& value)
{
    horizontalLauncherMaximumHeight = value;
}

void Sidebar::SetHorizontalLauncherMinimumHeight(const int& value)
{
    horizontalLauncherMinimumHeight = value;
}

bool Sidebar::eventFilter(QObject* watched, QEvent* event)
{
    auto* child = qobject_cast<QWidget*>(watched);
    if (!d || !child)
    {
        return QMainWindow::eventFilter(watched, event);
    }
    switch (event->type())
    {
    case QEvent::MouseButtonPress:
        mousePressEvent(static_cast<QMouseEvent*>(event));
        // Let the child see the press too, so a plain click still works.
        event->ignore();
        return false;
    case QEvent::MouseButtonRelease:
        // The pressed child takes the release, so the panel's own handler never sees it.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        {
            d->leftButtonPressed = false;
        }
        if (d->dragging)
        {
            // Swallowing the release keeps a drag that began on a button from clicking it.
            child->setAttribute(Qt::WA_UnderMouse, false);
            setFocus(Qt::OtherFocusReason);
            mouseReleaseEvent(static_cast<QMouseEvent*>(event));
            return true;
        }
        return false;
    case QEvent::ToolTip:
        // Hotkey texts come from the user; never let them be read as markup.
        if (Qt::mightBeRichText(child->toolTip()))
        {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                               Qt::convertFromPlainText(child->toolTip(), Qt::WhiteSpaceNoWrap), child);
            return true;
        }
        return false;
    case QEvent::MouseMove:
        if (d->leftButtonPressed)
        {
            child->setAttribute(Qt::WA_UnderMouse, false);
            mouseMoveEvent(static_cast<QMouseEvent*>(event));
            return true;
        }
        return false;
    default:
        return false;
    }
}

void Sidebar::timerEvent(QTimerEvent* event)
{
    if (!d || event->timerId() != d->dragWatchTimerId)
    {
        QMainWindow::timerEvent(event);
        return;
    }
    // A release outside the panel never reaches it; end such a drag here.
    if (d->dragging && QGuiApplication::mouseButtons() != Qt::LeftButton)
    {
        d->EndDrag();
    }
}

void Sidebar::mousePressEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
    {
        QMainWindow::mousePressEvent(event);
        return;
    }
    d->leftButtonPressed = true;
    d->dragOffset = event->globalPos() - frameGeometry().topLeft();
    event->accept();
}

void Sidebar::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || !d->leftButtonPressed)
    {
        QMainWindow::mouseMoveEvent(event);
        return;
    }
    const QPoint newPosition = event->globalPos() - d->dragOffset;
    // A small jitter during a click must not move the panel.
    if (!d->dragging && (pos() - newPosition).manhattanLength() < 8)
    {
        return;
    }
    if (!d->dragging)
    {
        // A state animation still running would move the panel back after the snap.
        d->FinishAnimation();
    }
    move(newPosition);
    event->accept();
    d->dragging = true;
}

void Sidebar::mouseReleaseEvent(QMouseEvent* event)
{
    d->leftButtonPressed = false;
    if (d->dragging)
    {
        d->EndDrag();
        event->ignore();
        return;
    }
    event->accept();
}

void Sidebar::closeEvent(QCloseEvent* event)
{
    event->ignore();
    RunLogged("Zarvo::Orb::Module::Launcher::UI::Sidebar::closeEvent", [this] { emit CloseRequest(WindowClose); });
}

void Sidebar::showEvent(QShowEvent* event)
{
#ifdef Q_OS_WIN
    const auto window = reinterpret_cast<HWND>(winId());
    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~WS_MINIMIZEBOX);
#endif
    if (d->dragWatchTimerId != -1)
    {
        killTimer(d->dragWatchTimerId);
    }
    d->dragWatchTimerId = startTimer(300, Qt::CoarseTimer);
    QMainWindow::showEvent(event);
    d->SnapToNearestEdge();
}

void Sidebar::hideEvent(QHideEvent* event)
{
    d->leftButtonPressed = false;
    if (d->dragWatchTimerId != -1)
    {
        killTimer(d->dragWatchTimerId);
        d->dragWatchTimerId = -1;
    }
    if (d->dragging)
    {
        d->EndDrag();
    }
    QMainWindow::hideEvent(event);
}

void Sidebar::changeEvent(QEvent* event)
{
    if (d && event->type() == QEvent::LanguageChange)
    {
        RunLogged("Zarvo::Orb::Module::Launcher::UI::Sidebar::changeEvent", [this] { d->RetranslateUi(); });
    }
    QWidget::changeEvent(event);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
