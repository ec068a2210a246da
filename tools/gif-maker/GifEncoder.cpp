#include "GifEncoder.h"

#include "GifPalette.h"

#include <gif_lib.h>

#include <memory>

namespace gif_maker {

namespace {

int appendTo(GifFileType* file, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct GifCloser {
    void operator()(GifFileType* file) const
    {
        int error = 0;
        EGifCloseFile(file, &error);
    }
};

struct ColorMapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

bool writeLoopForever(GifFileType* file)
{
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    GifByteType loop[] = {1, 0, 0};
    return EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK
           && EGifPutExtensionBlock(file, sizeof application, application) == GIF_OK
           && EGifPutExtensionBlock(file, sizeof loop, loop) == GIF_OK && EGifPutExtensionTrailer(file) == GIF_OK;
}

bool writeFrame(GifFileType* file, const QImage& frame, int delay, const GifPalette& palette)
{
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = delay;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) != GIF_OK
        || EGifPutImageDesc(file, 0, 0, frame.width(), frame.height(), false, nullptr) != GIF_OK)
        return false;
    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    std::vector<GifPixelType> line(static_cast<size_t>(frame.width()));
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            line[static_cast<size_t>(x)] = static_cast<GifPixelType>(palette.nearest(row[x]));
        if (EGifPutLine(file, line.data(), frame.width()) != GIF_OK)
            return false;
    }
    return true;
}

} // namespace

std::optional<QByteArray> encodeGif(const std::vector<QImage>& frames, const std::vector<int>& delays, const GifPalette& palette)
{
    if (frames.empty() || frames.size() != delays.size())
        return std::nullopt;
    const QSize size = frames.front().size();
    for (const QImage& frame : frames)
        if (frame.size() != size)
            return std::nullopt;

    std::vector<GifColorType> colours(256, GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.colours().size(); ++i) {
        const QColor& colour = palette.colours()[i];
        colours[i] = {static_cast<GifByteType>(colour.red()), static_cast<GifByteType>(colour.green()),
                      static_cast<GifByteType>(colour.blue())};
    }
    const std::unique_ptr<ColorMapObject, ColorMapFree> map(GifMakeMapObject(256, colours.data()));

    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> file(EGifOpen(&bytes, appendTo, &error));
    if (!file || !map)
        return std::nullopt;
    EGifSetGifVersion(file.get(), true);
    if (EGifPutScreenDesc(file.get(), size.width(), size.height(), 8, 0, map.get()) != GIF_OK || !writeLoopForever(file.get()))
        return std::nullopt;
    for (size_t i = 0; i < frames.size(); ++i)
        if (!writeFrame(file.get(), frames[i], delays[i], palette))
            return std::nullopt;
    if (EGifCloseFile(file.release(), &error) != GIF_OK)
        return std::nullopt;
    return bytes;
}

} // namespace gif_maker
