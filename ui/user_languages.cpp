#include "user_languages.h"

#include <QLocale>
#include <QStringList>

namespace ranktally {

std::vector<std::string> UserLanguages() {
    // The system's, not the default locale's: a program or a test may set that one for the
    // figures alone.
    const QStringList languages = QLocale::system().uiLanguages();
    std::vector<std::string> tags;
    tags.reserve(static_cast<std::size_t>(languages.size()));
    for (const QString& language : languages) {
        tags.push_back(language.toStdString());
    }
    return tags;
}

}  // namespace ranktally
