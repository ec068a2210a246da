#include "Class/UI/ConnectionConfirmation/View/ConnectionConfirmationViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/ConnectionConfirmation/View/ConnectionConfirmationPageControl.h"
#include "Class/UI/ConnectionConfirmation/View/ScrollContentView.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/View.h"

#include <algorithm>
#include <cmath>

namespace tolvane::app {
namespace {

constexpr double PAGE_CONTROL_HEIGHT = 20;

} // namespace

void ConnectionConfirmationViewController::loadView()
{
    const ui::Rect area = ScreenElements::contentArea();
    auto root = ScreenElements::groundView();
    const double width = area.size.width - 48;
    startLabel = ScreenElements::label({24, area.minY() + 20, width, 64}, 22, ui::FontWeight::semibold);
    slideOperationLabel = ScreenElements::label({24, 0, width, 28}, 15, ui::FontWeight::regular, ScreenElements::muted());
    scrollView = std::make_shared<ui::ScrollView>(ui::Rect{0, area.minY() + 136, area.size.width, 360});
    scrollView->setClipsToBounds(true);
    pageControl = std::make_shared<ConnectionConfirmationPageControl>(
        ui::Rect{area.midX(), scrollView->frame().maxY() + 16, 0, PAGE_CONTROL_HEIGHT});
    connectButton = ScreenElements::primaryButton({24, area.maxY() - 72, width, 52});
    connectButton->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapConnectButton(); });
    for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{startLabel, slideOperationLabel, scrollView, pageControl, connectButton})
        root->addSubview(view);
    setView(root);
}

void ConnectionConfirmationViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    const auto languages = textLanguages();
    startLabel->setText(R::string::localizable::ConnectionConfirmation_Title(languages));
    slideOperationLabel->setText(R::string::localizable::ConnectionConfirmation_Explanation(languages));
    connectButton->setTitle(R::string::localizable::ConnectionConfirmation_Connect(languages), connectButton->state());
    const ui::Rect carousel = scrollView->frame();
    const double height = slideOperationLabel->frame().size.height;
    slideOperationLabel->setFrame({carousel.minX(), carousel.minY() - height, carousel.size.width, height});
}

void ConnectionConfirmationViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    std::weak_ptr<ConnectionConfirmationViewController> weak =
        std::static_pointer_cast<ConnectionConfirmationViewController>(shared_from_this());
    cancellables.insert(viewModel->actionPublisher().sink([weak](const IConnectionConfirmationViewModel::Action& action) {
        if (const auto self = weak.lock())
            self->apply(action);
    }));
    // The settings button stays when an earlier screen left it on the bar.
    viewModel->setHaveSettingButton(!navigationItem().rightBarButtonItems().empty());
    baseViewModel->setupNavigationBar();
    navigationItem().setTitleView(ScreenElements::navigationTitle(R::string::localizable::FirstRegistration_Register(textLanguages())));
    viewModel->loadCarRecords();
}

void ConnectionConfirmationViewController::apply(const IConnectionConfirmationViewModel::Action& action)
{
    if (const auto* cars = std::get_if<ConnectionConfirmationAction::setScrollView>(&action))
        setScrollView(cars->carRecords);
    else if (const auto* hint = std::get_if<ConnectionConfirmationAction::setIsHiddenslideOperationLabel>(&action))
        slideOperationLabel->setHidden(hint->isHidden);
}

void ConnectionConfirmationViewController::setScrollView(const std::vector<CarRecord>& carRecords)
{
    for (const auto& subview : std::vector<std::shared_ptr<ui::View>>(scrollView->subviews()))
        subview->removeFromSuperview();
    const ui::Size page = scrollView->bounds().size;
    const auto count = static_cast<double>(carRecords.size());
    scrollView->setContentSize({page.width * count, page.height});
    scrollView->setDelegate(std::static_pointer_cast<ConnectionConfirmationViewController>(shared_from_this()));
    scrollView->setPagingEnabled(true);
    auto content = std::make_shared<ui::View>(ui::Rect{0, 0, page.width * count, page.height});
    for (size_t i = 0; i < carRecords.size(); ++i) {
        auto card = std::make_shared<ScrollContentView>(ui::Rect{page.width * static_cast<double>(i), 0, page.width, page.height});
        card->deviceName->setText(carRecords[i].CarName);
        card->vehicleImage->setImage(ScreenElements::carPicture(carRecords[i].CarImagePath, "icon_vehicle", card->vehicleImage->bounds().size));
        content->addSubview(card);
    }
    scrollView->addSubview(content);
    scrollView->setContentSize(content->frame().size);

    // The marks take 35 points per page, centred under the carousel.
    const double marksWidth = PAGE_MARK_SPACING * count;
    const ui::Rect marks = pageControl->frame();
    pageControl->setFrame({view().bounds().midX() - marksWidth / 2, marks.minY(), marksWidth, marks.size.height});
    pageControl->setPageNum(static_cast<int>(carRecords.size()));
    view().addSubview(pageControl);
}

void ConnectionConfirmationViewController::scrollViewDidScroll(ui::ScrollView& scrolled)
{
    const double width = scrolled.frame().size.width;
    const int page = width > 0 ? static_cast<int>(std::trunc(scrolled.contentOffset().x / width)) : 0;
    pageControl->setCurrentPageNum(std::clamp(page, 0, pageControl->pageNum() - 1));
    viewModel->setSelectedCarRecordIndex(pageControl->currentPageNum());
}

void ConnectionConfirmationViewController::onTapConnectButton()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/xuanzebangdingcheliang/lianjie");
    viewModel->confirmSelection();
}

} // namespace tolvane::app
