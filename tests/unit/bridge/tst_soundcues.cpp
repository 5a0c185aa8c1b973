#include "MediaCuePlayer.h"
#include "SoundCues.h"
#include "TempWorkDir.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <functional>

namespace {

// Records what the cues do to it; end() is the track running out.
class FakePlayer : public CuePlayer
{
public:
    FakePlayer(int id, QStringList &log)
        : m_id(id)
        , m_log(log)
    {}

    void setSource(const QUrl &source) override
    {
        m_source = source;
        record(QStringLiteral("source ") + source.fileName());
    }
    void play() override
    {
        m_playing = !m_source.isEmpty();
        record(QStringLiteral("play"));
    }
    void clear() override
    {
        m_source.clear();
        m_playing = false;
        record(QStringLiteral("clear"));
    }
    void end()
    {
        if (!m_playing)
            return;
        m_playing = false;
        finished();
    }
    QUrl source() const { return m_source; }

private:
    void record(const QString &what) { m_log.append(QStringLiteral("p%1 ").arg(m_id) + what); }

    int m_id;
    QStringList &m_log;
    QUrl m_source;
    bool m_playing = false;
};

// A short silent PCM wave file.
QByteArray silentWave(int milliseconds)
{
    const quint32 rate = 8000;
    const quint32 samples = rate * milliseconds / 1000;
    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char *>(&v), 4);
    };
    auto u16 = [&wav](quint16 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char *>(&v), 2);
    };
    wav.append("RIFF");
    u32(36 + samples * 2);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(samples * 2);
    wav.append(QByteArray(int(samples * 2), '\0'));
    return wav;
}

using PlayerFactory = std::function<std::unique_ptr<CuePlayer>()>;

// A sound server of this test's own, playing into a null sink, so that the real players have an
// output wherever the test runs (PulseAudio, from the package list); it ends with the test.
class PrivateSoundServer
{
public:
    bool start()
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (server.isEmpty() || !m_dir.isValid())
            return false;
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(server, {"-n", "--daemonize=no", "--exit-idle-time=30", "--use-pid-file=no",
                                 "--log-level=error", "-L", "module-null-sink", "-L",
                                 "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        return QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000);
    }
    ~PrivateSoundServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

} // namespace

class SoundCuesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void disabledSoundGatesCuesButNotTheBackgroundTrack();
    void unknownCuesDoNothing();
    void aRepeatedCueRestartsOnItsOwnPlayer();
    void theBackgroundTrackLoopsUntilCleared();
    void theStartUpCueLeadsIntoTheBackgroundTrack();
    void cueFilesAreResolvedAgainstTheWorkingDirectory();
    void realPlayersAreSilentAboutMissingFilesAndReportTheEnd_data();
    void realPlayersAreSilentAboutMissingFilesAndReportTheEnd();
    void realPlayersRestartedWhileTheyLoadNeverHang_data();
    void realPlayersRestartedWhileTheyLoadNeverHang();

private:
    PrivateSoundServer m_server;
    bool m_serverUp = false;
    FakePlayer &player(int i) { return *m_fakes[i]; }

    QStringList m_log;
    std::array<FakePlayer *, SoundCues::kCount> m_fakes{};
    std::unique_ptr<SoundCues> m_cues;
};

void SoundCuesTest::initTestCase()
{
    m_serverUp = m_server.start();
}

void SoundCuesTest::init()
{
    m_log.clear();
    SoundCues::Players players;
    for (int i = 0; i < SoundCues::kCount; ++i) {
        auto fake = std::make_unique<FakePlayer>(i, m_log);
        m_fakes[i] = fake.get();
        players[i] = std::move(fake);
    }
    m_cues = std::make_unique<SoundCues>(std::move(players));
}

void SoundCuesTest::disabledSoundGatesCuesButNotTheBackgroundTrack()
{
    QVERIFY(m_cues->isEnabled());
    m_cues->setEnabled(false);
    m_cues->play(4);
    m_cues->play(0);
    QCOMPARE(m_log, QStringList());
    m_cues->playBackground();
    QCOMPARE(m_log, QStringList({"p0 source 00.mp3", "p0 play"}));
}

void SoundCuesTest::unknownCuesDoNothing()
{
    m_cues->play(5);
    m_cues->play(255);
    QCOMPARE(m_log, QStringList());
}

void SoundCuesTest::aRepeatedCueRestartsOnItsOwnPlayer()
{
    m_cues->play(4);
    m_cues->play(2);
    m_cues->play(4);
    QCOMPARE(m_log,
             QStringList({"p4 clear", "p4 source 04.wav", "p4 play", "p2 clear", "p2 source 02.wav",
                          "p2 play", "p4 clear", "p4 source 04.wav", "p4 play"}));
}

void SoundCuesTest::theBackgroundTrackLoopsUntilCleared()
{
    m_cues->play(0);
    player(0).end();
    player(0).end();
    QCOMPARE(m_log, QStringList({"p0 source 00.mp3", "p0 play", "p0 source 00.mp3", "p0 play",
                                 "p0 source 00.mp3", "p0 play"}));
    m_log.clear();
    m_cues->clearAll();
    player(0).end();
    QCOMPARE(m_log, QStringList({"p0 clear", "p1 clear", "p2 clear", "p3 clear", "p4 clear"}));
}

void SoundCuesTest::theStartUpCueLeadsIntoTheBackgroundTrack()
{
    m_cues->play(1);
    m_log.clear();
    player(1).end();
    QCOMPARE(m_log, QStringList({"p0 source 00.mp3", "p0 play"}));
    // Other cues end quietly.
    m_cues->play(3);
    m_log.clear();
    player(3).end();
    QCOMPARE(m_log, QStringList());
}

void SoundCuesTest::cueFilesAreResolvedAgainstTheWorkingDirectory()
{
    TempWorkDir dir;
    m_cues->play(3);
    QVERIFY(player(3).source().isLocalFile());
    QCOMPARE(player(3).source().toLocalFile(),
             QFileInfo(dir.path(QStringLiteral("modules/media/03.wav"))).absoluteFilePath());
}

void SoundCuesTest::realPlayersAreSilentAboutMissingFilesAndReportTheEnd_data()
{
    QTest::addColumn<PlayerFactory>("make");
    QTest::newRow("media player") << PlayerFactory(
            [] { return std::make_unique<MediaCuePlayer>(); });
    QTest::newRow("sound effect") << PlayerFactory(
            [] { return std::make_unique<SoundEffectCuePlayer>(); });
}

void SoundCuesTest::realPlayersAreSilentAboutMissingFilesAndReportTheEnd()
{
    if (!m_serverUp)
        QSKIP("no sound server to play on (pulseaudio, from scripts/packages.txt)");
    QVERIFY(soundOutputAvailable());
    QFETCH(PlayerFactory, make);
    TempWorkDir dir;
    int ends = 0;
    const std::unique_ptr<CuePlayer> player = make();
    player->setFinishedHandler([&ends] { ++ends; });
    player->setSource(QUrl::fromLocalFile(dir.path(QStringLiteral("modules/media/missing.wav"))));
    player->play();
    QTest::qWait(200);
    player->clear();
    QCOMPARE(ends, 0);

    TempWorkDir::write(QStringLiteral("modules/media/01.wav"), silentWave(100));
    const QUrl cue = QUrl::fromLocalFile(dir.path(QStringLiteral("modules/media/01.wav")));
    player->setSource(cue);
    player->play();
    QTRY_COMPARE_WITH_TIMEOUT(ends, 1, 10000);
    // Played again to its end from the start.
    player->setSource(cue);
    player->play();
    QTRY_COMPARE_WITH_TIMEOUT(ends, 2, 10000);
    // Played again, and cleared before its end: no report.
    player->setSource(cue);
    player->play();
    player->clear();
    QTest::qWait(400);
    QCOMPARE(ends, 2);
}

void SoundCuesTest::realPlayersRestartedWhileTheyLoadNeverHang_data()
{
    realPlayersAreSilentAboutMissingFilesAndReportTheEnd_data();
}

// Clicks faster than the media system prepares a cue: each restarts it while the last may
// still be loading. The program must not hang, and the last cue still plays to its end.
void SoundCuesTest::realPlayersRestartedWhileTheyLoadNeverHang()
{
    if (!m_serverUp)
        QSKIP("no sound server to play on (pulseaudio, from scripts/packages.txt)");
    QVERIFY(soundOutputAvailable());
    QFETCH(PlayerFactory, make);
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/media/02.wav"), silentWave(100));
    const QUrl cue = QUrl::fromLocalFile(dir.path(QStringLiteral("modules/media/02.wav")));
    int ends = 0;
    const std::unique_ptr<CuePlayer> player = make();
    player->setFinishedHandler([&ends] { ++ends; });
    for (int i = 0; i < 60; ++i) {
        player->clear();
        player->setSource(cue);
        player->play();
        QTest::qWait(i % 7);
    }
    const int endsBefore = ends;
    player->clear();
    player->setSource(cue);
    player->play();
    QTRY_VERIFY_WITH_TIMEOUT(ends > endsBefore, 10000);
}

QTEST_MAIN(SoundCuesTest)
#include "tst_soundcues.moc"
