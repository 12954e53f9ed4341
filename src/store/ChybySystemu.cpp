#include "ChybySystemu.h"

#include <cerrno>
#include <cstring>

QString PopisChybySystemu(int cislo)
{
    switch (cislo) {
    case ENOENT:
        return QStringLiteral("soubor nebo adresář neexistuje");
    case EACCES:
        return QStringLiteral("přístup odepřen (chybí oprávnění)");
    case EPERM:
        return QStringLiteral("operace není povolena");
    case ENOSPC:
        return QStringLiteral("na disku není volné místo");
    case EDQUOT:
        return QStringLiteral("překročena disková kvóta");
    case EIO:
        return QStringLiteral("chyba čtení nebo zápisu na zařízení");
    case EROFS:
        return QStringLiteral("disk je jen pro čtení");
    case EEXIST:
        return QStringLiteral("soubor už existuje");
    case ENOTDIR:
        return QStringLiteral("část cesty není adresář");
    case EISDIR:
        return QStringLiteral("jde o adresář, ne o soubor");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("příliš mnoho otevřených souborů");
    case EBUSY:
        return QStringLiteral("zařízení nebo soubor je používán");
    case ENAMETOOLONG:
        return QStringLiteral("název souboru je příliš dlouhý");
    case ENOTEMPTY:
        return QStringLiteral("adresář není prázdný");
    case EXDEV:
        return QStringLiteral("přesun mezi různými disky není možný");
    case EFBIG:
        return QStringLiteral("soubor je příliš velký");
    case ELOOP:
        return QStringLiteral("příliš mnoho symbolických odkazů v cestě");
    case ENODEV:
    case ENXIO:
        return QStringLiteral("zařízení není připojeno");
    case ENOMEM:
        return QStringLiteral("nedostatek paměti");
    case EINVAL:
        return QStringLiteral("neplatný argument");
    case EINTR:
        return QStringLiteral("operace byla přerušena signálem; zopakujte ji");
    case EAGAIN:
        return QStringLiteral("prostředek je dočasně nedostupný; zopakujte akci za chvíli");
    default:
        return QStringLiteral("chyba systému č. %1 (%2)")
            .arg(cislo)
            .arg(QString::fromLocal8Bit(std::strerror(cislo)));
    }
}
