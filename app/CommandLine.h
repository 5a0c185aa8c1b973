#pragma once

#include "KeyboardAccess.h"

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct Request
{
    enum class Action {
        Start,
        Help,
        Version,
        Status,
        Profile,
        ApplyProfile,
        ExportProfile,
        ImportProfile,
        ResetProfile,
        Effect
    };

    Action action = Action::Start;
    // 0..3 for the profile actions.
    int profile = 0;
    // Absolute, so that it means the same to the running window and after entering the
    // program's folder.
    QString file;
    bool json = false;
    bool minimized = false;
    EffectChange effect;
    // Set when the command line cannot be used; the one-line reason.
    QString error;
};

// Reads the program's arguments (the program name first). Relative file names are taken
// from the current folder at this moment.
Request parseCommandLine(const QStringList &arguments);
// The text of --help; it names the program as the application object was started.
QString commandLineHelp();
