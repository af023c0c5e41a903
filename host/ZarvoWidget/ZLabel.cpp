#include "ZarvoWidget/ZLabel.h"

#include <QMouseEvent>
#include <QTextDocument>

ZLabel::ZLabel(QWidget* parent, Qt::WindowFlags f)
    : QLabel(parent, f)
{
}

ZLabel::~ZLabel() = default;

void ZLabel::setOriginalText(const QString& text)
{
    original = text;
    updateShownText();
    updateGeometry();
}

QString ZLabel::originalText() const
{
    return original;
}

QSize ZLabel::sizeHint() const
{
    QSize hint = QLabel::sizeHint();
    if (isRichText() || wordWrap())
    {
        return hint;
    }
    // QLabel measures the elided text it shows; measure the whole text instead,
    // or a label once squeezed would never ask to grow back.
    const int shownWidth = fontMetrics().horizontalAdvance(text());
    const int wholeWidth = fontMetrics().horizontalAdvance(original);
    hint.rwidth() += wholeWidth - shownWidth;
    return hint;
}

QSize ZLabel::minimumSizeHint() const
{
    QSize hint = QLabel::minimumSizeHint();
    if (isRichText() || wordWrap())
    {
        return hint;
    }
    const int shownWidth = fontMetrics().horizontalAdvance(text());
    const int ellipsisWidth = fontMetrics().horizontalAdvance(QStringLiteral("…"));
    hint.rwidth() -= qMax(0, shownWidth - ellipsisWidth);
    return hint;
}

void ZLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
    {
        emit clicked();
    }
    QLabel::mousePressEvent(event);
}

void ZLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateShownText();
}

bool ZLabel::isRichText() const
{
    const Qt::TextFormat format = textFormat();
    return format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(original));
}

void ZLabel::updateShownText()
{
    if (isRichText() || wordWrap())
    {
        setText(original);
        return;
    }
    int textIndent = indent();
    if (textIndent < 0)
    {
        // QLabel's own default: half an "x" when a frame is drawn, none otherwise.
        textIndent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    }
    const int available = contentsRect().width() - 2 * margin() - textIndent;
    setText(fontMetrics().elidedText(original, Qt::ElideRight, qMax(0, available)));
}
