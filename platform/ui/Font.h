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
    Font withSize(double pointSize) const { return {pointSize, weight_, underlined_}; }
    bool isUnderlined() const { return underlined_; }
    // The same font drawing a single line under its text.
    Font withUnderline(bool underlined) const { return {pointSize_, weight_, underlined}; }
    friend bool operator==(const Font&, const Font&) = default;

    QFont qfont() const;
    double lineHeight() const;
    double widthOf(const std::string& text) const;

private:
    Font(double pointSize, FontWeight weight, bool underlined = false)
        : pointSize_(pointSize), weight_(weight), underlined_(underlined)
    {
    }

    double pointSize_;
    FontWeight weight_;
    bool underlined_;
};

} // namespace ui
