#include "ConnectionStatus.h"

void ConnectionStatus::setState(State state, const QString &product, const QString &firmware)
{
    m_state = state;
    m_product = product;
    m_firmware = firmware;
    announce();
}

void ConnectionStatus::setTexts(const NoticeTexts &texts)
{
    m_texts = texts;
    m_hasTexts = true;
    announce();
}

QString ConnectionStatus::stateName() const
{
    switch (m_state) {
    case State::Connected:
        return QStringLiteral("connected");
    case State::Emulated:
        return QStringLiteral("emulated");
    case State::NotConnected:
        break;
    }
    return QStringLiteral("notConnected");
}

QString ConnectionStatus::text() const
{
    return m_texts.text(stateName());
}

QString ConnectionStatus::detail() const
{
    if (m_state == State::NotConnected)
        return {};
    return m_texts.text(QStringLiteral("detail"), {m_product, m_firmware});
}

void ConnectionStatus::announce()
{
    if (m_hasTexts)
        emit changed();
}
