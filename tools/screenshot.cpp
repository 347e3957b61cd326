#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <cstdio>

#include "form1.h"
#include "translation.h"
#include "user_languages.h"

namespace {

void Pick(Form1& window, const char* selector, const QString& entry) {
    auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(selector));
    const int index = combo->findText(entry);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

// Grabs the real window, with a typical climb picked, into the PNG named on the command line, in
// the user's language as the program shows it.
int main(int argc, char* argv[]) {
    ranktally::UseLanguage(ranktally::MatchLanguage(ranktally::UserLanguages()));
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    Form1 window;
    Pick(window, "CurrentLevelCombo", QStringLiteral("150"));
    Pick(window, "TargetLevelCombo", QStringLiteral("200"));
    Pick(window, "HourPlayCombo", QStringLiteral("8"));
    window.findChild<QLineEdit*>(QStringLiteral("SKTextBox"))->setText(QStringLiteral("50000"));
    window.show();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
