#pragma once

#include "ui/Control.h"
#include "ui/Font.h"
#include "ui/TextAlignment.h"

#include <memory>
#include <optional>
#include <string>

namespace ui {

class TextField;

class ITextFieldDelegate {
public:
    virtual ~ITextFieldDelegate() = default;
    virtual void textFieldDidBeginEditing(TextField&) {}
    virtual void textFieldDidEndEditing(TextField&) {}
    // Return pressed; true ends the editing.
    virtual bool textFieldShouldReturn(TextField&) { return true; }
};

// One line of editable text. While an input method composes, its marked text is part of the text
// and can still change; committing makes it ordinary text. Every change sends editing-changed.
class TextField : public Control {
public:
    explicit TextField(const Rect& frame = {});

    std::string text() const;
    void setText(const std::string& text);
    const std::optional<std::string>& markedText() const { return marked_; }
    const std::string& placeholder() const { return placeholder_; }
    void setPlaceholder(std::string placeholder);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    void setTextAlignment(TextAlignment alignment);
    void setDelegate(std::weak_ptr<ITextFieldDelegate> delegate) { delegate_ = std::move(delegate); }

    bool isEditing() const { return editing_; }
    bool becomeFirstResponder();
    void resignFirstResponder();

    // Typing, as the keyboard or the input method delivers it.
    void insertText(const std::string& text);
    void deleteBackward();
    void setMarkedText(const std::string& composing);
    void unmarkText();
    void pressReturn();

    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void draw(GraphicsContext& context, const Rect& rect) const override;

private:
    void changed();

    std::string committed_;
    std::optional<std::string> marked_;
    std::string placeholder_;
    Font font_ = Font::systemFont(17);
    Color textColor_ = Color::label();
    TextAlignment alignment_ = TextAlignment::left;
    std::weak_ptr<ITextFieldDelegate> delegate_;
    bool editing_ = false;
};

} // namespace ui
