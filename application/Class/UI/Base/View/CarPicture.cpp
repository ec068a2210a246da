#include "Class/UI/Base/View/CarPicture.h"

#include "Class/Model/CarImagePathResolver.h"

#include "R.h"

#include "foundation/StandardLocations.h"

namespace tolvane::app {

std::optional<ui::Image> CarPicture::image(const std::optional<std::string>& carImagePath)
{
    if (carImagePath) {
        if (auto file = CarImagePathResolver(foundation::documentsDirectory()).fileFor(*carImagePath))
            if (auto picture = ui::Image::fromFile(file->string()))
                return picture;
    }
    return R::image::_Tolvane_VehicleIcon();
}

} // namespace tolvane::app
