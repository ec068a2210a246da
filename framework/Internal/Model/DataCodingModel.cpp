#include "Internal/Model/DataCodingModel.h"

#include "Internal/Model/IDataCoder.h"

namespace tolvane {

DataCodingModel::DataCodingModel(std::shared_ptr<IDataCoder> dataCoder) : dataCoder(std::move(dataCoder)) {}

foundation::Bytes DataCodingModel::encode()
{
    return dataCoder->encode();
}

void DataCodingModel::decode(const foundation::Bytes& data)
{
    dataCoder->decode(data);
}

} // namespace tolvane
