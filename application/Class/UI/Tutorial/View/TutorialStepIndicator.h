#pragma once

#include "ui/Image.h"
#include "ui/View.h"

#include <optional>
#include <utility>
#include <vector>

namespace tolvane::app {

// One marker per page of a tutorial flow: the page on screen, and by default those before it, as
// done. Hidden while there are fewer than two pages. Main thread only, as every view.
class TutorialStepIndicator : public ui::View {
public:
    using ui::View::View;

    int pageNum() const { return pageNumValue_; }
    // At least 1; the current marker follows when it would be past the last.
    void setPageNum(int value);
    int currentPageNum() const { return currentPageNumValue_; }
    // Clamped to the markers there are.
    void setCurrentPageNum(int value);
    bool checkPrevious() const { return checkPreviousValue_; }
    void setCheckPrevious(bool value);
    double lineWidth() const { return lineWidthValue_; }
    void setLineWidth(double value);

    // The anchor of each marker, spread across `rect` so that the first and last keep clear of its edges.
    std::vector<ui::Point> markerCenters(const ui::Rect& rect) const;
    // The done and the open marker's pictures, decoded on first use and kept.
    std::pair<ui::Image, ui::Image> markerImages() const;

    void draw(ui::GraphicsContext& context, const ui::Rect& rect) const override;

private:
    int pageNumValue_ = 1;
    int currentPageNumValue_ = 0;
    bool checkPreviousValue_ = true;
    double lineWidthValue_ = 5.0;
    mutable std::optional<ui::Image> cachedCheckImage_;
    mutable std::optional<ui::Image> cachedblankImage_;
};

} // namespace tolvane::app
