#include "common/HostFixture.h"
#include "launcher/PrefixTranslator.h"

#include "Module/Launcher/Feature.h"
#include "Module/Launcher/FeatureFactory.h"

#include <QtTest>

using namespace Zarvo::Orb::Module::Launcher;
using LauncherTest::RecordingHandler;
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

    void catalogue_data()
    {
        QTest::addColumn<int>("getter");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("handlerCall");
        QTest::newRow("screenshot") << 0 << QStringList{"screenshotting", "Screenshotting tooltip", "<none>", "<none>"}
                                    << "TakeScreenshot";
        QTest::newRow("capture") << 1 << QStringList{"capturing", "Capturing tooltip", "<none>", "<none>"}
                                 << "StartRecord";
        QTest::newRow("webcam") << 2
                                << QStringList{"webcamCapturing", "Webcam capturing tooltip", "Record webcam",
                                               "Record webcam video only."}
                                << "StartWebCameraRecord";
        QTest::newRow("audio") << 3
                               << QStringList{"audioCapturing", "Audio capturing tooltip", "Record audio",
                                              "Record audio only and get an .mp3 file."}
                               << "StartAudioRecord";
    }

    void catalogue()
    {
        QFETCH(int, getter);
        QFETCH(QStringList, texts);
        QFETCH(QString, handlerCall);
        RecordingHandler handler;
        const FeatureFactory factory(&handler);
        QCOMPARE((factory.*Getters[getter])(), (factory.*Getters[getter])());
        QVERIFY((FeatureFactory(&handler).*Getters[getter])() != (factory.*Getters[getter])());
        const auto feature = (FeatureFactory(&handler).*Getters[getter])(); // outlives its factory
        QCOMPARE(Texts(*feature), texts);
        feature->Execute();
        QCOMPARE(handler.Calls(), QStringList{handlerCall});
        (FeatureFactory(nullptr).*Getters[getter])()->Execute();

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
