#pragma once

#include "Internal/Model/IDataCodingModel.h"

#include <memory>

namespace tolvane {

class IDataCoder;

// The application's entry to the message codec: hands both calls on unchanged, on the caller's thread.
class DataCodingModel final : public IDataCodingModel {
public:
    explicit DataCodingModel(std::shared_ptr<IDataCoder> dataCoder);

    foundation::Bytes encode() override;
    void decode(const foundation::Bytes& data) override;

private:
    const std::shared_ptr<IDataCoder> dataCoder;
};

} // namespace tolvane
