#pragma once

#include <limits>

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPageLayout>
#include <QPageSize>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPagedPaintDevice;

// A font as the printouts ask for it. The size is nominal at 96 pixels per inch, so
// the glyph height in layout units is round(size * 96 / 72).
struct TPismo
{
    QString Rez = QStringLiteral("Arial"); // the face asked for, station suffix included
    int Velikost = 10;
    bool Tucne = false;
    bool Kurziva = false;
    bool Podtrzene = false;
    bool Preskrtnute = false;
    QColor Barva = Qt::black;

    int VyskaZnaku() const { return (Velikost * 96 + 36) / 72; }
    // The installed font behind the face: "Arial CE" is Arial with Central European
    // glyphs, which every Unicode font already has.
    QFont QtPismo() const;
    bool operator==(const TPismo &) const = default;
};

struct TPero
{
    int Sirka = 1; // layout units
    Qt::PenStyle Styl = Qt::SolidLine;
    bool operator==(const TPero &) const = default;
};

enum class TDruhOperace
{
    Text,
    Cara,
    Obdelnik
};

// One drawing operation, in tenths of a millimetre from the sheet's top-left corner.
struct TOperace
{
    TDruhOperace Druh = TDruhOperace::Text;
    int X1 = 0; // text: left edge; line: start; rectangle: first corner
    int Y1 = 0; // text: top edge
    int X2 = 0;
    int Y2 = 0;
    QString Text;
    TPismo Pismo;    // texts
    int Otoceni = 0; // text: degrees anticlockwise; a turned text is centred on X1, Y1
    TPero Pero;      // lines and rectangles
};

struct TStrana
{
    QList<TOperace> Operace;
};

// The canvas of the page being drawn: a current font and pen, as the printouts expect.
class TPlatno
{
public:
    TPismo Font;
    TPero Pen;

    void TextOut(int x, int y, const QString &text);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Cara(int x1, int y1, int x2, int y2);
    // An outline only: the sheet is blank, so a fill would add nothing but could hide lines.
    void Rectangle(int x1, int y1, int x2, int y2);

    TStrana Strana;

private:
    void PridejUsecku(TDruhOperace druh, int x1, int y1, int x2, int y2);

    int m_x = 0;
    int m_y = 0;
};

// The page recorder: pages drawn by a printout are kept as operation lists for the
// preview, or (direct printing) replayed straight onto a paged device as one job.
class TNahled : public QObject
{
    Q_OBJECT

public:
    explicit TNahled(QObject *parent = nullptr);
    ~TNahled() override;

    QPageSize::PageSizeId Papir = QPageSize::A4;
    QPageLayout::Orientation Orientace = QPageLayout::Portrait;
    // The document's name: its file name without ".pdf" when it is kept as a file (no
    // printer), and with the time its print job's title.
    QString NazevSouboru = QStringLiteral("VOLBY");
    // Redraws the document for paper (true) or back for the screen (false), where the
    // two layouts differ (the record); empty where they do not.
    std::function<void(bool naPapir)> Prekresli;
    // A training station's printout: every page carries the training mark under its text.
    bool Cvicne = false;

    // The sheet in layout units: A4 portrait 2100 x 2970, A3 portrait 2970 x 4200.
    QSize RozmerListu() const;
    // The strip along each edge of the sheet that printers cannot print on (5 mm).
    static constexpr int OkrajTiskarny = 50;
    QPageLayout RozvrzeniStranky() const;

    // A document begun while another is open is not begun again.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    bool Rozpracovany() const { return m_otevreny; }
    // Ready: no document is being built or printed.
    bool Pripraven() const { return !m_otevreny && !m_tiskne; }
    TPlatno &Canvas() { return m_platno; }
    const TPlatno &Canvas() const { return m_platno; }

    // Direct printing: while a device is set, documents go onto it page by page and
    // nothing is recorded. Null turns it off. The device must outlive the document.
    void NastavPrimyTisk(QPagedPaintDevice *zarizeni);
    bool PrimyTisk() const { return m_primy != nullptr; }

    int Celkem() const { return int(m_strany.size()); }
    // Current page, 1-based; 0 when there is none.
    int AktStrana() const { return m_aktStrana; }
    void NastavAktStranu(int cislo);
    const TStrana &Strana(int cislo) const { return m_strany.at(cislo - 1); }
    const QList<TStrana> &Strany() const { return m_strany; }

    // Replays recorded pages od..do (clipped to the recorded pages), `kopie` times, as
    // one job on the device, whose page is set to this document's paper. False when
    // there is nothing to print or a document is being built.
    bool TiskniStrany(QPagedPaintDevice &zarizeni, int od, int doStrany, int kopie = 1);

    // The page protocol of the printouts; the fields are the preview window's.
    int PocetStran = 0; // pages started in the current job
    int odStrany = 1;
    int doStrany = 0;
    void ZacatekTisku();
    TPlatno &VratCanvas();
    void KonecTisku();

signals:
    // The pages or the current page changed.
    void ZmenaStran();

private:
    void UzavriStranu();
    bool ZacniZarizeni(QPagedPaintDevice &zarizeni, QPainter &malir);

    QList<TStrana> m_strany;
    TPlatno m_platno;
    int m_aktStrana = 0;
    bool m_otevreny = false;
    bool m_tiskne = false;
    QPagedPaintDevice *m_primy = nullptr;
    std::unique_ptr<QPainter> m_primyMalir;
    bool m_primaPrvniStrana = true;
};

// The training mark of a sheet of this size: large light-grey text turned across it.
TOperace ZnackaSkoleni(QSize list);

// Draws a page on a painter whose coordinates are layout units from the sheet's corner.
void PrehrajStranu(QPainter &malir, const TStrana &strana);

// Scales a painter that is active on `zarizeni` so that one unit is 0.1 mm from the
// sheet's corner (the device must have zero margins or full-page mode).
void NastavMeritko(QPainter &malir, const QPaintDevice &zarizeni);

// Recorded pages od..do as a PDF document of the recorder's paper, coordinates exact;
// empty when there is nothing to print (as TiskniStrany).
QByteArray VytvorPdf(TNahled &nahled, int od = 1, int doStrany = std::numeric_limits<int>::max());

// Writes VytvorPdf to a file through the atomic replace, creating its directory; false
// (and nothing written) when there is nothing to print. EChyba names the file.
bool UlozPdf(TNahled &nahled, const QString &cesta, int od = 1,
             int doStrany = std::numeric_limits<int>::max());
