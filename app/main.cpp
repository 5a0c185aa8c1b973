#include "ExecutableFolder.h"
#include "Program.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QFontDatabase>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SingleInstance instance(QCoreApplication::applicationFilePath());
    if (!instance.acquire())
        return 1;
    enterExecutableFolder(QCoreApplication::applicationFilePath());
    QFontDatabase::addApplicationFont(QStringLiteral("./Exo-Medium.ttf"));

    Program program(Widget::mainScene(), makePlatformInputBackend(), makeKeyboardWatch());
    program.start();
    return app.exec();
}
