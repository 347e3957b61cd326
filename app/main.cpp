#include <QApplication>

#include "command_line.h"
#include "form1.h"
#include "toolkit_texts.h"
#include "translation.h"
#include "user_languages.h"
#include "window_system_startup.h"

int main(int argc, char* argv[]) {
    // Once, before any text: --help and the complaints are read in it too.
    ranktally::UseLanguage(ranktally::MatchLanguage(ranktally::UserLanguages()));
    if (const auto status = ranktally::AnswerCommandLine(argc, argv)) {
        return *status;
    }
    ranktally::WindowSystemStartup startup;
    QApplication application(argc, argv);
    startup.Succeeded();
    // Loaded now rather than before the first context menu: it costs about 30,000 instructions
    // and 50 KB of a start-up of 66 million and 26 MB, and every text of Qt's is then translated
    // from the first, including what Qt tells a screen reader.
    ranktally::TranslateToolkitTexts();
    // Lets desktops match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(RANKTALLY_APP_ID));
    Form1 window;
    window.show();
    return application.exec();
}
