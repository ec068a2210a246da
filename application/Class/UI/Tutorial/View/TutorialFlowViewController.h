#pragma once

#include "Class/UI/Base/View/TolvaneBaseViewController.h"

#include "ui/ScrollView.h"

#include <memory>
#include <vector>

namespace ui {
class ImageView;
}

namespace tolvane::app {

class TutorialStepIndicator;

// A paged tutorial: a carousel of page controllers, of which only the page on screen and its two
// neighbours are loaded, a step indicator and the localised title. A flow supplies the carousel,
// the indicator, its number of pages and how each page is made. Main thread only.
class TutorialFlowViewController : public TolvaneBaseViewController, public ui::IScrollViewDelegate {
public:
    static constexpr const char* LOCALIZEDKEY_NAVIGATION_TITLE = "TutorialFlow_Title";

    // One slot per page; a slot holds its page's controller while the page is loaded.
    std::vector<std::shared_ptr<ui::ViewController>> pageControllers;
    virtual int numberOfPages() const { return 0; }
    int currentPageNum = 0;
    // Carries the page views inside the carousel.
    std::shared_ptr<ui::View> backGroundView;
    std::shared_ptr<ui::ImageView> rightScrollGuidanceImageView;
    std::shared_ptr<ui::ImageView> leftScrollGuidanceImageView;

    virtual ui::ScrollView& carousel() const;
    virtual TutorialStepIndicator& stepIndicator() const;
    virtual void setupPages();
    // Places the controller in slot `index`, when there is one; a flow makes the page first.
    virtual void loadPage(int index);
    virtual void unloadPage(int index);
    virtual void layoutScrollGuidance();
    virtual void updateStepIndicator(int from, int to);
    virtual void pageDidChange(int from, int to);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // The carousel may change size with the screen: the pages follow it.
    void viewDidLayoutSubviews() override;
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;
    // Back to the screen that opened the tutorials, second on the stack.
    void tapNavigationButtonLeave() override;

protected:
    // Stops the process for an index without a slot.
    void checkSlot(int index) const;

private:
    void placePage(ui::ViewController& page, int index);
    void layoutGuidance(ui::ImageView& image, bool atRightEdge);
};

} // namespace tolvane::app
