#include "BarePanel.h"

#include "ZarvoWidget/ZFrame.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QMainWindow>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <QVariant>

// Style sheets select on the panel's class name; this window class takes it without clashing
// with the real one (moc leaves the unnamed name space out of the class name).
namespace Zarvo::Orb::Module::Launcher::UI
{
namespace
{
class Sidebar : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(int verticalLauncherMaximumWidth MEMBER verticalLauncherMaximumWidth)
    Q_PROPERTY(int verticalLauncherMinimumWidth MEMBER verticalLauncherMinimumWidth)
    Q_PROPERTY(int verticalLauncherMaximumHeight MEMBER verticalLauncherMaximumHeight)
    Q_PROPERTY(int verticalLauncherMinimumHeight MEMBER verticalLauncherMinimumHeight)
    Q_PROPERTY(int horizontalLauncherMaximumWidth MEMBER horizontalLauncherMaximumWidth)
    Q_PROPERTY(int horizontalLauncherMinimumWidth MEMBER horizontalLauncherMinimumWidth)
    Q_PROPERTY(int horizontalLauncherMaximumHeight MEMBER horizontalLauncherMaximumHeight)
    Q_PROPERTY(int horizontalLauncherMinimumHeight MEMBER horizontalLauncherMinimumHeight)

public:
    Sidebar()
        : QMainWindow(nullptr,
                      Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint)
    {
    }

    int verticalLauncherMaximumWidth = 0;
    int verticalLauncherMinimumWidth = 0;
    int verticalLauncherMaximumHeight = 0;
    int verticalLauncherMinimumHeight = 0;
    int horizontalLauncherMaximumWidth = 0;
    int horizontalLauncherMinimumWidth = 0;
    int horizontalLauncherMaximumHeight = 0;
    int horizontalLauncherMinimumHeight = 0;
};
} // namespace
} // namespace Zarvo::Orb::Module::Launcher::UI

namespace Bench
{
namespace
{
QString EdgeText(int edge)
{
    switch (edge)
    {
    case 1:
        return QStringLiteral("Left");
    case 2:
        return QStringLiteral("Top");
    case 4:
        return QStringLiteral("Bottom");
    default:
        return QStringLiteral("Right");
    }
}

QBoxLayout* MakeBox(Qt::Orientation orientation, QWidget* frame)
{
    QBoxLayout* layout = orientation == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(frame))
                                                       : static_cast<QBoxLayout*>(new QVBoxLayout(frame));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

void AddCentred(QBoxLayout* layout, QWidget* widget)
{
    layout->addStretch(0);
    layout->addWidget(widget);
    layout->addStretch(0);
}
} // namespace

class BarePanel::Impl
{
public:
    template <class T, class Parent> T* Make(const QString& name, Parent* parent)
    {
        T* widget = new T(parent);
        widget->setObjectName(name);
        widget->setProperty("Edge", edgeText);
        widget->setProperty("State", stateText);
        byName.insert(name, widget);
        return widget;
    }

    void BuildLayouts(int edge)
    {
        const bool vertical = edge == 1 || edge == 3;
        const Qt::Orientation along = vertical ? Qt::Vertical : Qt::Horizontal;
        const Qt::Orientation across = vertical ? Qt::Horizontal : Qt::Vertical;
        const bool mirrored = edge == 1 || edge == 2;

        QBoxLayout* small = MakeBox(across, smallButtonsFrame);
        small->addWidget(mirrored ? closeButton : settingsButton);
        small->addWidget(mirrored ? settingsButton : closeButton);
        QBoxLayout* main = MakeBox(along, mainFeatureFrame);
        for (QPushButton* button : mainButtons)
        {
            main->addWidget(button);
        }
        auto* additional = new QGridLayout(additionalFeatureFrame);
        additional->setContentsMargins(0, 0, 0, 0);
        additional->setSpacing(0);
        additional->addWidget(stack, 0, 0);
        additional->addWidget(triangleButton, 0, 0);
        QBoxLayout* content = MakeBox(along, bodyContentFrame);
        const Qt::Alignment centred = vertical ? Qt::AlignHCenter : Qt::AlignVCenter;
        content->addWidget(smallButtonsFrame, 0, centred);
        content->addWidget(mainFeatureFrame, 0, centred);
        content->addWidget(additionalFeatureFrame, 0, centred);
        AddCentred(MakeBox(along, bodyFrame), bodyContentFrame);
        AddCentred(MakeBox(along, tailButtonFrame), tailButton);
        QBoxLayout* tailAndBody = MakeBox(across, tailAndBodyFrame);
        tailAndBody->addWidget(mirrored ? bodyFrame : tailButtonFrame);
        tailAndBody->addWidget(mirrored ? tailButtonFrame : bodyFrame);
        MakeBox(along, mainFrame)->addWidget(tailAndBodyFrame);
    }

    void DeleteLayouts()
    {
        for (QWidget* frame : {smallButtonsFrame, mainFeatureFrame, additionalFeatureFrame, bodyFrame, bodyContentFrame,
                               tailButtonFrame, tailAndBodyFrame, mainFrame})
        {
            delete frame->layout();
        }
    }

    // What the style needs: both values, then one re-polish of each widget.
    void Restyle()
    {
        for (QWidget* widget : QList<QWidget*>{window.get()} + window->findChildren<QWidget*>())
        {
            widget->setProperty("Edge", edgeText);
            widget->setProperty("State", stateText);
            QStyle* style = widget->style();
            style->unpolish(widget);
            style->polish(widget);
            QEvent styleChange(QEvent::StyleChange);
            QCoreApplication::sendEvent(widget, &styleChange);
        }
    }

    void Relayout()
    {
        window->layout()->invalidate();
        window->layout()->activate();
    }

    std::unique_ptr<Zarvo::Orb::Module::Launcher::UI::Sidebar> window;
    QString edgeText;
    QString stateText;
    ZFrame* mainFrame = nullptr;
    ZFrame* tailAndBodyFrame = nullptr;
    ZFrame* tailButtonFrame = nullptr;
    ZFrame* bodyFrame = nullptr;
    ZFrame* bodyContentFrame = nullptr;
    ZFrame* smallButtonsFrame = nullptr;
    ZFrame* mainFeatureFrame = nullptr;
    ZFrame* additionalFeatureFrame = nullptr;
    QPushButton* tailButton = nullptr;
    QPushButton* settingsButton = nullptr;
    QPushButton* closeButton = nullptr;
    QPushButton* plusButton = nullptr;
    QPushButton* triangleButton = nullptr;
    QStackedWidget* stack = nullptr;
    QList<QPushButton*> mainButtons;
    std::unique_ptr<QPropertyAnimation> animation;
    QHash<QString, QWidget*> byName;
};

BarePanel::BarePanel(int edge, bool compacted, const QStringList& mainIds, const QStringList& additionalIds,
                     const QString& currentAdditionalId, const Texts& texts)
    : d(std::make_unique<Impl>())
{
    d->edgeText = EdgeText(edge);
    d->stateText = compacted ? QStringLiteral("Compacted") : QStringLiteral("Maximized");
    d->window = std::make_unique<Zarvo::Orb::Module::Launcher::UI::Sidebar>();
    QMainWindow* window = d->window.get();
    window->setObjectName(QStringLiteral("Sidebar"));
    window->setProperty("Edge", d->edgeText);
    window->setProperty("State", d->stateText);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setFocusPolicy(Qt::ClickFocus);

    d->mainFrame = d->Make<ZFrame>(QStringLiteral("mainFrame"), window);
    d->tailAndBodyFrame = d->Make<ZFrame>(QStringLiteral("tailAndBodyFrame"), d->mainFrame);
    d->tailButtonFrame = d->Make<ZFrame>(QStringLiteral("tailButtonFrame"), d->tailAndBodyFrame);
    d->bodyFrame = d->Make<ZFrame>(QStringLiteral("bodyFrame"), d->tailAndBodyFrame);
    d->tailButton = d->Make<QPushButton>(QStringLiteral("tailButton"), d->tailButtonFrame);
    d->bodyContentFrame = d->Make<ZFrame>(QStringLiteral("bodyContentFrame"), d->bodyFrame);
    d->smallButtonsFrame = d->Make<ZFrame>(QStringLiteral("smallButtonsFrame"), d->bodyContentFrame);
    d->settingsButton = d->Make<QPushButton>(QStringLiteral("settingsButton"), d->smallButtonsFrame);
    d->closeButton = d->Make<QPushButton>(QStringLiteral("closeButton"), d->smallButtonsFrame);
    d->mainFeatureFrame = d->Make<ZFrame>(QStringLiteral("mainFeatureFrame"), d->bodyContentFrame);
    d->additionalFeatureFrame = d->Make<ZFrame>(QStringLiteral("additionalFeatureFrame"), d->bodyContentFrame);
    d->stack = d->Make<QStackedWidget>(QStringLiteral("additionalFeatureStack"), d->additionalFeatureFrame);
    d->plusButton = d->Make<QPushButton>(QStringLiteral("plusButton"), d->stack);
    d->triangleButton = d->Make<QPushButton>(QStringLiteral("triangleButton"), d->additionalFeatureFrame);
    for (const QString& id : mainIds)
    {
        QPushButton* button = d->Make<QPushButton>(id + QStringLiteral("FeatureButton"), d->mainFeatureFrame);
        button->setProperty("featureId", id);
        d->mainButtons << button;
    }
    d->stack->addWidget(d->plusButton);
    for (const QString& id : additionalIds)
    {
        QPushButton* button = d->Make<QPushButton>(id + QStringLiteral("FeatureButton"), d->stack);
        button->setProperty("featureId", id);
        d->stack->addWidget(button);
        if (id == currentAdditionalId)
        {
            d->stack->setCurrentWidget(button);
        }
    }
    d->triangleButton->setVisible(d->stack->currentWidget() != d->plusButton);
    d->BuildLayouts(edge);
    window->setCentralWidget(d->mainFrame);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
    {
        if (QWidget* widget = d->byName.value(it.key()))
        {
            widget->setToolTip(it.value().value(0));
            widget->setAccessibleName(it.value().value(1));
            widget->setAccessibleDescription(it.value().value(2));
        }
    }
    if (compacted)
    {
        d->bodyContentFrame->hide();
    }

    d->animation = std::make_unique<QPropertyAnimation>(window, QByteArrayLiteral("geometry"));
    d->animation->setDuration(150);
    QObject::connect(d->animation.get(), &QAbstractAnimation::finished, window,
                     [this]
                     {
                         if (d->stateText != QLatin1String("Compacted"))
                         {
                             d->bodyContentFrame->show();
                         }
                     });
}

BarePanel::~BarePanel() = default;

QWidget* BarePanel::Window() const
{
    return d->window.get();
}

void BarePanel::Show(const QRect& geometry)
{
    d->window->ensurePolished();
    d->Relayout();
    d->window->setGeometry(geometry);
    d->window->show();
    d->window->raise();
}

void BarePanel::ChangeEdge(int edge, const QRect& dropped, const QRect& docked)
{
    d->window->move(dropped.topLeft());
    d->edgeText = EdgeText(edge);
    d->DeleteLayouts();
    d->BuildLayouts(edge);
    d->Restyle();
    d->Relayout();
    d->window->setGeometry(docked);
}

void BarePanel::ChangeState(bool compacted, const QRect& geometry)
{
    d->stateText = compacted ? QStringLiteral("Compacted") : QStringLiteral("Maximized");
    d->Restyle();
    d->tailButton->setToolTip(compacted ? QCoreApplication::translate("Sidebar", "Expand")
                                        : QCoreApplication::translate("Sidebar", "Compact"));
    d->tailButton->setAccessibleName(d->tailButton->toolTip());
    d->bodyContentFrame->hide();
    d->animation->setStartValue(d->window->geometry());
    d->animation->setEndValue(geometry);
    d->animation->start();
}

void BarePanel::SetToolTip(const QString& objectName, const QString& text)
{
    if (QWidget* widget = d->byName.value(objectName))
    {
        widget->setToolTip(text);
        widget->setAccessibleDescription(text);
    }
}
} // namespace Bench

#include "BarePanel.moc"
