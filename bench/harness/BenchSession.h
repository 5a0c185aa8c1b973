#pragma once

#include "LightingSession.h"

class QQuickItem;

// The demo program in the bench's process (so the emulated keyboard's wire log can be
// read), with the scene's controls the measurements use.
class BenchSession : public LightingSession
{
public:
    enum Page { KeyPage = 0, LightingPage = 2 };

    // Starts the program and opens the lighting page; false with error() otherwise.
    bool startOnLightingPage();
    // Opens a page through the page area and waits for its slide to end.
    bool showPage(Page page);
    // A built-in effect, or user picture `picture` (0..4) when effect is negative.
    void chooseLighting(int effect, int picture = 0);
    // Buttons clicked with the mouse: the bottom bar's apply-all, the key page's own apply.
    bool clickApplyAll();
    bool clickKeyPageApply();
    // Apply-all as the button would, without waiting out the interface lock between cycles.
    void applyAll();
    bool waitUntilUnlocked(int timeoutMs = 10000);

private:
    void click(const QQuickItem *item);
};
