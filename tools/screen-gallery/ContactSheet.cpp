#include "ContactSheet.h"

#include <QFont>
#include <QPainter>

namespace screen_gallery {

namespace {

constexpr int COLUMNS = 6;
constexpr int CELL_WIDTH = 150;
constexpr int PICTURE_WIDTH = 130;
constexpr int PICTURE_HEIGHT = 281;
constexpr int LABEL_HEIGHT = 36;
constexpr int CELL_HEIGHT = PICTURE_HEIGHT + LABEL_HEIGHT + 12;
constexpr int MARGIN = 10;

} // namespace

QImage contactSheet(const std::vector<std::pair<std::string, QImage>>& labelledPictures)
{
    const int count = static_cast<int>(labelledPictures.size());
    const int rows = (count + COLUMNS - 1) / COLUMNS;
    QImage sheet(MARGIN * 2 + COLUMNS * CELL_WIDTH, MARGIN * 2 + std::max(1, rows) * CELL_HEIGHT, QImage::Format_RGB32);
    sheet.fill(QColor("#DDE1E8"));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const auto& [label, picture] = labelledPictures[static_cast<size_t>(i)];
        const int x = MARGIN + (i % COLUMNS) * CELL_WIDTH + (CELL_WIDTH - PICTURE_WIDTH) / 2;
        const int y = MARGIN + (i / COLUMNS) * CELL_HEIGHT;
        const QRect frame(x, y, PICTURE_WIDTH, PICTURE_HEIGHT);
        painter.drawImage(frame, picture);
        painter.setPen(QColor("#8A94A6"));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(QColor("#1E2A3A"));
        painter.drawText(QRect(x - 8, y + PICTURE_HEIGHT + 4, PICTURE_WIDTH + 16, LABEL_HEIGHT),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere, QString::fromStdString(label));
    }
    return sheet;
}

} // namespace screen_gallery
