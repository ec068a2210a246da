#include "ui/TextField.h"

#include "foundation/RunLoop.h"
#include "ui/GraphicsContext.h"
#include "ui/Touch.h"
#include "ui/Window.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextBoundaryFinder>

#include <cmath>

namespace ui {
namespace {

constexpr double textInset = 4;
constexpr double caretWidth = 2;

double now()
{
    return foundation::RunLoop::hasMain() ? foundation::RunLoop::main().clock().now() : 0.0;
}

// Steps over whole characters as a reader sees them (an accented letter, an emoji sequence).
int characterBoundary(const QString& text, int from, bool forward)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(from);
    const qsizetype next = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
    return next < 0 ? from : static_cast<int>(next);
}

bool hasGui()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// The system clipboard; a process without a GUI has none.
QClipboard* clipboard()
{
    return hasGui() ? QGuiApplication::clipboard() : nullptr;
}

// The input method asks the window again whether it takes text.
void tellInputMethod()
{
    if (hasGui())
        QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
}

} // namespace

TextField::TextField(const Rect& frame) : Control(frame) {}

std::string TextField::text() const
{
    return shownText().toStdString();
}

QString TextField::shownText() const
{
    if (!marked_)
        return committed_;
    return committed_.left(caret_) + *marked_ + committed_.mid(caret_);
}

void TextField::setText(const std::string& text)
{
    committed_ = QString::fromStdString(text);
    marked_.reset();
    anchor_ = caret_ = static_cast<int>(committed_.size());
    restartBlink();
}

std::optional<std::string> TextField::markedText() const
{
    if (!marked_)
        return std::nullopt;
    return marked_->toStdString();
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
    restartBlink();
    tellInputMethod();
    sendActions(ControlEvent::editingDidBegin);
    if (auto delegate = delegate_.lock())
        delegate->textFieldDidBeginEditing(*this);
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
    tellInputMethod();
    sendActions(ControlEvent::editingDidEnd);
    if (auto delegate = delegate_.lock())
        delegate->textFieldDidEndEditing(*this);
    setNeedsDisplay();
}

TextRange TextField::selectedRange() const
{
    return {std::min(anchor_, caret_), std::abs(caret_ - anchor_)};
}

std::string TextField::selectedText() const
{
    const TextRange range = selectedRange();
    return committed_.mid(range.location, range.length).toStdString();
}

void TextField::select(int anchor, int caret)
{
    const int size = static_cast<int>(committed_.size());
    anchor_ = std::clamp(anchor, 0, size);
    caret_ = std::clamp(caret, 0, size);
    restartBlink();
}

void TextField::selectAll()
{
    unmarkText();
    select(0, static_cast<int>(committed_.size()));
}

void TextField::moveCaret(Move move, bool extendSelection)
{
    unmarkText();
    const TextRange range = selectedRange();
    int target = caret_;
    switch (move) {
    case Move::previousCharacter:
        // Without shift, a selection collapses to its start rather than moving past it.
        target = range.length > 0 && !extendSelection ? range.location : characterBoundary(committed_, caret_, false);
        break;
    case Move::nextCharacter:
        target = range.length > 0 && !extendSelection ? range.location + range.length : characterBoundary(committed_, caret_, true);
        break;
    case Move::lineStart: target = 0; break;
    case Move::lineEnd: target = static_cast<int>(committed_.size()); break;
    }
    select(extendSelection ? anchor_ : target, target);
}

void TextField::replaceSelection(const QString& replacement)
{
    const TextRange range = selectedRange();
    committed_.replace(range.location, range.length, replacement);
    anchor_ = caret_ = range.location + static_cast<int>(replacement.size());
    restartBlink();
    changed();
}

void TextField::changed()
{
    setNeedsDisplay();
    sendActions(ControlEvent::editingChanged);
}

void TextField::restartBlink()
{
    blinkStart_ = now();
    setNeedsDisplay();
}

void TextField::insertText(const std::string& text)
{
    // Committed input replaces what the input method was composing.
    marked_.reset();
    replaceSelection(QString::fromStdString(text));
}

void TextField::deleteBackward()
{
    if (marked_) {
        marked_->truncate(characterBoundary(*marked_, static_cast<int>(marked_->size()), false));
        if (marked_->isEmpty())
            marked_.reset();
        changed();
        return;
    }
    if (anchor_ == caret_) {
        if (caret_ == 0)
            return;
        anchor_ = characterBoundary(committed_, caret_, false);
    }
    replaceSelection({});
}

void TextField::deleteForward()
{
    unmarkText();
    if (anchor_ == caret_) {
        if (caret_ == static_cast<int>(committed_.size()))
            return;
        anchor_ = characterBoundary(committed_, caret_, true);
    }
    replaceSelection({});
}

void TextField::setMarkedText(const std::string& composing)
{
    const QString text = QString::fromStdString(composing);
    if (!marked_ && text.isEmpty())
        return;
    if (!marked_) {
        // A composition starts in place of the selection.
        const TextRange range = selectedRange();
        committed_.remove(range.location, range.length);
        anchor_ = caret_ = range.location;
    }
    if (text.isEmpty())
        marked_.reset();
    else
        marked_ = text;
    restartBlink();
    changed();
}

void TextField::unmarkText()
{
    if (!marked_)
        return;
    committed_.insert(caret_, *marked_);
    anchor_ = caret_ = caret_ + static_cast<int>(marked_->size());
    marked_.reset();
    changed();
}

void TextField::pressReturn()
{
    auto delegate = delegate_.lock();
    if (!delegate || delegate->textFieldShouldReturn(*this))
        resignFirstResponder();
}

void TextField::copy()
{
    QClipboard* board = clipboard();
    if (board && anchor_ != caret_)
        board->setText(QString::fromStdString(selectedText()));
}

void TextField::cut()
{
    if (anchor_ == caret_)
        return;
    copy();
    replaceSelection({});
}

void TextField::paste()
{
    QClipboard* board = clipboard();
    if (!board)
        return;
    // One line: pasted line breaks become spaces.
    QString pasted = board->text();
    pasted.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (pasted.isEmpty())
        return;
    unmarkText();
    replaceSelection(pasted);
}

bool TextField::keyPress(const QKeyEvent& event)
{
    struct CaretKey {
        QKeySequence::StandardKey key;
        Move move;
        bool extend;
    };
    static const CaretKey caretKeys[] = {
        {QKeySequence::MoveToPreviousChar, Move::previousCharacter, false},
        {QKeySequence::MoveToNextChar, Move::nextCharacter, false},
        {QKeySequence::MoveToStartOfLine, Move::lineStart, false},
        {QKeySequence::MoveToEndOfLine, Move::lineEnd, false},
        {QKeySequence::MoveToStartOfDocument, Move::lineStart, false},
        {QKeySequence::MoveToEndOfDocument, Move::lineEnd, false},
        {QKeySequence::SelectPreviousChar, Move::previousCharacter, true},
        {QKeySequence::SelectNextChar, Move::nextCharacter, true},
        {QKeySequence::SelectStartOfLine, Move::lineStart, true},
        {QKeySequence::SelectEndOfLine, Move::lineEnd, true},
        {QKeySequence::SelectStartOfDocument, Move::lineStart, true},
        {QKeySequence::SelectEndOfDocument, Move::lineEnd, true},
    };
    for (const auto& caretKey : caretKeys)
        if (event.matches(caretKey.key)) {
            moveCaret(caretKey.move, caretKey.extend);
            return true;
        }
    struct EditKey {
        QKeySequence::StandardKey key;
        void (TextField::*edit)();
    };
    static const EditKey editKeys[] = {
        {QKeySequence::SelectAll, &TextField::selectAll}, {QKeySequence::Copy, &TextField::copy},
        {QKeySequence::Cut, &TextField::cut},             {QKeySequence::Paste, &TextField::paste},
        {QKeySequence::Delete, &TextField::deleteForward},
    };
    for (const auto& editKey : editKeys)
        if (event.matches(editKey.key)) {
            (this->*editKey.edit)();
            return true;
        }
    switch (event.key()) {
    case Qt::Key_Backspace: deleteBackward(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: pressReturn(); return true;
    default: break;
    }
    const bool command = event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (command || event.text().isEmpty() || !event.text().at(0).isPrint())
        return false;
    insertText(event.text().toStdString());
    return true;
}

void TextField::inputMethod(const QInputMethodEvent& event)
{
    if (!event.commitString().isEmpty())
        insertText(event.commitString().toStdString());
    setMarkedText(event.preeditString().toStdString());
}

int TextField::offsetAt(const Point& point) const
{
    const double x0 = textX(committed_);
    int best = 0;
    double bestDistance = std::abs(point.x - x0);
    for (int offset = characterBoundary(committed_, 0, true); offset > 0 && offset <= committed_.size();) {
        const double distance = std::abs(point.x - (x0 + advanceTo(committed_, offset)));
        if (distance < bestDistance) {
            best = offset;
            bestDistance = distance;
        }
        const int next = characterBoundary(committed_, offset, true);
        if (next == offset)
            break;
        offset = next;
    }
    return best;
}

Rect TextField::textArea() const
{
    return bounds().insetBy(textInset, 0);
}

double TextField::advanceTo(const QString& shown, int offset) const
{
    return QFontMetricsF(font_.qfont()).horizontalAdvance(shown.left(offset));
}

double TextField::textX(const QString& shown) const
{
    const Rect area = textArea();
    const double width = QFontMetricsF(font_.qfont()).horizontalAdvance(shown);
    switch (alignment_) {
    case TextAlignment::center: return area.x() + (area.width() - width) * 0.5;
    case TextAlignment::right: return area.maxX() - width;
    default: return area.x();
    }
}

Rect TextField::caretRect() const
{
    const QString shown = shownText();
    const int offset = caret_ + (marked_ ? static_cast<int>(marked_->size()) : 0);
    const double height = font_.lineHeight();
    // Just after the character before it, so it never covers that character's last stroke.
    const double x = textX(shown) + advanceTo(shown, offset) + 0.5;
    return {x, bounds().midY() - height * 0.5, caretWidth, height};
}

std::optional<double> TextField::nextContentChange(double now) const
{
    if (!editing_ || anchor_ != caret_)
        return std::nullopt;
    if (now < blinkStart_)
        return blinkStart_ + caretBlinkInterval;
    return blinkStart_ + (std::floor((now - blinkStart_) / caretBlinkInterval) + 1) * caretBlinkInterval;
}

void TextField::touchesBegan(const TouchSet& touches, const Event& event)
{
    Control::touchesBegan(touches, event);
    unmarkText();
    const int offset = offsetAt(touches.front()->location(this));
    select(offset, offset);
}

void TextField::touchesMoved(const TouchSet& touches, const Event& event)
{
    Control::touchesMoved(touches, event);
    select(anchor_, offsetAt(touches.front()->location(this)));
}

void TextField::touchesEnded(const TouchSet& touches, const Event& event)
{
    Control::touchesEnded(touches, event);
    becomeFirstResponder();
}

void TextField::draw(GraphicsContext& context, const Rect&) const
{
    const QString shown = shownText();
    const Rect area = textArea();
    const double lineHeight = font_.lineHeight();
    const double lineTop = area.midY() - lineHeight * 0.5;
    if (shown.isEmpty()) {
        context.drawText(placeholder_, area, font_, Color::rgb255(60, 60, 67, 0.3), alignment_, 1);
    } else {
        const double x0 = textX(shown);
        const TextRange range = selectedRange();
        if (editing_ && range.length > 0) {
            const double start = x0 + advanceTo(shown, range.location);
            context.fill(Path::rect({start, lineTop, x0 + advanceTo(shown, range.location + range.length) - start, lineHeight}),
                         tintColor().withAlpha(0.25));
        }
        context.drawText(shown.toStdString(), area, font_, textColor_, alignment_, 1);
        if (marked_) {
            // The composition is underlined until the input method commits it.
            const double start = x0 + advanceTo(shown, caret_);
            const double end = x0 + advanceTo(shown, caret_ + static_cast<int>(marked_->size()));
            context.fill(Path::rect({start, lineTop + lineHeight - 1, end - start, 1}), textColor_);
        }
    }
    const double sinceEdit = context.time() - blinkStart_;
    const bool caretPhase = sinceEdit < 0 || std::fmod(sinceEdit, 2 * caretBlinkInterval) < caretBlinkInterval;
    if (editing_ && anchor_ == caret_ && caretPhase)
        context.fill(Path::rect(caretRect()), tintColor());
}

} // namespace ui
