#pragma once

#include <QColor>

#include <vector>

namespace gif_maker {

// The one palette of every GIF: the artwork's colours and, between each two of them, seven steps, so
// that smoothed edges keep their look; no colour outside the style.
class GifPalette {
public:
    GifPalette();

    const std::vector<QColor>& colours() const { return colours_; }
    // The index of the colour nearest to `rgb`.
    int nearest(QRgb rgb) const;

private:
    std::vector<QColor> colours_;
};

} // namespace gif_maker
