#pragma once

#include "ui/AffineTransform.h"
#include "ui/Color.h"
#include "ui/Rect.h"
#include "ui/Responder.h"

#include "foundation/LoopChecker.h"

#include <memory>
#include <optional>
#include <vector>

namespace ui {

class GestureRecognizer;
class GraphicsContext;
class Layer;
class ViewController;
class Window;

enum class ContentMode { scaleToFill, scaleAspectFit, scaleAspectFill, center, top, bottom, left, right };

// A rectangle in a tree of views. Its frame is in the superview's coordinates, its bounds in its own;
// it draws outside its bounds unless it clips. Views are shared objects: a superview owns its
// subviews, a subview knows its superview only by a plain pointer.
class View : public Responder, public std::enable_shared_from_this<View> {
public:
    explicit View(const Rect& frame = {});
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Geometry. The frame is derived from the centre, the bounds' size and the transform; setting it
    // with a transform other than the identity only moves the centre.
    Rect frame() const;
    void setFrame(const Rect& frame);
    Rect bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    Point center() const { return center_; }
    void setCenter(const Point& center);
    const AffineTransform& transform() const { return transform_; }
    void setTransform(const AffineTransform& transform);

    // Appearance.
    // The view's layer: hidden, alpha, background and clipping are the layer's.
    Layer& layer() const { return *layer_; }
    bool isHidden() const;
    // Virtual so that a view can react to being hidden or shown.
    virtual void setHidden(bool hidden);
    double alpha() const;
    void setAlpha(double alpha);
    Color backgroundColor() const;
    void setBackgroundColor(const Color& color);
    // The tint of this view, or inherited from the nearest superview that has one.
    Color tintColor() const;
    void setTintColor(const Color& color);
    ContentMode contentMode() const { return contentMode_; }
    void setContentMode(ContentMode mode);
    bool clipsToBounds() const;
    void setClipsToBounds(bool clips);
    bool autoresizesSubviews() const { return autoresizesSubviews_; }
    void setAutoresizesSubviews(bool autoresizes) { autoresizesSubviews_ = autoresizes; }
    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }

    // The tree.
    View* superview() const { return superview_; }
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    void addSubview(std::shared_ptr<View> view);
    void insertSubview(std::shared_ptr<View> view, size_t index);
    void removeFromSuperview();
    void bringSubviewToFront(const View* view);
    void sendSubviewToBack(const View* view);
    bool isDescendant(const View* ancestor) const;
    // Ends editing of the text field in this view's tree that takes typing.
    void endEditing(bool force);
    // The window at the root of this view's tree, or null when the view is in no window.
    Window* window() const;

    // Conversion between coordinate spaces; a null view stands for the window (the root of the tree).
    Point convert(const Point& point, const View* to) const;
    Point convertFrom(const Point& point, const View* from) const;
    Rect convert(const Rect& rect, const View* to) const;
    Rect convertFrom(const Rect& rect, const View* from) const;

    // Layout. A pass runs this view's layoutSubviews, then its controller's viewDidLayoutSubviews,
    // then the pass of each subview.
    void setNeedsLayout();
    bool needsLayout() const { return needsLayout_; }
    void layoutIfNeeded();
    virtual void layoutSubviews() {}
    virtual Size sizeThatFits(const Size& size) const;
    void sizeToFit();

    // Drawing happens on demand; this counts the requests so that a host repaints what changed.
    void setNeedsDisplay();
    unsigned displayRequests() const { return displayRequests_; }
    // Draws the view's own content in its bounds, over the background and under the subviews.
    virtual void draw(GraphicsContext& context, const Rect& rect) const;
    // For content that changes with time (an animated image, a spinner): the first time after `now`
    // at which the drawing looks different; none while it stays as it is.
    virtual std::optional<double> nextContentChange(double now) const;

    // Touches.
    virtual View* hitTest(const Point& point, const Event* event);
    virtual bool pointInside(const Point& point, const Event* event) const;
    void addGestureRecognizer(std::shared_ptr<GestureRecognizer> recognizer);
    void removeGestureRecognizer(const GestureRecognizer* recognizer);
    const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return recognizers_; }
    Responder* nextResponder() const override;

protected:
    virtual void didMoveToSuperview() {}
    virtual void didMoveToWindow() {}

private:
    friend class Layer;
    friend class ViewController;

    // Inside an animation block a new size is shown growing or shrinking to it.
    void animateSize(const Size& size);
    Point toSuperview(const Point& point) const;
    Point fromSuperview(const Point& point) const;
    Point toRoot(const Point& point) const;
    Point fromRoot(const Point& point) const;
    void notifyMovedToWindow(Window* oldWindow);
    void requestWindowUpdate();

    Point center_;
    Rect bounds_;
    AffineTransform transform_;
    // Views belong to the main loop: a change from a worker thread would race the drawing.
    foundation::LoopChecker loopChecker_;
    std::shared_ptr<Layer> layer_;
    Color tintColor_ = Color::clear(); // clear: inherit
    ContentMode contentMode_ = ContentMode::scaleToFill;
    bool autoresizesSubviews_ = true;
    bool userInteractionEnabled_ = true;
    bool needsLayout_ = true;
    unsigned displayRequests_ = 0;
    View* superview_ = nullptr;
    std::vector<std::shared_ptr<View>> subviews_;
    std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
    ViewController* controller_ = nullptr; // the controller whose root view this is
};

} // namespace ui
