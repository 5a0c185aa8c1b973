#pragma once

#include "KeyboardActions.h"

class myQQuickView;

// The running scene's side of requests from outside it (command line, D-Bus, tray menu):
// the root functions that move its profile menu, reload and apply its pages.
class SceneProfiles : public ProfileScene
{
public:
    explicit SceneProfiles(myQQuickView &view)
        : m_view(view)
    {}

    void selectProfile(int profile) override;
    void reloadPages() override;
    void applyAll() override;

private:
    void call(const char *function, const QVariantList &args = {});

    myQQuickView &m_view;
};
