// The animations of the connection screens.
//
// How a screen area adds an animation: add a file animations/<Area>Animations.cpp like this one with
// one row per GIF; the build finds it, draws it and compiles it in as "<name>.gif" of the
// application's bundle. Start each row with `.name = "<name>"` on its own line (the build reads the
// names from there). Delays are in hundredths of a second, one per frame; `drawFrame` paints frame
// `index` on a 'TolvaneBg' canvas in the artwork style (application/Resources/ArtworkStyle.md),
// without text. Add the row's name, frame count and delays to the table of GifAnimationsTest.

#include "Animation.h"

#include <QPainter>
#include <QPainterPath>

namespace gif_maker {
namespace {

const QColor NAVY("#1E2A3A");
const QColor ACCENT("#2F7DF6");
const QColor MUTED("#8A94A6");
constexpr double STROKE = 4.0;

QPen roundPen(const QColor& colour)
{
    return QPen(colour, STROKE, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawPhone(QPainter& painter)
{
    painter.setPen(roundPen(NAVY));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(18, 18, 34, 60), 7, 7);
    painter.drawLine(QPointF(30, 68), QPointF(40, 68));
}

void drawCar(QPainter& painter)
{
    painter.setPen(roundPen(NAVY));
    painter.setBrush(Qt::NoBrush);
    QPainterPath roof;
    roof.moveTo(106, 62);
    roof.lineTo(106, 50);
    roof.lineTo(112, 36);
    roof.quadTo(113, 33, 116, 33);
    roof.lineTo(136, 33);
    roof.quadTo(139, 33, 140, 36);
    roof.lineTo(146, 50);
    roof.lineTo(146, 62);
    painter.drawPath(roof);
    painter.drawRoundedRect(QRectF(106, 50, 40, 14), 3, 3);
    painter.drawLine(QPointF(111, 64), QPointF(111, 70));
    painter.drawLine(QPointF(141, 64), QPointF(141, 70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(NAVY);
    painter.drawEllipse(QPointF(114, 57), 2.5, 2.5);
    painter.drawEllipse(QPointF(138, 57), 2.5, 2.5);
}

// The screen shows the linking at 240 x 144 points: drawn on a 160 x 96 grid and written at 4.5
// pixels per unit, it stays sharp at three pixels per point.
constexpr double LINKING_SCALE = 4.5;

// Phone and car with three link dots between them that light one after another.
void drawLinking(QPainter& painter, int index)
{
    painter.scale(LINKING_SCALE, LINKING_SCALE);
    drawPhone(painter);
    drawCar(painter);
    painter.setPen(Qt::NoPen);
    for (int dot = 0; dot < 3; ++dot) {
        painter.setBrush(dot < index ? ACCENT : MUTED);
        painter.drawEllipse(QPointF(66 + dot * 12, 48), 4, 4);
    }
}

const Animations connectionAnimations{
    {
        .name = "BT_icon_spec",
        .width = static_cast<int>(160 * LINKING_SCALE),
        .height = static_cast<int>(96 * LINKING_SCALE),
        .delays = {40, 40, 40, 80},
        .drawFrame = drawLinking,
    },
};

} // namespace
} // namespace gif_maker
