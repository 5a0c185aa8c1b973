#include "MediaCuePlayer.h"

#include <QScopedValueRollback>

MediaCuePlayer::MediaCuePlayer() = default;

MediaCuePlayer::~MediaCuePlayer() = default;

QMediaPlayer &MediaCuePlayer::player()
{
    if (!m_player) {
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
        QObject::connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, m_player.get(),
                         [this](QMediaPlayer::MediaStatus status) { onStatus(status); });
    }
    return *m_player;
}

void MediaCuePlayer::onStatus(QMediaPlayer::MediaStatus status)
{
    if (status == QMediaPlayer::EndOfMedia) {
        m_playing = false;
        finished();
    } else if (status != QMediaPlayer::LoadingMedia) {
        sync();
    }
}

void MediaCuePlayer::setSource(const QUrl &source)
{
    m_source = source;
    m_restart = true;
    sync();
}

void MediaCuePlayer::play()
{
    m_playing = true;
    sync();
}

void MediaCuePlayer::clear()
{
    m_source.clear();
    m_playing = false;
    m_restart = false;
    sync();
}

void MediaCuePlayer::sync()
{
    if (m_syncing || (!m_player && m_source.isEmpty()))
        return;
    QMediaPlayer &p = player();
    // Qt 6.4's GStreamer player deadlocks when a source is replaced or stopped while it still
    // prepares the last one (it rebuilds its pipeline from the media thread then): requests
    // made meanwhile wait until it is done, and only the latest counts.
    if (p.mediaStatus() == QMediaPlayer::LoadingMedia)
        return;
    const QScopedValueRollback<bool> guard(m_syncing, true);
    if (p.source() != m_source)
        p.setSource(m_source);
    else if (m_restart && !m_source.isEmpty())
        p.setPosition(0);
    m_restart = false;
    if (m_playing && !m_source.isEmpty())
        p.play();
    else if (p.playbackState() != QMediaPlayer::StoppedState)
        p.stop();
}
