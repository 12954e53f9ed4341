#include "Zapis.h"

#include <QPoint>

using namespace Qt::StringLiterals;

namespace {

QString Orez(const QString &text)
{
    return TTisk::BezMezerVpravo(text);
}

// A count from a reference record; anything unreadable counts as none.
int PocetZTextu(const QString &text, int nejvic)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? qBound(0, n, nejvic) : 0;
}

// The rest of a free text after the first n characters. Section III repeats the
// separator a line was broken at (a hyphen stands at both ends); a word cut for want
// of any separator goes on without repeating a letter.
QString ZbytekOd(const QString &text, int n)
{
    if (n > 0 && n < text.size() && TTisk::JeOddelovac(text.at(n - 1)))
        --n;
    return text.mid(n);
}

constexpr int MezeraSloupcu = 20; // between two members' names

} // namespace

TZapis::TZapis(TTisk &t, const TDataZapisu &d) : t(t), d(d) {}

void TZapis::ZacniUlohu(const QDateTime &ted)
{
    t.PripFontu = d.Stanice.PripFontu;
    t.InitTisk(ted);
    Razitko = ted.toString(u"dd.MM.yyyy hh:mm:ss,zzz"_s);
    KontrolniSoucet =
        QString::number(d.Vysledky.VetaTS.KontrSoucetTS, 'f', 0).rightJustified(12, u' ');
}

QList<qint32> TZapis::ChybyDoPaticky(const TChybProt *protokol)
{
    QList<qint32> cisla;
    if (!protokol)
        return cisla;
    for (qsizetype i = 0; i < protokol->Pocet(); ++i) {
        const qint32 c = protokol->VratChybu(i).Chyba;
        if ((c >= 6 && c <= 12) || (c >= 91 && c <= 97) || c == 99)
            cisla.append(c);
    }
    return cisla;
}

int TZapis::WStyl(const QString &styl, const QString &text)
{
    TPismo f = t.Canvas().Font;
    const QChar c = styl.isEmpty() ? QChar(u' ') : styl.at(0);
    f.Tucne = c == u'B';
    f.Kurziva = c == u'I';
    f.Podtrzene = c == u'U';
    f.Preskrtnute = c == u'-';
    return t.SirkaTextu(text, f);
}

void TZapis::Posun(int radky)
{
    // An advance with nothing drawn still runs the overflow test.
    t.Tisk(radky, L(), 0, QString());
}

void TZapis::VpravoStyl(int radky, int x, int y, const QString &styl, const QString &text)
{
    t.TiskStyl(radky, x - WStyl(styl, text), y, styl, text);
}

void TZapis::Hodnota(int x, int y, const QString &text, int velikost)
{
    const int puvodni = t.Canvas().Font.Velikost;
    t.NastavVelikost(velikost);
    t.Tisk(0, x, y, text);
    t.NastavVelikost(puvodni);
}

void TZapis::HodnotaDo(int x, int y, int xMez, const QString &text, int velikost, bool tucne)
{
    const TPismo puvodni = t.Canvas().Font;
    t.Canvas().Font.Tucne = tucne;
    const TRozlozeni r = t.Rozloz(text, xMez - x, xMez - x, velikost);
    t.NastavVelikost(r.Velikost);
    t.Tisk(0, x, y, r.Radky.value(0));
    t.Canvas().Font = puvodni;
}

void TZapis::RadkyNaTeckach(const TRozlozeni &r, int radky, int y, int tecek)
{
    for (const QString &radek : r.Radky) {
        t.Tisk(radky, L(), 0, t.TeckyOd(L(), tecek));
        Hodnota(L(), y, radek, r.Velikost);
        radky = 1;
    }
}

void TZapis::ZlomListu1(int vyska)
{
    if (t.AktY + vyska <= t.DolniOkraj - t.DolniRezerva)
        return;
    PatickaZapisu();
    t.VratCanvas();
    t.AktY = 100;
}

void TZapis::Lomena(std::initializer_list<QPoint> body)
{
    const QPoint *predchozi = nullptr;
    for (const QPoint &b : body) {
        if (predchozi)
            Cara(predchozi->x(), predchozi->y(), b.x(), b.y());
        predchozi = &b;
    }
}

// ---------------------------------------------------------------- footer

void TZapis::PatickaZapisu()
{
    const QString rez = t.Canvas().Font.Rez;
    const int velikost = t.Canvas().Font.Velikost;
    t.NastavFont(u"Arial"_s);
    t.NastavStyl(QString());
    t.NastavVelikost(t.VelikostNormalni + 6);
    const int y = t.DolniOkraj - t.DolniRezerva;

    const QString list = u" List: "_s + TTisk::CeleCislo(CisloListu, 2) + u'/' +
                         QString::number(PocetListu) + u" - "_s + t.KodProgramu;
    const int w1 = W(list);
    t.Tisk(0, R() - w1, y, list);

    const QString soucet = KontrolniSoucet.trimmed();
    const int w2 = WStyl(u"B"_s, soucet) + 20;
    t.Canvas().Font.Tucne = true;
    t.Tisk(0, R() - w1 - w2, y, soucet);
    t.Canvas().Font.Tucne = false;

    const TOkrsekRec &v = d.Vysledky.VetaT3;
    const QString ident = QString::number(v.Obec) + u'-' + QString::number(v.Okrsek) + u'-' +
                          QString::number(v.TypZastup) + u'-';
    const int w3 = W(ident) + 10;
    t.Tisk(0, R() - w1 - w2 - w3, y, ident);

    // The stamp goes just below the line above it, which in this size is a little taller
    // than the 35 units between them.
    const int yRazitka = qMax(t.DolniOkraj, y + t.VyskaTextu());
    const int xRazitka = R() - W(Razitko);
    t.Tisk(0, xRazitka, yRazitka, Razitko);
    t.NastavVelikost(t.VelikostNormalni);

    if (!ChybyVytisteny) {
        // The export line stands alone on the lowest line of the printable area.
        t.NastavVelikost(t.VelikostMala);
        const int yOtisku = t.DolniMez() - t.VyskaTextu();
        if (!d.Otisk.isEmpty())
            t.Tisk(0, L(), yOtisku, d.Otisk);
        QStringList cisla;
        for (const qint32 c : ChybyDoPaticky(d.Protokol))
            cisla.append(QString::number(c));
        if (!cisla.isEmpty()) {
            // A long list goes on further lines below; its first line stops before the stamp.
            const int yChyb = t.DolniOkraj + t.DolniRezerva;
            const int radku =
                ((d.Otisk.isEmpty() ? t.DolniMez() : yOtisku) - yChyb) / t.VyskaTextu();
            const TRozlozeni r =
                t.Rozloz(u"Chyby č.: "_s + cisla.join(u", "_s), xRazitka - 20 - L(),
                         t.PravaMez() - L(), t.VelikostNormalni, radku);
            t.NastavVelikost(r.Velikost);
            for (int i = 0; i < r.Radky.size(); ++i)
                t.Tisk(0, L(), yChyb + i * t.VyskaTextu(), r.Radky.at(i));
            t.NastavVelikost(t.VelikostNormalni);
        }
        ChybyVytisteny = true;
    }
    ++CisloListu;
    t.Canvas().Font.Rez = rez;
    t.NastavVelikost(velikost);
}

// ---------------------------------------------------------------- sheet 1

void TZapis::RadekTecek(int korekce)
{
    t.Tisk(1, L(), 0, t.TeckyOd(L(), t.PocetTecek(L(), R()) + korekce));
}

void TZapis::Volba(int x, bool preskrtnout, const QString &slovo, int &xDalsi)
{
    t.TiskStyl(0, x, 0, preskrtnout ? u"-"_s : QString(), slovo);
    t.Tisk(0, x + W(slovo) + W(u"."_s), 0, u"*)"_s);
    xDalsi = x + W(slovo + u" *) "_s);
}

void TZapis::VyrokSDuvodem(int radky, TVyrok v)
{
    const bool ano = JeAno(v.Pole);
    t.Tisk(radky, L(), 0, v.Popisek);
    int x1 = 0;
    int x = 0;
    Volba(L() + W(v.Popisek), ano, v.Zapor, x1);
    Volba(x1, !ano, v.Klad, x);
    const int d1 = W(u"."_s);
    const auto zacatek = [&](int kus) { return x + W(v.Kusy.mid(0, kus).join(QString())); };

    // Each value stands over the dots that open its piece, never over the word before
    // them; one too wide for them even in the small size lengthens the dots, and the
    // rest of the sentence moves to the right by as much.
    QList<int> xHodnot;
    QList<int> velikosti;
    for (int i = 0; ano && i < 3; ++i) {
        const QString h = Orez(v.Hodnoty.at(i));
        QString &kus = v.Kusy[i + 1];
        const int xKusu = zacatek(i + 1);
        int xh = xKusu + v.Posuny.at(i);
        if (!t.Vejde(TTisk::BezMezerVpravo(v.Kusy.mid(0, i + 1).join(QString())), xh - x))
            xh = xKusu;
        qsizetype tecek = 0;
        while (tecek < kus.size() && kus.at(tecek) == u'.')
            ++tecek;
        // One unit short of the next word: widths are measured rounded.
        const int konec = xKusu + W(kus.left(tecek + 1)) - 1;
        const int velikost = t.VelikostNaSirku(
            h, konec - xh, i == 0 && h.size() > 12 ? t.VelikostMala : t.VelikostZakladni);
        TPismo f = t.Canvas().Font;
        f.Velikost = velikost;
        const int chybi = xh + t.SirkaTextu(h, f) + 1 - konec;
        if (chybi > 0)
            kus.insert(0, TTisk::Opakuj(u"."_s, (chybi + d1 - 1) / d1));
        xHodnot.append(xh);
        velikosti.append(velikost);
    }
    const QString text = v.Kusy.join(QString());
    const int tecky =
        t.PocetTecek(L() + W(v.Kusy.at(0) + v.Kusy.at(1)) + W(text), v.X2Tecek) + v.KorekceTecek;
    t.Tisk(0, x, 0, text + t.TeckyOd(x + W(text), tecky));
    if (!ano) {
        RadekTecek(K(5, 25));
        return;
    }
    for (int i = 0; i < 3; ++i)
        Hodnota(xHodnot.at(i), -12, Orez(v.Hodnoty.at(i)), velikosti.at(i));

    // The reason: the part that fits after the sentence, the rest on the row of dots
    // below, and only when even the small size cannot hold it there, on further rows.
    const QString duvod = Orez(v.Duvod);
    const int s = duvod.size() < 161 ? t.VelikostNormalni : t.VelikostNormalni - 2;
    const int xd = x + W(text);
    t.NastavVelikost(s);
    const int n = t.ZnakuNaRadek(duvod, xd, R(), t.PravaMez());
    t.Tisk(0, xd, -10, duvod.left(n));
    const TRozlozeni zbytek =
        t.Rozloz(duvod.mid(n), t.PravaMez() - L(), t.PravaMez() - L(), s, TTisk::LibovolneRadku);
    t.NastavVelikost(t.VelikostZakladni);
    if (zbytek.Radky.isEmpty())
        RadekTecek(v.KorekceBezZlomu);
    else
        RadkyNaTeckach(zbytek, 1, -10, t.PocetTecek(L(), R()) + K(5, 20));
}

TRozlozeni TZapis::RozlozObec(const QString &nazev, int prvni, int dalsi)
{
    // In the body size on one line, else on two as even as the words allow; smaller
    // only when that cannot hold it, and cut inside a word only when nothing else fits.
    TPismo &f = t.Canvas().Font;
    const TPismo puvodni = f;
    f.Tucne = true;
    TRozlozeni r;
    for (int s = t.VelikostZakladni; s >= t.VelikostMala && r.Radky.isEmpty(); --s) {
        f.Velikost = r.Velikost = s;
        r.Radky = t.Vejde(nazev, prvni) ? QStringList{nazev} : t.DvaRadky(nazev, prvni, dalsi);
    }
    if (r.Radky.isEmpty())
        r = t.Rozloz(nazev, prvni, dalsi, t.VelikostZakladni, 2);
    f = puvodni;
    return r;
}

void TZapis::TiskListu1()
{
    const THlasovaniRec &h = d.Hlasovani;
    const TOkrsekRec &v = d.Vysledky.VetaT3;
    const TOkrsekRefRec &o = d.AktOkrsek;

    t.NastavFont(u"Arial"_s);
    t.NastavStyl(QString());
    t.NastavVelikost(t.VelikostNadpisu);
    t.AktY = 100;
    t.TiskStred(1, L(), R(), 0, QString(),
                u"ZÁPIS O PRŮBĚHU A VÝSLEDKU HLASOVÁNÍ VE VOLEBNÍM OKRSKU"_s);
    t.TiskStyl(1, R() - 50, 0, u"B"_s, u"T/3"_s);
    t.NastavVelikost(t.VelikostZakladni);
    const int d1 = W(u"."_s);

    // Identification lines.
    const QString cislo = u"Ve volebním okrsku č.  ..."_s;
    const QString a =
        cislo + u".......... v obci (městysu, městě, městské části, městském obvodu) ...."_s;
    const QString okres = u"  okres  .."_s;
    const QString probehlo = u" proběhlo ve dnech (dne)"_s;
    const QString nazevOkresu = Orez(o.NazevOkresu);
    const int xProbehlo = R() - W(probehlo);
    t.Tisk(2, L(), 0, a + t.TeckyOd(L() + W(a), t.PocetTecek(L() + W(a), R())));
    t.TiskStyl(0, L() + W(cislo) + K(0, -10), -12, u"B"_s, TTisk::CisloVpravo(v.Okrsek, 5));
    // The municipality's second line takes the dots that open the next line; they grow
    // with it, moving "okres" right as far as the district's name allows.
    const TRozlozeni obec = RozlozObec(
        Orez(o.NazevObce), t.PravaMez() - L() - W(a),
        qMax(W(TTisk::Opakuj(u"."_s, 35)),
             xProbehlo - L() - W(okres) - WStyl(u"B"_s, nazevOkresu) - 2 * MezeraSloupcu));
    TPismo pismoObce = t.Canvas().Font;
    pismoObce.Tucne = true;
    pismoObce.Velikost = obec.Velikost;
    const auto radekObce = [&](int i, int x) {
        const TPismo puvodni = t.Canvas().Font;
        t.Canvas().Font = pismoObce;
        t.Tisk(0, x, -12, obec.Radky.value(i));
        t.Canvas().Font = puvodni;
    };
    radekObce(0, L() + W(a));

    const int wDruhy = t.SirkaTextu(obec.Radky.value(1), pismoObce);
    const QString uvod =
        TTisk::Opakuj(u"."_s, qMax(35, t.PocetTecek(L(), L() + wDruhy + MezeraSloupcu)));
    t.Tisk(1, L(), 0, uvod);
    radekObce(1, L());
    // The dots stop where the text at the right begins instead of running into it.
    t.Tisk(0, L() + W(uvod), 0,
           okres +
               TTisk::Opakuj(u"."_s, qMin(120, t.PocetTecek(L() + W(uvod + okres), xProbehlo))));
    t.TiskVpravo(0, R(), 0, probehlo);
    HodnotaDo(L() + W(uvod + okres), -12, xProbehlo, nazevOkresu, t.VelikostZakladni, true);

    const QString k1 = u"     hlasování ve volbách do  "_s;
    const QString k2 = u" zastupitelstva obce "_s;
    const QString k3 = u"    (městysu, města, městské části, městského"_s;
    const int kusy = W(k1) + WStyl(u"B"_s, k2) + W(k3);
    const int xk = R() - kusy;
    t.Tisk(1, L(), 0, u"...."_s + TTisk::Opakuj(u"."_s, t.PocetTecek(L() + W(u"...."_s), xk)));
    t.Tisk(0, xk, 0, k1);
    t.TiskStyl(0, xk + W(k1), 0, u"B"_s, k2);
    t.Tisk(0, xk + W(k1) + WStyl(u"B"_s, k2), 0, k3);
    HodnotaDo(L() + W(u"...."_s) + 10, -12, xk + W(u"     "_s), Orez(d.Stanice.DatumVoleb),
              t.VelikostZakladni, true);

    const QString obvodu = u"obvodu)  "_s;
    t.Tisk(1, L(), 0,
           obvodu + t.TeckyOd(L() + W(obvodu), t.PocetTecek(L() + W(obvodu), R()) + K(2, 20)));
    HodnotaDo(L() + W(obvodu) + 10, -10, t.PravaMez(), Orez(o.NazevZast), t.VelikostZakladni, true);

    // Section I: voting times.
    t.TiskStred(2, L(), R(), 0, u"B"_s, u"I."_s);
    const QString hodin = u".................... hodin."_s;
    const QString zahajil1 = u"Předseda komise zahájil hlasování první den voleb v "_s;
    const QString ukoncil1 = u"Předseda komise ukončil hlasování první den voleb v "_s;
    const QString zahajil2 = u"Předseda komise zahájil hlasování druhý den voleb v "_s;
    const QString ukoncil2 = u"Předseda komise ukončil hlasování druhý den voleb v "_s;
    // A time stands on the dots of its line and ends before "hodin".
    const auto cas = [&](const QString &popisek, const QString &hodnota) {
        HodnotaDo(L() + W(popisek) + 8 * d1, -12, L() + W(popisek + u".................... "_s),
                  Orez(hodnota), t.VelikostZakladni);
    };
    t.Tisk(2, L(), 0, zahajil1 + hodin);
    cas(zahajil1, h.Zahajeno1);
    t.Tisk(1, L(), 0, ukoncil1 + hodin);
    cas(zahajil1, h.Ukonceno1);
    if (PocetDnuVoleb == 1) {
        t.TiskStyl(1, L(), 0, u"-"_s, zahajil2 + hodin);
        t.TiskStyl(1, L(), 0, u"-"_s, ukoncil2 + hodin);
    } else {
        t.Tisk(1, L(), 0, zahajil2 + hodin);
        cas(zahajil2, h.Zahajeno2);
        t.Tisk(1, L(), 0, ukoncil2 + hodin);
        cas(zahajil2, h.Ukonceno2);
    }

    // Postponement, extension, interruption.
    const int k = K(0, -1);
    VyrokSDuvodem(2, {u"Zahájení hlasování   "_s,
                      u"nebylo"_s,
                      u"bylo"_s,
                      h.Odroc,
                      {u"odročeno dne "_s, u"...................... o "_s, u"..... hodin "_s,
                       u"..... minut z důvodu "_s},
                      R(),
                      K(-8, -3),
                      {h.OdrocenoD, h.OdrocenoH, h.OdrocenoM},
                      {(k + 1) * d1, k * d1, k * d1},
                      h.DuvodOdroc,
                      K(5, 25)});
    VyrokSDuvodem(1, {u"Doba hlasování    "_s,
                      u"nebyla"_s,
                      u"byla"_s,
                      h.Prodl,
                      {u"prodloužena dne "_s, u"...................... o "_s, u"..... hodin "_s,
                       u"..... minut z důvodu "_s},
                      R() + K(10, 50),
                      0,
                      {h.ProdlouzD, h.ProdlouzH, h.ProdlouzM},
                      {d1, k * d1, k * d1},
                      h.DuvodProdl,
                      K(4, 20)});
    VyrokSDuvodem(1, {u"Hlasování   "_s,
                      u"nebylo"_s,
                      u"bylo"_s,
                      h.Prerus,
                      {u"přerušeno dne "_s, u"...................... na dobu od "_s,
                       u".......... do "_s, u".......... hodin z důvodu "_s},
                      R(),
                      K(23, 28),
                      {h.PrerusD, h.PrerusOd, h.PrerusDo},
                      {d1, k * d1, K(0, -3) * d1},
                      h.DuvodPrer,
                      K(5, 20)});

    // Complaints: a blank field strikes neither word.
    {
        const QString popisek = u"Při hlasování a zjišťování výsledků hlasování      "_s;
        t.Tisk(2, L(), 0, popisek);
        int x = L() + W(popisek);
        t.TiskStyl(0, x, 0, h.Stizn == u"B" ? u"-"_s : QString(), u"nebyly"_s);
        x += W(u"nebyly  "_s);
        t.Tisk(0, x, 0, u"  *) "_s);
        x += W(u"  *) "_s);
        t.TiskStyl(0, x, 0, h.Stizn == u"N" ? u"-"_s : QString(), u"byly"_s);
        x += W(u"byly  "_s);
        t.Tisk(0, x, 0, u" *)     "_s);
        x += W(u"  *)  "_s);
        t.Tisk(0, x, 0, u"  okrskové   volební   komisi  podány  stížnosti  nebo"_s);
        t.Tisk(
            1, L(), 0,
            u"oznámení.   Jejich   stručný   obsah,   přijatá   usnesení   a   jejich   stručné  zdůvodnění  jsou   uvedeny   v   příloze    na"_s);
        t.Tisk(1, L(), 0, u"...................   listech."_s);
        if (h.Stizn == u"B")
            HodnotaDo(L() + 50, -12, L() + W(u"................... "_s), Orez(h.StizListu),
                      t.VelikostZakladni);
        else if (h.Stizn == u"N")
            t.TiskStyl(0, L() + 50, -12, u"B"_s, u"---"_s);
    }

    // Portable ballot box.
    {
        const bool ano = JeAno(h.Schranka);
        const QString popisek = u"Ve volebním okrsku  "_s;
        t.Tisk(2, L(), 0, popisek);
        int x = L() + W(popisek);
        t.TiskStyl(0, x, 0, ano ? u"-"_s : QString(), u"nebyla"_s);
        x += W(u"nebyla  "_s);
        t.Tisk(0, x, 0, u" *) "_s);
        x += W(u" *) "_s);
        t.TiskStyl(0, x, 0, ano ? QString() : u"-"_s, u"byla"_s);
        x += W(u"byla  "_s);
        t.Tisk(0, x, 0, u" *) "_s);
        x += W(u" *) "_s);
        t.Tisk(0, x, 0, u"použita přenosná volební schránka."_s);
    }

    // Section II: identification box and the stepped count boxes, 15 lines down to the
    // last row, whose box ends 40 units below it; then the notes, 8 tighter lines. Long
    // reasons above took extra lines: the blank lines before "II." and before the notes
    // give them back, so that sheet 1 stays one sheet.
    const int radekPoznamek = t.ZakladniVyskaRadku - 10;
    const int poznamky = 8 * radekPoznamek + t.VyskaTextu();
    int navic = t.AktY + 15 * t.VyskaRadku + 40 + poznamky - (t.DolniOkraj - t.DolniRezerva);
    const auto mezera = [&navic](int radek) {
        const int ubrat = qBound(0, (navic + radek - 1) / radek, 2);
        navic -= ubrat * radek;
        return 3 - ubrat;
    };
    const int mezeraII = mezera(t.VyskaRadku);
    ZlomListu1((12 + mezeraII) * t.VyskaRadku + 40);
    t.TiskStred(mezeraII, L(), R(), 0, u"B"_s, u"II."_s);
    t.NastavStyl(QString());
    t.Tisk(
        1, L(), 0,
        u"Byly zjištěny výsledky hlasování uvedené v tomto oddílu a na přiloženém označeném hlasovacím lístku."_s);
    t.Tisk(0, R() - 30, 0, u"**)"_s);
    Posun(1);
    {
        const int y0 = t.AktY - 10;
        t.TiskVpravo(0, R() - 350, 0, u"Obec"_s);
        t.TiskVpravo(0, R() - 120, 0, u"Okrsek"_s);
        t.TiskVpravo(0, R() - 20, 0, u"KČ1"_s);
        t.Tisk(1, L(), 0, u"Identifikace volebního okrsku"_s);
        t.TiskVpravo(0, R() - 350, 0, TTisk::CisloVpravo(v.Obec, 10));
        t.TiskVpravo(0, R() - 120, 0, TTisk::CisloVpravo(v.Okrsek, 5));
        t.TiskVpravo(0, R() - 20, 0, TTisk::CisloVpravo(v.T3KC_1, 10));
        Pero(3);
        t.Canvas().Rectangle(R() - 700, y0, R(), y0 + 120);
        Pero(8);
        t.Canvas().Rectangle(R() - 700, y0 + 50, R(), y0 + 120);
        Pero(3);
        Cara(R() - 340, y0, R() - 340, y0 + 120);
        Cara(R() - 100, y0, R() - 100, y0 + 120);
    }
    const int C = 50;
    const int H = t.VyskaRadku;
    const int r = R();
    struct TRadek
    {
        QString Popisek;
        qint64 Hodnota;
    };
    const TRadek radky[8] = {
        {u"Typ voleného zastupitelstva"_s, v.TypZastup},
        {u"Počet osob zapsaných do výpisu ze seznamu voličů a jeho dodatku celkem"_s, v.ZapsOsoby},
        {u"Počet voličů, kterým byly vydány úřední obálky"_s, v.VydObalky},
        {u"Počet odevzdaných úředních obálek"_s, v.OdevzdObalky},
        {u"Počet platných hlasů ve volebním okrsku (celkem pro všechny volební strany)"_s,
         v.PlatneHlasy},
        {u"Počet volebních stran ve volebním okrsku (dle hlasovacího lístku)"_s, v.Pocet_VS},
        {u"Počet volebních stran, které  ve volebním okrsku získaly alespoň jeden platný hlas"_s,
         v.Poc_VS_HL},
        {u"Kontrolní číslo 2"_s, v.T3KC_2},
    };
    for (int i = 0; i < 8; ++i) {
        t.Tisk(i == 0 ? 2 : 1, L(), 0, radky[i].Popisek);
        const int y0 = t.AktY - 10;
        const int y1 = y0 + H;
        Pero(8);
        switch (i) {
        case 0:
            Lomena({{r, y0 + 8 * H}, {r, y0}, {r - C, y0}, {r - C, y1}});
            break;
        case 1:
            Lomena({{r - C, y0}, {r - 4 * C, y0}, {r - 4 * C, y1}});
            break;
        case 2:
        case 3:
            Lomena({{r - 4 * C, y0}, {r - 4 * C, y1}});
            break;
        case 4:
            Lomena({{r - 4 * C, y0}, {r - 6 * C, y0}, {r - 6 * C, y1}});
            break;
        case 5:
            Lomena({{r - 6 * C, y0}, {r - 2 * C, y0}, {r - 2 * C, y1}});
            break;
        case 6:
            Lomena({{r - 2 * C, y0}, {r - 2 * C, y1}});
            break;
        default:
            Lomena({{r - 2 * C, y0}, {r - 6 * C, y0}, {r - 6 * C, y1}, {r, y1}});
            break;
        }
        Pero(3);
        static const int sirky[8] = {1, 4, 4, 4, 6, 2, 2, 0};
        if (sirky[i] > 0)
            Cara(r - sirky[i] * C, y1, r, y1);
        VpravoStyl(0, R() - 20, 0, u"B"_s, QString::number(radky[i].Hodnota));
    }

    // Explanatory notes at a tighter line height: 8 lines down to the last one.
    t.VyskaRadku = radekPoznamek;
    const int mezeraPoznamek = mezera(radekPoznamek);
    ZlomListu1(poznamky - (3 - mezeraPoznamek) * radekPoznamek);
    const int m = W(u"1. "_s);
    t.TiskStyl(mezeraPoznamek, L(), 0, u"I"_s,
               u"Vysvětlivky k orámované části zadní strany tiskopisu:"_s);
    t.Tisk(
        1, L(), 0,
        u"1. Kontrolní čísla k hlasům pro jednotlivé volební strany se uvádí v pořadí, v jakém jsou tyto strany uvedeny na hlasova-"_s);
    t.Tisk(
        1, L() + m, 0,
        u"cím lístku. Kontrolní číslo je součtem pořadového čísla volební strany (sl. 1, sl. 5 nebo sl. 9) a počtu hlasů pro ni (sl. 2,"_s);
    t.Tisk(1, L() + m, 0, u"sl. 6 nebo sl. 10) a zapisuje se ve sl. 3, sl. 7 nebo sl. 11."_s);
    t.Tisk(
        1, L(), 0,
        u"2. Pořadové číslo posledního kandidáta v rámci této volební strany, který ještě získal alespoň jeden platný hlas, se uvádí"_s);
    t.Tisk(1, L() + m, 0, u"ve sl. 4, sl. 8 nebo sl. 12."_s);
    t.VyskaRadku = t.ZakladniVyskaRadku;
}

// ---------------------------------------------------------------- sheet 2

QStringList TZapis::JmenaClenu() const
{
    QStringList jmena;
    for (const TKomise &k : d.Komise) {
        const QString j = Orez(k.clen).trimmed();
        if (!j.isEmpty())
            jmena.append(j);
    }
    return jmena;
}

void TZapis::Clenove(int mez, bool poKazdeRade, const std::function<void()> &novyList)
{
    t.Tisk(2, L(), 0, u"Jména, příjmení a podpisy ostatních členů komise:"_s);
    const QStringList jmena = JmenaClenu();
    const int c = (R() - L()) / 3;
    const QString tecky = TTisk::Opakuj(u"."_s, 60);
    const auto zaznam = [&](int radky, int sloupec, const QString &jmeno) {
        const int x = L() + sloupec * c;
        t.Tisk(radky, x, 0, tecky);
        // A name too long for its column even in the small size takes up to three lines
        // (rows are two lines apart), each above the next, so that all stand on the dots.
        const int velikost = t.Canvas().Font.Velikost;
        const TRozlozeni r = t.Rozloz(jmeno, c - MezeraSloupcu, c - MezeraSloupcu, velikost, 3);
        t.NastavVelikost(r.Velikost);
        const int vyska = t.VyskaTextu();
        for (qsizetype i = 0; i < r.Radky.size(); ++i)
            t.Tisk(0, x, -12 - int(r.Radky.size() - 1 - i) * vyska, r.Radky.at(i));
        t.NastavVelikost(velikost);
    };
    qsizetype i = 0;
    const auto konecRady = [&] {
        if (t.AktY > mez && (poKazdeRade || i < jmena.size()))
            novyList();
    };
    if (!jmena.isEmpty())
        zaznam(0, 2, jmena.at(i++));
    konecRady();
    while (i < jmena.size()) {
        for (int sloupec = 0; sloupec < 3 && i < jmena.size(); ++sloupec)
            zaznam(sloupec == 0 ? 2 : 0, sloupec, jmena.at(i++));
        konecRady();
    }
}

void TZapis::TiskListu2()
{
    const TVysledky &vys = d.Vysledky;
    const THlasovaniRec &h = d.Hlasovani;

    t.NastavFont(u"Arial"_s);
    t.NastavStyl(QString());
    t.NastavVelikost(t.VelikostZakladni);
    t.AktY = 100;
    t.NastavVelikost(t.VelikostNormalni);
    t.TiskStred(0, L(), R(), 0, u"B"_s, u"II. - pokračování"_s);
    t.NastavStyl(QString());
    Posun(1);
    const int y0 = t.AktY - 10;
    const int vyska = 19 * t.VyskaRadku;

    const int u = (R() - L()) / 54;
    static const int jednotky[4] = {3, 5, 7, 3};
    for (int i = 1; i <= 12; ++i)
        t.SirkySloupcu[i] = jednotky[(i - 1) % 4] * u;
    // Left edges of columns 1..13 (13 is the table's right edge).
    std::array<int, 14> x{};
    x[1] = L();
    for (int i = 2; i <= 13; ++i)
        x[i] = x[i - 1] + t.SirkySloupcu[i - 1];
    const auto konec = [&](int sloupec) { return sloupec == 12 ? R() : x[sloupec + 1]; };

    // Table heading.
    for (int radek = 1; radek <= 4; ++radek) {
        for (int b = 0; b < 3; ++b) {
            const int s = 4 * b + 1;
            QStringList texty;
            switch (radek) {
            case 1:
                texty = {u"Poř."_s, u"Počet"_s, QString(), u"Číslo"_s};
                break;
            case 2:
                texty = {u"stra-"_s, u"hlasů pro"_s, u"Kontrolní číslo"_s, u"posl."_s};
                break;
            case 3:
                texty = {u"ny"_s, u"stranu"_s, u"sl.%1+sl.%2"_s.arg(s).arg(s + 1), u"kand."_s};
                break;
            default:
                for (int j = 0; j < 4; ++j)
                    texty.append(u"sl.%1"_s.arg(s + j));
                break;
            }
            for (int j = 0; j < 4; ++j) {
                const int posun = radek > 1 && b == 0 && j == 0 ? 1 : 0;
                if (texty.at(j).isEmpty())
                    continue;
                t.TiskStred(posun, x[s + j], konec(s + j), 0, QString(), texty.at(j));
            }
        }
    }

    // Party rows.
    t.NastavVelikost(t.VelikostZakladni);
    const int bloky[3] = {L(), L() + 18 * u + 5, L() + 36 * u + 5};
    const int pocetVS = vys.VetaT3.Pocet_VS;
    for (int r = 1; r <= 15; ++r) {
        for (int b = 0; b < 3; ++b) {
            const int p = r + 15 * b;
            const int bx = bloky[b];
            const int w1 = t.SirkySloupcu[4 * b + 1];
            const int w2 = t.SirkySloupcu[4 * b + 2];
            const int w3 = t.SirkySloupcu[4 * b + 3];
            const int w4 = t.SirkySloupcu[4 * b + 4];
            VpravoStyl(b == 0 ? 1 : 0, bx + w1 - 20, -2, QString(), QString::number(p) + u'.');
            if (p > pocetVS) {
                t.TiskStyl(0, bx + w1 + 10, -16, QString(),
                           TTisk::Opakuj(u"_"_s, b == 2 ? 25 : 24));
                continue;
            }
            const TStranaHLRec &s = vys.StranyHL[p];
            VpravoStyl(0, bx + w1 + w2 - 20, -2, QString(), QString::number(s.PocHl));
            VpravoStyl(0, bx + w1 + w2 + w3 - 20, -2, u"B"_s, QString::number(qint64(s.PocHl) + p));
            VpravoStyl(0, bx + w1 + w2 + w3 + w4 - 20, -2, u"B"_s, QString::number(s.HLPoslKand));
        }
    }

    // Grid.
    Pero(3);
    t.Canvas().Rectangle(L(), y0, R(), y0 + vyska);
    for (int k = 3; k <= 19; ++k)
        Cara(L(), y0 + k * t.VyskaRadku, R(), y0 + k * t.VyskaRadku);
    for (int s = 1; s <= 11; ++s)
        Cara(x[s + 1], y0, x[s + 1], y0 + vyska);
    Pero(5);
    const int horni = y0 + 4 * t.VyskaRadku;
    for (int b = 0; b < 3; ++b) {
        const int s3 = x[4 * b + 3];
        const int s4 = x[4 * b + 4];
        const int prava = b == 2 ? R() : x[4 * b + 5];
        t.Canvas().Rectangle(s3, horni, prava, y0 + vyska);
        Cara(s4, horni, s4, y0 + vyska);
    }
    Pero(3);

    // Section III.
    t.NastavVelikost(t.VelikostZakladni);
    t.NastavFont(u"Arial"_s);
    const int d1 = W(u"."_s);
    t.TiskStred(2, L(), R(), 0, u"B"_s, u"III."_s);
    const QString c1 = u"Z celkového počtu "_s;
    const QString c2 = u"..................  členů  okrskové  volební komise  je  v  "_s;
    const QString c3 = u"době  vyhotovení  zápisu  přítomno "_s;
    const QString c4 = u".................. ,"_s;
    t.Tisk(1, L(), 0, c1 + c2 + c3 + c4);
    t.Tisk(0, L() + W(c1) + 2 * d1, -12, Orez(h.ClenuOVKC));
    t.Tisk(0, L() + W(c1 + c2 + c3) + 4 * d1, -12, Orez(h.ClenuOVKP));
    t.Tisk(1, L(), 0, u"tj. nadpoloviční většina."_s);

    // Free texts: the form's break after the label, the rest on the row of dots below
    // and, only when even the small size cannot hold it there, on further rows.
    const int sirka = t.PravaMez() - L();
    {
        const QString popisek = u"Dále byli přítomni: ...."_s;
        const int x0 = L() + W(popisek);
        t.Tisk(1, L(), 0, popisek + t.TeckyOd(x0, t.PocetTecek(x0, R() + K(0, 155))));
        const QString text = Orez(h.Ostatni);
        const int n = t.ZnakuNaRadek(text, x0, R(), t.PravaMez());
        t.Tisk(0, x0, -12, text.left(n));
        const int tecek = t.PocetTecek(L(), R() + K(5, 200));
        const TRozlozeni zbytek =
            t.Rozloz(ZbytekOd(text, n), sirka, sirka, t.VelikostZakladni, TTisk::LibovolneRadku);
        if (zbytek.Radky.isEmpty())
            t.Tisk(1, L(), 0, t.TeckyOd(L(), tecek));
        RadkyNaTeckach(zbytek, 1, -10, tecek);
    }

    t.Tisk(2, L(), 0,
           u"Zápis byl přečten za účasti nadpoloviční většiny členů okrskové volební komise "_s +
               u" a schválen nadpoloviční většinou pří-"_s);
    t.Tisk(1, L(), 0, u"tomných členů komise."_s);
    t.Tisk(2, L(), 0,
           u"Člen okrskové volební komise pověřený předáním zápisu  DORVAN  na"_s +
               u" územně příslušném praco-"_s);
    {
        // The caption stands one unit lower than the form has it, just clear of the
        // dots above it.
        const QString popisek = u"višti a k opravám případných chyb v zápisu na místě ......"_s;
        const int x0 = L() + W(popisek);
        t.Tisk(1, L(), 0, popisek + t.TeckyOd(x0, t.PocetTecek(x0, R() + K(0, 100))));
        const QString text = Orez(h.PoverPred);
        const int n = t.ZnakuNaRadek(text, x0, R(), t.PravaMez());
        t.Tisk(0, x0, -12, text.left(n));
        const TRozlozeni zbytek =
            t.Rozloz(ZbytekOd(text, n), sirka, sirka, t.VelikostZakladni, TTisk::LibovolneRadku);
        if (zbytek.Radky.isEmpty()) {
            t.TiskStred(1, x0, R(), -14, QString(), u"jméno a příjmení"_s);
        } else {
            RadkyNaTeckach(zbytek, 2, -12, t.PocetTecek(L(), R()));
            t.Tisk(1, L(), -14, QString(100, u' ') + u"jméno a příjmení"_s);
        }
    }
    {
        const QString popisek = u"Hodina, den, měsíc a rok vyhotovení zápisu:  "_s;
        const int x0 = L() + W(popisek);
        t.Tisk(2, L(), 0, popisek + t.TeckyOd(x0, t.PocetTecek(x0, R() + K(0, 110))));
        t.Tisk(0, x0, -12, t.CasTisku + u" hod., "_s + t.DatumTisku);
    }
    {
        const QString popisek = u"Jméno, příjmení a podpis zapisovatele:  "_s;
        const int x0 = L() + W(popisek) + 20;
        t.Tisk(2, L(), 0, popisek);
        t.Tisk(0, x0, 0, t.TeckyOd(x0, t.PocetTecek(x0, R() + K(20, 130))));
        HodnotaDo(x0, -12, t.PravaMez(), Orez(h.Zapisovat), t.VelikostZakladni);
    }
    Clenove(t.DolniOkraj - 10 * t.DolniRezerva, true, [this] {
        PatickaZapisu();
        t.VratCanvas();
        t.ZlomPovolen = true;
        t.NastavVelikost(t.VelikostZakladni);
        t.NastavFont(u"Arial"_s);
        t.AktY = 100;
        t.TiskStred(2, L(), R(), 0, u"B"_s, u"III. - pokračování"_s);
    });
    {
        const QString popisek = u"Zápis odmítl podepsat (jméno, příjmení a podpis): .."_s;
        t.Tisk(2, L(), 0, popisek + t.Tecky(L() + W(popisek), R()));
    }
    t.Tisk(1, L(), 0, u"Důvody odmítnutí jsou uvedeny v samostatné příloze k zápisu."_s);
    t.Tisk(1, L(), 0, u"    nehodící se škrtněte,    KČ1 ... kontrolní číslo 1"_s);
    t.Hvezdicky(L(), t.AktY, 1);
    t.Hvezdicky(L() + 335, t.AktY, 2);
}

// ---------------------------------------------------------------- ballot copy

void TZapis::ZahlaviHL()
{
    const TOkrsekRefRec &o = d.AktOkrsek;
    t.NastavVelikost(t.VelikostNormalni);
    t.NastavFont(u"Arial"_s);
    t.NastavStyl(QString());
    t.AktY = 100;
    t.NastavVelikost(34);
    t.TiskStred(0, L(), R(), 0, u"B"_s, u"HLASOVACÍ LÍSTEK"_s);
    t.NastavVelikost(t.VelikostNormalni);
    // A text at the left of a line stops before the text at its right; when even the
    // small size cannot hold it there, it goes on on the next line.
    const auto vlevo = [this](const QString &text, int xPrava) {
        const TRozlozeni r = t.Rozloz(text, xPrava - MezeraSloupcu - L(), t.PravaMez() - L(),
                                      t.VelikostNormalni, TTisk::LibovolneRadku);
        for (qsizetype i = 0; i < r.Radky.size(); ++i) {
            if (i > 0)
                Posun(1);
            Hodnota(L(), 0, r.Radky.at(i), r.Velikost);
        }
    };
    const QString vysledky =
        u"Výsledky za okrsek č.: "_s + TTisk::CisloVpravo(d.Vysledky.VetaT3.Okrsek, 6);
    Posun(2);
    VpravoStyl(0, R() - 20, 0, u"B"_s, vysledky);
    vlevo(u"Obec: "_s + Orez(o.NazevObce) + u", okres: "_s + Orez(o.NazevOkresu),
          R() - 20 - WStyl(u"B"_s, vysledky));
    if (o.JeObvod == u"A")
        VpravoStyl(1, R(), 0, u"B"_s, u"Volební obvod: "_s + Orez(o.CObvodu).trimmed());
    const QString volise = u"Do zastupitelstva obce se volí "_s;
    const QString clenu = Orez(o.PocetMandatu).trimmed() + u" členů"_s;
    const int xClenu = R() - WStyl(u"B"_s, clenu);
    Posun(1);
    t.Tisk(0, xClenu - W(volise), 0, volise);
    t.TiskStyl(0, xClenu, 0, u"B"_s, clenu);
    vlevo(u"Pro volby do zastupitelstva obce ve dnech (dne) "_s + Orez(d.Stanice.DatumVoleb),
          xClenu - W(volise));
}

void TZapis::ZlomStranyHL()
{
    if (t.StranaSHlavickou == t.CisloStrany)
        return;
    PatickaZapisu();
    t.VratCanvas();
    ZahlaviHL();
    t.StranaSHlavickou = t.CisloStrany;
    t.ZlomPovolen = true;
}

void TZapis::TiskStranyHL(int k)
{
    const TStranaRec &strana = d.Ref.SeznamStran[k];
    const TStranaHLRec &hl = d.Vysledky.StranyHL[k];
    const int pocetKand = PocetZTextu(strana.PocetKand, MaxKandidatu);
    t.NastavVelikost(t.VelikostNormalni);
    t.NastavFont(u"Arial"_s);
    t.NastavStyl(QString());
    Pero(3);
    const int v = L() + W(u"000000"_s);

    Posun(2);
    const int yNadpis = t.AktY;
    if (pocetKand > 1)
        t.TiskStyl(0, L(), 0, u"B"_s, TTisk::CisloVpravo(hl.PocHl, 6));
    // The name breaks where the form breaks it, never into the order number, and goes
    // on on as many lines as it needs inside the frame.
    const QString nazev = u"Volební strana: "_s + Orez(strana.Nazev);
    const QString cislo = TTisk::CisloVpravo(k, 3);
    const int xCisla = R() - W(u"   pořadové číslo "_s + cislo);
    const int n = t.ZnakuNaRadek(nazev, 2 * L(), xCisla, xCisla);
    const int sirka = R() - 20 - 2 * L();
    const QStringList radky = QStringList{nazev.left(n)} + t.Radky(nazev.mid(n), sirka, sirka);
    t.TiskVpravo(0, R() - 20, 0, u"pořadové číslo "_s + cislo);
    for (qsizetype i = 0; i < radky.size(); ++i)
        t.Tisk(i == 0 ? 0 : 1, 2 * L(), 0, radky.at(i));
    const int radku = int(radky.size());
    const int y0 = yNadpis - 10;
    const int y1 = y0 + radku * t.VyskaRadku + 10;
    if (pocetKand >= 2) {
        t.Canvas().Rectangle(L(), y0, R(), y1);
        Cara(v + 10, y0, v + 10, y1);
    } else {
        t.Canvas().Rectangle(v + 10, y0, R(), y1);
    }
    Posun(1);
    ZlomStranyHL();

    // The order numbers end in one column, the names start in the next one, whole: a
    // name too long for the line goes on on the next one, under its first line.
    const int xPoradi = 2 * L() + W(u"00."_s);
    const int xJmena = xPoradi + W(u"   "_s);
    for (int i = 1; i <= pocetKand; ++i) {
        const TKandidatRec &c = d.Ref.Kandidati[k][i];
        const TRozlozeni jmeno =
            t.Zalom(c.CeleJmeno(), R() - xJmena, R() - xJmena, t.VelikostNormalni, 2);
        const int radku = qMax(1, int(jmeno.Radky.size()));
        if (t.AktY + (radku + 1) * t.VyskaRadku >= t.DolniOkraj - t.DolniRezerva) {
            t.VynutZlom();
            ZlomStranyHL();
        }
        if (c.Platnost == u"N")
            t.TiskStyl(1, L(), 0, u"B"_s, u"     N "_s);
        else
            t.TiskStyl(1, L(), 0, u"B"_s, TTisk::CisloVpravo(hl.HlasyKand[i], 6));
        const int yRadku = t.AktY;
        t.TiskVpravo(0, xPoradi, 0, QString::number(i) + u'.');
        for (qsizetype j = 0; j < jmeno.Radky.size(); ++j) {
            if (j > 0)
                Posun(1);
            Hodnota(xJmena, 0, jmeno.Radky.at(j), jmeno.Velikost);
        }
        Pero(3);
        t.Canvas().Rectangle(L(), yRadku - 3, v + 10, yRadku - 3 + t.VyskaRadku - 6);
    }
}

void TZapis::TiskPodpisuHL()
{
    const THlasovaniRec &h = d.Hlasovani;
    t.NastavVelikost(t.VelikostNormalni);
    t.NastavFont(u"Arial"_s);
    t.ZlomPovolen = true;
    if (t.AktY + 10 * t.VyskaRadku >= t.DolniOkraj - t.DolniRezerva) {
        t.VynutZlom();
        ZlomStranyHL();
    }
    if (t.AktY + 18 * t.VyskaRadku > t.DolniOkraj) {
        t.StranaSHlavickou = t.CisloStrany;
        ++t.CisloStrany;
        t.ZlomPovolen = false;
        ZlomStranyHL();
    }
    {
        const QString popisek =
            u"Hodina, den, měsíc a rok vyhotovení opisu hlasovacího lístku:  "_s;
        const int x0 = L() + W(popisek);
        t.Tisk(2, L(), 0, popisek + t.Tecky(x0, R()));
        t.Tisk(0, x0, -12, t.CasTisku + u" hod., "_s + t.DatumTisku);
    }
    {
        const QString popisek = u"Jméno, příjmení a podpis zapisovatele:  "_s;
        const int x0 = L() + W(popisek) + 20;
        t.Tisk(2, L(), 0, popisek);
        t.Tisk(0, x0, 0, t.TeckyOd(x0, t.PocetTecek(x0, R() + K(40, 15))));
        HodnotaDo(x0, -12, t.PravaMez(), Orez(h.Zapisovat), t.VelikostNormalni);
    }
    Clenove(t.DolniOkraj - 6 * t.DolniRezerva, false, [this] {
        PatickaZapisu();
        t.VratCanvas();
        t.ZlomPovolen = true;
        ZahlaviHL();
        t.NastavFont(u"Arial"_s);
        t.NastavVelikost(t.VelikostNormalni);
        t.Tisk(2, L(), 0, u"Jména, příjmení a podpisy ostatních členů komise - pokračování:"_s);
    });
    ZlomStranyHL();
}

// ---------------------------------------------------------------- the pass

void TZapis::Probeh()
{
    t.VelikostNormalni = 20;
    t.VelikostNadpisu = 34;
    t.VelikostMala = 16;
    t.VelikostZakladni = 24;
    t.DolniRezerva = 35;
    t.VyskaRadku = 50;
    // Every pass starts from the same engine state, so that all passes look alike.
    t.StranaSHlavickou = 1;
    t.ZlomPovolen = false;

    t.ZacatekTisku();
    t.VratCanvas();
    ChybyVytisteny = false;
    t.CisloStrany = 1;
    CisloListu = 1;
    TiskListu1();
    PatickaZapisu();

    t.VratCanvas();
    TiskListu2();
    PatickaZapisu();

    t.VyskaRadku = 50;
    t.VratCanvas();
    ZahlaviHL();
    t.StranaSHlavickou = 3;
    t.CisloStrany = 3;
    const int stran = qBound(0, int(d.Vysledky.VetaT3.Pocet_VS), MaxStran);
    for (int i = 1; i <= stran; ++i) {
        t.ZlomPovolen = true;
        // A party block never starts within five lines of the bottom line.
        if (t.AktY + 5 * t.VyskaRadku >= t.DolniOkraj)
            t.VynutZlom();
        ZlomStranyHL();
        TiskStranyHL(i);
    }
    TiskPodpisuHL();
    PatickaZapisu();
    t.KonecTisku();
}

int SestavZapis(TTisk &t, const TDataZapisu &d, int pocetDnuVoleb, bool primo, const QDateTime &ted)
{
    TZapis z(t, d);
    z.Primo = primo;
    z.PocetDnuVoleb = pocetDnuVoleb;
    z.ZacniUlohu(ted);
    z.Probeh();
    z.PocetListu = z.CisloListu - 1;
    z.Probeh();
    return z.PocetListu;
}
