#include "accessory/RfcommAccessoryManager.h"

#include "accessory/SocketSession.h"
#include "bluetooth/AdapterBluetoothPower.h"
#include "accessory/RfcommMapping.h"
#include "foundation/RunLoop.h"

#include <QBluetoothLocalDevice>
#include <QBluetoothServiceDiscoveryAgent>
#include <QBluetoothServiceInfo>
#include <QBluetoothUuid>
#include <QObject>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace accessory {
namespace {

// The kernel's RFCOMM socket address, declared here so that no Bluetooth development headers are
// needed: family, address (least significant byte first), channel.
struct RfcommSocketAddress {
    sa_family_t family;
    uint8_t address[6];
    uint8_t channel;
};
static_assert(sizeof(RfcommSocketAddress) == 10);
constexpr int kRfcommProtocol = 3;

// A socket connecting to the unit's channel without waiting, or -1. The streams over it learn of a
// refused connection from their first read or write.
int startConnecting(const std::array<uint8_t, 6>& address, uint8_t channel)
{
    const int fd = ::socket(AF_BLUETOOTH, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, kRfcommProtocol);
    if (fd < 0)
        return -1;
    RfcommSocketAddress target{};
    target.family = AF_BLUETOOTH;
    std::copy(address.begin(), address.end(), target.address);
    target.channel = channel;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof(target)) != 0 && errno != EINPROGRESS) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

RfcommAccessoryManager::RfcommAccessoryManager(std::string protocolString)
    : protocolString_(std::move(protocolString)),
      context_(new QObject),
      device_(new QBluetoothLocalDevice(context_)),
      power_(std::make_shared<bt::AdapterBluetoothPower>())
{
    QObject::connect(device_, &QBluetoothLocalDevice::deviceConnected, context_,
                     [this](const QBluetoothAddress& address) { lookUp(address.toString().toStdString()); });
    QObject::connect(device_, &QBluetoothLocalDevice::deviceDisconnected, context_,
                     [this](const QBluetoothAddress& address) { depart(address.toString().toStdString()); });
    QObject::connect(device_, &QBluetoothLocalDevice::hostModeStateChanged, context_,
                     [this](QBluetoothLocalDevice::HostMode mode) {
                         if (mode == QBluetoothLocalDevice::HostPoweredOff)
                             departAll();
                     });
    if (device_->isValid())
        for (const auto& address : device_->connectedDevices())
            lookUp(address.toString().toStdString());
}

RfcommAccessoryManager::~RfcommAccessoryManager()
{
    delete context_;
}

std::vector<AccessoryRef> RfcommAccessoryManager::connectedAccessories() const
{
    std::vector<AccessoryRef> accessories;
    for (const auto& entry : listed_)
        accessories.push_back(entry.accessory);
    return accessories;
}

void RfcommAccessoryManager::lookUp(const std::string& address)
{
    const QBluetoothAddress remote(QString::fromStdString(address));
    if (device_->pairingStatus(remote) == QBluetoothLocalDevice::Unpaired)
        return;
    auto* agent = new QBluetoothServiceDiscoveryAgent(device_->address(), context_);
    agent->setRemoteAddress(remote);
    agent->setUuidFilter(QBluetoothUuid(QUuid(QString::fromStdString(RfcommMapping::serviceUuid(protocolString_)))));
    QObject::connect(agent, &QBluetoothServiceDiscoveryAgent::serviceDiscovered, context_,
                     [this, address](const QBluetoothServiceInfo& info) {
                         if (info.socketProtocol() == QBluetoothServiceInfo::RfcommProtocol && info.serverChannel() > 0)
                             serviceFound(address, static_cast<uint8_t>(info.serverChannel()));
                     });
    QObject::connect(agent, &QBluetoothServiceDiscoveryAgent::finished, agent, &QObject::deleteLater);
    QObject::connect(agent, &QBluetoothServiceDiscoveryAgent::errorOccurred, agent, &QObject::deleteLater);
    agent->start(QBluetoothServiceDiscoveryAgent::MinimalDiscovery);
}

void RfcommAccessoryManager::serviceFound(const std::string& address, uint8_t channel)
{
    const bool listed = std::any_of(listed_.begin(), listed_.end(),
                                    [&](const Listed& entry) { return entry.accessory->serialNumber() == address; });
    if (listed)
        return;
    auto accessory = std::make_shared<Accessory>(address, address, std::vector<std::string>{protocolString_},
                                                 nextConnectionID_++);
    listed_.push_back({accessory, channel});
    postDidConnect(accessory);
}

void RfcommAccessoryManager::depart(const std::string& address)
{
    std::vector<AccessoryRef> departed;
    std::erase_if(listed_, [&](const Listed& entry) {
        if (entry.accessory->serialNumber() != address)
            return false;
        departed.push_back(entry.accessory);
        return true;
    });
    for (const auto& accessory : departed) {
        accessory->markDisconnected();
        postDidDisconnect(accessory);
    }
}

void RfcommAccessoryManager::departAll()
{
    const auto accessories = connectedAccessories();
    for (const auto& accessory : accessories)
        depart(accessory->serialNumber());
}

SessionRef RfcommAccessoryManager::openSession(const AccessoryRef& accessory, const std::string& protocolString)
{
    if (!accessory || !accessory->isConnected() || protocolString != protocolString_)
        return nullptr;
    auto it = std::find_if(listed_.begin(), listed_.end(),
                           [&](const Listed& entry) { return entry.accessory == accessory; });
    const auto address = RfcommMapping::kernelAddress(accessory->serialNumber());
    if (it == listed_.end() || !address)
        return nullptr;
    const int fd = startConnecting(*address, it->channel);
    if (fd < 0)
        return nullptr;
    std::weak_ptr<RfcommAccessoryManager> weakSelf = weak_from_this();
    return makeSocketSession(accessory, protocolString, fd, [weakSelf, accessory] {
        if (auto self = weakSelf.lock())
            self->connectionEnded(accessory);
    });
}

void RfcommAccessoryManager::connectionEnded(const AccessoryRef& accessory)
{
    const std::string address = accessory->serialNumber();
    depart(address);
    const QBluetoothAddress remote(QString::fromStdString(address));
    if (device_->connectedDevices().contains(remote))
        lookUp(address);
}

} // namespace accessory
