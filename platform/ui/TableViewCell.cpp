#include "ui/TableViewCell.h"

namespace ui {

TableViewCell::TableViewCell(std::string reuseIdentifier)
    : reuseIdentifier_(std::move(reuseIdentifier)), contentView_(std::make_shared<View>())
{
    setBackgroundColor(Color::white(1));
    addSubview(contentView_);
}

void TableViewCell::setSelected(bool selected)
{
    selected_ = selected;
    setNeedsDisplay();
}

void TableViewCell::layoutSubviews()
{
    contentView_->setFrame(bounds());
}

} // namespace ui
