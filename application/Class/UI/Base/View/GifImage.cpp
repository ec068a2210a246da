#include "GifImage.h"

#include "ui/ImageSource.h"
#include "ui/ImageView.h"

#include <numeric>

namespace tolvane::app {
namespace {

constexpr long defaultDelayMs = 1000;

// The delay of one frame: the unclamped delay, or the clamped one when that is exactly 0; anything
// that is not a positive number gives the default.
long delayOf(const ui::ImageSource& source, size_t index)
{
    const auto gif = source.gifProperties(index);
    if (!gif)
        return defaultDelayMs;
    std::optional<double> seconds = gif->unclampedDelay;
    if (seconds && *seconds == 0.0)
        seconds = gif->clampedDelay;
    if (!seconds || !(*seconds > 0))
        return defaultDelayMs;
    const auto milliseconds = static_cast<long>(*seconds * 1000);
    // Below 1 ms the delay would truncate to 0 and leave no common divisor: it takes the default.
    return milliseconds > 0 ? milliseconds : defaultDelayMs;
}

std::vector<long> delaysOf(const ui::ImageSource& source)
{
    std::vector<long> delays;
    for (size_t i = 0; i < source.count(); ++i)
        delays.push_back(delayOf(source, i));
    return delays;
}

} // namespace

std::vector<long> GifImage::frameDelays(const foundation::Bytes& data)
{
    const auto source = ui::ImageSource::create(data);
    return source ? delaysOf(*source) : std::vector<long>{};
}

void GifImage::setGifImage(ui::ImageView& imageView, const foundation::Bytes& data)
{
    const auto source = ui::ImageSource::create(data);
    if (!source) {
        imageView.setImage(std::nullopt);
        return;
    }
    const auto delays = delaysOf(*source);
    const long total = std::accumulate(delays.begin(), delays.end(), 0L);
    long divisor = 0;
    for (long delay : delays)
        divisor = std::gcd(divisor, delay);
    std::vector<ui::Image> frames;
    for (size_t i = 0; i < delays.size(); ++i) {
        const auto pixels = source->image(i);
        if (!pixels)
            return;
        const ui::Image frame(*pixels);
        for (long repeat = 0; repeat < delays[i] / divisor; ++repeat)
            frames.push_back(frame);
    }
    imageView.setImage(ui::Image::animated(frames, static_cast<double>(total) / 1000.0));
}

} // namespace tolvane::app
