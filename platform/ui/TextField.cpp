#include "ui/TextField.h"

#include "ui/GraphicsContext.h"
#include "ui/Window.h"

namespace ui {
namespace {

// Removes the last whole UTF-8 character.
void dropLastCharacter(std::string& text)
{
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80)
            return;
    }
}

} // namespace

TextField::TextField(const Rect& frame) : Control(frame) {}

std::string TextField::text() const
{
    return committed_ + marked_.value_or("");
}

void TextField::setText(const std::string& text)
{
    committed_ = text;
    marked_.reset();
    setNeedsDisplay();
}

void TextField::setPlaceholder(std::string placeholder)
{
    placeholder_ = std::move(placeholder);
    setNeedsDisplay();
}

void TextField::setFont(const Font& font)
{
    font_ = font;
    setNeedsDisplay();
}

void TextField::setTextColor(const Color& color)
{
    textColor_ = color;
    setNeedsDisplay();
}

void TextField::setTextAlignment(TextAlignment alignment)
{
    alignment_ = alignment;
    setNeedsDisplay();
}

bool TextField::becomeFirstResponder()
{
    if (editing_)
        return true;
    if (!isEnabled())
        return false;
    if (Window* host = window())
        host->setFocusedTextField(this);
    editing_ = true;
    sendActions(ControlEvent::editingDidBegin);
    if (auto delegate = delegate_.lock())
        delegate->textFieldDidBeginEditing(*this);
    setNeedsDisplay();
    return true;
}

void TextField::resignFirstResponder()
{
    if (!editing_)
        return;
    unmarkText();
    editing_ = false;
    if (Window* host = window(); host && host->focusedTextField() == this)
        host->setFocusedTextField(nullptr);
    sendActions(ControlEvent::editingDidEnd);
    if (auto delegate = delegate_.lock())
        delegate->textFieldDidEndEditing(*this);
    setNeedsDisplay();
}

void TextField::changed()
{
    setNeedsDisplay();
    sendActions(ControlEvent::editingChanged);
}

void TextField::insertText(const std::string& text)
{
    // Committed input replaces what the input method was composing.
    marked_.reset();
    committed_ += text;
    changed();
}

void TextField::deleteBackward()
{
    if (marked_) {
        dropLastCharacter(*marked_);
        if (marked_->empty())
            marked_.reset();
    } else if (!committed_.empty()) {
        dropLastCharacter(committed_);
    } else {
        return;
    }
    changed();
}

void TextField::setMarkedText(const std::string& composing)
{
    if (composing.empty())
        marked_.reset();
    else
        marked_ = composing;
    changed();
}

void TextField::unmarkText()
{
    if (!marked_)
        return;
    committed_ += *marked_;
    marked_.reset();
    changed();
}

void TextField::pressReturn()
{
    auto delegate = delegate_.lock();
    if (!delegate || delegate->textFieldShouldReturn(*this))
        resignFirstResponder();
}

void TextField::touchesEnded(const TouchSet& touches, const Event& event)
{
    Control::touchesEnded(touches, event);
    becomeFirstResponder();
}

void TextField::draw(GraphicsContext& context, const Rect& rect) const
{
    const std::string shown = text();
    const Rect area = rect.insetBy(4, 0);
    if (shown.empty())
        context.drawText(placeholder_, area, font_, Color::rgb255(60, 60, 67, 0.3), alignment_, 1);
    else
        context.drawText(shown, area, font_, textColor_, alignment_, 1);
}

} // namespace ui
