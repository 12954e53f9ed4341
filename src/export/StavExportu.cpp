#include "StavExportu.h"

#include "Denik.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString ZacatekZaznamuExportu(int typ)
{
    return u"export: typ zastupitelstva %1,"_s.arg(typ);
}

bool ExportZastaral(const TAdresare &adr, const TStaniceRec &stanice, int typ)
{
    const QString stav = (typ == 1 ? stanice.Stav1 : stanice.Stav2).trimmed();
    if (stav != u"N")
        return false;
    const QString cesta = adr.AdrStanice + Denik::JmenoSouboru;
    // Only a regular file is read: a FIFO in its place would never answer.
    if (!QFileInfo(cesta).isFile())
        return false;
    QFile denik(cesta);
    if (!denik.open(QIODevice::ReadOnly))
        return false;
    const QByteArray hledany = ZacatekZaznamuExportu(typ).toUtf8();
    while (!denik.atEnd()) {
        if (denik.readLine().contains(hledany))
            return true;
    }
    return false;
}

QString TextZastaralehoExportu(const TAdresare &adr, const TStaniceRec &stanice,
                               const QList<int> &typy)
{
    QStringList zastarale;
    for (const int typ : typy) {
        if (ExportZastaral(adr, stanice, typ))
            zastarale.append(QString::number(typ));
    }
    if (zastarale.isEmpty())
        return {};
    return u"Export není aktuální: data typu zastupitelstva %1 se od exportu změnila. Zopakujte "
           u"export a tisk zápisu."_s.arg(zastarale.join(u" a "_s));
}
