#pragma once

#include <QKeySequence>
#include <QKeySequenceEdit>

namespace OrbDemo
{
// Records one key combination for a global hotkey. Esc cancels and shows the committed
// combination again, Backspace or Delete clear it. Each new combination or clearing is
// offered through Edited; it stays shown only once committed with SetCommitted.
class HotkeyEdit : public QKeySequenceEdit
{
    Q_OBJECT
public:
    explicit HotkeyEdit(QWidget* parent = nullptr);

    QKeySequence Committed() const { return committed; }
    void SetCommitted(const QKeySequence& keys);
    // Shows the committed combination again, as cancelling does.
    void Revert();

signals:
    void Edited(const QKeySequence& keys);
    // While focused, the keys typed are meant for this editor, not for global hotkeys.
    void FocusChanged(bool focused);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QKeySequence committed;
};
} // namespace OrbDemo
