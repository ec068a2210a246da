#include "Class/UI/Base/View/WindowPushTransition.h"

#include "ui/BasicAnimation.h"
#include "ui/Layer.h"
#include "ui/Window.h"

namespace tolvane::app {

void addPushTransition(ui::Window& window, PushSubtype subtype)
{
    const double width = window.bounds().width();
    ui::BasicAnimation push("position.x");
    push.fromValue = window.center().x + (subtype == PushSubtype::fromRight ? width : -width);
    push.toValue = window.center().x;
    push.duration = 0.3;
    // One transition at a time: a newer push replaces one still running.
    window.layer().addAnimation(push, "transition");
}

} // namespace tolvane::app
