#include "CommandRunner.h"

#include "CommandLine.h"
#include "KeyboardAccess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char *const kEffectFields[] = {"effect", "brightness", "speed", "direction", "colour"};

QString run(const Request &request, KeyboardAccess &keyboard)
{
    switch (request.action) {
    case Request::Action::Profile:
        return keyboard.switchProfile(request.profile);
    case Request::Action::ApplyProfile:
        return keyboard.applyProfile(request.profile);
    case Request::Action::ExportProfile:
        return keyboard.exportProfile(request.profile, request.file);
    case Request::Action::ImportProfile:
        return keyboard.importProfile(request.profile, request.file);
    case Request::Action::ResetProfile:
        return keyboard.resetProfile(request.profile);
    case Request::Action::Effect:
        return keyboard.setEffect(request.effect);
    default:
        return QString();
    }
}

} // namespace

QString statusText(const KeyboardStatus &status, bool json)
{
    QList<std::pair<QString, QJsonValue>> fields{{QStringLiteral("connected"), status.connected},
                                                 {QStringLiteral("product"), status.product},
                                                 {QStringLiteral("firmware"), status.firmware},
                                                 {QStringLiteral("layout"), status.layout},
                                                 {QStringLiteral("profile"), status.profile + 1}};
    for (qsizetype i = 0; i < qsizetype(std::size(kEffectFields)); ++i)
        fields.append({QLatin1String(kEffectFields[i]),
                       i < status.effect.size() ? QJsonValue(status.effect.at(i).toInt())
                                                : QJsonValue()});
    QJsonObject object;
    QString text;
    for (const auto &[name, value] : fields) {
        object.insert(name, value);
        const QString shown = value.isBool()     ? QLatin1String(value.toBool() ? "yes" : "no")
                              : value.isDouble() ? QString::number(value.toInt())
                              : value.isNull()   ? QStringLiteral("-")
                                                 : value.toString();
        text += name + QStringLiteral(": ") + shown + u'\n';
    }
    return json ? QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n'
                : text;
}

int usageError(const QString &reason, QTextStream &err)
{
    err << "k3config: " << reason << " (see --help)\n";
    return kExitUsage;
}

int runRequest(const Request &request, KeyboardAccess &keyboard, QTextStream &out, QTextStream &err)
{
    KeyboardStatus status;
    if (request.action == Request::Action::Status)
        status = keyboard.status();
    const QString failure = request.action == Request::Action::Status ? status.failure
                                                                      : run(request, keyboard);
    if (!failure.isEmpty()) {
        err << "k3config: " << failure << '\n';
        return kExitFailed;
    }
    if (request.action == Request::Action::Status)
        out << statusText(status, request.json);
    return kExitOk;
}
