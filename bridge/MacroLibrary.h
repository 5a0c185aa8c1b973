#pragma once

#include "FileFailure.h"

#include <QString>
#include <QStringList>
#include <QSettings>
#include <QVariantList>

#include <functional>

// The macro files of the macro folder, one "<name>.bin" per macro. Names that
// would reach outside the folder, or are too long for a file name, are refused: such a
// macro never exists.
class MacroLibrary
{
public:
    static constexpr int kUnbound = -1;
    static constexpr int kLastSlot = 16;

    explicit MacroLibrary(const QString &folder = QStringLiteral("./modules/macro"));

    static bool isSafeName(const QString &name);
    bool exists(const QString &name) const;

    // Creates "Macro. 001", "Macro. 002", ... at the first free number; empty when it fails.
    QString create(FileFailure *failure = nullptr);
    FileFailure remove(const QString &name);
    QStringList fileNames() const;
    FileFailure rename(const QString &oldName, const QString &newName);

    QStringList steps(const QString &name) const;
    // Replaces the steps of an existing macro; Missing when there is none.
    FileFailure saveSteps(const QString &name, const QStringList &steps);

    // The device slot the macro is bound to, whatever device that was for.
    int boundSlot(const QString &name) const;
    // [index, repeat], index -1 when bound while another device was current.
    QVariantList config(const QString &name, int deviceId) const;
    FileFailure setConfig(const QString &name, const QVariantList &config, int deviceId);

    // Import replaces an existing macro file only; export writes a copy.
    FileFailure importFrom(const QString &name, const QString &source);
    FileFailure exportTo(const QString &name, const QString &target) const;

private:
    QString filePath(const QString &name) const;
    // Changes an existing macro file.
    FileFailure update(const QString &name,
                       const std::function<void(QSettings::SettingsMap &)> &change);

    QString m_folder;
};
