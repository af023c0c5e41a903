#include "Module/Launcher/UI/SidebarCustomizationDialog.h"

#include "Interfaces/ICustomizationManager.h"
#include "Module/Launcher/IFeature.h"
#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/LoggedCall.h"
#include "Module/Launcher/NotNull.h"
#include "Module/Launcher/Tr.h"
#include "Module/Launcher/UI/ButtonWithCenteredLabels.h"
#include "Module/Launcher/UI/FramelessDialogSetup.h"
#include "Module/Launcher/UI/LineHeightParagraph.h"
#include "Module/Launcher/UI/WidgetKit.h"
#include "OrbUtilUI/WindowUtil.h"
#include "ZarvoWidget/ZBoxLayout.h"
#include "ZarvoWidget/ZFrame.h"
#include "ZarvoWidget/ZLabel.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <utility>

namespace Zarvo::Orb::Module::Launcher::UI
{
namespace
{
// Lets Enter and Space activate a widget that only knows clicks.
class KeyActivation : public QObject
{
public:
    KeyActivation(QWidget* widget, std::function<void()> activate)
        : QObject(widget)
        , activate(std::move(activate))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
        {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            {
                activate();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> activate;
};
} // namespace

class Q_DECL_HIDDEN SidebarCustomizationDialog::Impl
{
public:
    explicit Impl(SidebarCustomizationDialog* q);

    void AddCard(const std::shared_ptr<IFeature>& feature);
    void OnCardClicked(ButtonWithCenteredLabels* button, const QString& id);
    void UpdateButtonTexts();
    void SetHeaderAndLinkTexts();
    void Retranslate();
    void OrderFocusChain();
    void FitHeightToTexts();

    SidebarCustomizationDialog* q;
    ZFrame* centralFrame;
    ZFrame* closeFrame;
    QPushButton* closeButton;
    QLabel* headerLabel;
    ZFrame* featuresFrame;
    ZFrame* centeredFeaturesFrame;
    QButtonGroup* featureButtonGroup;
    ZFrame* newFeatureFrame;
    ZLabel* newFeaturePicture;
    ZLabel* newFeatureLabel;

    QString selectedFeatureId;
    std::vector<ButtonWithCenteredLabels*> cardButtons;
    std::vector<std::function<void()>> cardTextSetters;
};

SidebarCustomizationDialog::Impl::Impl(SidebarCustomizationDialog* q)
    : q(q)
{
    centralFrame = MakeNamed<ZFrame>(q, QStringLiteral("centralFrame"));
    closeFrame = MakeNamed<ZFrame>(centralFrame, QStringLiteral("closeFrame"));
    closeButton = MakeNamed<QPushButton>(closeFrame, QStringLiteral("closeButton"));
    headerLabel = MakeNamed<QLabel>(centralFrame, QStringLiteral("headerLabel"));
    featuresFrame = MakeNamed<ZFrame>(centralFrame, QStringLiteral("featuresFrame"));
    centeredFeaturesFrame = MakeNamed<ZFrame>(featuresFrame, QStringLiteral("centeredFeaturesFrame"));
    featureButtonGroup = new QButtonGroup(centeredFeaturesFrame);
    featureButtonGroup->setObjectName(QStringLiteral("featureButtonGroup"));
    featureButtonGroup->setExclusive(true);
    newFeatureFrame = MakeNamed<ZFrame>(centralFrame, QStringLiteral("newFeatureFrame"));
    newFeaturePicture = MakeNamed<ZLabel>(newFeatureFrame, QStringLiteral("newFeaturePicture"));
    newFeatureLabel = MakeNamed<ZLabel>(newFeatureFrame, QStringLiteral("newFeatureLabel"));

    headerLabel->setTextFormat(Qt::RichText);
    // Long translations wrap; the window grows instead of cutting them.
    headerLabel->setWordWrap(true);
    newFeatureLabel->setTextFormat(Qt::RichText);
    newFeaturePicture->setOriginalText(QString());
    newFeatureLabel->setFocusPolicy(Qt::StrongFocus);
    new KeyActivation(newFeatureLabel, [q] { emit q->NewFeatureRequested(); });

    MakeFlushLayout<QVBoxLayout>(q)->addWidget(centralFrame);

    auto* centralLayout = MakeFlushLayout<QVBoxLayout>(centralFrame);
    centralLayout->addWidget(closeFrame);
    centralLayout->addWidget(headerLabel);
    centralLayout->addWidget(featuresFrame);
    centralLayout->addWidget(newFeatureFrame);
    centralLayout->addStretch();

    auto* closeLayout = MakeFlushLayout<QHBoxLayout>(closeFrame);
    closeLayout->addStretch();
    closeLayout->addWidget(closeButton);

    auto* featuresLayout = MakeFlushLayout<QHBoxLayout>(featuresFrame);
    featuresLayout->addStretch();
    featuresLayout->addWidget(centeredFeaturesFrame);
    featuresLayout->addStretch();

    MakeFlushLayout<QHBoxLayout>(centeredFeaturesFrame);

    auto* newFeatureLayout = MakeFlushLayout<QHBoxLayout>(newFeatureFrame);
    newFeatureLayout->addStretch();
    newFeatureLayout->addWidget(newFeaturePicture);
    newFeatureLayout->addWidget(newFeatureLabel);
    newFeatureLayout->addStretch();
}

void SidebarCustomizationDialog::Impl::AddCard(const std::shared_ptr<IFeature>& feature)
{
    const QString id = feature->GetId();
    auto* card = MakeNamed<ZFrame>(centeredFeaturesFrame, QStringLiteral("featureFrame"));
    auto* picture = MakeNamed<QLabel>(card, QStringLiteral("featurePicture"));
    auto* header = MakeNamed<QLabel>(card, QStringLiteral("featureHeader"));
    auto* description = MakeNamed<QLabel>(card, QStringLiteral("featureDescription"));
    auto* button = MakeNamed<ButtonWithCenteredLabels>(card, QStringLiteral("featureButton"));
    // The style sheet tells the cards apart by the feature id in front of the generic name.
    for (QWidget* widget : std::initializer_list<QWidget*>{card, picture, header, description, button})
    {
        QString name = widget->objectName();
        name[0] = name[0].toUpper();
        widget->setObjectName(id + name);
    }
    button->setProperty(kFeatureIdProperty, id);
    description->setTextFormat(Qt::RichText);
    description->setWordWrap(true);
    // Long translations wrap; the card grows instead of cutting them.
    header->setWordWrap(true);

    auto* cardLayout = MakeFlushLayout<QVBoxLayout>(card);
    cardLayout->addWidget(picture);
    cardLayout->addWidget(header);
    // A description shorter than its neighbour's takes the spare height, so the buttons line up.
    cardLayout->addWidget(description, 1);
    cardLayout->addWidget(button);
    cardLayout->addStretch();
    centeredFeaturesFrame->layout()->addWidget(card);

    button->setCheckable(true);
    featureButtonGroup->addButton(button);
    cardButtons.push_back(button);

    QObject::connect(button, &QAbstractButton::clicked, button, [this, button, id] { OnCardClicked(button, id); });

    const auto title = feature->GetText(FeatureTextRole::Title);
    const auto descriptionText = feature->GetText(FeatureTextRole::Description);
    // The getters hold the feature alive as long as the dialog may retranslate.
    cardTextSetters.emplace_back(
        [feature, title, header, card, button]
        {
            header->setText(title());
            // The button is the card's only keyboard stop, so it speaks for the card.
            card->setAccessibleName(header->text());
            button->setAccessibleName(header->text());
        });
    cardTextSetters.emplace_back(
        [this, feature, descriptionText, description, card, button]
        {
            const QString text = descriptionText();
            description->setText(LineHeightParagraph(q->lineHeight, text));
            card->setAccessibleDescription(text);
            button->setAccessibleDescription(text);
        });
}

void SidebarCustomizationDialog::Impl::OnCardClicked(ButtonWithCenteredLabels* button, const QString& id)
{
    if (id != selectedFeatureId)
    {
        emit q->FeatureSelectRequested(id);
        UpdateButtonTexts();
        selectedFeatureId = id;
        return;
    }
    // The exclusive group keeps its checked button checked; let go of it briefly.
    featureButtonGroup->setExclusive(false);
    button->setChecked(false);
    featureButtonGroup->setExclusive(true);
    emit q->FeatureClearRequested(id);
    UpdateButtonTexts();
    selectedFeatureId.clear();
}

void SidebarCustomizationDialog::Impl::UpdateButtonTexts()
{
    for (ButtonWithCenteredLabels* button : cardButtons)
    {
        button->SetText(button->isChecked() ? SidebarCustomizationDialogTr::tr("Remove")
                                            : SidebarCustomizationDialogTr::tr("Select"));
    }
}

void SidebarCustomizationDialog::Impl::SetHeaderAndLinkTexts()
{
    headerLabel->setText(LineHeightParagraph(
        q->lineHeight,
        SidebarCustomizationDialogTr::tr("Select a feature to add to the control panel<br>for quick access")));
    newFeatureLabel->setOriginalText(QStringLiteral("<a href=\"stub\" style=\"%1\">%2</a>")
                                         .arg(q->linkStyle, SidebarCustomizationDialogTr::tr("I want more features")));
}

void SidebarCustomizationDialog::Impl::OrderFocusChain()
{
    // Visual order: the close button at the top, the cards left to right, the link below.
    QWidget* previous = closeButton;
    for (ButtonWithCenteredLabels* button : cardButtons)
    {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    QWidget::setTabOrder(previous, newFeatureLabel);
    if (!cardButtons.empty())
    {
        // Not the close button: Enter or Space there would end the dialog at once.
        cardButtons.front()->setFocus(Qt::OtherFocusReason);
    }
}

void SidebarCustomizationDialog::Impl::FitHeightToTexts()
{
    // Qt gives a window no minimum height for its wrapped labels (and caps the height it picks
    // when shown), so a long translation would be cut. Measured at the narrowest width, which
    // needs the most height.
    QLayout* layout = q->layout();
    layout->activate();
    const int width = qMax(q->minimumWidth(), layout->minimumSize().width());
    q->setMinimumHeight(qMax(q->minimumHeight(), layout->totalHeightForWidth(width)));
}

void SidebarCustomizationDialog::Impl::Retranslate()
{
    for (const auto& setText : cardTextSetters)
    {
        setText();
    }
    UpdateButtonTexts();
    SetHeaderAndLinkTexts();
    FitHeightToTexts();
}

SidebarCustomizationDialog::SidebarCustomizationDialog(
    const std::shared_ptr<App::ICustomizationManager>& customizationManager, QWidget* parent)
    : QDialog(parent)
{
    const NotNull<App::ICustomizationManager> customization(customizationManager);
    d = std::make_unique<Impl>(this);

    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("SidebarCustomizationDialog"));

    new Orb::UI::Util::WindowMouseMoveHelper(this, {this, d->centralFrame, d->headerLabel, d->featuresFrame});
    Orb::UI::Util::FixWindowOffscreenJumps(this);

    connect(d->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(d->newFeaturePicture, &ZLabel::clicked, this, &SidebarCustomizationDialog::NewFeatureRequested);
    connect(d->newFeatureLabel, &ZLabel::clicked, this, &SidebarCustomizationDialog::NewFeatureRequested);

    // Style-sheet values of linkStyle and lineHeight must be in force before any text.
    ensurePolished();
    d->SetHeaderAndLinkTexts();

    customization->CustomizeWidget(this);
}

SidebarCustomizationDialog::~SidebarCustomizationDialog() = default;

void SidebarCustomizationDialog::SetFeatures(const std::vector<std::shared_ptr<IFeature>>& features)
{
    for (const auto& feature : features)
    {
        d->AddCard(feature);
    }
    if (!features.empty())
    {
        d->Retranslate();
    }
    d->OrderFocusChain();
}

void SidebarCustomizationDialog::SelectFeature(const QString& featureId)
{
    if (featureId.isEmpty())
    {
        return;
    }
    for (ButtonWithCenteredLabels* button : d->cardButtons)
    {
        if (button->property(kFeatureIdProperty).toString() == featureId)
        {
            button->setChecked(true);
            d->selectedFeatureId = featureId;
            d->UpdateButtonTexts();
            return;
        }
    }
}

QString SidebarCustomizationDialog::GetLinkStyle() const
{
    return linkStyle;
}

void SidebarCustomizationDialog::SetLinkStyle(const QString& style)
{
    linkStyle = style;
}

int SidebarCustomizationDialog::GetLineHeight() const
{
    return lineHeight;
}

void SidebarCustomizationDialog::SetLineHeight(int percent)
{
    lineHeight = percent;
}

void SidebarCustomizationDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RunLogged("Zarvo::Orb::Module::Launcher::UI::SidebarCustomizationDialog::showEvent", [this] { emit Showed(); });
}

void SidebarCustomizationDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    RunLogged("Zarvo::Orb::Module::Launcher::UI::SidebarCustomizationDialog::hideEvent", [this] { emit Hided(); });
}

void SidebarCustomizationDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
    {
        d->Retranslate();
    }
    QDialog::changeEvent(event);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
