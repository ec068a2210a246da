#include "Class/UI/Operating/View/Slider/SliderControlView.h"

#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/SharedObject/TapEventReceiver.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Operating/View/Animation/BeforeAnimationView.h"
#include "Class/UI/Operating/View/Animation/HoldingAnimationView.h"
#include "Class/UI/Operating/View/Animation/OperateAnimation.h"
#include "Class/UI/Operating/View/Slider/SliderControlNib.h"
#include "Class/UI/Operating/View/ResolveOrStop.h"
#include "Class/UI/Operating/View/ToleranceFrame.h"
#include "Class/UI/Operating/View/TouchDetectorView.h"

#include "ISlideViewModel.h"
#include "foundation/RunLoop.h"
#include "foundation/UserDefaults.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NibRegistry.h"
#include "ui/ScreenMetrics.h"
#include "ui/Touch.h"
#include "ui/ViewAnimation.h"

#include "R.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr const char* statisticsKey = "tirmalunesko/kongchecaozuo/huadongbingchangan";

const char* caseName(SliderControlView::TapState state)
{
    switch (state) {
#define TOLVANE_CASE(name) \
    case SliderControlView::TapState::name: \
        return #name;
        TOLVANE_SLIDER_TAP_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
    }
    return "";
}

// Edges included, unlike the platform's point-in-rectangle test.
bool insideWithEdges(const ui::Rect& rect, const ui::Point& p)
{
    return rect.minX() <= p.x && p.x <= rect.maxX() && rect.minY() <= p.y && p.y <= rect.maxY();
}

double now()
{
    return foundation::RunLoop::main().clock().now();
}

ui::Rect windowFrame(const ui::View& view)
{
    return view.superview() ? view.superview()->convert(view.frame(), nullptr) : view.frame();
}

} // namespace

SliderControlView::SliderControlView(const ui::Rect& frame)
    : ui::View(frame), operateAnimation_(std::make_shared<OperateAnimation>(1.5, 1.0)),
      smallSlideButtonHeight_(0.09 * ui::ScreenMetrics::shared().mainBounds().height())
{
    setup();
}

SliderControlView::~SliderControlView()
{
    if (tutorialAnimationTimer_)
        tutorialAnimationTimer_->invalidate();
    operateAnimation_->invalidateTimers();
}

void SliderControlView::setup()
{
    auto content = ui::NibRegistry::shared().instantiate(SliderControlNib::name);
    auto* nib = dynamic_cast<SliderControlNib*>(content.get());
    if (!nib)
        return;
    content->setBounds({{}, bounds().size});
    content->setFrame(bounds());
    addSubview(content);
    content_ = content;
    outlets_ = nib->outlets;
    slideViewModel_ = resolveOrStop<ISlideViewModel>();
    viewModel_ = resolveOrStop<IOperatingViewModel>();
}

double SliderControlView::screenHeight() const
{
    return ui::ScreenMetrics::shared().mainBounds().height();
}

bool SliderControlView::notShowFirstOperate() const
{
    return foundation::UserDefaults::standard()->boolean(rawValue(UserDefaultsKey::notShowFirstOperate));
}

void SliderControlView::layoutSubviews()
{
    if (content_)
        content_->setFrame(bounds());
    if (isTutorial_ || !viewModel_)
        return;
    cancellables_.removeAll();
    outlets_.touchDetectorView->setFrame(slideViewModel_->startFrame());
    subscribe();
    operateAnimation_->startBeforeAnimation(outlets_.beforeAnimation);
    layoutGeometry();
    updateAppearance(false);
    outlets_.guidanceLabel->setText("");
    if (!notShowFirstOperate())
        showOperationGuidance();
    else
        viewModel_->startShowHintTimer();
}

void SliderControlView::subscribe()
{
    auto weak = std::weak_ptr<SliderControlView>(std::static_pointer_cast<SliderControlView>(shared_from_this()));
    std::weak_ptr<TouchDetectorView> detector = outlets_.touchDetectorView;
    cancellables_.insert(outlets_.touchDetectorView->touchEvent.publisher().dropFirst().sink([weak, detector](const std::optional<TouchEvent>& event) {
        auto self = weak.lock();
        auto view = detector.lock();
        if (self && view && event)
            self->handleTouches(*view, event->type, event->event);
    }));
    cancellables_.insert(viewModel_->controlAction().dropFirst().sink([weak](const IOperatingViewModel::ControlAction& action) {
        if (auto self = weak.lock())
            self->handleControlAction(action);
    }));
    if (auto receiver = std::dynamic_pointer_cast<TapEventReceiver>(TolvaneIntegrationAppHelper::shared().eventReceiver)) {
        cancellables_.insert(receiver->touchEvent.publisher().dropFirst().sink([weak](const std::optional<ui::TouchSet>& touches) {
            if (auto self = weak.lock())
                self->detectOverride(touches);
        }));
    }
}

void SliderControlView::handleTouches(const ui::View& view, TouchEventType eventType, const std::optional<ui::Event>& event)
{
    const ui::Rect controlFrame = windowFrame(view);
    if (!event)
        return;
    const ui::Rect start = slideViewModel_->startFrame();
    const ui::Rect operate = slideViewModel_->operateFrame();
    std::vector<std::shared_ptr<ui::Touch>> candidates;
    for (const auto& touch : event->allTouches()) {
        const ui::Point location = touch->location(this);
        if (start.contains(location) || operate.contains(location))
            candidates.push_back(touch);
    }
    if (eventType == TouchEventType::ended || eventType == TouchEventType::cancelled || candidates.empty()) {
        setLongTapInterruptionFactor(LongTapInterruptionFactor::noTouching);
        return;
    }
    std::optional<TouchInfo> first;
    for (const auto& touch : candidates) {
        auto info = followTouch(*touch, view, controlFrame, eventType);
        if (info && !first)
            first = info;
    }
    if (first)
        analyzeTouchInfo(*first);
}

std::optional<SliderControlView::TouchInfo> SliderControlView::followTouch(const ui::Touch& touch, const ui::View& view,
                                                                           const ui::Rect& controlFrame, TouchEventType eventType)
{
    const ui::Point p = touch.location(&view);
    const ui::Point windowPoint{p.x + controlFrame.minX(), p.y + controlFrame.minY()};
    const ui::Rect start = slideViewModel_->startFrame();
    const ui::Rect operate = slideViewModel_->operateFrame();
    if (tapState_ == TapState::start && operate.minY() <= windowPoint.y && windowPoint.y <= start.maxY()) {
        if (!superview())
            return std::nullopt;
        const double sliderTop = windowFrame(*this).minY();
        auto& knob = *outlets_.slideButton;
        const ui::Rect k = knob.frame();
        const double h = k.height();
        const double candidate = windowPoint.y - sliderTop - h / 2;
        const double upper = start.minY() - sliderTop + start.height() - h;
        const double lower = operate.minY() - sliderTop;
        const double y = candidate > upper ? upper : candidate < lower ? lower : candidate;
        knob.setFrame({start.minX() + (start.width() - k.width()) / 2, y, k.width(), k.height()});
        const ui::Rect bar = outlets_.slideBar->frame();
        outlets_.slideBar->setFrame({bar.origin, {bar.width(), y - (operate.minY() + (start.height() - h) / 2) + 1.1 * h}});
        // The arrows the knob has passed go.
        const double arrowBarTop = outlets_.arrowBar->frame().minY();
        for (const auto& arrow : {outlets_.arrow1, outlets_.arrow2, outlets_.arrow3})
            arrow->setHidden(candidate < arrow->frame().minY() + arrowBarTop);
    }
    return TouchInfo{windowPoint, touchRadius, eventType};
}

void SliderControlView::analyzeTouchInfo(const TouchInfo& touchInfo)
{
    const ui::Point p = touchInfo.location;
    const ui::Rect s = slideViewModel_->startFrame();
    const ui::Rect o = slideViewModel_->operateFrame();
    const bool outOfArea = (p.x < s.minX() && p.x < o.minX()) || (p.x > s.maxX() && p.x > o.maxX()) || (p.y < s.minY() && p.y < o.minY()) ||
                           (p.y > s.maxY() && p.y > o.maxY());
    if (outOfArea) {
        setLongTapInterruptionFactor(LongTapInterruptionFactor::outOfArea);
        return;
    }
    if (touchInfo.eventType == TouchEventType::began && insideWithEdges(s, p)) {
        setTapState(TapState::start);
    } else if (!insideWithEdges(o, p)) {
        if (tapState_ == TapState::longTap)
            setTapState(TapState::start);
    } else if (tapState_ == TapState::start) {
        LogManager::print(">View側長押し検知", LogLevel::debug, {.function = "analyzeTouchInfo(touchInfo:)"});
        setTapState(TapState::longTap);
    }
}

void SliderControlView::setTapState(TapState state)
{
    tapState_ = state;
    LogManager::print(std::string(">タップ状態変化:") + caseName(state), LogLevel::debug, {.function = "tapState"});
    switch (state) {
    case TapState::undetect:
        resetToUndetect();
        break;
    case TapState::start:
        TolvaneIntegrationAppHelper::sendStatisticsEvent(statisticsKey);
        setLongTapInterruptionFactor(LongTapInterruptionFactor::none);
        break;
    case TapState::longTap:
        longTapTime_ = now();
        if (auto timer = viewModel_->showHintTimer())
            timer->invalidate();
        viewModel_->setShowHintTimer(nullptr);
        if (outlets_.guidanceLabel->text() != std::optional<std::string>(""))
            outlets_.guidanceLabel->setText(R::string::localizable::Parking_OperationLongTap(textLanguages()));
        break;
    }
    const bool isLongTap = state == TapState::longTap;
    updateAppearance(isLongTap);
    slideViewModel_->onTap(isLongTap);
}

void SliderControlView::setLongTapInterruptionFactor(LongTapInterruptionFactor factor)
{
    const LongTapInterruptionFactor old = longTapInterruptionFactor_;
    longTapInterruptionFactor_ = factor;
    // Only the first way a hold ends counts, until the finger starts on the knob again.
    if (factor == LongTapInterruptionFactor::none || old != LongTapInterruptionFactor::none)
        return;
    setTapState(TapState::undetect);
    if (longTapTime_ && now() - *longTapTime_ <= longTapFailedThreshold) {
        if (longTapFailedTime_ + 1 < countToShowHint)
            ++longTapFailedTime_;
        else
            showOperationGuidance();
    }
    viewModel_->startShowHintTimer();
}

void SliderControlView::detectOverride(const std::optional<ui::TouchSet>& touches)
{
    if (!canDetectOverride_ || !touches)
        return;
    const auto navigationBar = viewModel_->navigationBarSize();
    const auto acceptable = std::count_if(touches->begin(), touches->end(), [&](const std::shared_ptr<ui::Touch>& touch) {
        return isTouchAcceptable(*touch) && !(navigationBar && navigationBar->contains(touch->location(this)));
    });
    if (acceptable <= 1)
        return;
    if (tapState_ == TapState::longTap) {
        viewModel_->displayWarnConfirmation(InAppWarningKind::overrideOperations);
        setTapState(TapState::undetect);
    }
    setLongTapInterruptionFactor(LongTapInterruptionFactor::multiTap);
}

bool SliderControlView::isTouchAcceptable(const ui::Touch& touch) const
{
    const ui::Point location = touch.location(this);
    return !(ToleranceFrame::current().contains(location) && !slideViewModel_->startFrame().contains(location));
}

void SliderControlView::handleControlAction(const IOperatingViewModel::ControlAction& action)
{
    using A = IOperatingViewModel::ControlAction;
    if (auto* active = std::get_if<A::setActive>(&action.value)) {
        if (!active->isActive)
            setTapState(TapState::undetect);
    } else if (std::holds_alternative<A::playHintAnimation>(action.value)) {
        showOperationGuidance();
    } else if (std::holds_alternative<A::didLayoutSubviews>(action.value)) {
        canDetectOverride_ = true;
    } else if (std::holds_alternative<A::willDisappear>(action.value)) {
        operateAnimation_->invalidateTimers();
        canDetectOverride_ = false;
        cancellables_.removeAll();
        foundation::UserDefaults::standard()->setBool(rawValue(UserDefaultsKey::notShowFirstOperate), true);
    }
}

void SliderControlView::showOperationGuidance()
{
    if (outlets_.guidanceLabel)
        outlets_.guidanceLabel->setText(R::string::localizable::Parking_OperationGuidance(textLanguages()));
}

void SliderControlView::layoutGeometry()
{
    const ui::Rect s = slideViewModel_->startFrame();
    const ui::Rect o = slideViewModel_->operateFrame();
    const ui::Rect screen = ui::ScreenMetrics::shared().mainBounds();
    const double side = smallSlideButtonHeight_;

    placeKnobAtRest();
    outlets_.holdButton->setFrame({o.minX() + (s.width() - side) / 2, o.minY() + (s.height() - side) / 2, side, side});
    fitSlideBar();
    setupArrows();

    auto& label = *outlets_.guidanceLabel;
    const double labelWidth = 0.905 * screen.width();
    const double labelHeight = 0.055 * screen.height();
    label.setFrame({(screen.width() - labelWidth) / 2, 0.55 * screen.height(), labelWidth, labelHeight});
    label.setFont(label.font().withSize(std::min(fontSize_Max, 0.4 * labelHeight)));

    const ui::Point target = outlets_.holdButton->center();
    const double holding = 0.245 * screen.height();
    outlets_.holdingAnimation->setFrame({target.x - holding / 2, target.y - holding / 2, holding, holding});
    const double before = 0.238 * screen.height();
    outlets_.beforeAnimation->setFrame({target.x - before / 2, target.y - before / 2, before, before});
}

void SliderControlView::placeKnobAtRest()
{
    const ui::Rect s = slideViewModel_->startFrame();
    const double side = smallSlideButtonHeight_;
    outlets_.slideButton->setFrame({s.minX() + (s.width() - side) / 2, s.minY() + s.height() - side, side, side});
}

void SliderControlView::fitSlideBar()
{
    const ui::Rect s = slideViewModel_->startFrame();
    const ui::Rect o = slideViewModel_->operateFrame();
    const ui::Rect k = outlets_.slideButton->frame();
    auto& bar = *outlets_.slideBar;
    const double width = 1.1 * k.width();
    const double top = o.minY() + (s.height() - k.height()) / 2;
    bar.setFrame({k.minX() + (k.width() - width) / 2, top - 0.05 * k.height(), width, k.minY() - top + 1.1 * k.height()});
    bar.layer().setCornerRadius(width / 2);
    bar.setClipsToBounds(true);
}

void SliderControlView::setupArrows()
{
    auto& arrowBar = *outlets_.arrowBar;
    arrowBar.setFrame(outlets_.slideBar->frame());
    const ui::Rect barBounds = arrowBar.bounds();
    const double width = 0.25 * barBounds.width();
    const double middle = (barBounds.height() - outlets_.arrow2->frame().height()) / 2;
    const double tops[] = {0.8 * middle, middle, 1.2 * middle};
    const std::shared_ptr<ui::ImageView> arrows[] = {outlets_.arrow1, outlets_.arrow2, outlets_.arrow3};
    for (int i = 0; i < 3; ++i) {
        auto& arrow = *arrows[i];
        arrow.layer().removeAllAnimations();
        arrow.setAlpha(1.0);
        arrow.setFrame({(barBounds.width() - width) / 2, tops[i], width, arrow.frame().height()});
    }
    // They fade in turn from the bottom up.
    const double delays[] = {0.75, 0.5, 0.25};
    for (int i = 0; i < 3; ++i) {
        auto arrow = arrows[i];
        ui::ViewAnimation::animate(1.0, delays[i], {.curve = ui::TimingFunction::easeInEaseOut, .repeats = true, .autoreverses = true},
                                   [arrow] { arrow->setAlpha(0.0); });
    }
}

void SliderControlView::updateAppearance(bool isLongTap)
{
    outlets_.slideBar->setHidden(isLongTap);
    outlets_.arrowBar->setHidden(isLongTap);
    outlets_.beforeAnimation->setHidden(isLongTap);
    outlets_.holdingAnimation->setHidden(!isLongTap);
    outlets_.holdButton->setAlpha(0.3);
    outlets_.slideBar->setAlpha(0.3);
    for (const auto& arrow : {outlets_.arrow1, outlets_.arrow2, outlets_.arrow3})
        arrow->setHidden(false);

    auto& knob = *outlets_.slideButton;
    if (isLongTap) {
        operateAnimation_->startHoldingAnimation(outlets_.holdingAnimation);
        const double side = 0.16 * screenHeight();
        const ui::Point target = outlets_.holdButton->center();
        knob.setFrame({target.x - side / 2, target.y - side / 2, side, side});
        return;
    }
    knob.setFrame({knob.frame().origin, {smallSlideButtonHeight_, smallSlideButtonHeight_}});
    if (tapState_ == TapState::undetect) {
        placeKnobAtRest();
        fitSlideBar();
    }
}

void SliderControlView::resetToUndetect()
{
    if (!superview())
        return;
    placeKnobAtRest();
    updateAppearance(false);
    outlets_.guidanceLabel->setText("");
    if (!notShowFirstOperate() || longTapFailedTime_ > 0)
        showOperationGuidance();
}

void SliderControlView::showAtRestInOwnArea()
{
    layoutInOwnArea();
    // The operating screen's look before a touch, without its pulse.
    outlets_.holdButton->setAlpha(0.3);
    outlets_.slideBar->setAlpha(0.3);
    outlets_.holdingAnimation->setHidden(true);
}

void SliderControlView::layoutInOwnArea()
{
    isTutorial_ = true;
    const ui::Size area = superview() ? superview()->frame().size : frame().size;
    const double side = smallSlideButtonHeight_;
    auto& knob = *outlets_.slideButton;
    auto& target = *outlets_.holdButton;
    auto& bar = *outlets_.slideBar;
    knob.setFrame({(area.width - side) / 2, (area.height - side) * 0.42, side, side});
    target.setFrame({(area.width - side) / 2, (area.height - side) * 0.14, side, side});
    const ui::Rect k = knob.frame();
    const ui::Rect t = target.frame();
    const double barWidth = 1.1 * k.width();
    bar.setFrame({k.minX() + (k.width() - barWidth) / 2, t.minY() + (t.height() - k.height()) / 2 - 0.05 * k.height(), barWidth,
                  k.maxY() - t.minY() + 0.1 * k.height()});
    bar.layer().setCornerRadius(barWidth / 2);
    bar.setClipsToBounds(true);
    setupArrows();

    const ui::Rect pulse{bar.frame().origin, {barWidth, barWidth}};
    outlets_.beforeAnimation->setFrame(pulse);
    outlets_.holdingAnimation->setFrame(pulse);
    outlets_.guidanceLabel->setHidden(true);
    outlets_.beforeAnimation->setHidden(true);
    outlets_.holdingAnimation->setHidden(false);
    cancellables_.removeAll();
}

void SliderControlView::startTutorialAnimation()
{
    layoutInOwnArea();
    operateAnimation_->startBeforeAnimation(outlets_.beforeAnimation);
    operateAnimation_->startHoldingAnimation(outlets_.holdingAnimation);

    const ui::Rect k = outlets_.slideButton->frame();
    const ui::Rect operate = slideViewModel_->operateFrame();
    tutorial_ = {.knobRest = k.origin, .barHeight = outlets_.slideBar->frame().height(), .dx = (0.8 * operate.width() - k.width()) / 2,
                 .dy = (0.8 * operate.height() - k.height()) / 2};
    handImage_ = std::make_shared<ui::ImageView>(R::image::FirstControlHand());
    handImage_->setContentMode(ui::ContentMode::scaleAspectFit);
    const ui::Size hand = handImage_->frame().size;
    handImage_->setFrame({k.maxX() - hand.width / 2, k.minY(), hand.width, hand.height});
    addSubview(handImage_);

    std::weak_ptr<SliderControlView> weak = std::static_pointer_cast<SliderControlView>(shared_from_this());
    tutorialAnimationTimer_ = foundation::RunLoop::main().scheduleTimer(1.0 / 60.0, true, [weak](foundation::Timer& timer) {
        if (weak.expired()) {
            timer.invalidate();
            return;
        }
        foundation::RunLoop::main().post([weak] {
            if (auto self = weak.lock())
                self->runTutorialStep();
        });
    });
}

void SliderControlView::runTutorialStep()
{
    auto& knob = *outlets_.slideButton;
    auto& bar = *outlets_.slideBar;
    const std::shared_ptr<ui::ImageView> arrows[] = {outlets_.arrow1, outlets_.arrow2, outlets_.arrow3};
    const double elapsed = beforeAnimationTime_ ? now() - *beforeAnimationTime_ : 0;
    switch (beforeAnimationStep_) {
    case 0:
        return;
    case 1: // slide up
        if (!beforeAnimationTime_) {
            beforeAnimationTime_ = now();
            const double handY = bar.frame().minY();
            const double targetY = outlets_.holdButton->frame().minY();
            auto self = std::static_pointer_cast<SliderControlView>(shared_from_this());
            ui::ViewAnimation::animate(
                1.5, 0, {},
                [self, handY, targetY] {
                    auto& out = self->outlets_;
                    const ui::Rect hand = self->handImage_->frame();
                    self->handImage_->setFrame({hand.minX(), handY, hand.width(), hand.height()});
                    const ui::Rect k = out.slideButton->frame();
                    out.slideButton->setFrame({k.minX(), targetY, k.width(), k.height()});
                    const ui::Rect b = out.slideBar->frame();
                    out.slideBar->setFrame({b.origin, {b.width(), 1.1 * k.height()}});
                },
                [self](bool) {
                    auto& out = self->outlets_;
                    out.holdingAnimation->setHidden(false);
                    out.beforeAnimation->setHidden(true);
                    self->operateAnimation_->startHoldingAnimation(out.holdingAnimation);
                    const ui::Rect k = out.slideButton->frame();
                    const ui::Rect operate = self->slideViewModel_->operateFrame();
                    out.slideButton->setFrame({k.minX() - self->tutorial_.dx, k.minY() - self->tutorial_.dy, 0.8 * operate.width(),
                                               0.8 * operate.height()});
                });
            return;
        }
        if (elapsed < 1.5) {
            if (elapsed >= 0.7)
                for (const auto& arrow : arrows)
                    arrow->setHidden(true);
            return;
        }
        beforeAnimationStep_ = 2;
        beforeAnimationTime_.reset();
        return;
    case 2: // hold
        if (!beforeAnimationTime_) {
            beforeAnimationTime_ = now();
            return;
        }
        if (elapsed < 2.0)
            return;
        outlets_.holdingAnimation->setHidden(true);
        outlets_.beforeAnimation->setHidden(false);
        operateAnimation_->startBeforeAnimation(outlets_.beforeAnimation);
        knob.setFrame({tutorial_.knobRest, {smallSlideButtonHeight_, smallSlideButtonHeight_}});
        bar.setFrame({bar.frame().origin, {bar.frame().width(), tutorial_.barHeight}});
        for (const auto& arrow : arrows)
            arrow->setHidden(false);
        handImage_->setHidden(true);
        beforeAnimationTime_.reset();
        beforeAnimationStep_ = 3;
        return;
    case 3: // pause
        if (!beforeAnimationTime_) {
            beforeAnimationTime_ = now();
            return;
        }
        if (static_cast<int>(elapsed) >= 2) {
            beforeAnimationStep_ = 4;
            beforeAnimationTime_.reset();
        }
        return;
    default: {
        handImage_->setHidden(false);
        const ui::Rect hand = handImage_->frame();
        handImage_->setFrame({hand.minX(), knob.frame().minY(), hand.width(), hand.height()});
        beforeAnimationStep_ = 1;
        return;
    }
    }
}

} // namespace tolvane::app
