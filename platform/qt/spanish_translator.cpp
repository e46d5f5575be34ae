// Loads "qtbase_es" from Qt's translations folder.
#include "platform/qt/spanish_translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace gus {

bool installSpanishTranslator(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_es"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace gus
