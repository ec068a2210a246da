#include "network/URLSession.h"

#include "foundation/SystemLog.h"
#include "foundation/WorkerThread.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace network {
namespace {

// Made on the session's thread at its first request, so that its replies are handled there.
QNetworkAccessManager& accessManager()
{
    static auto* manager = new QNetworkAccessManager;
    return *manager;
}

URLResult resultOf(QNetworkReply& reply)
{
    URLResult result;
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid()) {
        result.statusCode = status.toInt();
        const QByteArray body = reply.readAll();
        result.data = foundation::Bytes(body.begin(), body.end());
    } else {
        result.error = reply.errorString().toStdString();
    }
    return result;
}

} // namespace

URLSession& URLSession::shared()
{
    // Never destroyed: a request may still be running while the process ends.
    static auto* session = new URLSession;
    return *session;
}

URLSession::URLSession()
{
    static const foundation::SystemClock clock;
    thread_ = std::make_unique<foundation::WorkerThread>(foundation::applicationIdentifier() + ".network", 0.5, clock);
    thread_->start();
}

void URLSession::dataTask(URLRequest request, CompletionHandler handler)
{
    thread_->loop().post([request = std::move(request), handler = std::move(handler)] {
        QNetworkRequest networkRequest(QUrl(QString::fromStdString(request.url)));
        networkRequest.setTransferTimeout(static_cast<int>(request.timeoutInterval * 1000.0));
        QNetworkReply* reply = accessManager().get(networkRequest);
        QObject::connect(reply, &QNetworkReply::finished, reply, [reply, handler] {
            const URLResult result = resultOf(*reply);
            reply->deleteLater();
            handler(result);
        });
    });
}

} // namespace network
