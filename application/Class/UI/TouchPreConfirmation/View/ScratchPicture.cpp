#include "Class/UI/TouchPreConfirmation/View/ScratchPicture.h"

#include "ui/AssetCatalog.h"

#include <random>

namespace tolvane::app {
namespace {

int systemDraw()
{
    static std::random_device device;
    return std::uniform_int_distribution<int>(0, 99)(device);
}

ScratchPicture::RandomSource& source()
{
    static ScratchPicture::RandomSource current = systemDraw;
    return current;
}

} // namespace

std::string ScratchPicture::assetName(int drawn)
{
    if (drawn >= 95)
        return "touchPreConfirmation_kin";
    if (drawn >= 80)
        return "touchPreConfirmation_gin";
    return "touchPreConfirmation_normal";
}

std::optional<ui::Image> ScratchPicture::draw()
{
    return ui::AssetCatalog::shared().image(assetName(source()()));
}

void ScratchPicture::setRandomSource(RandomSource replacement)
{
    source() = replacement ? std::move(replacement) : RandomSource(systemDraw);
}

} // namespace tolvane::app
