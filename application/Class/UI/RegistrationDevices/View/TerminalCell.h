#pragma once

#include "ui/TableViewCell.h"

#include <memory>

namespace ui {
class Label;
}

namespace tolvane::app {

// One connected unit in the registration list: its name above its serial number, on a card.
class TerminalCell final : public ui::TableViewCell {
public:
    static constexpr const char* reuseIdentifier = "terminal_cell";

    TerminalCell();

    ui::Label& name() const { return *name_; }
    ui::Label& udid() const { return *udid_; }

    // A reused cell starts choosable again; only a registered unit's row turns that off.
    void prepareForReuse() override;
    void layoutSubviews() override;

private:
    std::shared_ptr<ui::View> card_;
    std::shared_ptr<ui::Label> name_;
    std::shared_ptr<ui::Label> udid_;
};

} // namespace tolvane::app
