#include "ui/Responder.h"

namespace ui {

void Responder::touchesBegan(const TouchSet& touches, const Event& event)
{
    if (auto* next = nextResponder())
        next->touchesBegan(touches, event);
}

void Responder::touchesMoved(const TouchSet& touches, const Event& event)
{
    if (auto* next = nextResponder())
        next->touchesMoved(touches, event);
}

void Responder::touchesEnded(const TouchSet& touches, const Event& event)
{
    if (auto* next = nextResponder())
        next->touchesEnded(touches, event);
}

void Responder::touchesCancelled(const TouchSet& touches, const Event& event)
{
    if (auto* next = nextResponder())
        next->touchesCancelled(touches, event);
}

} // namespace ui
