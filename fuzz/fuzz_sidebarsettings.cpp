// The panel's stored values from arbitrary bytes: the position bytes, edge, state, last
// visible state and additional feature id go through the settings holder and into a panel
// that is built and shown. Any broken rule aborts with a message, which libFuzzer reports.
//
// Input: a presence mask (bit 0 position, 1 edge, 2 state, 3 last visible, 4 feature id),
// the position's length (0 to 12) and bytes, three little-endian 32-bit integers (edge,
// state, last visible) and the rest as the feature id.

#include "common/PanelInvariants.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/Feature.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "Module/Launcher/UI/Sidebar/SidebarSettings.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/CommonActions.h"
#include "OrbUtilUI/WindowUtil.h"
#include "StandIns/StandIns.h"

#include <QApplication>
#include <QFile>
#include <QtEndian>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace
{
using namespace Zarvo::Orb::Module::Launcher::UI;
using Store = Zarvo::Host::InMemoryApplicationSettingsManager;

const std::string PositionKey = "Orb/Sidebar/sidebar_position";
const std::string EdgeKey = "Orb/Sidebar/sidebar_screen_edge";
const std::string StateKey = "Orb/Sidebar/sidebar_ui_state";
const std::string LastVisibleKey = "Orb/Sidebar/sidebar_last_visible_ui_state";
const std::string FeatureKey = "Orb/Sidebar/sidebar_additional_feature_id";

struct Services
{
    std::shared_ptr<Zarvo::Host::CustomizationManager> customization =
        std::make_shared<Zarvo::Host::CustomizationManager>();
    std::shared_ptr<Zarvo::Host::LinksOpener> links = std::make_shared<Zarvo::Host::LinksOpener>();
    std::shared_ptr<Zarvo::Host::StatisticsManager> statistics = std::make_shared<Zarvo::Host::StatisticsManager>();
    std::shared_ptr<Zarvo::Orb::UI::ActionsController::ActionsController> actions;
    std::vector<std::shared_ptr<Zarvo::Orb::Module::Launcher::IFeature>> mainFeatures;
    std::vector<std::shared_ptr<Zarvo::Orb::Module::Launcher::IFeature>> additionalFeatures;
};
Services* services = nullptr;

[[noreturn]] void Fail(const QString& what)
{
    std::fprintf(stderr, "broken rule: %s\n", qPrintable(what));
    std::abort();
}

void Expect(bool holds, const QString& what)
{
    if (!holds)
        Fail(what);
}

std::shared_ptr<Zarvo::Orb::Module::Launcher::IFeature> MakeFeature(const char* id)
{
    const auto text = []
    {
        return QStringLiteral("text");
    };
    using Zarvo::Orb::Module::Launcher::FeatureTextRole;
    return std::make_shared<Zarvo::Orb::Module::Launcher::Feature>(
        QLatin1String(id), [] {},
        std::map<FeatureTextRole, std::function<QString()>>{
            {FeatureTextRole::Tooltip, text}, {FeatureTextRole::Title, text}, {FeatureTextRole::Description, text}});
}

struct Input
{
    std::optional<std::vector<uint8_t>> position;
    std::optional<int> edge;
    std::optional<int> state;
    std::optional<int> lastVisible;
    std::optional<std::string> featureId;
};

Input Parse(const uint8_t* data, size_t size)
{
    size_t at = 0;
    const auto byte = [&]() -> uint8_t
    {
        return at < size ? data[at++] : 0;
    };
    const auto integer = [&]
    {
        uint8_t bytes[4] = {byte(), byte(), byte(), byte()};
        return qFromLittleEndian<qint32>(bytes);
    };
    Input input;
    const uint8_t mask = byte();
    std::vector<uint8_t> position(byte() % 13);
    for (auto& value : position)
        value = byte();
    const int edge = integer();
    const int state = integer();
    const int lastVisible = integer();
    if (mask & 1)
        input.position = position;
    if (mask & 2)
        input.edge = edge;
    if (mask & 4)
        input.state = state;
    if (mask & 8)
        input.lastVisible = lastVisible;
    if (mask & 16)
        input.featureId = std::string(data + std::min(at, size), data + size);
    return input;
}

std::shared_ptr<Store> Fill(const Input& input)
{
    auto store = std::make_shared<Store>();
    if (input.position)
        store->SetBytes(PositionKey, *input.position);
    if (input.edge)
        store->SetInt(EdgeKey, *input.edge);
    if (input.state)
        store->SetInt(StateKey, *input.state);
    if (input.lastVisible)
        store->SetInt(LastVisibleKey, *input.lastVisible);
    if (input.featureId)
        store->SetString(FeatureKey, *input.featureId);
    return store;
}

QPoint ExpectedPosition(const std::optional<std::vector<uint8_t>>& bytes)
{
    if (!bytes)
        return QPoint(16777215, 16777215);
    const auto& b = *bytes;
    const int x = b.size() >= 4 ? qFromBigEndian<qint32>(b.data()) : 0;
    const int y = b.size() >= 8 ? qFromBigEndian<qint32>(b.data() + 4) : 0;
    return QPoint(x, y);
}

void CheckSettingsHolder(const Input& input)
{
    const auto store = Fill(input);
    SidebarSettings settings(store);
    const int edge = input.edge.value_or(None);
    const int state = input.state.value_or(Maximized);
    Expect(settings.ReadScreenEdge() == (edge >= Left && edge <= Bottom ? edge : None),
           QStringLiteral("edge %1 read as %2").arg(edge).arg(settings.ReadScreenEdge()));
    Expect(settings.ReadUiState() == (state >= Maximized && state <= Hidden ? state : Maximized),
           QStringLiteral("state %1 read as %2").arg(state).arg(settings.ReadUiState()));
    Expect(settings.ReadPosition() == ExpectedPosition(input.position), QStringLiteral("position misread"));
    Expect(settings.ReadAdditionalFeatureId() == input.featureId.value_or(std::string()),
           QStringLiteral("feature id misread"));

    // Written values read back the same, whatever the store held before.
    const QPoint point(input.edge.value_or(0), input.state.value_or(0));
    const auto writtenEdge = static_cast<ScreenEdge>(Left + unsigned(input.lastVisible.value_or(0)) % 4);
    const auto writtenState = static_cast<SidebarUiState>(unsigned(input.edge.value_or(0)) % 3);
    const std::string id = input.featureId.value_or("webcamCapturing");
    settings.WritePosition(point);
    settings.WriteScreenEdge(writtenEdge);
    settings.WriteUiState(writtenState);
    settings.WriteAdditionalFeatureId(id);
    const SidebarSettings reread(store);
    Expect(reread.ReadPosition() == point && reread.ReadScreenEdge() == writtenEdge &&
               reread.ReadUiState() == writtenState && reread.ReadAdditionalFeatureId() == id,
           QStringLiteral("written values read back differently"));
}

void CheckPanel(const Input& input)
{
    const auto store = Fill(input);
    const SidebarUiState storedState = SidebarSettings(store).ReadUiState();
    {
        Sidebar panel(services->actions, store, services->customization, services->links);
        panel.SetMainFeatures(services->mainFeatures);
        panel.SetAdditionalFeatures(services->additionalFeatures);
        Expect(panel.GetUiState() == storedState,
               QStringLiteral("panel state %1, stored state %2").arg(panel.GetUiState()).arg(storedState));
        if (storedState != Hidden)
        {
            Zarvo::Orb::UI::Util::ShowRaisedWindow(&panel);
            for (const QString& broken : {PanelInvariants::OutsideArea(panel), PanelInvariants::NotDocked(panel),
                                          PanelInvariants::StyleMismatch(panel)})
                Expect(broken.isEmpty(), broken);
        }
    }
    // The destructor saved: what is stored now is in range.
    const SidebarSettings saved(store);
    Expect(saved.ReadScreenEdge() != None, QStringLiteral("no edge saved"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen plugin warns on every raise; the rules report through Fail.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    static QApplication application(qtArgc, qtArgv);
    QFile styleSheet(QStringLiteral(ORB_FUZZ_STYLE_SHEET));
    if (!styleSheet.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("no style sheet at %1").arg(styleSheet.fileName()));
    application.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));

    static Services shared;
    shared.actions =
        std::make_shared<Zarvo::Orb::UI::ActionsController::ActionsController>(shared.customization, shared.statistics);
    shared.actions->CreateActions(Zarvo::Orb::UI::Action::GetCommonActionParameters());
    shared.mainFeatures = {MakeFeature("screenshotting"), MakeFeature("capturing")};
    shared.additionalFeatures = {MakeFeature("webcamCapturing"), MakeFeature("audioCapturing")};
    services = &shared;
    // Spend the first holder's fix-up, so every input reads its stored state as stored.
    SidebarSettings first(std::make_shared<Store>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Input input = Parse(data, size);
    CheckSettingsHolder(input);
    CheckPanel(input);
    Zarvo::Host::CallRecord::Clear();
    return 0;
}
