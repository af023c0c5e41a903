#pragma once

#include <QDialog>

#include <memory>
#include <vector>

namespace Zarvo::App
{
class ICustomizationManager;
}

namespace Zarvo::Orb::Module::Launcher
{
class IFeature;
}

namespace Zarvo::Orb::Module::Launcher::UI
{
// Lets the user pick or remove the feature of the sidebar's additional slot: one
// card per feature with a Select/Remove button, plus a link asking for more
// features. Reports choices through signals and never changes the sidebar itself.
class SidebarCustomizationDialog : public QDialog
{
    Q_OBJECT
    // Inline CSS of the "more features" link, set by the style sheet.
    Q_PROPERTY(QString linkStyle READ GetLinkStyle WRITE SetLinkStyle)
    // Line height in percent of the header and the card descriptions.
    Q_PROPERTY(int lineHeight READ GetLineHeight WRITE SetLineHeight)
public:
    // The customization manager is applied once, at the end of construction.
    SidebarCustomizationDialog(const std::shared_ptr<App::ICustomizationManager>& customizationManager,
                               QWidget* parent);
    ~SidebarCustomizationDialog() override;

    // Appends one card per feature; every feature must carry Title and Description texts.
    void SetFeatures(const std::vector<std::shared_ptr<IFeature>>& features);
    // Checks the card of that feature; an empty or unknown id changes nothing.
    void SelectFeature(const QString& featureId);

    QString GetLinkStyle() const;
    void SetLinkStyle(const QString& style);
    int GetLineHeight() const;
    void SetLineHeight(int percent);

signals:
    void FeatureSelectRequested(const QString& id);
    void FeatureClearRequested(const QString& clearedFeatureId = QString());
    void NewFeatureRequested();
    void Showed();
    void Hided();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString linkStyle;
    int lineHeight = 100;

    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
