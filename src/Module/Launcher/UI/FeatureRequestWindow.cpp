#include "Module/Launcher/UI/FeatureRequestWindow.h"

#include "Module/Launcher/Tr.h"
#include "Module/Launcher/UI/FramelessDialogSetup.h"
#include "Module/Launcher/UI/LineHeightParagraph.h"
#include "OrbUtilUI/WindowUtil.h"

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

struct Q_DECL_HIDDEN FeatureRequestWindow::Widgets
{
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
    , ui(std::make_unique<Widgets>())
{
    ui->centralFrame = MakeNamed<ZFrame>(this, "centralFrame");
    ui->closeButtonFrame = MakeNamed<ZFrame>(ui->centralFrame, "closeButtonFrame");
    ui->closeButton = MakeNamed<QPushButton>(ui->closeButtonFrame, "closeButton");
    ui->contentFrame = MakeNamed<ZFrame>(ui->centralFrame, "contentFrame");
    ui->headerLabel = MakeNamed<QLabel>(ui->contentFrame, "headerLabel");
    ui->descriptionLabel = MakeNamed<QLabel>(ui->contentFrame, "descriptionLabel");
    ui->featureRequestTextEdit = MakeNamed<QTextEdit>(ui->contentFrame, "featureRequestTextEdit");
    ui->sendButtonFrame = MakeNamed<ZFrame>(ui->contentFrame, "sendButtonFrame");
    ui->sendButton = MakeNamed<QPushButton>(ui->sendButtonFrame, "sendButton");

    ui->descriptionLabel->setTextFormat(Qt::RichText);
    ui->descriptionLabel->setWordWrap(true);
    // What is sent is plain text; pasted formatting would only be thrown away.
    ui->featureRequestTextEdit->setAcceptRichText(false);
    // Tab moves on to the send button; a request has no use for tab characters.
    ui->featureRequestTextEdit->setTabChangesFocus(true);
    ui->headerLabel->setWordWrap(true);
    ui->sendButton->setEnabled(false);

    MakeFlushLayout<QHBoxLayout>(this)->addWidget(ui->centralFrame);
    MakeFlushLayout<ZVBoxLayout>(ui->centralFrame)->autoFill().addStretch();
    MakeFlushLayout<ZHBoxLayout>(ui->closeButtonFrame)->addStretch().addWidget(ui->closeButton);
    MakeFlushLayout<ZVBoxLayout>(ui->contentFrame)->autoFill();
    MakeFlushLayout<ZHBoxLayout>(ui->sendButtonFrame)->autoFill().addStretch();

    new Orb::UI::Util::WindowMouseMoveHelper(this, {ui->centralFrame, ui->closeButton, ui->descriptionLabel,
                                                    ui->featureRequestTextEdit, ui->sendButton, this});
    MakeTranslucentFrameless(this);

    ensurePolished();
    SetTexts();
    // After the window flags are set: setting them drops the focus widget.
    ui->featureRequestTextEdit->setFocus(Qt::OtherFocusReason);

    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->sendButton, &QPushButton::clicked, this, &QDialog::accept);
    // Captures widgets only: the text edit may still signal while the window is torn down.
    QTextEdit* textEdit = ui->featureRequestTextEdit;
    QPushButton* sendButton = ui->sendButton;
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
    return ui->featureRequestTextEdit->toPlainText();
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
    ui->headerLabel->setText(FeatureRequestWindowTr::tr("What do you WANT ?!"));
    ui->descriptionLabel->setText(LineHeightParagraph(
        lineHeight, FeatureRequestWindowTr::tr("You pressed some button which will work properly some day but for "
                                               "now what do you want from this button?")));
    ui->sendButton->setText(FeatureRequestWindowTr::tr("Send"));
    ui->featureRequestTextEdit->setPlaceholderText(FeatureRequestWindowTr::tr("What do you miss?!"));
}
} // namespace Zarvo::Orb::Module::Launcher::UI
