#include "Class/UI/Base/View/ImageFitting.h"

namespace tolvane::app {

ui::Size ImageFitting::fittedSize(const ui::Size& imageSize, const ui::Size& target)
{
    if (imageSize.width <= 0 || imageSize.height <= 0 || target.width <= 0 || target.height <= 0)
        return imageSize;
    const double targetRatio = target.height / target.width;
    const double imageRatio = imageSize.height / imageSize.width;
    if (imageRatio >= targetRatio)
        return {imageSize.width / imageSize.height * target.height, target.height};
    return {target.width, imageRatio * target.width};
}

ui::Image ImageFitting::resized(const ui::Image& image, const ui::Size& target)
{
    const ui::Size size = fittedSize(image.size(), target);
    if (size == image.size())
        return image;
    return image.resized(size);
}

} // namespace tolvane::app
