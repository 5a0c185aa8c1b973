#include "MediaCuePlayer.h"

MediaCuePlayer::MediaCuePlayer() = default;

MediaCuePlayer::~MediaCuePlayer() = default;

QMediaPlayer &MediaCuePlayer::player()
{
    if (!m_player) {
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
        QObject::connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, m_player.get(),
                         [this](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::EndOfMedia)
                                 finished();
                         });
    }
    return *m_player;
}

void MediaCuePlayer::setSource(const QUrl &source)
{
    if (player().source() == source)
        player().setPosition(0);
    else
        player().setSource(source);
}

void MediaCuePlayer::play()
{
    player().play();
}

void MediaCuePlayer::clear()
{
    if (!m_player)
        return;
    m_player->stop();
    m_player->setSource(QUrl());
}
