#include "ApplicationFonts.h"
#include "CommandLine.h"
#include "CommandRunner.h"
#include "KeyboardBus.h"
#include "LocalKeyboard.h"
#include "Program.h"
#include "RunFolder.h"
#include "SingleInstance.h"

#ifdef K3_DEMO
#include "WireLogFile.h"
#endif

#include <QApplication>
#include <QLoggingCategory>

namespace {

const QString kService = QStringLiteral(K3_DBUS_SERVICE);

int startWindow(int argc, char *argv[], bool visible)
{
    QApplication app(argc, argv);
    // Names the desktop entry, so that Wayland shells show the program's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("k3config"));
    SingleInstance instance(QCoreApplication::applicationFilePath());
    if (!instance.acquire()) {
        // Starting the program again brings the running copy back from the tray.
        KeyboardBus::askToShow(kService);
        return kExitUsage;
    }
    enterRunFolder(QCoreApplication::applicationFilePath());
    registerApplicationFonts();

    Program program(Widget::mainScene(), makePlatformInputBackend(), makeKeyboardWatch());
    program.start(visible);
    program.offerOnBus(kService);
    return app.exec();
}

// No window, no widgets: a running window takes the request, else the link is opened here.
int runCommand(int argc, char *argv[], const Request &request)
{
    QCoreApplication app(argc, argv);
    // What is printed is the answer alone: no diagnostics of the link in between.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (request.action == Request::Action::Help && request.error.isEmpty()) {
        out << commandLineHelp();
        return kExitOk;
    }
    if (request.action == Request::Action::Version && request.error.isEmpty()) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        return kExitOk;
    }
    if (!request.error.isEmpty())
        return usageError(request.error, err);
    if (KeyboardBus::isOffered(kService)) {
        RemoteKeyboard window(kService);
        return runRequest(request, window, out, err);
    }
    enterRunFolder(QCoreApplication::applicationFilePath());
    LocalKeyboard keyboard;
    return runRequest(request, keyboard.access(), out, err);
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef K3_DEMO
    const WireLogFile wireLog;
#endif
    QCoreApplication::setApplicationName(QStringLiteral("k3config"));
    QCoreApplication::setApplicationVersion(QStringLiteral(K3_VERSION));
    const Request request = parseCommandLine(argumentsOf(argc, argv));
    if (request.action == Request::Action::Start && request.error.isEmpty())
        return startWindow(argc, argv, !request.minimized);
    return runCommand(argc, argv, request);
}
