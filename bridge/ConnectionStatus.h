#pragma once

#include "NoticeTexts.h"

#include <QObject>
#include <QString>

// What the scene's indicator and the tray say about the keyboard, in the current language:
// "connected" (its name and firmware in the detail), "not connected", or the demo's keyboard.
class ConnectionStatus : public QObject
{
    Q_OBJECT
public:
    enum class State { NotConnected, Connected, Emulated };

    void setState(State state, const QString &product = {}, const QString &firmware = {});
    // The [connection] texts of a new language.
    void setTexts(const NoticeTexts &texts);

    State state() const { return m_state; }
    // "connected", "notConnected" or "emulated": the names of the states in the language files.
    QString stateName() const;
    QString text() const;
    // Name and firmware of a keyboard that is there; empty otherwise.
    QString detail() const;

signals:
    // Only once there are texts: before the scene has chosen its language there is nothing to say.
    void changed();

private:
    void announce();

    State m_state = State::NotConnected;
    QString m_product;
    QString m_firmware;
    NoticeTexts m_texts;
    bool m_hasTexts = false;
};
