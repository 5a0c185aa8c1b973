#pragma once

#include <QTextStream>

class KeyboardAccess;
struct KeyboardStatus;
struct Request;

// Exit codes of the command line.
enum ExitCode { kExitOk = 0, kExitUsage = 1, kExitFailed = 2 };

// Prints a command line that cannot be used; returns kExitUsage.
int usageError(const QString &reason, QTextStream &err);

// Carries out a request that is not a plain start; what it prints goes to out, a failure
// as one line to err.
int runRequest(const Request &request, KeyboardAccess &keyboard, QTextStream &out, QTextStream &err);

// The status as lines of "name: value", or as one JSON object.
QString statusText(const KeyboardStatus &status, bool json);
