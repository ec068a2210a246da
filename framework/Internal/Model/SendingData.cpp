#include "Internal/Model/SendingData.h"

#include "Logger.h"
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
    return record_.withLock([](const Record& record) { return record._operation; });
}

std::optional<foundation::Seconds> SendingData::lastOperationTime() const
{
    return record_.withLock([](const Record& record) { return record._lastOperationTime; });
}

bool SendingData::isActOn() const
{
    return record_.withLock([](const Record& record) { return record._operation.act == BtSmpAct::on; });
}

void SendingData::updateOperationData(const OperationDataUpdate& update)
{
    record_.withLock([&](Record& record) {
        auto& operation = record._operation;
        const auto disp = runTransmissionValueMountAction(update.disp, update.dispMountAction, record.mountedSendDisp);
        const auto smpcnt = runTransmissionValueMountAction(update.smpcnt, update.smpcntMountAction, record.mountedSendSmpcnt);
        const bool wasAtOrigin = operation.x == 0 && operation.y == 0;
        const bool toOrigin = update.x == 0u && update.y == 0u;
        if (toOrigin)
            record.holdEnded = false;
        OperationDataUpdate checked = update;
        if (record.holdEnded && !toOrigin) {
            checked.x.reset();
            checked.y.reset();
        }

        assignIfPresent(operation.act, update.act);
        assignIfPresent(operation.x, checked.x);
        assignIfPresent(operation.y, checked.y);
        assignIfPresent(operation.btn, update.btn);
        assignIfPresent(operation.sel, update.sel);
        assignIfPresent(operation.disp, disp);
        assignIfPresent(operation.smpcnt, smpcnt);

        // A touch begins when a full point leaves the origin; going back to (0, 0) keeps the stamp.
        if (checked.x && checked.y && wasAtOrigin && (*checked.x != 0 || *checked.y != 0))
            record._lastOperationTime = foundation::RunLoop::main().clock().now();
    });
}

void SendingData::confirmHold()
{
    record_.withLock([](Record& record) { record.unconfirmedCycles = 0; });
}

SmpOperation SendingData::operationToSend()
{
    bool ended = false;
    const SmpOperation operation = record_.withLock([&ended](Record& record) {
        auto& operation = record._operation;
        ++record.unconfirmedCycles;
        if (record.unconfirmedCycles >= HOLD_CONFIRMATION_CYCLES && (operation.x != 0 || operation.y != 0)) {
            operation.x = 0;
            operation.y = 0;
            record.holdEnded = true;
            ended = true;
        }
        return operation;
    });
    if (ended)
        log(LogLevel::warning, "The touches went unconfirmed for three send cycles; the hold is over until the touch lifts.",
            "operationToSend()");
    return operation;
}

void SendingData::initParam()
{
    record_.set(Record{});
}

} // namespace tolvane
