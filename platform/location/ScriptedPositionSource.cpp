#include "location/ScriptedPositionSource.h"

#include "foundation/RunLoop.h"

namespace location {

void ScriptedPositionSource::answerNextRequest(Answer answer, foundation::Seconds delay)
{
    script_.push_back({std::move(answer), delay});
}

void ScriptedPositionSource::requestUpdate(Completion completion)
{
    ++requestCount_;
    if (script_.empty())
        return;
    Step step = std::move(script_.front());
    script_.pop_front();
    foundation::RunLoop::main().scheduleTimer(step.delay, false,
                                              [answer = std::move(step.answer), completion = std::move(completion)](foundation::Timer&) {
                                                  completion(answer);
                                              });
}

} // namespace location
