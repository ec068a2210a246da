#pragma once

#include "ui/Color.h"
#include "ui/Path.h"
#include "ui/View.h"

#include <optional>
#include <vector>

namespace tolvane::app {

// The short trail behind the ring's stick: the last ten positions as one smooth thick line that
// fades from clear at the oldest end to 40 % at the newest.
class FadeOutLineView : public ui::View {
public:
    static constexpr size_t trajectoryPointsCount = 10;

    explicit FadeOutLineView(const ui::Rect& frame = {});

    const ui::Color trajectoryColor;
    double trajectoryLineWidth = 55.0;
    // None until the first point; setting it to none and redrawing clears the trail.
    std::optional<std::vector<ui::Point>> points;

    void addPoint(const ui::Point& point);
    // The centre line of the trail; none below three points, when nothing is drawn.
    std::optional<ui::Path> trailPath() const;
    void draw(ui::GraphicsContext& context, const ui::Rect& rect) const override;
};

} // namespace tolvane::app
