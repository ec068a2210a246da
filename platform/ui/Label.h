#pragma once

#include "ui/Font.h"
#include "ui/TextAlignment.h"
#include "ui/View.h"

#include <optional>
#include <string>

namespace ui {

// Text in a font and colour. One line by default; 0 lines means as many as the text needs, wrapped
// at the label's width. With adjustsFontSizeToFitWidth the text shrinks until it fits.
class Label : public View {
public:
    explicit Label(const Rect& frame = {});

    const std::optional<std::string>& text() const { return text_; }
    void setText(std::optional<std::string> text);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    int numberOfLines() const { return numberOfLines_; }
    void setNumberOfLines(int lines);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool adjustsFontSizeToFitWidth() const { return adjustsFontSize_; }
    void setAdjustsFontSizeToFitWidth(bool adjusts);
    // The smallest fraction of the font size that shrinking may reach (0: down to one point).
    double minimumScaleFactor() const { return minimumScaleFactor_; }
    void setMinimumScaleFactor(double factor);

    // The font the text is drawn in: the label's font, shrunk to fit when that is on.
    Font fittedFont() const;

    Size sizeThatFits(const Size& size) const override;
    void draw(GraphicsContext& context, const Rect& rect) const override;

private:
    double wrapWidth(double width) const;
    bool fits(const Font& font) const;

    std::optional<std::string> text_;
    Font font_ = Font::systemFont(17);
    Color textColor_ = Color::label();
    TextAlignment alignment_ = TextAlignment::natural;
    int numberOfLines_ = 1;
    bool enabled_ = true;
    bool adjustsFontSize_ = false;
    double minimumScaleFactor_ = 0;
};

} // namespace ui
