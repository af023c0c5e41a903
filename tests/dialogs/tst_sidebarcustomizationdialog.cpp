#include "DialogTestSupport.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/UI/ButtonWithCenteredLabels.h"
#include "ZarvoWidget/ZLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QLayout>

#include <stdexcept>

using DialogTest::MarkingTranslator;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::Launcher::UI::SidebarCustomizationDialog;

namespace
{
const QString kWebcam = QStringLiteral("webcamCapturing");
const QString kAudio = QStringLiteral("audioCapturing");
const char kHeader[] = "Select a feature to add to the control panel<br>for quick access";

// A dialog as the sidebar opens it, logging what it tells the sidebar.
struct DialogWithCards
{
    explicit DialogWithCards(const QString& selected = QString())
    {
        dialog.SelectFeature(selected);
        using Dialog = SidebarCustomizationDialog;
        QObject::connect(&dialog, &Dialog::FeatureSelectRequested, &dialog, [this](auto id) { log << "select:" + id; });
        QObject::connect(&dialog, &Dialog::FeatureClearRequested, &dialog, [this](auto id) { log << "clear:" + id; });
        QObject::connect(&dialog, &Dialog::NewFeatureRequested, &dialog, [this] { log << "more"; });
        QObject::connect(&dialog, &Dialog::Showed, &dialog, [this] { log << "showed"; });
        QObject::connect(&dialog, &Dialog::Hided, &dialog, [this] { log << "hided"; });
    }

    QWidget* Child(const QString& name) const { return dialog.findChild<QWidget*>(name); }
    QString Text(const QString& name) const { return Child(name)->property("text").toString(); }
    // Each card's button text, webcam first, with "*" when the button is checked.
    QString Cards() const
    {
        QStringList cards;
        for (const QString& id : {kWebcam, kAudio})
        {
            auto* button = static_cast<QAbstractButton*>(Child(id + "FeatureButton"));
            cards << button->findChild<ZLabel*>("TextLabel")->originalText() + (button->isChecked() ? "*" : "");
        }
        return cards.join(' ');
    }
    // Every text shown or given to screen readers, in reading order.
    QStringList Texts() const
    {
        QStringList texts{Text("headerLabel")};
        for (const QString& id : {kWebcam, kAudio})
        {
            texts << Text(id + "FeatureHeader") << Text(id + "FeatureDescription");
            for (const char* part : {"FeatureButton", "FeatureFrame"})
            {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Child(id + part));
                texts << accessible->text(QAccessible::Name) << accessible->text(QAccessible::Description);
            }
        }
        return texts << dialog.findChild<ZLabel*>("newFeatureLabel")->originalText() << Cards();
    }

    const std::unique_ptr<QDialog> owner = DialogTest::MakeDialog("customization");
    SidebarCustomizationDialog& dialog = static_cast<SidebarCustomizationDialog&>(*owner);
    QStringList log;
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

    void builtStyledAndRetranslated();
    void emptyFeatureListTouchesNothing();
    void userSteps_data();
    void userSteps();
};

void tst_SidebarCustomizationDialog::builtStyledAndRetranslated()
{
    // Texts are built after the style sheet's values are in force.
    qApp->setStyleSheet(QStringLiteral("#SidebarCustomizationDialog { qproperty-lineHeight: 130; "
                                       "qproperty-linkStyle: \"color: #ff8800;\"; }"));
    DialogWithCards fixture(kAudio);
    QCOMPARE(fixture.dialog.windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    QVERIFY(fixture.dialog.testAttribute(Qt::WA_TranslucentBackground));
    // The style sheet keys on these names.
    for (const char* name : {"centralFrame", "closeFrame", "closeButton", "featuresFrame", "newFeatureFrame",
                             "newFeaturePicture", "webcamCapturingFeaturePicture", "audioCapturingFeaturePicture"})
    {
        QVERIFY2(fixture.Child(name), name);
    }
    QLayout* row = fixture.Child("centeredFeaturesFrame")->layout();
    QCOMPARE(row->itemAt(0)->widget(), fixture.Child("webcamCapturingFeatureFrame"));
    QCOMPARE(row->itemAt(1)->widget(), fixture.Child("audioCapturingFeatureFrame"));
    // The host customizes the finished window.
    QCOMPARE(CallRecord::Calls(), (QStringList{"Util::FixWindowOffscreenJumps(SidebarCustomizationDialog)",
                                               "CustomizationManager::CustomizeWidget(SidebarCustomizationDialog)"}));
    QVERIFY_EXCEPTION_THROWN(SidebarCustomizationDialog(nullptr, nullptr), std::logic_error);

    const auto shown = [](const MarkingTranslator::Rewrite& tr)
    {
        const QString paragraph = QStringLiteral("<p style=\"line-height:130%\">%1</p>");
        QStringList texts{paragraph.arg(tr(kHeader))};
        for (const auto& card : {std::make_pair("Record webcam", "Record webcam video only."),
                                 std::make_pair("Record audio", "Record audio only and get an .mp3 file.")})
        {
            const QString title = tr(card.first), description = tr(card.second);
            // Screen readers get the plain description; the button is the card's only keyboard stop.
            texts << title << paragraph.arg(description) << title << description << title << description;
        }
        return texts
               << QStringLiteral("<a href=\"stub\" style=\"color: #ff8800;\">%1</a>").arg(tr("I want more features"))
               << tr("Select") + " " + tr("Remove") + "*";
    };
    QCOMPARE(fixture.Texts(), shown(MarkingTranslator::Keep));
    {
        MarkingTranslator translator;
        // The selection is kept; only the texts change.
        QTRY_COMPARE(fixture.Texts(), shown(MarkingTranslator::Mark));
    }
    QTRY_COMPARE(fixture.Texts(), shown(MarkingTranslator::Keep));
    QVERIFY(fixture.log.isEmpty());
}

void tst_SidebarCustomizationDialog::emptyFeatureListTouchesNothing()
{
    SidebarCustomizationDialog dialog(std::make_shared<Zarvo::Host::CustomizationManager>(), nullptr);
    auto* header = dialog.findChild<QLabel*>("headerLabel");
    QCOMPARE(header->text(), QStringLiteral("<p style=\"line-height:100%\">%1</p>").arg(kHeader));
    QCOMPARE(dialog.findChild<ZLabel*>("newFeatureLabel")->originalText(),
             QStringLiteral("<a href=\"stub\" style=\"\">I want more features</a>"));
    header->setText("untouched");
    dialog.SetFeatures({});
    dialog.SelectFeature(kAudio);
    QCOMPARE(dialog.findChild<QWidget*>("centeredFeaturesFrame")->layout()->count(), 0);
    QCOMPARE(header->text(), QStringLiteral("untouched"));
}

// Focus starts on the first card, not on close; Tab visits every control in visual order, the
// cards included, whichever is selected; Enter follows the link and Space picks a card. The
// close button accepts, Escape rejects.
void tst_SidebarCustomizationDialog::userSteps_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("cards");

    const QString webcam = kWebcam + "FeatureButton", audio = kAudio + "FeatureButton";
    const QStringList tabWalk{"Tab", "Tab", "Tab", "Tab", "Space", "Backtab", "Backtab", "Return", "Escape"};
    const QStringList walked{"@" + audio,         "@newFeatureLabel", "@closeButton",     "@" + webcam,
                             "select:" + kWebcam, "@closeButton",     "@newFeatureLabel", "more"};
    using List = QStringList;
    QTest::newRow("opens with audio") << kAudio << List{"closeButton"} << List{} << "Select Remove*";
    QTest::newRow("opens empty") << QString() << List{"Escape"} << List{} << "Select Select";
    QTest::newRow("id differs in case") << "AudioCapturing" << List{"closeButton"} << List{} << "Select Select";
    QTest::newRow("switch to webcam") << kAudio << List{webcam, "closeButton"} << List{"select:" + kWebcam}
                                      << "Remove* Select";
    QTest::newRow("remove then pick again")
        << kAudio << List{audio, audio, "Escape"} << List{"clear:" + kAudio, "select:" + kAudio} << "Select Remove*";
    QTest::newRow("pick then remove it") << QString() << List{webcam, webcam, "closeButton"}
                                         << List{"select:" + kWebcam, "clear:" + kWebcam} << "Select Select";
    QTest::newRow("link") << QString() << List{"newFeatureLabel", "Escape"} << List{"more"} << "Select Select";
    QTest::newRow("picture") << kAudio << List{"newFeaturePicture", "closeButton"} << List{"more"} << "Select Remove*";
    QTest::newRow("keyboard, nothing selected") << QString() << tabWalk << walked << "Remove* Select";
    QTest::newRow("keyboard, second card selected") << kAudio << tabWalk << walked << "Remove* Select";
}

void tst_SidebarCustomizationDialog::userSteps()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, log);
    QFETCH(QString, cards);

    DialogWithCards fixture(selected);
    QCOMPARE(DialogTest::Run(fixture.dialog, steps, fixture.log),
             int(steps.last() == QLatin1String("closeButton") ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(fixture.log, (QStringList{"showed", "@" + kWebcam + "FeatureButton"} + log + QStringList{"hided"}));
    QCOMPARE(fixture.Cards(), cards);
}

QTEST_MAIN(tst_SidebarCustomizationDialog)
#include "tst_sidebarcustomizationdialog.moc"
