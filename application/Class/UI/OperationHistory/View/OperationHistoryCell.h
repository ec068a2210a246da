#pragma once

#include "ui/TableViewCell.h"

#include <memory>

namespace ui {
class Label;
}

namespace tolvane::app {

// One past run: its date and car, how it ended, when it started with which version, and when and
// why it ended.
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
};

} // namespace tolvane::app
