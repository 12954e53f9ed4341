#pragma once

// Builds small installations for the shell tests with the store's own encoders.
#include "Reference.h"
#include "Stanice.h"

#include <QDir>
#include <QFile>
#include <QList>

namespace Instalace {

inline void ZapisSoubor(const QString &cesta, const QByteArray &obsah)
{
    QFile f(cesta);
    if (!f.open(QIODevice::WriteOnly) || f.write(obsah) != obsah.size())
        qFatal("cannot write %s", qPrintable(cesta));
}

inline TStaniceRec Stanice()
{
    TStaniceRec s;
    s.NazevObce = QStringLiteral("Žďárek nad Úhlavou");
    s.KodObce = QStringLiteral("598761");
    s.CisloOkrsku = 3;
    s.KodOkresu = QStringLiteral("3714");
    s.NazevOkresu = QStringLiteral("Šumavské Podhůří");
    s.DatumVoleb = QStringLiteral("09.10.2026 - 10.10.2026");
    s.KodWindows = QStringLiteral("18");
    return s;
}

inline TOkrsekRefRec Okrsek(const QString &kodObce, qint32 cislo, int typ)
{
    TOkrsekRefRec r;
    r.KodObce = kodObce;
    r.CisloOkrsku = cislo;
    r.TypZastup = QString::number(typ);
    r.NazevObce = QStringLiteral("Žďárek nad Úhlavou");
    r.KodObceZast = typ == 1 ? kodObce : QStringLiteral("598771");
    r.NazevZast = typ == 1 ? QStringLiteral("Zastupitelstvo obce")
                           : QStringLiteral("Zastupitelstvo městské části");
    r.CObvodu = QStringLiteral("1");
    r.PocetMandatu = QStringLiteral("15");
    r.PocetStranZast = QStringLiteral("1");
    r.Priznak = QStringLiteral("0");
    r.JeObvod = QStringLiteral("N");
    r.KodOkresu = QStringLiteral("3714");
    r.NazevOkresu = QStringLiteral("Šumavské Podhůří");
    return r;
}

// A station for `stanice` whose OKRSKY.RCD lists its precinct with the given council
// types (plus an unrelated precinct, so the file is never empty), one party and one
// candidate for each type, and an empty data directory.
inline void Vytvor(const QString &adrStanice, const TStaniceRec &stanice, const QList<int> &typy)
{
    QDir().mkpath(adrStanice + QStringLiteral("data"));
    ZapisSoubor(adrStanice + QStringLiteral("STANICE.RCD"), ZakodujStanici(stanice));
    QByteArray okrsky = ZakodujOkrsekRef(Okrsek(stanice.KodObce, stanice.CisloOkrsku + 1, 1));
    QByteArray strany;
    QByteArray kandidati;
    for (const int typ : typy) {
        const TOkrsekRefRec o = Okrsek(stanice.KodObce, stanice.CisloOkrsku, typ);
        okrsky += ZakodujOkrsekRef(o);
        TStranaRec s;
        s.KodObceZast = o.KodObceZast;
        s.CObvodu = o.CObvodu;
        s.PorCislo = QStringLiteral("001");
        s.NazevZkr = QStringLiteral("Sdružení");
        s.Nazev = QStringLiteral("Sdružení nezávislých");
        s.PocetKand = QStringLiteral("1");
        strany += ZakodujStranu(s);
        TKandidatRec k;
        k.KodObceZast = o.KodObceZast;
        k.CObvodu = o.CObvodu;
        k.PorCisloStrany = QStringLiteral("1");
        k.PorCisloKand = QStringLiteral("1");
        k.Jmeno = QStringLiteral("Jana");
        k.Prijmeni = QStringLiteral("Nováková");
        k.Platnost = QStringLiteral("A");
        kandidati += ZakodujKandidata(k);
    }
    ZapisSoubor(adrStanice + QStringLiteral("OKRSKY.RCD"), okrsky);
    ZapisSoubor(adrStanice + QStringLiteral("STRANY.RCD"), strany);
    ZapisSoubor(adrStanice + QStringLiteral("KANDIDAT.RCD"), kandidati);
    // The first show reads the error catalogue; an empty one is enough here.
    ZapisSoubor(adrStanice + QStringLiteral("CISCHYB.RCD"), QByteArray());
}

} // namespace Instalace
