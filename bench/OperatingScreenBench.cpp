// Renders the operating screen as it is while the car moves: the slider held with its holding
// animation running, the sonar lit on three sides, and the shadowed end-halfway pop-up over it, at
// 390 x 844 points and 1x and 3x. Each frame is drawn a sixtieth of a second after the last, so the
// animation's layers change between frames as on the phone. Aim: under 8 ms a frame at 3x on one
// core. Each run also draws the same content with bare QPainter calls (shadow blurred once) and
// reports the view layer's time as a ratio to it ("bare_ms", "ratio").

#include "OperatingStage.h"

#include "ui/ShadowCache.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <cstdlib>

#include <benchmark/benchmark.h>

namespace {

using namespace tolvane;

constexpr double FRAME_SECONDS = OperatingStage::FRAME_SECONDS;

// The top-down car, drawn once as the view layer keeps its artwork once.
QImage carPicture(double scale)
{
    QImage pixels(static_cast<int>(52 * scale), static_cast<int>(120 * scale), QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::transparent);
    QPainter painter(&pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 38, 52));
    painter.drawRoundedRect(QRectF(0, 0, 52, 120), 20, 20);
    painter.setBrush(QColor(150, 158, 170));
    painter.drawRoundedRect(QRectF(8, 26, 36, 18), 6, 6);
    painter.drawRoundedRect(QRectF(8, 88, 36, 14), 6, 6);
    painter.setBrush(QColor(40, 80, 140));
    painter.drawRoundedRect(QRectF(11, 50, 30, 34), 4, 4);
    return pixels;
}

// The same screen drawn straight with QPainter: what the view layer costs over plain drawing.
class BareScreen {
public:
    BareScreen(const OperatingStage& stage, double scale) : scale_(scale), car_(carPicture(scale))
    {
        const ui::Rect card = stage.popupCard();
        card_ = QRectF(card.x(), card.y(), card.width(), card.height());
        QImage silhouette(static_cast<int>((card_.width() + 40) * scale), static_cast<int>((card_.height() + 40) * scale),
                          QImage::Format_ARGB32_Premultiplied);
        silhouette.fill(Qt::transparent);
        QPainter painter(&silhouette);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(20, 20, card_.width(), card_.height()), 12, 12);
        painter.end();
        ui::ShadowCache blur;
        shadow_ = blur.shadowOf(silhouette, QColor(0, 0, 0, 38), 10 * scale);
    }

    QImage draw(int frame) const
    {
        QImage image(static_cast<int>(390 * scale_), static_cast<int>(844 * scale_), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        painter.scale(scale_, scale_);
        drawScreen(painter);
        drawHeldSlider(painter, frame);
        drawSonar(painter);
        drawPopup(painter);
        return image;
    }

private:
    static void text(QPainter& painter, const QRectF& box, int pixels, bool bold, const QColor& colour, const char* words)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        font.setBold(bold);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(words));
    }

    void drawScreen(QPainter& painter) const
    {
        painter.fillRect(QRectF(0, 0, 390, 844), QColor(242, 243, 247));
        painter.fillRect(QRectF(0, 0, 390, 91), QColor(30, 38, 52));
        text(painter, QRectF(95, 50, 200, 36), 18, false, Qt::white, "Tolvane");
        painter.setPen(QPen(QColor(230, 80, 70), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(306, 59, 20, 20), 120 * 16, 300 * 16);
        painter.drawLine(QPointF(316, 57), QPointF(316, 68));
        painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
        for (int line = 0; line < 3; ++line)
            painter.drawLine(QPointF(351, 62 + 7 * line), QPointF(369, 62 + 7 * line));
        text(painter, QRectF(10, 100, 370, 40), 15, false, QColor(30, 38, 52),
             "During a Tolvane maneuver, always remain alert to your surroundings.");
        text(painter, QRectF(95, 140, 200, 32), 20, true, QColor(50, 130, 240), "Forward");
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(50, 130, 240));
        painter.drawRoundedRect(QRectF(22, 243, 60, 60), 8, 8);
        painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(52, 257), QPointF(52, 290));
        painter.drawPolyline(QPolygonF({QPointF(38, 277), QPointF(52, 291), QPointF(66, 277)}));
        painter.setPen(QPen(QColor(50, 130, 240), 4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath turn(QPointF(337, 240));
        turn.cubicTo(QPointF(337, 215), QPointF(330, 200), QPointF(320, 192));
        painter.drawPath(turn);
        text(painter, QRectF(270, 252, 120, 40), 14, true, QColor(30, 38, 52), "8.7 m approx. remaining");
        painter.drawImage(QRectF(169, 257, 52, 120), car_);
        text(painter, QRectF(10, 460, 370, 56), 19, true, QColor(30, 38, 52),
             "To stop the vehicle, please release your finger from the screen");
    }

    // The lit sides round the car and the moving-object balloon.
    static void drawSonar(QPainter& painter)
    {
        painter.setPen(QPen(QColor(240, 130, 130), 1.5));
        painter.setBrush(QColor(250, 232, 234));
        painter.drawRoundedRect(QRectF(140, 190, 110, 58), 8, 8);
        painter.drawRoundedRect(QRectF(232, 262, 42, 110), 8, 8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(50, 130, 240));
        painter.drawRoundedRect(QRectF(173, 217, 22, 7), 3.5, 3.5);
        painter.setBrush(QColor(240, 110, 110));
        painter.drawRoundedRect(QRectF(222, 230, 26, 7), 3.5, 3.5);
        painter.drawRoundedRect(QRectF(233, 266, 6, 46), 3, 3);
        painter.setBrush(QColor(220, 70, 60));
        painter.drawRoundedRect(QRectF(45, 305, 300, 26), 4, 4);
        text(painter, QRectF(45, 305, 300, 26), 14, true, Qt::white, "Moving object has been detected");
    }

    // The knob under the finger with its halo breathing in time with the frames.
    static void drawHeldSlider(QPainter& painter, int frame)
    {
        const QPointF centre(195, 630);
        const double breath = 0.5 + 0.5 * std::sin(frame * FRAME_SECONDS * 2 * M_PI);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(50, 130, 240, static_cast<int>(40 + 30 * breath)));
        const double halo = 68 + 6 * breath;
        painter.drawEllipse(centre, halo, halo);
        painter.setBrush(QColor(50, 130, 240));
        painter.drawEllipse(centre, 62, 62);
        painter.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(170, 628), QPointF(195, 603), QPointF(220, 628)}));
        painter.drawPolyline(QPolygonF({QPointF(170, 655), QPointF(195, 630), QPointF(220, 655)}));
    }

    void drawPopup(QPainter& painter) const
    {
        painter.fillRect(QRectF(0, 0, 390, 844), QColor(0, 0, 0, 102));
        painter.drawImage(QRectF(card_.x() - 20, card_.y() - 10, card_.width() + 40, card_.height() + 40), shadow_);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(card_, 12, 12);
        text(painter, card_.adjusted(16, 16, -16, -50), 16, false, Qt::black, "Do you want to end the manoeuvre halfway?");
        text(painter, QRectF(card_.x(), card_.bottom() - 50, card_.width() / 2, 50), 17, false, QColor(50, 130, 240), "No");
        text(painter, QRectF(card_.center().x(), card_.bottom() - 50, card_.width() / 2, 50), 17, true, QColor(50, 130, 240), "Yes");
    }

    double scale_;
    QImage car_;
    QRectF card_;
    QImage shadow_;
};

template <class Draw>
double millisecondsPerFrame(const Draw& draw)
{
    constexpr int FRAMES = 30;
    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < FRAMES; ++frame) {
        QImage picture = draw(frame);
        benchmark::DoNotOptimize(picture.constBits());
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / FRAMES;
}

void BM_OperatingScreenHeldWithPopup(benchmark::State& state)
{
    const double scale = static_cast<double>(state.range(0));
    OperatingStage stage;
    stage.reportMovementWithObstacles();
    stage.holdSlider();
    stage.presentPopup();
    const auto layerFrame = [&](int frame) { return stage.draw(frame, scale); };
    const BareScreen bare(stage, scale);
    int frame = 0;
    for (auto _ : state) {
        QImage picture = layerFrame(frame++);
        benchmark::DoNotOptimize(picture.constBits());
    }
    const double bareMs = millisecondsPerFrame([&](int f) { return bare.draw(f); });
    state.counters["bare_ms"] = bareMs;
    state.counters["ratio"] = millisecondsPerFrame(layerFrame) / bareMs;
}

BENCHMARK(BM_OperatingScreenHeldWithPopup)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace

// The application writes its records under a folder of this run, never the user's own.
int main(int argc, char** argv)
{
    const QTemporaryDir root;
    setenv("TOLVANE_DATA_DIR", (root.path() + "/data").toUtf8().constData(), 1);
    setenv("TOLVANE_ACCESSORY_DIR", (root.path() + "/accessories").toUtf8().constData(), 1);
    setenv("TOLVANE_NMEA_LOG", (root.path() + "/no-drive.nmea").toUtf8().constData(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
