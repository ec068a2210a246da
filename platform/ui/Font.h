#pragma once

#include "ui/Size.h"

#include <QFont>

#include <string>

namespace ui {

enum class FontWeight { ultraLight, thin, light, regular, medium, semibold, bold, heavy, black };

// The system typeface at a size in points. One point is one logical pixel; metrics are unhinted so
// that text lays out the same at every rendering scale.
class Font {
public:
    static Font systemFont(double pointSize, FontWeight weight = FontWeight::regular);

    double pointSize() const { return pointSize_; }
    FontWeight weight() const { return weight_; }
    Font withSize(double pointSize) const { return {pointSize, weight_}; }
    friend bool operator==(const Font&, const Font&) = default;

    QFont qfont() const;
    double lineHeight() const;
    double widthOf(const std::string& text) const;

private:
    Font(double pointSize, FontWeight weight) : pointSize_(pointSize), weight_(weight) {}

    double pointSize_;
    FontWeight weight_;
};

} // namespace ui
