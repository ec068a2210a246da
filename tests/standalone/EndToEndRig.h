#pragma once

#include <QFile>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>

namespace standalone {

// Every bound is generous: the rig waits for what it can observe and gives up only after this.
constexpr int kPatienceMs = 30000;

// A child process whose output lines are kept in order; waiting reads on from the last line found,
// so a series of waits asserts that the lines came in that order. The output goes to a file, so a
// child that writes a lot never blocks on a pipe the rig is not reading at that moment.
class WatchedProcess {
public:
    WatchedProcess(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                   const QString& outputFile);
    ~WatchedProcess();

    // The first line after the last one found that matches, or nothing once `patienceMs` is over.
    // With no patience it looks only at what the process has written so far.
    std::optional<QString> waitForLine(const QRegularExpression& pattern, int patienceMs = kPatienceMs);
    void write(const QString& command);
    QString allOutput() const { return lines_.join('\n'); }

private:
    void readAvailable();

    QProcess process_;
    QFile output_;
    QStringList lines_;
    QByteArray partial_;
    qsizetype next_ = 0;
};

// A virtual X display of its own, on the first free number.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    const QString& name() const { return name_; }

private:
    QProcess server_;
    QString name_;
};

// The program's window as a person sees it: found by its title, clicked and pressed with X pointer
// events sent from outside the process, and its pixels read back.
class WindowDriver {
public:
    explicit WindowDriver(const QString& display);

    bool findWindow(const QString& title);
    void click(int x, int y) const;
    void press(int x, int y) const;
    void moveTo(int x, int y) const;
    void release() const;
    // One finger drawn along a path: down at its first point, up at its last.
    void stroke(const QList<QPoint>& path) const;
    QImage picture() const;
    // The colour at a point settles on one within `tolerance` of `expected`.
    bool waitForColour(int x, int y, QColor expected, int tolerance = 24, int patienceMs = kPatienceMs) const;
    // The pixels in `area` stay the same for a while: a screen sliding in has come to rest.
    bool waitForStill(QRect area, int patienceMs = kPatienceMs) const;

private:
    QByteArray run(const QString& program, const QStringList& arguments) const;
    void xdotool(const QStringList& arguments) const { run("xdotool", arguments); }

    QProcessEnvironment environment_;
    QString window_;
};

} // namespace standalone
