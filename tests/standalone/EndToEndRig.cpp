#include "EndToEndRig.h"

#include <QColor>
#include <QDeadlineTimer>
#include <QThread>
#include <QtEndian>

#include <cstdlib>

namespace standalone {

WatchedProcess::WatchedProcess(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                               const QString& outputFile)
    : output_(outputFile)
{
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(outputFile);
    process_.start(program, arguments);
    process_.waitForStarted(kPatienceMs);
    output_.open(QIODevice::ReadOnly);
}

WatchedProcess::~WatchedProcess()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(kPatienceMs))
        process_.kill();
    process_.waitForFinished(kPatienceMs);
}

std::optional<QString> WatchedProcess::waitForLine(const QRegularExpression& pattern, int patienceMs)
{
    constexpr int kPollMs = 20;
    const QDeadlineTimer deadline(patienceMs);
    for (;;) {
        readAvailable();
        for (; next_ < lines_.size(); ++next_)
            if (pattern.match(lines_[next_]).hasMatch())
                return lines_[next_++];
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
            return std::nullopt;
        QThread::msleep(kPollMs);
    }
}

void WatchedProcess::write(const QString& command)
{
    process_.write((command + '\n').toUtf8());
    process_.waitForBytesWritten(kPatienceMs);
}

void WatchedProcess::readAvailable()
{
    partial_ += output_.readAll();
    const qsizetype end = partial_.lastIndexOf('\n');
    if (end < 0)
        return;
    for (const QByteArray& line : partial_.left(end).split('\n'))
        lines_.append(QString::fromUtf8(line));
    partial_.remove(0, end + 1);
}

VirtualDisplay::VirtualDisplay()
{
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    // Xvfb writes the number it took to the descriptor given; 1 is its standard output.
    server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    const QDeadlineTimer deadline(kPatienceMs);
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
        number += server_.readAllStandardOutput();
    name_ = ":" + QString::fromLatin1(number.trimmed());
}

VirtualDisplay::~VirtualDisplay()
{
    server_.terminate();
    if (!server_.waitForFinished(kPatienceMs))
        server_.kill();
}

WindowDriver::WindowDriver(const QString& display) : environment_(QProcessEnvironment::systemEnvironment())
{
    environment_.insert("DISPLAY", display);
}

QByteArray WindowDriver::run(const QString& program, const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment_);
    tool.start(program, arguments);
    tool.waitForFinished(kPatienceMs);
    return tool.readAllStandardOutput();
}

bool WindowDriver::findWindow(const QString& title)
{
    // --sync waits until such a window is mapped.
    QProcess search;
    search.setProcessEnvironment(environment_);
    search.start("xdotool", {"search", "--sync", "--onlyvisible", "--name", title});
    if (!search.waitForFinished(kPatienceMs)) {
        search.kill();
        search.waitForFinished();
        return false;
    }
    const QList<QByteArray> found = search.readAllStandardOutput().trimmed().split('\n');
    window_ = QString::fromLatin1(found.last());
    return !window_.isEmpty();
}

void WindowDriver::click(int x, int y) const
{
    xdotool({"mousemove", "--window", window_, QString::number(x), QString::number(y), "click", "1"});
}

void WindowDriver::press(int x, int y) const
{
    xdotool({"mousemove", "--window", window_, QString::number(x), QString::number(y), "mousedown", "1"});
}

void WindowDriver::moveTo(int x, int y) const
{
    xdotool({"mousemove", "--window", window_, QString::number(x), QString::number(y)});
}

void WindowDriver::release() const { xdotool({"mouseup", "1"}); }

void WindowDriver::stroke(const QList<QPoint>& path) const
{
    if (path.isEmpty())
        return;
    const auto moveTo = [&](QPoint point) {
        return QStringList{"mousemove", "--window", window_, QString::number(point.x()), QString::number(point.y())};
    };
    QStringList arguments = moveTo(path.front()) + QStringList{"mousedown", "1"};
    for (const QPoint point : path)
        arguments += moveTo(point);
    xdotool(arguments + QStringList{"mouseup", "1"});
}

// The window as xwd dumps it: a big-endian header, a colour map, then 32-bit pixels in the server's
// byte order, which on Xvfb is the machine's.
QImage WindowDriver::picture() const
{
    const QByteArray dump = run("xwd", {"-id", window_, "-silent"});
    if (dump.size() < 100)
        return {};
    const auto field = [&](int index) { return qFromBigEndian<quint32>(dump.constData() + 4 * index); };
    const quint32 headerSize = field(0), width = field(4), height = field(5), bitsPerPixel = field(11), bytesPerLine = field(12),
                  colours = field(19);
    const qsizetype pixelsStart = headerSize + colours * 12;
    if (bitsPerPixel != 32 || dump.size() < pixelsStart + qsizetype(bytesPerLine) * height)
        return {};
    QImage image(reinterpret_cast<const uchar*>(dump.constData() + pixelsStart), int(width), int(height), int(bytesPerLine),
                 QImage::Format_RGB32);
    return image.copy();
}

bool WindowDriver::waitForColour(int x, int y, QColor expected, int tolerance, int patienceMs) const
{
    const QDeadlineTimer deadline(patienceMs);
    do {
        const QImage image = picture();
        if (image.valid(x, y)) {
            const QColor seen = image.pixelColor(x, y);
            if (std::abs(seen.red() - expected.red()) <= tolerance && std::abs(seen.green() - expected.green()) <= tolerance &&
                std::abs(seen.blue() - expected.blue()) <= tolerance)
                return true;
        }
    } while (!deadline.hasExpired());
    return false;
}

bool WindowDriver::waitForStill(QRect area, int patienceMs) const
{
    // As long as a person looks before tapping: a screen tapped sooner than this after it came
    // can lose the screen the tap opens.
    constexpr int kRestMs = 600;
    const QDeadlineTimer deadline(patienceMs);
    QImage previous = picture().copy(area);
    QDeadlineTimer rest(kRestMs);
    do {
        QImage current = picture().copy(area);
        if (current.isNull() || current != previous)
            rest.setRemainingTime(kRestMs);
        else if (rest.hasExpired())
            return true;
        previous = std::move(current);
    } while (!deadline.hasExpired());
    return false;
}

} // namespace standalone
