#include "ui/ImageFilePicker.h"

namespace ui {

ImageFilePicker& ImageFilePicker::shared()
{
    static ImageFilePicker picker;
    return picker;
}

void ImageFilePicker::pick(const Completion& completion) const
{
    if (!completion)
        return;
    const auto path = chooser_ ? chooser_() : std::nullopt;
    completion(path ? Image::fromFile(*path) : std::nullopt);
}

} // namespace ui
