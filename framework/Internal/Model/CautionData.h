#pragma once

#include "Internal/Model/ICautionData.h"
#include "Internal/Model/IInternalCautionData.h"
#include "foundation/Guarded.h"
#include "rx/Subject.h"

#include <vector>

namespace tolvane {

// The held causes, newest first, and the published cause id. The encoder reads the top cause on the
// send thread while the main thread changes the list, so the list lives under a mutex and every value
// is published after the mutex is released.
class CautionData final : public ICautionData, public IInternalCautionData {
public:
    rx::Publisher<CauseId> cause() const override;

    std::optional<InternalCause> topCause() const override;
    void addCause(InternalCause cause) override;
    rx::Publisher<InternalCause> raisedCause() const override;
    void removeCause(InternalCause cause) override;
    void updateCauseId() override;
    bool hasCause(CauseId causeID) const override;
    void resetCauseId() override;
    void initParam() override;

private:
    struct Causes {
        std::vector<InternalCause> list; // front: the cause added last; each cause at most once
        bool isBreakTimeout = false;     // breakTimeout is on top without being in the list
    };
    static std::optional<InternalCause> topOf(const Causes& causes);

    rx::CurrentValueSubject<CauseId> cause_{CauseId::DEF};
    rx::PassthroughSubject<InternalCause> raisedCause_;
    foundation::Guarded<Causes> causes_;
};

} // namespace tolvane
