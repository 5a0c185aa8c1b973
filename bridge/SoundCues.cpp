#include "SoundCues.h"

#include <QFileInfo>

#include <utility>

SoundCues::SoundCues(Players players, const QString &folder)
    : m_players(std::move(players))
    , m_folder(folder)
{
    // The background track loops, and follows the start-up cue.
    m_players[0]->setFinishedHandler([this] { playBackground(); });
    m_players[1]->setFinishedHandler([this] { playBackground(); });
}

QUrl SoundCues::cueUrl(int index) const
{
    const QString file = index == 0 ? QStringLiteral("00.mp3")
                                    : QStringLiteral("0%1.wav").arg(index);
    return QUrl::fromLocalFile(QFileInfo(m_folder + u'/' + file).absoluteFilePath());
}

void SoundCues::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_enabled && m_prepareWhenEnabled)
        prepareNow();
}

void SoundCues::prepare()
{
    if (m_enabled)
        prepareNow();
    else
        m_prepareWhenEnabled = true;
}

void SoundCues::prepareNow()
{
    m_prepareWhenEnabled = false;
    if (std::exchange(m_prepared, true))
        return;
    // The background track's player is built when the track first plays: its media pipeline is
    // what holds the GUI thread longest, and the track follows a click in the settings.
    for (int i = 1; i < kCount; ++i)
        m_players[i]->prepare(cueUrl(i));
}

void SoundCues::play(uint index)
{
    if (!m_enabled || index >= kCount)
        return;
    if (index == 0) {
        playBackground();
        return;
    }
    CuePlayer &player = *m_players[index];
    player.clear();
    player.setSource(cueUrl(int(index)));
    player.play();
}

void SoundCues::playBackground()
{
    m_players[0]->setSource(cueUrl(0));
    m_players[0]->play();
}

void SoundCues::clearAll()
{
    for (const auto &player : m_players)
        player->clear();
}
