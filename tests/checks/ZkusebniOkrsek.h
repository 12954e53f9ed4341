#pragma once

// A small station on disk and a results record that passes every check, for the
// tests and the benchmark; each test then breaks exactly what it is about.
#include "../store/VzorovyOkrsek.h"
#include "Chyby.h"
#include "Dopocty.h"
#include "Hlasovani.h"
#include "Kontroly.h"
#include "Okrsek.h"
#include "Reference.h"
#include "Soubory.h"
#include "Stanice.h"

#include <QDir>
#include <QList>
#include <QRegularExpression>
#include <QString>

struct TParametryStanice
{
    int PocetStran = 3;
    int PocetKand = 10;
    qint32 ZapsOsobyRef = 1000;
    QString PocetMandatu = QStringLiteral("15");
    QString KodObce = QStringLiteral("500011");
    bool DvaTypy = false;
    QList<int> KandidatuStran = {}; // per party; empty: PocetKand each
};

// The largest list the records hold: 45 parties of 70 candidates.
inline TParametryStanice NejvetsiStanice()
{
    TParametryStanice p;
    p.PocetStran = 45;
    p.PocetKand = 70;
    return p;
}

inline TAdresare VytvorStanici(const QString &adresar, const TParametryStanice &p = {})
{
    TAdresare adr;
    adr.AdrInstalace = adr.AdrStanice = adresar + u'/';
    adr.AdrData = adr.AdrStanice + QStringLiteral("data/");
    QDir().mkpath(adr.AdrData);

    TStaniceRec s;
    s.NazevObce = QStringLiteral("Zkušebná");
    s.KodObce = p.KodObce;
    s.CisloOkrsku = 1;
    s.KodOkresu = QStringLiteral("3701");
    s.DatumVoleb = QStringLiteral("09.10.2026 - 10.10.2026");
    s.KodWindows = QStringLiteral("18");
    Soubory::UlozAtomicky(adr.AdrStanice + QStringLiteral("STANICE.RCD"), ZakodujStanici(s));

    QByteArray okrsky;
    for (int typ = 1; typ <= (p.DvaTypy ? 2 : 1); ++typ) {
        TOkrsekRefRec o;
        o.KodObce = p.KodObce;
        o.CisloOkrsku = 1;
        o.TypZastup = QString::number(typ);
        o.NazevObce = s.NazevObce;
        o.KodObceZast = typ == 1 ? p.KodObce : QStringLiteral("500012");
        o.NazevZast = QStringLiteral("Zastupitelstvo");
        o.CObvodu = QStringLiteral("1");
        o.PocetMandatu = p.PocetMandatu;
        o.PocetStranZast = QString::number(p.PocetStran);
        o.Priznak = QStringLiteral("0");
        o.JeObvod = QStringLiteral("N");
        o.KodOkresu = s.KodOkresu;
        okrsky += ZakodujOkrsekRef(o);
    }
    Soubory::UlozAtomicky(adr.AdrStanice + QStringLiteral("OKRSKY.RCD"), okrsky);

    QByteArray strany, kandidati;
    for (int a = 1; a <= p.PocetStran; ++a) {
        TStranaRec st;
        st.KodObceZast = p.KodObce;
        st.CObvodu = QStringLiteral("1");
        st.PorCislo = QString::number(a);
        st.NazevZkr = QStringLiteral("S%1").arg(a);
        st.Nazev = QStringLiteral("Strana %1").arg(a);
        const int kandidatu =
            p.KandidatuStran.isEmpty() ? p.PocetKand : p.KandidatuStran.value(a - 1);
        st.PocetKand = QString::number(kandidatu);
        strany += ZakodujStranu(st);
        for (int k = 1; k <= kandidatu; ++k) {
            TKandidatRec kd;
            kd.KodObceZast = p.KodObce;
            kd.CObvodu = QStringLiteral("1");
            kd.PorCisloStrany = QString::number(a);
            kd.PorCisloKand = QString::number(k);
            kd.Jmeno = QStringLiteral("Jan");
            kd.Prijmeni = QStringLiteral("Novák %1").arg(k);
            kd.Platnost = QStringLiteral("A");
            kandidati += ZakodujKandidata(kd);
        }
    }
    Soubory::UlozAtomicky(adr.AdrStanice + QStringLiteral("STRANY.RCD"), strany);
    Soubory::UlozAtomicky(adr.AdrStanice + QStringLiteral("KANDIDAT.RCD"), kandidati);

    TVoliciRefRec r;
    r.KodObce = p.KodObce;
    r.CisloOkrsku = 1;
    r.ZapsOsobyRef = p.ZapsOsobyRef;
    Soubory::UlozAtomicky(adr.AdrInstalace + QStringLiteral("KVRVOK.RCD"), ZakodujVoliceRef(r));
    Soubory::UlozAtomicky(adr.AdrInstalace + QStringLiteral("CISCHYB.RCD"), VlastniCiselnik());

    THlasovaniRec h;
    h.ClenuOVKC = QStringLiteral("7");
    h.ClenuOVKP = QStringLiteral("5");
    h.Zapisovat = QStringLiteral("Eva Dvořáková");
    h.PoverPred = QStringLiteral("Petr Malý");
    UlozHlasovani(adr.AdrData, h);
    UlozKomisi(adr.AdrData, {{QStringLiteral("A")},
                             {QStringLiteral("B")},
                             {QStringLiteral("C")},
                             {QStringLiteral("D")}});
    Soubory::UlozAtomicky(adr.AdrData + QStringLiteral("INFOK83.RCD"), QByteArray());
    return adr;
}

// Recomputes every derived field the way the entry window does.
inline void Dopocti(TVysledky &v, int pocetStran)
{
    TOkrsekRec &h = v.VetaT3;
    h.T3KC_1 = quint16(KontrolniCislo1(h.Obec, h.Okrsek));
    h.Pocet_VS = quint16(pocetStran);
    h.Poc_VS_HL = 0;
    for (int a = 1; a <= pocetStran; ++a) {
        TStranaHLRec &s = v.StranyHL[std::size_t(a)];
        DopoctiStranu(s, h, a);
        h.Poc_VS_HL += s.PocHl > 0 || s.HLPoslKand > 0;
    }
    h.T3KC_2 = h.TypZastup + h.ZapsOsoby + h.VydObalky + h.OdevzdObalky + h.PlatneHlasy +
               h.Pocet_VS + h.Poc_VS_HL;
    TStaniceRec s;
    s.KodWindows = QStringLiteral("18");
    const QString seznam = v.VetaTS.SeznamChyb;
    ProcDopoctiTS(v, pocetStran, s, QDateTime(QDate(2026, 10, 10), QTime(14, 5, 9)), 4242);
    v.VetaTS.SeznamChyb = seznam;
}

// Every candidate gets `hlasu` votes; the counts of section II fit them.
inline TVysledky PlatnyOkrsek(int pocetStran = 3, int pocetKand = 10, quint16 hlasu = 250)
{
    TVysledky v = OkrsekJedna();
    TOkrsekRec &h = v.VetaT3;
    h.ZapsOsoby = 1000;
    h.VydObalky = 700;
    h.OdevzdObalky = 690;
    for (int a = 1; a <= pocetStran; ++a) {
        for (int k = 1; k <= pocetKand; ++k)
            v.StranyHL[std::size_t(a)].HlasyKand[std::size_t(k)] = hlasu;
    }
    h.PlatneHlasy = pocetStran * pocetKand * hlasu;
    Dopocti(v, pocetStran);
    return v;
}

inline TOkrsekRefRec KlicOkrsku(int typ = 1, const QString &kodObce = QStringLiteral("500011"))
{
    TOkrsekRefRec k;
    k.KodObce = kodObce;
    k.CisloOkrsku = 1;
    k.TypZastup = QString::number(typ);
    return k;
}

// Applies edits "VetaT3.Pole=n" and "StranyHL[k].HlasyKand[i]=n", named as the
// differences name their fields.
inline void Uprav(TVysledky &v, const QStringList &upravy)
{
    static const QRegularExpression strana(
        QStringLiteral(R"(^StranyHL\[(\d+)\]\.HlasyKand\[(\d+)\]=(\d+)$)"));
    for (const QString &u : upravy) {
        const auto m = strana.match(u);
        if (m.hasMatch()) {
            v.StranyHL[m.captured(1).toUInt()].HlasyKand[m.captured(2).toUInt()] =
                quint16(m.captured(3).toUInt());
            continue;
        }
        const QString pole = u.section(u'=', 0, 0);
        const qint32 n = u.section(u'=', 1).toInt();
        TOkrsekRec &h = v.VetaT3;
        if (pole == u"VetaT3.ZapsOsoby")
            h.ZapsOsoby = n;
        else if (pole == u"VetaT3.VydObalky")
            h.VydObalky = quint16(n);
        else if (pole == u"VetaT3.OdevzdObalky")
            h.OdevzdObalky = quint16(n);
        else if (pole == u"VetaT3.PlatneHlasy")
            h.PlatneHlasy = n;
        else
            qFatal("unknown edit %s", qPrintable(u));
    }
}
