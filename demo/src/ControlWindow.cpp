#include "ControlWindow.h"

#include "DemoHandler.h"
#include "DemoHost.h"
#include "Languages.h"

#include "CallRecord/CallRecord.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUserSettings/HotkeySettings.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QVBoxLayout>

#include <functional>
#include <vector>

namespace OrbDemo
{
namespace
{
using Getter = std::string (Zarvo::Orb::HotkeySettings::*)() const;
using Setter = void (Zarvo::Orb::HotkeySettings::*)(const std::string&);

struct FeatureHotkey
{
    const char* id;
    const char* title;
    Getter get;
    Setter set;
};

const FeatureHotkey FeatureHotkeys[] = {
    {"takeScreenshot", QT_TRANSLATE_NOOP("OrbDemo::ControlWindow", "Take screenshot"),
     &Zarvo::Orb::HotkeySettings::GetGlobalHotkeyTakeScreenshot,
     &Zarvo::Orb::HotkeySettings::SetGlobalHotkeyTakeScreenshot},
    {"captureStartStop", QT_TRANSLATE_NOOP("OrbDemo::ControlWindow", "Start or stop recording"),
     &Zarvo::Orb::HotkeySettings::GetGlobalHotkeyStartStopCapture,
     &Zarvo::Orb::HotkeySettings::SetGlobalHotkeyStartStopCapture},
    {"audioCaptureStartStop", QT_TRANSLATE_NOOP("OrbDemo::ControlWindow", "Start or stop audio recording"),
     &Zarvo::Orb::HotkeySettings::GetGlobalHotkeyStartStopAudioCapture,
     &Zarvo::Orb::HotkeySettings::SetGlobalHotkeyStartStopAudioCapture},
    {"webCameraCaptureStartStop", QT_TRANSLATE_NOOP("OrbDemo::ControlWindow", "Start or stop webcam recording"),
     &Zarvo::Orb::HotkeySettings::GetGlobalHotkeyStartStopWebCameraCapture,
     &Zarvo::Orb::HotkeySettings::SetGlobalHotkeyStartStopWebCameraCapture},
};
} // namespace

class ControlWindow::Impl
{
public:
    Impl(ControlWindow* q, DemoHost& host, Languages& languages)
        : q(q)
        , host(host)
        , languages(languages)
    {
    }

    void Build();
    void Retranslate();
    void Fire(const QString& id);
    void UpdateActiveState(bool active);

    ControlWindow* q;
    DemoHost& host;
    Languages& languages;

    QMenu* demoMenu = nullptr;
    QAction* activateAction = nullptr;
    QAction* activateSilentlyAction = nullptr;
    QAction* deactivateAction = nullptr;
    QAction* showPanelAction = nullptr;
    QAction* quitAction = nullptr;

    QGroupBox* launcherBox = nullptr;
    QPushButton* activateButton = nullptr;
    QPushButton* activateSilentlyButton = nullptr;
    QPushButton* deactivateButton = nullptr;
    QPushButton* showPanelButton = nullptr;
    QLabel* stateLabel = nullptr;

    QGroupBox* hotkeysBox = nullptr;
    std::vector<QLabel*> hotkeyTitles;
    std::vector<QPushButton*> fireButtons;
    std::vector<QLabel*> presetTitles;

    QLabel* languageLabel = nullptr;
    QComboBox* languageCombo = nullptr;

    QGroupBox* logBox = nullptr;
    QPlainTextEdit* log = nullptr;
    QCheckBox* settingsCallsCheck = nullptr;
    QPushButton* clearButton = nullptr;
};

void ControlWindow::Impl::Build()
{
    auto* bar = new QMenuBar(q);
    bar->setObjectName(QStringLiteral("demoMenuBar"));
    q->setMenuBar(bar);
    demoMenu = bar->addMenu(QString());
    demoMenu->setObjectName(QStringLiteral("menuDemo"));
    activateAction = demoMenu->addAction(QString(), q, [this] { host.Activate(false); });
    activateSilentlyAction = demoMenu->addAction(QString(), q, [this] { host.Activate(true); });
    deactivateAction = demoMenu->addAction(QString(), q, [this] { host.Deactivate(); });
    showPanelAction = demoMenu->addAction(QString(), q, [this] { host.ShowPanel(); });
    demoMenu->addSeparator();
    quitAction = demoMenu->addAction(QString(), q, [this] { q->close(); });
    quitAction->setShortcut(QKeySequence::Quit);
    // The launcher's own menu, as the host's menu bar carries it.
    if (QMenu* capture = host.CaptureMenu())
    {
        bar->addMenu(capture);
    }

    auto* central = new QWidget(q);
    central->setObjectName(QStringLiteral("controlCentral"));
    auto* column = new QVBoxLayout(central);

    launcherBox = new QGroupBox(central);
    launcherBox->setObjectName(QStringLiteral("launcherBox"));
    auto* launcherRow = new QHBoxLayout(launcherBox);
    activateButton = new QPushButton(launcherBox);
    activateButton->setObjectName(QStringLiteral("activateButton"));
    activateSilentlyButton = new QPushButton(launcherBox);
    activateSilentlyButton->setObjectName(QStringLiteral("activateSilentlyButton"));
    deactivateButton = new QPushButton(launcherBox);
    deactivateButton->setObjectName(QStringLiteral("deactivateButton"));
    showPanelButton = new QPushButton(launcherBox);
    showPanelButton->setObjectName(QStringLiteral("showPanelButton"));
    stateLabel = new QLabel(launcherBox);
    stateLabel->setObjectName(QStringLiteral("stateLabel"));
    for (QWidget* widget :
         std::initializer_list<QWidget*>{activateButton, activateSilentlyButton, deactivateButton, showPanelButton})
    {
        launcherRow->addWidget(widget);
    }
    launcherRow->addStretch();
    launcherRow->addWidget(stateLabel);
    connect(activateButton, &QPushButton::clicked, q, [this] { host.Activate(false); });
    connect(activateSilentlyButton, &QPushButton::clicked, q, [this] { host.Activate(true); });
    connect(deactivateButton, &QPushButton::clicked, q, [this] { host.Deactivate(); });
    connect(showPanelButton, &QPushButton::clicked, q, [this] { host.ShowPanel(); });
    connect(&host, &DemoHost::ActiveChanged, q, [this](bool active) { UpdateActiveState(active); });

    hotkeysBox = new QGroupBox(central);
    hotkeysBox->setObjectName(QStringLiteral("hotkeysBox"));
    auto* grid = new QGridLayout(hotkeysBox);
    int row = 0;
    for (const FeatureHotkey& hotkey : FeatureHotkeys)
    {
        auto* title = new QLabel(hotkeysBox);
        auto* edit = new QKeySequenceEdit(hotkeysBox);
        edit->setObjectName(QStringLiteral("%1Edit").arg(QLatin1String(hotkey.id)));
        edit->setKeySequence(QKeySequence::fromString(QString::fromStdString((host.Hotkeys().*hotkey.get)()),
                                                      QKeySequence::PortableText));
        auto* fire = new QPushButton(hotkeysBox);
        fire->setObjectName(QStringLiteral("%1FireButton").arg(QLatin1String(hotkey.id)));
        const Setter set = hotkey.set;
        connect(edit, &QKeySequenceEdit::editingFinished, q,
                [this, edit, set]
                { (host.Hotkeys().*set)(edit->keySequence().toString(QKeySequence::PortableText).toStdString()); });
        const QString id = QString::fromLatin1(hotkey.id);
        connect(fire, &QPushButton::clicked, q, [this, id] { Fire(id); });
        grid->addWidget(title, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(fire, row, 2);
        hotkeyTitles.push_back(title);
        fireButtons.push_back(fire);
        ++row;
    }
    for (const QString& id : DemoHost::PresetHotkeyIds())
    {
        auto* title = new QLabel(hotkeysBox);
        auto* keys =
            new QLabel(QString::fromStdString(host.Hotkeys().GetHotkeyForFastPreset(id.toStdString())), hotkeysBox);
        auto* fire = new QPushButton(hotkeysBox);
        fire->setObjectName(QStringLiteral("%1FireButton").arg(id));
        connect(fire, &QPushButton::clicked, q, [this, id] { Fire(id); });
        grid->addWidget(title, row, 0);
        grid->addWidget(keys, row, 1);
        grid->addWidget(fire, row, 2);
        title->setProperty("presetId", id);
        presetTitles.push_back(title);
        fireButtons.push_back(fire);
        ++row;
    }

    languageLabel = new QLabel(launcherBox);
    languageLabel->setObjectName(QStringLiteral("languageLabel"));
    languageCombo = new QComboBox(launcherBox);
    languageCombo->setObjectName(QStringLiteral("languageCombo"));
    languageLabel->setBuddy(languageCombo);
    // Each language in its own name, so it can be found whatever language is on.
    languageCombo->addItem(QStringLiteral("English"), QStringLiteral("en"));
    languageCombo->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    languageCombo->setCurrentIndex(languageCombo->findData(languages.Current()));
    launcherRow->addSpacing(12);
    launcherRow->addWidget(languageLabel);
    launcherRow->addWidget(languageCombo);
    connect(languageCombo, QOverload<int>::of(&QComboBox::activated), q,
            [this](int index)
            {
                languages.Switch(languageCombo->itemData(index).toString());
                for (const QString& missing : languages.Missing())
                {
                    q->AppendLog(ControlWindow::tr("Catalogue %1 not found.").arg(missing));
                }
            });

    logBox = new QGroupBox(central);
    logBox->setObjectName(QStringLiteral("logBox"));
    auto* logColumn = new QVBoxLayout(logBox);
    log = new QPlainTextEdit(logBox);
    log->setObjectName(QStringLiteral("log"));
    log->setReadOnly(true);
    log->setMaximumBlockCount(5000);
    log->setMinimumHeight(110);
    auto* logControls = new QHBoxLayout;
    settingsCallsCheck = new QCheckBox(logBox);
    settingsCallsCheck->setObjectName(QStringLiteral("settingsCallsCheck"));
    clearButton = new QPushButton(logBox);
    clearButton->setObjectName(QStringLiteral("clearButton"));
    logControls->addWidget(settingsCallsCheck);
    logControls->addStretch();
    logControls->addWidget(clearButton);
    logColumn->addWidget(log);
    logColumn->addLayout(logControls);
    connect(clearButton, &QPushButton::clicked, log, &QPlainTextEdit::clear);

    column->addWidget(launcherBox);
    column->addWidget(hotkeysBox);
    column->addWidget(logBox, 1);
    q->setCentralWidget(central);

    connect(&Zarvo::Host::CallRecord::Instance(), &Zarvo::Host::CallRecord::CallAdded, q,
            [this](const QString& call)
            {
                // Settings reads and writes are many; they are shown on request.
                if (!settingsCallsCheck->isChecked() && call.startsWith(QLatin1String("ApplicationSettings::")))
                {
                    return;
                }
                q->AppendLog(call);
            });
    connect(&host.Handler(), &DemoHandler::Message, q, [this](const QString& text) { q->AppendLog(text); });

    q->statusBar()->setObjectName(QStringLiteral("statusBar"));
    UpdateActiveState(host.IsActive());
}

void ControlWindow::Impl::Retranslate()
{
    q->setWindowTitle(ControlWindow::tr("Orb launcher demo"));
    demoMenu->setTitle(ControlWindow::tr("&Demo"));
    activateAction->setText(ControlWindow::tr("Activate"));
    activateSilentlyAction->setText(ControlWindow::tr("Activate silently"));
    deactivateAction->setText(ControlWindow::tr("Deactivate"));
    showPanelAction->setText(ControlWindow::tr("Show panel"));
    quitAction->setText(ControlWindow::tr("Quit"));

    launcherBox->setTitle(ControlWindow::tr("Launcher"));
    activateButton->setText(ControlWindow::tr("Activate"));
    activateSilentlyButton->setText(ControlWindow::tr("Activate silently"));
    deactivateButton->setText(ControlWindow::tr("Deactivate"));
    showPanelButton->setText(ControlWindow::tr("Show panel"));

    hotkeysBox->setTitle(ControlWindow::tr("Global hotkeys"));
    for (std::size_t i = 0; i < hotkeyTitles.size(); ++i)
    {
        hotkeyTitles[i]->setText(ControlWindow::tr(FeatureHotkeys[i].title));
    }
    for (QLabel* title : presetTitles)
    {
        title->setText(
            ControlWindow::tr("Preset: %1").arg(DemoHost::PresetName(title->property("presetId").toString())));
    }
    for (QPushButton* fire : fireButtons)
    {
        fire->setText(ControlWindow::tr("Fire"));
    }

    languageLabel->setText(ControlWindow::tr("&Language:"));
    logBox->setTitle(ControlWindow::tr("Calls between launcher and host"));
    settingsCallsCheck->setText(ControlWindow::tr("Show settings store calls"));
    clearButton->setText(ControlWindow::tr("Clear"));
    q->statusBar()->showMessage(ControlWindow::tr("Settings: %1").arg(host.SettingsFile()));
    UpdateActiveState(host.IsActive());
}

void ControlWindow::Impl::Fire(const QString& id)
{
    if (!host.HotkeyManager().Fire(id))
    {
        q->AppendLog(ControlWindow::tr("Hotkey %1 held back: a launcher window is open.").arg(id));
    }
}

void ControlWindow::Impl::UpdateActiveState(bool active)
{
    stateLabel->setText(active ? ControlWindow::tr("Active") : ControlWindow::tr("Inactive"));
    activateButton->setEnabled(!active);
    activateSilentlyButton->setEnabled(!active);
    deactivateButton->setEnabled(active);
    activateAction->setEnabled(!active);
    activateSilentlyAction->setEnabled(!active);
    deactivateAction->setEnabled(active);
}

ControlWindow::ControlWindow(DemoHost& host, Languages& languages, QWidget* parent)
    : QMainWindow(parent)
    , d(std::make_unique<Impl>(this, host, languages))
{
    setObjectName(QStringLiteral("controlWindow"));
    d->Build();
    d->Retranslate();
    connect(&host.Handler(), &DemoHandler::HostActionRequested, this,
            [this](const QString& id)
            {
                // The launcher's settings button asks for the host's preferences: these controls.
                if (id == QLatin1String("ActionPreferences"))
                {
                    showNormal();
                    raise();
                    activateWindow();
                }
            });
}

ControlWindow::~ControlWindow() = default;

void ControlWindow::AppendLog(const QString& line)
{
    d->log->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz  ")) + line);
}

void ControlWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
    {
        d->Retranslate();
    }
    QMainWindow::changeEvent(event);
}

void ControlWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    emit Closed();
}
} // namespace OrbDemo
