#include "launcher/PrefixTranslator.h"

#include "Module/Launcher/Feature.h"
#include "Module/Launcher/FeatureFactory.h"

#include <QtTest>

using namespace Zarvo::Orb::Module::Launcher;
using LauncherTest::ScopedTranslator;

namespace
{
using Getter = std::shared_ptr<IFeature> (FeatureFactory::*)() const;
const Getter Getters[] = {&FeatureFactory::GetScreenshottingFeature, &FeatureFactory::GetCapturingFeature,
                          &FeatureFactory::GetWebcamCapturingFeature, &FeatureFactory::GetAudioCapturingFeature};

// Id, tooltip, title, description; "<none>" for a text the feature lacks.
QStringList Texts(const IFeature& feature)
{
    QStringList texts{feature.GetId()};
    for (const auto role : {FeatureTextRole::Tooltip, FeatureTextRole::Title, FeatureTextRole::Description})
        texts << (feature.GetText(role) ? feature.GetText(role)() : QStringLiteral("<none>"));
    return texts;
}
} // namespace

class tst_Features : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Executing a feature is one of the controller's action rows (the panel's buttons).
    void catalogue_data()
    {
        QTest::addColumn<int>("getter");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("screenshot") << 0 << QStringList{"screenshotting", "Screenshotting tooltip", "<none>", "<none>"};
        QTest::newRow("capture") << 1 << QStringList{"capturing", "Capturing tooltip", "<none>", "<none>"};
        QTest::newRow("webcam") << 2
                                << QStringList{"webcamCapturing", "Webcam capturing tooltip", "Record webcam",
                                               "Record webcam video only."};
        QTest::newRow("audio") << 3
                               << QStringList{"audioCapturing", "Audio capturing tooltip", "Record audio",
                                              "Record audio only and get an .mp3 file."};
    }

    void catalogue()
    {
        QFETCH(int, getter);
        QFETCH(QStringList, texts);
        const FeatureFactory factory(nullptr);
        const auto feature = (factory.*Getters[getter])();
        QCOMPARE((factory.*Getters[getter])(), feature);
        QVERIFY((FeatureFactory(nullptr).*Getters[getter])() != feature);
        QCOMPARE(Texts(*feature), texts);
        feature->Execute(); // without a handler: nothing to call, nothing to crash

        // The tooltip is the panel's text, title and description the customization dialog's,
        // each looked up when asked for.
        QStringList translated = texts;
        translated[1].prepend("fr:");
        for (int role : {2, 3})
            translated[role].prepend(texts[role] == "<none>" ? "" : "de:");
        const ScopedTranslator sidebar("fr:", {"Sidebar"});
        const ScopedTranslator dialog("de:", {"SidebarCustomizationDialog"});
        QCOMPARE(Texts(*feature), translated);
    }
};

QTEST_MAIN(tst_Features)
#include "tst_features.moc"
