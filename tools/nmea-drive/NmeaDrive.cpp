// Writes the short drive that the simulated run replays as its position: one minute eastwards at
// 10 m/s, one RMC and one GGA sentence a second with valid checksums.
//
//     nmea-drive <output file>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr double startLatitude = 47.5;
constexpr double startLongitude = 9.0;
constexpr double metresPerSecond = 10.0;
constexpr int seconds = 60;
constexpr double metresPerDegreeLatitude = 111320.0;
constexpr double pi = 3.14159265358979323846;
constexpr double knotsPerMetrePerSecond = 1.943844;

// Degrees as NMEA writes them: whole degrees, then minutes with four decimals.
std::string degreesMinutes(double degrees, int degreeDigits)
{
    const int whole = static_cast<int>(degrees);
    const double minutes = (degrees - whole) * 60.0;
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f", degreeDigits, whole, minutes);
    return text;
}

std::string withChecksum(const std::string& body)
{
    unsigned char sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    char text[8];
    std::snprintf(text, sizeof text, "*%02X", sum);
    return "$" + body + text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: nmea-drive <output file>\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::trunc);
    const double metresPerDegreeLongitude = metresPerDegreeLatitude * std::cos(startLatitude * pi / 180.0);
    for (int second = 0; second < seconds; ++second) {
        const double longitude = startLongitude + second * metresPerSecond / metresPerDegreeLongitude;
        char time[16];
        std::snprintf(time, sizeof time, "12%02d%02d.00", second / 60, second % 60);
        const std::string latitudeText = degreesMinutes(startLatitude, 2);
        const std::string longitudeText = degreesMinutes(longitude, 3);
        char speed[16];
        std::snprintf(speed, sizeof speed, "%.1f", metresPerSecond * knotsPerMetrePerSecond);
        out << withChecksum("GPRMC," + std::string(time) + ",A," + latitudeText + ",N," + longitudeText + ",E," + speed +
                            ",90.0,150626,,,A")
            << "\r\n";
        out << withChecksum("GPGGA," + std::string(time) + "," + latitudeText + ",N," + longitudeText +
                            ",E,1,08,0.9,420.0,M,48.0,M,,")
            << "\r\n";
    }
    return out.good() ? 0 : 1;
}
