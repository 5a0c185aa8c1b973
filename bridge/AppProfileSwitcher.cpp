#include "AppProfileSwitcher.h"

AppProfileSwitcher::AppProfileSwitcher(CurrentProfile currentProfile, SwitchTo switchTo,
                                       QObject *parent)
    : QObject(parent)
    , m_currentProfile(std::move(currentProfile))
    , m_switchTo(std::move(switchTo))
{
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(kSettleMs);
    connect(&m_settleTimer, &QTimer::timeout, this, &AppProfileSwitcher::settle);
}

void AppProfileSwitcher::setRules(const AppProfileRules &rules)
{
    m_rules = rules;
}

void AppProfileSwitcher::focusChanged(const QString &application)
{
    m_pending = application;
    if (application.isEmpty() || application.compare(m_settled, Qt::CaseInsensitive) == 0) {
        m_settleTimer.stop();
        return;
    }
    m_chosenElsewhere = false;
    m_settleTimer.start();
}

void AppProfileSwitcher::profileSet(int profile)
{
    if (profile == m_requested)
        return;
    m_chosenElsewhere = true;
    m_due = false;
}

void AppProfileSwitcher::setHeld(bool held)
{
    m_held = held;
    switchIfDue();
}

void AppProfileSwitcher::settle()
{
    m_settled = m_pending;
    m_due = !m_chosenElsewhere;
    switchIfDue();
}

void AppProfileSwitcher::switchIfDue()
{
    if (!m_due || m_held)
        return;
    m_due = false;
    const int target = m_rules.targetFor(m_settled);
    if (target == AppProfileRules::kLeaveAsIs || target == m_currentProfile())
        return;
    m_requested = target;
    m_switchTo(target);
    m_requested = AppProfileRules::kLeaveAsIs;
}
