#include "KWinFocusWatcher.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

namespace {

const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kScripting = QStringLiteral("/Scripting");
const QString kScriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
const QString kPluginName = QStringLiteral("k3config-focus");

QDBusMessage callScripting(const QString &method, const QVariantList &args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kKWin, kScripting, kScriptingInterface,
                                                          method);
    message.setArguments(args);
    return QDBusConnection::sessionBus().call(message);
}

QByteArray quoted(const QString &text)
{
    return '"' + text.toUtf8().replace('\\', "\\\\").replace('"', "\\\"") + '"';
}

} // namespace

QByteArray KWinFocusWatcher::script(const Receiver &receiver, qint64 ownPid)
{
    // Plasma 6 names windows what Plasma 5 called clients.
    return "function report(window) {\n"
           "    var application = window && window.pid !== "
           + QByteArray::number(ownPid)
           + " ? String(window.resourceClass) : \"\";\n"
             "    callDBus("
           + quoted(receiver.service) + ", " + quoted(receiver.path) + ", "
           + quoted(receiver.interface) + ", " + quoted(receiver.method)
           + ", application);\n"
             "}\n"
             "if (workspace.windowActivated)\n"
             "    workspace.windowActivated.connect(report);\n"
             "else\n"
             "    workspace.clientActivated.connect(report);\n"
             "report(workspace.activeWindow || workspace.activeClient);\n";
}

std::unique_ptr<KWinFocusWatcher> KWinFocusWatcher::load(const Receiver &receiver)
{
    std::unique_ptr<KWinFocusWatcher> watcher(new KWinFocusWatcher);
    if (!watcher->m_file.open()
        || watcher->m_file.write(script(receiver, QCoreApplication::applicationPid())) < 0
        || !watcher->m_file.flush())
        return nullptr;
    // A copy left loaded by a program that ended without unloading it goes first.
    callScripting(QStringLiteral("unloadScript"), {kPluginName});
    const QDBusMessage loaded = callScripting(QStringLiteral("loadScript"),
                                              {watcher->m_file.fileName(), kPluginName});
    if (loaded.type() != QDBusMessage::ReplyMessage || loaded.arguments().value(0).toInt() < 0)
        return nullptr;
    callScripting(QStringLiteral("start"), {});
    return watcher;
}

KWinFocusWatcher::~KWinFocusWatcher()
{
    callScripting(QStringLiteral("unloadScript"), {kPluginName});
}
