#pragma once

#include "Module/Launcher/FeatureFactory.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"
#include "Module/Launcher/UI/SidebarCustomizationDialog.h"
#include "StandIns/StandIns.h"

#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>
#include <utility>

namespace DialogTest
{
// Rewrites every text while installed, by default to "[xx] " + source text, so a test sees
// which texts were looked up again after the language change.
class MarkingTranslator : public QTranslator
{
public:
    using Rewrite = std::function<QString(const QString&)>;
    explicit MarkingTranslator(Rewrite rewrite = Mark)
        : rewrite(std::move(rewrite))
    {
        QCoreApplication::installTranslator(this);
    }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    // An empty translator would be installed without a LanguageChange event.
    bool isEmpty() const override { return false; }

    QString translate(const char*, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return rewrite(QString::fromUtf8(sourceText));
    }

    static QString Mark(const QString& text) { return QStringLiteral("[xx] ") + text; }
    static QString Keep(const QString& text) { return text; }

private:
    Rewrite rewrite;
};

// The module's dialogs by kind: "customization" (with the webcam and audio cards as the sidebar
// opens it), "request" or "done".
inline std::unique_ptr<QDialog> MakeDialog(const QString& kind)
{
    using namespace Zarvo::Orb::Module::Launcher;
    if (kind == QLatin1String("customization"))
    {
        auto dialog = std::make_unique<UI::SidebarCustomizationDialog>(
            std::make_shared<Zarvo::Host::CustomizationManager>(), nullptr);
        FeatureFactory factory(nullptr);
        dialog->SetFeatures({factory.GetWebcamCapturingFeature(), factory.GetAudioCapturingFeature()});
        return dialog;
    }
    if (kind == QLatin1String("request"))
    {
        return std::make_unique<UI::FeatureRequestWindow>(nullptr);
    }
    return std::make_unique<UI::DoneWindow>(nullptr);
}

// Plays the user's steps on the shown dialog: a key's name presses it where the focus is, a
// child's object name clicks that child, anything else is typed. The focus is logged as "@name"
// first and after each Tab and Backtab.
inline void Play(QDialog& dialog, const QStringList& steps, QStringList& log)
{
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(QApplication::focusWidget());
    log << QLatin1Char('@') + QApplication::focusWidget()->objectName();
    for (const QString& step : steps)
    {
        QVERIFY2(dialog.isVisible(), qPrintable(QStringLiteral("closed before ") + step));
        const QKeySequence key(step, QKeySequence::PortableText);
        if (auto* child = dialog.findChild<QWidget*>(step))
        {
            QTest::mouseClick(child, Qt::LeftButton);
        }
        else if (key.count() == 1 && key[0] != Qt::Key_unknown)
        {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key[0]));
            if (key[0] == Qt::Key_Tab || key[0] == Qt::Key_Backtab)
            {
                log << QLatin1Char('@') + QApplication::focusWidget()->objectName();
            }
        }
        else
        {
            QTest::keyClicks(QApplication::focusWidget(), step);
        }
    }
}

// Runs the dialog modally and plays the steps inside its loop. A dialog still open after five
// seconds ends with -1 instead of hanging the test.
inline int Run(QDialog& dialog, const QStringList& steps, QStringList& log)
{
    QTimer::singleShot(0, &dialog, [&dialog, &steps, &log] { Play(dialog, steps, log); });
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
