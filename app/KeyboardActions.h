#pragma once

#include "KeyboardAccess.h"

class Hid_Thread;
class ProfileStore;

// Whether the keyboard can be reached: its command interface was found and has not failed
// to open since.
bool keyboardConnected(const Hid_Thread &link);

// How the running window's scene takes a request, so that its menus and pages follow it.
class ProfileScene
{
public:
    virtual ~ProfileScene() = default;
    // As a click on the profile menu: the scene tells the keyboard and reloads its pages.
    virtual void selectProfile(int profile) = 0;
    // The pages reread the current profile's file.
    virtual void reloadPages() = 0;
    // Sends the current profile's pages, as the apply-all button does.
    virtual void applyAll() = 0;
};

// The requests carried out on the profile files and the device link, the same helpers the
// pages use. With a scene the profile switches go through it; without one (no window runs)
// they go to the link directly.
class KeyboardActions : public KeyboardAccess
{
public:
    KeyboardActions(ProfileStore &profiles, Hid_Thread &link, ProfileScene *scene = nullptr);

    // What the last synchronisation with the keyboard read.
    void setDeviceFacts(int layout, const QString &firmware);

    KeyboardStatus status() override;
    QString switchProfile(int profile) override;
    QString applyProfile(int profile) override;
    QString exportProfile(int profile, const QString &file) override;
    QString importProfile(int profile, const QString &file) override;
    QString resetProfile(int profile) override;
    QString setEffect(const EffectChange &change) override;

private:
    QString needsKeyboard() const;
    void reloadIfCurrent(int profile);

    ProfileStore &m_profiles;
    Hid_Thread &m_link;
    ProfileScene *m_scene;
    int m_layout = 0;
    QString m_firmware = QStringLiteral("unknown");
};
