#include "SoundCues.h"

#include <QFileInfo>

SoundCues::SoundCues(Players players, const QString &folder) : m_players(std::move(players)), m_folder(folder)
{
    // The background track loops, and follows the start-up cue.
    m_players[0]->setFinishedHandler([this] { playBackground(); });
    m_players[1]->setFinishedHandler([this] { playBackground(); });
}

QUrl SoundCues::cueUrl(int index) const
{
    const QString file = index == 0 ? QStringLiteral("00.mp3") : QStringLiteral("0%1.wav").arg(index);
    return QUrl::fromLocalFile(QFileInfo(m_folder + u'/' + file).absoluteFilePath());
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
