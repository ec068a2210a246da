#include "Class/UI/RequestIdWaiting/View/RequestIdWaitingViewController.h"

#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "ui/ActivityIndicatorView.h"
#include "ui/AffineTransform.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/View.h"

namespace tolvane::app {

void RequestIdWaitingViewController::loadView()
{
    const ui::Rect area = ScreenElements::contentArea();
    auto root = ScreenElements::groundView();
    indicatorView = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorStyle::medium);
    indicatorView->setCenter({area.midX(), area.midY() - 40});
    waitingLabel = ScreenElements::label({24, area.midY(), area.size.width - 48, 60}, 18, ui::FontWeight::medium);
    root->addSubview(indicatorView);
    root->addSubview(waitingLabel);
    setView(root);
}

void RequestIdWaitingViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    indicatorView->setTransform(ui::AffineTransform::scale(1.5, 1.5));
    indicatorView->startAnimating();
    waitingLabel->setText(R::string::localizable::RequestIDWaiting_Waiting(textLanguages()));
}

void RequestIdWaitingViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    navigationItem().setTitleView(ScreenElements::navigationTitle("Tolvane辅助"));
    viewModel->startSensingTimeoutTimer();
}

void RequestIdWaitingViewController::tapNavigationButtonLeave()
{
    if (auto* navigation = navigationController())
        navigation->popViewController(true);
    viewModel->stopSensingTimeoutTimer();
}

void RequestIdWaitingViewController::clearStackAlert()
{
    stackAlert.clear();
    viewModel->stopSensingTimeoutTimer();
}

} // namespace tolvane::app
