#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class Hid_Thread;

// The link's 22 commands as the fault scenarios drive them: each is run with
// outputs preset to known bytes and reports what its outputs hold afterwards.
struct LinkCommand
{
    enum class Kind { Write, WriteData, Read, ReadData };

    QString code;     // two upper-case hex digits, as in "cmd Failed 0C"
    QByteArray block; // the command block the scenarios' arguments make
    Kind kind;
    int dataSize;   // bytes carried by data reports, 0 for none
    int outputSize; // bytes of outputs of a reading command
    // Writing commands send `data`; reading commands start from `outputs` and return them.
    std::function<QByteArray(Hid_Thread &, const QByteArray &data, QByteArray outputs)> run;

    bool writes() const { return kind == Kind::Write || kind == Kind::WriteData; }
    bool hasData() const { return dataSize > 0; }
    // What the outputs hold after an exchange that failed before any reply arrived.
    QByteArray outputsAfterFailure(const QByteArray &preset) const;
    // What a reply block (report ID first) and data reports make of the outputs.
    QByteArray outputsFrom(const QByteArray &reply, const QByteArray &data) const;
};

const QList<LinkCommand> &linkCommands();
