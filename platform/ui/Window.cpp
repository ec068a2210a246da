#include "ui/Window.h"

#include "foundation/RunLoop.h"
#include "ui/GestureRecognizer.h"
#include "ui/InteractionPause.h"
#include "ui/ScreenMetrics.h"
#include "ui/ScrollView.h"
#include "ui/TextField.h"
#include "ui/Touch.h"
#include "ui/ViewController.h"

#include <algorithm>

namespace ui {
namespace {

std::vector<Window*>& windowRegistry()
{
    static std::vector<Window*> windows;
    return windows;
}

using Deliver = void (*)(Responder&, const TouchSet&, const Event&);

struct PhaseDelivery {
    TouchPhase phase;
    Deliver toView;
};

const PhaseDelivery phaseDeliveries[] = {
    {TouchPhase::began, [](Responder& r, const TouchSet& t, const Event& e) { r.touchesBegan(t, e); }},
    {TouchPhase::moved, [](Responder& r, const TouchSet& t, const Event& e) { r.touchesMoved(t, e); }},
    {TouchPhase::ended, [](Responder& r, const TouchSet& t, const Event& e) { r.touchesEnded(t, e); }},
    {TouchPhase::cancelled, [](Responder& r, const TouchSet& t, const Event& e) { r.touchesCancelled(t, e); }},
};

template <class Key>
using TouchGroups = std::vector<std::pair<Key, TouchSet>>;

// Groups keep the order in which their keys first appear, so delivery order is stable.
template <class Key>
void addToGroup(TouchGroups<Key>& groups, const Key& key, const std::shared_ptr<Touch>& touch)
{
    auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == key; });
    if (group == groups.end())
        groups.push_back({key, {touch}});
    else
        group->second.push_back(touch);
}

} // namespace

Window::Window(const Rect& frame) : View(frame), safeAreaInsets_(ScreenMetrics::shared().deviceSafeAreaInsets())
{
    windowRegistry().push_back(this);
}

Window::Window() : Window(ScreenMetrics::shared().mainBounds()) {}

Window::~Window()
{
    *alive_ = false;
    std::erase(windowRegistry(), this);
}

const std::vector<Window*>& Window::allWindows()
{
    return windowRegistry();
}

void Window::setRootViewController(std::shared_ptr<ViewController> controller)
{
    if (controller == root_)
        return;
    if (auto old = std::move(root_)) {
        if (visible_)
            old->beginAppearanceTransition(false, false);
        if (old->isViewLoaded())
            old->view().removeFromSuperview();
        if (visible_)
            old->endAppearanceTransition();
    }
    root_ = std::move(controller);
    if (!root_)
        return;
    auto view = root_->viewPointer();
    view->setFrame(bounds());
    insertSubview(view, 0);
    if (visible_) {
        root_->beginAppearanceTransition(true, false);
        root_->endAppearanceTransition();
    }
}

TextField* Window::focusedTextField() const
{
    auto field = focused_.lock();
    if (!field || field->window() != this)
        return nullptr;
    return static_cast<TextField*>(field.get());
}

void Window::setFocusedTextField(TextField* field)
{
    TextField* previous = focusedTextField();
    if (previous == field)
        return;
    focused_ = field ? field->weak_from_this() : std::weak_ptr<View>();
    if (previous)
        previous->resignFirstResponder();
}

void Window::makeKeyAndVisible()
{
    if (visible_)
        return;
    visible_ = true;
    if (root_) {
        root_->beginAppearanceTransition(true, false);
        root_->endAppearanceTransition();
    }
}

void Window::setNeedsUpdate()
{
    if (updateScheduled_ || !foundation::RunLoop::hasMain())
        return;
    updateScheduled_ = true;
    std::weak_ptr<bool> alive = alive_;
    foundation::RunLoop::main().post([this, alive] {
        if (alive.expired())
            return;
        updateScheduled_ = false;
        layoutIfNeeded();
        if (updateHandler_)
            updateHandler_();
    });
}

void Window::sendEvent(const Event& event)
{
    if (event.type() != EventType::touches)
        return;
    auto keepAlive = shared_from_this();
    bindBeganTouches(event);
    deliverToRecognizers(event);
    deliverToViews(event);
    std::vector<std::shared_ptr<GestureRecognizer>> involved;
    for (const auto& touch : event.allTouches())
        for (const auto& recognizer : touch->recognizers_)
            if (std::find(involved.begin(), involved.end(), recognizer) == involved.end())
                involved.push_back(recognizer);
    for (const auto& recognizer : involved)
        recognizer->forgetFinishedTouches();
    for (const auto& touch : event.allTouches())
        if (touch->phase() == TouchPhase::ended || touch->phase() == TouchPhase::cancelled)
            touch->letGoOfView();
}

void Window::sendScrollWheel(const Point& location, const Point& delta)
{
    if (InteractionPause::isActive())
        return;
    auto keepAlive = shared_from_this();
    for (View* view = hitTest(location, nullptr); view; view = view->superview())
        if (auto* scrollView = dynamic_cast<ScrollView*>(view); scrollView && scrollView->scrollWheel(delta))
            return;
}

void Window::bindBeganTouches(const Event& event)
{
    for (const auto& touch : event.allTouches()) {
        if (touch->phase() != TouchPhase::began || touch->view_ || InteractionPause::isActive())
            continue;
        View* hit = hitTest(touch->location(this), &event);
        if (!hit)
            continue;
        touch->view_ = hit->shared_from_this();
        for (View* view = hit; view; view = view->superview())
            for (const auto& recognizer : view->gestureRecognizers())
                if (recognizer->isEnabled() && recognizer->isTracking()) {
                    touch->recognizers_.push_back(recognizer);
                    recognizer->track(touch, *this);
                }
    }
}

void Window::deliverToRecognizers(const Event& event)
{
    for (const auto& delivery : phaseDeliveries) {
        TouchGroups<std::shared_ptr<GestureRecognizer>> groups;
        for (const auto& touch : event.allTouches())
            if (touch->phase() == delivery.phase)
                for (const auto& recognizer : touch->recognizers_)
                    addToGroup(groups, recognizer, touch);
        for (auto& [recognizer, touches] : groups) {
            if (!recognizer->isTracking())
                continue;
            switch (delivery.phase) {
            case TouchPhase::began: recognizer->touchesBegan(touches, event); break;
            case TouchPhase::moved: recognizer->touchesMoved(touches, event); break;
            case TouchPhase::ended: recognizer->touchesEnded(touches, event); break;
            case TouchPhase::cancelled: recognizer->touchesCancelled(touches, event); break;
            case TouchPhase::stationary: break;
            }
        }
    }
}

void Window::deliverToViews(const Event& event)
{
    for (const auto& delivery : phaseDeliveries) {
        TouchGroups<std::shared_ptr<View>> groups;
        for (const auto& touch : event.allTouches())
            if (touch->phase() == delivery.phase && touch->view_ && !touch->cancelledForView_)
                addToGroup(groups, touch->view_, touch);
        for (auto& [view, touches] : groups) {
            for (const auto& touch : touches)
                touch->viewSawBegin_ = true;
            delivery.toView(*view, touches, event);
        }
    }
}

std::vector<GestureRecognizer*> Window::recognizersSharingTouchesWith(const GestureRecognizer& recognizer) const
{
    std::vector<GestureRecognizer*> others;
    for (const auto& touch : recognizer.touches_)
        for (const auto& other : touch->recognizers_)
            if (other.get() != &recognizer && std::find(others.begin(), others.end(), other.get()) == others.end())
                others.push_back(other.get());
    return others;
}

bool Window::gestureRecognizerMayRecognize(GestureRecognizer& recognizer)
{
    for (GestureRecognizer* other : recognizersSharingTouchesWith(recognizer)) {
        const bool otherActive = other->state() == GestureRecognizerState::began || other->state() == GestureRecognizerState::changed;
        if (otherActive && !recognizer.canRecognizeSimultaneously(*other))
            return false;
    }
    return true;
}

void Window::gestureRecognizerDidRecognize(GestureRecognizer& recognizer)
{
    for (GestureRecognizer* other : recognizersSharingTouchesWith(recognizer))
        if (other->state() == GestureRecognizerState::possible && !recognizer.canRecognizeSimultaneously(*other))
            other->setState(GestureRecognizerState::failed);
    if (!recognizer.cancelsTouchesInView())
        return;
    TouchGroups<std::shared_ptr<View>> groups;
    for (const auto& touch : recognizer.touches_) {
        if (touch->cancelledForView_ || !touch->view_)
            continue;
        touch->cancelledForView_ = true;
        // A touch taken before its view saw it begin is simply never shown to the view.
        if (touch->viewSawBegin_)
            addToGroup(groups, touch->view_, touch);
    }
    const Event cancellation(EventType::touches, recognizer.touches_.empty() ? 0 : recognizer.touches_.front()->timestamp(),
                             recognizer.touches_);
    for (auto& [view, touches] : groups)
        view->touchesCancelled(touches, cancellation);
}

} // namespace ui
