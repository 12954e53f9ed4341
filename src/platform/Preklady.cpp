#include "Preklady.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool NactiCeskePreklady(QCoreApplication &aplikace)
{
    const QLocale cesky(QLocale::Czech, QLocale::CzechRepublic);
    QLocale::setDefault(cesky);
    auto *preklad = new QTranslator(&aplikace);
    if (!preklad->load(cesky, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete preklad;
        return false;
    }
    aplikace.installTranslator(preklad);
    return true;
}
