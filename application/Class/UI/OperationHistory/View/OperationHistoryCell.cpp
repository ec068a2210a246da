#include "Class/UI/OperationHistory/View/OperationHistoryCell.h"

#include "Class/UI/Settings/View/MenuStyle.h"

#include "ui/Label.h"

#include <algorithm>

namespace tolvane::app {
namespace {

// The start and end times share one column, the version the rest of its line.
constexpr double DATE_COLUMN_WIDTH = 120;
constexpr double TAG_WIDTH = 64;

std::shared_ptr<ui::Label> rowLabel(const ui::Font& font, const ui::Color& color)
{
    auto label = std::make_shared<ui::Label>();
    label->setFont(font);
    label->setTextColor(color);
    return label;
}

} // namespace

OperationHistoryCell::OperationHistoryCell()
    : ui::TableViewCell(REUSE_IDENTIFIER), topLabel(rowLabel(ui::Font::systemFont(11, ui::FontWeight::medium), MenuStyle::secondaryText())),
      carNameLabel(rowLabel(ui::Font::systemFont(15, ui::FontWeight::semibold), MenuStyle::text())),
      resultLabel(rowLabel(ui::Font::systemFont(13, ui::FontWeight::medium), MenuStyle::text())),
      startDateLabel(rowLabel(ui::Font::systemFont(12), MenuStyle::secondaryText())),
      startLabel(rowLabel(ui::Font::systemFont(12), MenuStyle::text())),
      endDateLabel(rowLabel(ui::Font::systemFont(12), MenuStyle::secondaryText())),
      endEventLabel(rowLabel(ui::Font::systemFont(11), MenuStyle::text()))
{
    // The row's small heading, the same on every row.
    topLabel->setText("Tolvane");
    topLabel->setTextAlignment(ui::TextAlignment::right);
    endEventLabel->setNumberOfLines(0);
    for (const auto& label : {topLabel, carNameLabel, resultLabel, startDateLabel, startLabel, endDateLabel, endEventLabel})
        contentView().addSubview(label);
    setUserInteractionEnabled(false);
}

void OperationHistoryCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect bounds = contentView().bounds();
    const double left = MenuStyle::margin;
    const double width = bounds.width() - 2 * left;
    carNameLabel->setFrame({left, 5, width - TAG_WIDTH, 18});
    topLabel->setFrame({left + width - TAG_WIDTH, 5, TAG_WIDTH, 18});
    resultLabel->setFrame({left, 23, width, 16});
    startDateLabel->setFrame({left, 39, DATE_COLUMN_WIDTH, 14});
    startLabel->setFrame({left + DATE_COLUMN_WIDTH, 39, width - DATE_COLUMN_WIDTH, 14});
    endDateLabel->setFrame({left, 53, width, 14});
    // The longest end texts take three lines; a shorter one sits right under the end time.
    constexpr double endTop = 67;
    const double available = std::max(14.0, bounds.height() - endTop - 4);
    endEventLabel->setFrame({left, endTop, width, std::min(available, endEventLabel->sizeThatFits({width, available}).height)});
}

} // namespace tolvane::app
