// `zelkovar-nastroj tisk ... zapis` on a stored record; where poppler's text extractor
// is installed, the texts of the PDF are checked where the layout puts them.
#include "SlovaPdf.h"
#include "SouboryTestu.h"
#include "SpustNastroj.h"
#include "ZkusebniOkrsek.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

} // namespace

class TestNastrojZapis : public QObject
{
    Q_OBJECT

private slots:
    void zapis()
    {
        QTemporaryDir dir;
        const TAdresare adr = VytvorStanici(dir.path(), {7, 10, 1000, u"15"_s, u"500011"_s, false});
        TVysledky v = PlatnyOkrsek(7, 10, 25);
        UlozOkrsek(adr, KlicOkrsku(), u"O"_s, v);
        THlasovaniRec h = NactiHlasovani(adr.AdrData);
        h.Odroc = u"B"_s;
        h.OdrocenoD = u"9.10.2026"_s;
        h.DuvodOdroc = u"povodeň"_s;
        h.Stizn = u"N"_s;
        UlozHlasovani(adr.AdrData, h);
        const QString ulozeno = JmenoSouboruOkrsku(adr, KlicOkrsku(), u"O"_s);
        const QByteArray pred = Obsah(ulozeno);

        const QString pdf = dir.filePath(u"zapis.pdf"_s);
        const TBeh b = Spust({u"tisk"_s, adr.AdrInstalace, u"zapis"_s, u"--pdf"_s, pdf});
        const QString vystup = b.Vystup + b.Chyby;
        QVERIFY2(b.Kod == 0, qPrintable(vystup));
        // 7 parties of 10 candidates fill two ballot sheets; the signatures need an own one.
        QVERIFY2(vystup.contains(u": počet stran 5"_s), qPrintable(vystup));
        QCOMPARE(Obsah(ulozeno), pred); // the check run worked on a copy

        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext není nainstalován");
        for (int strana = 1; strana <= 5; ++strana) {
            const QList<TSlovo> slova = Slova(pdf, strana);
            const QList<TSlovo> list = Najdi(slova, u"%1/5"_s.arg(strana));
            QCOMPARE(list.size(), 1);
            QVERIFY(qAbs(list.first().Y1 - 2665) <= 3);
            const QList<TSlovo> kv = Najdi(slova, u"KV"_s);
            QVERIFY(!kv.isEmpty() && qAbs(kv.first().X2 - 1900) <= 3);
        }
        const QList<TSlovo> list1 = Slova(pdf, 1);
        QCOMPARE(Najdi(list1, u"povodeň"_s).size(), 1);
        // The identification lines print nothing over their labels: neither the
        // two-day date over "hlasování" nor the filler dots over "proběhlo".
        const QList<TSlovo> datum = Najdi(list1, u"10.10.2026"_s);
        QCOMPARE(datum.size(), 1);
        const QList<TSlovo> hlasovani = Najdi(list1, u"hlasování"_s);
        QVERIFY(!hlasovani.isEmpty());
        QVERIFY2(datum.first().X2 < hlasovani.first().X1,
                 qPrintable(u"%1 %2"_s.arg(datum.first().X2).arg(hlasovani.first().X1)));
        const QList<TSlovo> probehlo = Najdi(list1, u"proběhlo"_s);
        QCOMPARE(probehlo.size(), 1);
        for (const TSlovo &s : list1) {
            if (qAbs(s.Y1 - probehlo.first().Y1) < 10 && s.X1 < probehlo.first().X1)
                QVERIFY2(s.X2 <= probehlo.first().X1, qPrintable(s.Text));
        }
        QCOMPARE(Najdi(list1, u"---"_s).size(), 1);
        const QList<TSlovo> list2 = Slova(pdf, 2);
        QCOMPARE(Najdi(list2, u"III."_s).size(), 1);
        QVERIFY(!Najdi(list2, u"Eva"_s).isEmpty());
        const QList<TSlovo> list3 = Slova(pdf, 3);
        QCOMPARE(Najdi(list3, u"LÍSTEK"_s).size(), 1);
        const QList<TSlovo> list4 = Slova(pdf, 4);
        QCOMPARE(Najdi(list3, u"Strana"_s).size() + Najdi(list4, u"Strana"_s).size(), 7);
    }

    void primoJakoTiskarna()
    {
        QTemporaryDir dir;
        const TAdresare adr = VytvorStanici(dir.path(), {7, 10, 1000, u"15"_s, u"500011"_s, false});
        TVysledky v = PlatnyOkrsek(7, 10, 25);
        UlozOkrsek(adr, KlicOkrsku(), u"O"_s, v);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext není nainstalován");
        // The preview's corrections lengthen the filler dots; the printer's keep every
        // word of sheet 1 shorter and well on the paper (210 mm wide).
        double nejdal[2] = {0, 0};
        for (const bool primo : {false, true}) {
            const QString pdf = dir.filePath(primo ? u"primo.pdf"_s : u"nahled.pdf"_s);
            QStringList argumenty{u"tisk"_s, adr.AdrInstalace, u"zapis"_s, u"--pdf"_s, pdf};
            if (primo)
                argumenty.append(u"--primo"_s);
            const TBeh b = Spust(argumenty);
            QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
            for (const TSlovo &s : Slova(pdf, 1))
                nejdal[primo] = qMax(nejdal[primo], s.X2);
        }
        QVERIFY2(nejdal[1] <= 2000, qPrintable(QString::number(nejdal[1])));
        QVERIFY2(nejdal[0] > nejdal[1], qPrintable(u"%1 %2"_s.arg(nejdal[0]).arg(nejdal[1])));
    }

    void bezDat()
    {
        QTemporaryDir dir;
        const TAdresare adr = VytvorStanici(dir.path());
        const TBeh b =
            Spust({u"tisk"_s, adr.AdrInstalace, u"zapis"_s, u"--pdf"_s, dir.filePath(u"z.pdf"_s)});
        QVERIFY(b.Kod > 0);
        QVERIFY2((b.Vystup + b.Chyby).contains(u"nejsou uložena"_s), qPrintable(b.Chyby));
        QVERIFY(!QFile::exists(dir.filePath(u"z.pdf"_s)));
    }
};

QTEST_MAIN(TestNastrojZapis)
#include "TestNastrojZapis.moc"
