#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/qt/form1_window.h"
#include "chengxi_version.h"

namespace {

// Without a display Qt aborts with a terse message; say what to do instead.
bool haveDisplay()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        return true;
    }
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!haveDisplay()) {
        std::fputs("chengxi-water: no display to open the window on.\n"
                   "Run it in a desktop session, or under a virtual display:\n"
                   "    xvfb-run -a chengxi-water\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chengxi-water"));
    QApplication::setApplicationVersion(QStringLiteral(CHENGXI_VERSION_TEXT));

    chengxi::qt::Form1Window window;
    window.show();
    return QApplication::exec();
}
