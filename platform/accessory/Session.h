#pragma once

#include "accessory/Accessory.h"
#include "accessory/InputStream.h"
#include "accessory/OutputStream.h"

#include <memory>
#include <string>

namespace accessory {

// An open byte-stream session with one accessory for one protocol string. Either stream may be
// missing; the session neither opens nor closes them, its user does.
class Session {
public:
    Session(AccessoryRef accessory, std::string protocolString, std::shared_ptr<InputStream> inputStream,
            std::shared_ptr<OutputStream> outputStream);

    const AccessoryRef& accessory() const { return accessory_; }
    const std::string& protocolString() const { return protocolString_; }
    const std::shared_ptr<InputStream>& inputStream() const { return inputStream_; }
    const std::shared_ptr<OutputStream>& outputStream() const { return outputStream_; }

private:
    const AccessoryRef accessory_;
    const std::string protocolString_;
    const std::shared_ptr<InputStream> inputStream_;
    const std::shared_ptr<OutputStream> outputStream_;
};

using SessionRef = std::shared_ptr<Session>;

} // namespace accessory
