#pragma once

#include "NavstevaPole.h"

#include "Adresare.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

// OKRSKY.RCD: one precinct of one council type. Also the current precinct key.
struct TOkrsekRefRec
{
    static constexpr int Velikost = 148;
    QString KodObce;
    qint32 CisloOkrsku = 0;
    QString TypZastup;
    QString NazevObce;
    QString KodObceZast;
    QString NazevZast;
    QString CObvodu;
    QString PocetMandatu;
    QString PocetStranZast;
    QString Priznak;
    QString Rezerva;
    QString JeObvod;
    QString KodOkresu;
    QString NazevOkresu;
};

// STRANY.RCD: one party standing.
struct TStranaRec
{
    static constexpr int Velikost = 169;
    QString KodObceZast;
    QString CObvodu;
    QString PorCislo;
    QString NazevZkr;
    QString Nazev;
    QString PocetKand;
};

// KANDIDAT.RCD: one candidate.
struct TKandidatRec
{
    static constexpr int Velikost = 95;
    QString KodObceZast;
    QString CObvodu;
    QString PorCisloStrany;
    QString PorCisloKand;
    QString Jmeno;
    QString Prijmeni;
    QString Rezerva;
    QString Platnost;

    // The name as the printouts show it, whole.
    QString CeleJmeno() const { return Jmeno.trimmed() + u' ' + Prijmeni.trimmed(); }
};

// KVRVOK.RCD: reference count of persons on the voter list of a precinct.
struct TVoliciRefRec
{
    static constexpr int Velikost = 16;
    QString KodObce;
    qint32 CisloOkrsku = 0;
    qint32 ZapsOsobyRef = 0;
};

inline constexpr int MaxStran = 45;
inline constexpr int MaxKandidatu = 70;
// Candidates 1 to this number are typed on the ballot page, the rest on its continuation.
inline constexpr int KandidatuNaPrvniStrance = 34;

// The party list and candidate table of the current council, indexed from 1.
struct TReference
{
    std::array<TStranaRec, MaxStran + 1> SeznamStran; // [1..PocetStranSeznamu]
    qint32 PocetStranSeznamu = 0;
    // [party 1..45][candidate 1..70]; allocated once, reused by every load.
    std::vector<std::array<TKandidatRec, MaxKandidatu + 1>> Kandidati =
        std::vector<std::array<TKandidatRec, MaxKandidatu + 1>>(MaxStran + 1);
    qint32 PocetPlatnychKand = 0;
};

// Each operation opens its file, scans it from the first record and closes it.
// Missing or damaged files and non-numeric compared fields raise EChyba.
bool NajdiOkrsek(const TAdresare &adr, TOkrsekRefRec &klic);
bool ExistujeObec(const TAdresare &adr, const QString &kodObce);
void NactiStrany(const TAdresare &adr, TOkrsekRefRec klic, TReference &ref);
void NactiKandidaty(const TAdresare &adr, TOkrsekRefRec klic, TReference &ref);
qint32 ZapsOsobyRef(const TAdresare &adr, const QString &kodObce, qint32 cisloOkrsku);

// Record codecs (also used by the station tool). Encoders throw EChyba naming the
// record and field when a text does not fit.
// Every string field of a record (the numbers of TOkrsekRefRec are not strings).
void ProPoleRetezcu(TOkrsekRefRec &r, const TNavstevaPole &f);
void ProPoleRetezcu(TStranaRec &r, const TNavstevaPole &f);
void ProPoleRetezcu(TKandidatRec &r, const TNavstevaPole &f);

TOkrsekRefRec DekodujOkrsekRef(const QByteArray &zaznam);
QByteArray ZakodujOkrsekRef(const TOkrsekRefRec &r);
TStranaRec DekodujStranu(const QByteArray &zaznam);
QByteArray ZakodujStranu(const TStranaRec &r);
TKandidatRec DekodujKandidata(const QByteArray &zaznam);
QByteArray ZakodujKandidata(const TKandidatRec &r);
TVoliciRefRec DekodujVoliceRef(const QByteArray &zaznam);
QByteArray ZakodujVoliceRef(const TVoliciRefRec &r);
