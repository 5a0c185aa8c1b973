#pragma once

#include <QObject>
#include <QUrl>

// Settings may name files beside the program with relative file URLs
// ("file:modules/guide/index.html"). Desktop launchers only understand
// absolute ones, so every file URL the program opens passes through here.
class LocalUrlOpener : public QObject
{
    Q_OBJECT
public:
    explicit LocalUrlOpener(QObject *parent = nullptr);
    ~LocalUrlOpener() override;

    // A relative file URL resolved against the working directory; any other URL unchanged.
    static QUrl absolute(const QUrl &url);

public slots:
    void open(const QUrl &url);
};
