// The layout lint: every printout rendered for stress stations (every text at the
// length its field allows, in wide letters with diacritics) and checked on the page
// recorder's display list, word by word: every word inside the printable area, no two
// words overlapping, no text below the smallest size, every value printed whole; and
// the sheets numbered by their position, sheet 1 of the record one sheet, the export
// line on it telling the truth about the file.
#include "Okrsek.h"
#include "OtiskExportu.h"
#include "Protokol.h"
#include "ScitaciArch.h"
#include "UdajeZapisu.h"
#include "Zapis.h"
#include "ZkusebniStrana.h"

#include <QCryptographicHash>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Ted(QDate(2026, 10, 10), QTime(23, 59, 58, 999));

// Wide letters with diacritics, broken into words of `slovo` characters (none when 0).
QString Siroky(int delka, int slovo = 9, int posun = 0)
{
    static const QString pismena = u"ŽWMĚŠWČŘMŽŮWÁMĎŤŇÚŽWM"_s;
    QString s;
    for (int i = 0; s.size() < delka; ++i) {
        if (slovo > 0 && i % (slovo + 1) == slovo && s.size() + 1 < delka)
            s += u' ';
        else
            s += pismena.at((i + posun) % pismena.size());
    }
    return s;
}

// A station whose every text is as long as its field allows.
struct TZatez : TUdajeZapisu
{

    explicit TZatez(int clenu)
    {
        Stanice.NazevObce = Siroky(40, 12);
        Stanice.KodObce = u"599999"_s;
        Stanice.CisloOkrsku = 99999;
        Stanice.NazevOkresu = Siroky(25);
        Stanice.DatumVoleb = u"23.09.2026 - 24.09.2026"_s;
        Okrsek.KodObce = Stanice.KodObce;
        Okrsek.CisloOkrsku = Stanice.CisloOkrsku;
        Okrsek.TypZastup = u"2"_s;
        Okrsek.NazevObce = Siroky(40, 0, 3);
        Okrsek.NazevOkresu = Siroky(20, 0, 5);
        Okrsek.NazevZast = Siroky(40, 14, 7);
        Okrsek.CObvodu = u"12"_s; // a ward-divided municipality
        Okrsek.JeObvod = u"A"_s;
        Okrsek.PocetMandatu = u"99"_s;

        TOkrsekRec &v = Vysledky->VetaT3;
        v.Obec = 599999;
        v.Okrsek = 99999;
        v.T3KC_1 = 6;
        v.TypZastup = 2;
        v.ZapsOsoby = 99999;
        v.VydObalky = 9999;
        v.OdevzdObalky = 9999;
        v.PlatneHlasy = 999999;
        v.Pocet_VS = MaxStran;
        v.Poc_VS_HL = MaxStran;
        v.T3KC_2 = 999999;
        Vysledky->VetaTS.KontrSoucetTS = 999999999999.0;
        Ref->PocetStranSeznamu = MaxStran;
        for (int k = 1; k <= MaxStran; ++k) {
            const int kandidatu = k == 1 ? MaxKandidatu : (k * 37) % MaxKandidatu + 1;
            Ref->SeznamStran[k].Nazev = Siroky(120, k % 3 == 0 ? 0 : 11, k);
            Ref->SeznamStran[k].NazevZkr = Siroky(30, 10, k);
            Ref->SeznamStran[k].PocetKand = QString::number(kandidatu);
            Vysledky->StranyHL[k].PocHl = 99999 - k;
            Vysledky->StranyHL[k].HLPoslKand = quint16(kandidatu);
            for (int i = 1; i <= kandidatu; ++i) {
                TKandidatRec &c = Ref->Kandidati[k][i];
                c.Jmeno = Siroky(40, i % 2 ? 13 : 0, i);
                c.Prijmeni = Siroky(30, 0, i + k);
                c.Platnost = i % 9 == 0 ? u"N"_s : u"A"_s;
                Vysledky->StranyHL[k].HlasyKand[i] = 9999;
            }
        }

        THlasovaniRec &h = Hlasovani;
        h.Zahajeno1 = h.Ukonceno1 = h.Zahajeno2 = h.Ukonceno2 = u"WWMŽW"_s;
        h.Odroc = h.Prodl = h.Prerus = h.Stizn = h.Schranka = u"B"_s;
        h.OdrocenoD = u"23.09.2026 - 24.09.2026"_s;
        h.ProdlouzD = Siroky(23, 0);
        h.PrerusD = Siroky(12, 0);
        h.OdrocenoH = h.OdrocenoM = h.ProdlouzH = h.ProdlouzM = u"WM"_s;
        h.PrerusOd = h.PrerusDo = u"WMŽWM"_s;
        h.DuvodOdroc = Siroky(200, 0);
        h.DuvodProdl = Siroky(200, 7, 2);
        h.DuvodPrer = Siroky(160, 9, 4);
        h.StizListu = u"WM"_s;
        h.ClenuOVKC = u"40"_s;
        h.ClenuOVKP = u"40"_s;
        h.Ostatni = Siroky(200, 8, 1);
        h.PoverPred = Siroky(200, 0, 6);
        h.Zapisovat = Siroky(35, 12, 8);
        for (int i = 1; i <= clenu; ++i)
            Komise.append({Siroky(i % 2 ? 50 : 33, i % 3 ? 16 : 0, i)});

        QList<TChybaInfo> texty;
        for (int c = 1; c <= 99; ++c)
            texty.append({c, u"P"_s, c % 2 ? Siroky(62, 0, c) : Siroky(62, 8, c)});
        Ciselnik.NastavZaznamy(texty);
        for (int k = 0; k <= MaxStran; ++k)
            for (const int c : {6, 8, 12, 91, 93, 97, 99, 40})
                Protokol.PridejChybu(k, c, Siroky(30, 0, k));
    }

    // Three parties of 34, 35 and 70 candidates (around the turn of a sheet, and the
    // most a party may have), every name `jmeno`(i) as its first and `prijmeni`(i) as
    // its second part.
    void NastavKandidaty(const std::function<QString(int)> &jmeno,
                         const std::function<QString(int)> &prijmeni)
    {
        const int kandidatu[] = {34, 35, MaxKandidatu};
        Ref->PocetStranSeznamu = Vysledky->VetaT3.Pocet_VS = Vysledky->VetaT3.Poc_VS_HL = 3;
        for (int k = 1; k <= 3; ++k) {
            Ref->SeznamStran[k].PocetKand = QString::number(kandidatu[k - 1]);
            for (int i = 1; i <= kandidatu[k - 1]; ++i) {
                Ref->Kandidati[k][i].Jmeno = jmeno(i + k);
                Ref->Kandidati[k][i].Prijmeni = prijmeni(i + k);
            }
        }
    }

    // The values the record must print whole.
    QStringList HodnotyZapisu() const
    {
        const THlasovaniRec &h = Hlasovani;
        QStringList v{Okrsek.NazevObce, Okrsek.NazevOkresu, Okrsek.NazevZast, Stanice.DatumVoleb,
                      h.OdrocenoD,      h.ProdlouzD,        h.PrerusD,        h.PrerusOd,
                      h.PrerusDo,       h.DuvodOdroc,       h.DuvodProdl,     h.DuvodPrer,
                      h.Ostatni,        h.PoverPred,        h.Zapisovat};
        for (const TKomise &k : Komise)
            v.append(k.clen);
        for (int k = 1; k <= Ref->PocetStranSeznamu; ++k) {
            v.append(Ref->SeznamStran[k].Nazev);
            for (int i = 1; i <= Ref->SeznamStran[k].PocetKand.toInt(); ++i)
                v.append(Ref->Kandidati[k][i].CeleJmeno());
        }
        return v;
    }
    QStringList HodnotyArchu() const
    {
        QStringList v{Okrsek.NazevZast, Stanice.NazevObce};
        for (int k = 1; k <= Ref->PocetStranSeznamu; ++k) {
            v.append(Ref->SeznamStran[k].NazevZkr);
            for (int i = 1; i <= Ref->SeznamStran[k].PocetKand.toInt(); ++i)
                v.append(Ref->Kandidati[k][i].CeleJmeno());
        }
        return v;
    }
};

struct TSlovo
{
    QRectF Box;
    QString Text;
    int Velikost = 0;
    bool Vypln = false;
};

// A writing line: dots or underscores that a value may be written on.
bool JeVypln(const QString &slovo)
{
    static const QRegularExpression vypln(u"^[._]+$"_s);
    return vypln.match(slovo).hasMatch();
}

// The words of a page as a PDF shows them: each from its pen position over its advance,
// from the text's top edge over the font's ascent and descent.
QList<TSlovo> Slova(const TStrana &strana)
{
    static QImage mereni = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(3780);
        i.setDotsPerMeterY(3780);
        return i;
    }();
    QList<TSlovo> slova;
    for (const TOperace &o : strana.Operace) {
        // The training mark lies across the whole sheet, under the text, by design.
        if (o.Druh != TDruhOperace::Text || o.Otoceni != 0)
            continue;
        const QFontMetricsF fm(o.Pismo.QtPismo(), &mereni);
        static const QRegularExpression slovo(u"\\S+"_s);
        for (auto it = slovo.globalMatch(o.Text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const qreal x = o.X1 + fm.horizontalAdvance(o.Text.left(m.capturedStart()));
            const qreal w = fm.horizontalAdvance(m.captured());
            slova.append({QRectF(x, o.Y1, w, fm.ascent() + fm.descent()), m.captured(),
                          o.Pismo.Velikost, JeVypln(m.captured())});
        }
    }
    return slova;
}

QString BezMezer(QString s)
{
    static const QRegularExpression pryc(u"[\\s._]"_s);
    return s.remove(pryc);
}

// Checks every page of the recorder and counts the words checked; returns the first
// fault found, empty when there is none.
QString Zavada(const TNahled &nahled, const QString &sestava, const QStringList &hodnoty,
               int &pocet)
{
    const QSize list = nahled.RozmerListu();
    const QRectF plocha(TNahled::OkrajTiskarny, TNahled::OkrajTiskarny,
                        list.width() - 2 * TNahled::OkrajTiskarny,
                        list.height() - 2 * TNahled::OkrajTiskarny);
    constexpr qreal Eps = 0.01;
    QString vse;
    for (int s = 1; s <= nahled.Celkem(); ++s) {
        const QString kde = u"%1, list %2: "_s.arg(sestava).arg(s);
        QList<TSlovo> slova = Slova(nahled.Strana(s));
        pocet += int(slova.size());
        for (const TOperace &o : nahled.Strana(s).Operace) {
            if (o.Druh == TDruhOperace::Text) {
                vse += o.Text;
                // The footnote marks (size 15) are the smallest text the printouts have.
                if (o.Pismo.Velikost < 15)
                    return kde + u"„%1“ ve velikosti %2"_s.arg(o.Text).arg(o.Pismo.Velikost);
            }
        }
        for (const TSlovo &w : slova) {
            if (!plocha.adjusted(-Eps, -Eps, Eps, Eps).contains(w.Box))
                return kde + u"„%1“ mimo tisknutelnou plochu (%2, %3 – %4, %5)"_s.arg(w.Text)
                                 .arg(w.Box.left())
                                 .arg(w.Box.top())
                                 .arg(w.Box.right())
                                 .arg(w.Box.bottom());
        }
        std::sort(slova.begin(), slova.end(),
                  [](const TSlovo &a, const TSlovo &b) { return a.Box.top() < b.Box.top(); });
        for (qsizetype i = 0; i < slova.size(); ++i) {
            const TSlovo &a = slova.at(i);
            for (qsizetype j = i + 1;
                 j < slova.size() && slova.at(j).Box.top() < a.Box.bottom() - Eps; ++j) {
                const TSlovo &b = slova.at(j);
                const QRectF spolecne = a.Box.intersected(b.Box);
                if (spolecne.width() <= Eps || spolecne.height() <= Eps)
                    continue;
                // A value may stand on a writing line: written on it, so higher than it.
                if ((a.Vypln && b.Box.top() < a.Box.top() - Eps) ||
                    (b.Vypln && a.Box.top() < b.Box.top() - Eps))
                    continue;
                return kde +
                       u"„%1“ (%2, %3, velikost %4) přes „%5“ (%6, %7, velikost %8)"_s.arg(a.Text)
                           .arg(a.Box.left())
                           .arg(a.Box.top())
                           .arg(a.Velikost)
                           .arg(b.Text)
                           .arg(b.Box.left())
                           .arg(b.Box.top())
                           .arg(b.Velikost);
            }
        }
        vse += u'\n';
    }
    vse = BezMezer(vse);
    for (const QString &h : hodnoty) {
        if (!vse.contains(BezMezer(TTisk::BezMezerVpravo(h).trimmed())))
            return sestava + u": hodnota „%1“ není vytištěna celá"_s.arg(h);
    }
    return {};
}

// The page's texts joined, in drawing order.
QString TextStrany(const TNahled &nahled, int s)
{
    QString text;
    for (const TOperace &o : nahled.Strana(s).Operace) {
        if (o.Druh == TDruhOperace::Text)
            text += o.Text + u'\n';
    }
    return text;
}

// Every sheet carries its own position as its number, however many there are.
QString ZavadaCisel(const TNahled &nahled, const QString &sestava, const QString &vzor)
{
    for (int s = 1; s <= nahled.Celkem(); ++s) {
        const QRegularExpression cislo(vzor.arg(s));
        if (!cislo.match(TextStrany(nahled, s)).hasMatch())
            return u"%1, list %2: číslo listu chybí nebo je jiné"_s.arg(sestava).arg(s);
    }
    return {};
}

// A candidate's row as drawn: the order number and the lines of the name after it.
struct TRadekKandidata
{
    qreal KonecCisla = 0;
    int ZacatekJmena = 0;
    int Velikost = 0;
    QStringList Radky;
};

// The candidates' rows of the pages from `od` on: an order number "N." alone, then the
// texts that start where its first follower starts.
QList<TRadekKandidata> RadkyKandidatu(const TNahled &nahled, int od)
{
    static const QRegularExpression poradi(u"^\\d+\\.$"_s);
    QImage mereni(1, 1, QImage::Format_RGB32);
    mereni.setDotsPerMeterX(3780);
    mereni.setDotsPerMeterY(3780);
    QList<TRadekKandidata> radky;
    for (int s = od; s <= nahled.Celkem(); ++s) {
        const QList<TOperace> &op = nahled.Strana(s).Operace;
        for (qsizetype i = 0; i + 1 < op.size(); ++i) {
            if (op.at(i).Druh != TDruhOperace::Text || !poradi.match(op.at(i).Text).hasMatch())
                continue;
            const QFontMetricsF fm(op.at(i).Pismo.QtPismo(), &mereni);
            TRadekKandidata r{op.at(i).X1 + fm.horizontalAdvance(op.at(i).Text),
                              op.at(i + 1).X1,
                              op.at(i + 1).Pismo.Velikost,
                              {}};
            for (qsizetype j = i + 1; j < op.size() && op.at(j).Druh == TDruhOperace::Text &&
                                      op.at(j).X1 == r.ZacatekJmena;
                 ++j)
                r.Radky.append(op.at(j).Text);
            radky.append(r);
        }
    }
    return radky;
}

} // namespace

class TestRozvrzeni : public QObject
{
    Q_OBJECT

    int m_slov = 0;

private slots:
    void cleanupTestCase() { qInfo("Zkontrolováno slov: %d", m_slov); }

    void zapis_data()
    {
        QTest::addColumn<int>("clenu");
        QTest::addColumn<bool>("primo");
        for (const int clenu : {13, 40})
            for (const bool primo : {false, true})
                QTest::addRow("%d clenu %s", clenu, primo ? "primo" : "nahled") << clenu << primo;
    }
    void zapis()
    {
        QFETCH(int, clenu);
        QFETCH(bool, primo);
        const TZatez z(clenu);
        TNahled nahled;
        TTisk t(nahled);
        SestavZapis(t, z.Data(), 2, primo, Ted);
        const QString zavada = Zavada(nahled, u"zápis"_s, z.HodnotyZapisu(), m_slov);
        QVERIFY2(zavada.isEmpty(), qPrintable(zavada));
        const QString cisla =
            ZavadaCisel(nahled, u"zápis"_s,
                        u" List: +%1/%2 - KV"_s.arg(u"%1"_s, QString::number(nahled.Celkem())));
        QVERIFY2(cisla.isEmpty(), qPrintable(cisla));
    }

    // Three reasons at their full length: sheet 1 keeps the notes, sheet 2 starts with
    // the continuation of section II.
    void list1JedenList_data()
    {
        QTest::addColumn<int>("slovo");
        QTest::addColumn<bool>("primo");
        for (const int slovo : {0, 6, 11})
            for (const bool primo : {false, true})
                QTest::addRow("slova %d %s", slovo, primo ? "primo" : "nahled") << slovo << primo;
    }
    void list1JedenList()
    {
        QFETCH(int, slovo);
        QFETCH(bool, primo);
        TZatez z(13);
        z.Hlasovani.DuvodOdroc = Siroky(200, slovo);
        z.Hlasovani.DuvodProdl = Siroky(200, slovo, 5);
        z.Hlasovani.DuvodPrer = Siroky(200, slovo, 9);
        z.Otisk =
            u"Otisk exportovaného souboru (SHA-256): "_s + OtiskVeSkupinach(QString(64, u'8'));
        TNahled nahled;
        TTisk t(nahled);
        SestavZapis(t, z.Data(), 2, primo, Ted);
        QVERIFY(TextStrany(nahled, 1).contains(u"Vysvětlivky k orámované"_s));
        QVERIFY(TextStrany(nahled, 1).contains(z.Otisk));
        QVERIFY(!TextStrany(nahled, 2).contains(u"Vysvětlivky k orámované"_s));
        const QString zavada = Zavada(nahled, u"zápis"_s, z.HodnotyZapisu(), m_slov);
        QVERIFY2(zavada.isEmpty(), qPrintable(zavada));
    }

    // The municipality's name on sheet 1 in the body size, on two lines as even as its
    // words allow when one does not hold it; smaller only when its words cannot be
    // parted so, cut inside a word only when it has none.
    void obec_data()
    {
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<int>("velikost"); // 0: any the lint allows
        QTest::addColumn<int>("radku");
        QTest::newRow("krátký") << u"Žďárek"_s << 24 << 1;
        QTest::newRow("spojovník") << u"Hořejší Vlčkovice-Přestavlky nad Úhlavou"_s << 24 << 2;
        QTest::newRow("krátká slova") << u"Velkomeziříčská Lhota u Nového Bydžovska"_s << 24 << 2;
        QTest::newRow("dvě dlouhá slova")
            << u"Nejzápadnějšíkrkonošská Hornoúhlavovická"_s << 24 << 2;
        QTest::newRow("dvě široká slova") << Siroky(40, 19) << 0 << 2;
        QTest::newRow("jedno slovo") << Siroky(40, 0) << 0 << 2;
    }
    void obec()
    {
        QFETCH(QString, nazev);
        QFETCH(int, velikost);
        QFETCH(int, radku);
        TZatez z(13);
        z.Okrsek.NazevObce = nazev;
        z.Okrsek.NazevOkresu = u"Šumavské Podhůří"_s;
        z.Okrsek.NazevZast = u"Zastupitelstvo obce"_s;
        TNahled nahled;
        TTisk t(nahled);
        SestavZapis(t, z.Data(), 2, false, Ted);
        const QString zavada = Zavada(nahled, u"zápis"_s, z.HodnotyZapisu(), m_slov);
        QVERIFY2(zavada.isEmpty(), qPrintable(zavada));

        QList<TOperace> radky;
        for (const TOperace &o : nahled.Strana(1).Operace) {
            if (o.Druh == TDruhOperace::Text && o.Pismo.Tucne && !o.Text.trimmed().isEmpty() &&
                nazev.contains(o.Text.trimmed()))
                radky.append(o);
        }
        QVERIFY(!radky.isEmpty() && radky.size() <= radku);
        QStringList texty;
        for (const TOperace &o : radky) {
            texty.append(o.Text.trimmed());
            QCOMPARE(o.Pismo.Velikost, radky.first().Pismo.Velikost);
        }
        if (velikost > 0)
            QCOMPARE(radky.first().Pismo.Velikost, velikost);
        if (nazev.contains(u' ')) {
            // Parted between words, not inside one, and evenly: the lines differ by less
            // than the longest word.
            QCOMPARE(texty.join(texty.first().endsWith(u'-') ? u""_s : u" "_s), nazev);
            if (texty.size() == 2) {
                QFontMetricsF fm(radky.first().Pismo.QtPismo());
                qreal slovo = 0;
                for (const QString &w : nazev.split(QRegularExpression(u"[ -]"_s)))
                    slovo = qMax(slovo, fm.horizontalAdvance(w));
                QVERIFY(qAbs(fm.horizontalAdvance(texty.at(0)) -
                             fm.horizontalAdvance(texty.at(1))) < slovo);
            }
        }
    }

    // The export line on sheet 1 names the exported file only while the state is "A"
    // and the current results file is still the one exported.
    void otiskExportu_data()
    {
        QTest::addColumn<QString>("stav");
        QTest::addColumn<bool>("zmenit");
        QTest::addColumn<bool>("exportovat");
        QTest::addColumn<QString>("cekany");
        QTest::newRow("exportováno") << u"A"_s << false << true << QString();
        QTest::newRow("změněno po exportu")
            << u"A"_s << true << true << u"Data se od exportu změnila"_s;
        QTest::newRow("stav N") << u"N"_s << false << true << u"Data se od exportu změnila"_s;
        QTest::newRow("bez exportu") << u"A"_s << false << false << u"Data nebyla exportována"_s;
    }
    void otiskExportu()
    {
        QFETCH(QString, stav);
        QFETCH(bool, zmenit);
        QFETCH(bool, exportovat);
        QFETCH(QString, cekany);
        QTemporaryDir dir;
        const TAdresare adr{dir.path() + u'/', dir.path() + u'/', dir.path() + u'/', false};
        TZatez z(13);
        z.Stanice.Stav2 = stav;
        const QString soubor = JmenoSouboruOkrsku(adr, z.Okrsek, u"O"_s);
        const auto zapis = [&](const QByteArray &obsah) {
            QFile f(soubor);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(obsah), obsah.size());
        };
        zapis("exportovany obsah");
        const auto sha = [&] {
            QFile f(soubor);
            f.open(QIODevice::ReadOnly);
            return QString::fromLatin1(
                QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
        };
        const QString exportovany = sha();
        if (exportovat)
            UlozOtiskExportu(adr, 2, exportovany);
        if (zmenit)
            zapis("obsah po nove kontrole");
        z.Otisk = RadekOtisku(adr, z.Okrsek, z.Stanice);
        TNahled nahled;
        TTisk t(nahled);
        SestavZapis(t, z.Data(), 2, false, Ted);
        const QString list1 = TextStrany(nahled, 1);
        const QString vzor = u"Otisk exportovaného souboru (SHA-256): "_s;
        if (cekany.isEmpty()) {
            QCOMPARE(sha(), exportovany);
            QVERIFY(list1.contains(vzor + OtiskVeSkupinach(exportovany) + u'\n'));
        } else {
            QVERIFY(!list1.contains(vzor));
            QVERIFY(list1.contains(cekany + u'\n'));
        }
        for (int s = 2; s <= nahled.Celkem(); ++s)
            QVERIFY(!TextStrany(nahled, s).contains(u"SHA-256"_s));
        const QString zavada = Zavada(nahled, u"zápis"_s, {}, m_slov);
        QVERIFY2(zavada.isEmpty(), qPrintable(zavada));
    }

    // Candidates' names of the full length of their record, whole: the order numbers
    // end in one column and the names start in one, on at most two lines where they
    // have words to break between (in the body size on the record).
    void kandidati_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<int>("slovo"); // letters per word of the names; 0 one word each
        for (const char *druh : {"zapis", "zapis-primo", "arch-a4", "arch-a4-sirka", "arch-a3"})
            for (const int slovo : {0, 5, 9})
                QTest::addRow("%s slova %d", druh, slovo) << QString::fromLatin1(druh) << slovo;
    }
    void kandidati()
    {
        QFETCH(QString, druh);
        QFETCH(int, slovo);
        TZatez z(13);
        // Ordinary letters make a name a reader may meet; wide ones one that must not fit.
        const auto obycejne = [](int delka, int posun) {
            static const QString slova = u"Ing. arch. Marie-Magdaléna Anežka Kristýna "
                                         u"Novotná-Dvořáková-Řezníčková z Lhoty "_s;
            return slova.mid(posun % 9, delka).trimmed().leftJustified(delka, u'a');
        };
        if (slovo == 5)
            z.NastavKandidaty([&](int i) { return obycejne(40, i); },
                              [&](int i) { return obycejne(30, i + 42); });
        else
            z.NastavKandidaty([&](int i) { return Siroky(40, slovo, i); },
                              [&](int i) { return Siroky(30, slovo, i + 3); });
        TNahled nahled;
        TTisk t(nahled);
        QString vzorCisla;
        int od = 1;
        if (druh.startsWith(u"zapis"_s)) {
            SestavZapis(t, z.Data(), 2, druh.endsWith(u"primo"_s), Ted);
            vzorCisla = u" List: +%1/%2 - KV"_s.arg(u"%1"_s, QString::number(nahled.Celkem()));
            od = 3; // the ballot copy; sheet 2 numbers its party rows alike
        } else {
            TiskScitacihoArchu(t, z.Stanice, z.Okrsek, *z.Ref, druh == u"arch-a4-sirka" ? 0 : 1,
                               druh == u"arch-a3" ? u"A3"_s : u"A4"_s, Ted);
            vzorCisla = u"-99999 List: +%1 - KV"_s;
        }
        const QStringList hodnoty =
            druh.startsWith(u"zapis"_s) ? z.HodnotyZapisu() : z.HodnotyArchu();
        const QString zavada = Zavada(nahled, druh, hodnoty, m_slov);
        QVERIFY2(zavada.isEmpty(), qPrintable(zavada));
        const QString cisla = ZavadaCisel(nahled, druh, vzorCisla);
        QVERIFY2(cisla.isEmpty(), qPrintable(cisla));

        const QList<TRadekKandidata> radky = RadkyKandidatu(nahled, od);
        QCOMPARE(radky.size(), 34 + 35 + MaxKandidatu);
        for (const TRadekKandidata &r : radky) {
            QVERIFY2(qAbs(r.KonecCisla - radky.first().KonecCisla) <= 1,
                     qPrintable(r.Radky.value(0)));
            QCOMPARE(r.ZacatekJmena, radky.first().ZacatekJmena);
            if (slovo == 5) {
                QVERIFY2(r.Radky.size() <= 2, qPrintable(r.Radky.join(u'|')));
                if (druh.startsWith(u"zapis"_s))
                    QCOMPARE(r.Velikost, 20);
            }
        }
    }

    void ostatniSestavy_data()
    {
        QTest::addColumn<QString>("druh");
        for (const char *druh : {"protokol", "arch-a4", "arch-a4-sirka", "arch-a3", "zkusebni"})
            QTest::newRow(druh) << QString::fromLatin1(druh);
    }
    void ostatniSestavy()
    {
        QFETCH(QString, druh);
        const TZatez z(40);
        TNahled nahled;
        nahled.Cvicne = true; // as a training station prints them: the mark is exempt
        TTisk t(nahled);
        QStringList hodnoty;
        if (druh == u"protokol") {
            TiskProtokolu(t, z.Protokol, z.Vysledky->VetaT3, z.Stanice, z.Okrsek, Ted);
            hodnoty = {z.Stanice.NazevObce};
            for (qsizetype i = 0; i < z.Protokol.Pocet(); ++i)
                hodnoty.append(z.Protokol.VratHlaskuParam(i));
        } else if (druh == u"zkusebni") {
            TZkusebniUdaje u;
            u.DatumVoleb = Siroky(23, 0);
            u.NazevSystemu = Siroky(60, 10);
            u.Tiskarna = u"Tiskarna_v_kancelari_volebni_komise_s_velmi_dlouhym_nazvem_fronty_"_s +
                         Siroky(60, 0);
            u.Fonty = {u"Arial"_s, u"Arial CE"_s, u"Courier New"_s, u"Courier New CE"_s};
            u.EmailPodpory = u"podpora.volebni.komise.s.velmi.dlouhou.adresou@"_s + Siroky(40, 0) +
                             u".example"_s;
            TiskZkusebniStrany(t, u, Ted);
            hodnoty = {u.DatumVoleb, u.NazevSystemu, u.Tiskarna, u.EmailPodpory};
        } else {
            const int papir = druh == u"arch-a4-sirka" ? 0 : 1;
            TiskScitacihoArchu(t, z.Stanice, z.Okrsek, *z.Ref, papir,
                               druh == u"arch-a3" ? u"A3"_s : u"A4"_s, Ted);
            hodnoty = z.HodnotyArchu();
        }
        const QString zavada = Zavada(nahled, druh, hodnoty, m_slov);
        QVERIFY2(zavada.isEmpty(), qPrintable(zavada));
        if (druh.startsWith(u"arch"_s)) {
            const QString cisla = ZavadaCisel(nahled, druh, u"-99999 List: +%1 - KV"_s);
            QVERIFY2(cisla.isEmpty(), qPrintable(cisla));
        } else if (druh == u"protokol") {
            const QString cisla = ZavadaCisel(nahled, druh, u"List č.: +%1\n"_s);
            QVERIFY2(cisla.isEmpty(), qPrintable(cisla));
        }
        if (druh == u"arch-a4-sirka")
            QVERIFY2(nahled.Celkem() > 99, "sheet numbers beyond 99 are not exercised");
    }
};

QTEST_MAIN(TestRozvrzeni)
#include "TestRozvrzeni.moc"
