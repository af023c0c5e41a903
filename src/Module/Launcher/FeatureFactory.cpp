#include "Module/Launcher/FeatureFactory.h"

#include "Module/Launcher/Feature.h"
#include "Module/Launcher/IHandler.h"
#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/Tr.h"

#include <functional>
#include <map>

namespace Zarvo::Orb::Module::Launcher
{
namespace
{
std::shared_ptr<IFeature> MakeFeature(const FeatureRow& row, IHandler* handler)
{
    auto action = [handler, operation = row.operation]
    {
        if (handler)
        {
            (handler->*operation)();
        }
    };
    std::map<FeatureTextRole, std::function<QString()>> texts;
    texts.emplace(FeatureTextRole::Tooltip, [text = row.tooltip] { return SidebarTr::tr(text); });
    if (row.title)
        texts.emplace(FeatureTextRole::Title, [text = row.title] { return SidebarCustomizationDialogTr::tr(text); });
    if (row.description)
        texts.emplace(FeatureTextRole::Description,
                      [text = row.description] { return SidebarCustomizationDialogTr::tr(text); });
    return std::make_shared<Feature>(QString::fromLatin1(row.id), action, texts);
}
} // namespace

class Q_DECL_HIDDEN FeatureFactory::Impl
{
public:
    std::shared_ptr<IFeature> screenshotting;
    std::shared_ptr<IFeature> capturing;
    std::shared_ptr<IFeature> webcamCapturing;
    std::shared_ptr<IFeature> audioCapturing;
};

FeatureFactory::FeatureFactory(IHandler* handler)
    : d(std::make_unique<Impl>(Impl{MakeFeature(FeatureById(FeatureId::Screenshotting), handler),
                                    MakeFeature(FeatureById(FeatureId::Capturing), handler),
                                    MakeFeature(FeatureById(FeatureId::WebcamCapturing), handler),
                                    MakeFeature(FeatureById(FeatureId::AudioCapturing), handler)}))
{
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
