// The station tool, run as a user runs it: exit codes, messages, files and bytes.
#include "Kodovani.h"
#include "Okrsek.h"
#include "SouboryTestu.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

struct Beh
{
    int kod = -1;
    QString vystup;
    QString chyby;
};

// Outside a desktop session, as on a commission's computer started from a shell.
QProcessEnvironment BezSezeni()
{
    QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
    prostredi.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    return prostredi;
}

Beh Spust(const QStringList &argumenty, const QProcessEnvironment &prostredi = BezSezeni())
{
    QProcess p;
    p.setProcessEnvironment(prostredi);
    p.start(QStringLiteral(NASTROJ), argumenty);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// A length-prefixed Windows-1250 field as it must stand in the file.
QByteArray Pole(const QByteArray &cp1250)
{
    return char(cp1250.size()) + cp1250;
}

// Length-prefixed strings of a record, each at its offset.
void OverPole(const QByteArray &zaznam, const QList<std::pair<int, QByteArray>> &pole)
{
    for (const auto &[posun, text] : pole)
        QCOMPARE(zaznam.mid(posun, text.size() + 1), Pole(text));
}

qint32 Cislo(const QByteArray &z, int posun)
{
    return qFromLittleEndian<qint32>(z.constData() + posun);
}

const char *const Popis = R"({
 "stanice": {"NazevObce": "Žďár", "KodObce": "500011", "CisloOkrsku": 12, "KodOkresu": "3701",
             "NazevOkresu": "Okres Ústí  ", "DatumVoleb": "09.10.2026 - 10.10.2026",
             "PripFontu": " CE", "KodWindows": "18", "Stav1": "A", "Stav2": ""},
 "okrsky": [{"KodObce": "500011", "CisloOkrsku": 12, "TypZastup": "2", "NazevObce": "Žďár",
             "KodObceZast": "500020", "NazevZast": "Zastupitelstvo čtvrti", "CObvodu": "3",
             "PocetMandatu": "11", "PocetStranZast": "4", "Priznak": "0", "Rezerva": "rez",
             "JeObvod": "A", "KodOkresu": "3701", "NazevOkresu": "Ústí"}],
 "strany": [{"KodObceZast": "500020", "CObvodu": "3", "PorCislo": "001", "NazevZkr": "Štika",
             "Nazev": "Strana čisté řeky", "PocetKand": "70"},
            {"KodObceZast": "500020", "CObvodu": "3", "PorCislo": "002", "NazevZkr": "Ř",
             "Nazev": "Řemeslníci", "PocetKand": "1"}],
 "kandidati": [{"KodObceZast": "500020", "CObvodu": "3", "PorCisloStrany": "2", "PorCisloKand": "1",
                "Jmeno": "Ing. Čeněk", "Prijmeni": "Šťastný", "Rezerva": "", "Platnost": "N"}],
 "volici": [{"KodObce": "500011", "CisloOkrsku": 12, "ZapsOsobyRef": 1015}],
 "chyby": [{"Chyba": 6, "TypChyby": "P", "ZkrText": "Počet obálek nesouhlasí"}]
})";

// The first group of a desktop entry, key by key.
QMap<QString, QString> Klice(const QByteArray &obsah)
{
    QMap<QString, QString> k;
    for (const QString &radek : QString::fromUtf8(obsah).split(u'\n')) {
        const qsizetype rovnitko = radek.indexOf(u'=');
        if (rovnitko > 0)
            k.insert(radek.left(rovnitko), radek.mid(rovnitko + 1));
    }
    return k;
}

// The arguments of an Exec value as a desktop starts them: first the escapes of a
// string value, then blank-separated arguments, "…" quoted with \" \` \$ \\ inside,
// and %% for a percent sign.
QStringList ArgumentyExec(const QString &hodnota)
{
    QString exec;
    for (qsizetype i = 0; i < hodnota.size(); ++i) {
        QChar z = hodnota.at(i);
        if (z == u'\\' && i + 1 < hodnota.size()) {
            z = hodnota.at(++i);
            z = z == u'n' ? QChar(u'\n') : z == u't' ? QChar(u'\t') : z == u's' ? QChar(u' ') : z;
        }
        exec += z;
    }
    QStringList argumenty;
    QString a;
    bool vUvozovkach = false;
    bool je = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar z = exec.at(i);
        if (vUvozovkach && z == u'\\' && i + 1 < exec.size()) {
            a += exec.at(++i);
        } else if (z == u'"') {
            vUvozovkach = !vUvozovkach;
            je = true;
        } else if (z == u' ' && !vUvozovkach) {
            if (je)
                argumenty.append(a);
            a.clear();
            je = false;
        } else {
            a += z;
            je = true;
        }
    }
    if (je)
        argumenty.append(a);
    return argumenty.replaceInStrings(QStringLiteral("%%"), QStringLiteral("%"));
}

} // namespace

class TestNastroj : public QObject
{
    Q_OBJECT

private slots:
    void staniceZapiseKazdePoleNaSvemMiste()
    {
        QTemporaryDir dir;
        Zapis(dir.filePath(QStringLiteral("popis.json")), Popis);
        const QString cil = dir.filePath(QStringLiteral("stanice"));
        const Beh b =
            Spust({QStringLiteral("stanice"), dir.filePath(QStringLiteral("popis.json")), cil});
        QVERIFY2(b.kod == 0, qPrintable(b.chyby));

        const QByteArray st = Obsah(cil + QStringLiteral("/STANICE.RCD"));
        QCOMPARE(st.size(), 256);
        QCOMPARE(Cislo(st, 56), 12);
        OverPole(st, {{7, "\x8e\xef\xe1r"},
                      {48, "500011"},
                      {60, "3701"},
                      {65, "Okres \xdast\xed  "},
                      {91, "09.10.2026 - 10.10.2026"},
                      {243, " CE"},
                      {247, "18"},
                      {250, "A"}});
        QCOMPARE(st.at(252), '\0');

        const QByteArray ok = Obsah(cil + QStringLiteral("/OKRSKY.RCD"));
        QCOMPARE(ok.size(), 148);
        QCOMPARE(Cislo(ok, 8), 12);
        OverPole(ok, {{0, "500011"},
                      {12, "2"},
                      {55, "500020"},
                      {62, "Zastupitelstvo \xe8tvrti"},
                      {103, "3"},
                      {106, "11"},
                      {109, "4"},
                      {112, "0"},
                      {114, "rez"},
                      {119, "A"},
                      {121, "3701"},
                      {126, "\xdast\xed"}});

        const QByteArray str = Obsah(cil + QStringLiteral("/STRANY.RCD"));
        QCOMPARE(str.size(), 2 * 169);
        OverPole(str, {{169 + 7, "3"}, {169 + 10, "002"}, {169 + 14, "\xd8"}});
        QCOMPARE(str.mid(169 + 45, 11), Pole("\xd8"
                                             "emesln\xed"
                                             "ci"));
        QCOMPARE(str.mid(169 + 166, 2), Pole("1"));

        const QByteArray ka = Obsah(cil + QStringLiteral("/KANDIDAT.RCD"));
        QCOMPARE(ka.size(), 95);
        QCOMPARE(ka.mid(10, 2), Pole("2"));
        QCOMPARE(ka.mid(14, 2), Pole("1"));
        QCOMPARE(ka.mid(17, 11), Pole("Ing. \xc8"
                                      "en\xec"
                                      "k"));
        QCOMPARE(ka.mid(58, 8), Pole("\x8a\x9d"
                                     "astn\xfd"));
        QCOMPARE(ka.mid(93, 2), Pole("N"));

        const QByteArray kv = Obsah(dir.filePath(QStringLiteral("stanice/KVRVOK.RCD")));
        QCOMPARE(kv.size(), 16);
        QCOMPARE(kv.mid(0, 7), Pole("500011"));
        QCOMPARE(Cislo(kv, 8), 12);
        QCOMPARE(Cislo(kv, 12), 1015);

        const QByteArray ch = Obsah(cil + QStringLiteral("/CISCHYB.RCD"));
        QCOMPARE(ch.size(), 72);
        QCOMPARE(Cislo(ch, 0), 6);
        QCOMPARE(ch.mid(4, 2), Pole("P"));
        QCOMPARE(ch.mid(6, 24), Pole("Po\xe8"
                                     "et ob\xe1lek nesouhlas\xed"));

        QCOMPARE(Obsah(cil + QStringLiteral("/data/HLASO.RCD")), QByteArray(1194, '\0'));
        QVERIFY(QFile::exists(cil + QStringLiteral("/data/KOMISE.RCD")));
        QCOMPARE(Obsah(cil + QStringLiteral("/data/INFOK83.RCD")).size(), 0);
        QVERIFY(QDir(cil + QStringLiteral("/Export")).exists());
    }

    void podadresarAPrepsani()
    {
        QTemporaryDir dir;
        const QString popis = dir.filePath(QStringLiteral("popis.json"));
        Zapis(popis, Popis);
        const QString cil = dir.filePath(QStringLiteral("inst"));
        const QStringList args = {QStringLiteral("stanice"), popis, cil,
                                  QStringLiteral("--podadresar"), QStringLiteral("P7")};
        QCOMPARE(Spust(args).kod, 0);
        QVERIFY(QFile::exists(cil + QStringLiteral("/data/P7/STANICE.RCD")));
        QVERIFY(QFile::exists(cil + QStringLiteral("/data/P7/KANDIDAT.RCD")));
        QVERIFY(QFile::exists(cil + QStringLiteral("/data/P7/HLASO.RCD")));
        QVERIFY(QFile::exists(cil + QStringLiteral("/KVRVOK.RCD")));
        QVERIFY(!QFile::exists(cil + QStringLiteral("/STANICE.RCD")));

        // Entered data survive a rebuild; without --prepsat nothing is rebuilt.
        Zapis(cil + QStringLiteral("/data/P7/HLASO.RCD"), QByteArray(1194, 'x'));
        const Beh znovu = Spust(args);
        QCOMPARE(znovu.kod, 1);
        QVERIFY(znovu.chyby.contains(QStringLiteral("--prepsat")));
        QCOMPARE(Spust(args + QStringList{QStringLiteral("--prepsat")}).kod, 0);
        QCOMPARE(Obsah(cil + QStringLiteral("/data/P7/HLASO.RCD")), QByteArray(1194, 'x'));

        QCOMPARE(Spust({QStringLiteral("stanice"), popis, cil, QStringLiteral("--podadresar"),
                        QStringLiteral("../ven")})
                     .kod,
                 2);
    }

    void spatnyPopisNezapiseNic_data()
    {
        QTest::addColumn<QString>("klic");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QJsonValue>("hodnota");
        QTest::addColumn<QString>("ocekavano");
        QTest::newRow("dlouhý text")
            << "okrsky"
            << "NazevZast" << QJsonValue(QString(41, u'a')) << "okrsky[0]: Text";
        QTest::newRow("číslo jako text")
            << "volici"
            << "ZapsOsobyRef" << QJsonValue(QStringLiteral("15")) << "volici[0]: pole ZapsOsobyRef";
        QTest::newRow("text jako číslo")
            << "strany"
            << "PocetKand" << QJsonValue(70) << "strany[0]: pole PocetKand";
        QTest::newRow("necelé číslo")
            << "okrsky"
            << "CisloOkrsku" << QJsonValue(1.5) << "okrsky[0]: pole CisloOkrsku";
        QTest::newRow("neznámé pole") << "kandidati"
                                      << "Prijmeni2" << QJsonValue(QStringLiteral("x"))
                                      << "kandidati[0]: neznámé pole Prijmeni2";
        QTest::newRow("znak mimo kódování")
            << "strany"
            << "Nazev" << QJsonValue(QStringLiteral("☺")) << "strany[0]";
        // Fields the program later reads as numbers or whose form it relies on.
        const auto tvar = [](const char *klic, const char *pole, const QJsonValue &hodnota) {
            QTest::addRow("%s.%s = %s", klic, pole, qPrintable(hodnota.toVariant().toString()))
                << QString::fromUtf8(klic) << QString::fromUtf8(pole) << hodnota
                << QStringLiteral("%1: pole %2 musí být")
                       .arg(QString::fromUtf8(klic), QString::fromUtf8(pole));
        };
        tvar("stanice", "KodWindows", QString());
        tvar("stanice", "KodWindows", QStringLiteral("X1"));
        tvar("stanice", "KodObce", QStringLiteral("50001"));
        tvar("stanice", "KodObce", QStringLiteral("050001"));
        tvar("stanice", "CisloOkrsku", 100000);
        tvar("stanice", "KodOkresu", QStringLiteral("37"));
        tvar("stanice", "Stav1", QStringLiteral("B"));
        tvar("okrsky[0]", "TypZastup", QStringLiteral("3"));
        tvar("okrsky[0]", "PocetMandatu", QStringLiteral("x"));
        tvar("okrsky[0]", "PocetStranZast", QStringLiteral("46"));
        tvar("okrsky[0]", "CObvodu", QString());
        tvar("okrsky[0]", "KodObceZast", QStringLiteral("5OOO2O"));
        tvar("okrsky[0]", "Priznak", QStringLiteral(" "));
        tvar("okrsky[0]", "JeObvod", QString());
        tvar("strany[0]", "PorCislo", QStringLiteral("046"));
        tvar("strany[0]", "PocetKand", QStringLiteral("71"));
        tvar("kandidati[0]", "PorCisloStrany", QStringLiteral("0"));
        tvar("kandidati[0]", "PorCisloKand", QStringLiteral("71"));
        tvar("kandidati[0]", "Platnost", QStringLiteral("a"));
        tvar("volici[0]", "KodObce", QStringLiteral("5000111"));
        tvar("volici[0]", "ZapsOsobyRef", -1);
    }

    void spatnyPopisNezapiseNic()
    {
        QFETCH(QString, klic);
        QFETCH(QString, pole);
        QFETCH(QJsonValue, hodnota);
        QFETCH(QString, ocekavano);
        QJsonObject popis = QJsonDocument::fromJson(Popis).object();
        klic = klic.section(u'[', 0, 0);
        if (klic == u"stanice") {
            QJsonObject o = popis.value(klic).toObject();
            o.insert(pole, hodnota);
            popis.insert(klic, o);
        } else {
            QJsonArray a = popis.value(klic).toArray();
            QJsonObject o = a.at(0).toObject();
            o.insert(pole, hodnota);
            a.replace(0, o);
            popis.insert(klic, a);
        }
        QTemporaryDir dir;
        Zapis(dir.filePath(QStringLiteral("p.json")), QJsonDocument(popis).toJson());
        const QString cil = dir.filePath(QStringLiteral("cil"));
        const Beh b =
            Spust({QStringLiteral("stanice"), dir.filePath(QStringLiteral("p.json")), cil});
        QCOMPARE(b.kod, 1);
        QVERIFY2(b.chyby.contains(ocekavano), qPrintable(b.chyby));
        QVERIFY(!QFileInfo::exists(cil));
    }

    // The station's launcher starts the program on this installation whatever its path
    // holds; a path a desktop entry cannot carry is refused before anything is written.
    void spoustecStanice_data()
    {
        QTest::addColumn<QString>("adresar");
        QTest::addColumn<QString>("podadresar");
        QTest::newRow("mezery a diakritika") << QStringLiteral("okrsek 12 Žďár") << QString();
        QTest::newRow("znaky shellu a podadresář")
            << QStringLiteral("a\"b$c\\d`e%f%%g 'h'") << QStringLiteral("-P7");
        QTest::newRow("konec řádku") << QStringLiteral("okrsek\n12") << QString();
    }
    void spoustecStanice()
    {
        QFETCH(QString, adresar);
        QFETCH(QString, podadresar);
        QTemporaryDir dir;
        const QString popis = dir.filePath(QStringLiteral("popis.json"));
        Zapis(popis, Popis);
        const QString cil = dir.filePath(adresar);
        QProcessEnvironment prostredi = BezSezeni();
        prostredi.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("domov")));
        prostredi.insert(QStringLiteral("XDG_DESKTOP_DIR"),
                         dir.filePath(QStringLiteral("domov/Plocha")));
        prostredi.insert(QStringLiteral("XDG_DATA_HOME"),
                         dir.filePath(QStringLiteral("domov/data")));
        QStringList argumenty = {QStringLiteral("stanice"), popis, cil, QStringLiteral("--plocha")};
        if (!podadresar.isEmpty())
            argumenty << QStringLiteral("--podadresar") << podadresar;
        const Beh b = Spust(argumenty, prostredi);
        if (adresar.contains(u'\n')) {
            QCOMPARE(b.kod, 1);
            QVERIFY2(b.chyby.contains(QStringLiteral("řídicí znak")), qPrintable(b.chyby));
            QVERIFY(!QFileInfo::exists(cil));
            QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("domov"))));
            return;
        }
        QVERIFY2(b.kod == 0, qPrintable(b.chyby));

        const QString jmeno = podadresar.isEmpty()
                                  ? QStringLiteral("zelkovar-500011-12.desktop")
                                  : QStringLiteral("zelkovar-500011-12-P7.desktop");
        const QByteArray obsah = Obsah(cil + u'/' + jmeno);
        const QMap<QString, QString> k = Klice(obsah);
        QCOMPARE(k.value(QStringLiteral("Name")),
                 QStringLiteral("Zelkovar – Žďár, okrsek 12") +
                     (podadresar.isEmpty() ? QString() : QStringLiteral(" (-P7)")));
        QStringList ocekavane = {cil + QStringLiteral("/zelkovar"), QStringLiteral("--instalace"),
                                 cil};
        if (!podadresar.isEmpty())
            ocekavane << QStringLiteral("--") << podadresar;
        QCOMPARE(ArgumentyExec(k.value(QStringLiteral("Exec"))), ocekavane);
        // Desktops hide the launcher once the program it names is gone.
        QCOMPARE(k.value(QStringLiteral("TryExec"))
                     .replace(QStringLiteral("\\\\"), QStringLiteral("\\")),
                 ocekavane.first());
        // The tool as built copies the program and its icon into the installation.
        QVERIFY(QFileInfo(ocekavane.first()).isExecutable());
        QVERIFY(QFileInfo(k.value(QStringLiteral("Icon"))
                              .replace(QStringLiteral("\\\\"), QStringLiteral("\\")))
                    .isFile());
        for (const QString &kopie :
             {QStringLiteral("domov/Plocha/"), QStringLiteral("domov/data/applications/")}) {
            QCOMPARE(Obsah(dir.filePath(kopie + jmeno)), obsah);
            QVERIFY(QFileInfo(dir.filePath(kopie + jmeno)).isExecutable());
        }
        const QString validator =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            QProcess v;
            v.start(validator, {cil + u'/' + jmeno});
            QVERIFY(v.waitForFinished());
            QVERIFY2(v.exitCode() == 0, v.readAllStandardOutput().constData());
        }
    }

    // A rebuilt station keeps the export state of every council type whose results
    // it keeps; a type without results takes the description's state.
    void prepsaniZachovaStavExportu()
    {
        QTemporaryDir dir;
        const QString popis = dir.filePath(QStringLiteral("popis.json"));
        QJsonObject o = QJsonDocument::fromJson(Popis).object();
        QJsonObject stanice = o.value(QStringLiteral("stanice")).toObject();
        stanice.insert(QStringLiteral("Stav1"), QStringLiteral("A"));
        stanice.insert(QStringLiteral("Stav2"), QStringLiteral("A"));
        o.insert(QStringLiteral("stanice"), stanice);
        Zapis(popis, QJsonDocument(o).toJson());
        const QString cil = dir.filePath(QStringLiteral("inst"));
        QCOMPARE(Spust({QStringLiteral("stanice"), popis, cil}).kod, 0);
        Zapis(cil + QStringLiteral("/data/OC500011.00012"), "exportovaná data typu 2");

        stanice.insert(QStringLiteral("Stav1"), QString());
        stanice.insert(QStringLiteral("Stav2"), QString());
        o.insert(QStringLiteral("stanice"), stanice);
        Zapis(popis, QJsonDocument(o).toJson());
        const Beh b = Spust({QStringLiteral("stanice"), popis, cil, QStringLiteral("--prepsat")});
        QVERIFY2(b.kod == 0, qPrintable(b.chyby));
        const QByteArray st = Obsah(cil + QStringLiteral("/STANICE.RCD"));
        QCOMPARE(st.at(250), '\0');          // type 1: no results kept, the description's ""
        QCOMPARE(st.mid(252, 2), Pole("A")); // type 2: its results stay, so does "A"
    }

    // Directories are found whatever their letter case, as files are.
    void adresareBezOhleduNaVelikost_data()
    {
        QTest::addColumn<QString>("podadresar");
        QTest::addColumn<QString>("data"); // the station's data directory, renamed to this
        QTest::newRow("DATA") << QString() << u"DATA"_s;
        QTest::newRow("Data/p7 pro P7") << u"P7"_s << u"Data/p7"_s;
    }
    void adresareBezOhleduNaVelikost()
    {
        QFETCH(QString, podadresar);
        QFETCH(QString, data);
        QTemporaryDir dir;
        const QString popis = dir.filePath(u"popis.json"_s);
        Zapis(popis, Popis);
        const QString porizeni = dir.filePath(u"porizeni.json"_s);
        Zapis(porizeni, R"({"hlasovani": {"Zapisovat": "Eva"}})");
        const QString cil = dir.filePath(u"inst"_s) + u'/';
        const QStringList volba =
            podadresar.isEmpty() ? QStringList() : QStringList{u"--podadresar"_s, podadresar};
        QCOMPARE(Spust(QStringList{u"stanice"_s, popis, cil} + volba).kod, 0);
        const QString puvodni = podadresar.isEmpty() ? u"data"_s : u"data/"_s + podadresar;
        QVERIFY(QDir(cil).rename(u"data"_s, data.section(u'/', 0, 0)));
        if (!podadresar.isEmpty())
            QVERIFY(QDir(cil).rename(data.section(u'/', 0, 0) + u'/' + podadresar, data));

        const Beh b = Spust(QStringList{u"porizeni"_s, porizeni, cil} + volba);
        QVERIFY2(b.kod == 0, qPrintable(b.chyby));
        const Beh znovu = Spust(QStringList{u"stanice"_s, popis, cil, u"--prepsat"_s} + volba);
        QVERIFY2(znovu.kod == 0, qPrintable(znovu.chyby));

        QCOMPARE(Obsah(cil + data + u"/HLASO.RCD"_s).mid(1158, 4), Pole("Eva"));
        QVERIFY(!QFileInfo::exists(cil + puvodni));
    }

    // Every command line, as users of command-line tools write it; every failure
    // says why, in Czech.
    void prikazovaRadka_data()
    {
        QTest::addColumn<QStringList>("argumenty"); // @I the installation, @D a scratch directory
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("text"); // in stdout when kod is 0, else in stderr
        const QString I = QStringLiteral("@I");
        const auto radek = [](const char *nazev, const QStringList &a, int kod,
                              const QString &text) { QTest::newRow(nazev) << a << kod << text; };
        radek("--version", {u"--version"_s}, 0,
              QStringLiteral("zelkovar-nastroj " ZELKOVAR_VERZE "\n"));
        radek("--help", {u"--help"_s}, 0, QStringLiteral("Návratové kódy"));
        radek("bez příkazu", {}, 2, QStringLiteral("chybí příkaz"));
        radek("neznámý příkaz", {u"neco"_s}, 2, QStringLiteral("neznámý příkaz „neco“"));
        radek("--typ=2", {u"kontrola"_s, I, u"--typ=2"_s}, 1,
              QStringLiteral("Data nejsou pořízena"));
        radek("volba před argumentem", {u"kontrola"_s, u"--typ"_s, u"2"_s, I}, 1,
              QStringLiteral("Data nejsou pořízena"));
        radek("--typ=3", {u"kontrola"_s, I, u"--typ=3"_s}, 2, QStringLiteral("musí být 1 nebo 2"));
        radek("--typ bez hodnoty", {u"kontrola"_s, I, u"--typ"_s}, 2,
              QStringLiteral("Chybějící hodnota po '--typ'"));
        radek("neznámá volba", {u"kontrola"_s, I, u"--bla"_s}, 2,
              QStringLiteral("Neznámá volba 'bla'"));
        radek("přepínač s hodnotou", {u"kontrola"_s, I, u"--ano=1"_s}, 2,
              QStringLiteral("Neočekávaná hodnota po '--ano'"));
        radek("po -- už žádné volby", {u"kontrola"_s, u"--"_s, I, u"--typ=2"_s}, 2,
              QStringLiteral("čekám INSTALACE"));
        radek("typ, který okrsek nevolí", {u"export"_s, I, u"--typ"_s, u"1"_s}, 1,
              QStringLiteral("nevolí zastupitelstvo typu 1"));
        radek("chybějící soubor", {u"precti"_s, u"@D/OO500011.00012"_s}, 1,
              QStringLiteral("soubor nebo adresář neexistuje"));
        radek("chybějící stanice", {u"kontrola"_s, u"@D"_s}, 1, QStringLiteral("není stanice"));
        radek("porizeni --help", {u"porizeni"_s, u"--help"_s}, 0,
              QStringLiteral("[--podadresar P] [--ano] [--kontrolni]\n"));
        radek("tisk --help", {u"tisk"_s, u"-h"_s}, 0,
              QStringLiteral("Použití: zelkovar-nastroj tisk"));
    }
    void prikazovaRadka()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString popis = dir.filePath(QStringLiteral("popis.json"));
        Zapis(popis, Popis);
        const QString instalace = dir.filePath(QStringLiteral("inst"));
        QCOMPARE(Spust({QStringLiteral("stanice"), popis, instalace}).kod, 0);
        argumenty.replaceInStrings(QStringLiteral("@I"), instalace);
        argumenty.replaceInStrings(QStringLiteral("@D"), dir.path());

        const Beh b = Spust(argumenty);
        QCOMPARE(b.kod, kod);
        QVERIFY2((kod == 0 ? b.vystup : b.chyby).contains(text), qPrintable(b.vystup + b.chyby));
        if (kod == 0)
            QCOMPARE(b.chyby, QString()); // no stray warnings either
    }

    void pouzitiANapoveda()
    {
        QCOMPARE(Spust({}).kod, 2);
        QCOMPARE(Spust({QStringLiteral("neco")}).kod, 2);
        QCOMPARE(Spust({QStringLiteral("precti")}).kod, 2);
        QCOMPARE(Spust({QStringLiteral("zapis"), QStringLiteral("a")}).kod, 2);
        QCOMPARE(Spust({QStringLiteral("stanice"), QStringLiteral("a")}).kod, 2);
        for (const QString &prikaz :
             {QStringLiteral("stanice"), QStringLiteral("precti"), QStringLiteral("zapis")}) {
            const Beh b = Spust({prikaz, QStringLiteral("--help")});
            QCOMPARE(b.kod, 0);
            QVERIFY(b.vystup.contains(QStringLiteral("Použití: zelkovar-nastroj ") + prikaz));
        }
        const Beh chybi =
            Spust({QStringLiteral("precti"), QStringLiteral("/neexistuje/OO1.00001")});
        QCOMPARE(chybi.kod, 1);
        QVERIFY(chybi.chyby.contains(QStringLiteral("/neexistuje/OO1.00001")));
    }

    void zapisAPrectiRadku()
    {
        QTemporaryDir dir;
        // Long enough for several Base64 lines even after compression.
        QByteArray text;
        for (int i = 0; i < 40; ++i)
            text += "řádek " + QByteArray::number(i * 7919 % 1000) + " ěščřžýáíé ";
        Zapis(dir.filePath(QStringLiteral("radek.txt")), text + '\n');
        const QString soubor = dir.filePath(QStringLiteral("OO500011.00012"));
        QCOMPARE(
            Spust({QStringLiteral("zapis"), dir.filePath(QStringLiteral("radek.txt")), soubor}).kod,
            0);
        const Beh b = Spust({QStringLiteral("precti"), soubor});
        QCOMPARE(b.kod, 0);
        QCOMPARE(b.vystup, QString::fromUtf8(text + '\n'));

        // The stored form: Base64 lines of 76 characters joined by CR LF.
        const QList<QByteArray> radky = Obsah(soubor).split('\n');
        QVERIFY(radky.size() >= 2);
        QCOMPARE(radky.first().size(), 77);
        QVERIFY(radky.first().endsWith('\r'));

        // Damage is reported, not printed.
        QByteArray poskozeny = Obsah(soubor);
        poskozeny[10] = poskozeny.at(10) == 'A' ? 'B' : 'A';
        Zapis(soubor, poskozeny);
        const Beh spatne = Spust({QStringLiteral("precti"), soubor});
        QCOMPARE(spatne.kod, 1);
        QVERIFY(spatne.chyby.contains(soubor));
        QVERIFY(spatne.vystup.isEmpty());
    }

    void prectiPole()
    {
        TVysledky v;
        VynulujOkrsek(v);
        v.VetaT3.TypVety = 1;
        v.VetaT3.Obec = 500011;
        v.VetaT3.Pocet_VS = 2;
        v.StranyHL[2].TypVety = 2;
        v.StranyHL[2].HlasyKand[12] = 7;
        v.VetaTS.TypVety = 3;
        v.VetaTS.SeznamChyb = QStringLiteral("0612");
        v.Vety6[3] = QStringLiteral("Poznámka");
        QTemporaryDir dir;
        Zapis(dir.filePath(QStringLiteral("radek.txt")),
              Kodovani::ZCp1250(SestavRadek(v, true)).toUtf8());
        const QString soubor = dir.filePath(QStringLiteral("OO500011.00012"));
        QCOMPARE(
            Spust({QStringLiteral("zapis"), dir.filePath(QStringLiteral("radek.txt")), soubor}).kod,
            0);
        const Beh b = Spust({QStringLiteral("precti"), soubor, QStringLiteral("--pole")});
        QVERIFY2(b.kod == 0, qPrintable(b.chyby));
        const QStringList radky = b.vystup.split(u'\n');
        QVERIFY(radky.contains(QStringLiteral("[StranyHL[2]]")));
        const qsizetype strana2 = radky.indexOf(QStringLiteral("[StranyHL[2]]"));
        QCOMPARE(radky.indexOf(QStringLiteral("HlasyKand[12]=7"), strana2) > strana2, true);
        QVERIFY(radky.contains(QStringLiteral("Obec=500011")));
        QVERIFY(radky.contains(QStringLiteral("SeznamChyb=0612") + QString(46, u' ')));
        QVERIFY(radky.contains(QStringLiteral("Vety6[3]=Poznámka") + QString(192, u' ')));
    }
};

QTEST_GUILESS_MAIN(TestNastroj)
#include "TestNastroj.moc"
