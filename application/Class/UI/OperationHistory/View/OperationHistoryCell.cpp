#include "Class/UI/OperationHistory/View/OperationHistoryCell.h"

#include "Class/UI/Settings/View/MenuStyle.h"

#include "ui/Label.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr double TAG_WIDTH = 64;
constexpr double TOP_PADDING = 6;
// Kept clear above the separator: no text touches it.
constexpr double BOTTOM_PADDING = 6;
constexpr double DASH_WIDTH = 16;

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
      startLabel(rowLabel(ui::Font::systemFont(11), MenuStyle::secondaryText())),
      endDateLabel(rowLabel(ui::Font::systemFont(12), MenuStyle::secondaryText())),
      endEventLabel(rowLabel(ui::Font::systemFont(11), MenuStyle::text())),
      rangeDash_(rowLabel(ui::Font::systemFont(12), MenuStyle::secondaryText()))
{
    // The row's small heading, the same on every row.
    topLabel->setText("Tolvane");
    topLabel->setTextAlignment(ui::TextAlignment::right);
    // Between the start and the end time, so the end reads as the end of the run.
    rangeDash_->setText("–");
    rangeDash_->setTextAlignment(ui::TextAlignment::center);
    for (const auto& label : {topLabel, carNameLabel, resultLabel, startDateLabel, startLabel, rangeDash_, endDateLabel, endEventLabel})
        contentView().addSubview(label);
    setUserInteractionEnabled(false);
}

void OperationHistoryCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect bounds = contentView().bounds();
    const double left = MenuStyle::margin;
    const double width = bounds.width() - 2 * left;
    double top = TOP_PADDING;
    carNameLabel->setFrame({left, top, width - TAG_WIDTH, 18});
    topLabel->setFrame({left + width - TAG_WIDTH, top, TAG_WIDTH, 18});
    top += 18;
    resultLabel->setFrame({left, top, width, 16});
    top += 17;
    // The start's caption above the run's span, start time to end time.
    startLabel->setFrame({left, top, width, 13});
    top += 14;
    const double startWidth = std::min(width - DASH_WIDTH, startDateLabel->sizeThatFits({width, 14}).width);
    startDateLabel->setFrame({left, top, startWidth, 14});
    rangeDash_->setFrame({left + startWidth, top, DASH_WIDTH, 14});
    endDateLabel->setFrame({left + startWidth + DASH_WIDTH, top, width - startWidth - DASH_WIDTH, 14});
    top += 16;
    // The reason takes the whole lines that fit above the separator; the longest take three.
    const double lineHeight = endEventLabel->font().lineHeight();
    const int lines = std::max(1, static_cast<int>((bounds.height() - top - BOTTOM_PADDING) / lineHeight));
    endEventLabel->setNumberOfLines(lines);
    endEventLabel->setFrame({left, top, width, endEventLabel->sizeThatFits({width, lines * lineHeight}).height});
}

} // namespace tolvane::app
