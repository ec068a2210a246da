#pragma once

#include "Class/UI/Base/View/InAppWarningKind.h"
#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Warn/ViewModel/IWarnViewModel.h"

#include "Internal/Model/CauseId.h"
#include "foundation/Timer.h"

#include <memory>
#include <optional>

namespace ui {
class ActivityIndicatorView;
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

struct WarnTexts;

// The end screen: why the manoeuvre ended, was cancelled or cannot start. It waits with a spinner
// while a stop is processed, closes the link to the vehicle, and then offers one end button that
// leaves the feature. Main thread only.
class WarnViewController final : public ScreenViewController<IWarnViewModel> {
public:
    enum class ViewKind { stop, cannotStart, ecuAbnormality };

    // How long a stop is shown as being processed before its final texts.
    static constexpr foundation::Seconds CANCELED_DELAY = 10.0;
    // The link closes this long after a screen that starts with its final texts, without a report.
    static constexpr foundation::Seconds FINAL_CLOSE_DELAY = 1.5;

    ~WarnViewController() override;

    std::optional<InAppWarningKind> inAppWarningKind;
    CauseId causeId = CauseId::DEF;

    // Built by the scene; see WarnScene.
    std::shared_ptr<ui::ImageView> warningSymbol;
    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::Label> processingMessage;
    std::shared_ptr<ui::Label> processingCompletedMessage;
    std::shared_ptr<ui::ActivityIndicatorView> activityIndicator;
    std::shared_ptr<ui::Button> endBtn;

    foundation::TimerRef toCanceledTimer;
    std::optional<ViewKind> viewKind;

    virtual void tapEnd();
    virtual void setEcuAbnormalityTexts(CauseId causeId);
    virtual void setProcessingTexts(CauseId causeId);
    virtual void setStopTexts(CauseId causeId);
    virtual void setCannotStartTexts(CauseId causeId);
    virtual void setInAppWarningTexts(std::optional<InAppWarningKind> warnKind);
    // The link store reported that the link ended or its close timed out.
    void sessionCloseTimeout(IWarnViewModel::Action action);

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    void clearStackAlert() override;

private:
    void setupView();
    void takeLinkAlreadyStopping();
    void closeLink();
    void showFinal(const WarnTexts& texts);
    void stopCanceledTimer();
};

} // namespace tolvane::app
