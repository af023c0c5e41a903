#pragma once

#include <QLabel>

// A label that fits its text to its width (plain text is elided with "…") and
// reports left-button presses as clicks.
//
// Set the text with setOriginalText(): the label keeps that text and shows the
// fitted version of it after every resize. Rich text is shown unchanged.
class ZLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ZLabel(QWidget* parent = nullptr, Qt::WindowFlags f = {});
    ~ZLabel() override;

    void setOriginalText(const QString& text);
    QString originalText() const;

    // Asks for room for the whole text, yet may be squeezed down to the ellipsis.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool isRichText() const;
    void updateShownText();

    QString original;
};
