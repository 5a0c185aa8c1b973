#pragma once

#include <QString>
#include <QVariantList>

// What the keyboard and its stored profiles look like from outside the window.
struct KeyboardStatus
{
    bool connected = false;
    QString product;
    QString firmware;
    int layout = 0;
    // 0..3, as the keyboard numbers its profiles.
    int profile = 0;
    // The current profile's stored effect: type, brightness, speed, direction, colour, side;
    // empty when the profile holds none.
    QVariantList effect;
    // Set when the state could not be had at all.
    QString failure;
};

// A lighting change of the current profile; kKeep leaves a value as stored.
struct EffectChange
{
    static constexpr int kKeep = -1;
    int type = kKeep;
    int brightness = kKeep;
    int speed = kKeep;
    int direction = kKeep;
    int colour = kKeep;
};

// The requests the command line and the D-Bus interface make. Profiles are 0..3. Each
// returns an empty text on success, else a one-line reason; a failed request changes nothing.
class KeyboardAccess
{
public:
    virtual ~KeyboardAccess() = default;
    virtual KeyboardStatus status() = 0;
    virtual QString switchProfile(int profile) = 0;
    virtual QString applyProfile(int profile) = 0;
    virtual QString exportProfile(int profile, const QString &file) = 0;
    virtual QString importProfile(int profile, const QString &file) = 0;
    virtual QString resetProfile(int profile) = 0;
    virtual QString setEffect(const EffectChange &change) = 0;
};
