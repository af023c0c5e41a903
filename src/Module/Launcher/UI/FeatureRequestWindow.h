#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Zarvo::Orb::Module::Launcher::UI
{
// Asks the user what feature is missing. Send accepts the window and is enabled only
// for 1 to 2000 characters; the caller reads the text with GetText() afterwards.
class FeatureRequestWindow : public QDialog
{
    Q_OBJECT
    // Line height in percent of the description paragraph, set by the style sheet.
    Q_PROPERTY(int lineHeight READ GetLineHeight WRITE SetLineHeight)
public:
    explicit FeatureRequestWindow(QWidget* parent);
    ~FeatureRequestWindow() override;

    // The request exactly as typed, untrimmed.
    QString GetText() const;

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

// Asks for a request, centred on the screen of parent; a sent, non-empty request goes to send
// and is followed by the thank-you window. Returns once every window is closed.
void RequestFeature(QWidget* parent, const std::function<void(const QString& text)>& send);
} // namespace Zarvo::Orb::Module::Launcher::UI
