#pragma once

#include "Nahled.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

// A value laid out for its place on the sheet: the size it prints in and its lines,
// which put together give the value again.
struct TRozlozeni
{
    int Velikost = 0;
    QStringList Radky;
};

// The layout engine shared by every printout: a text cursor with margins and a line
// height, font selection, measuring, the text primitives, dot fillers, number fields,
// the line-break finder and the deferred page break. Coordinates are tenths of a
// millimetre from the sheet's top-left corner; one measured pixel is one unit.
class TTisk
{
public:
    explicit TTisk(TNahled &nahled);

    TNahled &Nahled() { return m_nahled; }
    TPlatno &Canvas() { return m_nahled.Canvas(); }

    // Station font suffix (" CE" or empty), from the station record.
    QString PripFontu;

    int LevyOkraj = 200;
    int PravyOkraj = 1900;
    int DolniOkraj = 2700;
    int DolniRezerva = 35;
    int VyskaRadku = 50;
    int ZakladniVyskaRadku = 50;
    int AktY = 0;
    int CisloStrany = 1;
    int StranaSHlavickou = 1;
    bool ZlomPovolen = false;
    int VelikostZakladni = 24;
    int VelikostMala = 16;
    int VelikostNormalni = 26;
    int VelikostNadpisu = 32;
    std::array<int, 14> SirkySloupcu{}; // [1..13]
    QString DatumTisku;
    QString CasTisku;
    QString KodProgramu = QStringLiteral("KV");
    QString VerzeProgramu = QStringLiteral("5.1507.22");

    // Resets the engine for a job; `ted` is the job's clock.
    void InitTisk(const QDateTime &ted = QDateTime::currentDateTime());

    // Width in layout units, measured at 96 pixels per inch.
    int SirkaTextu(const QString &text, const TPismo &pismo) const;
    int SirkaTextu(const QString &text) { return SirkaTextu(text, Canvas().Font); }
    // Whether the text is at most `sirka` wide, measured before rounding: a text that
    // fits never touches what stands right after its place.
    bool Vejde(const QString &text, const TPismo &pismo, int sirka) const;
    bool Vejde(const QString &text, int sirka) { return Vejde(text, Canvas().Font, sirka); }

    static QString Opakuj(const QString &text, int n);
    static QString CisloVpravo(qint64 cislo, int n);
    // A sheet number: padded to `n` characters like CisloVpravo, but never cut, so
    // that sheet 100 does not print as "00".
    static QString CeleCislo(qint64 cislo, int n);
    static QString BezMezerVpravo(const QString &text);
    int PocetTecek(int x1, int x2);
    QString Tecky(int x1, int x2);
    int MistoZlomu(const QString &text, int xStart, int xEnd);
    // The characters a line may be broken after: space, "-", ".", ":" and ";".
    static bool JeOddelovac(QChar c);

    // The printable area: the sheet less the strip a printer cannot reach on each side.
    int PravaMez() const { return m_nahled.RozmerListu().width() - TNahled::OkrajTiskarny; }
    int DolniMez() const { return m_nahled.RozmerListu().height() - TNahled::OkrajTiskarny; }

    // How many characters of the text go on a line from xStart: where MistoZlomu breaks
    // it for xEnd (all of it when it needs no break), but never past xMez, the next
    // text or the printable edge; there the line ends at the last separator that fits.
    int ZnakuNaRadek(const QString &text, int xStart, int xEnd, int xMez);

    // The longest start of the text that is at most `sirka` wide in the current font,
    // ending after a separator when one fits, together with the spaces that follow it.
    int ZnakuDoSirky(const QString &text, int sirka);

    // The largest size from `velikost` down to VelikostMala at which the text, in the
    // current face and style, is at most `sirka` wide; VelikostMala when none is.
    int VelikostNaSirku(const QString &text, int sirka, int velikost);

    // The text broken, in the current font, into a first line of at most `prvni` units
    // and further lines of `dalsi`; the first line stays empty when nothing fits it.
    QStringList Radky(const QString &text, int prvni, int dalsi);

    // Lays a value out in the current face and style: on one line of `prvni` units in
    // the largest size from `velikost` down to VelikostMala that fits; when none does,
    // in VelikostMala on lines of `prvni`, then `dalsi` units. A value that needs more
    // than `nejvic` lines even so is set smaller still, so that it is never cut.
    TRozlozeni Rozloz(const QString &text, int prvni, int dalsi, int velikost, int nejvic = 1);
    static constexpr int LibovolneRadku = 1 << 20;

    // Wraps a value in the current face and style onto lines of `prvni`, then `dalsi`
    // units: in the largest size from `velikost` down to VelikostMala at which it breaks
    // between words into at most `nejvic` lines; when none does, in `velikost` on as many
    // lines as it needs, a word cut only where it is wider than a line. So a long name
    // keeps the size of its neighbours on a second line rather than shrinking to one.
    TRozlozeni Zalom(const QString &text, int prvni, int dalsi, int velikost, int nejvic);

    // The text in the current font broken between words into two lines of at most
    // `prvni` and `dalsi` units, as even as they can be; empty when no break fits.
    QStringList DvaRadky(const QString &text, int prvni, int dalsi);

    // The height a line of text takes in the current font (ascent and descent): a text
    // this far below another one does not touch it.
    int VyskaTextu() const;

    // `pocet` dots drawn from x, fewer when they would pass the printable edge: a
    // writing line never leaves the paper.
    QString TeckyOd(int x, int pocet);

    void NastavFont(const QString &rodina);
    void NastavVelikost(int velikost) { Canvas().Font.Velikost = velikost; }
    void NastavStyl(const QString &styl);

    void TiskStred(int radky, int x1, int x2, int y, const QString &styl, const QString &text);
    void TiskStyl(int radky, int x, int y, const QString &styl, const QString &text);
    void Tisk(int radky, int x, int y, const QString &text);
    void Hvezdicky(int x, int y, int n);
    // Draws the text so that it ends at x (right alignment).
    void TiskVpravo(int radky, int x, int y, const QString &text);

    // Makes a page break pending unless one already is.
    void VynutZlom();

    // The page protocol of the preview window.
    void ZacatekTisku() { m_nahled.ZacatekTisku(); }
    TPlatno &VratCanvas() { return m_nahled.VratCanvas(); }
    void KonecTisku() { m_nahled.KonecTisku(); }

private:
    void Posun(int radky, int limit);

    TNahled &m_nahled;
    QImage m_mereni; // 1 x 1 pixel at 96 dpi
};
