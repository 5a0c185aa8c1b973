#include "MacroLibrary.h"

#include "FileReplace.h"
#include "LegacyIni.h"
#include "SettingsValues.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const QString kIndex = QStringLiteral("config/index");
const QString kTotal = QStringLiteral("config/total");
const QString kRepeat = QStringLiteral("config/repeat");
const QString kDid = QStringLiteral("config/did");
constexpr int kDefaultRepeat = 1;

QString stepKey(qsizetype i)
{
    return QStringLiteral("macro/") + QString::number(i);
}

}

MacroLibrary::MacroLibrary(const QString &folder) : m_folder(folder) {}

bool MacroLibrary::isSafeName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
#ifdef Q_OS_WIN
        if (c == u':')
            return false;
#endif
    }
    return true;
}

QString MacroLibrary::filePath(const QString &name) const
{
    return isSafeName(name) ? m_folder + u'/' + name + QStringLiteral(".bin") : QString();
}

bool MacroLibrary::exists(const QString &name) const
{
    const QString path = filePath(name);
    return !path.isEmpty() && QFile::exists(path);
}

QString MacroLibrary::create()
{
    QString name;
    for (int n = 1; name.isEmpty() || exists(name); ++n)
        name = QStringLiteral("Macro. %1").arg(n, 3, 10, QLatin1Char('0'));
    QSettings file(filePath(name), LegacyIni::format());
    file.setValue(kIndex, kUnbound);
    file.setValue(kTotal, 0);
    file.setValue(kRepeat, kDefaultRepeat);
    file.setValue(kDid, -1);
    return name;
}

bool MacroLibrary::remove(const QString &name)
{
    return exists(name) && QFile::remove(filePath(name));
}

QStringList MacroLibrary::fileNames() const
{
    return QDir(m_folder).entryList({QStringLiteral("*.bin")}, QDir::AllEntries | QDir::NoDotAndDotDot,
                                    QDir::Name | QDir::IgnoreCase);
}

bool MacroLibrary::rename(const QString &oldName, const QString &newName)
{
    const QString from = filePath(oldName);
    const QString to = filePath(newName);
    return !from.isEmpty() && !to.isEmpty() && QFile::rename(from, to);
}

QStringList MacroLibrary::steps(const QString &name) const
{
    QStringList result;
    if (!exists(name))
        return result;
    QSettings file(filePath(name), LegacyIni::format());
    const QVariantList steps = SettingsValues::numberedEntries(file, QStringLiteral("macro"), 0,
                                                               SettingsValues::count(file.value(kTotal, 0)), 0);
    for (const QVariant &step : steps)
        result.append(step.toString());
    return result;
}

bool MacroLibrary::saveSteps(const QString &name, const QStringList &steps)
{
    if (!exists(name))
        return false;
    QSettings file(filePath(name), LegacyIni::format());
    file.remove(QStringLiteral("macro/"));
    file.setValue(kTotal, steps.size());
    for (qsizetype i = 0; i < steps.size(); ++i)
        file.setValue(stepKey(i), steps.at(i));
    file.sync();
    return true;
}

int MacroLibrary::boundSlot(const QString &name) const
{
    if (!exists(name))
        return kUnbound;
    return SettingsValues::intOr(QSettings(filePath(name), LegacyIni::format()).value(kIndex), kUnbound);
}

QVariantList MacroLibrary::config(const QString &name, int deviceId) const
{
    if (!exists(name))
        return {};
    const QSettings file(filePath(name), LegacyIni::format());
    const bool sameDevice = SettingsValues::intOr(file.value(kDid), -1) == deviceId;
    return {sameDevice ? SettingsValues::intOr(file.value(kIndex), kUnbound) : kUnbound,
            SettingsValues::intOr(file.value(kRepeat), kDefaultRepeat)};
}

void MacroLibrary::setConfig(const QString &name, const QVariantList &config, int deviceId)
{
    if (!exists(name))
        return;
    QSettings file(filePath(name), LegacyIni::format());
    file.setValue(kIndex, SettingsValues::intAt(config, 0));
    file.setValue(kRepeat, SettingsValues::intAt(config, 1));
    file.setValue(kDid, deviceId);
}

bool MacroLibrary::importFrom(const QString &name, const QString &source)
{
    return exists(name) && FileReplace::copyOver(source, filePath(name));
}

bool MacroLibrary::exportTo(const QString &name, const QString &target) const
{
    return exists(name) && FileReplace::copyOver(filePath(name), target);
}
