#include "Module/Launcher/UI/FeatureRequestWindow.h"

#include "Module/Launcher/Tr.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FramelessDialogSetup.h"
#include "Module/Launcher/UI/LineHeightParagraph.h"
#include "Module/Launcher/UI/WidgetKit.h"
#include "OrbUtilUI/WindowUtil.h"
#include "ZQtUtil/ZQtUtil.h"
#include "ZarvoWidget/ZBoxLayout.h"
#include "ZarvoWidget/ZFrame.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace Zarvo::Orb::Module::Launcher::UI
{
namespace
{
constexpr int kMaxRequestLength = 2000;
}

class Q_DECL_HIDDEN FeatureRequestWindow::Impl
{
public:
    ZFrame* centralFrame;
    ZFrame* closeButtonFrame;
    QPushButton* closeButton;
    ZFrame* contentFrame;
    QLabel* headerLabel;
    QLabel* descriptionLabel;
    QTextEdit* featureRequestTextEdit;
    ZFrame* sendButtonFrame;
    QPushButton* sendButton;
};

FeatureRequestWindow::FeatureRequestWindow(QWidget* parent)
    : QDialog(parent)
    , d(std::make_unique<Impl>())
{
    d->centralFrame = MakeNamed<ZFrame>(this, "centralFrame");
    d->closeButtonFrame = MakeNamed<ZFrame>(d->centralFrame, "closeButtonFrame");
    d->closeButton = MakeNamed<QPushButton>(d->closeButtonFrame, "closeButton");
    d->contentFrame = MakeNamed<ZFrame>(d->centralFrame, "contentFrame");
    d->headerLabel = MakeNamed<QLabel>(d->contentFrame, "headerLabel");
    d->descriptionLabel = MakeNamed<QLabel>(d->contentFrame, "descriptionLabel");
    d->featureRequestTextEdit = MakeNamed<QTextEdit>(d->contentFrame, "featureRequestTextEdit");
    d->sendButtonFrame = MakeNamed<ZFrame>(d->contentFrame, "sendButtonFrame");
    d->sendButton = MakeNamed<QPushButton>(d->sendButtonFrame, "sendButton");

    d->descriptionLabel->setTextFormat(Qt::RichText);
    d->descriptionLabel->setWordWrap(true);
    // What is sent is plain text; pasted formatting would only be thrown away.
    d->featureRequestTextEdit->setAcceptRichText(false);
    // Tab moves on to the send button; a request has no use for tab characters.
    d->featureRequestTextEdit->setTabChangesFocus(true);
    d->headerLabel->setWordWrap(true);
    d->sendButton->setEnabled(false);

    MakeFlushLayout<QHBoxLayout>(this)->addWidget(d->centralFrame);
    MakeFlushLayout<ZVBoxLayout>(d->centralFrame)->autoFill().addStretch();
    MakeFlushLayout<ZHBoxLayout>(d->closeButtonFrame)->addStretch().addWidget(d->closeButton);
    MakeFlushLayout<ZVBoxLayout>(d->contentFrame)->autoFill();
    MakeFlushLayout<ZHBoxLayout>(d->sendButtonFrame)->autoFill().addStretch();

    new Orb::UI::Util::WindowMouseMoveHelper(
        this, {d->centralFrame, d->closeButton, d->descriptionLabel, d->featureRequestTextEdit, d->sendButton, this});
    MakeTranslucentFrameless(this);

    ensurePolished();
    SetTexts();
    // After the window flags are set: setting them drops the focus widget.
    d->featureRequestTextEdit->setFocus(Qt::OtherFocusReason);

    connect(d->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(d->sendButton, &QPushButton::clicked, this, &QDialog::accept);
    // Captures widgets only: the text edit may still signal while the window is torn down.
    QTextEdit* textEdit = d->featureRequestTextEdit;
    QPushButton* sendButton = d->sendButton;
    connect(textEdit, &QTextEdit::textChanged, sendButton,
            [textEdit, sendButton]
            {
                const int length = textEdit->toPlainText().size();
                sendButton->setEnabled(length >= 1 && length <= kMaxRequestLength);
            });
}

FeatureRequestWindow::~FeatureRequestWindow() = default;

QString FeatureRequestWindow::GetText() const
{
    return d->featureRequestTextEdit->toPlainText();
}

int FeatureRequestWindow::GetLineHeight() const
{
    return lineHeight;
}

void FeatureRequestWindow::SetLineHeight(int percent)
{
    lineHeight = percent;
}

void FeatureRequestWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
    {
        SetTexts();
    }
    QDialog::changeEvent(event);
}

void FeatureRequestWindow::SetTexts()
{
    d->headerLabel->setText(FeatureRequestWindowTr::tr("What do you WANT ?!"));
    d->descriptionLabel->setText(LineHeightParagraph(
        lineHeight, FeatureRequestWindowTr::tr("You pressed some button which will work properly some day but for "
                                               "now what do you want from this button?")));
    d->sendButton->setText(FeatureRequestWindowTr::tr("Send"));
    d->featureRequestTextEdit->setPlaceholderText(FeatureRequestWindowTr::tr("What do you miss?!"));
}

void RequestFeature(QWidget* parent, const std::function<void(const QString& text)>& send)
{
    FeatureRequestWindow requestWindow(parent);
    requestWindow.move(Zarvo::Util::GetWidgetPosOnCurrentScreenCenter(requestWindow));
    if (requestWindow.exec() != QDialog::Accepted)
        return;
    const QString text = requestWindow.GetText();
    if (text.isEmpty())
        return;
    send(text);
    DoneWindow doneWindow(&requestWindow);
    doneWindow.exec();
}
} // namespace Zarvo::Orb::Module::Launcher::UI
