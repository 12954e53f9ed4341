// The printing commands of the main window: the information dialog, the preview of
// the tally sheet and of the test page, and printing with no printer installed.
#include "Instalace.h"
#include "KV_menu.h"
#include "Nahled.h"
#include "PreviewF.h"
#include "Program.h"
#include "Z_infoE.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
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
        QVERIFY(videno.at(2).startsWith(u"Pokud chcete tisknout jen vybrané stránky,\njejich výběr"_s));
        QVERIFY(videno.at(2).endsWith(u"tlačítkem OK.\nVlastní tisk provedete stisknutím tlačítka Tisk."_s));
        QCOMPARE(videno.at(3), u"Strana 1 z 1"_s);
        QVERIFY(beh.Dotaznik->Zpravy.isEmpty());
    }

    void zkusebniStranaATiskBezTiskarny()
    {
        TBeh beh;
        QString titul;
        beh.Dotaznik->PriDialogu = [&](QWidget *okno) {
            if (auto *nahled = qobject_cast<TpreviewF *>(okno)) {
                titul = nahled->Nahled().Titul;
                QCOMPARE(nahled->pageNL->text(), u"Strana 1 z 1"_s);
                QTest::mouseClick(nahled->printBtn, Qt::LeftButton);
            }
        };
        beh.Akce(u"ZkusebniTisk_MI"_s)->trigger();
        QCOMPARE(titul, u"VYPIS"_s);
        // Never a silent no-op: the PDF is kept and the user told where.
        const QString pdf = beh.Adr + u"Tisk/VYPIS.pdf"_s;
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(beh.Dotaznik->Zpravy.size(), 1);
        QVERIFY(beh.Dotaznik->Zpravy.first().Text.contains(pdf));
    }
};

QTEST_MAIN(TestTiskMenu)
#include "TestTiskMenu.moc"
