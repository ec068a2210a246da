#pragma once

#include "ui/View.h"

#include <memory>

namespace ui {
class Label;
class TableView;
} // namespace ui

namespace tolvane::app {

// The registration devices screen's layout: the instruction on top, the list of units, and what to
// check when the car is missing at the bottom.
class RegistrationDevicesView final : public ui::View {
public:
    RegistrationDevicesView();

    const std::shared_ptr<ui::Label> titleLabel;
    const std::shared_ptr<ui::TableView> deviceList;
    const std::shared_ptr<ui::Label> carPlayLabel;

    void layoutSubviews() override;
};

} // namespace tolvane::app
