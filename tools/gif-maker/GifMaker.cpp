// Draws every registered animation and writes it as "<folder>/<name>.gif"; run at build time.
// Usage: gif-maker <folder>

#include "Animation.h"
#include "GifEncoder.h"
#include "GifPalette.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <string>

namespace {

QImage drawFrame(const gif_maker::Animation& animation, int index)
{
    QImage frame(animation.width, animation.height, QImage::Format_RGB32);
    frame.fill(QColor("#F2F4F8"));
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    animation.drawFrame(painter, index);
    return frame;
}

bool write(const gif_maker::Animation& animation, const std::string& folder, const gif_maker::GifPalette& palette)
{
    std::vector<QImage> frames;
    for (int i = 0; i < static_cast<int>(animation.delays.size()); ++i)
        frames.push_back(drawFrame(animation, i));
    const auto bytes = gif_maker::encodeGif(frames, animation.delays, palette);
    QFile file(QString::fromStdString(folder + "/" + animation.name + ".gif"));
    return bytes && file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gif-maker <folder>\n");
        return 2;
    }
    const gif_maker::GifPalette palette;
    for (const gif_maker::Animation& animation : gif_maker::registeredAnimations()) {
        if (!write(animation, argv[1], palette)) {
            std::fprintf(stderr, "gif-maker: cannot write %s\n", animation.name.c_str());
            return 1;
        }
    }
    return 0;
}
