#pragma once

#include "Adresare.h"
#include "Chyby.h"
#include "Okrsek.h"
#include "Reference.h"

#include <QString>
#include <QStringView>

// What the checks have found since the last reset by the check run.
struct TKontrolniStav
{
    bool JsouChyby = false;         // a blocking error has been marked
    bool JsouPropustitelne = false; // a passable error (06 to 12) has been marked
    bool JsouUpozorneni = false;    // a warning (91 to 97) has been marked
    QString ProblemyKomise;         // the findings of the commission check 39
    TOperandy Posledni;             // the values the last failed check compared
};

// The data the field checks read and the state they mark. The same context serves
// the check run and the entry window.
struct TDataKontrol
{
    const TAdresare &Adresare;
    const TOkrsekRefRec &AktOkrsek;
    const TReference &Reference;
    TVysledky &Vysledky;
    TKontrolniStav &Stav;
    TChybProt &ProtokolChyb;
};

// Sections passed to OznacChybu.
inline constexpr qint32 SekceTS = -1;
inline constexpr qint32 SekceT3 = 0;

// Marks one error: lists the two-digit code in VetaTS.SeznamChyb, raises the flag of
// its kind and, except for warnings, the Chyba flag of the section.
void OznacChybu(TVysledky &v, TKontrolniStav &stav, QStringView kod, qint32 sekce);
inline void OznacChybu(TDataKontrol &d, QStringView kod, qint32 sekce)
{
    OznacChybu(d.Vysledky, d.Stav, kod, sekce);
}

// x - d * trunc(x / d), truncated; d must not be 0.
qint64 Modulo(qint32 d, long double x);
// KC1 of a municipality and precinct.
qint64 KontrolniCislo1(qint32 obec, qint32 okrsek);

// Each check returns true when its rule holds. With iBezZapisu the check only answers;
// otherwise a failure is marked. Party checks take the order number a (1..45),
// candidate checks also the candidate number k (1..70). Text fields of the reference
// data that hold no number raise EChyba.
bool Kontrola01(TDataKontrol &d, bool iBezZapisu);
bool Kontrola02(TDataKontrol &d, bool iBezZapisu);
bool Kontrola03(TDataKontrol &d, bool iBezZapisu);
bool Kontrola04(TDataKontrol &d, bool iBezZapisu, qint64 *oKC1 = nullptr);
bool Kontrola05(TDataKontrol &d, bool iBezZapisu);
bool Kontrola06(TDataKontrol &d, bool iBezZapisu);
bool Kontrola07(TDataKontrol &d, bool iBezZapisu);
bool Kontrola08(TDataKontrol &d, bool iBezZapisu);
bool Kontrola09(TDataKontrol &d, bool iBezZapisu);
bool Kontrola10(TDataKontrol &d, bool iBezZapisu);
bool Kontrola11(TDataKontrol &d, bool iBezZapisu);
bool Kontrola12(TDataKontrol &d, bool iBezZapisu);
bool Kontrola13(TDataKontrol &d, bool iBezZapisu);
bool Kontrola14(TDataKontrol &d, bool iBezZapisu);
bool Kontrola15(TDataKontrol &d, bool iBezZapisu);
bool Kontrola16(TDataKontrol &d, bool iBezZapisu);
bool Kontrola17(TDataKontrol &d, bool iBezZapisu);
bool Kontrola18(TDataKontrol &d, bool iBezZapisu, qint64 *oSoucet = nullptr);
bool Kontrola19(TDataKontrol &d, int a);
bool Kontrola20(TDataKontrol &d, bool iBezZapisu, int a);
bool Kontrola21(TDataKontrol &d, bool iBezZapisu, int a);
bool Kontrola22(TDataKontrol &d, bool iBezZapisu);
bool Kontrola22KC(TDataKontrol &d, bool iBezZapisu);
bool Kontrola23(TDataKontrol &d, bool iBezZapisu, int a, int k);
bool Kontrola24(TDataKontrol &d, bool iBezZapisu, int a, int k);
bool Kontrola25(TDataKontrol &d, bool iBezZapisu, int a, qint64 *oSoucet = nullptr);
bool Kontrola26(TDataKontrol &d, int a, int k);
bool Kontrola27(TDataKontrol &d, int a, int k);
bool Kontrola28(TDataKontrol &d, bool iBezZapisu, int a, qint64 *oHodnota = nullptr);
bool Kontrola29(TDataKontrol &d, bool iBezZapisu, int a, int *oPosledni = nullptr);
bool Kontrola30(TDataKontrol &d, bool iBezZapisu, int a);
// 60, 62, 63, 64 and 74 enter their own failures into the protocol.
bool Kontrola60(TDataKontrol &d);
bool Kontrola62(TDataKontrol &d);
bool Kontrola63(TDataKontrol &d);
bool Kontrola64(TDataKontrol &d);
bool Kontrola66(TDataKontrol &d);
bool Kontrola67(TDataKontrol &d);
bool Kontrola68(TDataKontrol &d);
bool Kontrola74(TDataKontrol &d);
bool Kontrola91(TDataKontrol &d);
bool Kontrola92(TDataKontrol &d);
bool Kontrola93(TDataKontrol &d);
bool Kontrola94(TDataKontrol &d);
// PocetPlatnychKand 0 with envelopes returned: EChyba (the bar would be infinite).
bool Kontrola95(TDataKontrol &d);
// oR: the reference count of listed voters the check compared with.
bool Kontrola96(TDataKontrol &d, qint32 *oR = nullptr);
bool Kontrola97(TDataKontrol &d);
