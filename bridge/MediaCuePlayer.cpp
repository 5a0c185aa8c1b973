#include "MediaCuePlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QScopedValueRollback>

#include <atomic>
#include <utility>

Q_LOGGING_CATEGORY(lcSound, "k3.sound")

namespace {

std::atomic<QtMessageHandler> g_forward{nullptr};

// Qt's audio back end reports a missing sound server in a line of its own while it looks for
// outputs; the line that follows the look-up says it for the program.
void withoutBackendNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (const QtMessageHandler forward = g_forward.load())
        forward(type, context, message);
}

bool findSoundOutput()
{
    g_forward = qInstallMessageHandler(withoutBackendNotes);
    const bool found = !QMediaDevices::defaultAudioOutput().isNull();
    qInstallMessageHandler(g_forward.load());
    if (!found)
        qCWarning(lcSound,
                  "No sound output (no sound server or audio device): sound cues stay silent.");
    return found;
}

// A local file that is not there plays nothing, and no player is asked to load it (Qt's sound
// effect would say that it cannot).
bool playable(const QUrl &source)
{
    return !source.isEmpty() && (!source.isLocalFile() || QFileInfo::exists(source.toLocalFile()));
}

} // namespace

bool soundOutputAvailable()
{
    static const bool available = findSoundOutput();
    return available;
}

SoundCues::Players cuePlayers()
{
    SoundCues::Players players;
    players[0] = std::make_unique<MediaCuePlayer>();
    for (size_t i = 1; i < players.size(); ++i)
        players[i] = std::make_unique<SoundEffectCuePlayer>();
    return players;
}

// ---- The background track ----

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

void MediaCuePlayer::prepare(const QUrl &source)
{
    if (m_source.isEmpty())
        m_source = source;
    sync();
}

void MediaCuePlayer::play()
{
    m_playing = true;
    sync();
}

// The player keeps its source, so the track starts again with a seek: Qt 6.4's GStreamer player
// can deadlock whenever a source is set while the decoder of the last one still adds its outputs
// (on its streaming thread, it waits for a lock the GUI thread holds while it tears the pipeline
// down), and its status does not show when that is over. The source is set once.
void MediaCuePlayer::clear()
{
    m_playing = false;
    m_restart = false;
    sync();
}

void MediaCuePlayer::sync()
{
    // A file that is not there is not given to the player, which then plays nothing.
    const bool available = playable(m_source);
    if (m_syncing || (!m_player && (!available || !soundOutputAvailable())))
        return;
    QMediaPlayer &p = player();
    // Requests made while it prepares a source wait until it is done, and only the latest counts.
    if (p.mediaStatus() == QMediaPlayer::LoadingMedia)
        return;
    const QScopedValueRollback<bool> guard(m_syncing, true);
    if (available && p.source() != m_source)
        p.setSource(m_source);
    else if (m_restart)
        p.setPosition(0);
    m_restart = false;
    if (m_playing && available)
        p.play();
    else if (p.playbackState() != QMediaPlayer::StoppedState)
        p.stop();
}

// ---- Short cues ----

SoundEffectCuePlayer::SoundEffectCuePlayer() = default;

SoundEffectCuePlayer::~SoundEffectCuePlayer() = default;

QSoundEffect *SoundEffectCuePlayer::effect()
{
    if (!m_effect && soundOutputAvailable())
        m_effect = newEffect();
    return m_effect.get();
}

std::unique_ptr<QSoundEffect> SoundEffectCuePlayer::newEffect()
{
    auto effect = std::make_unique<QSoundEffect>();
    QObject::connect(effect.get(), &QSoundEffect::playingChanged, effect.get(),
                     [this] { onPlayingChanged(); });
    return effect;
}

void SoundEffectCuePlayer::prepare(const QUrl &source)
{
    setSource(source);
}

void SoundEffectCuePlayer::setSource(const QUrl &source)
{
    // The same file keeps its loaded sample: play() starts it from the beginning.
    const QUrl wanted = playable(source) ? source : QUrl();
    if (m_effect ? m_effect->source() == wanted : wanted.isEmpty())
        return;
    if (QSoundEffect *e = effect())
        e->setSource(wanted);
}

void SoundEffectCuePlayer::play()
{
    clear();
    if (!m_effect || m_effect->source().isEmpty())
        return;
    m_active = true;
    m_effect->play();
}

// Qt 6.4's PulseAudio output shrinks its buffer each time its stream is stopped while it plays,
// until a cue restarted quickly a few dozen times no longer plays at all (its buffer holds no
// period any more): a cue stopped while it plays goes on on a fresh effect, which takes the loaded
// sample from Qt's sample cache (the old one holds it until then).
void SoundEffectCuePlayer::clear()
{
    m_active = false;
    if (!m_effect || !m_effect->isPlaying())
        return;
    std::unique_ptr<QSoundEffect> fresh = newEffect();
    fresh->setSource(m_effect->source());
    m_effect = std::move(fresh);
}

void SoundEffectCuePlayer::onPlayingChanged()
{
    if (m_effect && !m_effect->isPlaying() && std::exchange(m_active, false))
        finished();
}
