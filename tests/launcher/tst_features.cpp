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

QString TextOf(const IFeature& feature, FeatureTextRole role)
{
    const auto getter = feature.GetText(role);
    return getter ? getter() : QStringLiteral("<none>");
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
        QTest::addColumn<QStringList>("texts"); // id, tooltip, title, description
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
        const auto feature = (FeatureFactory(&handler).*Getters[getter])(); // outlives its factory
        QCOMPARE(
            QStringList({feature->GetId(), TextOf(*feature, FeatureTextRole::Tooltip),
                         TextOf(*feature, FeatureTextRole::Title), TextOf(*feature, FeatureTextRole::Description)}),
            texts);
        feature->Execute();
        QCOMPARE(handler.Calls(), QStringList{handlerCall});

        const auto inert = (FeatureFactory(nullptr).*Getters[getter])();
        inert->Execute();
        QCOMPARE(TextOf(*inert, FeatureTextRole::Tooltip), texts[1]);
    }

    void textsFollowTranslatorInTheirOwnContext()
    {
        const FeatureFactory factory(nullptr);
        const auto tooltip = factory.GetAudioCapturingFeature()->GetText(FeatureTextRole::Tooltip);
        const auto title = factory.GetAudioCapturingFeature()->GetText(FeatureTextRole::Title);
        const auto description = factory.GetWebcamCapturingFeature()->GetText(FeatureTextRole::Description);
        {
            const ScopedTranslator sidebar(QStringLiteral("fr:"), {QStringLiteral("Sidebar")});
            QCOMPARE(tooltip(), QStringLiteral("fr:Audio capturing tooltip"));
            QCOMPARE(title(), QStringLiteral("Record audio"));
            const ScopedTranslator dialog(QStringLiteral("de:"), {QStringLiteral("SidebarCustomizationDialog")});
            QCOMPARE(title(), QStringLiteral("de:Record audio"));
            QCOMPARE(description(), QStringLiteral("de:Record webcam video only."));
        }
        QCOMPARE(tooltip(), QStringLiteral("Audio capturing tooltip"));
    }

    void factoriesBuildDistinctFeatures()
    {
        RecordingHandler handler;
        const FeatureFactory first(&handler);
        const FeatureFactory second(&handler);
        QCOMPARE(first.GetCapturingFeature(), first.GetCapturingFeature());
        QVERIFY(second.GetCapturingFeature() != first.GetCapturingFeature());
    }
};

QTEST_MAIN(tst_Features)
#include "tst_features.moc"
