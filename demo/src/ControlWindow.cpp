#include "ControlWindow.h"

#include "DemoHandler.h"
#include "DemoHost.h"
#include "HotkeyBinder.h"
#include "HotkeyEdit.h"
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
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QVBoxLayout>

#include <functional>
#include <vector>

namespace OrbDemo
{
namespace
{
QString Keys(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText);
}
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
    void BuildMenuBar();
    // Returns the row the language choice joins.
    QBoxLayout* BuildLauncherBox();
    void BuildHotkeysBox();
    void BuildLanguageChoice(QBoxLayout* launcherRow);
    void BuildLogBox();
    void PlaceBoxes();
    // The host's calls and the handler's messages, as they come.
    void FeedLog();
    void BuildStatusBar();
    void Retranslate();
    void Fire(const QString& id);
    void UpdateActiveState(bool active);
    void Edited(HotkeyEdit* edit, const FeatureHotkey& hotkey, const QKeySequence& keys);
    // The title of the action other than exceptId that keys already start; empty for none.
    QString HolderOf(const QKeySequence& keys, const QString& exceptId) const;
    void ShowBinding(const QString& id);
    void UpdateScope();

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
    std::vector<HotkeyEdit*> hotkeyEdits;
    QLabel* scopeLabel = nullptr;
    QLabel* settingsLabel = nullptr;
    QLabel* recordingLabel = nullptr;
    QLabel* hotkeyMessage = nullptr;

    QLabel* languageLabel = nullptr;
    QComboBox* languageCombo = nullptr;

    QWidget* central = nullptr;
    QGroupBox* logBox = nullptr;
    QPlainTextEdit* log = nullptr;
    QCheckBox* settingsCallsCheck = nullptr;
    QPushButton* clearButton = nullptr;
    bool logTimes = true;
};

void ControlWindow::Impl::Build()
{
    BuildMenuBar();
    central = new QWidget(q);
    central->setObjectName(QStringLiteral("controlCentral"));
    // Made in this order, which is also the tab order.
    QBoxLayout* launcherRow = BuildLauncherBox();
    BuildHotkeysBox();
    BuildLanguageChoice(launcherRow);
    BuildLogBox();
    PlaceBoxes();
    FeedLog();
    BuildStatusBar();
    UpdateActiveState(host.IsActive());
}

void ControlWindow::Impl::BuildMenuBar()
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
}

QBoxLayout* ControlWindow::Impl::BuildLauncherBox()
{
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

    return launcherRow;
}

void ControlWindow::Impl::BuildHotkeysBox()
{
    hotkeysBox = new QGroupBox(central);
    hotkeysBox->setObjectName(QStringLiteral("hotkeysBox"));
    auto* grid = new QGridLayout(hotkeysBox);
    int row = 0;
    for (const FeatureHotkey& hotkey : FeatureHotkeys)
    {
        auto* title = new QLabel(hotkeysBox);
        auto* edit = new HotkeyEdit(hotkeysBox);
        edit->setObjectName(QStringLiteral("%1Edit").arg(QLatin1String(hotkey.id)));
        edit->SetCommitted(QKeySequence::fromString(QString::fromStdString((host.Hotkeys().*hotkey.get)()),
                                                    QKeySequence::PortableText));
        auto* fire = new QPushButton(hotkeysBox);
        fire->setObjectName(QStringLiteral("%1FireButton").arg(QLatin1String(hotkey.id)));
        connect(edit, &HotkeyEdit::Edited, q,
                [this, edit, &hotkey](const QKeySequence& keys) { Edited(edit, hotkey, keys); });
        connect(edit, &HotkeyEdit::FocusChanged, q,
                [this](bool focused)
                {
                    if (HotkeyBinder* binder = host.Binder())
                    {
                        binder->SetSuspended(focused);
                    }
                });
        hotkeyEdits.push_back(edit);
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
    hotkeyMessage = new QLabel(hotkeysBox);
    hotkeyMessage->setObjectName(QStringLiteral("hotkeyMessage"));
    hotkeyMessage->setWordWrap(true);
    hotkeyMessage->hide();
    grid->addWidget(hotkeyMessage, row++, 0, 1, 3);
    scopeLabel = new QLabel(hotkeysBox);
    scopeLabel->setObjectName(QStringLiteral("hotkeyScopeLabel"));
    scopeLabel->setWordWrap(true);
    grid->addWidget(scopeLabel, row++, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    if (HotkeyBinder* binder = host.Binder())
    {
        connect(binder, &HotkeyBinder::BindingChanged, q, [this](const QString& id) { ShowBinding(id); });
    }
}

void ControlWindow::Impl::BuildLanguageChoice(QBoxLayout* launcherRow)
{
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
}

void ControlWindow::Impl::BuildLogBox()
{
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
}

void ControlWindow::Impl::PlaceBoxes()
{
    auto* column = new QVBoxLayout(central);
    column->addWidget(launcherBox);
    column->addWidget(hotkeysBox);
    column->addWidget(logBox, 1);
    // Small screens (640 x 480) scroll the controls instead of cutting them off.
    auto* scroll = new QScrollArea(q);
    scroll->setObjectName(QStringLiteral("controlScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(central);
    q->setCentralWidget(scroll);
}

void ControlWindow::Impl::FeedLog()
{
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
    // Grabs made before this window existed are reported once it is there.
    for (const FeatureHotkey& hotkey : FeatureHotkeys)
    {
        ShowBinding(QString::fromLatin1(hotkey.id));
    }
    for (const QString& id : DemoHost::PresetHotkeyIds())
    {
        ShowBinding(id);
    }
}

void ControlWindow::Impl::BuildStatusBar()
{
    q->statusBar()->setObjectName(QStringLiteral("statusBar"));
    // A permanent label: menu items' empty status tips would clear a status message.
    settingsLabel = new QLabel(q->statusBar());
    settingsLabel->setObjectName(QStringLiteral("settingsLabel"));
    q->statusBar()->addWidget(settingsLabel, 1);
    recordingLabel = new QLabel(q->statusBar());
    recordingLabel->setObjectName(QStringLiteral("recordingLabel"));
    q->statusBar()->addPermanentWidget(recordingLabel);
    connect(&host, &DemoHost::RecordingStatusChanged, recordingLabel, &QLabel::setText);
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
    hotkeyMessage->clear();
    hotkeyMessage->hide();
    UpdateScope();
    settingsLabel->setText(ControlWindow::tr("Settings: %1").arg(host.SettingsFile()));
    recordingLabel->setText(host.RecordingStatus());
    UpdateActiveState(host.IsActive());
}

void ControlWindow::Impl::Fire(const QString& id)
{
    if (!host.HotkeyManager().Fire(id))
    {
        q->AppendLog(ControlWindow::tr("Hotkey %1 held back: a launcher window is open.").arg(id));
    }
}

void ControlWindow::Impl::Edited(HotkeyEdit* edit, const FeatureHotkey& hotkey, const QKeySequence& keys)
{
    const QString holder = HolderOf(keys, QString::fromLatin1(hotkey.id));
    if (!holder.isEmpty())
    {
        edit->Revert();
        hotkeyMessage->setText(
            ControlWindow::tr("%1 is already the hotkey for \"%2\"; choose another.").arg(Keys(keys), holder));
        hotkeyMessage->show();
        q->AppendLog(hotkeyMessage->text());
        return;
    }
    hotkeyMessage->hide();
    edit->SetCommitted(keys);
    (host.Hotkeys().*hotkey.set)(keys.toString(QKeySequence::PortableText).toStdString());
}

QString ControlWindow::Impl::HolderOf(const QKeySequence& keys, const QString& exceptId) const
{
    if (keys.isEmpty())
    {
        return QString();
    }
    const auto same = [&keys](const std::string& text)
    {
        return QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText) == keys;
    };
    for (const FeatureHotkey& hotkey : FeatureHotkeys)
    {
        if (exceptId != QLatin1String(hotkey.id) && same((host.Hotkeys().*hotkey.get)()))
        {
            return ControlWindow::tr(hotkey.title);
        }
    }
    for (const QString& id : DemoHost::PresetHotkeyIds())
    {
        if (id != exceptId && same(host.Hotkeys().GetHotkeyForFastPreset(id.toStdString())))
        {
            return ControlWindow::tr("Preset: %1").arg(DemoHost::PresetName(id));
        }
    }
    return QString();
}

void ControlWindow::Impl::ShowBinding(const QString& id)
{
    HotkeyBinder* binder = host.Binder();
    if (!binder)
    {
        return;
    }
    switch (binder->StatusOf(id))
    {
    case HotkeyBinder::Binding::Taken:
        q->AppendLog(ControlWindow::tr("Hotkey %1 for %2 is held by another program; it works only from here.")
                         .arg(Keys(binder->KeysOf(id)), id));
        break;
    case HotkeyBinder::Binding::NoSuchKey:
        q->AppendLog(ControlWindow::tr("Hotkey %1 for %2 cannot be grabbed: the keyboard has no such key.")
                         .arg(Keys(binder->KeysOf(id)), id));
        break;
    case HotkeyBinder::Binding::Bound:
    case HotkeyBinder::Binding::NotSystemWide:
        break;
    }
}

void ControlWindow::Impl::UpdateScope()
{
    scopeLabel->setText(host.HotkeyManager().IsSystemWide()
                            ? ControlWindow::tr("The hotkeys work system-wide.")
                            : ControlWindow::tr("This desktop offers no system-wide key grabs (only X11 does): the "
                                                "hotkeys work only while this window has focus, as shortcuts of "
                                                "its \"Capture\" menu, or with the Fire buttons."));
}

void ControlWindow::Impl::UpdateActiveState(bool active)
{
    stateLabel->setText(active ? ControlWindow::tr("Active") : ControlWindow::tr("Inactive"));
    activateButton->setEnabled(!active);
    activateSilentlyButton->setEnabled(!active);
    deactivateButton->setEnabled(active);
    showPanelButton->setEnabled(active);
    showPanelAction->setEnabled(active);
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
    // All controls without scrolling where the screen allows; the title bar needs some room too.
    const QSize wanted(d->central->sizeHint().width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                       d->central->sizeHint().height() + menuBar()->sizeHint().height() +
                           statusBar()->sizeHint().height());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(wanted.boundedTo(screen.size() - QSize(16, 48)));
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

ControlWindow::~ControlWindow()
{
    // A focused editor loses focus while this window goes: its reaction must not reach the Impl.
    for (HotkeyEdit* edit : d->hotkeyEdits)
    {
        disconnect(edit, nullptr, this, nullptr);
    }
    if (HotkeyBinder* binder = d->host.Binder())
    {
        binder->SetSuspended(false);
    }
}

void ControlWindow::AppendLog(const QString& line)
{
    d->log->appendPlainText(d->logTimes ? QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz  ")) + line
                                        : line);
}

void ControlWindow::ShowLogTimes(bool shown)
{
    d->logTimes = shown;
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
