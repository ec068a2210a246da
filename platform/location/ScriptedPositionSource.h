#pragma once

#include "foundation/Clock.h"
#include "location/IPositionSource.h"

#include <deque>

namespace location {

// A position source that answers as a test scripts it, on the main loop's clock (virtual time in
// tests). Main thread only.
class ScriptedPositionSource final : public IPositionSource {
public:
    explicit ScriptedPositionSource(bool available = true) : available_(available) {}

    void setAvailable(bool available) { available_ = available; }
    // The next unanswered request gets `answer` `delay` seconds after it was made; requests beyond
    // the script are never answered.
    void answerNextRequest(Answer answer, foundation::Seconds delay);
    int requestCount() const { return requestCount_; }

    bool isAvailable() const override { return available_; }
    void requestUpdate(Completion completion) override;

private:
    struct Step {
        Answer answer;
        foundation::Seconds delay;
    };

    bool available_;
    std::deque<Step> script_;
    int requestCount_ = 0;
};

} // namespace location
