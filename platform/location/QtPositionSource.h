#pragma once

#include "location/IPositionSource.h"

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QGeoPositionInfoSource;

namespace location {

// Fixes from Qt Positioning: an NMEA log replayed at the pace of its time stamps, or a provider
// plugin of the desktop ("geoclue2"). A source that cannot be made or opened is unavailable. Lives
// on the main thread.
class QtPositionSource final : public IPositionSource {
public:
    static std::shared_ptr<QtPositionSource> nmeaReplay(const std::string& path);
    static std::shared_ptr<QtPositionSource> provider(const std::string& name);
    ~QtPositionSource() override;

    bool isAvailable() const override { return !source_.isNull(); }
    void requestUpdate(Completion completion) override;

private:
    explicit QtPositionSource(QGeoPositionInfoSource* source);
    void answerAll(const Answer& answer);

    // Owned by the application object when there is one, so it goes before Qt does at exit.
    QPointer<QGeoPositionInfoSource> source_;
    // Every request waiting for the next fix; one fix answers them all.
    std::vector<Completion> waiting_;
};

} // namespace location
