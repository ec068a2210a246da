#include "ContactSheet.h"

#include <algorithm>

#include <QFont>
#include <QPainter>

namespace screen_gallery {

namespace {

constexpr int SHEET_WIDTH = 900;
constexpr int PICTURE_GAP = 20;
constexpr int LABEL_HEIGHT = 36;
constexpr int MARGIN = 10;
// The phone's screen, whose shape every picture has.
constexpr double SCREEN_HEIGHT_PER_WIDTH = 844.0 / 390.0;

} // namespace

QImage contactSheet(const std::vector<std::pair<std::string, QImage>>& labelledPictures, int columns)
{
    columns = std::max(1, columns);
    const int cellWidth = SHEET_WIDTH / columns;
    const int pictureWidth = cellWidth - PICTURE_GAP;
    const int pictureHeight = static_cast<int>(pictureWidth * SCREEN_HEIGHT_PER_WIDTH);
    const int cellHeight = pictureHeight + LABEL_HEIGHT + 12;
    const int count = static_cast<int>(labelledPictures.size());
    const int rows = (count + columns - 1) / columns;
    QImage sheet(MARGIN * 2 + columns * cellWidth, MARGIN * 2 + std::max(1, rows) * cellHeight, QImage::Format_RGB32);
    sheet.fill(QColor("#DDE1E8"));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(columns >= 6 ? 10 : 14);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const auto& [label, picture] = labelledPictures[static_cast<size_t>(i)];
        const int x = MARGIN + (i % columns) * cellWidth + PICTURE_GAP / 2;
        const int y = MARGIN + (i / columns) * cellHeight;
        const QRect frame(x, y, pictureWidth, pictureHeight);
        painter.drawImage(frame, picture);
        painter.setPen(QColor("#8A94A6"));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(QColor("#1E2A3A"));
        painter.drawText(QRect(x - PICTURE_GAP / 2 + 2, y + pictureHeight + 4, cellWidth - 4, LABEL_HEIGHT),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(label));
    }
    return sheet;
}

} // namespace screen_gallery
