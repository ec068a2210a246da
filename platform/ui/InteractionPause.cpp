#include "ui/InteractionPause.h"

#include "foundation/RunLoop.h"

#include <algorithm>
#include <list>

namespace ui {
namespace {

struct Pause {
    const foundation::RunLoop* loop;
    double until;
};

std::list<Pause>& heldPauses()
{
    static std::list<Pause> pauses;
    return pauses;
}

} // namespace

InteractionPause::Hold InteractionPause::begin(double seconds)
{
    if (!foundation::RunLoop::hasMain())
        return nullptr;
    const foundation::RunLoop& loop = foundation::RunLoop::main();
    const auto pause = heldPauses().insert(heldPauses().end(), {&loop, loop.clock().now() + seconds});
    return Hold(nullptr, [pause](void*) { heldPauses().erase(pause); });
}

bool InteractionPause::isActive()
{
    if (!foundation::RunLoop::hasMain())
        return false;
    const foundation::RunLoop& loop = foundation::RunLoop::main();
    const double now = loop.clock().now();
    return std::ranges::any_of(heldPauses(), [&](const Pause& pause) { return pause.loop == &loop && now < pause.until; });
}

} // namespace ui
