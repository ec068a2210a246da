#include "ButtonAttributes.h"

#include "ColorCode.h"
#include "DesignScale.h"
#include "LabelAttributes.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"

namespace tolvane::app {

void ButtonAttributes::setKeepAspect(ui::Button& button, bool keep)
{
    if (!keep)
        return;
    button.imageView().setContentMode(ui::ContentMode::scaleAspectFit);
    button.setContentHorizontalAlignment(ui::ContentAlignment::fill);
    button.setContentVerticalAlignment(ui::ContentAlignment::fill);
}

void ButtonAttributes::setAdjustFontSize(ui::Button& button, bool adjust)
{
    if (adjust)
        LabelAttributes::setAdjustFontSize(button.titleLabel(), true);
}

void ButtonAttributes::setCornerRadius(ui::Button& button, bool pill)
{
    if (pill)
        button.layer().setCornerRadius(DesignScale::vertical() * button.frame().height() * 0.5);
}

void ButtonAttributes::setBorderColor(ui::Button& button, const ui::Color& color)
{
    button.layer().setBorderColor(color);
}

void ButtonAttributes::setBorderWidth(ui::Button& button, double width)
{
    button.layer().setBorderWidth(DesignScale::vertical() * width);
}

void ButtonAttributes::setShadow(ui::Button& button, bool)
{
    ui::Layer& layer = button.layer();
    layer.setMasksToBounds(false);
    layer.setShadowColor(ui::Color::black());
    layer.setShadowOpacity(0.15);
    layer.setShadowRadius(10.0);
    layer.setShadowOffset({0, 10});
}

void ButtonAttributes::setCornerRadiusPercent(ui::Button& button, double percent)
{
    button.layer().setCornerRadius(DesignScale::vertical() * button.frame().height() * percent);
}

void ButtonAttributes::applyCornerAndShadow(ui::Button& button)
{
    auto disabled = button.backgroundImage(ui::ControlState::disabled);
    if (!disabled)
        return;
    button.setBackgroundImage(disabled->withRenderingMode(ui::ImageRenderingMode::alwaysTemplate), ui::ControlState::disabled);
    button.imageView().setTintColor(ColorCode::buttonTintColor());
}

} // namespace tolvane::app
