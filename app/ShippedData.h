#pragma once

#include <QString>

// Keeps a per-user copy of the installed, read-only data up to date. Both
// folders hold a manifest ("<sha256>  <relative path>" per line): the installed
// one lists what is shipped now, the user's one what was copied last time. A
// shipped file is copied when it is new, and replaces the user's copy only while
// that copy still has the content shipped before; files the user changed or
// deleted stay as they are.
class ShippedData
{
public:
    static inline const QString kManifest = QStringLiteral("shipped.sha256");

    ShippedData(const QString &shippedFolder, const QString &userFolder);

    // Cheap when nothing was installed since the last call: two small files are
    // compared. False when something could not be copied; the next call retries.
    bool update() const;

private:
    bool copyIn(const QString &path) const;

    QString m_shipped;
    QString m_user;
};
