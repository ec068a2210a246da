#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>
#include <vector>

namespace gif_maker {

class GifPalette;

// Writes frames of one size as a looping GIF with the palette's colours and the given delays
// (hundredths of a second); none when the frames and delays do not match or giflib refuses.
std::optional<QByteArray> encodeGif(const std::vector<QImage>& frames, const std::vector<int>& delays, const GifPalette& palette);

} // namespace gif_maker
