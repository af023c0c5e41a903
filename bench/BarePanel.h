#pragma once

#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace Bench
{
// By object name: tooltip, accessible name, accessible description.
using Texts = QMap<QString, QStringList>;

// The launcher panel rebuilt with bare Qt: the same widgets with the same types, object names,
// window flags, properties, tooltips, accessible texts and edge layouts, doing only the widget work each
// operation needs (new values, one re-polish per widget, layouts, geometry).
class BarePanel
{
public:
    // Edges as the panel numbers them: 1 Left, 2 Top, 3 Right, 4 Bottom.
    BarePanel(int edge, bool compacted, const QStringList& mainIds, const QStringList& additionalIds,
              const QString& currentAdditionalId, const Texts& texts);
    ~BarePanel();

    QWidget* Window() const;
    // Shows the window at its docked geometry.
    void Show(const QRect& geometry);
    // A drag that ends on another edge: moved there, relaid out, restyled, snapped.
    void ChangeEdge(int edge, const QRect& dropped, const QRect& docked);
    // Restyled and animated to the geometry; the caller drives the animation to its end.
    void ChangeState(bool compacted, const QRect& geometry);
    // The tooltip and the accessible description, which repeats it.
    void SetToolTip(const QString& objectName, const QString& text);

private:
    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Bench
