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
#elif defined(RANKTALLY_FLOOR_WINDOW)
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "form_design.h"
#include "translation.h"
#include "user_languages.h"
// The toolkit's own cost for the calculator's sixteen controls and the plan's link: the same plain
// widgets with their texts, in the user's language, and list entries, at the design's places;
// nothing fitted, measured, made accessible or computed.
class Window : public QWidget {
public:
    Window() {
        QStringList levels;
        for (int entry = 1; entry <= 220; ++entry) {
            levels.append(QString::number(entry));
        }
        const QStringList hours = levels.mid(0, 24);
        for (const ranktally::ControlDesign& design : ranktally::kForm1Controls) {
            const std::string_view source = ranktally::Translated(design.text);
            const QString text = QString::fromUtf8(source.data(), qsizetype(source.size()));
            QWidget* control = nullptr;
            switch (design.kind) {
                case ranktally::ControlKind::Selector: {
                    auto* combo = new QComboBox(this);
                    combo->addItems(design.name == "HourPlayCombo" ? hours : levels);
                    control = combo;
                    break;
                }
                case ranktally::ControlKind::RateBox:
                case ranktally::ControlKind::ResultBox: {
                    auto* box = new QLineEdit(text, this);
                    box->setReadOnly(design.kind == ranktally::ControlKind::ResultBox);
                    control = box;
                    break;
                }
                default:
                    control = new QLabel(text, this);
                    break;
            }
            control->setGeometry(design.rect.left / 15, design.rect.top / 15,
                                 design.rect.width / 15, design.rect.height / 15);
        }
        // The credit's corner also shows the plan's link: its text, as a plain label under the
        // credit's.
        const std::string_view link = ranktally::Translated(ranktally::kPlanLinkText);
        const ranktally::TwipsRect& corner = ranktally::DesignOf("Label1").rect;
        auto* label = new QLabel(QString::fromUtf8(link.data(), qsizetype(link.size())), this);
        label->setGeometry(corner.left / 15, (corner.top + corner.height / 2) / 15,
                           corner.width / 15, corner.height / 2 / 15);
        setFixedSize(222, 160);
    }
};
#else
#include "form1.h"
#include "toolkit_texts.h"
#include "translation.h"
#include "user_languages.h"
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

// The program's own start-up, the same for the calculator window and for an empty Qt window; the
// calculator and the floor choose the language as the program does.
int main(int argc, char* argv[]) {
#if !defined(RANKTALLY_EMPTY_WINDOW) && !defined(RANKTALLY_LABEL_WINDOW)
    ranktally::UseLanguage(ranktally::MatchLanguage(ranktally::UserLanguages()));
#endif
    QApplication application(argc, argv);
#if !defined(RANKTALLY_EMPTY_WINDOW) && !defined(RANKTALLY_LABEL_WINDOW) && \
    !defined(RANKTALLY_FLOOR_WINDOW)
    ranktally::TranslateToolkitTexts();
#endif
    Window window;
    EndAfterFirstPaint end;
    window.installEventFilter(&end);
    window.show();
    return application.exec();
}
