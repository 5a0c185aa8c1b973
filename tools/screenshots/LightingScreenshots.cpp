// Screenshots of the lighting page in the demo program: four effects mid-animation and a
// painted user picture in both skins, and the page in Spanish.
// Usage: lighting-screenshots <output folder>

#include "LightingSession.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QQuickItem>
#include <QTest>

namespace {

struct Shot
{
    const char *name;
    int effect;
    QList<int> keys; // USB usages typed while the effect runs
    int spacingMs;   // between two keys
    int waitMs;      // from the last key to the picture
};

void run(LightingSession &session, const Shot &shot)
{
    session.callPage("resetValues");
    session.callPage("chooseColourIndex", {7});
    session.callPage("chooseEffect", {shot.effect});
    for (int code : shot.keys) {
        session.pressKey(code);
        QTest::qWait(shot.spacingMs);
    }
    QTest::qWait(shot.waitMs);
}

// Paints the rows of USER DEFINE 1 in bands of colour, one drag per row.
void paintRows(LightingSession &session)
{
    session.callPage("resetValues");
    // With LOOP chosen the editor's colour leaves the palette alone.
    session.callPage("chooseColourIndex", {7});
    session.callPage("chooseFirstMenu", {0});
    session.callPage("choosePicture", {0});
    const QList<QVariantList> colours{{255, 255, 255}, {255, 0, 90},  {255, 120, 0}, {255, 230, 0},
                                      {0, 230, 120},   {0, 170, 255}, {150, 60, 255}};
    // Rows by one of their keys: media keys, Esc, 1, Q, A, Z, L Ctrl.
    const QList<int> rowKeys{122, 0, 17, 33, 49, 65, 81};
    QQuickItem *keyboard = session.keyboard();
    for (int row = 0; row < rowKeys.size(); ++row) {
        QQuickItem *first = session.key(rowKeys[row]);
        if (!first)
            continue;
        session.callPage("setEditorColour", {QVariant(colours[row])});
        const qreal y = first->y() + first->height() / 2;
        session.drag(QPointF(2, y), QPointF(keyboard->width() - 2, y));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out =
            QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    QDir().mkpath(out);

    LightingSession session;
    if (!session.start() || !session.openPage()) {
        qCritical("%s", qPrintable(session.error()));
        return 1;
    }
    const QList<Shot> shots{
            // F5, 7, T, G, B: one ripple per row, from the middle of the keyboard.
            {"ripple", 0x05, {62, 36, 23, 10, 5}, 30, 120},
            // Q, M, F9: drops falling one after another.
            {"raining", 0x09, {20, 16, 66}, 250, 220},
            {"spotlight", 0x0B, {}, 0, 560},
            {"induction-brighten", 0x06, {}, 0, 700},
    };
    for (int skin = 1; skin <= 2; ++skin) {
        session.chooseSkin(skin);
        for (const Shot &shot : shots) {
            run(session, shot);
            session.grab().save(
                    QStringLiteral("%1/lighting-%2-skin%3.png").arg(out, shot.name).arg(skin));
        }
        paintRows(session);
        QTest::qWait(200);
        session.grab().save(QStringLiteral("%1/lighting-painted-skin%2.png").arg(out).arg(skin));
    }
    // The page's texts in Spanish, with the longest effect name chosen.
    session.chooseSkin(1);
    session.chooseLanguage(1);
    run(session, {"spanish", 0x06, {}, 0, 700});
    session.grab().save(QStringLiteral("%1/lighting-spanish-skin1.png").arg(out));
    return 0;
}
