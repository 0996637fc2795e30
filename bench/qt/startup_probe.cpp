// Started by startup_bench: opens either the query window or an empty
// QWidget, waits for the first tick of a 100 ms timer, then prints its peak
// resident memory (KiB) on stdout and exits. For the query window that first
// tick is the one that completes the selection. It also prints its private
// (anonymous) memory at that moment: peak RSS counts the pages of the shared
// libraries and font files it touched as well.
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>

#include "app/qt/form1_window.h"

namespace {

long anonymousKiB()
{
    long kib = -1;
    if (FILE* file = std::fopen("/proc/self/smaps_rollup", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, file) != nullptr) {
            if (std::sscanf(line, "Anonymous: %ld kB", &kib) == 1) {
                break;
            }
        }
        std::fclose(file);
    }
    return kib;
}

void reportAndQuit()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld %ld\n", usage.ru_maxrss, anonymousKiB());
    std::fflush(stdout);
    QCoreApplication::quit();
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    QTimer probe;
    probe.setInterval(100);
    if (bare) {
        window = std::make_unique<QWidget>();
        QObject::connect(&probe, &QTimer::timeout, &reportAndQuit);
        probe.start();
    } else {
        window = std::make_unique<chengxi::qt::Form1Window>();
        // The window's own timer fills the district list at its first tick.
        auto* districts = window->findChild<QComboBox*>(QStringLiteral("Combo3"));
        probe.setInterval(1);
        QObject::connect(&probe, &QTimer::timeout, [districts] {
            if (districts->count() > 0) {
                reportAndQuit();
            }
        });
        probe.start();
    }
    window->show();
    return QApplication::exec();
}
