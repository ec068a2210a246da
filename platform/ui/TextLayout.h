#pragma once

#include "ui/Font.h"
#include "ui/Rect.h"
#include "ui/TextAlignment.h"

#include <QString>

#include <limits>
#include <string>
#include <vector>

class QPainter;

namespace ui {

// Text broken into lines at a width: at word boundaries where it can, anywhere where a word is wider
// than the width. With a line limit, the last line shown ends in an ellipsis when text is left over.
class TextLayout {
public:
    struct Line {
        QString text;
        double width;
    };

    static constexpr double unlimitedWidth = std::numeric_limits<double>::infinity();

    // numberOfLines 0 means no limit.
    TextLayout(const std::string& text, const Font& font, double maxWidth, int numberOfLines);

    const std::vector<Line>& lines() const { return lines_; }
    double lineHeight() const { return lineHeight_; }
    // The size of the text, rounded up to whole points.
    Size size() const;
    // Draws the lines in `rect`, vertically centred, each aligned within the rect's width.
    void draw(QPainter& painter, const Rect& rect, TextAlignment alignment) const;

private:
    Font font_;
    double lineHeight_;
    std::vector<Line> lines_;
};

} // namespace ui
