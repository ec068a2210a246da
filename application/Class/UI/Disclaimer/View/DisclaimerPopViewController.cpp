#include "Class/UI/Disclaimer/View/DisclaimerPopViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/ScreenMetrics.h"
#include "ui/ScrollView.h"

namespace tolvane::app {
namespace {

constexpr double PADDING = 20;
constexpr double TITLE_HEIGHT = 56;
constexpr double BUTTON_HEIGHT = 48;

} // namespace

void DisclaimerPopViewController::loadView()
{
    auto root = std::make_shared<ui::View>(ui::ScreenMetrics::shared().mainBounds());
    disclaimerPopView = std::make_shared<ui::View>(ui::Rect{0, 0, CARD_WIDTH, CARD_HEIGHT});
    disclaimerPopView->setBackgroundColor(ui::Color::white(1.0));
    disclaimerPopView->layer().setCornerRadius(16);
    disclaimerPopView->setClipsToBounds(true);
    titleLabel = ScreenElements::label({}, 20, ui::FontWeight::bold);
    disclaimerScrollView = std::make_shared<ui::ScrollView>();
    descLabel = ScreenElements::label({}, 15);
    descLabel->setTextAlignment(ui::TextAlignment::left);
    disclaimerScrollView->addSubview(descLabel);
    okButton = ScreenElements::primaryButton({0, 0, 100, BUTTON_HEIGHT});
    endButton = ScreenElements::secondaryButton({0, 0, 100, BUTTON_HEIGHT});
    okButton->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapAgreeBtn(); });
    endButton->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapEndBtn(); });
    for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{titleLabel, disclaimerScrollView, endButton, okButton})
        disclaimerPopView->addSubview(view);
    root->addSubview(disclaimerPopView);
    setView(root);
}

void DisclaimerPopViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    setOverrideUserInterfaceStyle(ui::UserInterfaceStyle::light);
    const auto languages = textLanguages();
    titleLabel->setText(R::string::localizable::Disclaimer_Title(languages));
    descLabel->setText(R::string::localizable::Disclaimer_Description(languages));
    okButton->setTitle(R::string::localizable::Disclaimer_Agree(languages), okButton->state());
    endButton->setTitle(R::string::localizable::Disclaimer_End(languages), endButton->state());
}

void DisclaimerPopViewController::viewDidLayoutSubviews()
{
    ui::ViewController::viewDidLayoutSubviews();
    const ui::Rect screen = ui::ScreenMetrics::shared().mainBounds();
    const ui::Size card{screen.size.width / DESIGN_WIDTH * CARD_WIDTH, screen.size.height / DESIGN_HEIGHT * CARD_HEIGHT};
    disclaimerPopView->setFrame({disclaimerPopView->frame().origin, card});
    disclaimerPopView->setCenter(screen.center());

    const double inner = card.width - 2 * PADDING;
    titleLabel->setFrame({PADDING, PADDING, inner, TITLE_HEIGHT - PADDING});
    const double buttonsTop = card.height - PADDING - BUTTON_HEIGHT;
    const double buttonWidth = (inner - 12) / 2;
    endButton->setFrame({PADDING, buttonsTop, buttonWidth, BUTTON_HEIGHT});
    okButton->setFrame({PADDING + buttonWidth + 12, buttonsTop, buttonWidth, BUTTON_HEIGHT});
    disclaimerScrollView->setFrame({PADDING, TITLE_HEIGHT + 8, inner, buttonsTop - TITLE_HEIGHT - 24});
    // The terms keep their natural height and scroll inside the card.
    const ui::Size text = descLabel->sizeThatFits({inner, 1.0e6});
    descLabel->setFrame({0, 0, inner, text.height});
    disclaimerScrollView->setContentSize(descLabel->frame().size);
}

void DisclaimerPopViewController::onTapAgreeBtn()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/shiyongxieyi/alert/tongyi");
    viewModel->agree();
}

void DisclaimerPopViewController::onTapEndBtn()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/shiyongxieyi/alert/butongyi");
    std::weak_ptr<IDisclaimerViewModel> weak = viewModel;
    viewModel->setAction(DisclaimerAction::dismiss{[weak] {
        if (const auto model = weak.lock())
            model->exitFeature();
    }});
}

} // namespace tolvane::app
