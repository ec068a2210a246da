#pragma once

#include "ui/DamageTracker.h"
#include "ui/TouchDriver.h"

#include "foundation/Timer.h"

#include <QImage>
#include <QRasterWindow>

#include <map>
#include <memory>

class QPainter;

namespace ui {

class Window;

// Shows one of our windows in a real, phone-sized window: repaints the part of the view tree that
// changed (on every frame while something animates, and when animated content shows its next
// picture, on the main loop's timers) and turns mouse and touch-screen input into touches.
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
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Input-method composition arrives as a generic event on a window.
    bool event(QEvent* event) override;

private:
    void paintFrame(QPainter& painter, double time) const;
    // Compares the tree with the last frame, asks Qt to repaint what changed and sets the timer
    // for the next change.
    void showChanges();
    void scheduleNextFrame(std::optional<double> nextChange, double now);

    std::shared_ptr<ui::Window> window_;
    TouchDriver driver_;
    std::shared_ptr<Touch> mouseTouch_;
    std::map<int, std::shared_ptr<Touch>> fingers_;
    foundation::TimerRef frameTimer_;
    DamageTracker damage_;
    bool shown_ = false;
};

} // namespace ui
