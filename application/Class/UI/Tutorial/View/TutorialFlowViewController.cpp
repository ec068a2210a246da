#include "Class/UI/Tutorial/View/TutorialFlowViewController.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/ScreenMetrics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tolvane::app {
namespace {

// The guidance images' side: 40 points of the design height, the screen measured once.
double guidanceSize()
{
    static const double size = ui::ScreenMetrics::shared().mainBounds().height() * 40 / 926;
    return size;
}

} // namespace

ui::ScrollView& TutorialFlowViewController::carousel() const
{
    foundation::fatalError("must override TutorialFlowViewController#carousel", "TutorialFlowViewController", 56);
}

TutorialStepIndicator& TutorialFlowViewController::stepIndicator() const
{
    foundation::fatalError("must override TutorialFlowViewController#stepIndicator", "TutorialFlowViewController", 62);
}

void TutorialFlowViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    setupNavigationBar();
    setupPages();
    stepIndicator().setPageNum(static_cast<int>(pageControllers.size()));
    layoutScrollGuidance();
    updateStepIndicator(-1, 0);
}

void TutorialFlowViewController::viewWillAppear(bool animated)
{
    TolvaneBaseViewController::viewWillAppear(animated);
    auto title = std::make_shared<ui::Label>();
    title->setText(R::string::localizable::TutorialFlow_Title(textLanguages()));
    // On the dark bar the title takes the bar's light title style, as every screen's does.
    title->setFont(ui::Font::systemFont(18, ui::FontWeight::medium));
    title->setTextColor(ui::Color::white(1.0));
    title->sizeToFit();
    navigationItem().setTitleView(title);
}

void TutorialFlowViewController::setupPages()
{
    ui::ScrollView& scroll = carousel();
    const ui::Rect frame = scroll.frame();
    backGroundView = std::make_shared<ui::View>(ui::Rect{0, 0, frame.width() * numberOfPages(), frame.height()});
    scroll.addSubview(backGroundView);
    scroll.setContentSize(backGroundView->frame().size);
    scroll.setDelegate(std::dynamic_pointer_cast<ui::IScrollViewDelegate>(shared_from_this()));
    pageControllers.assign(static_cast<size_t>(numberOfPages()), nullptr);
    for (int i = std::max(currentPageNum - 1, 0); i <= std::min(currentPageNum + 1, numberOfPages() - 1); ++i)
        loadPage(i);
}

void TutorialFlowViewController::checkSlot(int index) const
{
    if (index < 0 || index >= static_cast<int>(pageControllers.size()))
        foundation::fatalError("Index out of range");
}

void TutorialFlowViewController::loadPage(int index)
{
    checkSlot(index);
    const std::shared_ptr<ui::ViewController> page = pageControllers[static_cast<size_t>(index)];
    if (!page)
        return;
    addChild(page);
    placePage(*page, index);
    backGroundView->addSubview(page->viewPointer());
    page->didMoveToParent(this);
}

void TutorialFlowViewController::placePage(ui::ViewController& page, int index)
{
    const ui::Rect bounds = carousel().bounds();
    page.view().setFrame({bounds.width() * index, 0, bounds.width(), bounds.height()});
}

void TutorialFlowViewController::unloadPage(int index)
{
    checkSlot(index);
    const std::shared_ptr<ui::ViewController> page = pageControllers[static_cast<size_t>(index)];
    if (!page)
        return;
    page->willMoveToParent(nullptr);
    page->view().removeFromSuperview();
    page->removeFromParent();
    pageControllers[static_cast<size_t>(index)] = nullptr;
}

void TutorialFlowViewController::scrollViewDidScroll(ui::ScrollView& scrollView)
{
    const int old = currentPageNum;
    const int count = static_cast<int>(pageControllers.size());
    const double quotient = carousel().contentOffset().x / scrollView.frame().width() + 0.5;
    // A carousel without width has no page to show yet.
    if (!std::isfinite(quotient) || count == 0)
        return;
    const double raw = std::trunc(std::clamp(quotient, -1.0, static_cast<double>(count)));
    const int now = std::clamp(static_cast<int>(raw), 0, count - 1);
    currentPageNum = now;
    if (now == old)
        return;
    if (now > old) {
        const int ahead = std::min(now + 1, count - 1);
        if (!pageControllers[static_cast<size_t>(ahead)])
            loadPage(ahead);
        const int behind = std::max(old - 1, 0);
        if (behind != now - 1)
            unloadPage(behind);
    } else {
        const int ahead = std::max(now - 1, 0);
        if (!pageControllers[static_cast<size_t>(ahead)])
            loadPage(ahead);
        const int behind = std::min(old + 1, count - 1);
        if (behind != std::min(now + 1, count - 1))
            unloadPage(behind);
    }
    updateStepIndicator(old, now);
}

void TutorialFlowViewController::updateStepIndicator(int from, int to)
{
    stepIndicator().setCurrentPageNum(currentPageNum);
    stepIndicator().setNeedsDisplay();
    if (rightScrollGuidanceImageView)
        rightScrollGuidanceImageView->setHidden(true);
    if (leftScrollGuidanceImageView)
        leftScrollGuidanceImageView->setHidden(true);
    pageDidChange(from, to);
}

void TutorialFlowViewController::pageDidChange(int, int) {}

void TutorialFlowViewController::layoutScrollGuidance()
{
    rightScrollGuidanceImageView = std::make_shared<ui::ImageView>(R::image::FirstSlideRight());
    view().addSubview(rightScrollGuidanceImageView);
    layoutGuidance(*rightScrollGuidanceImageView, true);
    leftScrollGuidanceImageView = std::make_shared<ui::ImageView>(R::image::FirstSlideLeft());
    view().addSubview(leftScrollGuidanceImageView);
    layoutGuidance(*leftScrollGuidanceImageView, false);
}

void TutorialFlowViewController::layoutGuidance(ui::ImageView& image, bool atRightEdge)
{
    const double s = guidanceSize();
    const ui::Rect edge = carousel().frame();
    image.setFrame({atRightEdge ? edge.maxX() - s : edge.minX(), edge.midY() - s / 2, s, s});
}

void TutorialFlowViewController::viewDidLayoutSubviews()
{
    TolvaneBaseViewController::viewDidLayoutSubviews();
    if (!backGroundView)
        return;
    ui::ScrollView& scroll = carousel();
    const ui::Size page = scroll.bounds().size;
    const ui::Rect content{0, 0, page.width * numberOfPages(), page.height};
    // Only a new carousel size moves the pages; a pass during a drag leaves the offset alone.
    if (backGroundView->frame() != content) {
        backGroundView->setFrame(content);
        scroll.setContentSize(content.size);
        for (int i = 0; i < static_cast<int>(pageControllers.size()); ++i)
            if (const auto& controller = pageControllers[static_cast<size_t>(i)])
                placePage(*controller, i);
        scroll.setContentOffset({page.width * currentPageNum, 0});
    }
    if (rightScrollGuidanceImageView)
        layoutGuidance(*rightScrollGuidanceImageView, true);
    if (leftScrollGuidanceImageView)
        layoutGuidance(*leftScrollGuidanceImageView, false);
}

void TutorialFlowViewController::tapNavigationButtonLeave()
{
    ui::NavigationController* navigation = navigationController();
    if (!navigation || navigation->viewControllers().size() < 2)
        return;
    navigation->popToViewController(navigation->viewControllers()[1].get(), true);
}

} // namespace tolvane::app
