#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace ranktally {
namespace {

constexpr const char* kHelp =
    "Usage: ranktally [options]\n"
    "Work out the points, hours and days a level climb takes.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n"
    "\n"
    "Qt's options, such as -platform NAME, -style NAME and -reverse, are accepted too.\n";

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
        std::fprintf(stderr, "ranktally: %s Try 'ranktally --help'.\n",
                     qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("ranktally %s\n", RANKTALLY_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr,
                     "ranktally: takes no arguments, but was given '%s'. Try 'ranktally --help'.\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 2;
    }
    return std::nullopt;
}

}  // namespace ranktally
