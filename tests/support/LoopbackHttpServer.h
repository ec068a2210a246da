#pragma once

#include "foundation/Clock.h"
#include "foundation/WorkerThread.h"

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdint>
#include <future>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace testing_support {

// An HTTP server on 127.0.0.1 with a thread of its own, so that it answers while the test's thread
// blocks on a request. It answers every GET with one JSON body, or never answers at all.
class LoopbackHttpServer {
public:
    enum class Behaviour { answer, silent };

    explicit LoopbackHttpServer(std::string body, Behaviour behaviour = Behaviour::answer)
        : body_(std::move(body)), behaviour_(behaviour), thread_("loopback-http", 0.5, clock_)
    {
        thread_.start();
        std::promise<uint16_t> port;
        thread_.loop().post([this, &port] {
            server_ = new QTcpServer;
            server_->listen(QHostAddress::LocalHost, 0);
            QObject::connect(server_, &QTcpServer::newConnection, server_, [this] { accept(); });
            port.set_value(server_->serverPort());
        });
        port_ = port.get_future().get();
    }

    ~LoopbackHttpServer()
    {
        std::promise<void> closed;
        thread_.loop().post([this, &closed] {
            delete server_;
            closed.set_value();
        });
        closed.get_future().wait();
        thread_.stop();
    }

    // A port on which nothing listens: connections to it are refused.
    static uint16_t refusingPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const uint16_t port = probe.serverPort();
        probe.close();
        return port;
    }

    std::string baseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

    // The request lines received so far, e.g. "GET /lookup?country=jp HTTP/1.1".
    std::vector<std::string> requestLines() const
    {
        std::lock_guard lock(mutex_);
        return requestLines_;
    }

private:
    void accept()
    {
        while (QTcpSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(*socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket& socket)
    {
        QByteArray& received = pending_[&socket];
        received += socket.readAll();
        if (!received.contains("\r\n\r\n"))
            return;
        {
            std::lock_guard lock(mutex_);
            requestLines_.push_back(received.left(received.indexOf("\r\n")).toStdString());
        }
        pending_.erase(&socket);
        if (behaviour_ == Behaviour::silent)
            return;
        socket.write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: "
                     + QByteArray::number(static_cast<qsizetype>(body_.size())) + "\r\n\r\n"
                     + QByteArray::fromStdString(body_));
        socket.disconnectFromHost();
    }

    const std::string body_;
    const Behaviour behaviour_;
    const foundation::SystemClock clock_;
    foundation::WorkerThread thread_;
    QTcpServer* server_ = nullptr; // lives on the server's thread
    std::map<QTcpSocket*, QByteArray> pending_;
    uint16_t port_ = 0;
    mutable std::mutex mutex_;
    std::vector<std::string> requestLines_;
};

} // namespace testing_support
