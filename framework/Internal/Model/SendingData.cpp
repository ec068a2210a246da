#include "Internal/Model/SendingData.h"

#include "foundation/RunLoop.h"

namespace tolvane {

namespace {

template <typename T>
std::optional<T> runTransmissionValueMountAction(std::optional<T> value, MountActionOfTransmissionValue action,
                                                 std::optional<T>& mountedValueReference)
{
    switch (action) {
    case MountActionOfTransmissionValue::keep:
        return mountedValueReference ? mountedValueReference : value;
    case MountActionOfTransmissionValue::mount:
        mountedValueReference = value;
        return value;
    case MountActionOfTransmissionValue::unmount:
        mountedValueReference.reset();
        return value;
    }
    return value;
}

template <typename T>
void assignIfPresent(T& field, const std::optional<T>& value)
{
    if (value)
        field = *value;
}

} // namespace

SmpOperation SendingData::operation() const
{
    std::lock_guard lock(mutex_);
    return _operation;
}

std::optional<foundation::Seconds> SendingData::lastOperationTime() const
{
    std::lock_guard lock(mutex_);
    return _lastOperationTime;
}

bool SendingData::isActOn() const
{
    std::lock_guard lock(mutex_);
    return _operation.act == BtSmpAct::on;
}

void SendingData::updateOperationData(const OperationDataUpdate& update)
{
    std::lock_guard lock(mutex_);
    const auto disp = runTransmissionValueMountAction(update.disp, update.dispMountAction, mountedSendDisp);
    const auto smpcnt = runTransmissionValueMountAction(update.smpcnt, update.smpcntMountAction, mountedSendSmpcnt);
    const bool wasAtOrigin = _operation.x == 0 && _operation.y == 0;

    assignIfPresent(_operation.act, update.act);
    assignIfPresent(_operation.x, update.x);
    assignIfPresent(_operation.y, update.y);
    assignIfPresent(_operation.btn, update.btn);
    assignIfPresent(_operation.sel, update.sel);
    assignIfPresent(_operation.disp, disp);
    assignIfPresent(_operation.smpcnt, smpcnt);

    // A touch begins when a full point leaves the origin; going back to (0, 0) keeps the stamp.
    if (update.x && update.y && wasAtOrigin && (*update.x != 0 || *update.y != 0))
        _lastOperationTime = foundation::RunLoop::main().clock().now();
}

void SendingData::initParam()
{
    std::lock_guard lock(mutex_);
    _operation = SmpOperation();
    _lastOperationTime.reset();
    mountedSendDisp = BtMekDspId::def;
    mountedSendSmpcnt = 0;
}

} // namespace tolvane
