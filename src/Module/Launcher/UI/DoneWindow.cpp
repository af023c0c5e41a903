#include "Module/Launcher/UI/DoneWindow.h"

#include "Module/Launcher/Tr.h"
#include "Module/Launcher/UI/FramelessDialogSetup.h"
#include "Module/Launcher/UI/LineHeightParagraph.h"
#include "OrbUtilUI/WindowUtil.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace Zarvo::Orb::Module::Launcher::UI
{
struct Q_DECL_HIDDEN DoneWindow::Widgets
{
    ZFrame* centralFrame;
    ZFrame* closeButtonFrame;
    QPushButton* closeButton;
    QLabel* pictureLabel;
    QLabel* descriptionLabel;
    QPushButton* confirmButton;
};

DoneWindow::DoneWindow(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Widgets>())
{
    ui->centralFrame = MakeNamed<ZFrame>(this, "centralFrame");
    ui->closeButtonFrame = MakeNamed<ZFrame>(ui->centralFrame, "closeButtonFrame");
    ui->closeButton = MakeNamed<QPushButton>(ui->closeButtonFrame, "closeButton");
    ui->pictureLabel = MakeNamed<QLabel>(ui->centralFrame, "pictureLabel");
    ui->descriptionLabel = MakeNamed<QLabel>(ui->centralFrame, "descriptionLabel");
    ui->confirmButton = MakeNamed<QPushButton>(ui->centralFrame, "confirmButton");

    ui->descriptionLabel->setTextFormat(Qt::RichText);
    ui->descriptionLabel->setWordWrap(true);

    MakeFlushLayout<QHBoxLayout>(this)->addWidget(ui->centralFrame);
    MakeFlushLayout<ZVBoxLayout>(ui->centralFrame)->autoFill().addStretch();
    MakeFlushLayout<ZHBoxLayout>(ui->closeButtonFrame)->addStretch().addWidget(ui->closeButton);

    new Orb::UI::Util::WindowMouseMoveHelper(
        this, {ui->centralFrame, ui->closeButton, ui->pictureLabel, ui->descriptionLabel, ui->confirmButton, this});
    MakeTranslucentFrameless(this);

    ensurePolished();
    SetTexts();
    // After the window flags are set: setting them drops the focus widget.
    ui->confirmButton->setFocus(Qt::OtherFocusReason);

    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->confirmButton, &QPushButton::clicked, this, &QDialog::accept);
}

DoneWindow::~DoneWindow() = default;

int DoneWindow::GetLineHeight() const
{
    return lineHeight;
}

void DoneWindow::SetLineHeight(int percent)
{
    lineHeight = percent;
}

void DoneWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
    {
        SetTexts();
    }
    QDialog::changeEvent(event);
}

void DoneWindow::SetTexts()
{
    ui->descriptionLabel->setText(
        LineHeightParagraph(lineHeight, FeatureRequestWindowTr::tr("Thank you!<br>We appreciate your feedback.")));
    ui->confirmButton->setText(FeatureRequestWindowTr::tr("Close"));
}
} // namespace Zarvo::Orb::Module::Launcher::UI
