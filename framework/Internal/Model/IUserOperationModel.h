#pragma once

#include "Internal/Model/UserOperationKind.h"

namespace tolvane {

// What the user does on the application's screens, for the next operation message.
class IUserOperationModel {
public:
    virtual ~IUserOperationModel() = default;
    virtual void notifyUserOperation(const UserOperationKind& userOperationKind) = 0;
};

} // namespace tolvane
