#include "ui/GuiRuntime.h"

#include "foundation/FatalError.h"

#include <QGuiApplication>

#include <cstdlib>

namespace ui {

void GuiRuntime::ensure()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (QCoreApplication::instance())
        foundation::fatalError("text and images need a QGuiApplication, but a plain QCoreApplication exists");
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "tolvane";
    static char* argv[] = {name, nullptr};
    // Kept for the life of the process: destroying it among the exit handlers would run after Qt's
    // own statics are gone.
    static auto* application = new QGuiApplication(argc, argv);
    (void)application;
}

} // namespace ui
