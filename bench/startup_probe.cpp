#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

#if defined(RANKTALLY_EMPTY_WINDOW)
#include <QWidget>
using Window = QWidget;
#elif defined(RANKTALLY_LABEL_WINDOW)
#include <QLabel>
// The least a window with any text costs: Qt's font machinery comes with the first text.
class Window : public QLabel {
public:
    Window() : QLabel(QStringLiteral("Ranktally")) {}
};
#else
#include "form1.h"
using Window = Form1;
#endif

namespace {

// Ends the process as soon as the first paint of the window is done, printing its peak memory,
// so that the parent's wall-clock time runs from process start to the window shown.
class EndAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }
};

}  // namespace

// The program's own start-up, the same for the calculator window and for an empty Qt window.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Window window;
    EndAfterFirstPaint end;
    window.installEventFilter(&end);
    window.show();
    return application.exec();
}
