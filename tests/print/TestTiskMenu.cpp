// The printing commands of the main window: the information dialog, the preview of
// the tally sheet and of the test page, the printer choice and printing afterwards.
#include "Instalace.h"
#include "KV_menu.h"
#include "Nahled.h"
#include "PreviewF.h"
#include "Program.h"
#include "SouboryTestu.h"
#include "VyberTiskarny.h"
#include "Z_infoE.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs the real dialogs and lets the test look at each one before it is closed.
class TDotaznikOken : public TDotaznikFronta
{
public:
    std::function<void(QWidget *)> PriDialogu;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override
    {
        TDotaznikFronta::ProvedDialog(nazev, ukaz);
        QTimer::singleShot(0, [this] {
            QWidget *okno = QApplication::activeModalWidget();
            if (PriDialogu && okno)
                PriDialogu(okno);
            if (okno)
                okno->close();
        });
        return ukaz();
    }
};

struct TBeh
{
    QTemporaryDir Dir;
    QString Adr;
    TDotaznikOken *Dotaznik = nullptr;
    std::unique_ptr<TProgram> Program;
    std::unique_ptr<TKV_menu> Okno;

    TBeh()
    {
        Adr = Dir.path() + u'/';
        Instalace::Vytvor(Adr, Instalace::Stanice(), {1});
        auto d = std::make_unique<TDotaznikOken>();
        Dotaznik = d.get();
        Program = std::make_unique<TProgram>(std::move(d));
        Okno = std::make_unique<TKV_menu>(*Program, Dir.path(), QStringList{});
        Okno->show();
        // No printer, whatever this machine has installed.
        Program->Tiskarna().setOutputFormat(QPrinter::PdfFormat);
        Program->Tiskarna().setOutputFileName(QString());
        Dotaznik->Vymaz();
    }
    ~TBeh()
    {
        Dotaznik->ZaradOdpoved(TOdpoved::Ano);
        Okno->close();
    }
    QAction *Akce(const QString &jmeno) const { return Okno->findChild<QAction *>(jmeno); }
};

} // namespace

class TestTiskMenu : public QObject
{
    Q_OBJECT

private slots:
    void scitaciArch()
    {
        TBeh beh;
        QStringList videno;
        beh.Dotaznik->PriDialogu = [&](QWidget *okno) {
            if (auto *info = qobject_cast<TZ_infoE_F *>(okno)) {
                videno << info->windowTitle() << info->titulek2->text() << info->titulek3->text();
            } else if (auto *nahled = qobject_cast<TpreviewF *>(okno)) {
                videno << nahled->pageNL->text();
                QCOMPARE(nahled->Nahled().RozmerListu(), QSize(2970, 4200));
            }
        };
        beh.Akce(u"ScitaciArch_vyskaA3_MI"_s)->trigger();
        QCOMPARE(beh.Dotaznik->Dialogy, (QList<QString>{u"TZ_infoE_F"_s, u"TpreviewF"_s}));
        QCOMPARE(videno.size(), 4);
        QCOMPARE(videno.at(0), u"Sčítací arch"_s);
        QCOMPARE(videno.at(1), u"Tisk pomocného sčítacího archu obsahuje 1 volebních stran."_s);
        QVERIFY(
            videno.at(2).startsWith(u"Pokud chcete tisknout jen vybrané stránky,\njejich výběr"_s));
        QVERIFY(videno.at(2).endsWith(
            u"tlačítkem OK.\nVlastní tisk provedete stisknutím tlačítka Tisk."_s));
        QCOMPARE(videno.at(3), u"Strana 1 z 1"_s);
        QVERIFY(beh.Dotaznik->Zpravy.isEmpty());
    }

    // After the printer choice every later print keeps its own files: each document
    // under its own name, each copy in a file of its own, and the user is told where.
    void vyberTiskarnyAPakKazdyTiskZvlast()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("Tento počítač má tiskárny: test by na nich tiskl.");
        TBeh beh;
        QString info;
        QStringList tituly;
        int kopii = 1;
        beh.Dotaznik->PriDialogu = [&](QWidget *okno) {
            if (auto *vyber = qobject_cast<TZ_VyberTiskarny *>(okno)) {
                info = vyber->Info_Lbl->text();
                QWidget *fokus = QApplication::focusWidget();
                QTest::keyClick(fokus ? fokus : okno, Qt::Key_Return);
            } else if (auto *nahled = qobject_cast<TpreviewF *>(okno)) {
                tituly << nahled->Nahled().NazevSouboru;
                nahled->PocetKopii = kopii;
                QTest::mouseClick(nahled->printBtn, Qt::LeftButton);
            }
        };
        // A file chosen before (as a print dialog could) is forgotten once a choice is made.
        const QString jedinySoubor = beh.Adr + u"jediny.pdf"_s;
        beh.Program->Tiskarna().setOutputFileName(jedinySoubor);
        beh.Akce(u"VyberTiskarny_MI"_s)->trigger();
        QCOMPARE(beh.Dotaznik->Dialogy, QList<QString>{u"Z_PrintDialog"_s});
        QVERIFY(info.contains(QDir::toNativeSeparators(beh.Adr + u"Tisk"_s)));
        QVERIFY(beh.Program->Tiskarna().outputFileName().isEmpty());

        kopii = 2;
        beh.Akce(u"ZkusebniTisk_MI"_s)->trigger();
        kopii = 3;
        beh.Akce(u"ScitaciArch_vyskaA4_MI"_s)->trigger();
        QCOMPARE(tituly, (QStringList{u"zkusebni-598761-3"_s, u"arch-a4-598761-3-typ1"_s}));
        const QStringList soubory{
            u"Tisk/zkusebni-598761-3.pdf"_s, u"Tisk/zkusebni-598761-3-2.pdf"_s,
            u"Tisk/arch-a4-598761-3-typ1.pdf"_s, u"Tisk/arch-a4-598761-3-typ1-2.pdf"_s,
            u"Tisk/arch-a4-598761-3-typ1-3.pdf"_s};
        QCOMPARE(beh.Dotaznik->Zpravy.size(), 2);
        for (const QString &soubor : soubory) {
            QVERIFY2(Obsah(beh.Adr + soubor).startsWith("%PDF"), qPrintable(soubor));
            QVERIFY(beh.Dotaznik->Texty().join(u'\n').contains(beh.Adr + soubor));
        }
        QCOMPARE(QDir(beh.Adr + u"Tisk"_s).entryList(QDir::Files).size(), soubory.size());
        QVERIFY(!QFile::exists(jedinySoubor));
        // Each print job in the journal: what, how many copies, where to.
        const QString denik = QString::fromUtf8(Obsah(beh.Adr + u"DENIK.TXT"_s));
        // The job's title is the file's name and the time, to find the job by in a queue.
        for (const auto &[titul, uloha] :
             {std::pair{u"zkusebni-598761-3"_s, u"kopií 2, soubory "_s + beh.Adr + soubory[0]},
              std::pair{u"arch-a4-598761-3-typ1"_s,
                        u"kopií 3, soubory "_s + beh.Adr + soubory[2]}}) {
            const QRegularExpression radek(u"tisk: "_s + titul + u"-[0-9]{6}, "_s +
                                           QRegularExpression::escape(uloha));
            QVERIFY2(radek.match(denik).hasMatch(), qPrintable(denik));
        }
    }
};

QTEST_MAIN(TestTiskMenu)
#include "TestTiskMenu.moc"
