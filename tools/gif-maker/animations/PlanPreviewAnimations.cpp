// The animations of the plan previews: the car's movement, seen from above, over the drawing of
// its parking place. Each plays the movement over 16 eased frames, the first and last held longer,
// with the route dotted in the accent colour. The right-hand animations mirror the left ones.

#include "Animation.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <functional>
#include <cmath>
#include <numbers>

namespace gif_maker {
namespace {

const QColor GROUND("#F2F4F8");
const QColor NAVY("#1E2A3A");
const QColor ACCENT("#2F7DF6");
const QColor MUTED("#8A94A6");
const QColor WHITE("#FFFFFF");

constexpr int WIDTH = 240;
constexpr int HEIGHT = 288;
constexpr double CAR_WIDTH = 44;
constexpr double CAR_LENGTH = 80;
constexpr double STROKE = 3.0;
constexpr int FRAMES = 16;

// The parking places the movements start from or end in.
enum class Place { parallelSpace, perpendicularBays, parallelSlot, perpendicularBay };

enum class Drive { forward, backward };

// A movement: a cubic curve of the car's centre, driven forward or backward.
struct Movement {
    Place place;
    QPointF from, control1, control2, to;
    Drive drive;
};

QPen line(const QColor& colour, double width = STROKE, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
}

QPointF bezier(const Movement& m, double t)
{
    const double u = 1 - t;
    return u * u * u * m.from + 3 * u * u * t * m.control1 + 3 * u * t * t * m.control2 + t * t * t * m.to;
}

QPointF tangent(const Movement& m, double t)
{
    const double u = 1 - t;
    return 3 * u * u * (m.control1 - m.from) + 6 * u * t * (m.control2 - m.control1) + 3 * t * t * (m.to - m.control2);
}

// Degrees clockwise from "nose up" of a car following the curve at `t`.
double heading(const Movement& m, double t)
{
    QPointF direction = tangent(m, std::clamp(t, 0.01, 0.99));
    if (m.drive == Drive::backward)
        direction = -direction;
    return std::atan2(direction.x(), -direction.y()) * 180.0 / std::numbers::pi;
}

void drawCarOutline(QPainter& painter, QPointF centre, double degrees)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.setPen(line(MUTED));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(-CAR_WIDTH / 2, -CAR_LENGTH / 2, CAR_WIDTH, CAR_LENGTH), 10, 10);
    painter.drawLine(QPointF(-CAR_WIDTH / 2 + 8, -CAR_LENGTH / 2 + 22), QPointF(CAR_WIDTH / 2 - 8, -CAR_LENGTH / 2 + 22));
    painter.restore();
}

void drawCar(QPainter& painter, QPointF centre, double degrees)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.setPen(Qt::NoPen);
    painter.setBrush(NAVY);
    painter.drawRoundedRect(QRectF(-CAR_WIDTH / 2, -CAR_LENGTH / 2, CAR_WIDTH, CAR_LENGTH), 10, 10);
    painter.setBrush(ACCENT);
    painter.drawRoundedRect(QRectF(-CAR_WIDTH / 2 + 6, -CAR_LENGTH / 2 + 14, CAR_WIDTH - 12, 14), 4, 4);
    painter.drawRoundedRect(QRectF(-CAR_WIDTH / 2 + 8, CAR_LENGTH / 2 - 18, CAR_WIDTH - 16, 8), 3, 3);
    painter.setBrush(WHITE);
    painter.drawEllipse(QPointF(-CAR_WIDTH / 2 + 8, -CAR_LENGTH / 2 + 5), 3, 3);
    painter.drawEllipse(QPointF(CAR_WIDTH / 2 - 8, -CAR_LENGTH / 2 + 5), 3, 3);
    painter.restore();
}

void drawPlace(QPainter& painter, Place place)
{
    painter.setBrush(Qt::NoBrush);
    switch (place) {
    case Place::parallelSpace:
        // A kerb on the left with two parked cars and the free space between them.
        painter.setPen(line(MUTED, 4));
        painter.drawLine(QPointF(10, 4), QPointF(10, HEIGHT - 4));
        drawCarOutline(painter, {44, 42}, 0);
        drawCarOutline(painter, {44, 246}, 0);
        painter.setPen(line(MUTED, 2, Qt::DashLine));
        painter.drawRoundedRect(QRectF(18, 92, 52, 104), 8, 8);
        painter.drawLine(QPointF(196, 8), QPointF(196, HEIGHT - 8));
        break;
    case Place::perpendicularBays:
        // Three bays on the left, the middle one free.
        painter.setPen(line(MUTED));
        painter.drawLine(QPointF(8, 8), QPointF(8, HEIGHT - 8));
        for (double y : {12.0, 100.0, 188.0, 276.0})
            painter.drawLine(QPointF(8, y), QPointF(100, y));
        drawCarOutline(painter, {54, 56}, 90);
        drawCarOutline(painter, {54, 232}, 90);
        painter.setPen(line(MUTED, 2, Qt::DashLine));
        painter.drawLine(QPointF(212, 8), QPointF(212, HEIGHT - 8));
        break;
    case Place::parallelSlot:
        // The car's own space, marked at its corners.
        painter.setPen(line(MUTED));
        painter.drawLine(QPointF(56, 4), QPointF(56, HEIGHT - 4));
        painter.drawLine(QPointF(184, 4), QPointF(184, HEIGHT - 4));
        painter.setPen(line(MUTED, 2, Qt::DashLine));
        painter.drawRoundedRect(QRectF(88, 94, 64, 100), 8, 8);
        break;
    case Place::perpendicularBay:
        // A row of bays facing the road at the top.
        painter.setPen(line(MUTED));
        for (double x : {24.0, 88.0, 152.0, 216.0})
            painter.drawLine(QPointF(x, 96), QPointF(x, 248));
        painter.drawLine(QPointF(24, 248), QPointF(216, 248));
        drawCarOutline(painter, {56, 172}, 0);
        drawCarOutline(painter, {184, 172}, 0);
        painter.setPen(line(MUTED, 2, Qt::DashLine));
        painter.drawLine(QPointF(8, 40), QPointF(WIDTH - 8, 40));
        break;
    }
}

void drawRoute(QPainter& painter, const Movement& m)
{
    QPainterPath route(m.from);
    route.cubicTo(m.control1, m.control2, m.to);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(line(ACCENT, 3, Qt::DotLine));
    painter.drawPath(route);
}

// Eases in and out; the first and last frames are held longer by their delays.
double progressAt(int index)
{
    const double t = index / static_cast<double>(FRAMES - 1);
    return t * t * (3 - 2 * t);
}

void drawMovement(QPainter& painter, const Movement& m, int index)
{
    painter.setRenderHint(QPainter::Antialiasing);
    drawPlace(painter, m.place);
    drawRoute(painter, m);
    const double t = progressAt(index);
    drawCar(painter, bezier(m, t), heading(m, t));
}

std::vector<int> delays()
{
    std::vector<int> delays(FRAMES, 8);
    delays.front() = 40;
    delays.back() = 80;
    return delays;
}

// Draws the movement, or its mirror image for the right-hand side.
std::function<void(QPainter&, int)> moving(Movement movement, bool mirror = false)
{
    return [movement, mirror](QPainter& painter, int index) {
        if (mirror) {
            painter.translate(WIDTH, 0);
            painter.scale(-1, 1);
        }
        drawMovement(painter, movement, index);
    };
}

const Movement intoLeftParallel{Place::parallelSpace, {118, 270}, {118, 200}, {44, 204}, {44, 144}, Drive::forward};
const Movement backToLeftParallel{Place::parallelSpace, {118, 20}, {118, 90}, {44, 86}, {44, 144}, Drive::backward};
const Movement backToLeftVertical{Place::perpendicularBays, {176, 50}, {176, 150}, {150, 144}, {54, 144}, Drive::backward};
const Movement frontParallel{Place::parallelSlot, {120, 144}, {120, 120}, {120, 90}, {120, 52}, Drive::forward};
const Movement backParallel{Place::parallelSlot, {120, 144}, {120, 168}, {120, 198}, {120, 236}, Drive::backward};
const Movement frontVertical{Place::perpendicularBay, {120, 172}, {120, 126}, {120, 80}, {120, 32}, Drive::forward};
const Movement backVertical{Place::perpendicularBay, {120, 172}, {120, 180}, {120, 190}, {120, 200}, Drive::backward};
const Movement leftFrontParallel{Place::parallelSlot, {120, 144}, {120, 96}, {52, 110}, {52, 44}, Drive::forward};
const Movement leftBackParallel{Place::parallelSlot, {120, 144}, {120, 192}, {52, 178}, {52, 244}, Drive::backward};
const Movement leftFrontVertical{Place::perpendicularBay, {120, 172}, {120, 70}, {110, 40}, {36, 40}, Drive::forward};

const Animations planPreviewAnimations{
    {
        .name = "anim_into_left_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(intoLeftParallel),
    },
    {
        .name = "anim_into_right_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(intoLeftParallel, true),
    },
    {
        .name = "anim_back_to_left_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(backToLeftParallel),
    },
    {
        .name = "anim_back_to_right_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(backToLeftParallel, true),
    },
    {
        .name = "anim_back_to_left_vertical",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(backToLeftVertical),
    },
    {
        .name = "anim_back_to_right_vertical",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(backToLeftVertical, true),
    },
    {
        .name = "anim_front_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(frontParallel),
    },
    {
        .name = "anim_back_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(backParallel),
    },
    {
        .name = "anim_front_vertical",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(frontVertical),
    },
    {
        .name = "anim_back_vertical",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(backVertical),
    },
    {
        .name = "anim_left_front_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(leftFrontParallel),
    },
    {
        .name = "anim_right_front_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(leftFrontParallel, true),
    },
    {
        .name = "anim_left_back_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(leftBackParallel),
    },
    {
        .name = "anim_right_back_parallel",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(leftBackParallel, true),
    },
    {
        .name = "anim_left_front_vertical",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(leftFrontVertical),
    },
    {
        .name = "anim_right_front_vertical",
        .width = WIDTH,
        .height = HEIGHT,
        .delays = delays(),
        .drawFrame = moving(leftFrontVertical, true),
    },
};

} // namespace
} // namespace gif_maker
