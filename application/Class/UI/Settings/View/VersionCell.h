#pragma once

#include "ui/TableViewCell.h"

#include <memory>
#include <string>

namespace ui {
class Label;
}

namespace tolvane::app {

// The software version row.
class VersionCell final : public ui::TableViewCell {
public:
    VersionCell();

    const std::shared_ptr<ui::Label> label;
    const std::shared_ptr<ui::Label> versionLabel;

    void setVersion(const std::string& version);
    void layoutSubviews() override;
};

} // namespace tolvane::app
