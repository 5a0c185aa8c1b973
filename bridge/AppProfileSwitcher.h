#pragma once

#include "AppProfileRules.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Switches the keyboard's profile to follow the application in front. A focus has to settle
// before it counts, so that passing through windows (alt-tab) switches nothing; nothing
// switches while held; a profile chosen by hand or on the keyboard stays until the focus
// moves to another application.
class AppProfileSwitcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSettleMs = 300;

    using CurrentProfile = std::function<int()>;
    using SwitchTo = std::function<void(int profile)>;

    AppProfileSwitcher(CurrentProfile currentProfile, SwitchTo switchTo, QObject *parent = nullptr);

    void setRules(const AppProfileRules &rules);
    const AppProfileRules &rules() const { return m_rules; }

    // An empty name stands for this program's own windows and for no window: they have no
    // say, and a focus on its way elsewhere stops there.
    void focusChanged(const QString &application);
    // Every profile the keyboard is told to take, this switcher's own included.
    void profileSet(int profile);
    // Held while a macro is being recorded or settings are on their way to the keyboard; what
    // the focus asked for meanwhile follows on release.
    void setHeld(bool held);

    // The application in front once its focus has settled.
    QString application() const { return m_settled; }

private:
    void settle();
    void switchIfDue();

    CurrentProfile m_currentProfile;
    SwitchTo m_switchTo;
    AppProfileRules m_rules;
    QTimer m_settleTimer;
    QString m_pending;
    QString m_settled;
    bool m_due = false;
    bool m_chosenElsewhere = false;
    bool m_held = false;
    int m_requested = AppProfileRules::kLeaveAsIs;
};
