// Screenshots of the macro editor in both skins and both languages, taken
// from the demo program under a real X server.
// Usage: macro_screenshots <output folder>

#include "K3Emulator.h"
#include "Program.h"
#include "SceneDriver.h"
#include "Widget.h"

#include <QApplication>
#include <QDir>
#include <QQuickItem>
#include <QTest>

namespace {

struct Failure
{
    QString what;
};

void check(bool ok, const char *what)
{
    if (!ok)
        throw Failure{QString::fromLatin1(what)};
}

class Session
{
public:
    Session(int skin, int language, const QString &folder)
        : m_folder(folder)
    {
        K3Emulator::instance().reset();
        // A Spanish keyboard goes with the Spanish interface.
        K3Emulator::instance().update(
                [language](K3State &state) { state.layout = uchar(language); });
        if (!m_driver.start())
            throw Failure{m_driver.error()};
        QObject *settings = m_driver.root()->property("page_Globalsetting").value<QObject *>();
        check(settings, "no global settings page");
        QMetaObject::invokeMethod(settings, "chooseSkin", Q_ARG(QVariant, skin));
        QMetaObject::invokeMethod(settings, "chooseLanguage", Q_ARG(QVariant, language));
        check(m_driver.openPage(1), "the macro page does not open");
        m_page = m_driver.macroPage();
    }

    QQuickItem *item(const char *name) const
    {
        QQuickItem *found = SceneDriver::child(m_page, name);
        check(found, name);
        return found;
    }

    void selectMacro(const QString &name)
    {
        check(m_driver.click(SceneDriver::textItem(item("macroList"), name)), "no such macro row");
    }

    void clickStep(int index)
    {
        QQuickItem *row = nullptr;
        QMetaObject::invokeMethod(item("stepList"), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row),
                                  Q_ARG(int, index));
        check(m_driver.click(row), "no such step row");
    }

    void save(const QString &name)
    {
        QTest::qWait(900);
        const QString path = QDir(m_folder).filePath(name);
        check(m_driver.program().window().grab().save(path), "cannot write the screenshot");
        qInfo("%s", qPrintable(path));
    }

    SceneDriver &driver() { return m_driver; }

private:
    QString m_folder;
    SceneDriver m_driver;
    QQuickItem *m_page = nullptr;
};

// The editor with a macro, a selected step, a key in the key field and a tooltip.
void editorView(int skin, int language, const QString &folder)
{
    Session session(skin, language, folder);
    session.selectMacro(QStringLiteral("Macro. 004"));
    session.clickStep(4);
    session.driver().click(session.item("keyField"));
    session.driver().typeKeys({QStringLiteral("Return")});
    session.driver().hover(session.item("recordButton"));
    session.save(QStringLiteral("macro-skin%1-%2.png").arg(skin).arg(language == 0 ? "en" : "es"));
}

void workingViews(const QString &folder)
{
    Session session(1, 0, folder);
    session.selectMacro(QStringLiteral("Macro. 006"));
    QQuickItem *list = session.item("macroList");
    session.driver().click(SceneDriver::textItem(list, QStringLiteral("Macro. 002")), 3);
    session.save(QStringLiteral("macro-context-menu.png"));

    QQuickItem *menu = session.item("contextMenu");
    session.driver().click(SceneDriver::textItem(menu, session.driver().strings().value(112)));
    session.driver().typeKeys({QStringLiteral("P"), QStringLiteral("a"), QStringLiteral("s"),
                               QStringLiteral("t"), QStringLiteral("e")});
    session.save(QStringLiteral("macro-rename.png"));
    session.driver().typeKeys({QStringLiteral("Escape")});

    session.driver().click(session.item("recordButton"));
    session.driver().typeKeys({QStringLiteral("shift+h"), QStringLiteral("i"),
                               QStringLiteral("space"), QStringLiteral("Return")});
    session.driver().hover(session.item("stopButton"));
    session.save(QStringLiteral("macro-recording.png"));
    session.driver().click(session.item("stopButton"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        qCritical("usage: macro_screenshots <output folder>");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(folder);
    try {
        for (int skin : {1, 2}) {
            for (int language : {0, 1})
                editorView(skin, language, folder);
        }
        workingViews(folder);
    } catch (const Failure &failure) {
        qCritical("macro_screenshots: %s", qPrintable(failure.what));
        return 1;
    }
    return 0;
}
