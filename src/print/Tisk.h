#pragma once

#include "Nahled.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <array>

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

    static QString Opakuj(const QString &text, int n);
    static QString CisloVpravo(qint64 cislo, int n);
    static QString BezMezerVpravo(const QString &text);
    int PocetTecek(int x1, int x2);
    QString Tecky(int x1, int x2);
    int MistoZlomu(const QString &text, int xStart, int xEnd);

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
