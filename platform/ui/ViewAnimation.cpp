#include "ui/ViewAnimation.h"

#include "foundation/RunLoop.h"
#include "ui/BasicAnimation.h"
#include "ui/Layer.h"

#include <limits>

namespace ui {
namespace {

// The innermost running animation block; null outside one or inside performWithoutAnimation.
const ViewAnimation*& currentBlock()
{
    static const ViewAnimation* current = nullptr;
    return current;
}

class BlockScope {
public:
    explicit BlockScope(const ViewAnimation* block) : previous_(currentBlock()) { currentBlock() = block; }
    ~BlockScope() { currentBlock() = previous_; }
    BlockScope(const BlockScope&) = delete;
    BlockScope& operator=(const BlockScope&) = delete;

private:
    const ViewAnimation* previous_;
};

} // namespace

void ViewAnimation::animate(double duration, double delay, AnimationOptions options, const Animations& animations,
                            Completion completion)
{
    const ViewAnimation block(duration, delay, options);
    {
        BlockScope scope(&block);
        if (animations)
            animations();
    }
    if (!completion)
        return;
    if (!foundation::RunLoop::hasMain()) {
        completion(true);
        return;
    }
    if (options.repeats)
        return; // a repeating animation never finishes
    const double end = delay + duration * (options.autoreverses ? 2 : 1);
    foundation::RunLoop::main().scheduleTimer(end, false, [completion](foundation::Timer&) { completion(true); });
}

void ViewAnimation::animate(double duration, const Animations& animations, Completion completion)
{
    animate(duration, 0, {}, animations, std::move(completion));
}

void ViewAnimation::performWithoutAnimation(const Animations& changes)
{
    BlockScope scope(nullptr);
    changes();
}

void ViewAnimation::valueChanged(Layer& layer, const std::string& keyPath, double from, double to)
{
    const ViewAnimation* block = currentBlock();
    if (!block || from == to || block->duration_ <= 0)
        return;
    BasicAnimation animation(keyPath);
    animation.fromValue = from;
    animation.toValue = to;
    animation.duration = block->duration_;
    animation.beginOffset = block->delay_;
    animation.timing = block->options_.curve;
    animation.autoreverses = block->options_.autoreverses;
    animation.repeatCount = block->options_.repeats ? std::numeric_limits<double>::infinity() : 1;
    // Shown at the start value during the delay.
    animation.fillsBackwards = true;
    layer.addAnimation(animation, keyPath);
}

} // namespace ui
