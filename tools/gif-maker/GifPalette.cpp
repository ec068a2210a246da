#include "GifPalette.h"

#include <limits>

namespace gif_maker {

namespace {

// The artwork style's colours (application/Resources/ArtworkStyle.md).
const char* const STYLE_COLOURS[] = {"#FFFFFF", "#F2F4F8", "#1E2A3A", "#2F7DF6", "#FF5A4E", "#2DB36F", "#8A94A6"};
constexpr int STEPS_BETWEEN = 7;

QColor mix(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

} // namespace

GifPalette::GifPalette()
{
    std::vector<QColor> style;
    for (const char* colour : STYLE_COLOURS)
        style.emplace_back(colour);
    colours_ = style;
    for (size_t a = 0; a < style.size(); ++a)
        for (size_t b = a + 1; b < style.size(); ++b)
            for (int step = 1; step <= STEPS_BETWEEN; ++step)
                colours_.push_back(mix(style[a], style[b], static_cast<double>(step) / (STEPS_BETWEEN + 1)));
}

int GifPalette::nearest(QRgb rgb) const
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < colours_.size(); ++i) {
        const int dr = qRed(rgb) - colours_[i].red();
        const int dg = qGreen(rgb) - colours_[i].green();
        const int db = qBlue(rgb) - colours_[i].blue();
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace gif_maker
