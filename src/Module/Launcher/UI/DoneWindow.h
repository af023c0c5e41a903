#pragma once

#include <QDialog>

#include <memory>

namespace Zarvo::Orb::Module::Launcher::UI
{
// Thanks the user after a feature request was sent; its Close button accepts it.
class DoneWindow : public QDialog
{
    Q_OBJECT
    // Line height in percent of the description paragraph, set by the style sheet.
    Q_PROPERTY(int lineHeight READ GetLineHeight WRITE SetLineHeight)
public:
    explicit DoneWindow(QWidget* parent);
    ~DoneWindow() override;

    int GetLineHeight() const;
    void SetLineHeight(int percent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void SetTexts();

    int lineHeight = 100;

    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
