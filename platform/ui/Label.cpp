#include "ui/Label.h"

#include "ui/GraphicsContext.h"
#include "ui/TextLayout.h"

#include <cmath>

namespace ui {

Label::Label(const Rect& frame) : View(frame)
{
    setUserInteractionEnabled(false);
}

void Label::setText(std::optional<std::string> text)
{
    text_ = std::move(text);
    setNeedsDisplay();
}

void Label::setFont(const Font& font)
{
    font_ = font;
    setNeedsDisplay();
}

void Label::setTextColor(const Color& color)
{
    textColor_ = color;
    setNeedsDisplay();
}

void Label::setTextAlignment(TextAlignment alignment)
{
    alignment_ = alignment;
    setNeedsDisplay();
}

void Label::setNumberOfLines(int lines)
{
    numberOfLines_ = lines;
    setNeedsDisplay();
}

void Label::setEnabled(bool enabled)
{
    enabled_ = enabled;
    setNeedsDisplay();
}

void Label::setAdjustsFontSizeToFitWidth(bool adjusts)
{
    adjustsFontSize_ = adjusts;
    setNeedsDisplay();
}

void Label::setMinimumScaleFactor(double factor)
{
    minimumScaleFactor_ = factor;
    setNeedsDisplay();
}

double Label::wrapWidth(double width) const
{
    return numberOfLines_ == 1 ? TextLayout::unlimitedWidth : width;
}

bool Label::fits(const Font& font) const
{
    const Size available = bounds().size;
    const TextLayout layout(text_.value_or(""), font, wrapWidth(available.width), numberOfLines_);
    if (numberOfLines_ == 1)
        return layout.size().width <= available.width;
    const bool cut = numberOfLines_ > 0 && TextLayout(text_.value_or(""), font, available.width, 0).lines().size() > layout.lines().size();
    return !cut && layout.size().height <= available.height;
}

Font Label::fittedFont() const
{
    if (!adjustsFontSize_ || !text_ || text_->empty() || fits(font_))
        return font_;
    const double smallest = std::max(1.0, std::floor(font_.pointSize() * minimumScaleFactor_));
    for (double size = std::ceil(font_.pointSize()) - 1; size > smallest; --size)
        if (fits(font_.withSize(size)))
            return font_.withSize(size);
    return font_.withSize(smallest);
}

Size Label::sizeThatFits(const Size& size) const
{
    if (!text_ || text_->empty())
        return {0, 0};
    return TextLayout(*text_, font_, wrapWidth(size.width > 0 ? size.width : TextLayout::unlimitedWidth), numberOfLines_).size();
}

void Label::draw(GraphicsContext& context, const Rect& rect) const
{
    if (!text_ || text_->empty())
        return;
    const Color color = enabled_ ? textColor_ : textColor_.withAlpha(textColor_.alpha * 0.35);
    const TextAlignment alignment = alignment_ == TextAlignment::natural || alignment_ == TextAlignment::justified ? TextAlignment::left : alignment_;
    context.drawText(*text_, rect, fittedFont(), color, alignment, numberOfLines_);
}

} // namespace ui
