// The export dialog, the information dialogs and the export-and-print flow, run
// offscreen with fake devices (directories) and queued answers.
#include "EChyba.h"
#include "Export.h"
#include "ExportTisk.h"
#include "SouboryTestu.h"
#include "StavProgramu.h"
#include "Z_export.h"
#include "Z_info83.h"
#include "Z_infoE.h"
#include "Z_pockop.h"
#include "Zarizeni.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// Queued answers, and for the named dialogs an action that plays the user's part.
class TDotaznikTest : public TDotaznikFronta
{
public:
    std::map<QString, std::function<int()>> Akce;
    // The dialog of this name really runs and is answered with Esc on its focused widget.
    QString Esc;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override
    {
        if (nazev == Esc) {
            Dialogy.append(nazev);
            QTimer::singleShot(0, [] {
                QWidget *d = QApplication::activeModalWidget();
                QVERIFY(d);
                QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Escape);
            });
            return ukaz();
        }
        const auto it = Akce.find(nazev);
        if (it == Akce.end())
            return TDotaznikFronta::ProvedDialog(nazev, ukaz);
        Dialogy.append(nazev);
        return it->second();
    }
};

template <typename T> T *Otevreny()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<T *>(w))
            return d;
    }
    return nullptr;
}

// Shows the dialog as the program does; its device list gets the keys.
void Ukaz(TZ_ExportDat_F &dlg)
{
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.activateWindow();
    QTRY_VERIFY(dlg.Z_SeznZar_CB->hasFocus());
}

// Presses the key `n` times on whatever has the focus.
void Klavesa(Qt::Key k, int n = 1)
{
    for (int i = 0; i < n; ++i)
        QTest::keyClick(QApplication::focusWidget(), k);
}

const QString Jmeno1 = u"OO504505.00002"_s;
const QString Jmeno2 = u"OC504505.00002"_s;

// One station with its directories, the program state the flow works on, and two
// fake devices.
struct TStanoviste : TStavProgramu
{
    QTemporaryDir tmp;
    QString usbA, usbB;
    std::unique_ptr<TZdrojZarizeniAdresare> zdroj;

    explicit TStanoviste(int typ = 1) : TStavProgramu(std::make_unique<TDotaznikTest>())
    {
        Vybrano = 4;
        DataOK = KontrolyOK = ExportOK = true;
        const QString koren = tmp.path() + u'/';
        Adresare = {koren + u"instalace/"_s, koren + u"stanice/"_s, koren + u"stanice/data/"_s};
        QDir().mkpath(Adresare.AdrInstalace);
        QDir().mkpath(Adresare.AdrData);
        usbA = koren + u"media/A"_s;
        usbB = koren + u"media/B"_s;
        QDir().mkpath(usbA);
        QDir().mkpath(usbB);
        zdroj = std::make_unique<TZdrojZarizeniAdresare>(QStringList{usbB, usbA},
                                                         QStringList{koren + u"media/C"_s});
        Stanice.KodObce = u"504505"_s;
        Stanice.CisloOkrsku = 2;
        Stanice.Stav1 = u"N"_s;
        Stanice.Stav2 = u"N"_s;
        Zapis(Adresare.AdrStanice + u"STANICE.RCD"_s, ZakodujStanici(Stanice));
        NastavTyp(typ);
    }
    TDotaznikTest &Dotaznik() const
    {
        return static_cast<TDotaznikTest &>(TStavProgramu::Dotaznik());
    }
    void NastavTyp(int typ)
    {
        PomTypZastup = quint16(typ);
        AktOkrsek.KodObce = Stanice.KodObce;
        AktOkrsek.CisloOkrsku = Stanice.CisloOkrsku;
        AktOkrsek.TypZastup = QString::number(typ);
        Vysledky.VetaT3.TypZastup = quint16(typ);
    }
    QString Jmeno() const { return PomTypZastup == 1 ? Jmeno1 : Jmeno2; }
    QByteArray DataO() const { return "\x01\x02zasifrovano\xff" + Jmeno().toLatin1(); }
    void VytvorO() { Zapis(Adresare.AdrData + Jmeno(), DataO()); }
    // The other council type's counts on record in INFOK83.RCD.
    void JinyTyp(qint32 zapsOsoby, quint16 vydObalky, quint16 odevzdObalky)
    {
        TInfo83Rec jiny;
        jiny.Obec = 504505;
        jiny.Okrsek = 2;
        jiny.TypZastup = 2;
        jiny.ZapsOsoby = zapsOsoby;
        jiny.VydObalky = vydObalky;
        jiny.OdevzdObalky = odevzdObalky;
        Zapis(Adresare.AdrData + u"INFOK83.RCD"_s, ZakodujInfo83(jiny));
    }
};

} // namespace

class TestExportUi : public QObject
{
    Q_OBJECT

private slots:
    void seznamZarizeni()
    {
        TStanoviste s;
        TZ_ExportDat_F dlg(s.Dotaznik(), *s.zdroj, s.Adresare, s.Stanice, s.AktOkrsek);
        Ukaz(dlg);
        QCOMPARE(dlg.windowTitle(), u"Export dat"_s);
        QComboBox *cb = dlg.Z_SeznZar_CB;
        QCOMPARE(cb->count(), 3);
        QCOMPARE(cb->itemText(0), s.usbA + u" - vyjímatelné zařízení"_s);
        QCOMPARE(cb->itemText(1), s.usbB + u" - vyjímatelné zařízení"_s);
        QCOMPARE(cb->itemText(2), u"do adresáře "_s + s.Adresare.AdrInstalace + u"Export "_s);
        QCOMPARE(cb->currentIndex(), 0);
        QCOMPARE(cb->currentText(), cb->itemText(0));

        // A device plugged in later appears after "Znovu načíst zařízení".
        QVERIFY(QDir(s.usbB).removeRecursively());
        Klavesa(Qt::Key_Tab, 3);
        QCOMPARE(QApplication::focusWidget(), dlg.Z_ZnovuNacist_Btn);
        Klavesa(Qt::Key_Space);
        QCOMPARE(cb->count(), 2);
        QVERIFY(cb->hasFocus());

        // Text that names no item goes back to the first one.
        cb->setEditText(u"/jinam"_s);
        QCOMPARE(cb->currentText(), cb->itemText(0));
        QCOMPARE(cb->currentIndex(), 0);
        dlg.reject();
    }

    // The target chosen with the arrows; one Enter exports.
    void exportNaZarizeniADoAdresare_data()
    {
        QTest::addColumn<int>("polozka");
        QTest::addColumn<int>("typ");
        QTest::newRow("zarizeni, typ 1") << 0 << 1;
        QTest::newRow("druhe zarizeni, typ 2") << 1 << 2;
        QTest::newRow("adresar") << 2 << 1;
    }
    void exportNaZarizeniADoAdresare()
    {
        QFETCH(int, polozka);
        QFETCH(int, typ);
        TStanoviste s(typ);
        s.VytvorO();
        TZ_ExportDat_F dlg(s.Dotaznik(), *s.zdroj, s.Adresare, s.Stanice, s.AktOkrsek);
        bool odebratViditelne = false;
        bool textSeVejde = false;
        s.Dotaznik().Akce[u"TZ_infoE_F"_s] = [&] {
            odebratViditelne = !dlg.InfoE->Odebrat_Btn->isHidden();
            // The report with its checksum is shown whole, above the buttons.
            dlg.InfoE->show();
            auto *text = dlg.InfoE->findChild<QLabel *>(u"titulek3"_s);
            textSeVejde = text->heightForWidth(text->width()) <= text->height() &&
                          text->geometry().bottom() < dlg.InfoE->OK_Btn->geometry().top();
            if (!qEnvironmentVariableIsEmpty("ZELKOVAR_SNIMKY"))
                dlg.InfoE->grab().save(qEnvironmentVariable("ZELKOVAR_SNIMKY") + u"/infoE.png"_s);
            dlg.InfoE->hide();
            return 1;
        };
        Ukaz(dlg);
        QVERIFY(dlg.Z_ExportDatOK_Btn->isDefault());
        Klavesa(Qt::Key_Down, polozka);
        Klavesa(Qt::Key_Return);
        QTRY_VERIFY(!dlg.isVisible());

        const QString cil = polozka == 0   ? s.usbA + u'/'
                            : polozka == 1 ? s.usbB + u'/'
                                           : s.Adresare.AdrInstalace + u"Export/"_s;
        QCOMPARE(Obsah(cil + s.Jmeno()), s.DataO());
        QVERIFY(dlg.ExportProveden);
        QVERIFY(textSeVejde);
        QCOMPARE(s.Dotaznik().Dialogy, QList<QString>{u"TZ_infoE_F"_s});
        QCOMPARE(dlg.InfoE->windowTitle(), u"Export dat a tisk zápisu"_s);
        const QString zaver =
            u"\n\nS tímto souborem je nutno na PM předat jen zápis,\n který bude nyní vytisknut.\n"
            u"Zápis je nutno vytisknout ve 2 kopiích."_s;
        if (polozka < 2) {
            QCOMPARE(dlg.InfoE->InfoText1, u"Export dat na vyjímatelné zařízení proveden."_s);
            QVERIFY(dlg.InfoE->InfoText2.startsWith(
                u"Soubor "_s + s.Jmeno() + u"\nje uložen na vyjímatelné zařízení v jednotce "_s +
                cil + u"."_s + zaver));
            QVERIFY(odebratViditelne);
            QCOMPARE(dlg.PismenoZarizeni, cil);
        } else {
            QCOMPARE(dlg.InfoE->InfoText1, u"Export dat na pevný disk proveden."_s);
            QVERIFY(dlg.InfoE->InfoText2.startsWith(
                u"Soubor "_s + s.Jmeno() + u"\nje uložen v adresáři "_s + s.Adresare.AdrInstalace +
                u"Export.\nSoubor překopírujte na technický nosič."_s + zaver));
            QVERIFY(!odebratViditelne);
        }
        // The checksum for the handover note is the export file's own.
        const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(s.DataO(), QCryptographicHash::Sha256).toHex());
        QVERIFY2(dlg.InfoE->InfoText2.remove(u'\n').endsWith(sha),
                 qPrintable(dlg.InfoE->InfoText2));
        QVERIFY(dlg.InfoE->Odebrat_Btn->isHidden());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void zruseniNicNeexportuje()
    {
        TStanoviste s;
        s.VytvorO();
        TZ_ExportDat_F dlg(s.Dotaznik(), *s.zdroj, s.Adresare, s.Stanice, s.AktOkrsek);
        Ukaz(dlg);
        Klavesa(Qt::Key_Tab, 2);
        QCOMPARE(QApplication::focusWidget(), dlg.Z_ExportDatZrus_Btn);
        Klavesa(Qt::Key_Space);
        QVERIFY(!dlg.isVisible());
        QVERIFY(!dlg.ExportProveden);
        QVERIFY(QDir(s.usbA).isEmpty());
        QVERIFY(s.Dotaznik().Dialogy.isEmpty());
    }

    void chybaKopieNechaDialogOtevreny()
    {
        TStanoviste s; // no O file: the copy cannot succeed
        TZ_ExportDat_F dlg(s.Dotaznik(), *s.zdroj, s.Adresare, s.Stanice, s.AktOkrsek);
        Ukaz(dlg);
        Klavesa(Qt::Key_Return);
        QVERIFY(!dlg.ExportProveden);
        QVERIFY(dlg.isVisible());
        QCOMPARE(s.Dotaznik().Zpravy.size(), 1);
        QCOMPARE(s.Dotaznik().Zpravy[0].Ikona, TIkona::Chyba);
        QVERIFY(s.Dotaznik().Zpravy[0].Text.contains(Jmeno1));
        QVERIFY(s.Dotaznik().Dialogy.isEmpty());
        QVERIFY(QDir(s.usbA).isEmpty());
        dlg.reject();
    }

    void odebraniPoExportu_data()
    {
        QTest::addColumn<QByteArray>("skript");
        QTest::addColumn<QString>("zprava"); // %1: the device
        QTest::newRow("uspech") << QByteArray("rm -rf \"$1\"")
                                << u"Odebrán vyjímatelný disk %1:."_s;
        QTest::newRow("selhani") << QByteArray("exit 1") << u"Odebrání se nepovedlo."_s;
    }
    void odebraniPoExportu()
    {
        QFETCH(QByteArray, skript);
        QFETCH(QString, zprava);
        TStanoviste s;
        s.VytvorO();
        const QString program = s.Adresare.AdrInstalace + u"removedrive"_s;
        Zapis(program, "#!/bin/sh\n" + skript + "\n");
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
        TZ_ExportDat_F dlg(s.Dotaznik(), *s.zdroj, s.Adresare, s.Stanice, s.AktOkrsek);
        dlg.Cekej = [](int) { QThread::msleep(20); };
        s.Dotaznik().Akce[u"TZ_infoE_F"_s] = [&] {
            dlg.InfoE->Odebrat_Btn->click();
            return 1;
        };
        Ukaz(dlg);
        Klavesa(Qt::Key_Return);
        QVERIFY(dlg.ExportProveden);
        QCOMPARE(s.Dotaznik().Texty(), QList<QString>{zprava.arg(s.usbA)});
    }

    void porovnaniTypu()
    {
        bool kontrolyOK = true;
        TZ_info83_F dlg(kontrolyOK);
        dlg.InfoText1 = u"otázka"_s;
        dlg.InfoText2 = u"nadpis"_s;
        dlg.InfoText3 = u"a\rb"_s;
        dlg.InfoText4 = u"1\r2"_s;
        dlg.InfoText5 = u"3\r4"_s;
        dlg.FormShow();
        QCOMPARE(dlg.windowTitle(), u"Kontrola dat"_s);
        QCOMPARE(dlg.titulek2->text(), u"otázka"_s);
        QCOMPARE(dlg.titulek3->text(), u"nadpis"_s);
        QCOMPARE(dlg.Label1->text(), u"a\nb"_s);
        QCOMPARE(dlg.Label2->text(), u"1\n2"_s);
        QCOMPARE(dlg.Label3->text(), u"3\n4"_s);
        dlg.Ano_Btn->click();
        QVERIFY(kontrolyOK);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        // "Ne" is the default; Esc, Enter and the close box all answer it.
        QVERIFY(dlg.Ne_Btn->isDefault());
        for (const Qt::Key k : {Qt::Key_Escape, Qt::Key_Return}) {
            kontrolyOK = true;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QTRY_COMPARE(QApplication::focusWidget(), dlg.Ne_Btn);
            QTest::keyClick(QApplication::focusWidget(), k);
            QTRY_VERIFY(!dlg.isVisible());
            QVERIFY(!kontrolyOK);
            QCOMPARE(dlg.result(), TZ_info83_F::VysledekNe);
        }
        kontrolyOK = true;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.close(); // the close box
        QVERIFY(!kontrolyOK);
        QCOMPARE(dlg.result(), TZ_info83_F::VysledekNe);
    }

    void pocetKopii_data()
    {
        QTest::addColumn<QString>("text"); // typed over the 2 shown; "-": left as shown
        QTest::addColumn<int>("kopii");
        QTest::newRow("beze zmeny") << u"-"_s << 2;
        QTest::newRow("prazdne") << QString() << 1;
        QTest::newRow("nula") << u"0"_s << 1;
        QTest::newRow("pismeno") << u"x"_s << 1;
        QTest::newRow("mezera") << u" "_s << 1;
        QTest::newRow("devet") << u"9"_s << 9;
        QTest::newRow("pet") << u"5"_s << 5;
    }
    void pocetKopii()
    {
        QFETCH(QString, text);
        QFETCH(int, kopii);
        TZ_PocetKopii_F dlg;
        dlg.PocetKopiiZapisu = 7;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), dlg.Z_PocetKopii_SE);
        QCOMPARE(dlg.PocetKopiiZapisu, 2);
        QCOMPARE(dlg.Z_PocetKopii_SE->text(), u"2"_s);
        if (text != u"-") {
            Klavesa(Qt::Key_End);
            Klavesa(Qt::Key_Backspace);
            QTest::keyClicks(QApplication::focusWidget(), text);
        }
        Klavesa(Qt::Key_Return);
        QTRY_VERIFY(!dlg.isVisible());
        QCOMPARE(dlg.PocetKopiiZapisu, kopii);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void tokOdmitne_data()
    {
        QTest::addColumn<QString>("soubor"); // which results file exists
        QTest::addColumn<bool>("blokujici");
        QTest::addColumn<QString>("text");
        QTest::newRow("E soubor")
            << u"E"_s << false
            << u"Data obsahují chyby, nebo nebyly po editaci dat spuštěny kontroly!"_s;
        QTest::newRow("zadna data") << QString() << false << u"Data nejsou pořízena!"_s;
        QTest::newRow("blokujici chyby")
            << u"O"_s << true
            << u"CHYBY V DATECH ZA TYP ZASTUPITELSTVA = 1.\n\nNELZE VYTVOŘIT EXPORT DAT ANI VYTISKNOUT ZÁPIS!!!"_s;
    }
    void tokOdmitne()
    {
        QFETCH(QString, soubor);
        QFETCH(bool, blokujici);
        QFETCH(QString, text);
        TStanoviste s;
        if (soubor == u"O")
            s.VytvorO();
        else if (soubor == u"E")
            Zapis(s.Adresare.AdrData + u"EO504505.00002"_s, "x");
        s.KontrolyOK = s.ExportOK = !blokujici;
        int tisk = 0;
        TExportTisk e{s, true, false, *s.zdroj, [&](int) { ++tisk; }, nullptr, {}};
        QVERIFY(!ExportTisk(e));
        QCOMPARE(s.Dotaznik().Texty(), QList<QString>{text});
        QCOMPARE(s.Dotaznik().Zpravy[0].Ikona, TIkona::Varovani);
        QCOMPARE(s.DataOK, blokujici);
        QVERIFY(s.Dotaznik().Dialogy.isEmpty());
        QCOMPARE(tisk, 0);
        QCOMPARE(NactiStanici(s.Adresare.AdrStanice).Stav1, u"N"_s);
    }

    void druhyProblemu_data()
    {
        QTest::addColumn<bool>("propustitelne");
        QTest::addColumn<bool>("upozorneni");
        QTest::addColumn<QString>("text");
        const QString konec =
            u"\n\nNa přebíracím místě budete vyzváni k uvedení možné příčiny zjištěných chyb a "
            u"budete podepisovat protokol"_s;
        QTest::newRow("oboje") << true << true
                               << u"Data obsahují PROPUSTITELNÉ CHYBY a UPOZORNĚNÍ."_s + konec +
                                      u"y."_s;
        QTest::newRow("propustitelne")
            << true << false << u"Data obsahují PROPUSTITELNÉ CHYBY."_s + konec + u"."_s;
        QTest::newRow("upozorneni")
            << false << true << u"Data obsahují UPOZORNĚNÍ."_s + konec + u"."_s;
        QTest::newRow("nic") << false << false << QString();
    }
    void druhyProblemu()
    {
        QFETCH(bool, propustitelne);
        QFETCH(bool, upozorneni);
        QFETCH(QString, text);
        TStanoviste s;
        s.VytvorO();
        s.Stav.JsouPropustitelne = propustitelne;
        s.Stav.JsouUpozorneni = upozorneni;
        TExportTisk e{s, true, false, *s.zdroj, {}, nullptr, {}};
        QVERIFY(!ExportTisk(e)); // cancelled in the export dialog
        QCOMPARE(s.Dotaznik().Texty(), text.isEmpty() ? QList<QString>{} : QList<QString>{text});
        if (!text.isEmpty())
            QCOMPARE(s.Dotaznik().Zpravy[0].Titulek, u"Export dat a tisk zápisu"_s);
        // Vybrano 4: no check run of its own (this station has no reference data for one).
        QCOMPARE(s.Vybrano, 2);
        QCOMPARE(s.Dotaznik().Dialogy, (QList<QString>{u"TZ_infoE_F"_s, u"TZ_ExportDat_F"_s}));
        QCOMPARE(NactiStanici(s.Adresare.AdrStanice).Stav1, u"N"_s);
    }

    void porovnaniDvouTypu_data()
    {
        QTest::addColumn<bool>("dvaTypy");
        QTest::addColumn<int>("odpoved"); // result of the comparison dialog
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<bool>("pokracuje");
        QTest::newRow("jeden typ") << false << 0 << false << true;
        QTest::newRow("ne") << true << TZ_info83_F::VysledekNe << true << false;
        QTest::newRow("ano") << true << int(QDialog::Accepted) << true << true;
        QTest::newRow("zavreni") << true << int(QDialog::Rejected) << true << false;
    }
    void porovnaniDvouTypu()
    {
        QFETCH(bool, dvaTypy);
        QFETCH(int, odpoved);
        QFETCH(bool, dialog);
        QFETCH(bool, pokracuje);
        TStanoviste s;
        s.VytvorO();
        s.Vysledky.VetaT3.ZapsOsoby = 500;
        s.Vysledky.VetaT3.VydObalky = 300;
        s.Vysledky.VetaT3.OdevzdObalky = 299;
        s.JinyTyp(500, 301, 299);
        QString texty;
        s.Dotaznik().Akce[u"TZ_info83_F"_s] = [&] {
            auto *d = Otevreny<TZ_info83_F>();
            texty = d->InfoText2 + u'|' + d->InfoText3 + u'|' + d->InfoText4 + u'|' + d->InfoText5;
            return odpoved;
        };
        TExportTisk e{s, true, dvaTypy, *s.zdroj, {}, nullptr, {}};
        ExportTisk(e);
        QCOMPARE(s.Dotaznik().Dialogy.contains(u"TZ_info83_F"_s), dialog);
        QCOMPARE(s.Dotaznik().Dialogy.contains(u"TZ_ExportDat_F"_s), pokracuje);
        QCOMPARE(s.KontrolyOK, pokracuje);
        if (dialog) {
            QCOMPARE(texty, u"    ROZDÍL V ÚDAJÍCH MEZI ZÁPISY:|typ zastupitelstva:\nvoliči v "
                            u"seznamu:\nvydané obálky:\n"
                            u"odevzdané obálky:|1\n500\n300\n299|2\n500\n301\n299"_s);
            // This type's counts are now on record beside the other type's.
            const QByteArray info = Obsah(s.Adresare.AdrData + u"INFOK83.RCD"_s);
            QCOMPARE(info.size(), 2 * TInfo83Rec::Velikost);
            QCOMPARE(DekodujInfo83(info.left(TInfo83Rec::Velikost)).VydObalky, quint16(301));
            QCOMPARE(DekodujInfo83(info.mid(TInfo83Rec::Velikost)).VydObalky, quint16(300));
        }
    }

    void escZastaviTok_data()
    {
        QTest::addColumn<QString>("dialog"); // the one answered with Esc
        QTest::newRow("porovnani typu") << u"TZ_info83_F"_s;
        QTest::newRow("vyber cile") << u"TZ_ExportDat_F"_s;
    }
    void escZastaviTok()
    {
        QFETCH(QString, dialog);
        TStanoviste s;
        s.VytvorO();
        s.Vysledky.VetaT3.ZapsOsoby = 500;
        s.JinyTyp(501, 0, 0);
        // Every dialog before it is the real one, confirmed as a person would.
        s.Dotaznik().Akce[u"TZ_info83_F"_s] = [&] { return int(QDialog::Accepted); };
        s.Dotaznik().Akce.erase(dialog);
        s.Dotaznik().Esc = dialog;
        int tisk = 0;
        TExportTisk e{s, true, true, *s.zdroj, [&](int) { ++tisk; }, nullptr, {}};
        QVERIFY(!ExportTisk(e));
        QVERIFY(s.Dotaznik().Dialogy.contains(dialog));
        QCOMPARE(s.Dotaznik().Dialogy.last(), dialog);
        QCOMPARE(tisk, 0);
        QCOMPARE(NactiStanici(s.Adresare.AdrStanice).Stav1, u"N"_s);
        QVERIFY(!QFileInfo::exists(s.usbA + u'/' + s.Jmeno()));
    }

    void escNevynechaTisk()
    {
        TZ_PocetKopii_F dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTRY_COMPARE(QApplication::focusWidget(), dlg.Z_PocetKopii_SE);
        // The export is done: the record is printed, Esc skips nothing.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(dlg.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!dlg.isVisible());
        QCOMPARE(dlg.PocetKopiiZapisu, 2);
    }

    void celyTokTypu2()
    {
        TStanoviste s(2);
        s.VytvorO();
        s.Dotaznik().Akce[u"TZ_ExportDat_F"_s] = [&] {
            auto *d = Otevreny<TZ_ExportDat_F>();
            d->Z_SeznZar_CB->setCurrentIndex(1);
            d->Z_ExportDatOK_Btn->click();
            return d->result();
        };
        s.Dotaznik().Akce[u"TZ_PocetKopii_F"_s] = [&] {
            auto *d = Otevreny<TZ_PocetKopii_F>();
            d->Z_PocetKopii_SE->setText(u"3"_s);
            d->Z_PKOK_Btn->click();
            return d->result();
        };
        QList<int> tisky;
        TExportTisk e{s,       true, false, *s.zdroj, [&](int kopii) { tisky.append(kopii); },
                      nullptr, {}};
        QVERIFY(ExportTisk(e));
        QCOMPARE(Obsah(s.usbB + u'/' + Jmeno2), s.DataO());
        const TStaniceRec st = NactiStanici(s.Adresare.AdrStanice);
        QCOMPARE(st.Stav2, u"A"_s);
        QCOMPARE(st.Stav1, u"N"_s);
        QCOMPARE(s.Stanice.Stav2, u"A"_s);
        QCOMPARE(tisky, QList<int>{3});
        QCOMPARE(s.Dotaznik().Dialogy, (QList<QString>{u"TZ_infoE_F"_s, u"TZ_ExportDat_F"_s,
                                                       u"TZ_infoE_F"_s, u"TZ_PocetKopii_F"_s}));
    }
};

QTEST_MAIN(TestExportUi)
#include "TestExportUi.moc"
