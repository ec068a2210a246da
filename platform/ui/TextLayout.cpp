#include "ui/TextLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace ui {

TextLayout::TextLayout(const std::string& text, const Font& font, double maxWidth, int numberOfLines)
    : font_(font), lineHeight_(font.lineHeight())
{
    if (text.empty())
        return;
    const QFont qfont = font.qfont();
    const QFontMetricsF metrics(qfont);
    const double wrapWidth = std::isfinite(maxWidth) ? std::max(maxWidth, 1.0) : 1e9;
    const QString whole = QString::fromStdString(text);
    int paragraphStart = 0;
    const QStringList paragraphs = whole.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, qfont);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(wrapWidth);
            const QString piece = paragraph.mid(line.textStart(), line.textLength());
            const bool lastAllowed = numberOfLines > 0 && static_cast<int>(lines_.size()) == numberOfLines - 1;
            const bool moreFollows = line.textStart() + line.textLength() < paragraph.size() ||
                                     paragraphStart + static_cast<int>(paragraph.size()) < whole.size();
            if (lastAllowed && moreFollows) {
                // The rest of the text on one line, cut with an ellipsis where it overflows.
                const QString rest = whole.mid(paragraphStart + line.textStart()).simplified();
                const QString shown = std::isfinite(maxWidth) ? metrics.elidedText(rest, Qt::ElideRight, wrapWidth)
                                                              : piece.trimmed() + QChar(0x2026);
                lines_.push_back({shown, metrics.horizontalAdvance(shown)});
                layout.endLayout();
                return;
            }
            const QString trimmed = piece.endsWith(QLatin1Char(' ')) ? piece.trimmed() : piece;
            lines_.push_back({trimmed, metrics.horizontalAdvance(trimmed)});
        }
        layout.endLayout();
        paragraphStart += static_cast<int>(paragraph.size()) + 1;
    }
}

Size TextLayout::size() const
{
    double width = 0;
    for (const auto& line : lines_)
        width = std::max(width, line.width);
    return {std::ceil(width), std::ceil(lineHeight_ * static_cast<double>(lines_.size()))};
}

void TextLayout::draw(QPainter& painter, const Rect& rect, TextAlignment alignment) const
{
    if (lines_.empty())
        return;
    painter.setFont(font_.qfont());
    const QFontMetricsF metrics(painter.font());
    const double textHeight = lineHeight_ * static_cast<double>(lines_.size());
    double y = rect.y() + (rect.height() - textHeight) * 0.5 + metrics.ascent();
    for (const auto& line : lines_) {
        double x = rect.x();
        if (alignment == TextAlignment::center)
            x += (rect.width() - line.width) * 0.5;
        else if (alignment == TextAlignment::right)
            x += rect.width() - line.width;
        painter.drawText(QPointF(x, y), line.text);
        y += lineHeight_;
    }
}

} // namespace ui
