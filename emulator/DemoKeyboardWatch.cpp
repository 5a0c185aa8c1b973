#include "KeyboardWatch.h"

#include "SleepWatcher.h"

#ifndef Q_OS_WIN
#include "DemoPlugSignals.h"
#endif

KeyboardWatch makeKeyboardWatch()
{
    KeyboardWatch watch;
#ifndef Q_OS_WIN
    watch.sources.push_back(std::make_unique<DemoPlugSignals>());
#endif
    watch.sources.push_back(std::make_unique<SleepWatcher>());
    watch.emulated = true;
    return watch;
}
