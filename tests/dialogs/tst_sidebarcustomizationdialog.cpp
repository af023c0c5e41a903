#include "DialogTestSupport.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/FeatureFactory.h"
#include "Module/Launcher/IFeature.h"
#include "Module/Launcher/UI/ButtonWithCenteredLabels.h"
#include "Module/Launcher/UI/SidebarCustomizationDialog.h"
#include "StandIns/StandIns.h"
#include "ZarvoWidget/ZLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::Launcher::FeatureFactory;
using Zarvo::Orb::Module::Launcher::IFeature;
using Zarvo::Orb::Module::Launcher::UI::ButtonWithCenteredLabels;
using Zarvo::Orb::Module::Launcher::UI::SidebarCustomizationDialog;

namespace
{
const QString kWebcam = QStringLiteral("webcamCapturing");
const QString kAudio = QStringLiteral("audioCapturing");

std::vector<std::shared_ptr<IFeature>> AdditionalFeatures()
{
    FeatureFactory factory(nullptr);
    return {factory.GetWebcamCapturingFeature(), factory.GetAudioCapturingFeature()};
}

// A dialog as the sidebar opens it: the additional features, then the current one.
struct DialogWithCards
{
    explicit DialogWithCards(const QString& selected = QString())
        : dialog(std::make_shared<Zarvo::Host::CustomizationManager>(), nullptr)
    {
        dialog.SetFeatures(AdditionalFeatures());
        dialog.SelectFeature(selected);
        // Every user-visible signal, in order, as "select:<id>" or "clear:<id>".
        QObject::connect(&dialog, &SidebarCustomizationDialog::FeatureSelectRequested, &dialog,
                         [this](const QString& id) { signalLog << QStringLiteral("select:") + id; });
        QObject::connect(&dialog, &SidebarCustomizationDialog::FeatureClearRequested, &dialog,
                         [this](const QString& id) { signalLog << QStringLiteral("clear:") + id; });
    }

    ButtonWithCenteredLabels* Button(const QString& id) const
    {
        return dialog.findChild<ButtonWithCenteredLabels*>(id + QStringLiteral("FeatureButton"));
    }
    QString Label(const QString& name) const { return dialog.findChild<QLabel*>(name)->text(); }
    // Each card's button text, webcam first, marked with "*" when the button is checked.
    QStringList Cards() const
    {
        QStringList cards;
        for (const QString& id : {kWebcam, kAudio})
        {
            cards << Button(id)->findChild<ZLabel*>(QStringLiteral("TextLabel"))->originalText() +
                         (Button(id)->isChecked() ? QStringLiteral("*") : QString());
        }
        return cards;
    }

    SidebarCustomizationDialog dialog;
    QStringList signalLog;
};
} // namespace

class tst_SidebarCustomizationDialog : public QObject
{
    Q_OBJECT
private slots:
    void init() { CallRecord::Clear(); }
    void cleanup()
    {
        qApp->setStyleSheet(QString());
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void buildsFramelessWindowWithStyledNames();
    void emptyFeatureListTouchesNothing();
    void selectionSequences_data();
    void selectionSequences();
    void languageChangeRetranslatesEverything();
    void moreFeaturesLinkAndPicture_data();
    void moreFeaturesLinkAndPicture();
    void closingEndsTheRun_data();
    void closingEndsTheRun();
    void keyboardReachesEveryControl_data();
    void keyboardReachesEveryControl();
    void cardsSpeakForThemselves();
};

void tst_SidebarCustomizationDialog::buildsFramelessWindowWithStyledNames()
{
    // Texts are built after the style sheet's values are in force.
    qApp->setStyleSheet(QStringLiteral("#SidebarCustomizationDialog { qproperty-lineHeight: 130; "
                                       "qproperty-linkStyle: \"color: #ff8800;\"; }"));
    DialogWithCards fixture;
    const SidebarCustomizationDialog& dialog = fixture.dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("SidebarCustomizationDialog"));
    QCOMPARE(dialog.windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    // The style sheet keys on these names.
    for (const char* name :
         {"centralFrame", "closeFrame", "closeButton", "headerLabel", "featuresFrame", "centeredFeaturesFrame",
          "newFeatureFrame", "newFeaturePicture", "newFeatureLabel", "audioCapturingFeaturePicture",
          "audioCapturingFeatureHeader", "audioCapturingFeatureDescription"})
    {
        QVERIFY2(dialog.findChild<QWidget*>(name), name);
    }
    QLayout* row = dialog.findChild<QWidget*>(QStringLiteral("centeredFeaturesFrame"))->layout();
    QCOMPARE(row->itemAt(0)->widget()->objectName(), QStringLiteral("webcamCapturingFeatureFrame"));
    QCOMPARE(row->itemAt(1)->widget()->objectName(), QStringLiteral("audioCapturingFeatureFrame"));
    QCOMPARE(fixture.Button(kAudio)->property("featureId").toString(), kAudio);
    QCOMPARE(fixture.Label(QStringLiteral("audioCapturingFeatureHeader")), QStringLiteral("Record audio"));
    QCOMPARE(fixture.Label(QStringLiteral("audioCapturingFeatureDescription")),
             QStringLiteral("<p style=\"line-height:130%\">Record audio only and get an .mp3 file.</p>"));
    QVERIFY(fixture.Label(QStringLiteral("headerLabel")).startsWith(QStringLiteral("<p style=\"line-height:130%\">")));
    QCOMPARE(dialog.findChild<ZLabel*>(QStringLiteral("newFeatureLabel"))->originalText(),
             QStringLiteral("<a href=\"stub\" style=\"color: #ff8800;\">I want more features</a>"));

    // The host customizes the finished window.
    QCOMPARE(CallRecord::Calls(),
             (QStringList{QStringLiteral("Util::FixWindowOffscreenJumps(SidebarCustomizationDialog)"),
                          QStringLiteral("CustomizationManager::CustomizeWidget(SidebarCustomizationDialog)")}));
    QVERIFY_EXCEPTION_THROWN(SidebarCustomizationDialog(nullptr, nullptr), std::logic_error);
}

void tst_SidebarCustomizationDialog::emptyFeatureListTouchesNothing()
{
    SidebarCustomizationDialog dialog(std::make_shared<Zarvo::Host::CustomizationManager>(), nullptr);
    auto* header = dialog.findChild<QLabel*>(QStringLiteral("headerLabel"));
    auto* link = dialog.findChild<ZLabel*>(QStringLiteral("newFeatureLabel"));
    QCOMPARE(header->text(), QStringLiteral("<p style=\"line-height:100%\">Select a feature to add to the control "
                                            "panel<br>for quick access</p>"));
    QCOMPARE(link->originalText(), QStringLiteral("<a href=\"stub\" style=\"\">I want more features</a>"));
    header->setText(QStringLiteral("untouched"));
    link->setOriginalText(QStringLiteral("untouched"));

    dialog.SetFeatures({});
    dialog.SelectFeature(kAudio);
    QCOMPARE(dialog.findChild<QWidget*>(QStringLiteral("centeredFeaturesFrame"))->layout()->count(), 0);
    QCOMPARE(header->text(), QStringLiteral("untouched"));
    QCOMPARE(link->originalText(), QStringLiteral("untouched"));
}

void tst_SidebarCustomizationDialog::selectionSequences_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("emitted");
    QTest::addColumn<QStringList>("cards");

    const QStringList none;
    const QStringList noneChecked{"Select", "Select"};
    QTest::newRow("opens with audio") << kAudio << none << none << QStringList{"Select", "Remove*"};
    QTest::newRow("opens empty") << QString() << none << none << noneChecked;
    QTest::newRow("id differs in case") << "AudioCapturing" << none << none << noneChecked;
    QTest::newRow("switch to webcam") << kAudio << QStringList{kWebcam} << QStringList{"select:webcamCapturing"}
                                      << QStringList{"Remove*", "Select"};
    QTest::newRow("remove then pick again")
        << kAudio << QStringList{kAudio, kAudio} << QStringList{"clear:audioCapturing", "select:audioCapturing"}
        << QStringList{"Select", "Remove*"};
    QTest::newRow("pick then remove it") << QString() << QStringList{kWebcam, kWebcam}
                                         << QStringList{"select:webcamCapturing", "clear:webcamCapturing"}
                                         << noneChecked;
}

void tst_SidebarCustomizationDialog::selectionSequences()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, emitted);
    QFETCH(QStringList, cards);

    DialogWithCards fixture(selected);
    fixture.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.dialog));
    for (const QString& id : clicks)
    {
        QTest::mouseClick(fixture.Button(id), Qt::LeftButton);
    }
    QCOMPARE(fixture.signalLog, emitted);
    QCOMPARE(fixture.Cards(), cards);
}

void tst_SidebarCustomizationDialog::languageChangeRetranslatesEverything()
{
    DialogWithCards fixture(kAudio);
    fixture.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.dialog));
    auto* link = fixture.dialog.findChild<ZLabel*>(QStringLiteral("newFeatureLabel"));
    using DialogTest::MarkingTranslator;
    {
        MarkingTranslator translator({QStringLiteral("SidebarCustomizationDialog")});
        // The selection is kept; only the texts change.
        QTRY_COMPARE(fixture.Cards(), (QStringList{"[xx] Select", "[xx] Remove*"}));
        QCOMPARE(fixture.Label(QStringLiteral("webcamCapturingFeatureHeader")),
                 MarkingTranslator::Mark(QStringLiteral("Record webcam")));
        QCOMPARE(fixture.Label(QStringLiteral("audioCapturingFeatureDescription")),
                 QStringLiteral("<p style=\"line-height:100%\">%1</p>")
                     .arg(MarkingTranslator::Mark(QStringLiteral("Record audio only and get an .mp3 file."))));
        QVERIFY(fixture.Label(QStringLiteral("headerLabel")).contains(QStringLiteral("[xx] Select a feature")));
        QVERIFY(link->originalText().contains(QStringLiteral(">[xx] I want more features<")));
    }
    QTRY_COMPARE(fixture.Cards(), (QStringList{"Select", "Remove*"}));
    QVERIFY(fixture.signalLog.isEmpty());
}

void tst_SidebarCustomizationDialog::moreFeaturesLinkAndPicture_data()
{
    QTest::addColumn<QString>("widgetName");
    QTest::newRow("link") << QStringLiteral("newFeatureLabel");
    QTest::newRow("picture") << QStringLiteral("newFeaturePicture");
}

void tst_SidebarCustomizationDialog::moreFeaturesLinkAndPicture()
{
    QFETCH(QString, widgetName);
    DialogWithCards fixture;
    fixture.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.dialog));
    QSignalSpy requested(&fixture.dialog, &SidebarCustomizationDialog::NewFeatureRequested);
    QTest::mouseClick(fixture.dialog.findChild<QWidget*>(widgetName), Qt::LeftButton);
    QCOMPARE(requested.count(), 1);
    QVERIFY(fixture.dialog.isVisible());
    QVERIFY(fixture.signalLog.isEmpty());
}

void tst_SidebarCustomizationDialog::closingEndsTheRun_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<int>("result");
    QTest::newRow("close button") << false << int(QDialog::Accepted);
    QTest::newRow("escape") << true << int(QDialog::Rejected);
}

void tst_SidebarCustomizationDialog::closingEndsTheRun()
{
    QFETCH(bool, byEscape);
    QFETCH(int, result);
    DialogWithCards fixture(kWebcam);
    QStringList visibility;
    connect(&fixture.dialog, &SidebarCustomizationDialog::Showed, this, [&visibility] { visibility << "Showed"; });
    connect(&fixture.dialog, &SidebarCustomizationDialog::Hided, this, [&visibility] { visibility << "Hided"; });

    const int outcome = DialogTest::RunModal(
        fixture.dialog,
        [byEscape, &visibility](QDialog& dialog)
        {
            visibility << "running";
            if (byEscape)
            {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            else
            {
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
            }
        });
    QCOMPARE(outcome, result);
    QCOMPARE(visibility, (QStringList{"Showed", "running", "Hided"}));
    QVERIFY(fixture.signalLog.isEmpty());
}

// Focus starts on the first card, not on close; Tab visits every control in visual order, the
// cards included, whichever is selected; Enter follows the link and Space picks a card.
void tst_SidebarCustomizationDialog::keyboardReachesEveryControl_data()
{
    QTest::addColumn<QString>("selected");
    QTest::newRow("nothing selected") << QString();
    QTest::newRow("second card selected") << kAudio;
}

void tst_SidebarCustomizationDialog::keyboardReachesEveryControl()
{
    QFETCH(QString, selected);
    DialogWithCards fixture(selected);
    QSignalSpy moreFeatures(&fixture.dialog, &SidebarCustomizationDialog::NewFeatureRequested);
    fixture.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.dialog));
    QCOMPARE(QApplication::focusWidget(), fixture.Button(kWebcam));

    QStringList visited;
    for (int step = 0; step < 4; ++step)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"audioCapturingFeatureButton", "newFeatureLabel", "closeButton",
                                   "webcamCapturingFeatureButton"}));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(fixture.signalLog, QStringList{QStringLiteral("select:") + kWebcam});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("newFeatureLabel"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(moreFeatures.count(), 1);
    QVERIFY(fixture.dialog.isVisible());
    fixture.dialog.hide();
}

void tst_SidebarCustomizationDialog::cardsSpeakForThemselves()
{
    DialogWithCards fixture;
    for (const QString& id : {kWebcam, kAudio})
    {
        const auto* card = fixture.dialog.findChild<QWidget*>(id + QStringLiteral("FeatureFrame"));
        const QString title = fixture.Label(id + QStringLiteral("FeatureHeader"));
        for (QWidget* widget : {static_cast<QWidget*>(fixture.Button(id)), const_cast<QWidget*>(card)})
        {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QCOMPARE(accessible->text(QAccessible::Name), title);
            // Plain text, without the paragraph markup the label shows.
            QVERIFY(fixture.Label(id + QStringLiteral("FeatureDescription"))
                        .contains(accessible->text(QAccessible::Description)));
            QVERIFY(!accessible->text(QAccessible::Description).contains(QLatin1Char('<')));
        }
    }
}

QTEST_MAIN(tst_SidebarCustomizationDialog)
#include "tst_sidebarcustomizationdialog.moc"
