#pragma once

#include "ui/View.h"

#include <memory>

namespace ui {
class Label;
class TableView;
} // namespace ui

namespace tolvane::app {

// The root view of the tutorial menu: its heading over the list of tutorials.
class TutorialMenuView final : public ui::View {
public:
    TutorialMenuView(std::shared_ptr<ui::Label> heading, std::shared_ptr<ui::TableView> list);

    void layoutSubviews() override;

private:
    std::shared_ptr<ui::Label> heading_;
    std::shared_ptr<ui::TableView> list_;
};

} // namespace tolvane::app
