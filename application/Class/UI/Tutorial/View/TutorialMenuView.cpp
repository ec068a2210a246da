#include "Class/UI/Tutorial/View/TutorialMenuView.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Tutorial/View/TutorialPalette.h"

#include "ui/Label.h"
#include "ui/TableView.h"

namespace tolvane::app {

TutorialMenuView::TutorialMenuView(std::shared_ptr<ui::Label> heading, std::shared_ptr<ui::TableView> list)
    : heading_(std::move(heading)), list_(std::move(list))
{
    setBackgroundColor(TutorialPalette::background());
    addSubview(heading_);
    addSubview(list_);
}

void TutorialMenuView::layoutSubviews()
{
    const ui::Rect area = bounds();
    const double V = DesignScale::vertical();
    const double inset = 15 * DesignScale::horizontal();
    const double headingHeight = heading_->font().lineHeight();
    heading_->setFrame({inset, 28 * V, area.width() - 2 * inset, headingHeight});
    const double listTop = heading_->frame().maxY() + 16 * V;
    list_->setFrame({0, listTop, area.width(), area.height() - listTop});
}

} // namespace tolvane::app
