#include "Nahled.h"

#include "EChyba.h"
#include "Skoleni.h"
#include "Soubory.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

QFont TPismo::QtPismo() const
{
    // Only the two families the printouts use exist; fontconfig maps them to their
    // metric twins. A suffix such as " CE" names a code page, not a design.
    QString rodina = Rez;
    if (rodina.startsWith(u"Courier New", Qt::CaseInsensitive))
        rodina = u"Courier New"_s;
    else if (rodina.startsWith(u"Arial", Qt::CaseInsensitive))
        rodina = u"Arial"_s;
    QFont f(rodina);
    f.setPixelSize(qMax(1, VyskaZnaku()));
    f.setBold(Tucne);
    f.setItalic(Kurziva);
    f.setUnderline(Podtrzene);
    f.setStrikeOut(Preskrtnute);
    // Unhinted outlines: widths then scale exactly between measuring and any device.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

void TPlatno::TextOut(int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    TOperace o;
    o.Druh = TDruhOperace::Text;
    o.X1 = x;
    o.Y1 = y;
    o.Text = text;
    o.Pismo = Font;
    Strana.Operace.append(o);
}

void TPlatno::MoveTo(int x, int y)
{
    m_x = x;
    m_y = y;
}

void TPlatno::LineTo(int x, int y)
{
    Cara(m_x, m_y, x, y);
    m_x = x;
    m_y = y;
}

void TPlatno::PridejUsecku(TDruhOperace druh, int x1, int y1, int x2, int y2)
{
    TOperace o;
    o.Druh = druh;
    o.X1 = x1;
    o.Y1 = y1;
    o.X2 = x2;
    o.Y2 = y2;
    o.Pero = Pen;
    Strana.Operace.append(o);
}

void TPlatno::Cara(int x1, int y1, int x2, int y2)
{
    PridejUsecku(TDruhOperace::Cara, x1, y1, x2, y2);
}

void TPlatno::Rectangle(int x1, int y1, int x2, int y2)
{
    PridejUsecku(TDruhOperace::Obdelnik, x1, y1, x2, y2);
}

TNahled::TNahled(QObject *parent) : QObject(parent) {}

TNahled::~TNahled()
{
    if (m_primyMalir)
        m_primyMalir->end();
}

QSize TNahled::RozmerListu() const
{
    const QSizeF mm = QPageSize(Papir).size(QPageSize::Millimeter);
    const QSize s(qRound(mm.width() * 10), qRound(mm.height() * 10));
    return Orientace == QPageLayout::Landscape ? s.transposed() : s;
}

QPageLayout TNahled::RozvrzeniStranky() const
{
    return QPageLayout(QPageSize(Papir), Orientace, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool TNahled::ZacniZarizeni(QPagedPaintDevice &zarizeni, QPainter &malir)
{
    // A printer may refuse zero margins; its full-page mode keeps the origin anyway.
    zarizeni.setPageLayout(RozvrzeniStranky());
    if (!malir.begin(&zarizeni))
        return false;
    NastavMeritko(malir, zarizeni);
    return true;
}

void TNahled::BeginDoc()
{
    if (m_otevreny)
        return;
    m_otevreny = true;
    m_strany.clear();
    m_aktStrana = 0;
    m_platno.Strana = TStrana();
    if (m_primy) {
        m_primyMalir = std::make_unique<QPainter>();
        m_primaPrvniStrana = true;
        if (!ZacniZarizeni(*m_primy, *m_primyMalir)) {
            m_primyMalir.reset();
            m_otevreny = false;
            throw EChyba(u"Tisk dokumentu „%1“ se nepodařilo zahájit."_s.arg(NazevSouboru));
        }
    }
    emit ZmenaStran();
}

void TNahled::UzavriStranu()
{
    TStrana strana = std::move(m_platno.Strana);
    m_platno.Strana = TStrana();
    // First, so that every other operation is drawn over it.
    if (Cvicne)
        strana.Operace.prepend(ZnackaSkoleni(RozmerListu()));
    if (m_primyMalir) {
        if (!m_primaPrvniStrana)
            m_primy->newPage();
        m_primaPrvniStrana = false;
        PrehrajStranu(*m_primyMalir, strana);
        return;
    }
    m_strany.append(std::move(strana));
    if (m_aktStrana == 0)
        m_aktStrana = 1;
}

void TNahled::NewPage()
{
    if (!m_otevreny) {
        BeginDoc();
        return;
    }
    UzavriStranu();
    emit ZmenaStran();
}

void TNahled::EndDoc()
{
    if (!m_otevreny)
        return;
    UzavriStranu();
    m_otevreny = false;
    if (m_primyMalir) {
        const bool ok = m_primyMalir->end();
        m_primyMalir.reset();
        if (!ok)
            throw EChyba(u"Tisk dokumentu „%1“ se nepodařilo dokončit."_s.arg(NazevSouboru));
    }
    emit ZmenaStran();
}

void TNahled::NastavPrimyTisk(QPagedPaintDevice *zarizeni)
{
    if (!m_otevreny)
        m_primy = zarizeni;
}

void TNahled::NastavAktStranu(int cislo)
{
    if (m_strany.isEmpty())
        return;
    cislo = qBound(1, cislo, int(m_strany.size()));
    if (cislo != m_aktStrana) {
        m_aktStrana = cislo;
        emit ZmenaStran();
    }
}

bool TNahled::TiskniStrany(QPagedPaintDevice &zarizeni, int od, int doStr, int kopie)
{
    if (m_otevreny || m_tiskne)
        return false;
    od = qMax(1, od);
    doStr = qMin(doStr, int(m_strany.size()));
    if (od > doStr)
        return false;
    m_tiskne = true;
    QPainter malir;
    if (!ZacniZarizeni(zarizeni, malir)) {
        m_tiskne = false;
        throw EChyba(u"Tisk dokumentu „%1“ se nepodařilo zahájit."_s.arg(NazevSouboru));
    }
    bool prvni = true;
    for (int k = 0; k < qMax(1, kopie); ++k) {
        for (int i = od; i <= doStr; ++i) {
            if (!prvni)
                zarizeni.newPage();
            prvni = false;
            PrehrajStranu(malir, m_strany.at(i - 1));
        }
    }
    const bool ok = malir.end();
    m_tiskne = false;
    if (!ok)
        throw EChyba(u"Tisk dokumentu „%1“ se nepodařilo dokončit."_s.arg(NazevSouboru));
    return true;
}

void TNahled::ZacatekTisku()
{
    PocetStran = 0;
}

TPlatno &TNahled::VratCanvas()
{
    if (PocetStran == 0)
        BeginDoc();
    else
        NewPage();
    ++PocetStran;
    odStrany = 1;
    doStrany = PocetStran;
    return m_platno;
}

void TNahled::KonecTisku()
{
    EndDoc();
}

TOperace ZnackaSkoleni(QSize list)
{
    TOperace o;
    o.Text = Skoleni::TextZnacky;
    o.X1 = list.width() / 2;
    o.Y1 = list.height() / 2;
    // Below 45 degrees text extraction still reads it as words, not letter by letter.
    o.Otoceni = 30;
    o.Pismo.Tucne = true;
    o.Pismo.Barva = QColor(0xd8, 0xd8, 0xd8);
    // As large as fits nine tenths of the printable area, turned.
    constexpr int Vzor = 100;
    o.Pismo.Velikost = Vzor;
    const QFontMetricsF mira(o.Pismo.QtPismo());
    const qreal delka = mira.horizontalAdvance(o.Text);
    const qreal vyska = mira.ascent() + mira.descent();
    const qreal uhel = qDegreesToRadians(qreal(o.Otoceni));
    const qreal sirka = 0.9 * (list.width() - 2 * TNahled::OkrajTiskarny);
    const qreal hloubka = 0.9 * (list.height() - 2 * TNahled::OkrajTiskarny);
    o.Pismo.Velikost =
        int(Vzor * qMin(sirka / (delka * std::cos(uhel) + vyska * std::sin(uhel)),
                        hloubka / (delka * std::sin(uhel) + vyska * std::cos(uhel))));
    return o;
}

void NastavMeritko(QPainter &malir, const QPaintDevice &zarizeni)
{
    malir.resetTransform();
    malir.scale(zarizeni.logicalDpiX() / 254.0, zarizeni.logicalDpiY() / 254.0);
}

void PrehrajStranu(QPainter &malir, const TStrana &strana)
{
    malir.save();
    malir.setBrush(Qt::NoBrush);
    malir.setRenderHint(QPainter::Antialiasing);
    malir.setRenderHint(QPainter::TextAntialiasing);
    TPismo posledni;
    qreal nadUcari = -1; // ascent of the last font: a text hangs from its Y
    for (const TOperace &o : strana.Operace) {
        switch (o.Druh) {
        case TDruhOperace::Text: {
            if (nadUcari < 0 || !(o.Pismo == posledni)) {
                posledni = o.Pismo;
                const QFont f = posledni.QtPismo();
                malir.setFont(f);
                nadUcari = QFontMetricsF(f).ascent();
            }
            malir.setPen(QPen(o.Pismo.Barva));
            if (o.Otoceni == 0) {
                malir.drawText(QPointF(o.X1, o.Y1 + nadUcari), o.Text);
                break;
            }
            const QFontMetricsF mira(malir.font());
            malir.save();
            malir.translate(o.X1, o.Y1);
            malir.rotate(-o.Otoceni);
            malir.drawText(
                QPointF(-mira.horizontalAdvance(o.Text) / 2, (mira.ascent() - mira.descent()) / 2),
                o.Text);
            malir.restore();
            break;
        }
        case TDruhOperace::Cara:
        case TDruhOperace::Obdelnik: {
            QPen pero(Qt::black, qMax(1, o.Pero.Sirka), o.Pero.Styl, Qt::FlatCap, Qt::MiterJoin);
            malir.setPen(pero);
            if (o.Druh == TDruhOperace::Cara)
                malir.drawLine(QPointF(o.X1, o.Y1), QPointF(o.X2, o.Y2));
            else
                malir.drawRect(QRectF(QPointF(o.X1, o.Y1), QPointF(o.X2, o.Y2)).normalized());
            break;
        }
        }
    }
    malir.restore();
}

QByteArray VytvorPdf(TNahled &nahled, int od, int doStrany)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(nahled.NazevSouboru);
        pdf.setCreator(u"Zelkovar"_s);
        pdf.setResolution(1200);
        if (!nahled.TiskniStrany(pdf, od, doStrany))
            return {};
    }
    return buffer.data();
}

bool UlozPdf(TNahled &nahled, const QString &cesta, int od, int doStrany)
{
    const QByteArray pdf = VytvorPdf(nahled, od, doStrany);
    if (pdf.isEmpty())
        return false;
    const QString adresar = QFileInfo(cesta).absolutePath();
    if (!QDir().mkpath(adresar))
        throw EChyba(u"Adresář %1 pro tisk do souboru nelze vytvořit."_s.arg(adresar));
    Soubory::UlozAtomicky(cesta, pdf);
    return true;
}
