#pragma once

#include <QObject>

namespace ui {

class Application;
class WindowHost;

// Turns what happens to the application's window into lifecycle transitions: active while the
// window is shown and has the focus, or has never been given the focus (without a window manager it
// never comes); inactive while another window has the focus; in the background while the window is
// minimised or hidden (not before it was first on screen); terminated, ending Qt's event loop, when
// the window is closed.
class ApplicationWindowFollower final : public QObject {
public:
    ApplicationWindowFollower(WindowHost& host, Application& application);

    // Terminates the application and ends Qt's event loop.
    void terminate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    WindowHost& host_;
    Application& application_;
    bool focused_ = false;
    bool exposedOnce_ = false;
};

} // namespace ui
