#include "ui/NavigationItem.h"

namespace ui {

void NavigationItem::setTitle(std::optional<std::string> title)
{
    title_ = std::move(title);
    notify();
}

void NavigationItem::setTitleView(std::shared_ptr<View> view)
{
    titleView_ = std::move(view);
    notify();
}

void NavigationItem::setLeftBarButtonItems(std::vector<std::shared_ptr<BarButtonItem>> items)
{
    left_ = std::move(items);
    notify();
}

void NavigationItem::setRightBarButtonItems(std::vector<std::shared_ptr<BarButtonItem>> items)
{
    right_ = std::move(items);
    notify();
}

void NavigationItem::setHidesBackButton(bool hides)
{
    hidesBackButton_ = hides;
    notify();
}

void NavigationItem::notify()
{
    if (changed_)
        changed_();
}

} // namespace ui
