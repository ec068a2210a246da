#include "vehicle-sim/Interruption.h"

#include "Internal/Model/CaseName.h"
#include "Internal/Model/InternalCause.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekVerification.h"

namespace vehiclesim {
namespace {

using tolvane::RequiredDisplayId;

bool names(const std::optional<tolvane::InternalCause>& cause, std::string_view causeName)
{
    return cause && tolvane::caseName(tolvane::causeId(*cause)) == causeName;
}

} // namespace

std::optional<Interruption> interruptionFor(InterruptionKind kind, std::string_view causeName)
{
    const RequiredDisplayId wanted = kind == InterruptionKind::halt ? RequiredDisplayId::HALT : RequiredDisplayId::STOP;
    for (const auto id : foundation::allCases<tolvane::BtMekDspId>()) {
        const auto cause = tolvane::parseInternalCause(tolvane::MekCsrReq{.MEKDSPID = id});
        if (names(cause, causeName) && tolvane::displayId(*cause) == wanted)
            return Interruption{.kind = kind, .causeName = std::string(causeName), .requestDisplayId = id, .verificationDisplayId = {}};
    }
    for (const auto id : foundation::allCases<tolvane::BtIdtDspId>()) {
        const auto cause = tolvane::parseInternalCause(tolvane::MekVerification{.IDTDSPID = id, .IDTBTRQ = std::nullopt});
        if (names(cause, causeName) && tolvane::displayId(*cause) == wanted)
            return Interruption{.kind = kind, .causeName = std::string(causeName), .requestDisplayId = {}, .verificationDisplayId = id};
    }
    return std::nullopt;
}

std::optional<Interruption> interruptionOnLinkLoss(Manoeuvre::Phase phase)
{
    if (phase != Manoeuvre::Phase::operating)
        return std::nullopt;
    return interruptionFor(InterruptionKind::halt, "BT_LOSS");
}

} // namespace vehiclesim
