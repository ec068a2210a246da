#pragma once

#include "ui/Control.h"
#include "ui/Font.h"
#include "ui/TextAlignment.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

class QInputMethodEvent;
class QKeyEvent;

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

// A stretch of the text in UTF-16 code units, as the platform counts them.
struct TextRange {
    int location = 0;
    int length = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// One line of editable text with a blinking caret and a selection, edited by keys, by the finger or
// mouse, through the system clipboard and by an input method. While an input method composes, its
// marked text stands at the caret and is part of the text; committing makes it ordinary text. Every
// change of the text sends editing-changed.
class TextField : public Control {
public:
    // The caret shows for this long, then hides for as long, from the last edit or move.
    static constexpr double caretBlinkInterval = 0.5;

    explicit TextField(const Rect& frame = {});

    std::string text() const;
    // Puts the caret after the new text.
    void setText(const std::string& text);
    std::optional<std::string> markedText() const;
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

    // The selected text; empty, it is the caret's place.
    TextRange selectedRange() const;
    std::string selectedText() const;
    void selectAll();
    // The caret's place at a point in the field's coordinates.
    int offsetAt(const Point& point) const;
    // The caret's rectangle in the field's coordinates.
    Rect caretRect() const;

    // Typing, as the keyboard or the input method delivers it; typed text replaces the selection.
    void insertText(const std::string& text);
    void deleteBackward();
    void deleteForward();
    void setMarkedText(const std::string& composing);
    void unmarkText();
    void pressReturn();
    void cut();
    void copy();
    void paste();

    // A key pressed while the field takes typing; false when the field has no use for it.
    bool keyPress(const QKeyEvent& event);
    void inputMethod(const QInputMethodEvent& event);

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void draw(GraphicsContext& context, const Rect& rect) const override;
    std::optional<double> nextContentChange(double now) const override;

private:
    enum class Move { previousCharacter, nextCharacter, lineStart, lineEnd };

    void moveCaret(Move move, bool extendSelection);
    void select(int anchor, int caret);
    void replaceSelection(const QString& replacement);
    // The text as shown: the committed text with the composition at the caret.
    QString shownText() const;
    double textX(const QString& shown) const;
    double advanceTo(const QString& shown, int offset) const;
    Rect textArea() const;
    void restartBlink();
    void changed();

    QString committed_;
    std::optional<QString> marked_;
    int anchor_ = 0;
    int caret_ = 0;
    double blinkStart_ = 0;
    std::string placeholder_;
    Font font_ = Font::systemFont(17);
    Color textColor_ = Color::label();
    TextAlignment alignment_ = TextAlignment::left;
    std::weak_ptr<ITextFieldDelegate> delegate_;
    bool editing_ = false;
};

} // namespace ui
