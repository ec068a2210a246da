#include "R.h"

#include "ui/Image.h"

#include <gtest/gtest.h>

namespace {

namespace image = tolvane::app::R::image;

// The pictures several screens share load from the bundle at the size they are drawn for.
TEST(SharedArtworkTest, SharedPicturesLoadAtTheirDrawnSize)
{
    struct Case {
        const char* name;
        std::optional<ui::Image> picture;
        ui::Size size;
    };
    const Case cases[] = {
        {"#Tolvane_VehicleIcon", image::_Tolvane_VehicleIcon(), {64, 64}},
        {"icon_vehicle", image::icon_vehicle(), {28, 28}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.picture) << c.name;
        EXPECT_EQ(c.picture->size(), c.size) << c.name;
    }
}

} // namespace
