#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace taleno {

CTranslations::CTranslations(const QLocale& locale) {
    if (program.load(locale, QStringLiteral("taleno"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&program);
        language = QFileInfo(program.filePath()).baseName().section(QLatin1Char('_'), 1, -1);
    }
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
}

CTranslations::~CTranslations() {
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
}

}  // namespace taleno
