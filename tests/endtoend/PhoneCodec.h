#pragma once

#include "Internal/Model/FrameCutter.h"
#include "Internal/Model/IDataCodingModel.h"
#include "Internal/Model/OperationMessageEncoder.h"
#include "Internal/Model/VehicleMessageDecoder.h"

#include "foundation/ThreadName.h"

#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace endtoend {

// The phone's side of the codec made of the framework's own pieces, for tests that look at the raw
// frames: it sends the idle operation record, or the one a test sets, and reads the vehicle's
// messages as the framework's decoders do, keeping what it sent, what it read and the threads that
// called.
class PhoneCodec final : public tolvane::IDataCodingModel {
public:
    foundation::Bytes encode() override
    {
        std::lock_guard lock(mutex_);
        threads_.insert("encode on " + foundation::currentThreadName());
        ++operation_.smpcnt;
        auto frame = tolvane::OperationMessageEncoder::encodingOperationCode(operation_);
        sent_.push_back(frame);
        return frame;
    }

    void decode(const foundation::Bytes& data) override
    {
        std::lock_guard lock(mutex_);
        threads_.insert("decode on " + foundation::currentThreadName());
        ++chunks_;
        const auto cut = tolvane::FrameCutter::appendAndCut(pending_, data);
        for (size_t i = 0; i < cut.frames.size(); ++i) {
            const auto decoded = tolvane::VehicleMessageDecoder::decodeReqestCode(cut.frames[i], true);
            if (decoded.abnormalCode)
                abnormal_.push_back(*decoded.abnormalCode);
            if (decoded.record)
                ++records_;
            if (decoded.record && std::holds_alternative<tolvane::MekCsrReq>(*decoded.record))
                lastDisplayId_ = std::get<tolvane::MekCsrReq>(*decoded.record).MEKDSPID;
        }
    }

    // What the phone sends from now on; its counter goes on rolling.
    void setOperation(const tolvane::SmpOperation& operation)
    {
        std::lock_guard lock(mutex_);
        const uint32_t counter = operation_.smpcnt;
        operation_ = operation;
        operation_.smpcnt = counter;
    }

    std::vector<foundation::Bytes> sent() const { return locked(sent_); }
    // The display id of the last control-state request read.
    tolvane::BtMekDspId lastDisplayId() const { return locked(lastDisplayId_); }
    std::vector<std::string> abnormal() const { return locked(abnormal_); }
    int chunks() const { return locked(chunks_); }
    int records() const { return locked(records_); }
    // "encode on <thread name>" and "decode on <thread name>" for every thread that called.
    std::set<std::string> threads() const { return locked(threads_); }

private:
    template <class T>
    T locked(const T& value) const
    {
        std::lock_guard lock(mutex_);
        return value;
    }

    mutable std::mutex mutex_;
    tolvane::SmpOperation operation_;
    foundation::Bytes pending_;
    std::vector<foundation::Bytes> sent_;
    std::vector<std::string> abnormal_;
    int chunks_ = 0;
    int records_ = 0;
    tolvane::BtMekDspId lastDisplayId_ = tolvane::BtMekDspId::def;
    std::set<std::string> threads_;
};

} // namespace endtoend
