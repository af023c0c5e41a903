// Every text of the module's dialogs is shown whole, in each shipped language and in a pseudo
// translation much longer than English, under the host look of the demo: labels wrap, and
// cards and windows grow.
#include "Module/Launcher/FeatureFactory.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"
#include "Module/Launcher/UI/SidebarCustomizationDialog.h"
#include "StandIns/StandIns.h"
#include "ZarvoWidget/ZLabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTranslator>

#include <cmath>
#include <memory>

using Zarvo::Orb::Module::Launcher::FeatureFactory;
using namespace Zarvo::Orb::Module::Launcher::UI;

namespace
{
// Lengthens every word of the dialogs' texts by 60 %, leaving markup alone.
class LongTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        const QString name = QLatin1String(context);
        if (name != QLatin1String("SidebarCustomizationDialog") && name != QLatin1String("FeatureRequestWindow"))
        {
            return QString();
        }
        static const QRegularExpression pieces(QStringLiteral("(<[^>]*>)|([A-Za-z]+)"));
        QString result;
        int done = 0;
        const QString source = QString::fromUtf8(sourceText);
        for (auto it = pieces.globalMatch(source); it.hasNext();)
        {
            const auto match = it.next();
            result += source.mid(done, match.capturedStart() - done) + match.captured();
            if (match.capturedLength(2) > 0)
            {
                const QString word = match.captured(2);
                result += word.left(int(std::ceil(word.size() * 0.6))).toLower();
            }
            done = match.capturedEnd();
        }
        return result + source.mid(done);
    }
};

std::unique_ptr<QDialog> MakeDialog(const QString& kind)
{
    if (kind == QLatin1String("customization"))
    {
        auto dialog = std::make_unique<SidebarCustomizationDialog>(
            std::make_shared<Zarvo::Host::CustomizationManager>(), nullptr);
        FeatureFactory factory(nullptr);
        dialog->SetFeatures({factory.GetWebcamCapturingFeature(), factory.GetAudioCapturingFeature()});
        return dialog;
    }
    if (kind == QLatin1String("request"))
    {
        return std::make_unique<FeatureRequestWindow>(nullptr);
    }
    return std::make_unique<DoneWindow>(nullptr);
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
        QTranslator catalogue;
        LongTranslator longer;
        QTranslator* translator = &longer;
        if (language != QLatin1String("long"))
        {
            QVERIFY(
                catalogue.load(QStringLiteral("OrbModuleLauncher_") + language, QStringLiteral(ORB_TRANSLATIONS_DIR)));
            translator = &catalogue;
        }
        QCoreApplication::installTranslator(translator);
        const auto remove = qScopeGuard([translator] { QCoreApplication::removeTranslator(translator); });

        const auto dialog = MakeDialog(kind);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().size().boundedTo(dialog->size()) ==
                dialog->size());

        QStringList cut;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
        {
            cut << (label->isVisible() && !label->text().isEmpty() ? Clipped(*dialog, *label) : QString());
        }
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        {
            cut << (button->text().isEmpty() ? QString() : Clipped(*dialog, *button));
        }
        cut.removeAll(QString());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(tst_DialogTexts)
#include "tst_dialogtexts.moc"
