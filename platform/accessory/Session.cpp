#include "accessory/Session.h"

namespace accessory {

Session::Session(AccessoryRef accessory, std::string protocolString, std::shared_ptr<InputStream> inputStream,
                 std::shared_ptr<OutputStream> outputStream)
    : accessory_(std::move(accessory)),
      protocolString_(std::move(protocolString)),
      inputStream_(std::move(inputStream)),
      outputStream_(std::move(outputStream))
{
}

} // namespace accessory
