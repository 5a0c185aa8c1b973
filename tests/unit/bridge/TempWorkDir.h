#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// A throw-away working directory with the program's ./modules/ layout; the
// bridge works relative to the current directory, so tests chdir into it.
class TempWorkDir
{
public:
    TempWorkDir()
        : m_previous(QDir::currentPath())
    {
        for (const char *folder : {"setting", "macro", "i18n", "media", "img"})
            QDir(m_dir.path()).mkpath(QStringLiteral("modules/") + QLatin1String(folder));
        QDir::setCurrent(m_dir.path());
    }
    ~TempWorkDir() { QDir::setCurrent(m_previous); }
    TempWorkDir(const TempWorkDir &) = delete;
    TempWorkDir &operator=(const TempWorkDir &) = delete;

    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    static void write(const QString &relative, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(relative).path());
        QFile file(relative);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }

    static QByteArray read(const QString &relative)
    {
        QFile file(relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
