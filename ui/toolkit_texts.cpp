#include "toolkit_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "qt_text.h"
#include "translation.h"

namespace ranktally {

void TranslateToolkitTexts() {
    static const Language* translatedTo = &Languages().front();
    static QPointer<QTranslator> installed;
    const Language& language = LanguageInUse();
    if (&language == translatedTo) {
        return;
    }
    translatedTo = &language;
    delete installed;  // removes itself from the application
    if (!language.shipped || &language == &Languages().front()) {
        return;
    }
    // Qt's catalogues are named with "_" between language and region: qtbase_pt_BR.qm.
    const QString name = QStringLiteral("qtbase_") + ToQString(language.tag).replace(u'-', u'_');
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

}  // namespace ranktally
