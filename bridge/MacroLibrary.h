#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The macro files of the macro folder, one "<name>.bin" per macro. Names that
// would reach outside the folder are refused: such a macro never exists.
class MacroLibrary
{
public:
    static constexpr int kUnbound = -1;
    static constexpr int kLastSlot = 16;

    explicit MacroLibrary(const QString &folder = QStringLiteral("./modules/macro"));

    static bool isSafeName(const QString &name);
    bool exists(const QString &name) const;

    // Creates "Macro. 001", "Macro. 002", ... at the first free number.
    QString create();
    bool remove(const QString &name);
    QStringList fileNames() const;
    bool rename(const QString &oldName, const QString &newName);

    QStringList steps(const QString &name) const;
    // Replaces the steps of an existing macro; false when there is none.
    bool saveSteps(const QString &name, const QStringList &steps);

    // The device slot the macro is bound to, whatever device that was for.
    int boundSlot(const QString &name) const;
    // [index, repeat], index -1 when bound while another device was current.
    QVariantList config(const QString &name, int deviceId) const;
    void setConfig(const QString &name, const QVariantList &config, int deviceId);

    // Import replaces an existing macro file only; export writes a copy.
    bool importFrom(const QString &name, const QString &source);
    bool exportTo(const QString &name, const QString &target) const;

private:
    QString filePath(const QString &name) const;

    QString m_folder;
};
