#pragma once

#include "Hid_Thread.h"
#include "KeyboardActions.h"
#include "ProfileStore.h"

// Looks for the keyboard the catalogue names, among the HID devices present.
void findKeyboard(Hid_Thread &link);

// The keyboard when no window runs: the device link and the profile files of the current
// folder, synchronised as the window is at start, without the event monitor.
class LocalKeyboard
{
public:
    LocalKeyboard();
    KeyboardAccess &access() { return m_actions; }

private:
    Hid_Thread m_link;
    ProfileStore m_profiles;
    KeyboardActions m_actions;
};
