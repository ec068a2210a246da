#pragma once

#include "Class/UI/Operating/View/Ring/RingControlHintPositionAnimation.h"
#include "Class/UI/Operating/View/Ring/RingWave.h"

#include "ui/Layer.h"

#include <memory>
#include <vector>

namespace tolvane::app {

class RingControlPointLayer;

// Concentric waves of 24 small dots round the layer's origin; the dots near a focus position light
// up. Its hint animation walks that position round the ring. Made with make().
class Ring : public ui::Layer, public RingControlHintPositionAnimationDelegate {
public:
    static constexpr int pointsPerWave = 24;

    static std::shared_ptr<Ring> make(std::vector<RingWave> waves);

    const std::vector<RingWave> waves;
    const std::shared_ptr<RingControlHintPositionAnimation> hintPositionAnimation;
    const std::vector<std::shared_ptr<RingControlPointLayer>>& pointLayers() const { return pointLayers_; }

    // How far round a focus position the dots light up: 0 without waves.
    double focusRadiusBase() const;
    void focusPoints(bool animated, const ui::Point& around);
    void unfocusAllPoints();

    void hintPositionDidChange(const ui::Point& position) override { focusPoints(true, position); }
    void hintLoopDidEnd() override { unfocusAllPoints(); }

private:
    explicit Ring(std::vector<RingWave> waves);
    void addPoints(const RingWave& wave);

    std::vector<std::shared_ptr<RingControlPointLayer>> pointLayers_;
};

} // namespace tolvane::app
