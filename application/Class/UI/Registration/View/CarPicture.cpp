#include "Class/UI/Registration/View/CarPicture.h"

#include "Class/UI/Base/View/ImageFitting.h"

#include "ui/AssetCatalog.h"

#include <QPainter>

namespace tolvane::app {
namespace {

constexpr const char* DEFAULT_IMAGE_NAME = "icon_vehicle";

} // namespace

std::optional<ui::Image> CarPicture::defaultImage()
{
    // Drawn at the stored picture's height, so it stays sharp when stored.
    return ui::AssetCatalog::shared().image(DEFAULT_IMAGE_NAME, {IMAGE_SIZE.height / 3, IMAGE_SIZE.height / 3});
}

ui::Image CarPicture::redrawn(const ui::Image& image)
{
    const ui::Size fitted = ImageFitting::fittedSize(image.size(), IMAGE_SIZE);
    QImage canvas(static_cast<int>(IMAGE_SIZE.width), static_cast<int>(IMAGE_SIZE.height), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target((IMAGE_SIZE.width - fitted.width) / 2, (IMAGE_SIZE.height - fitted.height) / 2, fitted.width, fitted.height);
    painter.drawImage(target, image.pixels());
    painter.end();
    return ui::Image(canvas, 1.0);
}

std::optional<foundation::Bytes> CarPicture::pngData(const ui::Image& image)
{
    auto data = redrawn(image).pngData();
    if (data.empty())
        return std::nullopt;
    return data;
}

} // namespace tolvane::app
