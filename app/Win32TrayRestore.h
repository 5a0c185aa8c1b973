#pragma once

#include <cstdint>

// Restoring from the tray goes through the window's own message queue, so it
// takes the same road as any other restore request.
void postRestoreMessage(std::uintptr_t windowHandle);
// True for the message postRestoreMessage() sends (message is an MSG*).
bool isRestoreMessage(const void *message);
