#include "MediaCuePlayer.h"

MediaCuePlayer::MediaCuePlayer()
{
    m_player.setAudioOutput(&m_output);
    QObject::connect(&m_player, &QMediaPlayer::mediaStatusChanged, &m_player, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            finished();
    });
}

void MediaCuePlayer::setSource(const QUrl &source)
{
    if (m_player.source() == source)
        m_player.setPosition(0);
    else
        m_player.setSource(source);
}

void MediaCuePlayer::play()
{
    m_player.play();
}

void MediaCuePlayer::clear()
{
    m_player.stop();
    m_player.setSource(QUrl());
}
