#include "DialogTestSupport.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <memory>

using DialogTest::MarkingTranslator;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::Launcher::UI::DoneWindow;
using Zarvo::Orb::Module::Launcher::UI::FeatureRequestWindow;

namespace
{
enum class Window
{
    Request,
    Done
};

std::unique_ptr<QDialog> Make(Window kind)
{
    if (kind == Window::Request)
    {
        return std::make_unique<FeatureRequestWindow>(nullptr);
    }
    return std::make_unique<DoneWindow>(nullptr);
}

template <class Widget = QWidget> Widget* Child(const QWidget& window, const char* name)
{
    auto* child = window.findChild<Widget*>(QLatin1String(name));
    if (!child)
    {
        qFatal("no child named %s", name);
    }
    return child;
}

QString Paragraph(int lineHeight, const QString& text)
{
    return QStringLiteral("<p style=\"line-height:%1%\">%2</p>").arg(lineHeight).arg(text);
}

const char kRequestDescription[] =
    "You pressed some button which will work properly some day but for now what do you want from this button?";
const char kThanks[] = "Thank you!<br>We appreciate your feedback.";

QString Description(Window kind)
{
    return QLatin1String(kind == Window::Request ? kRequestDescription : kThanks);
}
} // namespace
Q_DECLARE_METATYPE(Window)

class tst_FeatureRequestWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { CallRecord::Clear(); }
    void cleanup()
    {
        qApp->setStyleSheet(QString());
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void bothWindows_data();
    void builtTranslucentFrameless_data() { bothWindows_data(); }
    void builtTranslucentFrameless();
    void sendFollowsTextLength_data();
    void sendFollowsTextLength();
    void endings_data();
    void endings();
    void languageChangeRetranslates_data() { bothWindows_data(); }
    void languageChangeRetranslates();
    void keyboardWalksEveryControl_data();
    void keyboardWalksEveryControl();
};

void tst_FeatureRequestWindow::bothWindows_data()
{
    QTest::addColumn<Window>("kind");
    QTest::newRow("request") << Window::Request;
    QTest::newRow("thank you") << Window::Done;
}

void tst_FeatureRequestWindow::builtTranslucentFrameless()
{
    QFETCH(Window, kind);
    // The description is built after the style sheet's line height is in force.
    qApp->setStyleSheet(QStringLiteral("Zarvo--Orb--Module--Launcher--UI--FeatureRequestWindow,"
                                       "Zarvo--Orb--Module--Launcher--UI--DoneWindow { qproperty-lineHeight: 130; }"));
    const auto window = Make(kind);
    QCOMPARE(window->windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    QVERIFY(window->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(CallRecord::Calls(), (QStringList{"Util::AttachAutoMaskHelper()", "Util::FixWindowOffscreenJumps()"}));
    QCOMPARE(Child<QLabel>(*window, "descriptionLabel")->text(), Paragraph(130, Description(kind)));
    QVERIFY(Child<QPushButton>(*window, "closeButton")->text().isEmpty());
    Child(*window, "closeButtonFrame");
    if (kind == Window::Done)
    {
        QCOMPARE(Child<QPushButton>(*window, "confirmButton")->text(), QStringLiteral("Close"));
        return;
    }
    QCOMPARE(Child<QLabel>(*window, "headerLabel")->text(), QStringLiteral("What do you WANT ?!"));
    QVERIFY(!Child<QPushButton>(*window, "sendButton")->isEnabled());
    // The content column is filled in creation order.
    QLayout* content = Child(*window, "contentFrame")->layout();
    QStringList order;
    for (int i = 0; i < content->count(); ++i)
    {
        order << content->itemAt(i)->widget()->objectName();
    }
    QCOMPARE(order, (QStringList{"headerLabel", "descriptionLabel", "featureRequestTextEdit", "sendButtonFrame"}));
}

void tst_FeatureRequestWindow::sendFollowsTextLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    const QString grinning = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("one character") << QStringLiteral("a") << true;
    QTest::newRow("spaces only") << QStringLiteral("   ") << true;
    QTest::newRow("2000 characters") << QString(2000, QLatin1Char('x')) << true;
    QTest::newRow("2001 characters") << QString(2001, QLatin1Char('x')) << false;
    // Counted in UTF-16 units, not in characters.
    QTest::newRow("1000 surrogate pairs") << grinning.repeated(1000) << true;
    QTest::newRow("1001 surrogate pairs") << grinning.repeated(1001) << false;
}

void tst_FeatureRequestWindow::sendFollowsTextLength()
{
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    FeatureRequestWindow window(nullptr);
    auto* edit = Child<QTextEdit>(window, "featureRequestTextEdit");
    // Through a non-empty text first, so the empty row also sees a change.
    edit->setPlainText(QStringLiteral("seed"));
    edit->setPlainText(text);
    QCOMPARE(Child<QPushButton>(window, "sendButton")->isEnabled(), enabled);
    QCOMPARE(window.GetText(), text);
}

void tst_FeatureRequestWindow::endings_data()
{
    QTest::addColumn<Window>("kind");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("send") << Window::Request << "sendButton" << int(QDialog::Accepted);
    QTest::newRow("request close button") << Window::Request << "closeButton" << int(QDialog::Rejected);
    QTest::newRow("request escape") << Window::Request << "escape" << int(QDialog::Rejected);
    QTest::newRow("confirm") << Window::Done << "confirmButton" << int(QDialog::Accepted);
    QTest::newRow("thank-you close button") << Window::Done << "closeButton" << int(QDialog::Rejected);
    QTest::newRow("thank-you escape") << Window::Done << "escape" << int(QDialog::Rejected);
}

void tst_FeatureRequestWindow::endings()
{
    QFETCH(Window, kind);
    QFETCH(QString, action);
    QFETCH(int, result);
    const auto window = Make(kind);
    const int outcome =
        DialogTest::RunModal(*window,
                             [&action](QDialog& dialog)
                             {
                                 if (auto* edit = dialog.findChild<QTextEdit*>())
                                 {
                                     // Typed first, so Send can be pressed and Escape arrives where the user types.
                                     edit->setFocus();
                                     QTest::keyClicks(edit, QStringLiteral(" more "));
                                     QTest::keyClick(edit, Qt::Key_Return);
                                 }
                                 if (action == QLatin1String("escape"))
                                 {
                                     QWidget* focus = dialog.focusWidget();
                                     QTest::keyClick(focus ? focus : &dialog, Qt::Key_Escape);
                                 }
                                 else
                                 {
                                     QTest::mouseClick(dialog.findChild<QPushButton*>(action), Qt::LeftButton);
                                 }
                             });
    QCOMPARE(outcome, result);
    if (auto* request = qobject_cast<FeatureRequestWindow*>(window.get()))
    {
        QCOMPARE(request->GetText(), QStringLiteral(" more \n"));
    }
}

void tst_FeatureRequestWindow::languageChangeRetranslates()
{
    QFETCH(Window, kind);
    const auto window = Make(kind);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* request = qobject_cast<FeatureRequestWindow*>(window.get());
    if (request)
    {
        QTest::keyClicks(Child(*window, "featureRequestTextEdit"), QStringLiteral("a timer"));
    }
    auto* description = Child<QLabel>(*window, "descriptionLabel");
    {
        MarkingTranslator translator({QStringLiteral("FeatureRequestWindow")});
        QTRY_COMPARE(description->text(), Paragraph(100, MarkingTranslator::Mark(Description(kind))));
        if (request)
        {
            QCOMPARE(Child<QLabel>(*window, "headerLabel")->text(), MarkingTranslator::Mark("What do you WANT ?!"));
            QCOMPARE(Child<QTextEdit>(*window, "featureRequestTextEdit")->placeholderText(),
                     MarkingTranslator::Mark("What do you miss?!"));
            QCOMPARE(Child<QPushButton>(*window, "sendButton")->text(), MarkingTranslator::Mark("Send"));
            QCOMPARE(request->GetText(), QStringLiteral("a timer"));
            QVERIFY(Child<QPushButton>(*window, "sendButton")->isEnabled());
        }
        else
        {
            QCOMPARE(Child<QPushButton>(*window, "confirmButton")->text(), MarkingTranslator::Mark("Close"));
        }
    }
    QTRY_COMPARE(description->text(), Paragraph(100, Description(kind)));
}

// Focus starts where the user acts; Tab visits every control and leaves the text field.
void tst_FeatureRequestWindow::keyboardWalksEveryControl_data()
{
    QTest::addColumn<Window>("kind");
    QTest::addColumn<QStringList>("focusOrder");
    QTest::newRow("request") << Window::Request
                             << QStringList{"featureRequestTextEdit", "sendButton", "closeButton",
                                            "featureRequestTextEdit"};
    QTest::newRow("thank you") << Window::Done << QStringList{"confirmButton", "closeButton", "confirmButton"};
}

void tst_FeatureRequestWindow::keyboardWalksEveryControl()
{
    QFETCH(Window, kind);
    QFETCH(QStringList, focusOrder);
    const auto window = Make(kind);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    if (kind == Window::Request)
    {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("idea"));
    }
    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < focusOrder.size())
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, focusOrder);
    if (kind == Window::Request)
    {
        QCOMPARE(static_cast<FeatureRequestWindow*>(window.get())->GetText(), QStringLiteral("idea"));
    }
}

QTEST_MAIN(tst_FeatureRequestWindow)
#include "tst_featurerequestwindow.moc"
