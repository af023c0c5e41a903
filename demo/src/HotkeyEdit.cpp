#include "HotkeyEdit.h"

#include <QKeyEvent>

namespace OrbDemo
{
namespace
{
bool IsModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_unknown;
}
} // namespace

HotkeyEdit::HotkeyEdit(QWidget* parent)
    : QKeySequenceEdit(parent)
{
}

void HotkeyEdit::SetCommitted(const QKeySequence& keys)
{
    committed = keys;
    setKeySequence(keys);
}

void HotkeyEdit::Revert()
{
    setKeySequence(committed);
}

void HotkeyEdit::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Escape)
    {
        Revert();
        clearFocus();
        return;
    }
    if (plain && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete))
    {
        setKeySequence(QKeySequence());
        clearFocus();
        emit Edited(QKeySequence());
        return;
    }
    QKeySequenceEdit::keyPressEvent(event);
    if (IsModifierKey(event->key()) || keySequence().isEmpty())
    {
        return;
    }
    // A global hotkey is one combination: done at the first key that is not a modifier.
    const QKeySequence keys(keySequence()[0]);
    setKeySequence(keys);
    clearFocus();
    emit Edited(keys);
}

void HotkeyEdit::focusInEvent(QFocusEvent* event)
{
    QKeySequenceEdit::focusInEvent(event);
    emit FocusChanged(true);
}

void HotkeyEdit::focusOutEvent(QFocusEvent* event)
{
    // Leaving halfway (only modifiers pressed) keeps what was there.
    if (keySequence() != committed && keySequence().isEmpty())
    {
        Revert();
    }
    QKeySequenceEdit::focusOutEvent(event);
    emit FocusChanged(false);
}
} // namespace OrbDemo
