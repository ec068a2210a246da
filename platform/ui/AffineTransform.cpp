#include "ui/AffineTransform.h"

#include <cmath>

namespace ui {

AffineTransform AffineTransform::rotation(double radians)
{
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    return {cosine, sine, -sine, cosine, 0, 0};
}

AffineTransform AffineTransform::concatenated(const AffineTransform& next) const
{
    return {a * next.a + b * next.c,
            a * next.b + b * next.d,
            c * next.a + d * next.c,
            c * next.b + d * next.d,
            tx * next.a + ty * next.c + next.tx,
            tx * next.b + ty * next.d + next.ty};
}

AffineTransform AffineTransform::inverted() const
{
    const double determinant = a * d - b * c;
    if (determinant == 0)
        return identity();
    const double ia = d / determinant;
    const double ib = -b / determinant;
    const double ic = -c / determinant;
    const double id = a / determinant;
    return {ia, ib, ic, id, -(tx * ia + ty * ic), -(tx * ib + ty * id)};
}

} // namespace ui
