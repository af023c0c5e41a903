// Every text of the module's dialogs is shown whole, in each shipped language and in a pseudo
// translation much longer than English, under the host look of the demo: labels wrap, and
// cards and windows grow.
#include "DialogTestSupport.h"

#include "ZarvoWidget/ZLabel.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>

#include <cmath>

namespace
{
// Lengthens every word by 60 %, leaving markup alone.
QString Lengthen(const QString& source)
{
    static const QRegularExpression words(QStringLiteral("<[^>]*>|([A-Za-z]+)"));
    QString result = source;
    int added = 0;
    for (auto it = words.globalMatch(source); it.hasNext();)
    {
        const auto word = it.next();
        const QString extra = word.captured(1).left(int(std::ceil(word.capturedLength(1) * 0.6))).toLower();
        result.insert(word.capturedEnd() + added, extra);
        added += extra.size();
    }
    return result;
}

// The widget's name when its text is not shown whole.
QString Clipped(const QDialog& dialog, const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const auto* fitting = qobject_cast<const ZLabel*>(&widget);
    const QSize needed =
        label && label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : widget.sizeHint();
    const bool whole = dialog.rect().contains(QRect(widget.mapTo(&dialog, QPoint(0, 0)), widget.size())) &&
                       needed.boundedTo(widget.size()) == needed &&
                       (!fitting || fitting->text() == fitting->originalText());
    return whole ? QString() : widget.objectName();
}
} // namespace

class tst_DialogTexts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QFile sheet(QStringLiteral(ORB_DEMO_STYLE_SHEET));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void noTextIsCut_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("kind");
        for (const char* language : {"en", "de", "long"})
        {
            for (const char* kind : {"customization", "request", "done"})
            {
                QTest::addRow("%s, %s", kind, language) << QString::fromLatin1(language) << QString::fromLatin1(kind);
            }
        }
    }
    void noTextIsCut()
    {
        QFETCH(QString, language);
        QFETCH(QString, kind);
        // There is no catalogue for the pseudo-translation, which lengthens the English texts.
        QTranslator catalogue;
        QVERIFY(catalogue.load("OrbModuleLauncher_" + language, ORB_TRANSLATIONS_DIR) || language == "long");
        QCoreApplication::installTranslator(&catalogue);
        const auto remove = qScopeGuard([&catalogue] { QCoreApplication::removeTranslator(&catalogue); });
        DialogTest::MarkingTranslator longer([&language](const QString& text)
                                             { return language == "long" ? Lengthen(text) : QString(); });
        const auto dialog = DialogTest::MakeDialog(kind);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().size().boundedTo(dialog->size()) ==
                dialog->size());

        QStringList cut;
        for (const QWidget* widget : dialog->findChildren<QWidget*>())
        {
            const bool shown = qobject_cast<const QAbstractButton*>(widget) ||
                               (qobject_cast<const QLabel*>(widget) && widget->isVisible());
            cut << (shown && !widget->property("text").toString().isEmpty() ? Clipped(*dialog, *widget) : QString());
        }
        cut.removeAll(QString());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(tst_DialogTexts)
#include "tst_dialogtexts.moc"
