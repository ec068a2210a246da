#pragma once

#include "ui/TouchDriver.h"

#include "foundation/Timer.h"

#include <QImage>
#include <QRasterWindow>

#include <map>
#include <memory>

class QPainter;

namespace ui {

class Window;

// Shows one of our windows in a real, phone-sized window: paints the view tree when something
// changed (every frame while something animates, on the main loop's timers) and turns mouse and
// touch-screen input into touches.
class WindowHost : public QRasterWindow {
public:
    explicit WindowHost(std::shared_ptr<ui::Window> window);
    ~WindowHost() override;

    ui::Window& window() const { return *window_; }
    // The picture the next paint shows, opaque as on the screen.
    QImage renderFrame() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void touchEvent(QTouchEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Input-method composition arrives as a generic event on a window.
    bool event(QEvent* event) override;

private:
    void paintFrame(QPainter& painter) const;
    void scheduleNextFrame();

    std::shared_ptr<ui::Window> window_;
    TouchDriver driver_;
    std::shared_ptr<Touch> mouseTouch_;
    std::map<int, std::shared_ptr<Touch>> fingers_;
    foundation::TimerRef frameTimer_;
};

} // namespace ui
