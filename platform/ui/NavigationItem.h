#pragma once

#include "ui/BarButtonItem.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class View;

// What a screen shows in the navigation bar while it is on top of the stack.
class NavigationItem {
public:
    const std::optional<std::string>& title() const { return title_; }
    void setTitle(std::optional<std::string> title);
    const std::shared_ptr<View>& titleView() const { return titleView_; }
    void setTitleView(std::shared_ptr<View> view);
    const std::vector<std::shared_ptr<BarButtonItem>>& leftBarButtonItems() const { return left_; }
    void setLeftBarButtonItems(std::vector<std::shared_ptr<BarButtonItem>> items);
    const std::vector<std::shared_ptr<BarButtonItem>>& rightBarButtonItems() const { return right_; }
    void setRightBarButtonItems(std::vector<std::shared_ptr<BarButtonItem>> items);
    bool hidesBackButton() const { return hidesBackButton_; }
    void setHidesBackButton(bool hides);

    // Told whenever the item changes, so that a bar showing it updates.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void notify();

    std::optional<std::string> title_;
    std::shared_ptr<View> titleView_;
    std::vector<std::shared_ptr<BarButtonItem>> left_;
    std::vector<std::shared_ptr<BarButtonItem>> right_;
    bool hidesBackButton_ = false;
    std::function<void()> changed_;
};

} // namespace ui
