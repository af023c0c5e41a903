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

class TestFeatures : public QObject
{
    Q_OBJECT

private slots:
    void catalogue_data();
    void catalogue();
    void textsFollowTranslatorWithoutRebuild();
    void nullHandlerMakesActionsInert();
    void factoriesBuildDistinctFeatures();
    void featureKeepsWhatItWasGiven();
};

void TestFeatures::catalogue_data()
{
    QTest::addColumn<int>("getter");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("handlerCall");

    const QString none = QStringLiteral("<none>");
    QTest::newRow("screenshot") << 0 << "screenshotting"
                                << "Screenshotting tooltip" << none << none << "TakeScreenshot";
    QTest::newRow("capture") << 1 << "capturing"
                             << "Capturing tooltip" << none << none << "StartRecord";
    QTest::newRow("webcam") << 2 << "webcamCapturing"
                            << "Webcam capturing tooltip"
                            << "Record webcam"
                            << "Record webcam video only."
                            << "StartWebCameraRecord";
    QTest::newRow("audio") << 3 << "audioCapturing"
                           << "Audio capturing tooltip"
                           << "Record audio"
                           << "Record audio only and get an .mp3 file."
                           << "StartAudioRecord";
}

void TestFeatures::catalogue()
{
    QFETCH(int, getter);
    QFETCH(QString, id);
    QFETCH(QString, tooltip);
    QFETCH(QString, title);
    QFETCH(QString, description);
    QFETCH(QString, handlerCall);

    RecordingHandler handler;
    const FeatureFactory factory(&handler);
    const auto feature = (factory.*Getters[getter])();
    QVERIFY(feature);

    QCOMPARE(feature->GetId(), id);
    QCOMPARE(TextOf(*feature, FeatureTextRole::Tooltip), tooltip);
    QCOMPARE(TextOf(*feature, FeatureTextRole::Title), title);
    QCOMPARE(TextOf(*feature, FeatureTextRole::Description), description);

    feature->Execute();
    QCOMPARE(handler.Calls(), QStringList{handlerCall});
}

void TestFeatures::textsFollowTranslatorWithoutRebuild()
{
    const FeatureFactory factory(nullptr);
    const auto tooltip = factory.GetAudioCapturingFeature()->GetText(FeatureTextRole::Tooltip);
    const auto title = factory.GetAudioCapturingFeature()->GetText(FeatureTextRole::Title);
    const auto description = factory.GetWebcamCapturingFeature()->GetText(FeatureTextRole::Description);

    {
        // Each text keeps its own context: a translator for one context leaves the other alone.
        const ScopedTranslator sidebarOnly(QStringLiteral("fr:"), {QStringLiteral("Sidebar")});
        QCOMPARE(tooltip(), QStringLiteral("fr:Audio capturing tooltip"));
        QCOMPARE(title(), QStringLiteral("Record audio"));

        const ScopedTranslator dialog(QStringLiteral("de:"), {QStringLiteral("SidebarCustomizationDialog")});
        QCOMPARE(title(), QStringLiteral("de:Record audio"));
        QCOMPARE(description(), QStringLiteral("de:Record webcam video only."));
    }
    QCOMPARE(tooltip(), QStringLiteral("Audio capturing tooltip"));
    QCOMPARE(title(), QStringLiteral("Record audio"));
}

void TestFeatures::nullHandlerMakesActionsInert()
{
    const FeatureFactory factory(nullptr);
    for (const auto getter : Getters)
    {
        const auto feature = (factory.*getter)();
        feature->Execute();
        QVERIFY(!TextOf(*feature, FeatureTextRole::Tooltip).isEmpty());
    }
}

void TestFeatures::factoriesBuildDistinctFeatures()
{
    RecordingHandler handler;
    std::shared_ptr<IFeature> fromFirst;
    {
        const FeatureFactory first(&handler);
        fromFirst = first.GetCapturingFeature();
        QCOMPARE(first.GetCapturingFeature(), fromFirst);
    }
    const FeatureFactory second(&handler);
    QVERIFY(second.GetCapturingFeature() != fromFirst);
    QCOMPARE(second.GetCapturingFeature()->GetId(), fromFirst->GetId());

    // The feature outlives its factory and still reaches the handler.
    fromFirst->Execute();
    QCOMPARE(handler.Calls(), QStringList{QStringLiteral("StartRecord")});
}

void TestFeatures::featureKeepsWhatItWasGiven()
{
    int runs = 0;
    std::map<FeatureTextRole, std::function<QString()>> texts{{FeatureTextRole::Title, []
                                                               {
                                                                   return QStringLiteral("title");
                                                               }}};
    Feature feature(
        QStringLiteral("custom"), [&runs] { ++runs; }, texts);
    texts.clear();

    feature.Execute();
    QCOMPARE(runs, 1);
    QCOMPARE(TextOf(feature, FeatureTextRole::Title), QStringLiteral("title"));
    QVERIFY(!feature.GetText(FeatureTextRole::Tooltip));

    Feature inert(QStringLiteral("inert"), {}, {});
    QVERIFY_EXCEPTION_THROWN(inert.Execute(), std::bad_function_call);
}

QTEST_MAIN(TestFeatures)
#include "tst_features.moc"
