#include "Class/UI/Blank/View/BlankViewController.h"

#include "Class/UI/Base/ViewModel/IBaseViewModel.h"

namespace tolvane::app {

void BlankViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    endViewModelSubscriptions();
    viewModel->setBindings();
}

void BlankViewController::viewWillDisappear(bool animated)
{
    TolvaneBaseViewController::viewWillDisappear(animated);
    endViewModelSubscriptions();
}

void BlankViewController::endViewModelSubscriptions()
{
    baseViewModel->clearCancellables();
    viewModel->clearMyCancellables();
}

} // namespace tolvane::app
