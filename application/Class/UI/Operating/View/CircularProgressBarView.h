#pragma once

#include "ui/Color.h"
#include "ui/Path.h"
#include "ui/View.h"

#include <optional>

namespace tolvane::app {

// A progress ring: a grey base ring and, over it, a blue arc with rounded ends that starts at the top
// and grows clockwise with `value` out of `maxValue`. The owner sets both and asks for a redraw.
class CircularProgressBarView : public ui::View {
public:
    struct Shapes {
        ui::Path baseRing;
        // None when there is nothing to show: no positive maximum or no finite angle.
        std::optional<ui::Path> progress;
    };

    explicit CircularProgressBarView(const ui::Rect& frame = {});

    const ui::Color progressColor;
    const ui::Color progressBaseVolor;
    double maxValue = 0;
    double value = 0;

    // What draw() fills in `rect`.
    Shapes shapes(const ui::Rect& rect) const;
    void draw(ui::GraphicsContext& context, const ui::Rect& rect) const override;
};

} // namespace tolvane::app
