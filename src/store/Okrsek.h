#pragma once

#include "Adresare.h"
#include "Reference.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// Header of the precinct results (record type 1).
struct TOkrsekRec
{
    quint16 TypVety = 0;
    quint16 Oprava = 0;
    quint16 Chyba = 0;
    quint16 Okres = 0;
    qint32 Obec = 0;
    qint32 Okrsek = 0;
    quint16 T3KC_1 = 0;
    quint16 TypZastup = 0;
    quint16 CObvodu = 0;
    qint32 ZapsOsoby = 0;
    quint16 VydObalky = 0;
    quint16 OdevzdObalky = 0;
    qint32 PlatneHlasy = 0;
    quint16 Pocet_VS = 0;
    quint16 Poc_VS_HL = 0;
    qint32 T3KC_2 = 0;
    qint32 KodObceZast = 0;

    friend bool operator==(const TOkrsekRec &, const TOkrsekRec &) = default;
};

// Ballot results of one party (record type 2), indexed by the party's order number.
struct TStranaHLRec
{
    quint16 TypVety = 0;
    quint16 Oprava = 0;
    quint16 Chyba = 0;
    quint16 Okres = 0;
    qint32 Obec = 0;
    qint32 Okrsek = 0;
    quint16 T3KC_1 = 0;
    quint16 TypZastup = 0;
    quint16 PorStHL = 0;
    qint32 PocHl = 0;
    std::array<quint16, MaxKandidatu + 1> HlasyKand{}; // [1..70]
    qint32 HLKC2 = 0;
    quint16 HLPoslKand = 0;
    qint32 HLKS = 0;

    friend bool operator==(const TStranaHLRec &, const TStranaHLRec &) = default;
};

// Closing record with the control sums (record type 3).
struct TVetaTS
{
    quint16 TypVety = 0;
    quint16 Oprava = 0;
    quint16 Chyba = 0;
    quint16 Okres = 0;
    qint32 Obec = 0;
    qint32 Okrsek = 0;
    quint16 T3KC_1 = 0;
    quint16 TypZastup = 0;
    QString SeznamChyb;     // s50
    QString DatumPorizeni;  // s8, "yyyymmdd"
    QString CasPorizeni;    // s6, "hhnnss"
    double Rezervovano = 0; // reserved Double, no meaning here
    quint16 ZpusobPorizeni = 0;
    quint16 KodWindowsTS = 0;
    QString Rezerva; // s1
    quint16 Kod2 = 0;
    QString Jmeno2; // s15
    QString Datum2; // s8
    QString Cas2;   // s6
    double Cislo2 = 0;
    quint16 Kod3 = 0;
    QString Jmeno3; // s15
    QString Datum3; // s8
    QString Cas3;   // s6
    double Cislo3 = 0;
    double SoucetKC1 = 0;
    double SoucetKC2 = 0;
    double SoucetKS = 0;
    qint32 NahodneCislo = 0;
    qint32 Cislo4 = 0;
    qint32 Cislo5 = 0;
    double KontrSoucetTS = 0;
    double KontrSoucet2 = 0;
    double KontrSoucet3 = 0;

    friend bool operator==(const TVetaTS &, const TVetaTS &) = default;
};

inline constexpr int MaxVet6 = 99;

// The results of one precinct and council type in memory.
struct TVysledky
{
    TOkrsekRec VetaT3;
    std::array<TStranaHLRec, MaxStran + 1> StranyHL{}; // [1..45]
    TVetaTS VetaTS;
    std::array<QString, MaxVet6 + 1> Vety6; // [1..99], s200 each
    bool JsouVety6 = false;
    QString PuvodVet6; // the key whose file the free-text lines came from

    friend bool operator==(const TVysledky &, const TVysledky &) = default;
};

// Sets VetaT3, all 45 StranyHL and VetaTS to 0 or empty; Vety6 is not touched.
void VynulujOkrsek(TVysledky &v);

// The stored file's name: prefix, type letter ("O" type 1, "C" type 2), KodObce,
// '.', the precinct number as five digits.
QString JmenoSouboruOkrsku(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix);

// Loads the file of that key and prefix if it exists; otherwise the record stays
// empty. A damaged or foreign file raises EChyba naming it, leaves the record empty
// (Vety6 as it was) and is not changed. Free-text lines of another key are dropped.
void NactiOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix,
                 TVysledky &v);

// Writes the record as the file of that key and prefix, atomically, and then removes
// the file of the other prefix. A value that does not fit its field raises
// EPrilisVelkaHodnota, a failed write EChyba; the previous file stays as it was.
// The save is noted in the installation's journal, unless `sDenikem` is false.
void UlozOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix,
                const TVysledky &v, bool sDenikem = true);

// Which results file of the key is current, decided by what travels inside the files
// (a copy, a restore or a FAT stick may change their times): when only one of "O" and
// "E" exists, that one; when both do (a save was cut short between writing one and
// removing the other), a readable file beats an unreadable one, one with a save date
// and time beats one without, then the higher save number wins (VetaTS.Rezervovano,
// see NumerujUlozeni), then the later save date and time, and "O" on a tie. Empty when
// neither exists.
QString AktualniPrefix(const TAdresare &adr, const TOkrsekRefRec &klic);

// The same, after moving the file that is not current into data/Zrusena/ with a
// journal line and a notice for the program's next start. Only for a writer.
QString UklidOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic);

// Gives the record the next save number of the key: one more than that of either
// stored file, in VetaTS.Rezervovano, whose value is otherwise meaningless; the
// closing record's check sum moves with it, so that it stays right on paper and in
// the file.
void NumerujUlozeni(const TAdresare &adr, const TOkrsekRefRec &klic, TVysledky &v);

// Loads the current file of the key (after UklidOkrsek, unless the installation is
// opened for reading only); returns its prefix, empty
// when there is none and the record stays empty.
QString NactiAktualniOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic, TVysledky &v);

// Moves a file into AdrData + "Zrusena/" under its name with the date and time
// appended, where the program never looks for data; the journal gets `udalost` with
// %1 the file's name and %2 the new path, synced before the move. Returns the new path.
QString UschovejZrusene(const TAdresare &adr, const QString &cesta, const QString &udalost);

// Deleting entered data: moves the key's results files (the current one, a stale
// one and the control entry) into AdrData + "Zrusena/" under their names with the date and time
// appended, where the program never looks for data. Returns the paths of the kept copies.
QStringList ZrusOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic);

// A protected file's plain line (up to its first line break); a damaged file raises
// EChyba naming it.
QByteArray NactiChranenyRadek(const QString &cesta);
// The same from the file's bytes as read; `nazev` names the file in messages.
QByteArray RozbalChranenyRadek(const QByteArray &ulozeny, const QString &nazev);
// Protects the line and replaces the file atomically (Soubory::UlozAtomicky); returns
// the stored size.
qsizetype UlozChranenyRadek(const QString &cesta, const QByteArray &radek, qint64 casZmenyNs = -1);

// The plain fixed-width line (Windows-1250 bytes) and its parser; the free-text
// blocks belong only to "O" files.
QByteArray SestavRadek(const TVysledky &v, bool sVolnymTextem);
void RozeberRadek(const QByteArray &radek, bool sVolnymTextem, TVysledky &v, const QString &nazev);
