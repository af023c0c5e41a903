#pragma once

#include "Module/Launcher/UI/Sidebar/Sidebar.h"

#include <QString>

#include <functional>
#include <vector>

class QMainWindow;
class QPushButton;
class QStackedWidget;
class QWidget;
class ZFrame;

namespace Zarvo::Orb::Module::Launcher::UI
{
// The id that stands for "no additional feature chosen".
inline constexpr char kPlusFeature[] = "plusFeature";

// The panel's widgets, built in code. The Qt parent tree owns them; this object keeps
// pointers, the texts that must survive a retranslation and the feature button lists.
class Q_DECL_HIDDEN Sidebar::UI
{
public:
    // The widgets are made carrying the style values of this edge and state.
    UI(QMainWindow* window, ScreenEdge edge, SidebarUiState state);

    void BuildLayoutForEdge(ScreenEdge edge);
    void ClearLayouts();
    // Gives every panel widget the values and re-polishes each once when they change.
    void ApplySidebarStyles(ScreenEdge edge, SidebarUiState state);
    // For a widget made after construction: the current values before its first polish.
    void GiveStyleValues(QWidget* widget) const;
    void RetranslateUiTexts();
    void SetSettingsHotkeyText(const QString& text);

    void SetCurrentAdditionalFeature(const QString& id);
    QPushButton* FindFeatureButton(const QString& id) const;
    QString CurrentAdditionalFeatureId() const;

    QMainWindow* window = nullptr;

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

    QStackedWidget* additionalFeatureStack = nullptr;

    QString edgeText;
    QString stateText;
    QString settingsHotkeyText;
    std::function<void()> tailTooltipSetter;
    std::vector<QPushButton*> mainFeatureButtons;
    std::vector<QPushButton*> additionalFeatureButtons;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
