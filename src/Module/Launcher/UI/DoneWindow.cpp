#include "Module/Launcher/UI/DoneWindow.h"

#include "Module/Launcher/Tr.h"
#include "Module/Launcher/UI/FramelessDialogSetup.h"
#include "Module/Launcher/UI/LineHeightParagraph.h"
#include "Module/Launcher/UI/WidgetKit.h"
#include "OrbUtilUI/WindowUtil.h"
#include "ZarvoWidget/ZBoxLayout.h"
#include "ZarvoWidget/ZFrame.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace Zarvo::Orb::Module::Launcher::UI
{
class Q_DECL_HIDDEN DoneWindow::Impl
{
public:
    ZFrame* centralFrame;
    ZFrame* closeButtonFrame;
    QPushButton* closeButton;
    QLabel* pictureLabel;
    QLabel* descriptionLabel;
    QPushButton* confirmButton;
};

DoneWindow::DoneWindow(QWidget* parent)
    : QDialog(parent)
    , d(std::make_unique<Impl>())
{
    d->centralFrame = MakeNamed<ZFrame>(this, "centralFrame");
    d->closeButtonFrame = MakeNamed<ZFrame>(d->centralFrame, "closeButtonFrame");
    d->closeButton = MakeNamed<QPushButton>(d->closeButtonFrame, "closeButton");
    d->pictureLabel = MakeNamed<QLabel>(d->centralFrame, "pictureLabel");
    d->descriptionLabel = MakeNamed<QLabel>(d->centralFrame, "descriptionLabel");
    d->confirmButton = MakeNamed<QPushButton>(d->centralFrame, "confirmButton");

    d->descriptionLabel->setTextFormat(Qt::RichText);
    d->descriptionLabel->setWordWrap(true);

    MakeFlushLayout<QHBoxLayout>(this)->addWidget(d->centralFrame);
    MakeFlushLayout<ZVBoxLayout>(d->centralFrame)->autoFill().addStretch();
    MakeFlushLayout<ZHBoxLayout>(d->closeButtonFrame)->addStretch().addWidget(d->closeButton);

    new Orb::UI::Util::WindowMouseMoveHelper(
        this, {d->centralFrame, d->closeButton, d->pictureLabel, d->descriptionLabel, d->confirmButton, this});
    MakeTranslucentFrameless(this);

    ensurePolished();
    SetTexts();
    // After the window flags are set: setting them drops the focus widget.
    d->confirmButton->setFocus(Qt::OtherFocusReason);

    connect(d->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(d->confirmButton, &QPushButton::clicked, this, &QDialog::accept);
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
    d->descriptionLabel->setText(
        LineHeightParagraph(lineHeight, FeatureRequestWindowTr::tr("Thank you!<br>We appreciate your feedback.")));
    d->confirmButton->setText(FeatureRequestWindowTr::tr("Close"));
}
} // namespace Zarvo::Orb::Module::Launcher::UI
