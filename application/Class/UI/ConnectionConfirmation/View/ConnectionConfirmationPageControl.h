#pragma once

#include "ui/Image.h"
#include "ui/View.h"

#include <optional>
#include <vector>

namespace tolvane::app {

// The carousel's page marks: one short bar per page, the current one highlighted, spread evenly
// across the control. Hidden when there are fewer than two pages. Main thread only.
class ConnectionConfirmationPageControl final : public ui::View {
public:
    using ui::View::View;

    int pageNum() const { return pageNumValue; }
    // Never below 1; hides the control below 2 pages.
    void setPageNum(int pageNum);
    int currentPageNum() const { return currentPageNumValue; }
    // Kept within the pages.
    void setCurrentPageNum(int currentPageNum);
    bool checkPrevious() const { return checkPreviousValue; }
    void setCheckPrevious(bool checkPrevious);
    double lineWidth() const { return lineWidthValue; }
    void setLineWidth(double lineWidth);

    // The centre of each page's mark in `rect`.
    static std::vector<ui::Point> pagePositions(const ui::Rect& rect, int pages, double lineWidth);

    void draw(ui::GraphicsContext& context, const ui::Rect& rect) const override;

    int pageNumValue = 1;
    int currentPageNumValue = 0;
    bool checkPreviousValue = true;
    double lineWidthValue = 5.0;
    // Prepared on first drawing and reused.
    mutable std::optional<ui::Image> cachedCheckImage;
    mutable std::optional<ui::Image> cachedblankImage;
};

} // namespace tolvane::app
