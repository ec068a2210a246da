#include "Internal/Model/MekCsrReq.h"

#include "Internal/Model/BtMekOpDirHorizontal.h"
#include "Internal/Model/BtMekOpDirVertical.h"
#include "Internal/Model/BtMekRcmForBack.h"
#include "Internal/Model/BtMekRcmParkIn.h"

#include <utility>

namespace tolvane {

namespace {

using enum BtMekDspId;

bool isParkInSelection(BtMekDspId id)
{
    switch (id) {
    case sel_parkin_parallel_backward:
    case sel_parkin_parallel_forward:
    case sel_parkin_obstacle_parallel_backward:
    case sel_parkin_obstacle_parallel_forward:
    case sel_parkin_vertical:
    case sel_parkin_obstacle_vertical:
        return true;
    default:
        return false;
    }
}

bool isParkOutSelection(BtMekDspId id)
{
    return id == sel_parkout_parallel || id == sel_parkout_vertical;
}

bool isForwardBackwardSelection(BtMekDspId id)
{
    return id == sel_forward_backward || id == sel_obstacle_forward_backward;
}

bool isOperationDisruption(BtMekDspId id)
{
    return id == controlling_inpark_operation_disruption || id == controlling_outpark_operation_disruption
        || id == controlling_fowaback_operation_disruption;
}

template <typename Direction, size_t N>
std::vector<Direction> directionsOfSetBits(int64_t bits, const std::pair<int, Direction> (&table)[N])
{
    std::vector<Direction> directions;
    for (const auto& [bit, direction] : table) {
        if (((bits >> bit) & 1) == 1)
            directions.push_back(direction);
    }
    return directions;
}

} // namespace

bool MekCsrReq::isAllDefault() const
{
    return MEKDSPID == def && MEKCTRMD == 0 && MEKTGTMD == 0 && MEKDIST == 0 && MEKLR == 0 && MEKFB == 0
        && MEKFRLR == 0 && encryptedMEKCNT == 0 && MEKSUM == 0;
}

std::optional<bool> MekCsrReq::obstacleParkIn() const
{
    switch (MEKDSPID) {
    case sel_parkin_parallel_backward:
    case sel_parkin_parallel_forward:
    case sel_parkin_vertical:
        return false;
    case sel_parkin_obstacle_parallel_backward:
    case sel_parkin_obstacle_parallel_forward:
    case sel_parkin_obstacle_vertical:
        return true;
    default:
        return std::nullopt;
    }
}

std::optional<bool> MekCsrReq::obstacleForwardBackward() const
{
    if (MEKDSPID == sel_forward_backward)
        return false;
    if (MEKDSPID == sel_obstacle_forward_backward)
        return true;
    return std::nullopt;
}

std::optional<MoveParkInDirection> MekCsrReq::moveParkInDirection() const
{
    switch (MEKDSPID) {
    case sel_parkin_parallel_forward:
    case sel_parkin_obstacle_parallel_forward:
        return MoveParkInDirection::PARALLEL_FORWARD;
    case sel_parkin_parallel_backward:
    case sel_parkin_obstacle_parallel_backward:
        return MoveParkInDirection::PARALLEL_BACKWARD;
    case sel_parkin_vertical:
    case sel_parkin_obstacle_vertical:
        return MoveParkInDirection::VERTICAL;
    default:
        return std::nullopt;
    }
}

std::optional<MoveParkOutDirection> MekCsrReq::moveParkOutDirection() const
{
    if (MEKDSPID == sel_parkout_parallel)
        return MoveParkOutDirection::PARALLEL;
    if (MEKDSPID == sel_parkout_vertical)
        return MoveParkOutDirection::VERTICAL;
    return std::nullopt;
}

std::optional<PlanParkInDirection> MekCsrReq::recommendedParkInDirection() const
{
    if (!isParkInSelection(MEKDSPID))
        return std::nullopt;
    const auto recommended = foundation::fromRaw<BtMekRcmParkIn>(MEKTGTMD & 7);
    if (recommended == BtMekRcmParkIn::left)
        return PlanParkInDirection::LEFT;
    if (recommended == BtMekRcmParkIn::right)
        return PlanParkInDirection::RIGHT;
    return std::nullopt;
}

std::optional<PlanForwardBackwardDirection> MekCsrReq::recommendedForwardBackwardDirection() const
{
    if (!isForwardBackwardSelection(MEKDSPID))
        return std::nullopt;
    const auto recommended = foundation::fromRaw<BtMekRcmForBack>(MEKTGTMD & 7);
    if (recommended == BtMekRcmForBack::front)
        return PlanForwardBackwardDirection::FORWARD;
    if (recommended == BtMekRcmForBack::back)
        return PlanForwardBackwardDirection::BACKWARD;
    return std::nullopt;
}

std::optional<std::vector<PlanParkOutDirection>> MekCsrReq::controllableParkOutDirections() const
{
    if (!isParkOutSelection(MEKDSPID))
        return std::nullopt;
    static constexpr std::pair<int, PlanParkOutDirection> bits[] = {
        {2, PlanParkOutDirection::FORWARD_LEFT},  {3, PlanParkOutDirection::FORWARD},
        {4, PlanParkOutDirection::FORWARD_RIGHT}, {5, PlanParkOutDirection::BACKWARD_LEFT},
        {6, PlanParkOutDirection::BACKWARD},      {7, PlanParkOutDirection::BACKWARD_RIGHT},
    };
    return directionsOfSetBits(MEKCTRMD, bits);
}

std::optional<std::vector<PlanForwardBackwardDirection>> MekCsrReq::controllableForwardBackwardDirections() const
{
    if (!isForwardBackwardSelection(MEKDSPID))
        return std::nullopt;
    static constexpr std::pair<int, PlanForwardBackwardDirection> bits[] = {
        {3, PlanForwardBackwardDirection::FORWARD},
        {6, PlanForwardBackwardDirection::BACKWARD},
    };
    return directionsOfSetBits(MEKCTRMD, bits);
}

std::optional<OperateDirection> MekCsrReq::operateDirection() const
{
    const auto horizontal = foundation::fromRaw<BtMekOpDirHorizontal>(MEKLR);
    const auto vertical = foundation::fromRaw<BtMekOpDirVertical>(MEKFB);
    if (!horizontal || !vertical)
        return std::nullopt;
    const bool forward = *vertical == BtMekOpDirVertical::front;
    switch (*horizontal) {
    case BtMekOpDirHorizontal::canter:
        return forward ? OperateDirection::FORWARD : OperateDirection::BACKWARD;
    case BtMekOpDirHorizontal::left:
        return forward ? OperateDirection::FORWARD_LEFT : OperateDirection::BACKWARD_LEFT;
    case BtMekOpDirHorizontal::right:
        return forward ? OperateDirection::FORWARD_RIGHT : OperateDirection::BACKWARD_RIGHT;
    }
    return std::nullopt;
}

std::optional<bool> MekCsrReq::isFowabackDisruption() const
{
    if (MEKDSPID == controlling_fowaback)
        return false;
    if (MEKDSPID == controlling_fowaback_operation_disruption)
        return true;
    return std::nullopt;
}

OperateReq MekCsrReq::showDirectionChangeButton() const
{
    return MEKDSPID == controlling_fowaback_operation_disruption ? OperateReq::ENABLE : OperateReq::HIDDEN;
}

OperateReq MekCsrReq::showShowEndHalfwayButton() const
{
    // Ending halfway exists only for park-out and forward/backward.
    if (MEKDSPID == controlling_outpark || MEKDSPID == controlling_fowaback)
        return OperateReq::DISABLE;
    if (MEKDSPID == controlling_outpark_operation_disruption || MEKDSPID == controlling_fowaback_operation_disruption)
        return OperateReq::ENABLE;
    return OperateReq::HIDDEN;
}

OperateReq MekCsrReq::showShowInterruptButton() const
{
    // Shown but disabled while operating; enabled once the vehicle reports the disruption.
    if (MEKDSPID == controlling_inpark || MEKDSPID == controlling_outpark || MEKDSPID == controlling_fowaback)
        return OperateReq::DISABLE;
    if (isOperationDisruption(MEKDSPID))
        return OperateReq::ENABLE;
    return OperateReq::HIDDEN;
}

} // namespace tolvane
