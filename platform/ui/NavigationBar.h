#pragma once

#include "ui/NavigationBarAppearance.h"
#include "ui/View.h"

#include <optional>

namespace ui {

class NavigationItem;

// The bar over a navigation stack: the top item's title or title view in the middle, its left and
// right bar buttons at the sides. Its frame reaches up under the status bar; the items sit in the
// bottom contentHeight points.
class NavigationBar : public View {
public:
    static constexpr double contentHeight = 44.0;

    using View::View;

    const NavigationBarAppearance& standardAppearance() const { return standard_; }
    void setStandardAppearance(const NavigationBarAppearance& appearance);
    const std::optional<NavigationBarAppearance>& scrollEdgeAppearance() const { return scrollEdge_; }
    void setScrollEdgeAppearance(std::optional<NavigationBarAppearance> appearance);
    const std::optional<Color>& barTintColor() const { return barTint_; }
    void setBarTintColor(std::optional<Color> color);

    // The item shown, or null.
    void setItem(NavigationItem* item);

    void layoutSubviews() override;
    void draw(GraphicsContext& context, const Rect& rect) const override;

private:
    Rect contentArea() const;
    const NavigationBarAppearance& activeAppearance() const;
    void rebuildItems();

    NavigationBarAppearance standard_;
    std::optional<NavigationBarAppearance> scrollEdge_;
    std::optional<Color> barTint_;
    NavigationItem* item_ = nullptr;
    std::vector<std::shared_ptr<View>> leftButtons_;
    std::vector<std::shared_ptr<View>> rightButtons_;
    std::shared_ptr<View> titleView_;
};

} // namespace ui
