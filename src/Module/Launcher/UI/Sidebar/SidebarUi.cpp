#include "Module/Launcher/UI/Sidebar/SidebarUi.h"

#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/Tr.h"
#include "Module/Launcher/UI/WidgetKit.h"

#include "ZQtUtil/ZQtUtil.h"
#include "ZarvoWidget/Util.h"
#include "ZarvoWidget/ZFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QVariant>

namespace Zarvo::Orb::Module::Launcher::UI
{
namespace
{
QString EdgeText(ScreenEdge edge)
{
    switch (edge)
    {
    case Left:
        return QStringLiteral("Left");
    case Top:
        return QStringLiteral("Top");
    case Bottom:
        return QStringLiteral("Bottom");
    default:
        return QStringLiteral("Right");
    }
}

QString StateText(SidebarUiState state)
{
    return state == Compacted ? QStringLiteral("Compacted") : QStringLiteral("Maximized");
}

void AddCentred(QBoxLayout* layout, QWidget* widget)
{
    layout->addStretch(0);
    layout->addWidget(widget);
    layout->addStretch(0);
}
} // namespace

Sidebar::UI::UI(QMainWindow* window, ScreenEdge edge, SidebarUiState state)
    : window(window)
    , edgeText(EdgeText(edge))
    , stateText(StateText(state))
{
    mainFrame = MakeNamed<ZFrame>(window, QStringLiteral("mainFrame"));
    tailAndBodyFrame = MakeNamed<ZFrame>(mainFrame, QStringLiteral("tailAndBodyFrame"));
    tailButtonFrame = MakeNamed<ZFrame>(mainFrame, QStringLiteral("tailButtonFrame"));
    bodyFrame = MakeNamed<ZFrame>(mainFrame, QStringLiteral("bodyFrame"));
    tailButton = MakeNamed<QPushButton>(tailButtonFrame, QStringLiteral("tailButton"));
    bodyContentFrame = MakeNamed<ZFrame>(bodyFrame, QStringLiteral("bodyContentFrame"));
    smallButtonsFrame = MakeNamed<ZFrame>(bodyContentFrame, QStringLiteral("smallButtonsFrame"));
    settingsButton = MakeNamed<QPushButton>(smallButtonsFrame, QStringLiteral("settingsButton"));
    closeButton = MakeNamed<QPushButton>(smallButtonsFrame, QStringLiteral("closeButton"));
    mainFeatureFrame = MakeNamed<ZFrame>(bodyContentFrame, QStringLiteral("mainFeatureFrame"));
    additionalFeatureFrame = MakeNamed<ZFrame>(bodyContentFrame, QStringLiteral("additionalFeatureFrame"));
    additionalFeatureStack =
        MakeNamed<QStackedWidget>(additionalFeatureFrame, QStringLiteral("additionalFeatureStack"));
    plusButton = MakeNamed<QPushButton>(additionalFeatureStack, QStringLiteral("plusButton"));
    triangleButton = MakeNamed<QPushButton>(additionalFeatureFrame, QStringLiteral("triangleButton"));

    triangleButton->setVisible(false);
    for (QWidget* widget : QList<QWidget*>{window} + window->findChildren<QWidget*>())
    {
        GiveStyleValues(widget);
    }

    BuildLayoutForEdge(Right);
    window->setCentralWidget(mainFrame);
    // The stack shows, and so polishes, its first page: only once the page sits in its final
    // parent, as moving a polished widget re-polishes it.
    additionalFeatureStack->addWidget(plusButton);
    RetranslateUiTexts();
}

void Sidebar::UI::BuildLayoutForEdge(ScreenEdge edge)
{
    if (edge != Left && edge != Top && edge != Right && edge != Bottom)
    {
        return;
    }
    // "Along" runs parallel to the screen edge; the panel's content stacks that way.
    const bool verticalEdge = edge == Left || edge == Right;
    const Qt::Orientation along = verticalEdge ? Qt::Vertical : Qt::Horizontal;
    const Qt::Orientation across = verticalEdge ? Qt::Horizontal : Qt::Vertical;
    // On Left and Top the close button sits nearer the edge and the tail faces the screen's middle.
    const bool mirrored = edge == Left || edge == Top;

    QBoxLayout* smallButtons = MakeFlushBox(across, smallButtonsFrame);
    smallButtons->addWidget(mirrored ? closeButton : settingsButton);
    smallButtons->addWidget(mirrored ? settingsButton : closeButton);

    QBoxLayout* mainFeatures = MakeFlushBox(along, mainFeatureFrame);
    for (QPushButton* button : mainFeatureButtons)
    {
        mainFeatures->addWidget(button);
    }

    auto* additional = MakeFlushLayout<QGridLayout>(additionalFeatureFrame);
    additional->addWidget(additionalFeatureStack, 0, 0);
    additional->addWidget(triangleButton, 0, 0);

    QBoxLayout* bodyContent = MakeFlushBox(along, bodyContentFrame);
    const Qt::Alignment centred = verticalEdge ? Qt::AlignHCenter : Qt::AlignVCenter;
    bodyContent->addWidget(smallButtonsFrame, 0, centred);
    bodyContent->addWidget(mainFeatureFrame, 0, centred);
    bodyContent->addWidget(additionalFeatureFrame, 0, centred);

    AddCentred(MakeFlushBox(along, bodyFrame), bodyContentFrame);
    AddCentred(MakeFlushBox(along, tailButtonFrame), tailButton);

    QBoxLayout* tailAndBody = MakeFlushBox(across, tailAndBodyFrame);
    tailAndBody->addWidget(mirrored ? bodyFrame : tailButtonFrame);
    tailAndBody->addWidget(mirrored ? tailButtonFrame : bodyFrame);

    MakeFlushBox(along, mainFrame)->addWidget(tailAndBodyFrame);
}

void Sidebar::UI::ClearLayouts()
{
    for (ZFrame* frame : {smallButtonsFrame, mainFeatureFrame, additionalFeatureFrame, bodyFrame, bodyContentFrame,
                          tailButtonFrame, tailAndBodyFrame, mainFrame})
    {
        if (QLayout* layout = frame->layout())
        {
            ::Util::clearLayout(layout);
            delete layout;
        }
    }
}

void Sidebar::UI::ApplySidebarStyles(ScreenEdge edge, SidebarUiState state)
{
    const QString newEdgeText = EdgeText(edge);
    const QString newStateText = StateText(state);
    // Every widget the panel makes is given the values as it is made: with the same values
    // there is nothing to restyle, and with new ones every widget needs them (reading a
    // widget's values back would cost more than the check saves).
    const bool changed = newEdgeText != edgeText || newStateText != stateText;
    edgeText = newEdgeText;
    stateText = newStateText;
    const bool compacted = state == Compacted;

    // A re-polish is where the style sheet's cost lies: one per widget, and none before a
    // widget's first polish, which reads the values anyway.
    const QList<QWidget*> widgets =
        changed ? QList<QWidget*>{window} + window->findChildren<QWidget*>() : QList<QWidget*>();
    for (QWidget* widget : widgets)
    {
        if (!widget->testAttribute(Qt::WA_WState_Polished))
        {
            GiveStyleValues(widget);
            continue;
        }
        widget->setProperty("State", stateText);
        Zarvo::Util::ApplyWidgetStyle(widget, edgeText, "Edge");
        // A re-polish leaves what a widget takes from its style at a style change (frame widths,
        // cached size hints) as the old values made it; a widget made now would have it new.
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &styleChange);
    }

    QPushButton* button = tailButton;
    tailTooltipSetter = [button, compacted]
    {
        button->setToolTip(compacted ? SidebarTr::tr("Expand") : SidebarTr::tr("Compact"));
        button->setAccessibleName(button->toolTip());
    };
    tailTooltipSetter();
}

void Sidebar::UI::GiveStyleValues(QWidget* widget) const
{
    widget->setProperty("Edge", edgeText);
    widget->setProperty("State", stateText);
}

void Sidebar::UI::RetranslateUiTexts()
{
    plusButton->setToolTip(SidebarTr::tr("Additional functional"));
    plusButton->setAccessibleName(plusButton->toolTip());
    // Both open the choice of the additional feature.
    triangleButton->setAccessibleName(plusButton->toolTip());
    closeButton->setToolTip(SidebarTr::tr("Close"));
    closeButton->setAccessibleName(closeButton->toolTip());
    SetSettingsHotkeyText(settingsHotkeyText);
    if (tailTooltipSetter)
    {
        tailTooltipSetter();
    }
}

void Sidebar::UI::SetSettingsHotkeyText(const QString& text)
{
    settingsHotkeyText = text;
    settingsButton->setToolTip(SidebarTr::tr("Settings (%1)").arg(text, 0, QLatin1Char(' ')));
    settingsButton->setAccessibleName(SidebarTr::tr("Settings"));
    settingsButton->setAccessibleDescription(settingsButton->toolTip());
}

void Sidebar::UI::SetCurrentAdditionalFeature(const QString& id)
{
    if (id == QLatin1String(kPlusFeature))
    {
        additionalFeatureStack->setCurrentWidget(plusButton);
        triangleButton->setVisible(false);
        return;
    }
    if (QPushButton* button = FindFeatureButton(id))
    {
        additionalFeatureStack->setCurrentWidget(button);
        triangleButton->setVisible(true);
    }
}

QPushButton* Sidebar::UI::FindFeatureButton(const QString& id) const
{
    for (QPushButton* button : mainFeatureButtons)
    {
        if (button->property(kFeatureIdProperty).toString() == id)
        {
            return button;
        }
    }
    for (QPushButton* button : additionalFeatureButtons)
    {
        if (button->property(kFeatureIdProperty) == QVariant(id))
        {
            return button;
        }
    }
    return nullptr;
}

QString Sidebar::UI::CurrentAdditionalFeatureId() const
{
    QWidget* current = additionalFeatureStack->currentWidget();
    return current ? current->property(kFeatureIdProperty).toString() : QString();
}
} // namespace Zarvo::Orb::Module::Launcher::UI
