#include "Class/UI/RegistrationDevices/View/TerminalCell.h"

#include "Class/UI/Base/View/ScenePalette.h"

#include "ui/Label.h"
#include "ui/Layer.h"

namespace tolvane::app {
namespace {

constexpr double kCardInsetX = 20;
constexpr double kCardInsetY = 6;
constexpr double kTextInset = 20;

} // namespace

TerminalCell::TerminalCell()
    : ui::TableViewCell(reuseIdentifier), card_(std::make_shared<ui::View>()),
      name_(ScenePalette::label(18, true, ScenePalette::dark())), udid_(ScenePalette::label(14, false, ScenePalette::muted()))
{
    setBackgroundColor(ui::Color::clear());
    card_->setBackgroundColor(ScenePalette::white());
    card_->layer().setCornerRadius(14);
    card_->setUserInteractionEnabled(false);
    for (auto* label : {name_.get(), udid_.get()}) {
        label->setNumberOfLines(1);
        label->setTextAlignment(ui::TextAlignment::left);
        label->setAdjustsFontSizeToFitWidth(true);
        label->setMinimumScaleFactor(0.6);
    }
    contentView().addSubview(card_);
    card_->addSubview(name_);
    card_->addSubview(udid_);
}

void TerminalCell::prepareForReuse()
{
    setUserInteractionEnabled(true);
    name_->setEnabled(true);
}

void TerminalCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect bounds = contentView().bounds();
    const ui::Rect card{kCardInsetX, kCardInsetY, bounds.width() - 2 * kCardInsetX, bounds.height() - 2 * kCardInsetY};
    card_->setFrame(card);
    card_->setHidden(card.size.height <= 0);
    const double textWidth = card.size.width - 2 * kTextInset;
    const double middle = card.size.height / 2;
    name_->setFrame({kTextInset, middle - 24, textWidth, 24});
    udid_->setFrame({kTextInset, middle + 2, textWidth, 20});
}

} // namespace tolvane::app
