#include "MacroLibrary.h"

#include "FileReplace.h"
#include "LegacyIni.h"
#include "SettingsFile.h"
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

} // namespace

MacroLibrary::MacroLibrary(const QString &folder)
    : m_folder(folder)
{}

bool MacroLibrary::isSafeName(const QString &name)
{
    // A file name has at most 255 bytes, ".bin" included.
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || QFile::encodeName(name).size() > 251)
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

QString MacroLibrary::create(FileFailure *failure)
{
    QString name;
    for (int n = 1; name.isEmpty() || exists(name); ++n)
        name = QStringLiteral("Macro. %1").arg(n, 3, 10, QLatin1Char('0'));
    const FileFailure written = SettingsFile::update(filePath(name),
                                                     [](QSettings::SettingsMap &map) {
                                                         map.insert(kIndex, kUnbound);
                                                         map.insert(kTotal, 0);
                                                         map.insert(kRepeat, kDefaultRepeat);
                                                         map.insert(kDid, -1);
                                                     });
    if (failure)
        *failure = written;
    return written == FileFailure::None ? name : QString();
}

FileFailure MacroLibrary::update(const QString &name,
                                 const std::function<void(QSettings::SettingsMap &)> &change)
{
    return exists(name) ? SettingsFile::update(filePath(name), change) : FileFailure::Missing;
}

FileFailure MacroLibrary::remove(const QString &name)
{
    if (!exists(name))
        return FileFailure::Missing;
    QFile file(filePath(name));
    return file.remove() ? FileFailure::None : FileFailures::fromErrno(errno);
}

QStringList MacroLibrary::fileNames() const
{
    return QDir(m_folder).entryList({QStringLiteral("*.bin")},
                                    QDir::AllEntries | QDir::NoDotAndDotDot,
                                    QDir::Name | QDir::IgnoreCase);
}

FileFailure MacroLibrary::rename(const QString &oldName, const QString &newName)
{
    if (!exists(oldName))
        return FileFailure::Missing;
    if (!isSafeName(newName))
        return FileFailure::BadName;
    if (exists(newName))
        return FileFailure::NameTaken;
    QFile file(filePath(oldName));
    return file.rename(filePath(newName)) ? FileFailure::None : FileFailures::fromErrno(errno);
}

QStringList MacroLibrary::steps(const QString &name) const
{
    QStringList result;
    if (!exists(name))
        return result;
    QSettings file(filePath(name), LegacyIni::format());
    const QVariantList steps = SettingsValues::numberedEntries(
            file, QStringLiteral("macro"), 0, SettingsValues::count(file.value(kTotal, 0)), 0);
    for (const QVariant &step : steps)
        result.append(step.toString());
    return result;
}

FileFailure MacroLibrary::saveSteps(const QString &name, const QStringList &steps)
{
    return update(name, [&steps](QSettings::SettingsMap &map) {
        // The whole section goes, as a settings object's remove("macro/") takes it.
        map.removeIf(
                [](const auto &entry) { return entry.key().startsWith(QLatin1String("macro/")); });
        map.insert(kTotal, steps.size());
        for (qsizetype i = 0; i < steps.size(); ++i)
            map.insert(stepKey(i), steps.at(i));
    });
}

int MacroLibrary::boundSlot(const QString &name) const
{
    if (!exists(name))
        return kUnbound;
    return SettingsValues::intOr(QSettings(filePath(name), LegacyIni::format()).value(kIndex),
                                 kUnbound);
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

FileFailure MacroLibrary::setConfig(const QString &name, const QVariantList &config, int deviceId)
{
    return update(name, [&config, deviceId](QSettings::SettingsMap &map) {
        map.insert(kIndex, SettingsValues::intAt(config, 0));
        map.insert(kRepeat, SettingsValues::intAt(config, 1));
        map.insert(kDid, deviceId);
    });
}

FileFailure MacroLibrary::importFrom(const QString &name, const QString &source)
{
    return exists(name) ? FileReplace::copyOver(source, filePath(name)) : FileFailure::Missing;
}

FileFailure MacroLibrary::exportTo(const QString &name, const QString &target) const
{
    return exists(name) ? FileReplace::copyOver(filePath(name), target) : FileFailure::Missing;
}
