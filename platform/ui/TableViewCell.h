#pragma once

#include "ui/View.h"

#include <string>

namespace ui {

// A row of a table. Cells are reused: a cell that scrolls away or is reloaded serves another row
// after prepareForReuse.
class TableViewCell : public View {
public:
    explicit TableViewCell(std::string reuseIdentifier = {});

    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    View& contentView() const { return *contentView_; }
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    virtual void prepareForReuse() {}

    void layoutSubviews() override;

private:
    std::string reuseIdentifier_;
    std::shared_ptr<View> contentView_;
    bool selected_ = false;
};

} // namespace ui
