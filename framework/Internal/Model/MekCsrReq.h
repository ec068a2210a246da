#pragma once

#include "Internal/Model/BtMekDspId.h"
#include "Internal/Model/MoveParkInDirection.h"
#include "Internal/Model/MoveParkOutDirection.h"
#include "Internal/Model/OperateDirection.h"
#include "Internal/Model/OperateReq.h"
#include "Internal/Model/PlanForwardBackwardDirection.h"
#include "Internal/Model/PlanParkInDirection.h"
#include "Internal/Model/PlanParkOutDirection.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tolvane {

// The vehicle's control-state request: which screen to show, which plans and directions are open,
// where the car moves and how far it still has to go. The views turn the vehicle's codes into what
// the application is shown.
struct MekCsrReq {
    BtMekDspId MEKDSPID = BtMekDspId::def;
    int64_t MEKCTRMD = 0; // bits 2-7: the directions that may be chosen
    int64_t MEKTGTMD = 0; // low three bits: the recommended side or direction
    int64_t MEKDIST = 0;
    int64_t MEKLR = 0;
    int64_t MEKFB = 0;
    int64_t MEKFRLR = 0;
    int64_t MEKCNT = 25; // the state before any message carries 25, not 0
    int64_t MEKSUM = 0;
    int64_t SMPCNT = 0;
    int64_t SMPSUM = 0;
    int64_t remainDist = 0;
    int64_t encryptedMEKCNT = 0;
    bool checkSumAbnormal = false;
    bool isCntFixing = false;

    bool operator==(const MekCsrReq&) const = default;

    // True for the state before any message: the counter, the copies and the flags are not looked at.
    bool isAllDefault() const;

    std::optional<bool> obstacleParkIn() const;
    std::optional<bool> obstacleForwardBackward() const;
    std::optional<MoveParkInDirection> moveParkInDirection() const;
    std::optional<MoveParkOutDirection> moveParkOutDirection() const;
    std::optional<PlanParkInDirection> recommendedParkInDirection() const;
    std::optional<PlanForwardBackwardDirection> recommendedForwardBackwardDirection() const;
    // In ascending bit order, so the same bits always give the same list.
    std::optional<std::vector<PlanParkOutDirection>> controllableParkOutDirections() const;
    std::optional<std::vector<PlanForwardBackwardDirection>> controllableForwardBackwardDirections() const;
    std::optional<OperateDirection> operateDirection() const;
    std::optional<bool> isFowabackDisruption() const;
    OperateReq showDirectionChangeButton() const;
    OperateReq showShowEndHalfwayButton() const;
    OperateReq showShowInterruptButton() const;
};

} // namespace tolvane
