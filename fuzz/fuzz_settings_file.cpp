// Arbitrary bytes as the settings file at start: whatever a crash or a damaged disk left there, the
// settings open, read, take a write and read it back, or the file is set aside and they start
// empty. Nothing may crash, and no undefined behaviour may occur.

#include "SilentSystemLog.h"
#include "foundation/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::silenceSystemLog();
    static QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    QDir(folder.path()).removeRecursively();
    QDir().mkpath(folder.path());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    foundation::UserDefaults defaults(path.toStdString());
    (void)defaults.floatValue("TolvaneControl_soundVolume");
    (void)defaults.integer("TolvaneControl_minimumLogLevel");
    (void)defaults.string("TolvaneControl_CarRecords");
    if (!defaults.setInteger("TolvaneControl_fuzzed", 7) ||
        foundation::UserDefaults(path.toStdString()).integer("TolvaneControl_fuzzed") != 7)
        __builtin_trap();
    return 0;
}
