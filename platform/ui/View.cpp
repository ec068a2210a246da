#include "ui/View.h"

#include "ui/GestureRecognizer.h"
#include "ui/Layer.h"
#include "ui/TextField.h"
#include "ui/ViewAnimation.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ui {
namespace {

// The tint a tree shows when no view in it sets one.
const Color defaultTint = Color::rgb255(0, 122, 255);

// The smallest rectangle holding the four mapped corners of `rect`.
template <class Map>
Rect boundingBox(const Rect& rect, Map map)
{
    const std::array<Point, 4> corners{rect.origin, Point{rect.maxX(), rect.minY()}, Point{rect.minX(), rect.maxY()},
                                       Point{rect.maxX(), rect.maxY()}};
    Rect box;
    for (size_t i = 0; i < corners.size(); ++i) {
        const Point p = map(corners[i]);
        const Rect dot{p.x, p.y, 0, 0};
        box = i == 0 ? dot : box.united(dot);
    }
    return box;
}

} // namespace

View::View(const Rect& frame) : layer_(std::make_shared<Layer>())
{
    layer_->view_ = this;
    setFrame(frame);
}

View::~View()
{
    layer_->view_ = nullptr;
    layer_->removeFromSuperlayer();
    for (auto& subview : subviews_)
        subview->superview_ = nullptr;
}

Rect View::frame() const
{
    const Size size = bounds_.size;
    if (transform_.isIdentity())
        return {center_.x - size.width * 0.5, center_.y - size.height * 0.5, size.width, size.height};
    return boundingBox(bounds_, [this](const Point& p) { return toSuperview(p); });
}

void View::setFrame(const Rect& frame)
{
    // A transformed view's frame is the box its transformed bounds fill: the bounds take the size
    // that the transform grows into the frame, about a centre that the transform's move leaves there.
    const AffineTransform linear{transform_.a, transform_.b, transform_.c, transform_.d, 0, 0};
    const AffineTransform undo = linear.inverted();
    const Size size = boundingBox(Rect{{}, frame.size}, [&undo](const Point& p) { return undo.apply(p); }).size;
    if (bounds_.size != size) {
        animateSize(size);
        bounds_.size = size;
        setNeedsLayout();
    }
    setCenter({frame.midX() - transform_.tx, frame.midY() - transform_.ty});
}

void View::animateSize(const Size& size)
{
    ViewAnimation::valueChanged(*layer_, "bounds.size.width", bounds_.size.width, size.width);
    ViewAnimation::valueChanged(*layer_, "bounds.size.height", bounds_.size.height, size.height);
}

void View::setBounds(const Rect& bounds)
{
    loopChecker_.check(typeid(*this));
    animateSize(bounds.size);
    const bool resized = bounds.size != bounds_.size;
    bounds_ = bounds;
    if (resized)
        setNeedsLayout();
    setNeedsDisplay();
}

void View::setCenter(const Point& center)
{
    loopChecker_.check(typeid(*this));
    ViewAnimation::valueChanged(*layer_, "position.x", center_.x, center.x);
    ViewAnimation::valueChanged(*layer_, "position.y", center_.y, center.y);
    center_ = center;
    requestWindowUpdate();
}

void View::setTransform(const AffineTransform& transform)
{
    loopChecker_.check(typeid(*this));
    ViewAnimation::valueChanged(*layer_, "transform.scale", layer_->modelValue(AnimatedProperty::transformScale),
                                std::hypot(transform.a, transform.b));
    transform_ = transform;
    requestWindowUpdate();
}

bool View::isHidden() const
{
    return layer_->isHidden();
}

void View::setHidden(bool hidden)
{
    loopChecker_.check(typeid(*this));
    layer_->setHidden(hidden);
}

double View::alpha() const
{
    return layer_->opacity();
}

void View::setAlpha(double alpha)
{
    loopChecker_.check(typeid(*this));
    ViewAnimation::valueChanged(*layer_, "opacity", layer_->opacity(), alpha);
    layer_->setOpacity(alpha);
}

Color View::backgroundColor() const
{
    return layer_->backgroundColor();
}

void View::setBackgroundColor(const Color& color)
{
    layer_->setBackgroundColor(color);
}

Color View::tintColor() const
{
    for (const View* view = this; view; view = view->superview_)
        if (!view->tintColor_.isClear())
            return view->tintColor_;
    return defaultTint;
}

void View::setTintColor(const Color& color)
{
    tintColor_ = color;
    setNeedsDisplay();
}

void View::setContentMode(ContentMode mode)
{
    contentMode_ = mode;
    setNeedsDisplay();
}

bool View::clipsToBounds() const
{
    return layer_->masksToBounds();
}

void View::setClipsToBounds(bool clips)
{
    layer_->setMasksToBounds(clips);
}

void View::addSubview(std::shared_ptr<View> view)
{
    insertSubview(std::move(view), subviews_.size());
}

void View::insertSubview(std::shared_ptr<View> view, size_t index)
{
    loopChecker_.check(typeid(*this));
    if (!view || view.get() == this)
        return;
    Window* oldWindow = view->window();
    if (view->superview_ == this) {
        // Re-adding moves the view to the requested place, as the platform does.
        auto& siblings = subviews_;
        siblings.erase(std::find(siblings.begin(), siblings.end(), view));
    } else if (view->superview_) {
        view->removeFromSuperview();
    }
    index = std::min(index, subviews_.size());
    subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(index), view);
    view->superview_ = this;
    // The subview's layer goes just under the layer of the sibling now above it, or on top.
    size_t layerIndex = layer_->sublayers().size();
    if (index + 1 < subviews_.size()) {
        const auto& sublayers = layer_->sublayers();
        const auto above = std::find(sublayers.begin(), sublayers.end(), subviews_[index + 1]->layer_);
        layerIndex = static_cast<size_t>(above - sublayers.begin());
    }
    layer_->insertSublayer(view->layer_, layerIndex);
    view->setNeedsLayout();
    setNeedsLayout();
    view->didMoveToSuperview();
    view->notifyMovedToWindow(oldWindow);
}

void View::removeFromSuperview()
{
    loopChecker_.check(typeid(*this));
    View* parent = superview_;
    if (!parent)
        return;
    Window* oldWindow = window();
    auto keepAlive = shared_from_this();
    auto& siblings = parent->subviews_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keepAlive), siblings.end());
    superview_ = nullptr;
    layer_->removeFromSuperlayer();
    parent->setNeedsLayout();
    didMoveToSuperview();
    notifyMovedToWindow(oldWindow);
}

void View::bringSubviewToFront(const View* view)
{
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [view](const auto& v) { return v.get() == view; });
    if (it == subviews_.end())
        return;
    std::rotate(it, it + 1, subviews_.end());
    layer_->addSublayer(subviews_.back()->layer_);
}

void View::sendSubviewToBack(const View* view)
{
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [view](const auto& v) { return v.get() == view; });
    if (it == subviews_.end())
        return;
    std::rotate(subviews_.begin(), it, it + 1);
    layer_->insertSublayer(subviews_.front()->layer_, 0);
}

bool View::isDescendant(const View* ancestor) const
{
    for (const View* view = this; view; view = view->superview_)
        if (view == ancestor)
            return true;
    return false;
}

void View::endEditing(bool)
{
    Window* host = window();
    if (!host)
        return;
    if (auto* field = host->focusedTextField(); field && field->isDescendant(this))
        field->resignFirstResponder();
}

Window* View::window() const
{
    const View* root = this;
    while (root->superview_)
        root = root->superview_;
    return dynamic_cast<Window*>(const_cast<View*>(root));
}

void View::notifyMovedToWindow(Window* oldWindow)
{
    if (window() == oldWindow)
        return;
    didMoveToWindow();
    if (controller_)
        controller_->viewMovedToWindow(window() != nullptr);
    const auto subviews = subviews_;
    for (const auto& subview : subviews)
        subview->notifyMovedToWindow(oldWindow);
}

Point View::toSuperview(const Point& point) const
{
    const Point fromMiddle{point.x - bounds_.midX(), point.y - bounds_.midY()};
    return center_ + transform_.apply(fromMiddle);
}

Point View::fromSuperview(const Point& point) const
{
    const Point local = transform_.inverted().apply(point - center_);
    return {local.x + bounds_.midX(), local.y + bounds_.midY()};
}

Point View::toRoot(const Point& point) const
{
    Point p = point;
    for (const View* view = this; view->superview_; view = view->superview_)
        p = view->toSuperview(p);
    return p;
}

Point View::fromRoot(const Point& point) const
{
    std::vector<const View*> chain;
    for (const View* view = this; view->superview_; view = view->superview_)
        chain.push_back(view);
    Point p = point;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        p = (*it)->fromSuperview(p);
    return p;
}

Point View::convert(const Point& point, const View* to) const
{
    const Point inRoot = toRoot(point);
    return to ? to->fromRoot(inRoot) : inRoot;
}

Point View::convertFrom(const Point& point, const View* from) const
{
    return fromRoot(from ? from->toRoot(point) : point);
}

Rect View::convert(const Rect& rect, const View* to) const
{
    return boundingBox(rect, [this, to](const Point& p) { return convert(p, to); });
}

Rect View::convertFrom(const Rect& rect, const View* from) const
{
    return boundingBox(rect, [this, from](const Point& p) { return convertFrom(p, from); });
}

void View::setNeedsLayout()
{
    loopChecker_.check(typeid(*this));
    needsLayout_ = true;
    requestWindowUpdate();
}

void View::layoutIfNeeded()
{
    loopChecker_.check(typeid(*this));
    if (needsLayout_) {
        if (controller_)
            controller_->viewWillLayoutSubviews();
        layoutSubviews();
        if (controller_)
            controller_->viewDidLayoutSubviews();
        // What the pass changed in this view itself is laid out by the pass: no second pass.
        needsLayout_ = false;
    }
    const auto subviews = subviews_;
    for (const auto& subview : subviews)
        subview->layoutIfNeeded();
}

Size View::sizeThatFits(const Size&) const
{
    return bounds_.size;
}

void View::sizeToFit()
{
    const Rect current = frame();
    setFrame({current.origin, sizeThatFits(current.size)});
}

void View::setNeedsDisplay()
{
    loopChecker_.check(typeid(*this));
    ++displayRequests_;
    requestWindowUpdate();
}

void View::draw(GraphicsContext&, const Rect&) const {}

std::optional<double> View::nextContentChange(double) const
{
    return std::nullopt;
}

void View::requestWindowUpdate()
{
    layer_->markChanged();
    if (Window* host = window())
        host->setNeedsUpdate();
}

View* View::hitTest(const Point& point, const Event* event)
{
    if (isHidden() || !userInteractionEnabled_ || alpha() < 0.01 || !pointInside(point, event))
        return nullptr;
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
        const auto& subview = *it;
        if (View* hit = subview->hitTest(subview->fromSuperview(point), event))
            return hit;
    }
    return this;
}

bool View::pointInside(const Point& point, const Event*) const
{
    return bounds_.contains(point);
}

void View::addGestureRecognizer(std::shared_ptr<GestureRecognizer> recognizer)
{
    if (!recognizer)
        return;
    if (View* previous = recognizer->view())
        previous->removeGestureRecognizer(recognizer.get());
    recognizer->view_ = this;
    recognizers_.push_back(std::move(recognizer));
}

void View::removeGestureRecognizer(const GestureRecognizer* recognizer)
{
    auto it = std::find_if(recognizers_.begin(), recognizers_.end(), [recognizer](const auto& r) { return r.get() == recognizer; });
    if (it == recognizers_.end())
        return;
    (*it)->view_ = nullptr;
    recognizers_.erase(it);
}

Responder* View::nextResponder() const
{
    if (controller_)
        return controller_;
    return superview_;
}

} // namespace ui
