#include "DialogTestSupport.h"

#include "CallRecord/CallRecord.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTextEdit>

using DialogTest::MarkingTranslator;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::Launcher::UI::FeatureRequestWindow;

namespace
{
// Every text the window shows, in reading order; the text field shows its placeholder.
QStringList Texts(const QDialog& window)
{
    QStringList texts;
    for (const char* name :
         {"headerLabel", "descriptionLabel", "featureRequestTextEdit", "sendButton", "confirmButton", "closeButton"})
    {
        if (QWidget* child = window.findChild<QWidget*>(name))
        {
            texts << child->property(qobject_cast<QTextEdit*>(child) ? "placeholderText" : "text").toString();
        }
    }
    return texts;
}
} // namespace

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

    void builtStyledAndRetranslated_data();
    void builtStyledAndRetranslated();
    void sendFollowsTextLength_data();
    void sendFollowsTextLength();
    void userSteps_data();
    void userSteps();
};

void tst_FeatureRequestWindow::builtStyledAndRetranslated_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("request") << "request";
    QTest::newRow("thank you") << "done";
}

void tst_FeatureRequestWindow::builtStyledAndRetranslated()
{
    QFETCH(QString, kind);
    // The description is built after the style sheet's line height is in force.
    qApp->setStyleSheet(QStringLiteral("Zarvo--Orb--Module--Launcher--UI--FeatureRequestWindow,"
                                       "Zarvo--Orb--Module--Launcher--UI--DoneWindow { qproperty-lineHeight: 130; }"));
    const auto window = DialogTest::MakeDialog(kind);
    QCOMPARE(window->windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    QVERIFY(window->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(CallRecord::Calls(), (QStringList{"Util::AttachAutoMaskHelper()", "Util::FixWindowOffscreenJumps()"}));
    QVERIFY(window->findChild<QWidget*>(QStringLiteral("closeButtonFrame")));
    auto* request = qobject_cast<FeatureRequestWindow*>(window.get());
    if (request)
    {
        // The content column is filled in creation order.
        QLayout* content = window->findChild<QWidget*>("contentFrame")->layout();
        const QStringList order{"headerLabel", "descriptionLabel", "featureRequestTextEdit", "sendButtonFrame"};
        QCOMPARE(content->count(), order.size());
        for (int i = 0; i < order.size(); ++i)
        {
            QCOMPARE(content->itemAt(i)->widget()->objectName(), order[i]);
        }
        QTest::keyClicks(window->findChild<QTextEdit*>(), QStringLiteral("a timer"));
    }

    const auto shown = [request](const MarkingTranslator::Rewrite& tr)
    {
        const QString description = QStringLiteral("<p style=\"line-height:130%\">%1</p>")
                                        .arg(tr(request ? "You pressed some button which will work properly some day "
                                                          "but for now what do you want from this button?"
                                                        : "Thank you!<br>We appreciate your feedback."));
        return request ? QStringList{tr("What do you WANT ?!"), description, tr("What do you miss?!"), tr("Send"), ""}
                       : QStringList{description, tr("Close"), ""};
    };
    QCOMPARE(Texts(*window), shown(MarkingTranslator::Keep));
    {
        MarkingTranslator translator;
        QTRY_COMPARE(Texts(*window), shown(MarkingTranslator::Mark));
    }
    QTRY_COMPARE(Texts(*window), shown(MarkingTranslator::Keep));
    if (request)
    {
        QCOMPARE(request->GetText(), QStringLiteral("a timer"));
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("sendButton"))->isEnabled());
    }
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
    auto* edit = window.findChild<QTextEdit*>();
    // Through a non-empty text first, so the empty row also sees a change.
    edit->setPlainText(QStringLiteral("seed"));
    edit->setPlainText(text);
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("sendButton"))->isEnabled(), enabled);
}

// Focus starts where the user acts; Tab visits every control and leaves the text field, where
// Return is a line break and Escape still closes. Only Send and the thank-you's Close accept.
void tst_FeatureRequestWindow::userSteps_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");

    const int accepted = QDialog::Accepted, rejected = QDialog::Rejected;
    using List = QStringList;
    const List inEdit{"@featureRequestTextEdit"}, onConfirm{"@confirmButton"};
    QTest::newRow("send") << "request" << List{" more ", "Return", "sendButton"} << inEdit << accepted << " more \n";
    QTest::newRow("request close button")
        << "request" << List{" more ", "closeButton"} << inEdit << rejected << " more ";
    QTest::newRow("empty request") << "request" << List{"sendButton", "Escape"} << inEdit << rejected << "";
    QTest::newRow("request keyboard") << "request" << List{"idea", "Tab", "Tab", "Tab", "Escape"}
                                      << List{"@featureRequestTextEdit", "@sendButton", "@closeButton",
                                              "@featureRequestTextEdit"}
                                      << rejected << "idea";
    QTest::newRow("confirm") << "done" << List{"confirmButton"} << onConfirm << accepted << "";
    QTest::newRow("thank-you close button") << "done" << List{"closeButton"} << onConfirm << rejected << "";
    QTest::newRow("thank-you keyboard") << "done" << List{"Tab", "Tab", "Escape"}
                                        << List{"@confirmButton", "@closeButton", "@confirmButton"} << rejected << "";
}

void tst_FeatureRequestWindow::userSteps()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, log);
    QFETCH(int, result);
    QFETCH(QString, text);
    const auto window = DialogTest::MakeDialog(kind);
    QStringList played;
    QCOMPARE(DialogTest::Run(*window, steps, played), result);
    QCOMPARE(played, log);
    if (auto* request = qobject_cast<FeatureRequestWindow*>(window.get()))
    {
        QCOMPARE(request->GetText(), text);
    }
}

QTEST_MAIN(tst_FeatureRequestWindow)
#include "tst_featurerequestwindow.moc"
