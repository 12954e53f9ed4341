#include "Tisk.h"

#include <QFontMetricsF>

using namespace Qt::StringLiterals;

TTisk::TTisk(TNahled &nahled) : m_nahled(nahled), m_mereni(1, 1, QImage::Format_RGB32)
{
    // 96 pixels per inch: a width measured in pixels is a width in layout units.
    m_mereni.setDotsPerMeterX(3780);
    m_mereni.setDotsPerMeterY(3780);
}

void TTisk::InitTisk(const QDateTime &ted)
{
    m_nahled.Papir = QPageSize::A4;
    m_nahled.Orientace = QPageLayout::Portrait;
    LevyOkraj = 200;
    PravyOkraj = 1900;
    VyskaRadku = 50;
    ZakladniVyskaRadku = 50;
    DolniOkraj = 54 * VyskaRadku;
    DolniRezerva = 35;
    CisloStrany = 1;
    StranaSHlavickou = 1;
    ZlomPovolen = false;
    VelikostZakladni = 24;
    VelikostMala = 16;
    VelikostNormalni = 26;
    VelikostNadpisu = 32;
    SirkySloupcu.fill(0);
    DatumTisku = ted.toString(u"dd.MM.yyyy"_s);
    CasTisku = ted.toString(u"hh:mm"_s);
    KodProgramu = u"KV"_s;
    VerzeProgramu = u"5.1507.22"_s;
    TPlatno &c = Canvas();
    c.Font = TPismo();
    c.Font.Rez = u"Arial"_s + PripFontu;
    c.Font.Velikost = VelikostZakladni;
    c.Pen = TPero();
}

int TTisk::SirkaTextu(const QString &text, const TPismo &pismo) const
{
    if (text.isEmpty())
        return 0;
    const QFontMetricsF fm(pismo.QtPismo(), &m_mereni);
    return qRound(fm.horizontalAdvance(text));
}

QString TTisk::Opakuj(const QString &text, int n)
{
    return n > 0 ? text.repeated(n) : QString();
}

QString TTisk::CisloVpravo(qint64 cislo, int n)
{
    const QString s = QString::number(cislo);
    if (s.size() > n)
        return s.right(n);
    return s.rightJustified(n, u' ');
}

QString TTisk::BezMezerVpravo(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == u' ')
        --n;
    return text.left(n);
}

int TTisk::PocetTecek(int x1, int x2)
{
    if (x1 > x2)
        return 0;
    QString tecky;
    for (int n = 1; n < 500; ++n) {
        tecky += u'.';
        if (SirkaTextu(tecky) > x2 - x1)
            return n;
    }
    return 0;
}

QString TTisk::Tecky(int x1, int x2)
{
    return Opakuj(u"."_s, PocetTecek(x1, x2));
}

int TTisk::MistoZlomu(const QString &text, int xStart, int xEnd)
{
    if (xStart > xEnd)
        return 0;
    const QString t = BezMezerVpravo(text);
    const int mezera = xEnd - xStart;
    if (SirkaTextu(t) <= mezera)
        return 0;
    const int tolerance = SirkaTextu(u"DlouhéSlovo"_s);
    static const QString oddelovace = u" -.:;"_s;
    for (int i = 1; i <= t.size(); ++i) {
        const int p = SirkaTextu(t.left(i));
        if (p > mezera - tolerance && oddelovace.contains(t.at(i - 1)))
            return i;
        if (p > mezera + tolerance)
            return i;
    }
    return 0;
}

void TTisk::NastavFont(const QString &rodina)
{
    TPismo &f = Canvas().Font;
    f.Rez = (rodina == u"Courier New" ? u"Courier New"_s : u"Arial"_s) + PripFontu;
    f.Barva = Qt::black;
}

void TTisk::NastavStyl(const QString &styl)
{
    TPismo &f = Canvas().Font;
    const QChar c = styl.isEmpty() ? QChar(u' ') : styl.at(0);
    f.Tucne = c == u'B';
    f.Kurziva = c == u'I';
    f.Podtrzene = c == u'U';
    f.Preskrtnute = c == u'-';
}

void TTisk::Posun(int radky, int limit)
{
    if (radky > 0)
        AktY += radky * VyskaRadku;
    if (ZlomPovolen && AktY > limit) {
        StranaSHlavickou = CisloStrany;
        ++CisloStrany;
        ZlomPovolen = false;
    }
}

void TTisk::VynutZlom()
{
    if (StranaSHlavickou == CisloStrany)
        ++StranaSHlavickou;
}

void TTisk::TiskStred(int radky, int x1, int x2, int y, const QString &styl, const QString &text)
{
    Posun(radky, DolniOkraj - 2 * DolniRezerva);
    int yy = AktY;
    if (y != 0 && AktY + y > 0)
        yy = AktY + y;
    NastavStyl(styl);
    Canvas().Font.Barva = Qt::black;
    const int w = SirkaTextu(text);
    Canvas().TextOut(x1 + (x2 - x1) / 2 - w / 2, yy, text);
    NastavStyl(QString());
}

void TTisk::TiskStyl(int radky, int x, int y, const QString &styl, const QString &text)
{
    Posun(radky, DolniOkraj - DolniRezerva);
    NastavStyl(styl);
    Canvas().Font.Barva = Qt::black;
    Canvas().TextOut(x, AktY + y, text);
    NastavStyl(QString());
}

void TTisk::Tisk(int radky, int x, int y, const QString &text)
{
    Posun(radky, DolniOkraj - 2 * DolniRezerva);
    const int yy = y > 0 ? y : AktY + y;
    Canvas().Font.Barva = Qt::black;
    Canvas().TextOut(x, yy, text);
}

void TTisk::TiskVpravo(int radky, int x, int y, const QString &text)
{
    Posun(radky, DolniOkraj - 2 * DolniRezerva);
    const int yy = y > 0 ? y : AktY + y;
    Canvas().Font.Barva = Qt::black;
    Canvas().TextOut(x - SirkaTextu(text), yy, text);
}

void TTisk::Hvezdicky(int x, int y, int n)
{
    Canvas().Font.Velikost = 15;
    Canvas().Font.Barva = Qt::black;
    Canvas().TextOut(x, y, Opakuj(u"*"_s, n) + u')');
    Canvas().Font.Velikost = VelikostZakladni;
}
