#pragma once

#include "Chyby.h"
#include "Hlasovani.h"
#include "Okrsek.h"
#include "Reference.h"
#include "Stanice.h"
#include "Tisk.h"

#include <QDateTime>
#include <QList>
#include <QPoint>
#include <QString>

#include <functional>
#include <initializer_list>

// What the official record prints: the current precinct's results with its reference
// data, sections I and III, the commission and the protocol of the last check run.
struct TDataZapisu
{
    const TStaniceRec &Stanice;
    const TOkrsekRefRec &AktOkrsek;
    const TReference &Ref; // with the candidates (NactiKandidaty) for the ballot copy
    const TVysledky &Vysledky;
    const THlasovaniRec &Hlasovani;
    const QList<TKomise> &Komise;
    const TChybProt *Protokol = nullptr; // none: no error numbers in the footer
    // What sheet 1's footer says about the export (RadekOtisku): the exported file's
    // fingerprint, or why there is none; empty prints no such line.
    QString Otisk = {};
};

// The official record: sheet 1, sheet 2 with section III (and its continuation
// sheets), then the ballot copy, every sheet with the record footer. One object
// serves one job; every pass rebuilds all sheets from the data.
class TZapis
{
public:
    TZapis(TTisk &t, const TDataZapisu &d);

    // Direct printing uses its own dot corrections; false gives the preview's.
    bool Primo = false;
    int PocetDnuVoleb = 2;
    int CisloListu = 1;
    int PocetListu = 0;
    QString Razitko;         // "dd.mm.yyyy hh:mm:ss,zzz", one per job
    QString KontrolniSoucet; // the TS control total, 12 characters right-aligned
    bool ChybyVytisteny = false;

    // InitTisk and the job's time stamp.
    void ZacniUlohu(const QDateTime &ted);
    // One pass: all sheets from ZacatekTisku to KonecTisku.
    void Probeh();

    void PatickaZapisu();
    void TiskListu1();
    void TiskListu2();
    void ZahlaviHL();
    void ZlomStranyHL();
    void TiskStranyHL(int k);
    void TiskPodpisuHL();

    // The error numbers the first footer of a pass lists.
    static QList<qint32> ChybyDoPaticky(const TChybProt *protokol);

private:
    int L() const { return t.LevyOkraj; }
    int R() const { return t.PravyOkraj; }
    // a for direct printing, b for the preview.
    int K(int a, int b) const { return Primo ? a : b; }
    int W(const QString &text) { return t.SirkaTextu(text); }
    int WStyl(const QString &styl, const QString &text);
    void Posun(int radky);
    void VpravoStyl(int radky, int x, int y, const QString &styl, const QString &text);
    void Hodnota(int x, int y, const QString &text, int velikost);
    // A value at x that must end by xMez: in `velikost` or smaller (TTisk::Rozloz).
    void HodnotaDo(int x, int y, int xMez, const QString &text, int velikost, bool tucne = false);
    // The municipality's name for sheet 1: its first line ends the first line of the
    // record (`prvni` units), its second opens the next one (`dalsi` units).
    TRozlozeni RozlozObec(const QString &nazev, int prvni, int dalsi);
    // The lines of a free text, each on a row of `tecek` dots of its own at L; the first
    // row `radky` lines down, the others one line each.
    void RadkyNaTeckach(const TRozlozeni &r, int radky, int y, int tecek);
    // Sheet 1 grows only when long texts needed more lines than the form has: a block
    // of this height that would reach the footer continues on a new sheet.
    void ZlomListu1(int vyska);
    void Pero(int sirka) { t.Canvas().Pen.Sirka = sirka; }
    void Cara(int x1, int y1, int x2, int y2) { t.Canvas().Cara(x1, y1, x2, y2); }
    void Lomena(std::initializer_list<QPoint> body);

    // A statement of section I with a date, a time and a reason.
    struct TVyrok
    {
        QString Popisek;
        QString Zapor;
        QString Klad;
        QString Pole;
        QStringList Kusy; // the continuation text in four pieces
        int X2Tecek = 0;  // its dots: PocetTecek(..., X2Tecek) + KorekceTecek
        int KorekceTecek = 0;
        QStringList Hodnoty; // written over pieces 2, 3 and 4
        QList<int> Posuny;   // their offsets from the start of their piece
        QString Duvod;
        int KorekceBezZlomu = 0;
    };

    void Volba(int x, bool preskrtnout, const QString &slovo, int &xDalsi);
    void VyrokSDuvodem(int radky, TVyrok v);
    void RadekTecek(int korekce);
    // Members in three columns; `novyList` closes the sheet when a row ends low: after
    // every row with `poKazdeRade`, else only when more names follow.
    void Clenove(int mez, bool poKazdeRade, const std::function<void()> &novyList);
    QStringList JmenaClenu() const;

    TTisk &t;
    const TDataZapisu d; // references only: cheap to hold, safe with a temporary
};

// Builds the record in the engine's recorder as the preview shows it: InitTisk, the
// counting pass and the pass that stays. Returns the number of sheets.
int SestavZapis(TTisk &t, const TDataZapisu &d, int pocetDnuVoleb = 2, bool primo = false,
                const QDateTime &ted = QDateTime::currentDateTime());
