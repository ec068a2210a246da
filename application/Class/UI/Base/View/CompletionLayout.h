#pragma once

#include "ui/Point.h"

#include <functional>
#include <memory>

namespace ui {
class Button;
class ImageView;
class Label;
class View;
} // namespace ui

namespace tolvane::app {

// What the screens at the end of an operation share: the car's picture at the top, a large title
// below it and the exit button at the bottom, on the screen's ground below the navigation bar. The
// title sits at one height on every such screen, whether or not the screen waits first.
struct CompletionLayout {
    std::shared_ptr<ui::View> root;
    std::shared_ptr<ui::ImageView> carImageView;
    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::Button> exitButton;
    // Between the picture and the title: where a screen that waits shows its spinner.
    ui::Point waitingCenter;

    // A tap on the exit button runs `exit`.
    static CompletionLayout make(std::function<void()> exit);
};

} // namespace tolvane::app
