#include "network/QtNetworkPath.h"

#include <QNetworkInformation>

namespace network {

QtNetworkPath::QtNetworkPath() : hasBackend_(QNetworkInformation::loadDefaultBackend() && QNetworkInformation::instance()) {}

bool QtNetworkPath::isSatisfied() const
{
    return hasBackend_ && QNetworkInformation::instance()->reachability() == QNetworkInformation::Reachability::Online;
}

} // namespace network
