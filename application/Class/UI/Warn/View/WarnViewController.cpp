#include "Class/UI/Warn/View/WarnViewController.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Warn/View/WarnTexts.h"
#include "Class/UI/Warn/View/WarningScene.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

WarnViewController::~WarnViewController()
{
    stopCanceledTimer();
}

void WarnViewController::loadView()
{
    const auto scene = WarningScene::make(2, true, R::string::localizable::Warn_End(textLanguages()));
    warningSymbol = scene.symbol;
    titleLabel = scene.headline;
    processingMessage = scene.messages[0];
    processingCompletedMessage = scene.messages[1];
    activityIndicator = std::static_pointer_cast<ui::ActivityIndicatorView>(scene.spinner);
    endBtn = scene.endButton;
    std::weak_ptr<ui::ViewController> weak = weak_from_this();
    endBtn->addTarget(ui::ControlEvent::touchUpInside, [weak](ui::Control&) {
        if (auto self = weak.lock())
            static_cast<WarnViewController&>(*self).tapEnd();
    });
    setView(scene.root);
}

void WarnViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    setupView();
}

void WarnViewController::viewDidLayoutSubviews()
{
    TolvaneBaseViewController::viewDidLayoutSubviews();
    WarningScene{.root = viewPointer(), .symbol = warningSymbol, .headline = titleLabel,
                 .messages = {processingMessage, processingCompletedMessage}, .spinner = activityIndicator, .endButton = endBtn}
        .layout(view().bounds());
}

void WarnViewController::setupView()
{
    if (!viewModel)
        foundation::fatalError("the end screen has no view model");
    std::weak_ptr<ui::ViewController> weak = weak_from_this();
    cancellables.insert(viewModel->actionPublisher().sink([weak](IWarnViewModel::Action action) {
        if (auto self = weak.lock())
            static_cast<WarnViewController&>(*self).sessionCloseTimeout(action);
    }));
    endBtn->setTitle(R::string::localizable::Warn_End(textLanguages()), endBtn->state());
    endBtn->setHidden(true);
    viewModel->setCauseid(causeId);
    viewModel->setInAppWarningKind(inAppWarningKind);
    setInAppWarningTexts(inAppWarningKind);
    setProcessingTexts(causeId);
    setEcuAbnormalityTexts(causeId);
    takeLinkAlreadyStopping();
    closeLink();
}

void WarnViewController::takeLinkAlreadyStopping()
{
    const auto store = TerminalStore::shared();
    if (!store->isConnectionStop)
        return;
    if (!store->hasCloseTimer()) {
        // The stop was already under way in the background: its final texts at once.
        if (toCanceledTimer)
            toCanceledTimer->fire();
    } else if (!store->isCloseTimerValid()) {
        setInAppWarningTexts(InAppWarningKind::timedOutCloseTerminal);
    }
    store->isConnectionStop = false;
}

void WarnViewController::closeLink()
{
    const auto store = TerminalStore::shared();
    if (inAppWarningKind == InAppWarningKind::timedOutCloseTerminal)
        store->shutdownTerminal([] {});
    else if (store->hasCloseTimer())
        return;
    else if (toCanceledTimer && toCanceledTimer->isValid())
        store->closeTimerStart(std::nullopt, true);
    else
        store->closeTimerStart(FINAL_CLOSE_DELAY, false);
}

void WarnViewController::setProcessingTexts(CauseId cause)
{
    const auto message = warnProcessingMessage(cause);
    if (!message)
        return;
    titleLabel->setText(R::string::localizable::Warn_Processing_Title(textLanguages()));
    processingMessage->setText(*message);
    viewKind = ViewKind::stop;
    warningSymbol->setHidden(false);
    titleLabel->setHidden(false);
    processingMessage->setHidden(false);
    processingCompletedMessage->setHidden(true);
    activityIndicator->setHidden(false);
    activityIndicator->startAnimating();
    endBtn->setHidden(true);
    endBtn->setEnabled(false);
    view().setNeedsLayout();

    std::weak_ptr<ui::ViewController> weak = weak_from_this();
    stopCanceledTimer();
    toCanceledTimer = foundation::RunLoop::main().scheduleTimer(CANCELED_DELAY, false, [weak, cause](foundation::Timer&) {
        foundation::RunLoop::main().post([weak, cause] {
            auto self = std::static_pointer_cast<WarnViewController>(weak.lock());
            if (!self)
                return;
            if (self->toCanceledTimer)
                self->toCanceledTimer->invalidate();
            self->setStopTexts(cause);
        });
    });
}

void WarnViewController::setStopTexts(CauseId cause)
{
    if (const auto texts = warnStopTexts(cause))
        showFinal(*texts);
    else
        setCannotStartTexts(cause);
}

void WarnViewController::setCannotStartTexts(CauseId cause)
{
    if (const auto texts = warnCannotStartTexts(cause))
        showFinal(*texts);
}

void WarnViewController::setEcuAbnormalityTexts(CauseId cause)
{
    const auto texts = warnEcuAbnormalityTexts(cause);
    if (!texts)
        return;
    showFinal(*texts);
    viewKind = ViewKind::ecuAbnormality;
}

void WarnViewController::setInAppWarningTexts(std::optional<InAppWarningKind> warnKind)
{
    const auto texts = warnKind ? warnInAppTexts(*warnKind) : std::nullopt;
    if (!texts)
        return;
    showFinal(*texts);
    viewKind = ViewKind::stop;
}

void WarnViewController::showFinal(const WarnTexts& texts)
{
    titleLabel->setText(texts.title);
    processingCompletedMessage->setText(texts.message);
    warningSymbol->setHidden(false);
    titleLabel->setHidden(false);
    processingMessage->setHidden(true);
    processingCompletedMessage->setHidden(false);
    activityIndicator->stopAnimating();
    activityIndicator->setHidden(true);
    endBtn->setHidden(false);
    endBtn->setEnabled(true);
    view().setNeedsLayout();
}

void WarnViewController::sessionCloseTimeout(IWarnViewModel::Action action)
{
    if (action == IWarnViewModel::Action::none)
        return;
    LogManager::print("Detect Closed Timeout", LogLevel::debug, {.function = "sessionCloseTimeout()"});
    setInAppWarningTexts(InAppWarningKind::timedOutCloseTerminal);
    stopCanceledTimer();
}

void WarnViewController::tapEnd()
{
    endBtn->setEnabled(false);
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/bocheyiwancheng/queding");
    viewModel->stopSending();
}

void WarnViewController::clearStackAlert()
{
    TolvaneBaseViewController::clearStackAlert();
    stopCanceledTimer();
}

void WarnViewController::stopCanceledTimer()
{
    if (toCanceledTimer)
        toCanceledTimer->invalidate();
    toCanceledTimer.reset();
}

} // namespace tolvane::app
