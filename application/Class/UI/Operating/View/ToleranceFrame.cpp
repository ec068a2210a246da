#include "Class/UI/Operating/View/ToleranceFrame.h"

#include "foundation/RunLoop.h"

namespace tolvane::app {
namespace {

ui::Rect& stored()
{
    static ui::Rect frame;
    return frame;
}

} // namespace

ui::Rect ToleranceFrame::current()
{
    foundation::assertOnMainLoop("ToleranceFrame");
    return stored();
}

void ToleranceFrame::set(const ui::Rect& frame)
{
    foundation::assertOnMainLoop("ToleranceFrame");
    stored() = frame;
}

} // namespace tolvane::app
