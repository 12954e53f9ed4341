#include "ExportTisk.h"

#include "Okrsek.h"
#include "PredExportem.h"
#include "Soubory.h"
#include "Stanice.h"
#include "Z_export.h"
#include "Z_info83.h"
#include "Z_infoE.h"
#include "Z_pockop.h"
#include "Zamek.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString Ctyri(quint16 typ, qint32 zapsOsoby, quint16 vydObalky, quint16 odevzdObalky)
{
    return u"%1\n%2\n%3\n%4"_s.arg(typ).arg(zapsOsoby).arg(vydObalky).arg(odevzdObalky);
}

// Step 7: false when the user does not want to go on with different counts.
bool PorovnejTypy(TExportTisk &e)
{
    TStavProgramu &b = e.Beh;
    const TOkrsekRec &t3 = b.Vysledky.VetaT3;
    const TInfo83Rec jiny = UlozInfo83ProExport(b);
    if (StejnePocty(t3, jiny))
        return true;
    TZ_info83_F dlg(b.KontrolyOK, e.Rodic);
    dlg.InfoText2 = u"    ROZDÍL V ÚDAJÍCH MEZI ZÁPISY:"_s;
    dlg.InfoText3 = u"typ zastupitelstva:\nvoliči v seznamu:\nvydané obálky:\nodevzdané obálky:"_s;
    dlg.InfoText4 = Ctyri(t3.TypZastup, t3.ZapsOsoby, t3.VydObalky, t3.OdevzdObalky);
    dlg.InfoText5 = Ctyri(jiny.TypZastup, jiny.ZapsOsoby, jiny.VydObalky, jiny.OdevzdObalky);
    dlg.InfoText1 = u"Rozdílné údaje budou důvodem\nk odmítnutí zápisu při přejímce.\n\nCHCETE "
                    u"PŘESTO POKRAČOVAT \n"
                    u"S TISKEM ZÁPISU A EXPORTEM DAT?"_s;
    // Only "Ano" goes on: "Ne", Esc and the close box stop before the export.
    if (b.Dotaznik().ProvedDialog(u"TZ_info83_F"_s, [&] { return dlg.exec(); }) !=
        QDialog::Accepted)
        b.KontrolyOK = false;
    return b.KontrolyOK;
}

} // namespace

bool ExportTisk(TExportTisk &e)
{
    TStavProgramu &b = e.Beh;
    IDotaznik &d = b.Dotaznik();
    // One writer at a time, from the check to the export state.
    const TZamek zamek(b.Adresare.AdrStanice);
    if (!PovolExport(b))
        return false;
    if (e.JeZastup1 && e.JeZastup2 && !PorovnejTypy(e))
        return false;

    const QString problemy = TextDruhuProblemu(b.Stav);
    if (!problemy.isEmpty())
        d.Informace(TitulekExportTisk, problemy);

    TZ_infoE_F info(e.Rodic);
    info.setWindowTitle(TitulekExportTisk);
    info.InfoText1 = u"TISK ZÁPISU I EXPORT DAT\nZA TYP ZASTUPITELSTVA = "_s +
                     b.AktOkrsek.TypZastup + u" POVOLEN."_s;
    info.InfoText2 = u"Pro export na USB disk\nvložte (zapojte) technický nosič,\nna který chcete "
                     u"data exportovat."
                     u"\n\nPokud žádný nevložíte,\nbude umožněn jen export dat na pevný disk."_s;
    d.ProvedDialog(u"TZ_infoE_F"_s, [&] { return info.exec(); });

    TZ_ExportDat_F exportDlg(d, e.Zdroj, b.Adresare, b.Stanice, b.AktOkrsek, e.Rodic);
    exportDlg.Cekej = e.Cekej;
    exportDlg.FormShow();
    d.ProvedDialog(u"TZ_ExportDat_F"_s, [&] { return exportDlg.exec(); });
    if (!exportDlg.ExportProveden)
        return false;

    ZapisStavExportu(b.Adresare.AdrStanice, b.PomTypZastup == 1 ? 1 : 2, u"A"_s, b.Stanice);

    TZ_PocetKopii_F kopie(e.Rodic);
    kopie.FormShow();
    d.ProvedDialog(u"TZ_PocetKopii_F"_s, [&] { return kopie.exec(); });
    if (e.TiskZapisu)
        e.TiskZapisu(kopie.PocetKopiiZapisu);
    return true;
}
