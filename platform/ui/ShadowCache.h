#pragma once

#include <QColor>
#include <QImage>

namespace ui {

// A layer's blurred shadow, kept until what it is made from changes: the drawn content, the shadow's
// colour or the blur in device pixels. Blurring is the costly part of a shadow; comparing the content
// with the last one costs a small part of it, and a changed picture can never show a stale shadow.
class ShadowCache {
public:
    const QImage& shadowOf(const QImage& content, const QColor& color, double blurPixels);

private:
    QImage content_;
    QColor color_;
    double blurPixels_ = -1;
    QImage shadow_;
};

} // namespace ui
