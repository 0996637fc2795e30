#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "app/qt/form1_window.h"
#include "chengxi_version.h"

namespace {

// Is one of Qt's Wayland platform plugins (package qt6-wayland) where Qt
// looks for its plugins?
bool haveWaylandPlugin()
{
    QStringList dirs = qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    dirs.append(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    for (const QString& dir : dirs) {
        const QDir platforms(dir + QStringLiteral("/platforms"));
        if (!platforms.entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty()) {
            return true;
        }
    }
    return false;
}

// Why the window cannot open, and what to do, from the environment Qt chose
// its platform by.
std::string noPlatformMessage()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    bool waylandPluginMissing = false;
    std::string text = "chengxi-water: ";
    if (!chosen.isEmpty()) {
        text += "cannot open the window on \"" + chosen.toStdString() + "\", the platform QT_QPA_PLATFORM names.\n";
        waylandPluginMissing = chosen.contains("wayland") && !haveWaylandPlugin();
    } else if (x11.isEmpty() && wayland.isEmpty()) {
        text += "no display to open the window on.\n";
    } else {
        text += "cannot open the window:\n";
        if (x11.isEmpty()) {
            text += "  there is no X display (DISPLAY is unset);\n";
        } else {
            text += "  the X display \"" + x11.toStdString() + "\" (DISPLAY) cannot be reached;\n";
        }
        if (wayland.isEmpty()) {
            text += "  there is no Wayland display (WAYLAND_DISPLAY is unset).\n";
        } else if (haveWaylandPlugin()) {
            text += "  the Wayland display \"" + wayland.toStdString() + "\" (WAYLAND_DISPLAY) cannot be reached.\n";
        } else {
            waylandPluginMissing = true;
            text += "  this is a Wayland session (WAYLAND_DISPLAY is \"" + wayland.toStdString()
                    + "\"), and Qt's Wayland platform plugin is not installed.\n";
        }
    }
    if (waylandPluginMissing) {
        text += "Install Qt's Wayland platform plugin, and start the program again:\n"
                "    sudo apt-get install qt6-wayland\n";
    } else if (!chosen.isEmpty()) {
        text += "Unset QT_QPA_PLATFORM to open the window on the desktop's own display.\n";
    } else {
        text += "Run it in a desktop session, or under a virtual display:\n"
                "    xvfb-run -a chengxi-water\n";
    }
    return text;
}

// While QApplication starts, Qt's messages are held back. Where no platform
// can be started Qt ends with a fatal message and an abort, after a line for
// each plugin it tried; the program says what is wrong in its own words
// instead and exits. Once started, the messages held back are passed on.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};
std::mutex heldMutex;
std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(noPlatformMessage().c_str(), stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (type == QtFatalMsg) {
        passOn(type, context, text);
        return;
    }
    const std::lock_guard<std::mutex> lock(heldMutex);
    held.push_back({type, context.file ? context.file : "", context.line, context.function ? context.function : "",
                    context.category ? context.category : "", text});
}

void passOnHeldMessages()
{
    qInstallMessageHandler(passOn);
    const std::lock_guard<std::mutex> lock(heldMutex);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file.empty() ? nullptr : message.file.c_str(), message.line,
                                         message.function.empty() ? nullptr : message.function.c_str(),
                                         message.category.empty() ? nullptr : message.category.c_str());
        passOn(message.type, context, message.text);
    }
    held.clear();
}

}  // namespace

int main(int argc, char* argv[])
{
    passOn = qInstallMessageHandler(holdMessage);
    QApplication app(argc, argv);
    passOnHeldMessages();
    QApplication::setApplicationName(QStringLiteral("chengxi-water"));
    QApplication::setApplicationVersion(QStringLiteral(CHENGXI_VERSION_TEXT));

    chengxi::qt::Form1Window window;
    window.show();
    return QApplication::exec();
}
