#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace {

// The lighting page's built-in effects in code order, then its five user pictures (0x33..).
const char *const kEffectNames[] = {
        "static",         "breathing",          "wave", "induction-darken", "marquee",
        "ripple",         "induction-brighten", "neon", "marquee-colorful", "raining",
        "marquee-circle", "spotlight"};
constexpr int kPictureFirst = 0x33;
constexpr int kPictureCount = 5;
constexpr int kLevelMax = 7;
constexpr int kDeviceBrightnessMax = 63;

struct Options
{
    QCommandLineOption status{QStringLiteral("status"),
                              QStringLiteral("Show the keyboard's state.")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("With --status: print it as JSON.")};
    QCommandLineOption profile{QStringLiteral("profile"),
                               QStringLiteral("Switch the keyboard to profile N (1-4)."),
                               QStringLiteral("N")};
    QCommandLineOption apply{
            QStringLiteral("apply-profile"),
            QStringLiteral("Send stored profile N to the keyboard, as ALL SAVE does (needs the "
                           "running window)."),
            QStringLiteral("N")};
    QCommandLineOption exportProfile{QStringLiteral("export-profile"),
                                     QStringLiteral("Write a copy of stored profile N to FILE."),
                                     QStringLiteral("N")};
    QCommandLineOption importProfile{QStringLiteral("import-profile"),
                                     QStringLiteral("Replace stored profile N with FILE."),
                                     QStringLiteral("N")};
    QCommandLineOption reset{QStringLiteral("reset-profile"),
                             QStringLiteral("Replace stored profile N with the default profile."),
                             QStringLiteral("N")};
    QCommandLineOption effect{
            QStringLiteral("effect"),
            QStringLiteral("Set the current profile's lighting effect: a name (static, breathing, "
                           "wave, ..., user-1 to user-5) or a code."),
            QStringLiteral("NAME|NUMBER")};
    QCommandLineOption brightness{QStringLiteral("brightness"),
                                  QStringLiteral("With --effect: brightness 0-7."),
                                  QStringLiteral("0-7")};
    QCommandLineOption speed{QStringLiteral("speed"),
                             QStringLiteral("With --effect: speed 0-7, larger is slower."),
                             QStringLiteral("0-7")};
    QCommandLineOption direction{QStringLiteral("direction"),
                                 QStringLiteral("With --effect: direction 0 or 1."),
                                 QStringLiteral("0-1")};
    QCommandLineOption colour{
            QStringLiteral("colour"),
            QStringLiteral("With --effect: palette colour 0-6, or 7 for all in turn."),
            QStringLiteral("0-7")};
    QCommandLineOption minimized{QStringLiteral("minimized"),
                                 QStringLiteral("Start hidden in the tray.")};
};

// A whole number within [low, high], or -1.
int number(const QString &text, int low, int high, int base = 10)
{
    bool ok = false;
    const int value = text.toInt(&ok, base);
    return ok && value >= low && value <= high ? value : -1;
}

int effectCode(const QString &text)
{
    const QString name = text.toLower();
    for (int code = 0; code < int(std::size(kEffectNames)); ++code) {
        if (name == QLatin1String(kEffectNames[code]))
            return code;
    }
    for (int i = 0; i < kPictureCount; ++i) {
        if (name == QStringLiteral("user-%1").arg(i + 1))
            return kPictureFirst + i;
    }
    // Codes as the keyboard has them: 51 or 0x33.
    const int code = number(text, 0, 0xFF, 0);
    const bool known = (code >= 0 && code < int(std::size(kEffectNames)))
                       || (code >= kPictureFirst && code < kPictureFirst + kPictureCount);
    return known ? code : -1;
}

class Reader
{
public:
    Reader(const QCommandLineParser &parser, Request &request)
        : m_parser(parser)
        , m_request(request)
    {}

    // A value option as a number within [low, high]; a reason in the request otherwise.
    int value(const QCommandLineOption &option, int low, int high)
    {
        const QString text = m_parser.value(option);
        const int n = number(text, low, high);
        if (n < 0)
            fail(QStringLiteral("--%1 takes %2 to %3, not '%4'")
                         .arg(option.names().first())
                         .arg(low)
                         .arg(high)
                         .arg(text));
        return n;
    }

    void fail(const QString &reason)
    {
        if (m_request.error.isEmpty())
            m_request.error = reason;
    }

private:
    const QCommandLineParser &m_parser;
    Request &m_request;
};

struct Parser
{
    Parser();

    Options o;
    QCommandLineParser parser;
};

Parser::Parser()
{
    parser.addHelpOption();
    parser.addVersionOption();
    parser.setApplicationDescription(
            QStringLiteral("Configures the K3 keyboard. Without options it opens the window; "
                           "with one, it asks the running window, or does the work itself "
                           "when none runs."));
    parser.addOptions({o.status, o.json, o.profile, o.apply, o.exportProfile, o.importProfile,
                       o.reset, o.effect, o.brightness, o.speed, o.direction, o.colour,
                       o.minimized});
    parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral("The profile file of --export-profile and --import-profile."),
            QStringLiteral("[FILE]"));
}

// --effect and the values that go with it, in the keyboard's units.
void readEffect(const Parser &p, Reader &read, Request &request)
{
    const Options &o = p.o;
    const QCommandLineParser &parser = p.parser;
    if (parser.isSet(o.effect)) {
        request.effect.type = effectCode(parser.value(o.effect));
        if (request.effect.type < 0)
            read.fail(QStringLiteral("--effect: unknown effect '%1'").arg(parser.value(o.effect)));
    }
    const QCommandLineOption *modifiers[] = {&o.brightness, &o.speed, &o.direction, &o.colour};
    for (const QCommandLineOption *option : modifiers) {
        if (parser.isSet(*option) && request.action != Request::Action::Effect)
            read.fail(QStringLiteral("--%1 only goes with --effect").arg(option->names().first()));
    }
    if (parser.isSet(o.brightness)) {
        const int level = read.value(o.brightness, 0, kLevelMax);
        request.effect.brightness = level < 0 ? level : level * (kDeviceBrightnessMax / kLevelMax);
    }
    if (parser.isSet(o.speed))
        request.effect.speed = read.value(o.speed, 0, kLevelMax);
    if (parser.isSet(o.direction))
        request.effect.direction = read.value(o.direction, 0, 1);
    if (parser.isSet(o.colour))
        request.effect.colour = read.value(o.colour, 0, kLevelMax);
}

} // namespace

QString commandLineHelp()
{
    return Parser().parser.helpText();
}

Request parseCommandLine(const QStringList &arguments)
{
    Request request;
    // Qt's own options (-platform xcb, -style ...) reach a plain start as they always did.
    const auto isOurs = [](const QString &argument) {
        return argument.startsWith(QLatin1String("--")) || argument == QLatin1String("-h")
               || argument == QLatin1String("-v") || argument == QLatin1String("-?");
    };
    const bool ours = std::any_of(arguments.begin() + std::min<qsizetype>(1, arguments.size()),
                                  arguments.end(), isOurs);
    if (!ours)
        return request;
    Parser p;
    const Options &o = p.o;
    const QCommandLineParser &parser = p.parser;
    if (!p.parser.parse(arguments)) {
        request.error = parser.errorText();
        return request;
    }

    // --help-all comes with the help option; it shows the same help here.
    const std::pair<QString, Request::Action> choices[] = {
            {QStringLiteral("help"), Request::Action::Help},
            {QStringLiteral("help-all"), Request::Action::Help},
            {QStringLiteral("version"), Request::Action::Version},
            {o.status.names().first(), Request::Action::Status},
            {o.profile.names().first(), Request::Action::Profile},
            {o.apply.names().first(), Request::Action::ApplyProfile},
            {o.exportProfile.names().first(), Request::Action::ExportProfile},
            {o.importProfile.names().first(), Request::Action::ImportProfile},
            {o.reset.names().first(), Request::Action::ResetProfile},
            {o.effect.names().first(), Request::Action::Effect}};
    Reader read(parser, request);
    QStringList chosen;
    for (const auto &[name, action] : choices) {
        if (parser.isSet(name)) {
            chosen.append(QStringLiteral("--") + name);
            request.action = action;
        }
    }
    if (chosen.size() > 1)
        read.fail(QStringLiteral("%1 cannot be combined").arg(chosen.join(QStringLiteral(", "))));

    request.minimized = parser.isSet(o.minimized);
    if (request.minimized && request.action != Request::Action::Start)
        read.fail(QStringLiteral("--minimized only goes with a plain start"));
    request.json = parser.isSet(o.json);
    if (request.json && request.action != Request::Action::Status)
        read.fail(QStringLiteral("--json only goes with --status"));

    const bool takesFile = request.action == Request::Action::ExportProfile
                           || request.action == Request::Action::ImportProfile;
    const QStringList positional = parser.positionalArguments();
    if (takesFile && positional.size() != 1)
        read.fail(QStringLiteral("%1 takes a profile number and one FILE").arg(chosen.value(0)));
    else if (!takesFile && !positional.isEmpty())
        read.fail(QStringLiteral("unexpected argument '%1'").arg(positional.first()));
    if (takesFile && positional.size() == 1)
        request.file = QFileInfo(positional.first()).absoluteFilePath();

    for (const QCommandLineOption *option :
         {&o.profile, &o.apply, &o.exportProfile, &o.importProfile, &o.reset}) {
        if (parser.isSet(*option))
            request.profile = read.value(*option, 1, 4) - 1;
    }

    readEffect(p, read, request);
    return request;
}
