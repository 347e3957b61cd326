#include <QApplication>

#include "command_line.h"
#include "form1.h"
#include "window_system_startup.h"

int main(int argc, char* argv[]) {
    if (const auto status = ranktally::AnswerCommandLine(argc, argv)) {
        return *status;
    }
    ranktally::WindowSystemStartup startup;
    QApplication application(argc, argv);
    startup.Succeeded();
    // Lets desktops match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(RANKTALLY_APP_ID));
    Form1 window;
    window.show();
    return application.exec();
}
