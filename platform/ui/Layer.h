#pragma once

#include "ui/AffineTransform.h"
#include "ui/BasicAnimation.h"
#include "ui/Color.h"
#include "ui/Rect.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class GraphicsContext;
class Path;
class ShadowCache;
class View;

// A rectangle of drawn content with corners, border and shadow, and sublayers on top of it. Every
// view has one (its geometry is then the view's); further layers are placed in its bounds. Changes
// take effect at the next frame, without implicit animation.
class Layer : public std::enable_shared_from_this<Layer> {
public:
    Layer();
    virtual ~Layer();
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    // Geometry of a free layer, in its superlayer's coordinates. A view's layer reports its view's.
    Rect frame() const;
    void setFrame(const Rect& frame);
    Rect bounds() const;
    const AffineTransform& transform() const { return transform_; }
    void setTransform(const AffineTransform& transform);

    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    double opacity() const { return opacity_; }
    void setOpacity(double opacity);
    const Color& backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const Color& color);
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double radius);
    bool masksToBounds() const { return masksToBounds_; }
    void setMasksToBounds(bool masks);
    const Color& borderColor() const { return borderColor_; }
    void setBorderColor(const Color& color);
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double width);
    const Color& shadowColor() const { return shadowColor_; }
    void setShadowColor(const Color& color);
    double shadowOpacity() const { return shadowOpacity_; }
    void setShadowOpacity(double opacity);
    double shadowRadius() const { return shadowRadius_; }
    void setShadowRadius(double radius);
    Size shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(const Size& offset);
    // A layer that masks this one by its alpha (null: none).
    const std::shared_ptr<Layer>& mask() const { return mask_; }
    void setMask(std::shared_ptr<Layer> mask);

    Layer* superlayer() const { return superlayer_; }
    const std::vector<std::shared_ptr<Layer>>& sublayers() const { return sublayers_; }
    void addSublayer(std::shared_ptr<Layer> layer);
    void insertSublayer(std::shared_ptr<Layer> layer, size_t index);
    void removeFromSuperlayer();
    // The view whose layer this is, or null.
    View* view() const { return view_; }

    // Animations of one value over time on the main loop's clock; the model value is left unchanged.
    void addAnimation(const BasicAnimation& animation, const std::string& key);
    void removeAnimation(const std::string& key);
    void removeAllAnimations();
    std::vector<std::string> animationKeys() const;
    // True while an animation's value still changes at `now` or later: one that is over and only
    // holds its final value changes nothing more.
    bool isAnimating(double now) const;
    const BasicAnimation* animation(const std::string& key) const;
    // When the animation under `key` began (or begins) on the main loop's clock; none without one.
    std::optional<double> animationBeginTime(const std::string& key) const;
    // The value shown at `now`: the model value, or the animated one while an animation runs.
    double presentationValue(AnimatedProperty property, double now) const;
    Color presentationColor(AnimatedProperty property, double now) const;
    // The bounds shown at `now`, their size animated inside view animation blocks.
    Rect presentationBounds(double now) const;

    // Draws this layer's own content in its bounds (after the background, before the sublayers).
    virtual void drawContent(GraphicsContext& context) const;
    virtual double modelValue(AnimatedProperty property) const;
    virtual Color modelColor(AnimatedProperty property) const;

    void setNeedsDisplay();
    // How often this layer asked to be drawn anew, so that a host repaints what changed.
    unsigned displayRequests() const { return displayRequests_; }
    // Renewed, from one count for every layer, each time this layer or one below it changes (its
    // view's too): a tree whose stamp is the one last seen looks as it did then, but for what its
    // animations and animated content show at another time.
    std::uint64_t changeStamp() const { return changeStamp_; }

    // The last drawn shadow, kept for the next frame by the renderer.
    ShadowCache& shadowCache() const { return *shadowCache_; }

private:
    friend class View;

    // Stamps this layer and those above it as changed.
    void markChanged();
    // Asks the window for a new frame without marking this layer's own drawing changed.
    void requestWindowUpdate();
    void finishAnimation(const std::string& key, unsigned serial, bool finished);
    // The latest animation of `keyPath` and the eased fraction it shows at `now`; none while the
    // model value shows.
    struct Shown {
        const BasicAnimation* animation;
        double fraction;
        bool beforeStart;
    };
    std::optional<Shown> shownAnimation(AnimatedProperty property, double now) const;

    View* view_ = nullptr;
    Layer* superlayer_ = nullptr;
    std::vector<std::shared_ptr<Layer>> sublayers_;
    Rect frame_;
    AffineTransform transform_;
    bool hidden_ = false;
    double opacity_ = 1.0;
    Color backgroundColor_ = Color::clear();
    double cornerRadius_ = 0;
    bool masksToBounds_ = false;
    Color borderColor_ = Color::black();
    double borderWidth_ = 0;
    Color shadowColor_ = Color::black();
    double shadowOpacity_ = 0;
    double shadowRadius_ = 3;
    Size shadowOffset_{0, -3};
    std::shared_ptr<Layer> mask_;
    struct RunningAnimation;
    std::map<std::string, std::shared_ptr<RunningAnimation>> animations_;
    unsigned animationSerial_ = 0;
    unsigned displayRequests_ = 0;
    std::uint64_t changeStamp_ = 0;
    const std::unique_ptr<ShadowCache> shadowCache_;
};

} // namespace ui
