#include "Internal/Model/CautionData.h"

#include <algorithm>

namespace tolvane {
namespace {

// The most urgent held cause that calls for `screen`; of equal priorities the newer one.
std::optional<InternalCause> mostUrgent(const std::vector<InternalCause>& list, RequiredDisplayId screen)
{
    std::optional<InternalCause> best;
    for (InternalCause cause : list) {
        if (displayId(cause) != screen)
            continue;
        if (!best || priority(cause) < priority(*best))
            best = cause;
    }
    return best;
}

} // namespace

rx::Publisher<CauseId> CautionData::cause() const
{
    return cause_.publisher().dropFirst().removeDuplicates();
}

std::optional<InternalCause> CautionData::topOf(const Causes& causes)
{
    if (causes.isBreakTimeout)
        return InternalCause::breakTimeout;
    // Any STOP cause outranks every HALT cause; a cause without a screen never ranks.
    if (auto stop = mostUrgent(causes.list, RequiredDisplayId::STOP))
        return stop;
    return mostUrgent(causes.list, RequiredDisplayId::HALT);
}

std::optional<InternalCause> CautionData::topCause() const
{
    return causes_.withLock([](const Causes& causes) { return topOf(causes); });
}

void CautionData::addCause(InternalCause cause)
{
    causes_.withLock([cause](Causes& causes) {
        const auto top = topOf(causes);
        if (top == cause)
            return;
        if (cause == InternalCause::breakTimeout) {
            // Raised as a flag over a top cause of equal or lower urgency; below a more urgent one
            // it joins the list as an ordinary STOP cause.
            if (!top || priority(InternalCause::breakTimeout) <= priority(*top)) {
                causes.isBreakTimeout = true;
                return;
            }
        } else if (isHigherPriorityBreakTimeout(cause)) {
            causes.isBreakTimeout = false;
        }
        std::erase(causes.list, cause);
        causes.list.insert(causes.list.begin(), cause);
    });
    raisedCause_.send(cause);
}

rx::Publisher<InternalCause> CautionData::raisedCause() const
{
    return raisedCause_.publisher();
}

void CautionData::removeCause(InternalCause cause)
{
    if (displayId(cause) == RequiredDisplayId::STOP)
        return;
    causes_.withLock([cause](Causes& causes) { std::erase(causes.list, cause); });
}

void CautionData::updateCauseId()
{
    const auto top = topCause();
    cause_.send(top ? causeId(*top) : CauseId::DEF);
}

bool CautionData::hasCause(CauseId causeID) const
{
    return causes_.withLock([causeID](const Causes& causes) {
        return std::ranges::any_of(causes.list, [causeID](InternalCause cause) { return causeId(cause) == causeID; });
    });
}

void CautionData::resetCauseId()
{
    cause_.send(CauseId::DEF);
}

void CautionData::initParam()
{
    cause_.send(CauseId::DEF);
    causes_.set(Causes{});
}

} // namespace tolvane
