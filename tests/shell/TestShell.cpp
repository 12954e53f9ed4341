// The main window: start conditions, menu and shortcuts, status line, council types,
// deleting data, the re-open question, closing, the error handler and the dialogs.
#include "DotaznikOkna.h"
#include "Export.h"
#include "HlaskaF.h"
#include "Instalace.h"
#include "KV_menu.h"
#include "Nahled.h"
#include "Napoveda.h"
#include "Oznameni.h"
#include "PreviewF.h"
#include "Program.h"
#include "Skoleni.h"
#include "Sloupce.h"
#include "SouboryTestu.h"
#include "Z_export.h"
#include "Z_info.h"
#include "Zarizeni.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A fresh installation in `dir` with the usual station and these council types.
QString NovaInstalace(const QTemporaryDir &dir, const QList<int> &typy)
{
    Instalace::Vytvor(dir.path() + u'/', Instalace::Stanice(), typy);
    return dir.path();
}

// One program with its main window, started on an installation in a temp directory.
struct TBeh
{
    TDotaznikFronta *Dotaznik = nullptr;
    std::unique_ptr<TProgram> Program;
    std::unique_ptr<TKV_menu> Okno;

    TBeh(const QString &adresar, const QStringList &parametry = {},
         std::unique_ptr<TDotaznikFronta> d = std::make_unique<TDotaznikFronta>())
    {
        Dotaznik = d.get();
        Program = std::make_unique<TProgram>(std::move(d));
        Program->SouborNapovedy = QStringLiteral(ZELKOVAR_SOURCE_DIR "app/Zelkovar.html");
        Okno = std::make_unique<TKV_menu>(*Program, adresar, parametry);
    }
    ~TBeh()
    {
        // Closing asks; answer Yes so that teardown never blocks.
        if (Okno && Okno->isVisible()) {
            Dotaznik->ZaradOdpoved(TOdpoved::Ano);
            Okno->close();
        }
    }
    // Shows the window; its first show reads the station and builds the menu.
    void Zobraz()
    {
        Okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(Okno.get()));
    }
    QAction *Akce(const QString &jmeno) const { return Okno->findChild<QAction *>(jmeno); }
    QString Stitek(const QString &jmeno) const { return Okno->findChild<QLabel *>(jmeno)->text(); }
    TZprava PosledniZprava() const
    {
        return Dotaznik->Zpravy.isEmpty() ? TZprava{} : Dotaznik->Zpravy.last();
    }
};

// Shows the entry window for real and runs `VOkne` inside it; other dialogs are only
// recorded.
class TDotaznikVstupu : public TDotaznikFronta
{
public:
    std::function<void()> VOkne;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override
    {
        TDotaznikFronta::ProvedDialog(nazev, ukaz);
        if (nazev != u"TR_Vstupni_Form" || !VOkne)
            return 0;
        QTimer::singleShot(0, VOkne);
        return ukaz();
    }
};

// Shows the named dialogs for real and runs a step inside each; other dialogs are
// only recorded.
class TDotaznikKroku : public TDotaznikFronta
{
public:
    QHash<QString, std::function<void()>> Kroky;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override
    {
        TDotaznikFronta::ProvedDialog(nazev, ukaz);
        if (!Kroky.contains(nazev))
            return 0;
        // The step runs once the dialog is the active modal window; a dialog that
        // never gets there is closed, so that a failure cannot hang the test.
        QWidget *predtim = QApplication::activeModalWidget();
        QTimer::singleShot(0, [predtim, krok = Kroky.value(nazev)] {
            const bool aktivni = QTest::qWaitFor([predtim] {
                QWidget *m = QApplication::activeModalWidget();
                return m && m != predtim && QApplication::activeWindow() == m;
            });
            if (aktivni)
                krok();
            else if (QWidget *m = QApplication::activeModalWidget())
                m->close();
        });
        return ukaz();
    }
};

// F1 on whatever has the focus; then what the help window shows, and whether Esc
// (through the window system, as a blocked window would not get it) closes it and
// gives the keys back to the window F1 came from.
QStringList F1AZpet(const TKV_menu &okno)
{
    QWidget *odkud = QApplication::activeWindow();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    TNapoveda *n = okno.NapovedaOkno();
    if (!n || !n->isVisible())
        return {u"nápověda nezobrazena"_s};
    QStringList videno{n->Prohlizec()->source().fragment()};
    if (!QTest::qWaitFor([n] { return QApplication::activeWindow() == n; }))
        return videno << u"nápověda nedostala klávesy"_s;
    QTest::keyClick(n->windowHandle(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    videno << (n->isVisible() ? u"Esc nezavřel"_s : u"zavřena"_s)
           << (QApplication::activeWindow() == odkud ? u"zpět"_s : u"jinde"_s);
    return videno;
}

// The file name of the results of council type `typ` with that prefix.
QString SouborVysledku(const QString &adrData, const QString &prefix, int typ)
{
    return adrData + prefix + (typ == 1 ? u"O"_s : u"C"_s) + u"598761.00003"_s;
}

// A one-type station with a stored "O" file of type 1; returns that file.
QString StaniceSDaty(const QString &adr)
{
    Instalace::Vytvor(adr, Instalace::Stanice(), {1});
    QString o = SouborVysledku(adr + u"data/"_s, u"O"_s, 1);
    Instalace::ZapisSoubor(o, "data");
    return o;
}

// The first line of each message, the text the menu's boxes start with.
QStringList PrvniRadky(const QStringList &texty)
{
    QStringList radky;
    for (const QString &t : texty)
        radky.append(t.section(u'\n', 0, 0));
    return radky;
}

bool Existuje(const QString &cesta)
{
    return QFileInfo::exists(cesta);
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void startovniPodminky_data()
    {
        QTest::addColumn<bool>("staniceVProgramu");
        QTest::addColumn<QStringList>("parametry");
        QTest::addColumn<bool>("lzeSpustit");
        QTest::addColumn<QString>("adrStanice"); // relative to the program's directory

        QTest::newRow("stanice, bez parametru") << true << QStringList{} << true << u""_s;
        QTest::newRow("stanice, parametr se nebere v uvahu")
            << true << QStringList{u"P1"_s} << true << u""_s;
        QTest::newRow("stanice, dva parametry")
            << true << QStringList{u"a"_s, u"b"_s} << true << u""_s;
        QTest::newRow("bez stanice, jeden parametr")
            << false << QStringList{u"P1"_s} << true << u"data/P1/"_s;
        QTest::newRow("bez stanice, bez parametru") << false << QStringList{} << false << QString();
        QTest::newRow("bez stanice, dva parametry")
            << false << QStringList{u"a"_s, u"b"_s} << false << QString();
        QTest::newRow("bez stanice, parametr vede ven")
            << false << QStringList{u".."_s} << false << QString();
    }
    void startovniPodminky()
    {
        QFETCH(bool, staniceVProgramu);
        QFETCH(QStringList, parametry);
        QFETCH(bool, lzeSpustit);
        QFETCH(QString, adrStanice);
        QTemporaryDir dir;
        const QString program = dir.path() + u'/';
        if (staniceVProgramu)
            Instalace::Vytvor(program, Instalace::Stanice(), {1});
        TBeh beh(dir.path(), parametry);
        QCOMPARE(beh.Okno->LzeSpustit(), lzeSpustit);
        if (lzeSpustit) {
            QVERIFY(beh.Dotaznik->Zpravy.isEmpty());
            QCOMPARE(beh.Program->Adresare.AdrInstalace, program);
            QCOMPARE(beh.Program->Adresare.AdrStanice, program + adrStanice);
        } else {
            QCOMPARE(beh.Dotaznik->Zpravy.size(), 1);
            const TZprava z = beh.PosledniZprava();
            QCOMPARE(z.Titulek, u"Spuštění aplikace"_s);
            QCOMPARE(z.Text, u"Program je nutno pouštět ikonou na ploše nebo z nabídky Start!"_s);
            QCOMPARE(int(z.Ikona), int(TIkona::Varovani));
            QVERIFY(!z.AnoNe);
        }
    }

    void typyZastupitelstva_data()
    {
        QTest::addColumn<QList<int>>("typy");
        QTest::addColumn<bool>("je1");
        QTest::addColumn<bool>("je2");
        QTest::addColumn<int>("pomTyp");
        QTest::newRow("jen obec") << QList<int>{1} << true << false << 1;
        QTest::newRow("jen mestska cast") << QList<int>{2} << false << true << 2;
        QTest::newRow("oba") << QList<int>{1, 2} << true << true << 2;
        QTest::newRow("oba v obracenem poradi souboru") << QList<int>{2, 1} << true << true << 2;
        QTest::newRow("zadny") << QList<int>{} << false << false << 0;
    }
    void typyZastupitelstva()
    {
        QFETCH(QList<int>, typy);
        QFETCH(bool, je1);
        QFETCH(bool, je2);
        QFETCH(int, pomTyp);
        QTemporaryDir dir;
        Instalace::Vytvor(dir.path() + u'/', Instalace::Stanice(), typy);
        TBeh beh(dir.path());
        beh.Zobraz();
        const TProgram &p = *beh.Program;
        QCOMPARE(p.JeZastup1, je1);
        QCOMPARE(p.JeZastup2, je2);
        QCOMPARE(int(p.PomTypZastup), pomTyp);
        QCOMPARE(p.Vybrano, 2);
        QCOMPARE(p.DatumVolebText, u"09.10.2026 - 10.10.2026"_s);
        // Submenus only with both types.
        QCOMPARE(beh.Akce(u"porT1MI"_s) != nullptr, je1 && je2);
        QVERIFY(beh.Dotaznik->Zpravy.isEmpty());
    }

    void menuJednohoTypu()
    {
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {1}));
        beh.Zobraz();

        const QMenuBar *lista = beh.Okno->menuBar();
        QCOMPARE(lista->objectName(), u"Z_MainMenu"_s);
        QStringList horni;
        for (const QAction *a : lista->actions())
            horni << a->objectName() + u'=' + a->text();
        QCOMPARE(horni, QStringList({u"Okrsek_MI=Okrsek     "_s, u"NapovedaH_MI=Nápověda"_s}));

        auto polozky = [](const QMenu *menu) {
            QStringList l;
            for (const QAction *a : menu->actions()) {
                l << a->objectName() + u'|' + (a->isSeparator() ? u"-"_s : a->text()) + u'|' +
                         a->shortcut().toString();
            }
            return l;
        };
        const QMenu *okrsek = beh.Okno->findChild<QMenu *>(u"Okrsek_MI"_s);
        QCOMPARE(polozky(okrsek), QStringList({
                                      u"PorizeniDat_MI|&Pořízení a oprava dat|F2"_s,
                                      u"KontrolniPorizeni_MI|Kon&trolní pořízení|"_s,
                                      u"Kontroly_MI|&Kontroly|F3"_s,
                                      u"ExportTisk_MI|&Export dat a tisk zápisu|F4"_s,
                                      u"N1|-|"_s,
                                      u"ScitaciArch_MI|&Sčítací arch|"_s,
                                      u"N5|-|"_s,
                                      u"ZrusitData_MI|Zrušení pořízených dat|"_s,
                                      u"N6|-|"_s,
                                      u"VyberTiskarny_MI|Výběr tiskárny|"_s,
                                      u"N3|-|"_s,
                                      u"Konec_MI|K&onec|"_s,
                                  }));
        QCOMPARE(polozky(beh.Okno->findChild<QMenu *>(u"ScitaciArch_MI"_s)),
                 QStringList({u"ScitaciArch_sirkaA4_MI|A4 na šířku|"_s,
                              u"ScitaciArch_vyskaA4_MI|A4 na výšku|"_s,
                              u"ScitaciArch_vyskaA3_MI|A3 na výšku|"_s}));
        QCOMPARE(
            polozky(beh.Okno->findChild<QMenu *>(u"NapovedaH_MI"_s)),
            QStringList({u"Napoveda_MI|&Nápověda|"_s, u"N2|-|"_s, u"OProgramu_MI|&O programu|"_s,
                         u"N4|-|"_s, u"ZkusebniTisk_MI|Zkušební tisk|"_s}));
        for (const char *jmeno : {"PorizeniDat_MI", "KontrolniPorizeni_MI", "Kontroly_MI",
                                  "ExportTisk_MI", "ZrusitData_MI", "ScitaciArch_vyskaA4_MI"})
            QVERIFY2(!beh.Akce(QString::fromLatin1(jmeno))->menu(), jmeno);
    }

    void klavesyJednohoTypu_data()
    {
        QTest::addColumn<int>("klavesa");
        QTest::addColumn<QString>("titulek");
        QTest::addColumn<QString>("text");
        QTest::newRow("F2") << int(Qt::Key_F2) << u"Vstup dat za okrsek"_s << QString();
        QTest::newRow("F3") << int(Qt::Key_F3) << u"Kontrola dat"_s << u"Data nejsou pořízena!!!"_s;
        QTest::newRow("F4") << int(Qt::Key_F4) << u"Export dat"_s << u"Data nejsou pořízena!"_s;
    }
    void klavesyJednohoTypu()
    {
        QFETCH(int, klavesa);
        QFETCH(QString, titulek);
        QFETCH(QString, text);
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {2}));
        beh.Zobraz();
        beh.Okno->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(beh.Okno.get()));
        QTest::keyClick(beh.Okno.get(), Qt::Key(klavesa));
        if (text.isEmpty()) {
            // Data entry opens its window.
            QVERIFY(beh.Dotaznik->Zpravy.isEmpty());
            QCOMPARE(beh.Dotaznik->Dialogy, QList<QString>{u"TR_Vstupni_Form"_s});
        } else {
            QCOMPARE(beh.Dotaznik->Zpravy.size(), 1);
            QCOMPARE(beh.PosledniZprava().Titulek, titulek);
            QCOMPARE(beh.PosledniZprava().Text, text);
        }
        // The single-type items act on the type found at start and never change it.
        QCOMPARE(beh.Program->AktOkrsek.TypZastup, u"2"_s);
        QCOMPARE(int(beh.Program->PomTypZastup), 2);
    }

    void menuDvouTypu()
    {
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {1, 2}));
        beh.Zobraz();
        beh.Okno->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(beh.Okno.get()));

        const QList<QStringList> deti = {
            {u"PorizeniDat_MI"_s, u"porT1MI"_s, u"porT2MI"_s},
            {u"KontrolniPorizeni_MI"_s, u"kontrporT1MI"_s, u"kontrporT2MI"_s},
            {u"Kontroly_MI"_s, u"kontrT1MI"_s, u"kontrT2MI"_s},
            {u"ExportTisk_MI"_s, u"exptiskT1MI"_s, u"exptiskT2MI"_s},
            {u"ZrusitData_MI"_s, u"zrusdataT1MI"_s, u"zrusdataT2MI"_s},
            {u"ScitaciArch_vyskaA4_MI"_s, u"ScitaciArchV4T1MI"_s, u"ScitaciArchV4T2MI"_s},
            {u"ScitaciArch_sirkaA4_MI"_s, u"ScitaciArchS4T1MI"_s, u"ScitaciArchS4T2MI"_s},
            {u"ScitaciArch_vyskaA3_MI"_s, u"ScitaciArchV3T1MI"_s, u"ScitaciArchV3T2MI"_s},
        };
        for (const QStringList &d : deti) {
            QAction *rodic = beh.Akce(d[0]);
            QVERIFY2(rodic->menu(), qPrintable(d[0]));
            QVERIFY(rodic->shortcut().isEmpty());
            const QList<QAction *> a = rodic->menu()->actions();
            QCOMPARE(a.size(), 2);
            for (int i = 0; i < 2; ++i) {
                QCOMPARE(a[i]->objectName(), d[i + 1]);
                QCOMPARE(a[i]->text(), u"Typ zastupitelstva="_s + QString::number(i + 1));
                QCOMPARE(a[i]->data().toInt(), i + 1);
            }
            // The parent itself does nothing.
            rodic->trigger();
        }
        for (const Qt::Key k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4})
            QTest::keyClick(beh.Okno.get(), k);
        QVERIFY(beh.Dotaznik->Zpravy.isEmpty());
        QCOMPARE(int(beh.Program->PomTypZastup), 2);

        // A child sets the type, then runs the parent's command.
        beh.Akce(u"porT1MI"_s)->trigger();
        QCOMPARE(int(beh.Program->PomTypZastup), 1);
        QCOMPARE(beh.Program->AktOkrsek.TypZastup, u"1"_s);
        QCOMPARE(beh.Dotaznik->Dialogy.last(), u"TR_Vstupni_Form"_s);
        beh.Akce(u"ScitaciArchV3T2MI"_s)->trigger();
        QCOMPARE(int(beh.Program->PomTypZastup), 2);
        QCOMPARE(beh.Dotaznik->Dialogy.mid(beh.Dotaznik->Dialogy.size() - 2),
                 (QList<QString>{u"TZ_infoE_F"_s, u"TpreviewF"_s}));
        QCOMPARE(beh.Program->Reference.PocetStranSeznamu, 1);
        beh.Akce(u"kontrT1MI"_s)->trigger();
        QCOMPARE(int(beh.Program->PomTypZastup), 1);
        QCOMPARE(beh.PosledniZprava().Titulek, u"Kontrola dat"_s);
        // The control entry needs a first entry of its type.
        beh.Akce(u"kontrporT2MI"_s)->trigger();
        QCOMPARE(int(beh.Program->PomTypZastup), 2);
        QCOMPARE(beh.PosledniZprava().Titulek, u"Kontrolní pořízení"_s);
        QCOMPARE(beh.PosledniZprava().Text, u"Data nejsou pořízena!"_s);
    }

    void stavovyRadek_data()
    {
        Sloupce<QString, QString, bool, QString, QString>(
            {"nazevObce", "nazevOkresu", "cvicna", "obec", "okres"});
        QTest::newRow("bezne") << u"Žďárek nad Úhlavou"_s << u"Šumavské Podhůří"_s << false
                               << u"Obec: 598761 - Žďárek nad Úhlavou"_s
                               << u"Okres: 3714 - Šumavské Podhůří"_s;
        const QString dlouhy = u"Dlouhá obec s názvem na čtyřicet znaků!!"_s;
        QTest::newRow("nazev 40 znaku")
            << dlouhy << u"Okres   "_s << false << (u"Obec: 598761 - "_s + dlouhy)
            << u"Okres: 3714 - Okres"_s;
        QTest::newRow("mezery okresu") << u"Lhota"_s << u"  Jih  "_s << false
                                       << u"Obec: 598761 - Lhota"_s << u"Okres: 3714 -   Jih"_s;
        QTest::newRow("prazdny okres")
            << u"Lhota"_s << u""_s << false << u"Obec: 598761 - Lhota"_s << u"Okres: 3714 -"_s;
        // A training station says so in place of the district, and in the caption.
        QTest::newRow("cvicna stanice")
            << dlouhy << u"Jih"_s << true << (u"Obec: 598761 - "_s + dlouhy)
            << u"CVIČNÁ STANICE – data neplatná"_s;
    }
    void stavovyRadek()
    {
        QFETCH(QString, nazevObce);
        QFETCH(QString, nazevOkresu);
        QFETCH(bool, cvicna);
        QFETCH(QString, obec);
        QFETCH(QString, okres);
        QCOMPARE(nazevObce.size() <= 40, true);
        TStaniceRec s = Instalace::Stanice();
        s.NazevObce = nazevObce;
        s.NazevOkresu = nazevOkresu;
        QTemporaryDir dir;
        Instalace::Vytvor(dir.path() + u'/', s, {1});
        if (cvicna)
            Skoleni::Oznac(dir.path() + u'/');
        TBeh beh(dir.path());
        beh.Zobraz();
        QCOMPARE(beh.Stitek(u"Z_StatusObec_Lbl"_s), obec);
        QVERIFY(beh.Stitek(u"Z_StatusObec_Lbl"_s).size() <= 55);
        QCOMPARE(beh.Stitek(u"Z_StatusOkrsek_Lbl"_s), u"Okrsek: 3"_s);
        QCOMPARE(beh.Stitek(u"Z_StatusOkres_lbl"_s), okres);
        QCOMPARE(beh.Okno->windowTitle().startsWith(u"CVIČNÁ STANICE – Volby"_s), cvicna);
    }

    // The real question box, answered as a tired member would: Enter.
    void enterNaOtazceZruseniNicNesmaze()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        const QString o = StaniceSDaty(adr);
        TProgram program(std::make_unique<TDotaznikOkna>());
        TKV_menu okno(program, dir.path(), {});
        okno.findChild<QTimer *>(u"Timer"_s)->stop();
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        okno.findChild<QTimer *>(u"Timer"_s)->stop();

        QString otazka;
        QTimer stisk;
        connect(&stisk, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            stisk.stop();
            otazka = box->text();
            QWidget *fokus = QApplication::focusWidget();
            QTest::keyClick(fokus && box->isAncestorOf(fokus) ? fokus : box, Qt::Key_Return);
        });
        stisk.start(20);
        okno.findChild<QAction *>(u"ZrusitData_MI"_s)->trigger();

        QVERIFY(otazka.startsWith(u"Opravdu chcete zrušit pořízená data?"_s));
        QCOMPARE(Obsah(o), QByteArray("data"));
        QVERIFY(!QFileInfo::exists(adr + u"data/Zrusena"_s));
        okno.hide();
    }

    void zruseniDat_data()
    {
        QTest::addColumn<QStringList>("soubory"); // prefix + type, e.g. "O1"
        QTest::addColumn<int>("typ");             // the child item used; 0 = single-type item
        QTest::addColumn<QList<int>>("odpovedi"); // 1 Yes, 0 No
        QTest::addColumn<QStringList>("texty");
        QTest::addColumn<QStringList>("zbyvaji");
        const QString otazka = u"Opravdu chcete zrušit pořízená data?"_s;
        QTest::newRow("O, ano") << QStringList{u"O1"_s} << 0 << QList<int>{1}
                                << QStringList{otazka, u"Data jsou zrušena."_s} << QStringList{};
        QTest::newRow("jen E, ano")
            << QStringList{u"E1"_s} << 0 << QList<int>{1}
            << QStringList{otazka, u"Data jsou zrušena."_s} << QStringList{};
        QTest::newRow("O, ne") << QStringList{u"O1"_s} << 0 << QList<int>{0} << QStringList{otazka}
                               << QStringList{u"O1"_s};
        QTest::newRow("zadna data") << QStringList{} << 0 << QList<int>{}
                                    << QStringList{u"Data nejsou pořízena!"_s} << QStringList{};
        // A stale file of an interrupted save goes too: it would become current.
        QTest::newRow("O a kontrolni porizeni")
            << QStringList{u"O1"_s, u"K1"_s} << 0 << QList<int>{1}
            << QStringList{otazka, u"Data jsou zrušena."_s} << QStringList{};
        QTest::newRow("O i E: obe")
            << QStringList{u"O1"_s, u"E1"_s} << 0 << QList<int>{1}
            << QStringList{otazka, u"Data jsou zrušena."_s} << QStringList{};
        QTest::newRow("typ 2 necha typ 1")
            << QStringList{u"O1"_s, u"E2"_s} << 2 << QList<int>{1}
            << QStringList{otazka, u"Data jsou zrušena."_s} << QStringList{u"O1"_s};
        QTest::newRow("typ 1 bez dat, typ 2 ma")
            << QStringList{u"O2"_s} << 1 << QList<int>{} << QStringList{u"Data nejsou pořízena!"_s}
            << QStringList{u"O2"_s};
    }
    void zruseniDat()
    {
        QFETCH(QStringList, soubory);
        QFETCH(int, typ);
        QFETCH(QList<int>, odpovedi);
        QFETCH(QStringList, texty);
        QFETCH(QStringList, zbyvaji);
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        Instalace::Vytvor(adr, Instalace::Stanice(), typ == 0 ? QList<int>{1} : QList<int>{1, 2});
        const QString data = adr + u"data/"_s;
        Instalace::ZapisSoubor(data + u"HLASO.RCD"_s, QByteArray(16, 'h'));
        auto cesta = [&](const QString &s) {
            return SouborVysledku(data, s.left(1), s.mid(1).toInt());
        };
        for (const QString &s : soubory)
            Instalace::ZapisSoubor(cesta(s), "data");

        TBeh beh(dir.path());
        beh.Zobraz();
        for (const int o : odpovedi)
            beh.Dotaznik->ZaradOdpoved(o ? TOdpoved::Ano : TOdpoved::Ne);
        if (typ == 0)
            beh.Akce(u"ZrusitData_MI"_s)->trigger();
        else
            beh.Akce(u"zrusdataT"_s + QString::number(typ) + u"MI"_s)->trigger();

        for (const TZprava &z : beh.Dotaznik->Zpravy) {
            QCOMPARE(z.Titulek, u"Rušení dat"_s);
            QCOMPARE(int(z.Ikona), int(z.AnoNe ? TIkona::Otazka : TIkona::Informace));
            if (z.AnoNe) {
                // Enter answers No; the question names the council type.
                QVERIFY(z.VychoziNe);
                QVERIFY2(z.Text.contains(u"typ zastupitelstva %1"_s.arg(qMax(typ, 1))),
                         qPrintable(z.Text));
            }
        }
        QCOMPARE(PrvniRadky(beh.Dotaznik->Texty()), texty);
        QCOMPARE(beh.Dotaznik->ZbyvaOdpovedi(), 0);
        // What was deleted is kept, byte for byte, where the program never reads data.
        const QStringList uschovane = QDir(data + u"Zrusena"_s).entryList(QDir::Files);
        for (const QString &s : soubory) {
            const bool zrusen = !zbyvaji.contains(s);
            QVERIFY2(Existuje(cesta(s)) == !zrusen, qPrintable(s));
            const QString jmeno = QFileInfo(cesta(s)).fileName();
            const QStringList kopie = uschovane.filter(jmeno + u'.');
            QCOMPARE(kopie.size(), zrusen ? 1 : 0);
            if (zrusen)
                QCOMPARE(Obsah(data + u"Zrusena/"_s + kopie.first()), QByteArray("data"));
        }
        QVERIFY(Existuje(data + u"HLASO.RCD"_s));
        QVERIFY(Existuje(adr + u"STANICE.RCD"_s));
    }

    void zruseniDatSeNepovede()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        const QString soubor = StaniceSDaty(adr);
        // Make the file undeletable: an immutable file, or a read-only directory.
        bool neodstranitelny = QProcess::execute(u"chattr"_s, {u"+i"_s, soubor}) == 0;
        if (!neodstranitelny && ::geteuid() != 0)
            neodstranitelny =
                QFile::setPermissions(adr + u"data"_s, QFile::ReadOwner | QFile::ExeOwner);
        if (!neodstranitelny)
            QSKIP("the file cannot be made undeletable here");
        auto uklid = qScopeGuard([&] {
            QProcess::execute(u"chattr"_s, {u"-i"_s, soubor});
            QFile::setPermissions(adr + u"data"_s,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        TBeh beh(dir.path());
        beh.Zobraz();
        beh.Dotaznik->ZaradOdpoved(TOdpoved::Ano);
        beh.Akce(u"ZrusitData_MI"_s)->trigger();
        QCOMPARE(PrvniRadky(beh.Dotaznik->Texty()),
                 QStringList(
                     {u"Opravdu chcete zrušit pořízená data?"_s, u"Data se nepovedlo zrušit!"_s}));
        QCOMPARE(int(beh.PosledniZprava().Ikona), int(TIkona::Informace));
        QVERIFY(Existuje(soubor));
    }

    void znovuotevreniExportovanych_data()
    {
        QTest::addColumn<QString>("stav1");
        QTest::addColumn<int>("odpoved"); // -1 no question expected, 1 Yes, 0 No
        QTest::newRow("neexportovano") << u""_s << -1;
        QTest::newRow("zmeneno po exportu") << u"N"_s << -1;
        QTest::newRow("exportovano, ne") << u"A"_s << 0;
        QTest::newRow("exportovano, ano") << u"A"_s << 1;
    }
    void znovuotevreniExportovanych()
    {
        QFETCH(QString, stav1);
        QFETCH(int, odpoved);
        TStaniceRec s = Instalace::Stanice();
        s.Stav1 = stav1;
        s.Stav2 = u"A"_s; // another type's state must not matter
        QTemporaryDir dir;
        Instalace::Vytvor(dir.path() + u'/', s, {1});
        TBeh beh(dir.path());
        beh.Zobraz();
        beh.Program->Vybrano = 5;
        if (odpoved >= 0)
            beh.Dotaznik->ZaradOdpoved(odpoved ? TOdpoved::Ano : TOdpoved::Ne);
        beh.Akce(u"PorizeniDat_MI"_s)->trigger();

        QStringList ocekavane;
        if (odpoved >= 0) {
            ocekavane
                << u"Data okrsku byla již vyexportována.\nV případě znovuotevření dat budete muset "
                   u"zopakovat export dat i tisk zápisu.\nChcete opravdu znovu upravovat data?"_s;
            const TZprava otazka = beh.Dotaznik->Zpravy.first();
            QCOMPARE(otazka.Titulek, u"Vstup dat za okrsek"_s);
            QCOMPARE(int(otazka.Ikona), int(TIkona::Otazka));
            QVERIFY(otazka.AnoNe);
        }
        QCOMPARE(beh.Dotaznik->Texty(), ocekavane);
        QCOMPARE(beh.Dotaznik->Dialogy.contains(u"TR_Vstupni_Form"_s), odpoved != 0);
        QCOMPARE(beh.Program->Vybrano, odpoved == 0 ? 5 : 2);
        QCOMPARE(beh.Dotaznik->PocetNezodpovezenych, 0);
    }

    void zavreni_data()
    {
        QTest::addColumn<bool>("ano");
        QTest::addColumn<bool>("zustaneOtevreno");
        QTest::newRow("ano") << true << false;
        QTest::newRow("ne") << false << true;
    }
    void zavreni()
    {
        QFETCH(bool, ano);
        QFETCH(bool, zustaneOtevreno);
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {1}));
        beh.Zobraz();
        beh.Dotaznik->ZaradOdpoved(ano ? TOdpoved::Ano : TOdpoved::Ne);
        beh.Akce(u"Konec_MI"_s)->trigger();
        QCOMPARE(beh.Okno->isVisible(), zustaneOtevreno);
        const TZprava z = beh.PosledniZprava();
        QCOMPARE(z.Titulek, u"Ukončení programu"_s);
        QCOMPARE(z.Text, u"Opravdu ukončit program?"_s);
        QCOMPARE(int(z.Ikona), int(TIkona::Otazka));
        // The close box asks the same question.
        if (zustaneOtevreno) {
            beh.Dotaznik->ZaradOdpoved(TOdpoved::Ano);
            QVERIFY(beh.Okno->close());
            QCOMPARE(beh.Dotaznik->Zpravy.size(), 2);
        }
    }

    void obsluhaChybNechaOknoPouzitelne()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        Instalace::Vytvor(adr, Instalace::Stanice(), {1});
        TBeh beh(dir.path());
        beh.Zobraz();
        // A damaged reference file (a party record of garbage) makes the tally sheet
        // command fail midway.
        Instalace::ZapisSoubor(adr + u"STRANY.RCD"_s, QByteArray(169, 'x'));
        beh.Akce(u"ScitaciArch_vyskaA4_MI"_s)->trigger();
        QCOMPARE(beh.Dotaznik->Zpravy.size(), 1);
        QCOMPARE(int(beh.PosledniZprava().Ikona), int(TIkona::Chyba));
        QVERIFY2(beh.PosledniZprava().Text.contains(u"STRANY.RCD"_s, Qt::CaseInsensitive),
                 qPrintable(beh.PosledniZprava().Text));
        QVERIFY(beh.Okno->isVisible());
        // The window goes on: the next command runs normally.
        QFile::remove(adr + u"OKRSKY.RCD"_s);
        beh.Akce(u"ZrusitData_MI"_s)->trigger();
        QCOMPARE(beh.PosledniZprava().Text, u"Data nejsou pořízena!"_s);
        beh.Akce(u"ScitaciArch_sirkaA4_MI"_s)->trigger();
        QCOMPARE(int(beh.PosledniZprava().Ikona), int(TIkona::Chyba));
        QVERIFY(beh.PosledniZprava().Text.contains(u"OKRSKY.RCD"_s, Qt::CaseInsensitive));
        beh.Akce(u"Kontroly_MI"_s)->trigger();
        QCOMPARE(beh.PosledniZprava().Text, u"Data nejsou pořízena!!!"_s);
    }

    void chybejiciStaniceVPodadresari()
    {
        // One-parameter layout whose station directory lacks STANICE.RCD. The error box
        // comes over the finished window and is read for a while before OK; the start-up
        // dialog waits for it.
        struct TCtenar : TDotaznikFronta
        {
            QWidget *Okno = nullptr;
            QStringList VidelPriChybe;
            TOdpoved Zobraz(const TZprava &z) override
            {
                if (z.Ikona == TIkona::Chyba) {
                    VidelPriChybe << (Okno->isVisible() ? u"okno"_s : u"bez okna"_s)
                                  << (Okno->size() == Okno->minimumSize() ? u"velikost"_s
                                                                          : u"640 x 480"_s);
                    QTest::qWait(1500);
                    VidelPriChybe << Dialogy;
                }
                return TDotaznikFronta::Zobraz(z);
            }
        };
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + u"/data/P1"_s);
        auto ctenar = std::make_unique<TCtenar>();
        TCtenar *c = ctenar.get();
        TBeh beh(dir.path(), {u"P1"_s}, std::move(ctenar));
        c->Okno = beh.Okno.get();
        QVERIFY(beh.Okno->LzeSpustit());
        beh.Zobraz();
        QTRY_COMPARE(c->VidelPriChybe, QStringList({u"okno"_s, u"velikost"_s}));
        QCOMPARE(beh.Okno->size(), beh.Okno->minimumSize());
        QVERIFY(beh.Okno->isVisible());
        QCOMPARE(beh.Dotaznik->Zpravy.size(), 1);
        QCOMPARE(int(beh.PosledniZprava().Ikona), int(TIkona::Chyba));
        QVERIFY2(beh.PosledniZprava().Text.contains(u"STANICE.RCD"_s, Qt::CaseInsensitive),
                 qPrintable(beh.PosledniZprava().Text));
        // The rest of the first show did not run.
        QCOMPARE(beh.Stitek(u"Z_StatusObec_Lbl"_s), QString());
        QVERIFY(!beh.Program->JeZastup1 && !beh.Program->JeZastup2);
        // The start-up dialog still comes, once.
        QTRY_COMPARE_WITH_TIMEOUT(beh.Dotaznik->Dialogy, QList<QString>{u"TZ_Info_F"_s}, 5000);
        QTest::qWait(1500);
        QCOMPARE(beh.Dotaznik->Dialogy, QList<QString>{u"TZ_Info_F"_s});
    }

    void uvodniDialogPoZobrazeni()
    {
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {1}));
        // Not before the window has been shown, however long the creation took.
        QTest::qWait(1300);
        QVERIFY(beh.Dotaznik->Dialogy.isEmpty());
        beh.Zobraz();
        QTRY_COMPARE_WITH_TIMEOUT(beh.Dotaznik->Dialogy, QList<QString>{u"TZ_Info_F"_s}, 5000);
        QCOMPARE(beh.Stitek(u"Z_StatusOkrsek_Lbl"_s), u"Okrsek: 3"_s);
    }

    // What a writer found after an interrupted save is told at the next start, once.
    void oznameniPoPrerusenemUlozeni()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        Instalace::Vytvor(adr, Instalace::Stanice(), {1});
        Oznameni::Pridej(adr, u"Platí novější soubor EO598761.00003."_s);
        for (const int start : {1, 2}) {
            TBeh beh(dir.path());
            beh.Zobraz();
            QTRY_COMPARE_WITH_TIMEOUT(beh.Dotaznik->Dialogy, QList<QString>{u"TZ_Info_F"_s}, 5000);
            QCOMPARE(PrvniRadky(beh.Dotaznik->Texty()),
                     start == 1 ? QStringList{u"Platí novější soubor EO598761.00003."_s}
                                : QStringList{});
        }
    }

    void velikostOkna()
    {
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {1}));
        beh.Zobraz();
        QCOMPARE(beh.Okno->centralWidget()->size(), QSize(712, 554));
        QCOMPARE(beh.Okno->minimumSize(), beh.Okno->maximumSize());
        QCOMPARE(beh.Okno->windowTitle(),
                 u"Volby do zastupitelstev obcí - pořízení dat okrskovými volebními komisemi"_s);
        QVERIFY(!(beh.Okno->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void infoDialogUkazujeDatumACas()
    {
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {1}));
        TZ_Info_F *info = beh.Okno->InfoDialog();
        QCOMPARE(info->windowTitle(), u"Informace"_s);
        info->show();
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QVERIFY(info->datumCasTimer->isActive());
        const QDateTime ted = QDateTime::currentDateTime();
        QCOMPARE(info->Datum_LBL->text(), ted.toString(u"dd.MM.yyyy"_s));
        QVERIFY(QRegularExpression(u"^\\d\\d:\\d\\d$"_s).match(info->Cas_LBL->text()).hasMatch());
        info->hide();
        QVERIFY(!info->datumCasTimer->isActive());
    }

    // F1 opens the help at the topic of the window that has the focus, also over the
    // modal entry window (on each of its pages); every topic is in the help file.
    void f1NapovedaKOknu_data()
    {
        QTest::addColumn<QString>("okno");
        QTest::addColumn<int>("stranka"); // of the entry window
        QTest::addColumn<QString>("tema");
        QTest::newRow("hlavni okno") << u"hlavni"_s << 0 << u"hlavni-okno"_s;
        const QStringList stranky{
            u"vstup-odd-1"_s, u"vstup-odd-2"_s,          u"vstup-odd-2-pokracovani"_s,
            u"vstup-hl"_s,    u"vstup-hl-pokracovani"_s, u"vstup-odd-3"_s};
        for (int i = 0; i < stranky.size(); ++i)
            QTest::addRow("vstup, strana %d", i) << u"vstup"_s << i << stranky[i];
        QTest::newRow("chybova zprava") << u"hlaska"_s << 0 << u"kontroly"_s;
        QTest::newRow("export") << u"export"_s << 0 << u"export"_s;
        QTest::newRow("nahled") << u"nahled"_s << 0 << u"tisk"_s;
    }
    void f1NapovedaKOknu()
    {
        QFETCH(QString, okno);
        QFETCH(int, stranka);
        QFETCH(QString, tema);
        QTemporaryDir dir;
        Instalace::Vytvor(dir.path() + u'/', Instalace::Stanice(), {1});
        qputenv("ZELKOVAR_ZARIZENI", dir.path().toUtf8()); // no real devices in the dialog
        const auto bezZarizeni = qScopeGuard([] { qunsetenv("ZELKOVAR_ZARIZENI"); });
        auto d = std::make_unique<TDotaznikVstupu>();
        TDotaznikVstupu *dotaznik = d.get();
        TBeh beh(dir.path(), {}, std::move(d));
        beh.Zobraz();
        QVERIFY(QTest::qWaitForWindowActive(beh.Okno.get()));
        QStringList videno;
        const QStringList ocekavano{tema, u"zavřena"_s, u"zpět"_s};
        auto nad = [&](QWidget &w) {
            w.setWindowModality(Qt::ApplicationModal); // as the program shows them
            w.show();
            QTRY_COMPARE(QApplication::activeWindow(), &w);
            videno = F1AZpet(*beh.Okno);
        };
        if (okno == u"hlavni") {
            videno = F1AZpet(*beh.Okno);
        } else if (okno == u"vstup") {
            dotaznik->VOkne = [&] {
                QTRY_COMPARE(QApplication::activeWindow(), QApplication::activeModalWidget());
                for (int i = 0; i < stranka; ++i) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
                    QCoreApplication::processEvents(); // a check's message comes and goes
                }
                videno = F1AZpet(*beh.Okno);
                beh.Dotaznik->ZaradOdpoved(TOdpoved::Ano);
                QApplication::activeModalWidget()->close();
            };
            QTest::keyClick(beh.Okno.get(), Qt::Key_F2);
        } else if (okno == u"hlaska") {
            nad(*beh.Okno->HlaskaF());
        } else if (okno == u"export") {
            const std::unique_ptr<IZdrojZarizeni> zdroj = VytvorZdrojZarizeni();
            TProgram &p = *beh.Program;
            TZ_ExportDat_F exportDat(p.Dotaznik(), *zdroj, p.Adresare, p.Stanice, p.AktOkrsek,
                                     beh.Okno.get());
            nad(exportDat);
        } else {
            TNahled nahled;
            TpreviewF nahledF(nahled, beh.Program->Tiskarna(), beh.Program->Dotaznik(),
                              beh.Program->Adresare, beh.Okno.get());
            nad(nahledF);
        }
        QCOMPARE(videno, ocekavano);
        QFile html(beh.Program->SouborNapovedy);
        QVERIFY(html.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(html.readAll()).contains(u"<a name=\"%1\">"_s.arg(tema)));
    }

    // The main window's keys with two council types: F2 to F4 only point to the menu,
    // F10 opens it, and the menu leads on by its access keys and the arrows.
    void klavesyHlavnihoOkna()
    {
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {1, 2}));
        beh.Zobraz();
        QVERIFY(QTest::qWaitForWindowActive(beh.Okno.get()));
        QLabel *rada = beh.Okno->findChild<QLabel *>(u"Z_StatusRada_Lbl"_s);
        QVERIFY(!rada->isVisible());
        for (const Qt::Key k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}) {
            QTest::keyClick(beh.Okno.get(), k);
            QVERIFY(rada->isVisible());
            QCOMPARE(rada->text(), u"Zvolte typ zastupitelstva v nabídce Okrsek (klávesa F10)."_s);
        }
        QVERIFY(beh.Dotaznik->Zpravy.isEmpty() && beh.Dotaznik->Dialogy.isEmpty());
        QTest::keyClick(beh.Okno.get(), Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(),
                     beh.Okno->findChild<QMenu *>(u"Okrsek_MI"_s));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_K);
        QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), u"Kontroly_MI_podnabidka"_s);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QTRY_COMPARE(beh.Dotaznik->Texty(), QStringList{u"Data nejsou pořízena!!!"_s});
        QCOMPARE(int(beh.Program->PomTypZastup), 2);
    }

    void stavExportu()
    {
        QTemporaryDir dir;
        StaniceSDaty(dir.path() + u'/');
        TBeh beh(dir.path());
        beh.Zobraz();
        TProgram &p = *beh.Program;
        const QLabel *stav = beh.Okno->findChild<QLabel *>(u"Z_StatusExport_Lbl"_s);
        const QString cil = p.Adresare.AdrInstalace + u"Export"_s;
        QVERIFY(QDir().mkpath(cil));
        // What each step leaves in the station and the journal; then any command.
        const auto poPrikazu = [&] {
            beh.Akce(u"OProgramu_MI"_s)->trigger();
            return stav->isVisible() ? stav->text() : QString();
        };
        const auto export1 = [&] {
            KopirujSoubor(p.Adresare, cil, p.Stanice.KodObce, p.Stanice.CisloOkrsku, 1);
            ZapisStavExportu(p.Adresare.AdrStanice, 1, u"A"_s, p.Stanice);
        };
        QVERIFY(!stav->isVisible());
        ZapisStavExportu(p.Adresare.AdrStanice, 1, u"N"_s, p.Stanice); // saved, never exported
        QCOMPARE(poPrikazu(), QString());
        export1();
        QCOMPARE(poPrikazu(), QString());
        ZapisStavExportu(p.Adresare.AdrStanice, 1, u"N"_s, p.Stanice); // changed after it
        QCOMPARE(poPrikazu(), u"Export není aktuální: data typu zastupitelstva 1 se od exportu "
                              u"změnila. Zopakujte export a tisk zápisu."_s);
        // Told at start too, until the next export.
        TBeh znovu(dir.path());
        znovu.Zobraz();
        QVERIFY(znovu.Okno->findChild<QLabel *>(u"Z_StatusExport_Lbl"_s)->isVisible());
        export1();
        QCOMPARE(poPrikazu(), QString());
    }

    void poKontrolnimPorizeniKlavesyZpet()
    {
        QTemporaryDir dir;
        StaniceSDaty(dir.path() + u'/');
        auto d = std::make_unique<TDotaznikVstupu>();
        TDotaznikVstupu *dotaznik = d.get();
        TBeh beh(dir.path(), {}, std::move(d));
        beh.Zobraz();
        QVERIFY(QTest::qWaitForWindowActive(beh.Okno.get()));
        // Closed as a window manager closes it (Alt+F4, the close box): the question, Ano.
        dotaznik->VOkne = [&] {
            QWidget *vstup = QApplication::activeModalWidget();
            QVERIFY(vstup);
            beh.Dotaznik->ZaradOdpoved(TOdpoved::Ano);
            vstup->windowHandle()->close();
        };
        beh.Akce(u"KontrolniPorizeni_MI"_s)->trigger();
        QVERIFY(beh.Dotaznik->Dialogy.contains(u"TR_Vstupni_Form"_s));
        QTRY_COMPARE(QApplication::activeWindow(), beh.Okno.get());
        // F10 on whatever has the keys opens the menu.
        QWidget *kde = QApplication::focusWidget() ? QApplication::focusWidget()
                                                   : QApplication::activeWindow();
        QTest::keyClick(kde, Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(),
                     beh.Okno->findChild<QMenu *>(u"Okrsek_MI"_s));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    void oProgramuANapoveda()
    {
        QTemporaryDir dir;
        TBeh beh(NovaInstalace(dir, {1}));
        beh.Zobraz();
        beh.Akce(u"OProgramu_MI"_s)->trigger();
        QCOMPARE(beh.Dotaznik->Dialogy.last(), u"TZ_OProgramu_F"_s);

        beh.Akce(u"Napoveda_MI"_s)->trigger();
        QVERIFY(beh.Dotaznik->Zpravy.isEmpty());
        TNapoveda *napoveda = beh.Okno->NapovedaOkno();
        QVERIFY(napoveda && napoveda->isVisible());
        const QString text = napoveda->Prohlizec()->toPlainText();
        QVERIFY(text.contains(u"Postup práce ve volební noci"_s));
        QVERIFY(text.contains(u"06 až 12"_s));
        QVERIFY(text.contains(u"91 až 97"_s));

        // Closing the program also closes the help window.
        beh.Dotaznik->ZaradOdpoved(TOdpoved::Ano);
        beh.Okno->close();
        QVERIFY(!napoveda->isVisible());

        // A missing help file is reported, not ignored.
        TBeh druhy(dir.path());
        druhy.Program->SouborNapovedy = dir.path() + u"/chybi.html"_s;
        druhy.Zobraz();
        druhy.Akce(u"Napoveda_MI"_s)->trigger();
        QCOMPARE(int(druhy.PosledniZprava().Ikona), int(TIkona::Chyba));
        QVERIFY(druhy.PosledniZprava().Text.contains(u"chybi.html"_s));
    }

    // A doubled digit in a page-4 candidate's vote: after F3, "Seznam chyb" has the
    // focus over the preview; Enter on the sum's row opens the entry window in that
    // candidate's field; Ctrl+G there goes to another page-4 candidate.
    void seznamChybVedeKPoli()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        // The demo station with council type 1 only, so that F3 checks it at once.
        QFile demo(QStringLiteral(ZELKOVAR_SOURCE_DIR "examples/demo-stanice.json"));
        QVERIFY(demo.open(QIODevice::ReadOnly));
        QJsonObject popis = QJsonDocument::fromJson(demo.readAll()).object();
        QJsonArray okrsky;
        for (const QJsonValue o : popis.value(u"okrsky"_s).toArray()) {
            if (o[u"TypZastup"_s] == u"1"_s)
                okrsky.append(o);
        }
        popis[u"okrsky"_s] = okrsky;
        Instalace::ZapisSoubor(adr + u"stanice.json"_s, QJsonDocument(popis).toJson());
        QJsonArray hlasy;
        for (int k = 1; k <= 40; ++k)
            hlasy.append(k == 38 ? 433 : 40 + k % 7); // 43 with its 3 doubled
        const QJsonObject vysledky{
            {u"TypZastup"_s, u"1"_s},
            {u"ZapsOsoby"_s, 900},
            {u"VydObalky"_s, 600},
            {u"OdevzdObalky"_s, 598},
            {u"PlatneHlasy"_s, 1720},
            {u"strany"_s, QJsonArray{QJsonObject{{u"PorStHL"_s, 3}, {u"HlasyKand"_s, hlasy}}}}};
        const QJsonObject porizeni{{u"hlasovani"_s, QJsonObject{{u"ClenuOVKC"_s, u"5"_s},
                                                                {u"ClenuOVKP"_s, u"3"_s},
                                                                {u"Zapisovat"_s, u"Eva"_s},
                                                                {u"PoverPred"_s, u"Petr"_s}}},
                                   {u"komise"_s, QJsonArray{u"A"_s, u"B"_s}},
                                   {u"vysledky"_s, QJsonArray{vysledky}}};
        Instalace::ZapisSoubor(adr + u"porizeni.json"_s, QJsonDocument(porizeni).toJson());
        QCOMPARE(QProcess::execute(QStringLiteral(NASTROJ),
                                   {u"stanice"_s, adr + u"stanice.json"_s, adr + u"st"_s}),
                 0);
        QCOMPARE(QProcess::execute(QStringLiteral(NASTROJ),
                                   {u"porizeni"_s, adr + u"porizeni.json"_s, adr + u"st"_s}),
                 0);

        auto dotaznik = std::make_unique<TDotaznikKroku>();
        TDotaznikKroku *d = dotaznik.get();
        QString seznamFokus, seznamRadek, vstupFokus, poCtrlG, stav;
        d->Kroky[u"TpreviewF"_s] = [] {};
        d->Kroky[u"SeznamChybF"_s] = [&] {
            auto *seznam = qobject_cast<QTreeWidget *>(QApplication::focusWidget());
            seznamFokus = QApplication::activeWindow()->windowTitle();
            if (seznam)
                seznamRadek =
                    seznam->currentItem()->text(1) + u' ' + seznam->currentItem()->text(4);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        d->Kroky[u"TR_Vstupni_Form"_s] = [&] {
            QWidget *okno = QApplication::activeWindow();
            vstupFokus = QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
            // The offscreen platform does not activate the window again: ask it where
            // its focus is.
            if (okno->focusWidget())
                poCtrlG = okno->focusWidget()->objectName();
            stav = okno->findChild<QLabel *>(u"R_StavL"_s)->text();
            d->ZaradOdpoved(TOdpoved::Ano);
            okno->close();
        };
        d->Kroky[u"PrejdiF"_s] = [] {
            QTest::keyClicks(QApplication::focusWidget(), u"3"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClicks(QApplication::focusWidget(), u"36"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        TBeh beh(adr + u"st"_s, {}, std::move(dotaznik));
        beh.Zobraz();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                    : static_cast<QWidget *>(beh.Okno.get()),
                        Qt::Key_F3);
        QCOMPARE(seznamFokus, u"Seznam chyb"_s);
        QCOMPARE(seznamRadek,
                 u"22 Nejspíše chybně zapsáno: strana 3, kandidát 38 (zapsáno 433, možná 43)"_s);
        QCOMPARE(vstupFokus, u"EdHlasyKand38"_s);
        QCOMPARE(poCtrlG, u"EdHlasyKand36"_s);
        QCOMPARE(stav, QString());
    }
};

QTEST_MAIN(TestShell)
#include "TestShell.moc"
