#include "LabelAttributes.h"

#include "DesignScale.h"

#include "foundation/RunLoop.h"
#include "ui/Label.h"
#include "ui/Layer.h"

#include <cmath>

namespace tolvane::app {

void LabelAttributes::setAdjustFontSize(ui::Label& label, bool adjust)
{
    if (adjust)
        label.setFont(label.font().withSize(std::floor(DesignScale::vertical() * label.font().pointSize())));
}

void LabelAttributes::setCornerRadiusPercent(ui::Label& label, double percent)
{
    label.layer().setCornerRadius(DesignScale::vertical() * label.frame().height() * percent);
    label.setClipsToBounds(true);
}

void LabelAttributes::awakeFromNib(ui::Label& label)
{
    std::weak_ptr<ui::View> weakLabel = label.weak_from_this();
    foundation::RunLoop::main().post([weakLabel] {
        if (auto view = weakLabel.lock())
            static_cast<ui::Label&>(*view).setAdjustsFontSizeToFitWidth(true);
    });
}

} // namespace tolvane::app
