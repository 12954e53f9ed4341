// The control entry: comparison with the first entry, the commission's decision into
// the results file, the control file under a killed writer, and `zelkovar-nastroj
// porovnej` as a user runs it.
#include "Denik.h"
#include "EChyba.h"
#include "KontrolniPorizeni.h"
#include "Porovnani.h"
#include "SouboryTestu.h"
#include "SpustNastroj.h"
#include "ZkusebniOkrsek.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int Stran = 3;
constexpr int Kandidatu = 40;

// A first entry whose every vote tells its party and candidate apart (party k,
// candidate i: 100·k + i), so that a swap or a shift shows.
std::unique_ptr<TVysledky> PrvniPorizeni()
{
    auto v = std::make_unique<TVysledky>(PlatnyOkrsek(Stran, Kandidatu, 1));
    qint32 soucet = 0;
    for (int k = 1; k <= Stran; ++k) {
        for (int i = 1; i <= Kandidatu; ++i) {
            v->StranyHL[std::size_t(k)].HlasyKand[std::size_t(i)] = quint16(100 * k + i);
            soucet += 100 * k + i;
        }
    }
    v->VetaT3.PlatneHlasy = soucet;
    Dopocti(*v, Stran);
    return v;
}

// field;page;party and short name;candidate and name;first;control
QString Text(const TRozdil &r)
{
    return u"%1;%2;%3 %4;%5 %6;%7;%8"_s.arg(r.Pole)
        .arg(r.Stranka)
        .arg(r.Strana)
        .arg(r.ZkratkaStrany)
        .arg(r.Kandidat)
        .arg(r.JmenoKandidata)
        .arg(r.Prvni)
        .arg(r.Kontrolni);
}

QStringList Texty(const QList<TRozdil> &rozdily)
{
    QStringList t;
    for (const TRozdil &r : rozdily)
        t.append(Text(r));
    return t;
}

// Every file below the directory with its bytes and modification time; lock files
// name their latest holder and are left out.
QStringList Otisk(const QString &adresar)
{
    QStringList otisk;
    QDirIterator it(adresar, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString cesta = it.next();
        if (cesta.endsWith(u".LCK"))
            continue;
        otisk.append(
            cesta + u' ' + QString::number(Soubory::CasZmeny(cesta)) + u' ' +
            QString::fromLatin1(
                QCryptographicHash::hash(Obsah(cesta), QCryptographicHash::Sha256).toHex()));
    }
    otisk.sort();
    return otisk;
}

// The control entry as a `porizeni` description of type 1.
QByteArray Popis(const TVysledky &v)
{
    QJsonArray strany;
    for (int k = 1; k <= Stran; ++k) {
        QJsonArray hlasy;
        for (int i = 1; i <= Kandidatu; ++i)
            hlasy.append(v.StranyHL[std::size_t(k)].HlasyKand[std::size_t(i)]);
        strany.append(QJsonObject{{u"PorStHL"_s, k}, {u"HlasyKand"_s, hlasy}});
    }
    const TOkrsekRec &h = v.VetaT3;
    const QJsonObject typ1{{u"TypZastup"_s, u"1"_s},          {u"ZapsOsoby"_s, h.ZapsOsoby},
                           {u"VydObalky"_s, h.VydObalky},     {u"OdevzdObalky"_s, h.OdevzdObalky},
                           {u"PlatneHlasy"_s, h.PlatneHlasy}, {u"strany"_s, strany}};
    return QJsonDocument(QJsonObject{{u"vysledky"_s, QJsonArray{typ1}}}).toJson();
}

const char *const PromennaDitete = "ZELKOVAR_TEST_UKLADEJ_KONTROLU";

TAdresare Adresare(const QString &adresar)
{
    TAdresare adr;
    adr.AdrInstalace = adr.AdrStanice = adresar + u'/';
    adr.AdrData = adr.AdrStanice + u"data/"_s;
    return adr;
}

// The child of the kill test: saves the control entry with a growing count until it
// is killed.
int UkladejDokola(const QString &adresar)
{
    const TAdresare adr = Adresare(adresar);
    auto v = PrvniPorizeni();
    for (qint32 n = 1;; ++n) {
        v->VetaT3.ZapsOsoby = n;
        KontrolniPorizeni::Uloz(adr, KlicOkrsku(), *v);
    }
}

} // namespace

class TestPorovnani : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    TAdresare m_adr;
    std::unique_ptr<TReference> m_ref;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        TParametryStanice p;
        p.PocetStran = Stran;
        p.PocetKand = Kandidatu;
        m_adr = VytvorStanici(m_dir->path(), p);
        TOkrsekRefRec klic = KlicOkrsku();
        NajdiOkrsek(m_adr, klic);
        m_ref = std::make_unique<TReference>();
        NactiStrany(m_adr, klic, *m_ref);
        NactiKandidaty(m_adr, klic, *m_ref);
    }

    void rozdily_data()
    {
        QTest::addColumn<QStringList>("upravy");
        QTest::addColumn<QStringList>("rozdily");
        QTest::newRow("shodné") << QStringList{} << QStringList{};
        QTest::newRow("zapsaní voliči") << QStringList{u"VetaT3.ZapsOsoby=1001"_s}
                                        << QStringList{u"VetaT3.ZapsOsoby;1;0 ;0 ;1000;1001"_s};
        QTest::newRow("vydané obálky") << QStringList{u"VetaT3.VydObalky=70"_s}
                                       << QStringList{u"VetaT3.VydObalky;1;0 ;0 ;700;70"_s};
        QTest::newRow("odevzdané obálky") << QStringList{u"VetaT3.OdevzdObalky=0"_s}
                                          << QStringList{u"VetaT3.OdevzdObalky;1;0 ;0 ;690;0"_s};
        QTest::newRow("platné hlasy") << QStringList{u"VetaT3.PlatneHlasy=26461"_s}
                                      << QStringList{u"VetaT3.PlatneHlasy;1;0 ;0 ;26460;26461"_s};
        QTest::newRow("prohození ve straně")
            << QStringList{u"StranyHL[2].HlasyKand[3]=204"_s, u"StranyHL[2].HlasyKand[4]=203"_s}
            << QStringList{u"StranyHL[2].HlasyKand[3];3;2 S2;3 Jan Novák 3;203;204"_s,
                           u"StranyHL[2].HlasyKand[4];3;2 S2;4 Jan Novák 4;204;203"_s};
        // The last candidate's votes typed into the next party's first row.
        QTest::newRow("posun do další strany")
            << QStringList{u"StranyHL[1].HlasyKand[40]=0"_s, u"StranyHL[2].HlasyKand[1]=140"_s}
            << QStringList{u"StranyHL[1].HlasyKand[40];4;1 S1;40 Jan Novák 40;140;0"_s,
                           u"StranyHL[2].HlasyKand[1];3;2 S2;1 Jan Novák 1;201;140"_s};
        QTest::newRow("nejdřív oddíl II, pak strany po řadě")
            << QStringList{u"StranyHL[3].HlasyKand[35]=0"_s, u"StranyHL[1].HlasyKand[1]=0"_s,
                           u"VetaT3.PlatneHlasy=1"_s}
            << QStringList{u"VetaT3.PlatneHlasy;1;0 ;0 ;26460;1"_s,
                           u"StranyHL[1].HlasyKand[1];3;1 S1;1 Jan Novák 1;101;0"_s,
                           u"StranyHL[3].HlasyKand[35];4;3 S3;35 Jan Novák 35;335;0"_s};
        // Rows beyond the party's candidates are not part of either entry.
        QTest::newRow("mimo kandidáty strany")
            << QStringList{u"StranyHL[1].HlasyKand[41]=5"_s} << QStringList{};
    }
    void rozdily()
    {
        QFETCH(QStringList, upravy);
        QFETCH(QStringList, rozdily);
        const auto prvni = PrvniPorizeni();
        auto kontrolni = std::make_unique<TVysledky>(*prvni);
        Uprav(*kontrolni, upravy);
        // The control entry's own sums differ too; only typed fields are compared.
        Dopocti(*kontrolni, Stran);
        QCOMPARE(Texty(PorovnejPorizeni(*prvni, *kontrolni, *m_ref)), rozdily);
    }

    // Nothing is written before every difference is decided; then exactly the chosen
    // values, as an unchecked "E" file marked not exported, and the control file goes.
    void rozhodnutiZapiseZvolene()
    {
        const TOkrsekRefRec klic = KlicOkrsku();
        auto prvni = PrvniPorizeni();
        UlozOkrsek(m_adr, klic, u"O"_s, *prvni);
        TStaniceRec stanice = NactiStanici(m_adr.AdrStanice);
        ZapisStavExportu(m_adr.AdrStanice, 1, u"A"_s, stanice);
        auto kontrolni = std::make_unique<TVysledky>(*prvni);
        Uprav(*kontrolni, {u"VetaT3.ZapsOsoby=1001"_s, u"StranyHL[2].HlasyKand[3]=204"_s,
                           u"StranyHL[2].HlasyKand[4]=203"_s});
        KontrolniPorizeni::Uloz(m_adr, klic, *kontrolni);

        QList<TRozdil> rozdily = PorovnejSUlozenymi(m_adr, klic, *m_ref, *kontrolni);
        QCOMPARE(rozdily.size(), 3);
        rozdily[0].Zvoleno = rozdily[0].Kontrolni;
        rozdily[2].Zvoleno = rozdily[2].Kontrolni;
        rozdily[2].PotvrzenoZapisem = true;
        const QStringList pred = Otisk(m_dir->path());
        QVERIFY_THROWS_EXCEPTION(EChyba,
                                 ZapisRozhodnuti(m_adr, klic, *m_ref, stanice, false, rozdily));
        QCOMPARE(Otisk(m_dir->path()), pred);

        // Decided against data changed since the comparison: refused, nothing written.
        rozdily[1].Zvoleno = rozdily[1].Prvni;
        QList<TRozdil> zastarale = rozdily;
        zastarale[1].Prvni = 999;
        QVERIFY_THROWS_EXCEPTION(EChyba,
                                 ZapisRozhodnuti(m_adr, klic, *m_ref, stanice, false, zastarale));
        QCOMPARE(Otisk(m_dir->path()), pred);

        ZapisRozhodnuti(m_adr, klic, *m_ref, stanice, false, rozdily);
        auto ocekavano = std::make_unique<TVysledky>(*prvni);
        Uprav(*ocekavano, {u"VetaT3.ZapsOsoby=1001"_s, u"StranyHL[2].HlasyKand[4]=203"_s});
        Dopocti(*ocekavano, Stran);
        auto ulozeno = std::make_unique<TVysledky>();
        QCOMPARE(NactiAktualniOkrsek(m_adr, klic, *ulozeno), u"E"_s);
        QCOMPARE(ulozeno->VetaT3, ocekavano->VetaT3);
        QVERIFY(ulozeno->StranyHL == ocekavano->StranyHL);
        QVERIFY(!QFileInfo::exists(JmenoSouboruOkrsku(m_adr, klic, u"O"_s)));
        QVERIFY(!KontrolniPorizeni::Existuje(m_adr, klic));
        QCOMPARE(NactiStanici(m_adr.AdrStanice).Stav1, u"N"_s);
        const QString denik = QString::fromUtf8(Obsah(m_adr.AdrStanice + Denik::JmenoSouboru));
        // One line per decision, in order: the value written, both entries' values and how.
        qsizetype od = 0;
        for (const QString &radek :
             {u"zapsáno VetaT3.ZapsOsoby=1001 (první 1000, kontrolní 1001), zvoleno\n"_s,
              u"zapsáno StranyHL[2].HlasyKand[3]=203 (první 203, kontrolní 204), zvoleno\n"_s,
              u"zapsáno StranyHL[2].HlasyKand[4]=203 (první 204, kontrolní 203), potvrzeno "
              u"opakovaným zápisem\n"_s}) {
            od = denik.indexOf(u"typ zastupitelstva 1, "_s + radek, od);
            QVERIFY2(od >= 0, qPrintable(radek + denik));
        }
    }

    // The control file is kept apart: saving it leaves the results files alone, it is
    // never read as results, and an equal comparison removes it.
    void kontrolniSouborStranou()
    {
        const TOkrsekRefRec klic = KlicOkrsku();
        auto kontrolni = PrvniPorizeni();
        KontrolniPorizeni::Uloz(m_adr, klic, *kontrolni);
        QCOMPARE(QFileInfo(KontrolniPorizeni::JmenoSouboru(m_adr, klic)).fileName(),
                 u"KO500011.00001"_s);
        auto v = std::make_unique<TVysledky>();
        QCOMPARE(NactiAktualniOkrsek(m_adr, klic, *v), QString());
        QCOMPARE(v->VetaT3.ZapsOsoby, 0);
        QVERIFY_THROWS_EXCEPTION(EChyba, PorovnejSUlozenymi(m_adr, klic, *m_ref, *kontrolni));

        UlozOkrsek(m_adr, klic, u"E"_s, *kontrolni);
        const QByteArray vysledky = Obsah(JmenoSouboruOkrsku(m_adr, klic, u"E"_s));
        kontrolni->VetaT3.ZapsOsoby = 5;
        KontrolniPorizeni::Uloz(m_adr, klic, *kontrolni);
        QCOMPARE(Obsah(JmenoSouboruOkrsku(m_adr, klic, u"E"_s)), vysledky);
        QVERIFY(KontrolniPorizeni::Nacti(m_adr, klic, *v));
        QCOMPARE(v->VetaT3.ZapsOsoby, 5);
        QVERIFY(v->StranyHL == kontrolni->StranyHL);

        UzavriShodu(m_adr, klic);
        QVERIFY(!KontrolniPorizeni::Existuje(m_adr, klic));
        QVERIFY(!KontrolniPorizeni::Nacti(m_adr, klic, *v));
        QVERIFY(QString::fromUtf8(Obsah(m_adr.AdrStanice + Denik::JmenoSouboru))
                    .contains(u"souhlasí"_s));
    }

    // A writer killed at any moment of its save leaves a whole control file: the one
    // before or the one it was writing.
    void kontrolniSouborPrezijeZabiti()
    {
        const TOkrsekRefRec klic = KlicOkrsku();
        UlozOkrsek(m_adr, klic, u"E"_s, *PrvniPorizeni());
        const QByteArray vysledky = Obsah(JmenoSouboruOkrsku(m_adr, klic, u"E"_s));
        qint32 posledni = 0;
        auto v = std::make_unique<TVysledky>();
        for (int kolo = 0; kolo < 8; ++kolo) {
            QProcess dite;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QString::fromLatin1(PromennaDitete), m_dir->path());
            dite.setProcessEnvironment(env);
            dite.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(dite.waitForStarted());
            // Killed once it has saved past the last count, at a random moment.
            QTRY_VERIFY_WITH_TIMEOUT(
                KontrolniPorizeni::Nacti(m_adr, klic, *v) && v->VetaT3.ZapsOsoby > posledni, 20000);
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            dite.kill();
            QVERIFY(dite.waitForFinished());
            QVERIFY(KontrolniPorizeni::Nacti(m_adr, klic, *v));
            QVERIFY(v->VetaT3.ZapsOsoby >= posledni);
            posledni = v->VetaT3.ZapsOsoby;
        }
        QCOMPARE(Obsah(JmenoSouboruOkrsku(m_adr, klic, u"E"_s)), vysledky);
    }

    void nastroj_data()
    {
        QTest::addColumn<QStringList>("upravy");
        QTest::addColumn<bool>("sVysledky");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("vystup");
        QTest::newRow("shodné") << QStringList{} << true << 0 << QString();
        QTest::newRow("prohození a překlep")
            << QStringList{u"StranyHL[3].HlasyKand[36]=337"_s, u"StranyHL[3].HlasyKand[37]=336"_s,
                           u"VetaT3.OdevzdObalky=609"_s}
            << true << 4
            << u"VetaT3.OdevzdObalky\t690\t609\nStranyHL[3].HlasyKand[36]\t336\t337\n"
               "StranyHL[3].HlasyKand[37]\t337\t336\n"_s;
        QTest::newRow("bez uložených výsledků") << QStringList{} << false << 1 << QString();
    }
    void nastroj()
    {
        QFETCH(QStringList, upravy);
        QFETCH(bool, sVysledky);
        QFETCH(int, kod);
        QFETCH(QString, vystup);
        const auto prvni = PrvniPorizeni();
        if (sVysledky)
            UlozOkrsek(m_adr, KlicOkrsku(), u"O"_s, *prvni);
        auto kontrolni = std::make_unique<TVysledky>(*prvni);
        Uprav(*kontrolni, upravy);
        QTemporaryDir mimo;
        const QString popis = mimo.filePath(u"kontrola.json"_s);
        Zapis(popis, Popis(*kontrolni));

        const QStringList pred = Otisk(m_dir->path());
        const TBeh b = Spust({u"porovnej"_s, popis, m_dir->path()});
        QCOMPARE(b.Kod, kod);
        QCOMPARE(b.Vystup, vystup);
        QCOMPARE(b.Chyby.isEmpty(), kod != 1);
        QCOMPARE(Otisk(m_dir->path()), pred);
    }

    // The headless road of the control entry: stored apart, the results untouched.
    void porizeniKontrolni()
    {
        const TOkrsekRefRec klic = KlicOkrsku();
        const auto prvni = PrvniPorizeni();
        UlozOkrsek(m_adr, klic, u"E"_s, *prvni);
        const QByteArray vysledky = Obsah(JmenoSouboruOkrsku(m_adr, klic, u"E"_s));
        auto kontrolni = std::make_unique<TVysledky>(*prvni);
        Uprav(*kontrolni, {u"StranyHL[1].HlasyKand[2]=0"_s});
        QTemporaryDir mimo;
        Zapis(mimo.filePath(u"k.json"_s), Popis(*kontrolni));
        const TBeh b =
            Spust({u"porizeni"_s, mimo.filePath(u"k.json"_s), m_dir->path(), u"--kontrolni"_s});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
        QCOMPARE(Obsah(JmenoSouboruOkrsku(m_adr, klic, u"E"_s)), vysledky);
        auto ulozeny = std::make_unique<TVysledky>();
        QVERIFY(KontrolniPorizeni::Nacti(m_adr, klic, *ulozeny));
        QCOMPARE(Texty(PorovnejPorizeni(*kontrolni, *ulozeny, *m_ref)), QStringList());
        QCOMPARE(Texty(PorovnejSUlozenymi(m_adr, klic, *m_ref, *ulozeny)),
                 QStringList{u"StranyHL[1].HlasyKand[2];3;1 S1;2 Jan Novák 2;102;0"_s});
    }

    void nastrojOdmitneSpatnyPopis_data()
    {
        QTest::addColumn<QByteArray>("popis");
        QTest::addColumn<QString>("duvod");
        QTest::newRow("jiný typ") << QByteArray(
                                         R"({"vysledky": [{"TypZastup": "2", "ZapsOsoby": 1}]})")
                                  << u"typu zastupitelstva 1"_s;
        QTest::newRow("text místo čísla")
            << QByteArray(R"({"vysledky": [{"TypZastup": "1", "ZapsOsoby": "1"}]})")
            << u"ZapsOsoby"_s;
        QTest::newRow("neznámá strana")
            << QByteArray(
                   R"({"vysledky": [{"TypZastup": "1", "ZapsOsoby": 1, "VydObalky": 1, "OdevzdObalky": 1,
                             "PlatneHlasy": 1, "strany": [{"PorStHL": 4, "HlasyKand": [1]}]}]})")
            << u"PorStHL"_s;
        QTest::newRow("není JSON") << QByteArray("{") << u"JSON"_s;
    }
    void nastrojOdmitneSpatnyPopis()
    {
        QFETCH(QByteArray, popis);
        QFETCH(QString, duvod);
        UlozOkrsek(m_adr, KlicOkrsku(), u"E"_s, *PrvniPorizeni());
        QTemporaryDir mimo;
        Zapis(mimo.filePath(u"p.json"_s), popis);
        const TBeh b = Spust({u"porovnej"_s, mimo.filePath(u"p.json"_s), m_dir->path()});
        QCOMPARE(b.Kod, 1);
        QVERIFY2(b.Chyby.contains(duvod), qPrintable(b.Chyby));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(PromennaDitete))
        return UkladejDokola(qEnvironmentVariable(PromennaDitete));
    TestPorovnani test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TestPorovnani.moc"
