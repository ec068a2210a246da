#include "Class/UI/Tutorial/View/TutorialMenuCell.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Tutorial/View/TutorialPalette.h"

#include "R.h"

#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

TutorialMenuCell::TutorialMenuCell()
    : ui::TableViewCell(REUSE_IDENTIFIER), titleLabel(std::make_shared<ui::Label>()), descriptionLabel(std::make_shared<ui::Label>()),
      chevron_(std::make_shared<ui::ImageView>(R::image::FirstSlideRight()))
{
    setBackgroundColor(ui::Color::white(1.0));
    setClipsToBounds(true);
    titleLabel->setFont(ui::Font::systemFont(18, ui::FontWeight::semibold));
    titleLabel->setTextColor(TutorialPalette::text());
    descriptionLabel->setFont(ui::Font::systemFont(15));
    descriptionLabel->setTextColor(TutorialPalette::muted());
    chevron_->setContentMode(ui::ContentMode::scaleAspectFit);
    contentView().addSubview(titleLabel);
    contentView().addSubview(descriptionLabel);
    contentView().addSubview(chevron_);
}

void TutorialMenuCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect area = contentView().bounds();
    const double inset = 15 * DesignScale::horizontal();
    const double chevronSide = 24;
    const double textWidth = area.width() - 2 * inset - chevronSide - 8;
    const double titleHeight = titleLabel->font().lineHeight();
    const bool described = descriptionLabel->text() && !descriptionLabel->text()->empty();
    const double descriptionHeight = described ? descriptionLabel->font().lineHeight() : 0;
    const double gap = described ? 4 : 0;
    const double top = area.midY() - (titleHeight + gap + descriptionHeight) / 2;
    titleLabel->setFrame({inset, top, textWidth, titleHeight});
    descriptionLabel->setFrame({inset, top + titleHeight + gap, textWidth, descriptionHeight});
    chevron_->setFrame({area.maxX() - inset - chevronSide, area.midY() - chevronSide / 2, chevronSide, chevronSide});
}

} // namespace tolvane::app
