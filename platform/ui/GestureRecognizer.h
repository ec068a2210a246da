#pragma once

#include "ui/Point.h"
#include "ui/Responder.h"

#include <functional>
#include <memory>
#include <vector>

namespace ui {

class GestureRecognizer;
class View;
class Window;

enum class GestureRecognizerState { possible, began, changed, ended, cancelled, failed };

class IGestureRecognizerDelegate {
public:
    virtual ~IGestureRecognizerDelegate() = default;
    virtual bool gestureRecognizerShouldBegin(GestureRecognizer&) { return true; }
    // True lets both recognise the same touches at once.
    virtual bool shouldRecognizeSimultaneously(GestureRecognizer&, GestureRecognizer&) { return false; }
};

// Watches the touches that begin in its view or the view's subviews, before the views see them.
// When it recognises its gesture it fails the other recognisers of those touches (unless a delegate
// lets them run together) and, when it cancels touches in its view, the views see them cancelled.
class GestureRecognizer : public std::enable_shared_from_this<GestureRecognizer> {
public:
    using State = GestureRecognizerState;
    using Action = std::function<void(GestureRecognizer&)>;

    explicit GestureRecognizer(Action action = {});
    virtual ~GestureRecognizer();
    GestureRecognizer(const GestureRecognizer&) = delete;
    GestureRecognizer& operator=(const GestureRecognizer&) = delete;

    void addTarget(Action action);
    State state() const { return state_; }
    View* view() const { return view_; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool cancelsTouchesInView() const { return cancelsTouchesInView_; }
    void setCancelsTouchesInView(bool cancels) { cancelsTouchesInView_ = cancels; }
    void setDelegate(std::weak_ptr<IGestureRecognizerDelegate> delegate) { delegate_ = std::move(delegate); }
    std::shared_ptr<IGestureRecognizerDelegate> delegate() const { return delegate_.lock(); }

    // The centroid of the tracked touches (the last one known once they have gone); null means the
    // window's coordinates.
    Point location(const View* view) const;
    size_t numberOfTouches() const { return touches_.size(); }
    bool isTracking() const;
    bool canRecognizeSimultaneously(GestureRecognizer& other);

protected:
    virtual void touchesBegan(const TouchSet& touches, const Event& event);
    virtual void touchesMoved(const TouchSet& touches, const Event& event);
    virtual void touchesEnded(const TouchSet& touches, const Event& event);
    virtual void touchesCancelled(const TouchSet& touches, const Event& event);
    // Back to `possible` once every touch has gone.
    virtual void reset() {}

    void setState(State state);
    const TouchSet& trackedTouches() const { return touches_; }

private:
    friend class View;
    friend class Window;

    void track(const std::shared_ptr<Touch>& touch, Window& window);
    void forgetFinishedTouches();
    void rememberLocation();

    View* view_ = nullptr;
    Window* window_ = nullptr;
    State state_ = State::possible;
    bool enabled_ = true;
    bool cancelsTouchesInView_ = true;
    std::weak_ptr<IGestureRecognizerDelegate> delegate_;
    std::vector<Action> actions_;
    TouchSet touches_;
    Point lastLocationInWindow_;
};

} // namespace ui
