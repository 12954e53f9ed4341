// The commands of the main menu. Each command whose window comes later has one
// place here that the later work fills in.
#include "KV_menu.h"

#include "EChyba.h"
#include "Napoveda.h"
#include "Program.h"
#include "Soubory.h"
#include "Z_oprog.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

void TKV_menu::NeniKDispozici(const QString &titulek)
{
    m_program.Dotaznik().Informace(titulek, u"Tato funkce zatím není k dispozici."_s);
}

// Step 4 of the first show: the error catalogue and protocol. The checks work
// creates them here.
void TKV_menu::VytvorCiselnikAProtokol() {}

void TKV_menu::PorizeniDat()
{
    m_program.NastavKlic();
    if (m_program.StavExportuAktualnihoTypu() == u"A"
        && !m_program.Dotaznik().Otazka(
            u"Vstup dat za okrsek"_s,
            u"Data okrsku byla již vyexportována.\nV případě znovuotevření dat budete muset "
            u"zopakovat export dat i tisk zápisu.\nChcete opravdu znovu upravovat data?"_s)) {
        return;
    }
    m_program.Vybrano = 2;
    ZobrazVstupniFormular();
}

// The entry window arrives with the data entry work.
void TKV_menu::ZobrazVstupniFormular()
{
    NeniKDispozici(u"Vstup dat za okrsek"_s);
}

// The check run arrives with the checks work.
void TKV_menu::Kontroly()
{
    NeniKDispozici(u"Kontrola dat"_s);
}

void TKV_menu::ExportTisk()
{
    m_program.NastavKlic();
    SpustExportATisk();
}

// The export-and-print flow arrives with the export work.
void TKV_menu::SpustExportATisk()
{
    NeniKDispozici(u"Export dat"_s);
}

void TKV_menu::ScitaciArch(QPageLayout::Orientation orientace, QPageSize::PageSizeId papir)
{
    m_program.NastavKlic();
    NajdiOkrsek(m_program.Adresare, m_program.AktOkrsek);
    NactiStrany(m_program.Adresare, m_program.AktOkrsek, m_program.Reference);
    NactiKandidaty(m_program.Adresare, m_program.AktOkrsek, m_program.Reference);
    TiskScitacihoArchu(orientace, papir);
}

// The information dialog and the tally sheet printout arrive with the printing work.
void TKV_menu::TiskScitacihoArchu(QPageLayout::Orientation, QPageSize::PageSizeId)
{
    NeniKDispozici(u"Sčítací arch"_s);
}

// The printer test page arrives with the printing work.
void TKV_menu::ZkusebniTisk()
{
    NeniKDispozici(u"Zkušební tisk"_s);
}

void TKV_menu::ZrusitData()
{
    const QString titulek = u"Rušení dat"_s;
    IDotaznik &dotaznik = m_program.Dotaznik();
    m_program.NastavKlic();
    for (const QString &prefix : {u"O"_s, u"E"_s}) {
        const QString cesta = JmenoSouboruOkrsku(m_program.Adresare, m_program.AktOkrsek, prefix);
        if (!QFileInfo(cesta).isFile())
            continue;
        if (!dotaznik.Otazka(titulek, u"Opravdu chcete zrušit pořízená data?"_s))
            return;
        try {
            Soubory::Smaz(cesta);
        } catch (const EChyba &) {
            dotaznik.Informace(titulek, u"Data se nepovedlo zrušit!"_s);
            return;
        }
        dotaznik.Informace(titulek, u"Data jsou zrušena."_s);
        return;
    }
    dotaznik.Informace(titulek, u"Data nejsou pořízena!"_s);
}

void TKV_menu::VyberTiskarny()
{
    // The dialog edits the program's printer in place, and only when confirmed.
    QPrintDialog Z_PrintDialog(&m_program.Tiskarna(), this);
    Z_PrintDialog.setObjectName(u"Z_PrintDialog"_s);
    m_program.Dotaznik().ProvedDialog(u"Z_PrintDialog"_s, [&] { return Z_PrintDialog.exec(); });
}

void TKV_menu::Napoveda()
{
    if (!QFileInfo(m_program.SouborNapovedy).isFile())
        throw EChyba(u"Soubor nápovědy %1 nebyl nalezen."_s.arg(m_program.SouborNapovedy));
    if (!m_napoveda)
        m_napoveda = new TNapoveda(this);
    m_napoveda->Otevri(m_program.SouborNapovedy);
}

void TKV_menu::OProgramu()
{
    m_program.Dotaznik().ProvedDialog(u"TZ_OProgramu_F"_s, [this] { return OProgramuDialog()->exec(); });
}
