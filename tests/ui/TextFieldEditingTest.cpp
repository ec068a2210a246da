#include "foundation/VirtualTime.h"
#include "ui/GuiRuntime.h"
#include "ui/LayerRenderer.h"
#include "ui/TextField.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"
#include "ui/WindowHost.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::Rect;
using ui::TextRange;

// A name field in a window host: keys and input-method text arrive as the window system sends them.
class TextFieldEditingTest : public ::testing::Test {
protected:
    TextFieldEditingTest()
    {
        ui::GuiRuntime::ensure();
        time.mainLoop();
        field->setFont(ui::Font::systemFont(18));
        window->addSubview(field);
        field->addTarget(ui::ControlEvent::editingChanged, [this](ui::Control&) { changes.push_back(field->text()); });
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(&host, &event);
    }
    void type(const QString& text)
    {
        for (const QChar character : text)
            press(character.unicode(), Qt::NoModifier, character);
    }
    void compose(const QString& preedit, const QString& commit = {})
    {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QCoreApplication::sendEvent(&host, &event);
    }
    // Whether the caret's middle is drawn, in the tint colour, at that time.
    bool caretShownAt(double at)
    {
        const QImage image = ui::LayerRenderer(at).renderView(*window, 1);
        const Rect caret = field->convert(field->caretRect(), window.get());
        const QColor pixel = image.pixelColor(static_cast<int>(caret.midX()), static_cast<int>(caret.midY()));
        return pixel.blue() > 200 && pixel.red() < 120;
    }

    foundation::VirtualTime time;
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    std::shared_ptr<ui::TextField> field = std::make_shared<ui::TextField>(Rect{20, 100, 300, 40});
    ui::WindowHost host{window};
    std::vector<std::string> changes;
};

TEST_F(TextFieldEditingTest, KeysMoveTheCaretSelectAndTypedTextReplacesTheSelection)
{
    window->setBackgroundColor(ui::Color::white(1));
    field->setText("Family car");
    ui::TouchDriver(*window).tap({315, 120});
    ASSERT_TRUE(field->isEditing());
    EXPECT_EQ(field->selectedRange(), (TextRange{10, 0})) << "a tap after the text puts the caret at its end";

    struct Step {
        const char* name;
        std::function<void()> keys;
        std::string text;
        TextRange selection;
    };
    const Step steps[] = {
        {"select all", [&] { press(Qt::Key_A, Qt::ControlModifier, "\x01"); }, "Family car", {0, 10}},
        {"typing replaces it", [&] { type("B"); }, "B", {1, 0}},
        {"typing goes on", [&] { type("lue"); }, "Blue", {4, 0}},
        {"Home", [&] { press(Qt::Key_Home); }, "Blue", {0, 0}},
        {"shift and right twice", [&] { press(Qt::Key_Right, Qt::ShiftModifier), press(Qt::Key_Right, Qt::ShiftModifier); }, "Blue", {0, 2}},
        {"right collapses the selection to its end", [&] { press(Qt::Key_Right); }, "Blue", {2, 0}},
        {"End", [&] { press(Qt::Key_End); }, "Blue", {4, 0}},
        {"left", [&] { press(Qt::Key_Left); }, "Blue", {3, 0}},
        {"shift and Home", [&] { press(Qt::Key_Home, Qt::ShiftModifier); }, "Blue", {0, 3}},
        {"typing in the middle replaces the selection", [&] { type("Gr"); }, "Gre", {2, 0}},
        {"backspace", [&] { press(Qt::Key_Backspace); }, "Ge", {1, 0}},
        {"delete", [&] { press(Qt::Key_Delete); }, "G", {1, 0}},
        {"delete at the end does nothing", [&] { press(Qt::Key_Delete); }, "G", {1, 0}},
        {"a control key types nothing", [&] { press(Qt::Key_B, Qt::ControlModifier, "\x02"); }, "G", {1, 0}},
    };
    for (const auto& step : steps) {
        step.keys();
        EXPECT_EQ(field->text(), step.text) << step.name;
        EXPECT_EQ(field->selectedRange(), step.selection) << step.name;
    }
    EXPECT_EQ(changes, (std::vector<std::string>{"B", "Bl", "Blu", "Blue", "Ge", "Gre", "Ge", "G"}));
}

TEST_F(TextFieldEditingTest, CutCopyAndPasteGoThroughTheSystemClipboard)
{
    field->setText("Weekend van");
    field->becomeFirstResponder();
    QGuiApplication::clipboard()->setText("old");

    press(Qt::Key_Home);
    for (int i = 0; i < 7; ++i)
        press(Qt::Key_Right, Qt::ShiftModifier);
    press(Qt::Key_C, Qt::ControlModifier, "\x03");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Weekend");
    EXPECT_EQ(field->text(), "Weekend van");

    press(Qt::Key_End);
    press(Qt::Key_V, Qt::ControlModifier, "\x16");
    EXPECT_EQ(field->text(), "Weekend vanWeekend");

    press(Qt::Key_A, Qt::ControlModifier, "\x01");
    press(Qt::Key_X, Qt::ControlModifier, "\x18");
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Weekend vanWeekend");

    QGuiApplication::clipboard()->setText("Two\nlines");
    press(Qt::Key_V, Qt::ControlModifier, "\x16");
    EXPECT_EQ(field->text(), "Two lines") << "one line";
}

TEST_F(TextFieldEditingTest, InputMethodTextComposesAtTheCaretInPlaceOfTheSelection)
{
    field->setText("My car");
    field->becomeFirstResponder();
    press(Qt::Key_Left, Qt::ShiftModifier);
    press(Qt::Key_Left, Qt::ShiftModifier);
    press(Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(field->selectedText(), "car");

    compose("く");
    compose("くる");
    EXPECT_EQ(field->text(), "My くる");
    EXPECT_EQ(field->markedText(), "くる");
    compose("", "車");
    EXPECT_EQ(field->text(), "My 車");
    EXPECT_FALSE(field->markedText().has_value());
    EXPECT_EQ(field->selectedRange(), (TextRange{4, 0}));
    compose("", "的");
    press(Qt::Key_Home);
    compose("新", "");
    compose("", "新");
    EXPECT_EQ(field->text(), "新My 車的");
    EXPECT_EQ(changes, (std::vector<std::string>{"My く", "My くる", "My 車", "My 車的", "新My 車的", "新My 車的"}));

    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImSurroundingText);
    QCoreApplication::sendEvent(&host, &query);
    EXPECT_TRUE(query.value(Qt::ImEnabled).toBool()) << "the input method composes only for a window that takes text";
    EXPECT_EQ(query.value(Qt::ImSurroundingText).toString(), "新My 車的");
}

TEST_F(TextFieldEditingTest, TheCaretBlinksOnTheClockAndRestartsOnEachEdit)
{
    window->setBackgroundColor(ui::Color::white(1));
    field->setText("Van");
    EXPECT_FALSE(caretShownAt(0)) << "no caret before editing";
    field->becomeFirstResponder();
    time.advance(10);
    type("s");
    const double typed = time.now();
    EXPECT_TRUE(caretShownAt(typed + 0.2));
    EXPECT_FALSE(caretShownAt(typed + 0.7));
    EXPECT_TRUE(caretShownAt(typed + 1.2));
    EXPECT_EQ(field->nextContentChange(typed + 0.7), typed + 1.0);
    press(Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_FALSE(caretShownAt(typed + 0.2)) << "a selection shows no caret";
    EXPECT_EQ(field->nextContentChange(typed + 0.2), std::nullopt);
}

TEST_F(TextFieldEditingTest, TheFingerOrMousePlacesTheCaretAndADragSelects)
{
    field->setText("Family car");
    // The field's text starts 4 points in from its left edge, at x 24 in the window.
    const double afterFamily = 24 + QFontMetricsF(field->font().qfont()).horizontalAdvance("Family");
    ui::TouchDriver driver(*window);
    struct Press {
        const char* name;
        std::vector<double> path;
        TextRange selection;
    };
    const Press presses[] = {
        {"a click before the text", {22}, {0, 0}},
        {"a click just after a word", {afterFamily + 2}, {6, 0}},
        {"a click past the end", {310}, {10, 0}},
        {"a drag over all of it", {22, 60, 310}, {0, 10}},
        {"a drag back over the last word", {310, 200, afterFamily + 3}, {7, 3}},
    };
    for (const auto& press : presses) {
        auto touch = driver.begin({press.path.front(), 120});
        for (size_t i = 1; i < press.path.size(); ++i)
            driver.move(touch, {press.path[i], 121});
        driver.end(touch);
        EXPECT_EQ(field->selectedRange(), press.selection) << press.name;
    }
    type("van");
    EXPECT_EQ(field->text(), "Family van");
}

} // namespace
