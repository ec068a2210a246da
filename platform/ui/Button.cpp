#include "ui/Button.h"

#include "ui/GraphicsContext.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Window.h"

namespace ui {

Button::Button(const Rect& frame)
    : Control(frame), titleLabel_(std::make_shared<Label>()), imageView_(std::make_shared<ImageView>(Rect{}))
{
    titleLabel_->setFont(Font::systemFont(15));
    titleLabel_->setTextAlignment(TextAlignment::center);
    addSubview(imageView_);
    addSubview(titleLabel_);
    refresh();
}

template <class T>
std::optional<T> Button::lookup(const std::map<ControlState, T>& values, ControlState state)
{
    if (auto it = values.find(state); it != values.end())
        return it->second;
    if (auto it = values.find(ControlState::normal); it != values.end())
        return it->second;
    return std::nullopt;
}

void Button::setTitle(std::optional<std::string> title, ControlState state)
{
    if (title)
        titles_[state] = *title;
    else
        titles_.erase(state);
    refresh();
}

std::optional<std::string> Button::title(ControlState state) const
{
    return lookup(titles_, state);
}

void Button::setAttributedTitle(std::optional<AttributedString> title, ControlState state)
{
    if (title)
        attributedTitles_.insert_or_assign(state, *title);
    else
        attributedTitles_.erase(state);
    refresh();
}

std::optional<AttributedString> Button::attributedTitle(ControlState state) const
{
    return lookup(attributedTitles_, state);
}

void Button::setTitleColor(const Color& color, ControlState state)
{
    titleColors_[state] = color;
    refresh();
}

Color Button::titleColor(ControlState state) const
{
    // A plain button's titles are white until told otherwise.
    return lookup(titleColors_, state).value_or(Color::white(1));
}

void Button::setImage(std::optional<Image> image, ControlState state)
{
    if (image)
        images_.insert_or_assign(state, *image);
    else
        images_.erase(state);
    refresh();
}

std::optional<Image> Button::image(ControlState state) const
{
    return lookup(images_, state);
}

void Button::setBackgroundImage(std::optional<Image> image, ControlState state)
{
    if (image)
        backgroundImages_.insert_or_assign(state, *image);
    else
        backgroundImages_.erase(state);
    refresh();
}

std::optional<Image> Button::backgroundImage(ControlState state) const
{
    if (auto it = backgroundImages_.find(state); it != backgroundImages_.end())
        return it->second;
    return std::nullopt;
}

void Button::setContentHorizontalAlignment(ContentAlignment alignment)
{
    horizontal_ = alignment;
    setNeedsLayout();
}

void Button::setContentVerticalAlignment(ContentAlignment alignment)
{
    vertical_ = alignment;
    setNeedsLayout();
}

void Button::tap()
{
    if (!isEnabled() || isHidden() || !isUserInteractionEnabled())
        return;
    sendActions(ControlEvent::touchUpInside);
}

void Button::stateDidChange()
{
    refresh();
}

void Button::refresh()
{
    const ControlState current = state();
    const std::optional<AttributedString> attributed = attributedTitle(current);
    titleLabel_->setText(attributed ? std::optional(attributed->string) : title(current));
    titleLabel_->setFont(titleLabel_->font().withUnderline(attributed && attributed->isUnderlined()));
    titleLabel_->setTextColor(titleColor(current));
    imageView_->setImage(image(current));
    setNeedsLayout();
    setNeedsDisplay();
}

void Button::layoutSubviews()
{
    const Rect area = bounds();
    const std::optional<Image> shown = imageView_->image();
    if (shown && (horizontal_ == ContentAlignment::fill || vertical_ == ContentAlignment::fill) && !titleLabel_->text()) {
        imageView_->setFrame(area);
    } else if (shown) {
        const Size size = shown->size();
        imageView_->setFrame({area.midX() - size.width * 0.5, area.midY() - size.height * 0.5, size.width, size.height});
    } else {
        imageView_->setFrame({});
    }
    const Size text = titleLabel_->sizeThatFits({area.width(), area.height()});
    const double width = std::min(text.width, area.width());
    titleLabel_->setFrame({area.midX() - width * 0.5, area.midY() - text.height * 0.5, width, text.height});
}

Size Button::sizeThatFits(const Size& size) const
{
    const Size text = titleLabel_->sizeThatFits(size);
    const Size picture = imageView_->sizeThatFits(size);
    return {std::max(text.width, picture.width), std::max(text.height, picture.height)};
}

void Button::draw(GraphicsContext& context, const Rect& rect) const
{
    if (auto background = lookup(backgroundImages_, state()))
        context.drawImage(*background, rect, tintColor());
}

} // namespace ui
