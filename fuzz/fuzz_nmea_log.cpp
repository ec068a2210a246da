// Arbitrary bytes as the NMEA log that the position layer replays: each line is read as a fix the
// way the replay reads it, and every fix that reads must be a place on the globe. Nothing may crash.

#include <QByteArray>
#include <QGeoCoordinate>
#include <QGeoPositionInfo>
#include <QNmeaPositionInfoSource>

#include <cmath>
#include <cstdint>

namespace {

// The replay's own line reader, reached through the class that holds it.
class LineReader final : public QNmeaPositionInfoSource {
public:
    LineReader() : QNmeaPositionInfoSource(QNmeaPositionInfoSource::SimulationMode) {}

    void read(const QByteArray& line)
    {
        QGeoPositionInfo info;
        bool hasFix = false;
        if (!parsePosInfoFromNmeaData(line.constData(), static_cast<int>(line.size()), &info, &hasFix))
            return;
        const QGeoCoordinate coordinate = info.coordinate();
        if (coordinate.isValid() && (std::fabs(coordinate.latitude()) > 90.0 || std::fabs(coordinate.longitude()) > 180.0))
            __builtin_trap();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static LineReader reader;
    const QByteArray log(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& line : log.split('\n'))
        reader.read(line + '\n');
    return 0;
}
