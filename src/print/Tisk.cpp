#include "Tisk.h"

#include <QFontMetricsF>
#include <QtMath>

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

bool TTisk::Vejde(const QString &text, const TPismo &pismo, int sirka) const
{
    return QFontMetricsF(pismo.QtPismo(), &m_mereni).horizontalAdvance(text) <= sirka;
}

QString TTisk::Opakuj(const QString &text, int n)
{
    return n > 0 ? text.repeated(n) : QString();
}

QString TTisk::CeleCislo(qint64 cislo, int n)
{
    return QString::number(cislo).rightJustified(n, u' ');
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

bool TTisk::JeOddelovac(QChar c)
{
    return QStringView(u" -.:;").contains(c);
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
    for (int i = 1; i <= t.size(); ++i) {
        const int p = SirkaTextu(t.left(i));
        if (p > mezera - tolerance && JeOddelovac(t.at(i - 1)))
            return i;
        if (p > mezera + tolerance)
            return i;
    }
    return 0;
}

int TTisk::ZnakuDoSirky(const QString &text, int sirka)
{
    // Widths grow with the length, so the longest fitting start is found by halving.
    const auto vejde = [&](qsizetype n) { return Vejde(BezMezerVpravo(text.left(n)), sirka); };
    qsizetype dole = 0;
    qsizetype nahore = text.size();
    if (vejde(nahore))
        return int(nahore);
    while (nahore - dole > 1) {
        const qsizetype stred = (dole + nahore) / 2;
        (vejde(stred) ? dole : nahore) = stred;
    }
    // The line ends after its last separator, unless that would leave it blank.
    qsizetype n = dole;
    for (qsizetype i = dole; i > 0; --i) {
        if (JeOddelovac(text.at(i - 1)) && !text.left(i).trimmed().isEmpty()) {
            n = i;
            break;
        }
    }
    while (n > 0 && n < text.size() && text.at(n) == u' ')
        ++n;
    return int(n);
}

int TTisk::ZnakuNaRadek(const QString &text, int xStart, int xEnd, int xMez)
{
    const QString t = BezMezerVpravo(text);
    const int b = MistoZlomu(t, xStart, xEnd);
    const int n = b > 0 ? b : int(t.size());
    if (Vejde(BezMezerVpravo(t.left(n)), xMez - xStart))
        return n;
    return ZnakuDoSirky(t, xMez - xStart);
}

int TTisk::VelikostNaSirku(const QString &text, int sirka, int velikost)
{
    TPismo f = Canvas().Font;
    for (f.Velikost = velikost; f.Velikost > VelikostMala; --f.Velikost) {
        if (Vejde(text, f, sirka))
            break;
    }
    return f.Velikost;
}

QStringList TTisk::Radky(const QString &text, int prvni, int dalsi)
{
    QStringList radky;
    QString zbytek = BezMezerVpravo(text);
    int sirka = prvni;
    while (!zbytek.isEmpty()) {
        const int n = qMax(radky.isEmpty() ? 0 : 1, ZnakuDoSirky(zbytek, sirka));
        radky.append(zbytek.left(n));
        zbytek = zbytek.mid(n);
        sirka = dalsi;
    }
    return radky;
}

TRozlozeni TTisk::Rozloz(const QString &text, int prvni, int dalsi, int velikost, int nejvic)
{
    const QString t = BezMezerVpravo(text);
    TPismo &f = Canvas().Font;
    const int puvodni = f.Velikost;
    TRozlozeni r{VelikostNaSirku(t, prvni, velikost), {}};
    f.Velikost = r.Velikost;
    if (Vejde(t, prvni)) {
        if (!t.isEmpty())
            r.Radky = {t};
    } else {
        for (;; --r.Velikost) {
            f.Velikost = r.Velikost;
            r.Radky = Radky(t, prvni, dalsi);
            if (r.Radky.size() <= nejvic || r.Velikost <= 1)
                break;
        }
    }
    f.Velikost = puvodni;
    return r;
}

TRozlozeni TTisk::Zalom(const QString &text, int prvni, int dalsi, int velikost, int nejvic)
{
    const QString t = BezMezerVpravo(text);
    TPismo &f = Canvas().Font;
    const int puvodni = f.Velikost;
    const auto meziSlovy = [](const QStringList &radky) {
        for (qsizetype i = 0; i + 1 < radky.size(); ++i) {
            if (radky.at(i).isEmpty() || !JeOddelovac(radky.at(i).back()))
                return false;
        }
        return true;
    };
    TRozlozeni r{velikost, {}};
    for (; r.Velikost >= VelikostMala; --r.Velikost) {
        f.Velikost = r.Velikost;
        r.Radky = Radky(t, prvni, dalsi);
        if (r.Radky.size() <= nejvic && meziSlovy(r.Radky))
            break;
    }
    if (r.Velikost < VelikostMala) {
        f.Velikost = r.Velikost = velikost;
        r.Radky = Radky(t, prvni, dalsi);
    }
    f.Velikost = puvodni;
    return r;
}

QStringList TTisk::DvaRadky(const QString &text, int prvni, int dalsi)
{
    const QString t = BezMezerVpravo(text);
    QStringList nejlepsi;
    qreal nejuzsi = 0;
    const QFontMetricsF fm(Canvas().Font.QtPismo(), &m_mereni);
    for (qsizetype i = 1; i < t.size(); ++i) {
        if (!JeOddelovac(t.at(i - 1)))
            continue;
        const QString a = BezMezerVpravo(t.left(i));
        const QString b = t.mid(i).trimmed();
        const qreal wa = fm.horizontalAdvance(a);
        const qreal wb = fm.horizontalAdvance(b);
        if (a.trimmed().isEmpty() || b.isEmpty() || wa > prvni || wb > dalsi)
            continue;
        if (nejlepsi.isEmpty() || qMax(wa, wb) < nejuzsi) {
            nejlepsi = {a, b};
            nejuzsi = qMax(wa, wb);
        }
    }
    return nejlepsi;
}

int TTisk::VyskaTextu() const
{
    const QFontMetricsF fm(m_nahled.Canvas().Font.QtPismo(), &m_mereni);
    return qCeil(fm.ascent() + fm.descent());
}

QString TTisk::TeckyOd(int x, int pocet)
{
    const int mez = PravaMez();
    const int tecka = qMax(1, SirkaTextu(u"."_s));
    int n = qBound(0, pocet, qMax(0, (mez - x) / tecka + 2));
    while (n > 0 && !Vejde(Opakuj(u"."_s, n), mez - x))
        --n;
    return Opakuj(u"."_s, n);
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
