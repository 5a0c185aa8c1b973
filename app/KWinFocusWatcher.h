#pragma once

#include "FocusWatcher.h"

#include <QTemporaryFile>

#include <memory>

// The application in front on KDE Plasma under Wayland, where no client may watch the others:
// a KWin script, loaded through KWin's scripting interface, reports the resource class of
// each window activated to our own D-Bus method, which hands it to the switcher.
class KWinFocusWatcher : public FocusWatcher
{
    Q_OBJECT
public:
    struct Receiver
    {
        QString service;
        QString path;
        QString interface;
        QString method;
    };

    // Null when KWin does not take the script.
    static std::unique_ptr<KWinFocusWatcher> load(const Receiver &receiver);
    ~KWinFocusWatcher() override;

    bool isAutomatic() const override { return true; }
    QStringList openApplications() const override { return {}; }

    // The script's text: reports this program's own windows as none.
    static QByteArray script(const Receiver &receiver, qint64 ownPid);

private:
    KWinFocusWatcher() = default;

    QTemporaryFile m_file;
};
