#include "Module/Launcher/FeatureFactory.h"

#include "Module/Launcher/Feature.h"
#include "Module/Launcher/IHandler.h"

#include <QCoreApplication>

namespace Zarvo::Orb::Module::Launcher
{
namespace
{
using TextMap = std::map<FeatureTextRole, std::function<QString()>>;

std::shared_ptr<IFeature> MakeFeature(const char* id, IHandler* handler, void (IHandler::*operation)(),
                                      const TextMap& texts)
{
    auto action = [handler, operation]
    {
        if (handler)
        {
            (handler->*operation)();
        }
    };
    return std::make_shared<Feature>(QString::fromLatin1(id), action, texts);
}
} // namespace

class Q_DECL_HIDDEN FeatureFactory::Impl
{
public:
    IHandler* handler = nullptr;
    std::shared_ptr<IFeature> screenshotting;
    std::shared_ptr<IFeature> capturing;
    std::shared_ptr<IFeature> webcamCapturing;
    std::shared_ptr<IFeature> audioCapturing;
};

FeatureFactory::FeatureFactory(IHandler* handler)
    : d(std::make_unique<Impl>())
{
    d->handler = handler;

    // Literal contexts and texts so lupdate finds them; translated on every call.
    d->screenshotting = MakeFeature("screenshotting", handler, &IHandler::TakeScreenshot,
                                    {{FeatureTextRole::Tooltip, []
                                      {
                                          return QCoreApplication::translate("Sidebar", "Screenshotting tooltip");
                                      }}});
    d->capturing = MakeFeature("capturing", handler, &IHandler::StartRecord,
                               {{FeatureTextRole::Tooltip, []
                                 {
                                     return QCoreApplication::translate("Sidebar", "Capturing tooltip");
                                 }}});
    d->webcamCapturing =
        MakeFeature("webcamCapturing", handler, &IHandler::StartWebCameraRecord,
                    {{FeatureTextRole::Tooltip,
                      []
                      {
                          return QCoreApplication::translate("Sidebar", "Webcam capturing tooltip");
                      }},
                     {FeatureTextRole::Title,
                      []
                      {
                          return QCoreApplication::translate("SidebarCustomizationDialog", "Record webcam");
                      }},
                     {FeatureTextRole::Description, []
                      {
                          return QCoreApplication::translate("SidebarCustomizationDialog", "Record webcam video only.");
                      }}});
    d->audioCapturing =
        MakeFeature("audioCapturing", handler, &IHandler::StartAudioRecord,
                    {{FeatureTextRole::Tooltip,
                      []
                      {
                          return QCoreApplication::translate("Sidebar", "Audio capturing tooltip");
                      }},
                     {FeatureTextRole::Title,
                      []
                      {
                          return QCoreApplication::translate("SidebarCustomizationDialog", "Record audio");
                      }},
                     {FeatureTextRole::Description, []
                      {
                          return QCoreApplication::translate("SidebarCustomizationDialog",
                                                             "Record audio only and get an .mp3 file.");
                      }}});
}

FeatureFactory::~FeatureFactory() = default;

std::shared_ptr<IFeature> FeatureFactory::GetScreenshottingFeature() const
{
    return d->screenshotting;
}

std::shared_ptr<IFeature> FeatureFactory::GetCapturingFeature() const
{
    return d->capturing;
}

std::shared_ptr<IFeature> FeatureFactory::GetWebcamCapturingFeature() const
{
    return d->webcamCapturing;
}

std::shared_ptr<IFeature> FeatureFactory::GetAudioCapturingFeature() const
{
    return d->audioCapturing;
}
} // namespace Zarvo::Orb::Module::Launcher
