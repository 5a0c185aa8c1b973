#include "KeyboardWatch.h"

#include "DeviceCatalogue.h"

#ifdef Q_OS_WIN
#include "Win32DeviceWatcher.h"
#else
#include "SleepWatcher.h"
#include "UdevWatcher.h"
#endif

KeyboardWatch makeKeyboardWatch()
{
    const DevInfo keyboard = readDeviceCatalogue({}).entries.value(0);
    KeyboardWatch watch;
#ifdef Q_OS_WIN
    watch.sources.push_back(std::make_unique<Win32DeviceWatcher>(keyboard.vid, keyboard.pid));
#else
    watch.sources.push_back(std::make_unique<UdevWatcher>(keyboard.vid, keyboard.pid));
    watch.sources.push_back(std::make_unique<SleepWatcher>());
#endif
    return watch;
}
