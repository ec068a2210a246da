// Writes settings and history rows without pause until it is killed, reporting on its standard
// output every write that returned success: "S <n>" for the setting "key<n>" = n, and
// "H <id> <n>" for a history row closed with E003 for the car "car<n>".
#include "Class/Model/DataController.h"

#include "foundation/Clock.h"
#include "foundation/UserDefaults.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

void report(const std::string& line)
{
    std::string_view rest(line);
    while (!rest.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, rest.data(), rest.size());
        if (written <= 0)
            std::_Exit(3);
        rest.remove_prefix(static_cast<size_t>(written));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const foundation::SystemClock clock;
    foundation::UserDefaults defaults(folder + "/TolvaneControl.ini");
    tolvane::app::DataController history(folder, clock);
    if (!history.isLoaded())
        return 1;
    for (long n = 0;; ++n) {
        if (defaults.setInteger("key" + std::to_string(n), n))
            report("S " + std::to_string(n) + "\n");
        const std::string id = history.insertHistory();
        if (!id.empty() && history.closeHistory(id, tolvane::app::EventCode::E003, "car" + std::to_string(n)))
            report("H " + id + " " + std::to_string(n) + "\n");
    }
}
