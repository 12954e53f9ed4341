// The preview window: page label and buttons, zoom, printer setup kept between
// openings, printing the chosen range, Esc, and the minimum width.
#include "Dotaznik.h"
#include "Nahled.h"
#include "PreviewF.h"
#include "SlovaPdf.h"
#include "Z_infoE.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Stands in for the user at the printer dialog: sees the printer as prepared, edits it
// and confirms or cancels.
class TDotaznikTiskarny : public TDotaznikFronta
{
public:
    std::function<int()> PriDialogu;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override
    {
        TDotaznikFronta::ProvedDialog(nazev, ukaz);
        return PriDialogu ? PriDialogu() : 0;
    }
};

void Dokument(TNahled &n, int stran)
{
    n.ZacatekTisku();
    for (int i = 1; i <= stran; ++i)
        n.VratCanvas().TextOut(200, 200, u"Strana %1"_s.arg(i));
    n.KonecTisku();
}

struct TOkno
{
    QTemporaryDir Dir;
    TNahled Nahled;
    QPrinter Tiskarna{QPrinter::HighResolution};
    TDotaznikTiskarny Dotaznik;
    std::unique_ptr<TpreviewF> F;

    explicit TOkno(int stran)
    {
        Tiskarna.setOutputFormat(QPrinter::PdfFormat); // no printer installed
        Dokument(Nahled, stran);
        Nahled.NazevSouboru = u"arch-a4-512345-7-typ1"_s;
        const QString adr = Dir.path() + u'/';
        F = std::make_unique<TpreviewF>(Nahled, Tiskarna, Dotaznik, TAdresare{adr, adr, adr});
        F->show();
    }
    QList<bool> Tlacitka() const
    {
        return {F->firstSB->isEnabled(), F->priorSB->isEnabled(), F->nextSB->isEnabled(),
                F->lastSB->isEnabled()};
    }
};

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void vzhled()
    {
        TOkno o(2);
        QCOMPARE(o.F->windowTitle(), u"Preview"_s);
        QCOMPARE(o.F->LupaL->text(), u"Lupa:"_s);
        QVERIFY(o.F->LupaL->font().bold());
        QStringList polozky;
        for (int i = 0; i < o.F->zoomCB->count(); ++i)
            polozky.append(o.F->zoomCB->itemText(i));
        QCOMPARE(polozky,
                 (QStringList{u"50%"_s, u"100%"_s, u"Celá šířka"_s, u"Celá strana"_s, u"1000%"_s}));
        // Shown at page width.
        QCOMPARE(o.F->zoomCB->currentText(), u"Celá šířka"_s);
        QCOMPARE((QStringList{o.F->firstSB->toolTip(), o.F->priorSB->toolTip(),
                              o.F->nextSB->toolTip(), o.F->lastSB->toolTip(),
                              o.F->printerSetupSB->toolTip(), o.F->printBtn->toolTip(),
                              o.F->zavritBtn->toolTip(), o.F->zoomCB->toolTip()}),
                 (QStringList{u"První strana"_s, u"Předchozí strana"_s, u"Následující strana"_s,
                              u"Poslední strana"_s, u"Nastavení tiskárny"_s,
                              u"Tisk dle nastavení"_s, u"Ukončení náhledu"_s, u"Změna náhledu"_s}));
        QCOMPARE(o.F->printBtn->text(), u"Tisk"_s);
        QCOMPARE(o.F->zavritBtn->text(), u"Zavřít"_s);
    }

    void strankovani()
    {
        TOkno o(5);
        QCOMPARE(o.F->pageNL->text(), u"Strana 1 z 5"_s);
        QCOMPARE(o.Tlacitka(), (QList<bool>{false, false, true, true}));
        QTest::mouseClick(o.F->lastSB, Qt::LeftButton);
        QCOMPARE(o.F->pageNL->text(), u"Strana 5 z 5"_s);
        QCOMPARE(o.Tlacitka(), (QList<bool>{true, true, false, false}));
        QTest::mouseClick(o.F->priorSB, Qt::LeftButton);
        QCOMPARE(o.F->pageNL->text(), u"Strana 4 z 5"_s);
        QCOMPARE(o.Tlacitka(), (QList<bool>{true, true, true, true}));
        QTest::mouseClick(o.F->firstSB, Qt::LeftButton);
        QTest::mouseClick(o.F->nextSB, Qt::LeftButton);
        QCOMPARE(o.F->pageNL->text(), u"Strana 2 z 5"_s);
        // Page Down at the bottom of a sheet turns the page.
        // The zoom reached with Tab, its next choice taken with the arrow.
        QVERIFY(QTest::qWaitForWindowActive(o.F.get()));
        for (int i = 0; i < 20 && QApplication::focusWidget() != o.F->zoomCB; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), o.F->zoomCB);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(o.F->zoomCB->currentText(), u"Celá strana"_s);
        QCOMPARE(o.F->PrintPreview->DruhLupy(), TStrankyNahledu::TLupa::Strana);
        QTest::keyClick(o.F->PrintPreview, Qt::Key_PageDown);
        QCOMPARE(o.F->pageNL->text(), u"Strana 3 z 5"_s);
        QTest::keyClick(o.F->PrintPreview, Qt::Key_PageUp);
        QCOMPARE(o.F->pageNL->text(), u"Strana 2 z 5"_s);
    }

    void prazdnyDokument()
    {
        TOkno o(0);
        QCOMPARE(o.F->pageNL->text(), u"Prázdný dokument"_s);
    }

    void lupa()
    {
        TOkno o(1);
        const double naSirku = o.F->PrintPreview->Procenta();
        o.F->zoomCB->activated(1);
        QCOMPARE(o.F->PrintPreview->Procenta(), 100.0);
        QCOMPARE(o.F->PrintPreview->widget()->width(),
                 qCeil(2100 * o.F->PrintPreview->Meritko()) + 23);
        o.F->zoomCB->activated(4);
        QCOMPARE(o.F->PrintPreview->Procenta(), 1000.0);
        o.F->zoomCB->activated(0);
        QCOMPARE(o.F->PrintPreview->Procenta(), 50.0);
        o.F->zoomCB->activated(2);
        QCOMPARE(o.F->PrintPreview->Procenta(), naSirku);
        // Zoom to width follows the window.
        o.F->resize(1200, 600);
        QVERIFY(o.F->PrintPreview->Procenta() > naSirku);
    }

    void vykresleniPriKazdeLupe_data()
    {
        QTest::addColumn<int>("polozka");
        QTest::newRow("50%") << 0;
        QTest::newRow("100%") << 1;
        QTest::newRow("Cela sirka") << 2;
        QTest::newRow("1000%") << 4;
    }
    void vykresleniPriKazdeLupe()
    {
        QFETCH(int, polozka);
        TOkno o(0);
        o.Nahled.ZacatekTisku();
        TPlatno &c = o.Nahled.VratCanvas();
        c.Pen = TPero{8, Qt::SolidLine};
        c.Cara(200, 1000, 1900, 1000);
        o.Nahled.KonecTisku();
        o.F->zoomCB->activated(polozka);
        const double m = o.F->PrintPreview->Meritko();
        QWidget *plocha = o.F->PrintPreview->widget();
        // The thick line is dark at its middle, the paper white well above it.
        const auto bod = [&](int x, int y) {
            const QPoint p(10 + qRound(x * m), 10 + qRound(y * m));
            return plocha->grab(QRect(p, QSize(1, 1))).toImage().pixelColor(0, 0);
        };
        QVERIFY(bod(1000, 1000).lightness() < 100);
        QCOMPARE(bod(1000, 900), QColor(Qt::white));
    }

    void nastaveniTiskarnyATisk()
    {
        TOkno o(5);
        QList<int> pripraveno;
        bool doSouboru = true;
        o.Dotaznik.PriDialogu = [&] {
            // The dialog offers printers only: a file would take every later print.
            doSouboru = o.F->findChild<QPrintDialog *>(u"PrintDialog"_s)
                            ->testOption(QAbstractPrintDialog::PrintToFile);
            pripraveno = {o.Tiskarna.fromPage(), o.Tiskarna.toPage(), o.Tiskarna.copyCount()};
            o.Tiskarna.setPrintRange(QPrinter::PageRange);
            o.Tiskarna.setFromTo(2, 3);
            o.Tiskarna.setCopyCount(2);
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(o.F->printerSetupSB, Qt::LeftButton);
        QCOMPARE(o.Dotaznik.Dialogy, QList<QString>{u"PrintDialog"_s});
        QVERIFY(!doSouboru);
        QCOMPARE(pripraveno, (QList<int>{1, 5, 1}));
        QCOMPARE(o.Nahled.odStrany, 2);
        QCOMPARE(o.Nahled.doStrany, 3);
        QCOMPARE(o.F->PocetKopii, 2);

        // Reopened: shows the kept range and copies; cancelling keeps them.
        o.Dotaznik.PriDialogu = [&] {
            pripraveno = {o.Tiskarna.fromPage(), o.Tiskarna.toPage(), o.Tiskarna.copyCount()};
            o.Tiskarna.setFromTo(1, 1);
            o.Tiskarna.setCopyCount(7);
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(o.F->printerSetupSB, Qt::LeftButton);
        QCOMPARE(pripraveno, (QList<int>{2, 3, 2}));
        QCOMPARE(o.Nahled.odStrany, 2);
        QCOMPARE(o.Nahled.doStrany, 3);
        QCOMPARE(o.F->PocetKopii, 2);

        // Pages 2 and 3, twice: without a printer two files, one per copy.
        QTest::mouseClick(o.F->printBtn, Qt::LeftButton);
        for (const QString &soubor :
             {u"Tisk/arch-a4-512345-7-typ1.pdf"_s, u"Tisk/arch-a4-512345-7-typ1-2.pdf"_s}) {
            QCOMPARE(PocetStranPdf(o.Dir.filePath(soubor)), 2);
            QVERIFY(o.Dotaznik.Zpravy.value(0).Text.contains(o.Dir.filePath(soubor)));
        }
        QCOMPARE(o.Dotaznik.Zpravy.size(), 1);

        // The whole document chosen again: range back to 1..PocetStran.
        o.Dotaznik.PriDialogu = [&] {
            o.Tiskarna.setPrintRange(QPrinter::AllPages);
            o.Tiskarna.setCopyCount(0);
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(o.F->printerSetupSB, Qt::LeftButton);
        QCOMPARE(o.Nahled.odStrany, 1);
        QCOMPARE(o.Nahled.doStrany, 5);
        QCOMPARE(o.F->PocetKopii, 1);
    }

    void escZavre()
    {
        TOkno o(1);
        QVERIFY(QTest::qWaitForWindowExposed(o.F.get()));
        QTest::keyClick(o.F->PrintPreview, Qt::Key_Escape);
        QVERIFY(!o.F->isVisible());
        o.F->show();
        QTest::mouseClick(o.F->zavritBtn, Qt::LeftButton);
        QVERIFY(!o.F->isVisible());
    }

    // Enter presses the button that has the focus and nothing else; Tab reaches them.
    void enterNaTlacitku()
    {
        TOkno o(3);
        QVERIFY(QTest::qWaitForWindowExposed(o.F.get()));
        auto stiskni = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        auto tabulatorem = [&](QWidget *cil) {
            for (int i = 0; i < 12 && QApplication::focusWidget() != cil; ++i)
                stiskni(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), cil);
        };
        QCOMPARE(QApplication::focusWidget(), o.F->PrintPreview);
        stiskni(Qt::Key_Return);
        QVERIFY(o.F->isVisible());
        QVERIFY(!QFile::exists(o.Dir.filePath(u"tisk.pdf"_s)));
        tabulatorem(o.F->nextSB);
        stiskni(Qt::Key_Return);
        QCOMPARE(o.Nahled.AktStrana(), 2);
        tabulatorem(o.F->zavritBtn);
        stiskni(Qt::Key_Return);
        QVERIFY(!o.F->isVisible());
    }

    void nejmensiSirkaARozmisteni()
    {
        TOkno o(1);
        o.F->resize(400, 300);
        QCOMPARE(o.F->width(), 600);
        o.F->resize(900, 500);
        QCOMPARE(o.F->zavritBtn->geometry().right() + 1, 900 - 20);
        QCOMPARE(o.F->printBtn->geometry().right() + 1, o.F->zavritBtn->x() - 30);
        QCOMPARE(o.F->printerSetupSB->geometry().right() + 1, o.F->printBtn->x() - 15);
        QCOMPARE(o.F->PrintPreview->geometry(), QRect(0, 29, 900, 500 - 29));
    }

    void informacniDialog()
    {
        TZ_infoE_F d;
        QCOMPARE(d.windowTitle(), u"Export dat a tisk zápisu"_s);
        d.InfoText1 = u"první"_s;
        d.InfoText2 = u"a\rb"_s;
        d.show();
        QCOMPARE(d.titulek2->text(), u"první"_s);
        QCOMPARE(d.titulek3->text(), u"a\nb"_s);
        QVERIFY(d.titulek3->font().bold());
        QVERIFY(!d.Odebrat_Btn->isVisible());
        QCOMPARE(d.Odebrat_Btn->toolTip(), u"Bezpečně odebrat USB disk"_s);
        QCOMPARE(d.OK_Btn->geometry(), QRect(175, 274, 111, 33));
        QTest::mouseClick(d.OK_Btn, Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }
};

QTEST_MAIN(TestPreview)
#include "TestPreview.moc"
