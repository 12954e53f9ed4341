#pragma once

#include "NavstevaPole.h"
#include "Okrsek.h"

#include <QByteArray>
#include <QList>
#include <QString>

// HLASO.RCD: sections I and III of the record, one record shared by both council types.
struct THlasovaniRec
{
    static constexpr int Velikost = 1194;
    QString DatumVoleb;
    QString Zahajeno1;
    QString Ukonceno1;
    QString Zahajeno2;
    QString Ukonceno2;
    QString Odroc; // "B" / "N"
    QString OdrocenoD;
    QString OdrocenoH;
    QString OdrocenoM;
    QString DuvodOdroc;
    QString Prodl; // "B" / "N"
    QString ProdlouzD;
    QString ProdlouzH;
    QString ProdlouzM;
    QString DuvodProdl;
    QString Prerus; // "B" / "N"
    QString PrerusD;
    QString PrerusOd;
    QString PrerusDo;
    QString DuvodPrer;
    QString Stizn; // "B" / "N"
    QString StizListu;
    QString Schranka; // "B" / "N"
    QString ClenuOVKC;
    QString ClenuOVKP;
    QString Ostatni;
    QString PoverPred;
    QString Zapisovat;
    // The record as read: the unused bytes and the bytes past each string's length
    // are written back unchanged.
    QByteArray Surovy;
};

// Every text field of the record.
void ProPoleRetezcu(THlasovaniRec &h, const TNavstevaPole &f);

THlasovaniRec DekodujHlasovani(const QByteArray &zaznam);
// Writes the fields over Surovy (over zero bytes when it is empty); an unchanged field
// keeps its bytes. Throws EChyba naming the field when a text does not fit.
QByteArray ZakodujHlasovani(const THlasovaniRec &h);

// The first record of HLASO.RCD in adrData; a missing file or no record: EChyba.
THlasovaniRec NactiHlasovani(const QString &adrData);
// Replaces HLASO.RCD with exactly this one record.
void UlozHlasovani(const QString &adrData, const THlasovaniRec &h);

// A yes/no field: "B" stays "B", any other value is taken as "N".
inline bool JeAno(const QString &hodnota)
{
    return hodnota == u"B";
}
inline QString NormalizujAnoNe(const QString &hodnota)
{
    return JeAno(hodnota) ? QStringLiteral("B") : QStringLiteral("N");
}
// Applies NormalizujAnoNe to Odroc, Prodl, Prerus, Stizn and Schranka.
void NormalizujHlasovani(THlasovaniRec &h);

// KOMISE.RCD: the other commission members present, one 51-byte record each.
struct TKomise
{
    static constexpr int Velikost = 51;
    QString clen; // at most 50 characters
};

// Every record of KOMISE.RCD in order; a missing file: EChyba.
QList<TKomise> NactiKomisi(const QString &adrData);
// Replaces KOMISE.RCD with the entries in order. A name that does not fit raises
// EChyba naming its row; the previous file then stays.
void UlozKomisi(const QString &adrData, const QList<TKomise> &komise);
// Sets the number of entries; new entries are empty, a negative n is taken as 0.
void NastavPocetClenu(QList<TKomise> &komise, int n);

// INFOK83.RCD: the counts of each council type, for comparing the two.
struct TInfo83Rec
{
    static constexpr int Velikost = 20;
    qint32 Obec = 0;
    qint32 Okrsek = 0;
    quint16 TypZastup = 0;
    qint32 ZapsOsoby = 0;
    quint16 VydObalky = 0;
    quint16 OdevzdObalky = 0;
};

TInfo83Rec DekodujInfo83(const QByteArray &zaznam);
QByteArray ZakodujInfo83(const TInfo83Rec &r); // padding bytes zero

struct TInfo83
{
    // The other type's record; without it, the last record read (or as it was when
    // the file is empty).
    TInfo83Rec Info83Jiny;
    bool JeInfo83Jiny = false;
};

// Reads INFOK83.RCD until the record of the other council type (2 for type 1,
// otherwise 1); a missing file: EChyba.
void NactiInfo83(const QString &adrData, int typZastup, TInfo83 &info);
// Replaces INFOK83.RCD: the other type's record first when known, then the current
// type's counts from VetaT3.
void UlozInfo83(const QString &adrData, const TInfo83 &info, const TOkrsekRec &VetaT3);
