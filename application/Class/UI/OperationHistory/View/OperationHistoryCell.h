#pragma once

#include "ui/TableViewCell.h"

#include <memory>

namespace ui {
class Label;
}

namespace tolvane::app {

// One past run: its date and car, how it ended, with which version it started, from when to when it
// ran, and why it ended.
class OperationHistoryCell final : public ui::TableViewCell {
public:
    static constexpr const char* REUSE_IDENTIFIER = "CustomCell";

    OperationHistoryCell();

    const std::shared_ptr<ui::Label> topLabel;
    const std::shared_ptr<ui::Label> carNameLabel;
    const std::shared_ptr<ui::Label> resultLabel;
    const std::shared_ptr<ui::Label> startDateLabel;
    const std::shared_ptr<ui::Label> startLabel;
    const std::shared_ptr<ui::Label> endDateLabel;
    const std::shared_ptr<ui::Label> endEventLabel;

    void layoutSubviews() override;

private:
    std::shared_ptr<ui::Label> rangeDash_;
};

} // namespace tolvane::app
