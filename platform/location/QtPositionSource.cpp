#include "location/QtPositionSource.h"

#include "foundation/RunLoop.h"

#include <QCoreApplication>
#include <QFile>
#include <QGeoPositionInfoSource>
#include <QNmeaPositionInfoSource>

namespace location {
namespace {

// Long enough for a replay that starts mid-second; the check that asks keeps a shorter time-out
// of its own.
constexpr int updateTimeoutMs = 10000;

LocationError errorFor(QGeoPositionInfoSource::Error error)
{
    switch (error) {
    case QGeoPositionInfoSource::AccessError:
        return {LocationError::Code::denied, "the location service refused access"};
    case QGeoPositionInfoSource::ClosedError:
        return {LocationError::Code::locationUnknown, "the position source closed"};
    case QGeoPositionInfoSource::UpdateTimeoutError:
        return {LocationError::Code::locationUnknown, "no fix in time"};
    case QGeoPositionInfoSource::UnknownSourceError:
    case QGeoPositionInfoSource::NoError:
        break;
    }
    return {LocationError::Code::locationUnknown, "the position source failed"};
}

} // namespace

std::shared_ptr<QtPositionSource> QtPositionSource::nmeaReplay(const std::string& path)
{
    auto file = std::make_unique<QFile>(QString::fromStdString(path));
    if (!file->open(QIODevice::ReadOnly))
        return std::shared_ptr<QtPositionSource>(new QtPositionSource(nullptr));
    auto* source = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::SimulationMode);
    file->setParent(source);
    source->setDevice(file.release());
    return std::shared_ptr<QtPositionSource>(new QtPositionSource(source));
}

std::shared_ptr<QtPositionSource> QtPositionSource::provider(const std::string& name)
{
    return std::shared_ptr<QtPositionSource>(new QtPositionSource(QGeoPositionInfoSource::createSource(QString::fromStdString(name), nullptr)));
}

QtPositionSource::QtPositionSource(QGeoPositionInfoSource* source) : source_(source)
{
    if (!source_)
        return;
    if (auto* application = QCoreApplication::instance())
        source_->setParent(application);
    QObject::connect(source_, &QGeoPositionInfoSource::positionUpdated, source_, [this](const QGeoPositionInfo& info) {
        const QGeoCoordinate coordinate = info.coordinate();
        answerAll(std::vector<Location>{{coordinate.latitude(), coordinate.longitude()}});
    });
    QObject::connect(source_, &QGeoPositionInfoSource::errorOccurred, source_,
                     [this](QGeoPositionInfoSource::Error error) { answerAll(errorFor(error)); });
}

QtPositionSource::~QtPositionSource()
{
    delete source_.data();
}

void QtPositionSource::requestUpdate(Completion completion)
{
    if (!source_)
        return;
    const bool alreadyAsked = !waiting_.empty();
    waiting_.push_back(std::move(completion));
    if (!alreadyAsked)
        source_->requestUpdate(updateTimeoutMs);
}

void QtPositionSource::answerAll(const Answer& answer)
{
    auto waiting = std::move(waiting_);
    waiting_.clear();
    // Qt may signal inside requestUpdate(); answers always come on a later turn.
    for (auto& completion : waiting)
        foundation::RunLoop::main().post([completion = std::move(completion), answer] { completion(answer); });
}

} // namespace location
