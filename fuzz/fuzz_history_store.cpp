// Arbitrary bytes as the history database, a file the program did not write: the store opens it or
// keeps it aside, and every row it reads is listed, counted and fetched without a crash.

#include "Class/Model/DataController.h"

#include "SilentSystemLog.h"

#include "foundation/VirtualTime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::silenceSystemLog();
    static int argc = 1;
    static char name[] = "fuzz_history_store";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static foundation::VirtualTime time;
    static const QTemporaryDir root;
    const QString folder = root.path() + "/documents";
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    {
        QFile file(folder + "/" + QString::fromUtf8(tolvane::app::DataController::STORE_FILE_NAME.data()));
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    tolvane::app::DataController store(folder.toStdString(), time);
    const auto rows = store.fetchAllHistories();
    if (store.countHistories() < 0)
        __builtin_trap();
    for (const auto& row : rows) {
        (void)store.fetchHistories({.deviceId = row.deviceId});
        (void)store.updateHistory(row.id, row.deviceId.value_or(""), row.carName.value_or(""));
    }
    (void)store.saveContext();
    return 0;
}
