#pragma once

#include <QString>
#include <QTemporaryDir>

// Copies every file and folder below `from` to `to`; false when anything could not be copied.
bool copyTree(const QString &from, const QString &to);

// A copy of the run-time data (modules/ and the font) in a temporary folder, entered while it
// lives: the program reads and writes its files relative to the current folder, and the
// build's own files must stay as they are.
class RuntimeCopy
{
public:
    // A copy of the build's run-time folder.
    RuntimeCopy();
    explicit RuntimeCopy(const QString &from);
    // Returns to the folder it was made from, then removes the copy.
    ~RuntimeCopy();
    RuntimeCopy(const RuntimeCopy &) = delete;
    RuntimeCopy &operator=(const RuntimeCopy &) = delete;

    // True when everything was copied and the copy is the current folder.
    bool isValid() const { return m_valid; }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
    QString m_previous;
    bool m_valid = false;
};
