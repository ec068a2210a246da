#include "ui/WindowHost.h"

#include "foundation/RunLoop.h"
#include "ui/Layer.h"
#include "ui/LayerRenderer.h"
#include "ui/TextField.h"
#include "ui/Window.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

constexpr double frameInterval = 1.0 / 60.0;
// One notch of a mouse wheel (120 eighths of a degree) scrolls about three lines of text.
constexpr double pointsPerWheelNotch = 40;

Point pointOf(const QPointF& position)
{
    return {position.x(), position.y()};
}

} // namespace

WindowHost::WindowHost(std::shared_ptr<ui::Window> window) : window_(std::move(window)), driver_(*window_)
{
    const Rect bounds = window_->bounds();
    resize(static_cast<int>(std::lround(bounds.width())), static_cast<int>(std::lround(bounds.height())));
    setTitle(QStringLiteral("Tolvane Control"));
    window_->setUpdateHandler([this] { showChanges(); });
}

WindowHost::~WindowHost()
{
    window_->setUpdateHandler({});
    if (frameTimer_)
        frameTimer_->invalidate();
}

QImage WindowHost::renderFrame() const
{
    const double ratio = devicePixelRatio();
    QImage frame(QSize(width(), height()) * ratio, QImage::Format_RGB32);
    frame.setDevicePixelRatio(ratio);
    QPainter painter(&frame);
    paintFrame(painter, foundation::RunLoop::hasMain() ? foundation::RunLoop::main().clock().now() : 0.0);
    return frame;
}

void WindowHost::paintEvent(QPaintEvent* event)
{
    if (!shown_)
        showChanges();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    paintFrame(painter, damage_.time());
}

void WindowHost::paintFrame(QPainter& painter, double time) const
{
    window_->layoutIfNeeded();
    // What no view covers shows black, as the glass of a phone does.
    painter.fillRect(QRectF(0, 0, width(), height()), Qt::black);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    const Rect bounds = window_->bounds();
    painter.translate(-bounds.x(), -bounds.y());
    LayerRenderer(time).renderContents(window_->layer(), painter);
}

void WindowHost::showChanges()
{
    if (!foundation::RunLoop::hasMain()) {
        update();
        return;
    }
    shown_ = true;
    window_->layoutIfNeeded();
    const double now = foundation::RunLoop::main().clock().now();
    const DamageTracker::Frame frame = damage_.advance(window_->layer(), now);
    const Rect bounds = window_->bounds();
    if (!frame.damage.isEmpty())
        update(frame.damage.translated(static_cast<int>(std::lround(-bounds.x())), static_cast<int>(std::lround(-bounds.y()))));
    scheduleNextFrame(frame.nextChange, now);
}

void WindowHost::scheduleNextFrame(std::optional<double> nextChange, double now)
{
    // The next change may come sooner than the one the timer waits for.
    if (frameTimer_)
        frameTimer_->invalidate();
    frameTimer_.reset();
    if (!nextChange)
        return;
    const double delay = std::max(*nextChange - now, frameInterval);
    frameTimer_ = foundation::RunLoop::main().scheduleTimer(delay, false, [this](foundation::Timer&) { showChanges(); });
}

void WindowHost::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || mouseTouch_)
        return;
    mouseTouch_ = driver_.begin(pointOf(event->position()));
}

void WindowHost::mouseMoveEvent(QMouseEvent* event)
{
    if (mouseTouch_)
        driver_.move(mouseTouch_, pointOf(event->position()));
}

void WindowHost::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !mouseTouch_)
        return;
    driver_.end(mouseTouch_, pointOf(event->position()));
    mouseTouch_.reset();
}

void WindowHost::wheelEvent(QWheelEvent* event)
{
    // A touchpad reports the distance itself; a mouse wheel only how far it turned.
    const QPointF delta = !event->pixelDelta().isNull() ? QPointF(event->pixelDelta())
                                                       : QPointF(event->angleDelta()) * (pointsPerWheelNotch / 120.0);
    window_->sendScrollWheel(pointOf(event->position()), pointOf(delta));
    event->accept();
}

void WindowHost::touchEvent(QTouchEvent* event)
{
    for (const QEventPoint& point : event->points()) {
        const Point location = pointOf(point.position());
        switch (point.state()) {
        case QEventPoint::Pressed: fingers_[point.id()] = driver_.begin(location); break;
        case QEventPoint::Updated:
            if (auto it = fingers_.find(point.id()); it != fingers_.end())
                driver_.move(it->second, location);
            break;
        case QEventPoint::Released:
            if (auto it = fingers_.find(point.id()); it != fingers_.end()) {
                driver_.end(it->second, location);
                fingers_.erase(it);
            }
            break;
        default: break;
        }
    }
    if (event->type() == QEvent::TouchCancel) {
        for (auto& [id, touch] : fingers_)
            driver_.cancel(touch);
        fingers_.clear();
    }
    event->accept();
}

} // namespace ui

namespace ui {

void WindowHost::keyPressEvent(QKeyEvent* event)
{
    TextField* field = window_->focusedTextField();
    if (!field || !field->keyPress(*event))
        event->ignore();
}

bool WindowHost::event(QEvent* event)
{
    TextField* field = window_->focusedTextField();
    switch (event->type()) {
    case QEvent::InputMethod:
        if (field)
            field->inputMethod(*static_cast<QInputMethodEvent*>(event));
        return true;
    case QEvent::InputMethodQuery: {
        // The input method composes only for a window that says it takes text, and places its
        // candidate list beside the caret.
        auto* query = static_cast<QInputMethodQueryEvent*>(event);
        query->setValue(Qt::ImEnabled, field != nullptr);
        if (field) {
            const Rect caret = field->caretRect();
            const Point origin = field->convert(caret.origin, nullptr);
            query->setValue(Qt::ImCursorRectangle, QRectF(origin.x, origin.y, caret.width(), caret.height()));
            query->setValue(Qt::ImSurroundingText, QString::fromStdString(field->text()));
            const ui::TextRange selected = field->selectedRange();
            query->setValue(Qt::ImCursorPosition, selected.location + selected.length);
            query->setValue(Qt::ImAnchorPosition, selected.location);
            query->setValue(Qt::ImCurrentSelection, QString::fromStdString(field->selectedText()));
        }
        query->accept();
        return true;
    }
    default: return QRasterWindow::event(event);
    }
}

} // namespace ui
