#include "Win32TrayRestore.h"

#include <windows.h>

void postRestoreMessage(std::uintptr_t windowHandle)
{
    PostMessageW(reinterpret_cast<HWND>(windowHandle), WM_SYSCOMMAND, SC_RESTORE, 0);
}

bool isRestoreMessage(const void *message)
{
    const auto *msg = static_cast<const MSG *>(message);
    return msg->message == WM_SYSCOMMAND && msg->wParam == SC_RESTORE;
}
