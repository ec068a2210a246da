#pragma once

#include <memory>
#include <vector>

namespace ui {

class Event;
class Touch;
using TouchSet = std::vector<std::shared_ptr<Touch>>;

// Receives touches; what it does not handle goes on to the next responder (a view's controller,
// then its superview).
class Responder {
public:
    virtual ~Responder() = default;

    virtual Responder* nextResponder() const { return nullptr; }

    virtual void touchesBegan(const TouchSet& touches, const Event& event);
    virtual void touchesMoved(const TouchSet& touches, const Event& event);
    virtual void touchesEnded(const TouchSet& touches, const Event& event);
    virtual void touchesCancelled(const TouchSet& touches, const Event& event);
};

} // namespace ui
