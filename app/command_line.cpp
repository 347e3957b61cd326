#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <string>

#include "translation.h"

namespace ranktally {
namespace {

// TRANSLATORS: keep the option names (-h, --help, -v, --version, -platform, -style, -reverse)
// and NAME as they are.
constexpr std::string_view kHelp =
    N_("Usage: ranktally [options]\n"
       "Work out the points, hours and days a level climb takes.\n"
       "\n"
       "Options:\n"
       "  -h, --help     Show this help and exit.\n"
       "  -v, --version  Show the version and exit.\n"
       "\n"
       "Qt's options, such as -platform NAME, -style NAME and -reverse, are accepted too.\n");

// The options QGuiApplication, QApplication and their platform plugins read and take out of the
// arguments, with a value and without one.
const char* const kQtOptionsWithValue[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "geometry",
                                           "qwindowtitle",
                                           "title",
                                           "qwindowicon",
                                           "icon",
                                           "session",
                                           "style",
                                           "stylesheet",
                                           "display",
                                           "name",
                                           "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "testability",
                                "nograb",  "dograb",      "sync"};

void Complain(const std::string& complaint) {
    std::fprintf(stderr, "ranktally: %s\n", complaint.c_str());
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser parser;
    // Qt's own options are written with one dash and a whole word.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    }
    for (const char* name : kQtFlags) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }

    if (!parser.parse(arguments)) {
        const std::string reason = parser.errorText().toStdString();
        // TRANSLATORS: %1 is Qt's own reason, such as "Unknown option 'bogus'.".
        Complain(Filled(Translated(N_("%1 Try 'ranktally --help'.")), {reason}));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(std::string(Translated(kHelp)).c_str(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("ranktally %s\n", RANKTALLY_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        const std::string argument = parser.positionalArguments().constFirst().toStdString();
        Complain(Filled(
            Translated(N_("takes no arguments, but was given '%1'. Try 'ranktally --help'.")),
            {argument}));
        return 2;
    }
    return std::nullopt;
}

}  // namespace ranktally
