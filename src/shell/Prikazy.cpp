// The commands of the main menu. Each command whose window comes later has one
// place here that the later work fills in.
#include "KV_menu.h"

#include "Denik.h"
#include "EChyba.h"
#include "KontrolniBeh.h"
#include "Napoveda.h"
#include "OtiskExportu.h"
#include "Program.h"
#include "Soubory.h"
#include "Z_oprog.h"
#include "Zamek.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>

#include "ExportTisk.h"
#include "PreviewF.h"
#include "Protokol.h"
#include "R_vstup.h"
#include "ScitaciArch.h"
#include "SeznamChybF.h"
#include "TiskNaTiskarnu.h"
#include "TiskZapisu.h"
#include "VyberTiskarny.h"
#include "Z_infoE.h"
#include "ZacatekKontroly.h"
#include "Zarizeni.h"
#include "ZkusebniStrana.h"

#include <QScreen>
#include <QSysInfo>
#include <QTimer>

using namespace Qt::StringLiterals;

void TKV_menu::NeniKDispozici(const QString &titulek)
{
    m_program.Dotaznik().Informace(titulek, u"Tato funkce zatím není k dispozici."_s);
}

// Every printout is shown in the preview window, from which the user prints it.
static void UkazNahled(TpreviewF &okno, IDotaznik &dotaznik)
{
    dotaznik.ProvedDialog(u"TpreviewF"_s, [&] { return okno.exec(); });
}

// The protocol of checks of the run just made; with errors or warnings "Seznam chyb"
// opens over it. A row chosen there closes the preview and, once the command is
// over, opens the entry window at that error's field.
void TiskProtokoluKontrol(TKV_menu &hlavni, TProgram &p)
{
    TNahled nahled;
    nahled.Cvicne = p.Cvicna;
    TTisk tisk(nahled);
    tisk.PripFontu = p.Stanice.PripFontu;
    TiskProtokolu(tisk, p.ProtokolChyb, p.Vysledky.VetaT3, p.Stanice, p.AktOkrsek);
    nahled.NazevSouboru = NazevTisku(u"protokol"_s, p.AktOkrsek);
    TpreviewF okno(nahled, p.Tiskarna(), p.Dotaznik(), p.Adresare, &hlavni);
    if (p.ProtokolChyb.Pocet() > 0) {
        const QList<TNavrh> navrhy = NavrhyBehu(p);
        QTimer::singleShot(0, &okno, [&hlavni, &p, &okno, navrhy] {
            TSeznamChybF seznam(p.ProtokolChyb, navrhy, &okno);
            const int vysledek =
                p.Dotaznik().ProvedDialog(seznam.objectName(), [&] { return seznam.exec(); });
            if (vysledek == QDialog::Accepted && seznam.Vybrane().Druh != TPoleDat::TDruh::Zadne) {
                hlavni.m_poleChyby = seznam.Vybrane();
                okno.close();
            }
        });
    }
    UkazNahled(okno, p.Dotaznik());
}

// Step 4 of the first show: the error catalogue from CISCHYB.RCD and an empty protocol.
void TKV_menu::VytvorCiselnikAProtokol()
{
    m_program.ProtokolChyb.Clear();
    m_program.CiselnikChyb.Nacti(m_program.Adresare.AdrInstalace);
    m_program.TiskProtokolu = [this] { TiskProtokoluKontrol(*this, m_program); };
}

void TKV_menu::PorizeniDat()
{
    m_program.NastavKlic();
    // One writer at a time, for as long as the entry window is open.
    const TZamek zamek(m_program.Adresare.AdrStanice);
    if (m_program.StavExportuAktualnihoTypu() == u"A" &&
        !m_program.Dotaznik().Otazka(
            u"Vstup dat za okrsek"_s,
            u"Data okrsku byla již vyexportována.\nV případě znovuotevření dat budete muset "
            u"zopakovat export dat i tisk zápisu.\nChcete opravdu znovu upravovat data?"_s)) {
        return;
    }
    m_program.Vybrano = 2;
    ZobrazVstupniFormular();
}

void TKV_menu::KontrolniPorizeni()
{
    m_program.NastavKlic();
    const TZamek zamek(m_program.Adresare.AdrStanice);
    // A second entry needs a first one to be compared with.
    if (AktualniPrefix(m_program.Adresare, m_program.AktOkrsek).isEmpty()) {
        m_program.Dotaznik().Informace(u"Kontrolní pořízení"_s, u"Data nejsou pořízena!"_s);
        return;
    }
    if (!PripravKontrolniPorizeni(m_program.Dotaznik(), m_program.Adresare, m_program.AktOkrsek))
        return;
    m_program.Vybrano = 2;
    ZobrazVstupniFormular(true);
}

void TKV_menu::ZobrazVstupniFormular(bool kontrolni, const TPoleDat &pole)
{
    if (!m_vstup)
        m_vstup = new TR_Vstupni_Form(m_program, *m_hlaska, windowTitle(), this);
    m_vstup->Pravidla().DvaTypy = m_program.JeZastup1 && m_program.JeZastup2;
    m_vstup->SpustExportTisk = [this] { Proved([this] { SpustExportATisk(); }); };
    // A file that cannot be read stops here with its error: the window does not open.
    m_vstup->FormShow(kontrolni);
    m_vstup->move(pos());
    if (pole.Druh != TPoleDat::TDruh::Zadne)
        QTimer::singleShot(0, m_vstup, [this, pole] { m_vstup->PrejdiNaPole(pole); });
    m_program.Dotaznik().ProvedDialog(u"TR_Vstupni_Form"_s, [this] { return m_vstup->exec(); });
    // However the window closed (Alt+F4 under a window manager too), the keyboard comes
    // back here, so that F10 and the menu answer.
    raise();
    activateWindow();
}

void TKV_menu::UkonciNaPozadani(const QString &duvod)
{
    QString zaznam = u"ukončení na žádost systému (%1)"_s.arg(duvod);
    if (m_vstup && m_vstup->isVisible()) {
        const QString chyba = m_vstup->UlozPriUkonceni();
        zaznam += chyba.isEmpty() ? u"; pořizovaná data uložena"_s
                                  : u"; pořizovaná data se nepodařilo uložit: "_s + chyba;
    }
    // A station directory that is not there has no journal, nor anything typed.
    if (QFileInfo(m_program.Adresare.AdrStanice).isDir())
        Denik::Zapis(m_program.Adresare.AdrStanice, zaznam);
    // Every event loop ends, the entry window's and any dialog's included.
    QCoreApplication::exit(0);
}

void TKV_menu::Kontroly()
{
    m_poleChyby = {};
    KontrolaDat(m_program);
    const TPoleDat pole = std::exchange(m_poleChyby, {});
    if (pole.Druh == TPoleDat::TDruh::Zadne)
        return;
    const TZamek zamek(m_program.Adresare.AdrStanice);
    m_program.Vybrano = 2;
    ZobrazVstupniFormular(false, pole);
}

void TKV_menu::ExportTisk()
{
    m_program.NastavKlic();
    SpustExportATisk();
}

void TKV_menu::SpustExportATisk()
{
    TProgram &p = m_program;
    const std::unique_ptr<IZdrojZarizeni> zdroj = VytvorZdrojZarizeni();
    TExportTisk e{p, p.JeZastup1, p.JeZastup2, *zdroj, {}, this, {}};
    e.TiskZapisu = [this, &p](int kopii) {
        NajdiOkrsek(p.Adresare, p.AktOkrsek);
        NactiStrany(p.Adresare, p.AktOkrsek, p.Reference);
        NactiKandidaty(p.Adresare, p.AktOkrsek, p.Reference);
        TNahled nahled;
        nahled.Cvicne = p.Cvicna;
        const TDataZapisu data{p.Stanice,       p.AktOkrsek,
                               p.Reference,     p.Vysledky,
                               p.Hlasovani,     p.Komise,
                               &p.ProtokolChyb, RadekOtisku(p.Adresare, p.AktOkrsek, p.Stanice)};
        TiskZapisu(nahled, p.Tiskarna(), p.Dotaznik(), p.Adresare, data, false, true, kopii,
                   PocetDnuVoleb, this);
    };
    ::ExportTisk(e);
}

void TKV_menu::ScitaciArch(QPageLayout::Orientation orientace, QPageSize::PageSizeId papir)
{
    m_program.NastavKlic();
    NajdiOkrsek(m_program.Adresare, m_program.AktOkrsek);
    NactiStrany(m_program.Adresare, m_program.AktOkrsek, m_program.Reference);
    NactiKandidaty(m_program.Adresare, m_program.AktOkrsek, m_program.Reference);
    TiskScitacihoArchu(orientace, papir);
}

void TKV_menu::TiskScitacihoArchu(QPageLayout::Orientation orientace, QPageSize::PageSizeId papir)
{
    TZ_infoE_F info(this);
    info.setWindowTitle(u"Sčítací arch"_s);
    info.InfoText1 = u"Tisk pomocného sčítacího archu obsahuje %1 volebních stran."_s.arg(
        m_program.Reference.PocetStranSeznamu);
    info.InfoText2 =
        u"Pokud chcete tisknout jen vybrané stránky,\njejich výběr provedete zadáním jejich "
        u"rozsahu\n"
        u"(číslo stránky většinou neodpovídá číslu volební strany)\nv Nastavení tiskárny (ikonka s "
        u"tiskárnou)\nv preview tisku a potvrdíte tlačítkem OK.\nVlastní tisk provedete stisknutím "
        u"tlačítka Tisk."_s;
    m_program.Dotaznik().ProvedDialog(u"TZ_infoE_F"_s, [&] { return info.exec(); });

    TNahled nahled;
    nahled.Cvicne = m_program.Cvicna;
    TTisk tisk(nahled);
    tisk.PripFontu = m_program.Stanice.PripFontu;
    ::TiskScitacihoArchu(tisk, m_program.Stanice, m_program.AktOkrsek, m_program.Reference,
                         orientace == QPageLayout::Portrait ? 1 : 0,
                         papir == QPageSize::A3 ? u"A3"_s : u"A4"_s);
    const QString druh = orientace == QPageLayout::Landscape ? u"arch-a4-sirka"_s
                         : papir == QPageSize::A3            ? u"arch-a3"_s
                                                             : u"arch-a4"_s;
    nahled.NazevSouboru = NazevTisku(druh, m_program.AktOkrsek);
    TpreviewF okno(nahled, m_program.Tiskarna(), m_program.Dotaznik(), m_program.Adresare, this);
    UkazNahled(okno, m_program.Dotaznik());
}

void TKV_menu::ZkusebniTisk()
{
    TNahled nahled;
    nahled.Cvicne = m_program.Cvicna;
    TpreviewF okno(nahled, m_program.Tiskarna(), m_program.Dotaznik(), m_program.Adresare, this);
    QPrinter &tiskarna = m_program.Tiskarna();
    TZkusebniUdaje u;
    u.DatumVoleb = m_program.Stanice.DatumVoleb;
    u.NazevSystemu = QSysInfo::prettyProductName();
    u.Tiskarna = JeTiskarnaNainstalovana(tiskarna) ? tiskarna.printerName() : QString();
    u.Fonty = FontyKDispozici();
    u.DpiNahledu = okno.logicalDpiX();
    u.SirkaNahledu = okno.width();
    u.VyskaNahledu = okno.height();
    u.DpiObrazovky = screen() ? qRound(screen()->logicalDotsPerInch()) : 96;
    u.EmailPodpory = NactiEmailPodpory(m_program.Adresare.AdrInstalace);
    TTisk tisk(nahled);
    tisk.PripFontu = m_program.Stanice.PripFontu;
    TiskZkusebniStrany(tisk, u);
    TOkrsekRefRec okrsek; // the test page belongs to the precinct, not to a council type
    okrsek.KodObce = m_program.Stanice.KodObce;
    okrsek.CisloOkrsku = m_program.Stanice.CisloOkrsku;
    nahled.NazevSouboru = NazevTisku(u"zkusebni"_s, okrsek);
    UkazNahled(okno, m_program.Dotaznik());
}

void TKV_menu::ZrusitData()
{
    const QString titulek = u"Rušení dat"_s;
    IDotaznik &dotaznik = m_program.Dotaznik();
    m_program.NastavKlic();
    const TZamek zamek(m_program.Adresare.AdrStanice);
    const TOkrsekRefRec &klic = m_program.AktOkrsek;
    if (AktualniPrefix(m_program.Adresare, klic).isEmpty()) {
        dotaznik.Informace(titulek, u"Data nejsou pořízena!"_s);
        return;
    }
    // Deleting is deliberate: the question says what goes, and Enter answers No.
    QString otazka =
        u"Opravdu chcete zrušit pořízená data?\n\nZrušena budou data za typ zastupitelstva %1"_s
            .arg(klic.TypZastup);
    otazka += klic.TypZastup == u"2" ? u" (zastupitelstvo městské části nebo obvodu)."_s
                                     : u" (zastupitelstvo obce)."_s;
    if (m_program.StavExportuAktualnihoTypu() == u"A")
        otazka +=
            u"\nTato data už byla exportována; export, který už vznikl, se zrušením nezmění."_s;
    otazka += u"\nSoubor dat bude uschován v adresáři %1Zrusena."_s.arg(m_program.Adresare.AdrData);
    if (dotaznik.Zobraz({TIkona::Otazka, titulek, otazka, true, true}) != TOdpoved::Ano)
        return;
    QStringList kopie;
    try {
        kopie = ZrusOkrsek(m_program.Adresare, klic);
    } catch (const EChyba &e) {
        dotaznik.Informace(titulek, u"Data se nepovedlo zrušit!\n\n"_s + e.zprava());
        return;
    }
    dotaznik.Informace(titulek, u"Data jsou zrušena.\n\nUschovaná kopie: "_s + kopie.join(u", "_s));
}

void TKV_menu::VyberTiskarny()
{
    // The dialog edits the program's printer in place, and only when confirmed.
    TZ_VyberTiskarny Z_PrintDialog(m_program.Tiskarna(),
                                   AdresarTisku(m_program.Adresare.AdrInstalace), this);
    m_program.Dotaznik().ProvedDialog(u"Z_PrintDialog"_s, [&] { return Z_PrintDialog.exec(); });
}

TNapoveda *TKV_menu::NapovedaOkno() const
{
    return m_napoveda;
}

void TKV_menu::Napoveda(const QString &tema)
{
    if (!QFileInfo(m_program.SouborNapovedy).isFile())
        throw EChyba(u"Soubor nápovědy %1 nebyl nalezen."_s.arg(m_program.SouborNapovedy));
    // Over a modal window the help belongs to that window: any other owner would leave
    // it blocked by the modal one.
    QWidget *vlastnik =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    if (!m_napoveda)
        m_napoveda = new TNapoveda(vlastnik);
    else if (m_napoveda->parentWidget() != vlastnik)
        m_napoveda->setParent(vlastnik, m_napoveda->windowFlags());
    m_napoveda->Otevri(m_program.SouborNapovedy, tema);
}

void TKV_menu::OProgramu()
{
    m_program.Dotaznik().ProvedDialog(u"TZ_OProgramu_F"_s,
                                      [this] { return OProgramuDialog()->exec(); });
}
