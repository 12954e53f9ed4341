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
    QString Razitko;          // "dd.mm.yyyy hh:mm:ss,zzz", one per job
    QString KontrolniSoucet;  // the TS control total, 12 characters right-aligned
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

    // Unprintable strip at the sheet's right edge, in layout units.
    static constexpr int OkrajTiskarny = 50;

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
    int VelikostNaList(const QString &text, int x, int velikost);
    void Pero(int sirka) { t.Canvas().Pen.Sirka = sirka; }
    void Cara(int x1, int y1, int x2, int y2) { t.Canvas().Cara(x1, y1, x2, y2); }
    void Lomena(std::initializer_list<QPoint> body);

    void Volba(int x, bool preskrtnout, const QString &slovo, int &xDalsi);
    void VyrokSDuvodem(int radky, const QString &popisek, const QString &zapor, const QString &klad,
                       const QString &pole, const QStringList &kusy, int tecky, const QStringList &hodnoty,
                       const QList<int> &posuny, const QString &duvod, int korekceBezZlomu);
    void RadekTecek(int korekce);
    // Members in three columns; `novyList` closes the sheet when the row ends low.
    void Clenove(int mez, const std::function<void()> &novyList);
    QStringList JmenaClenu() const;

    TTisk &t;
    const TDataZapisu d; // references only: cheap to hold, safe with a temporary

};

// Builds the record in the engine's recorder as the preview shows it: InitTisk, the
// counting pass and the pass that stays. Returns the number of sheets.
int SestavZapis(TTisk &t, const TDataZapisu &d, int pocetDnuVoleb = 2, bool primo = false,
                const QDateTime &ted = QDateTime::currentDateTime());
