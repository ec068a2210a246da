#pragma once

#include "ui/EdgeInsets.h"
#include "ui/Event.h"
#include "ui/View.h"

#include <functional>
#include <vector>

namespace ui {

class GestureRecognizer;
class Touch;
class TextField;
class ViewController;

// The root of a view tree. It binds each touch to the view it began in, hands touches to gesture
// recognisers before views, and lays out and asks its host to repaint on the next turn of the main
// loop after something changed.
class Window : public View {
public:
    explicit Window(const Rect& frame);
    Window();
    ~Window() override;

    virtual void sendEvent(const Event& event);
    // A wheel or touchpad turned by `delta` points over `location`: the innermost scroll view there
    // that can move that way scrolls.
    void sendScrollWheel(const Point& location, const Point& delta);

    // The controller whose view fills the window; it appears once the window is visible.
    ViewController* rootViewController() const { return root_.get(); }
    void setRootViewController(std::shared_ptr<ViewController> controller);
    void makeKeyAndVisible();
    bool isVisible() const { return visible_; }

    // The text field that takes typing, if any.
    TextField* focusedTextField() const;
    void setFocusedTextField(TextField* field);

    EdgeInsets safeAreaInsets() const { return safeAreaInsets_; }
    void setSafeAreaInsets(const EdgeInsets& insets) { safeAreaInsets_ = insets; }

    // Every live window, oldest first.
    static const std::vector<Window*>& allWindows();

    // Schedules one layout pass (and a call of the update handler) on the main loop.
    void setNeedsUpdate();
    // Called after each scheduled layout pass, for example to repaint a host window.
    void setUpdateHandler(std::function<void()> handler) { updateHandler_ = std::move(handler); }

    // For the recognisers of the touches this window delivers.
    bool gestureRecognizerMayRecognize(GestureRecognizer& recognizer);
    void gestureRecognizerDidRecognize(GestureRecognizer& recognizer);

private:
    void bindBeganTouches(const Event& event);
    void deliverToRecognizers(const Event& event);
    void deliverToViews(const Event& event);
    std::vector<GestureRecognizer*> recognizersSharingTouchesWith(const GestureRecognizer& recognizer) const;

    EdgeInsets safeAreaInsets_;
    std::shared_ptr<ViewController> root_;
    bool visible_ = false;
    std::weak_ptr<View> focused_;
    bool updateScheduled_ = false;
    std::function<void()> updateHandler_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace ui
