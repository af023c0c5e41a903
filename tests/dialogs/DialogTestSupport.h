#pragma once

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QStringList>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace DialogTest
{
// Translates the texts of the given contexts to "[xx] " + source text while installed,
// so a test sees which texts were looked up again after the language change.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const QStringList& contexts)
        : contexts(contexts)
    {
        QCoreApplication::installTranslator(this);
    }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    // An empty translator would be installed without a LanguageChange event.
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return contexts.contains(QLatin1String(context)) ? Mark(QString::fromUtf8(sourceText)) : QString();
    }

    static QString Mark(const QString& text) { return QStringLiteral("[xx] ") + text; }

private:
    QStringList contexts;
};

// Runs the dialog modally; `act` runs inside its loop once the dialog is the active modal
// widget. A dialog still open after five seconds ends with -1 instead of hanging the test.
inline int RunModal(QDialog& dialog, const std::function<void(QDialog&)>& act)
{
    QTimer::singleShot(0, &dialog,
                       [&dialog, act]
                       {
                           if (QApplication::activeModalWidget() == &dialog)
                           {
                               act(dialog);
                           }
                       });
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    return dialog.exec();
}

// Drags with the left button from `from` on the widget by `delta`, in steps. Qt 5's
// QTest::mouseMove sends no move with a button held, so the events are sent directly.
inline void Drag(QWidget* widget, const QPoint& from, const QPoint& delta)
{
    const QPoint globalFrom = widget->mapToGlobal(from);
    QMouseEvent press(QEvent::MouseButtonPress, from, globalFrom, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    for (int step = 1; step <= 4; ++step)
    {
        const QPoint global = globalFrom + delta * step / 4;
        QMouseEvent move(QEvent::MouseMove, widget->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    const QPoint globalTo = globalFrom + delta;
    QMouseEvent release(QEvent::MouseButtonRelease, widget->mapFromGlobal(globalTo), globalTo, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}
} // namespace DialogTest
