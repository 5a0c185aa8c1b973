#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {
namespace {

void quiet(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

void initialize(int *argc, char ***argv)
{
    // Never destroyed: the run ends with exit() while Qt's own globals go away.
    if (!QCoreApplication::instance())
        new QCoreApplication(*argc, *argv);
    qInstallMessageHandler(quiet);
}

QString scratchFolder()
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/k3fuzz-XXXXXX"));
    return folder.path();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("the scratch file could not be written", path.toLocal8Bit());
}

void fail(const char *what, const QByteArray &detail)
{
    std::fprintf(stderr, "property broken: %s\n%s\n", what, detail.constData());
    std::abort();
}

} // namespace FuzzSupport
