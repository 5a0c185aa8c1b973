#pragma once

#include <QString>
#include <QtGlobal>

// One catalogue entry as read from the embedded device catalogue.
struct DevInfo
{
    qint32 type = -1;
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    quint16 usagePage2 = 0;
    quint16 usage2 = 0;
    QString lib;
    QString productName;
    quint32 reportLength = 0;
};

// The link's record of one catalogue entry; an empty path marks an absent interface.
struct HidDevice
{
    qint32 index = 0;
    QString productName;
    qint32 type = -1;
    QString cmdPath;
    QString eventPath;
    qint32 reportLength = 0;
};
