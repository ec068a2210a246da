#pragma once

#include "ui/Image.h"
#include "ui/View.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The root view of a tutorial page: pictures, controls and texts stacked top to bottom across the
// page's width, centred on the page while they fit.
class TutorialPageView final : public ui::View {
public:
    enum class TextStyle { header, brand, heading, body, list, note };

    TutorialPageView();

    std::shared_ptr<ui::Label> addText(TextStyle style, std::string text = {});
    std::shared_ptr<ui::ImageView> addPicture(std::optional<ui::Image> image, double designHeight);
    // A control of the given height on the design screen, across the page's width.
    void addControl(std::shared_ptr<ui::View> control, double designHeight);

    // The width the stacked views take: the page's less its side margins.
    double contentWidth() const;

    void layoutSubviews() override;

private:
    struct Item {
        std::shared_ptr<ui::View> view;
        // Fixed height on the design screen; a text takes what it needs.
        std::optional<double> designHeight;
        double designSpacingBefore;
    };
    std::vector<Item> items_;
};

} // namespace tolvane::app
