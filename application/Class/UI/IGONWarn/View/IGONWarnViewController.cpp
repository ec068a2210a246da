#include "Class/UI/IGONWarn/View/IGONWarnViewController.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/UI/Base/View/HostDismissal.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/IGONWarn/View/IGONWarnTexts.h"
#include "Class/UI/Warn/View/WarningScene.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

void IGONWarnViewController::loadView()
{
    const auto scene = WarningScene::make(1, false, R::string::localizable::IGONWarn_End(textLanguages()));
    warningSymbol = scene.symbol;
    statusLabel = scene.headline;
    messageLabel = scene.messages[0];
    endButton = scene.endButton;
    endButton->addTarget(ui::ControlEvent::touchUpInside, [weak = weakSelf()](ui::Control&) {
        if (auto self = weak.lock())
            self->tapEndButton();
    });
    setView(scene.root);
}

void IGONWarnViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("the ignition-on warning has no view model");
    cancellables.insert(viewModel->actionPublisher().sink([](IIGONWarnViewModel::Action) {}));
    endButton->setTitle(R::string::localizable::IGONWarn_End(textLanguages()), endButton->state());
    endButton->setHidden(true);
    endButton->setEnabled(false);
    setTexts(causeId);
    finishStopSending(causeId);
    viewModel->setCauseId(causeId);
}

void IGONWarnViewController::viewDidLayoutSubviews()
{
    TolvaneBaseViewController::viewDidLayoutSubviews();
    WarningScene{.root = viewPointer(), .symbol = warningSymbol, .headline = statusLabel, .messages = {messageLabel}, .spinner = nullptr, .endButton = endButton}
        .layout(view().bounds());
}

void IGONWarnViewController::setTexts(CauseId cause)
{
    const auto texts = igonWarnTexts(cause);
    if (!texts)
        return;
    statusLabel->setText(texts->title);
    messageLabel->setText(texts->message);
    warningSymbol->setHidden(false);
    statusLabel->setHidden(false);
    messageLabel->setHidden(false);
    if (cause == CauseId::TIMEOUT_CONTROL)
        endButton->setHidden(false);
    view().setNeedsLayout();
}

void IGONWarnViewController::finishStopSending(CauseId cause)
{
    if (cause == CauseId::TIMEOUT_CONTROL) {
        TerminalStore::shared()->closeTimerStart(DISCONNECT_WAIT_TIME, true);
        return;
    }
    if (cause != CauseId::BREAK_TIMEOUT)
        return;
    // The sends go on a little longer before the link closes; the end button may be used meanwhile.
    stopSendingDispatchGroup.enter();
    foundation::RunLoop::main().scheduleTimer(STOP_SENDING_TIME, false, [weak = weakSelf()](foundation::Timer&) {
        auto self = weak.lock();
        if (!self)
            return;
        foundation::RunLoop::main().post([] { TerminalStore::shared()->shutdownTerminal([] {}); });
        self->stopSendingDispatchGroup.leave();
    });
    endButton->setHidden(false);
    endButton->setEnabled(true);
}

void IGONWarnViewController::endIGONWarn()
{
    viewModel->setIndicator();
    stopSendingDispatchGroup.notify(STOP_SENDING_WAIT, [weak = weakSelf()] {
        const bool leaving = dismissHost([weak] {
            if (auto self = weak.lock())
                self->baseViewModel->exitAppCycle();
        });
        // Stand-alone the screen stays, without a spinner that would read as a hang.
        if (auto self = weak.lock(); self && !leaving)
            self->hideIndicator();
    });
}

std::weak_ptr<IGONWarnViewController> IGONWarnViewController::weakSelf()
{
    return std::static_pointer_cast<IGONWarnViewController>(shared_from_this());
}

} // namespace tolvane::app
