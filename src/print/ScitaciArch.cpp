#include "ScitaciArch.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int Odsazeni = 105; // I: start of the candidate text
constexpr int SirkaSloupce = Odsazeni + 30;
constexpr int Mezera = 20; // between two texts of a line

class TArch
{
public:
    TArch(TTisk &t, const TStaniceRec &stanice, const TOkrsekRefRec &okrsek, const TReference &ref)
        : t(t), m_okrsek(okrsek), m_ref(ref), m_obec(stanice.NazevObce.trimmed())
    {
    }

    void Proved(int papir, const QString &velikost, const QDateTime &ted);

private:
    int L() const { return t.LevyOkraj; }
    int R() const { return t.PravyOkraj; }
    int X0() const { return L() + 6 * Odsazeni; }
    int KonecSloupcu() const { return X0() + m_sloupcu * SirkaSloupce; }

    void ZlomArchu();
    void Hlavicka();
    void HlavickaStrany();
    void Kandidat(int i);
    void Paticka();

    TTisk &t;
    const TOkrsekRefRec &m_okrsek;
    const TReference &m_ref;
    QString m_obec;
    int m_sloupcu = 8;
    int m_strana = 0; // party being printed
    int CisloListu = 1;
    bool MeziStranami = true;
    bool OpakovanaHlavicka = false;
};

void TArch::Proved(int papir, const QString &velikost, const QDateTime &ted)
{
    t.InitTisk(ted);
    t.VelikostNormalni = 20;
    t.VelikostNadpisu = 34;
    TNahled &n = t.Nahled();
    if (papir == 0) {
        n.Orientace = QPageLayout::Landscape;
        t.PravyOkraj = 2800;
        t.DolniOkraj = 1890;
        m_sloupcu = 15;
    } else if (velikost == u"A3") {
        n.Papir = QPageSize::A3;
        t.PravyOkraj = 2800;
        t.DolniOkraj = 4050;
        m_sloupcu = 15;
    } else {
        t.PravyOkraj = 1900;
        t.DolniOkraj = 2880;
        m_sloupcu = 8;
    }
    t.VyskaRadku = 50;

    t.ZacatekTisku();
    t.VratCanvas();
    t.NastavFont(u"Arial"_s);
    t.CisloStrany = 1;
    CisloListu = 1;
    t.NastavVelikost(20);
    Hlavicka();
    MeziStranami = true;

    const int pocet = m_ref.PocetStranSeznamu;
    for (int k = 1; k <= pocet; ++k) {
        m_strana = k;
        t.ZlomPovolen = true;
        if (t.AktY + 5 * t.VyskaRadku >= t.DolniOkraj)
            t.VynutZlom();
        ZlomArchu();
        HlavickaStrany();
        const int kandidatu =
            qBound(0, m_ref.SeznamStran[k].PocetKand.trimmed().toInt(), MaxKandidatu);
        for (int i = 1; i <= kandidatu; ++i)
            Kandidat(i);
        MeziStranami = true;
        t.Canvas().Pen = TPero{1, Qt::SolidLine};
        const int y = t.AktY + t.DolniRezerva + 20;
        t.Canvas().Cara(L(), y, KonecSloupcu(), y);
        if (k < pocet) {
            ++t.CisloStrany;
            ZlomArchu();
        }
    }
    Paticka();
    t.KonecTisku();
}

void TArch::ZlomArchu()
{
    if (t.StranaSHlavickou == t.CisloStrany)
        return;
    Paticka();
    t.VratCanvas();
    Hlavicka();
    t.StranaSHlavickou = t.CisloStrany;
    t.ZlomPovolen = true;
}

void TArch::Hlavicka()
{
    t.NastavFont(u"Arial"_s);
    t.NastavVelikost(20);
    t.AktY = 100;
    t.NastavVelikost(t.VelikostNadpisu);
    t.TiskStred(0, L(), R(), 0, u"B"_s, u"Pomocný sčítací arch pro sčítání hlasů kandidátů"_s);
    t.NastavVelikost(20);
    t.Tisk(0, R() - 150, 0, u"arch č. ..... "_s);
    OpakovanaHlavicka = false;
    if (!MeziStranami) {
        OpakovanaHlavicka = true;
        HlavickaStrany();
    }
}

void TArch::HlavickaStrany()
{
    const int k = m_strana;
    TPlatno &c = t.Canvas();
    c.Pen = TPero{1, Qt::SolidLine};
    t.Tisk(1, L() + Odsazeni, 0, QString());
    const QString cislo = u"Strana č. "_s + TTisk::CisloVpravo(k, 3);
    const QString obec = u"Obec: "_s + m_obec;
    t.Tisk(1, L() + Odsazeni, 0, cislo);
    t.TiskVpravo(0, R(), 0, obec);

    // The heading stands centred, 2 units above the line so that it clears the line
    // below in its larger size. It moves between the texts at its sides, smaller when it
    // must; when even the small size does not fit there, it takes lines of its own,
    // right of the party total box.
    const int xL = L() + Odsazeni + t.SirkaTextu(cislo) + Mezera;
    const int xR = R() - t.SirkaTextu(obec) - Mezera;
    const QString nadpis =
        u"Zastupitelstvo: "_s + m_okrsek.NazevZast.trimmed() + u", obvod: "_s + m_okrsek.CObvodu;
    t.NastavVelikost(t.VelikostNormalni + 6);
    c.Font.Tucne = true;
    const int w = t.SirkaTextu(nadpis);
    const int x = L() + (R() - L()) / 2 - w / 2;
    if (x >= xL && t.Vejde(nadpis, xR - x)) {
        t.TiskStred(0, L(), R(), -2, u"B"_s, nadpis);
    } else {
        TPismo f = c.Font;
        f.Velikost = t.VelikostNaSirku(nadpis, xR - xL, t.VelikostNormalni + 6);
        if (t.Vejde(nadpis, f, xR - xL)) {
            t.NastavVelikost(f.Velikost);
            t.TiskStred(0, xL, xR, -2, u"B"_s, nadpis);
        } else {
            for (const QString &radek : t.Radky(nadpis, R() - L() - Odsazeni, R() - L() - Odsazeni))
                t.TiskStred(1, L() + Odsazeni, R(), -2, u"B"_s, radek);
        }
    }
    c.Font.Tucne = false;
    t.NastavVelikost(20);

    t.TiskStyl(1, L() + Odsazeni, -12, u" "_s,
               u"Volební strana: "_s + m_ref.SeznamStran[k].NazevZkr.left(46));
    const QString okrsek = u"Okrsek: "_s + TTisk::CisloVpravo(m_okrsek.CisloOkrsku, 5);
    t.TiskStyl(0, R() - t.SirkaTextu(okrsek), -12, u" "_s, okrsek);

    t.Tisk(1, L() + Odsazeni, 0, QString());
    const int yt = t.AktY;
    const int v = t.VyskaRadku;
    if (!OpakovanaHlavicka)
        c.Rectangle(L(), yt - 2 * v, L() + Odsazeni - 10, yt - v / 2);

    c.Cara(L(), yt - 15, L(), yt + v - 6);
    c.Cara(X0(), yt - 15, X0(), yt + v - 6);
    t.Tisk(0, L() + 10, 0, u"Celkem Pořadové číslo, jméno a příjmení"_s);
    const int sirkaVzoru = t.SirkaTextu(VzorCarek);
    for (int j = 1; j <= m_sloupcu; ++j) {
        const int levy = X0() + (j - 1) * SirkaSloupce;
        const QString cislo = QString::number(j * 10);
        t.Tisk(0, levy + sirkaVzoru - t.SirkaTextu(cislo + u' '), 0, cislo);
        c.Pen = TPero{1, j == m_sloupcu ? Qt::SolidLine : Qt::DotLine};
        c.Cara(levy + SirkaSloupce, yt - 15, levy + SirkaSloupce, yt + v - 6);
    }
    c.Pen = TPero{1, Qt::SolidLine};
    c.Cara(L(), yt - 15, KonecSloupcu(), yt - 15);
    c.Cara(L(), yt + v - 10, KonecSloupcu(), yt + v - 10);
}

void TArch::Kandidat(int i)
{
    MeziStranami = false;
    // The order numbers end in one column and the names start in the next, whole: a name
    // too long for its place goes on on further lines of the row, below its dots.
    const TKandidatRec &kand = m_ref.Kandidati[m_strana][i];
    const int xCisla = L() + Odsazeni + t.SirkaTextu(u"00."_s);
    const int xJmena = xCisla + t.SirkaTextu(u" "_s);
    const int sirka = X0() - Mezera - xJmena;
    const TRozlozeni r = t.Zalom(kand.CeleJmeno(), sirka, sirka, 20, 2);
    const int radku = qMax(1, int(r.Radky.size()));
    if (t.AktY + (radku + 1) * t.VyskaRadku >= t.DolniOkraj - t.DolniRezerva)
        t.VynutZlom();
    ZlomArchu();

    if (kand.Platnost == u"N")
        t.TiskStyl(1, L(), 0, u"B"_s, u"      N"_s);
    else
        t.Tisk(1, L(), 0, QString());
    const QString styl = i % 5 == 0 ? u"B"_s : u" "_s;
    t.TiskStyl(0, L() + Odsazeni, 10, styl, TTisk::Opakuj(u"."_s, 65));
    t.TiskVpravo(0, xCisla, 0, QString::number(i) + u'.');
    t.NastavVelikost(r.Velikost);
    t.Tisk(0, xJmena, 0, r.Radky.value(0));
    const int yRadku = t.AktY;
    for (int j = 1; j < radku; ++j)
        t.Tisk(1, xJmena, 0, r.Radky.at(j));
    t.NastavVelikost(20);
    const int yKonec = t.AktY;
    t.AktY = yRadku;

    TPlatno &c = t.Canvas();
    const int y1 = t.AktY - 10;
    const int y2 = yKonec + t.VyskaRadku + 10;
    c.Pen = TPero{1, Qt::SolidLine};
    c.Cara(L(), y1, L(), y2);
    c.Cara(X0(), y1, X0(), y2);
    for (int j = 1; j <= m_sloupcu; ++j) {
        const int levy = X0() + (j - 1) * SirkaSloupce;
        t.TiskStyl(0, levy + 5, 10, styl, VzorCarek);
        c.Pen = TPero{1, j == m_sloupcu ? Qt::SolidLine : Qt::DashDotLine};
        c.Cara(levy + SirkaSloupce, y1, levy + SirkaSloupce, y2);
    }
    // The box for the candidate's total ends where six digits would.
    TPismo zaklad = c.Font;
    zaklad.Velikost = 20;
    zaklad.Tucne = zaklad.Kurziva = zaklad.Podtrzene = zaklad.Preskrtnute = false;
    const int v = L() + t.SirkaTextu(u"000000"_s, zaklad);
    c.Pen = TPero{3, Qt::SolidLine};
    c.Rectangle(L() + 15, t.AktY - 3, v, t.AktY - 3 + t.VyskaRadku - 6);
    t.AktY = yKonec;
}

void TArch::Paticka()
{
    const int d = t.DolniOkraj;
    t.NastavFont(u"Arial"_s);
    t.NastavVelikost(20);
    t.NastavStyl(QString());
    t.TiskVpravo(0, R(), d,
                 m_okrsek.KodObce.trimmed() + u'-' + QString::number(m_okrsek.CisloOkrsku) +
                     u" List: "_s + TTisk::CeleCislo(CisloListu, 2) + u" - "_s + t.KodProgramu);
    const int stred = L() + (R() - L()) / 2;
    t.NastavStyl(u"B"_s);
    t.Tisk(0, stred, d - t.DolniRezerva / 2, u"VZOR"_s);
    t.NastavStyl(QString());
    TPlatno &c = t.Canvas();
    c.Pen = TPero{3, Qt::SolidLine};
    for (int j = 1; j <= 4; ++j)
        c.Cara(stred + 10 * j + 105, d - 15, stred + 10 * j + 100, d + 15);
    c.Cara(stred + 100, d, stred + 150, d);
    ++CisloListu;
}

} // namespace

void TiskScitacihoArchu(TTisk &t, const TStaniceRec &stanice, const TOkrsekRefRec &okrsek,
                        const TReference &ref, int papir, const QString &velikost,
                        const QDateTime &ted)
{
    TArch(t, stanice, okrsek, ref).Proved(papir, velikost, ted);
}
