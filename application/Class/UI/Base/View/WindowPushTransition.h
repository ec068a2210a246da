#pragma once

namespace ui {
class Window;
}

namespace tolvane::app {

// The side the window's new content comes in from.
enum class PushSubtype { fromLeft, fromRight };

// Slides the whole window's content in from one side over 0.3 s, so that a screen presented or
// dismissed without an animation of its own still arrives like a pushed one.
void addPushTransition(ui::Window& window, PushSubtype subtype);

} // namespace tolvane::app
