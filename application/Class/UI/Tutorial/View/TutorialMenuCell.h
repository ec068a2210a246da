#pragma once

#include "ui/TableViewCell.h"

#include <memory>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// One topic of the tutorial menu: its title over a short description, and a chevron.
class TutorialMenuCell final : public ui::TableViewCell {
public:
    static constexpr const char* REUSE_IDENTIFIER = "CustomCell";

    TutorialMenuCell();

    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::Label> descriptionLabel;

    void layoutSubviews() override;

private:
    std::shared_ptr<ui::ImageView> chevron_;
};

} // namespace tolvane::app
