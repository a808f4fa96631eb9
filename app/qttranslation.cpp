#include "app/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QTranslator* InstallQtTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
