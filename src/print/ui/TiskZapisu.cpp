#include "TiskZapisu.h"

#include "Adresare.h"
#include "Dotaznik.h"
#include "EChyba.h"
#include "Nahled.h"
#include "PreviewF.h"
#include "PrijetiTisku.h"
#include "TiskNaTiskarnu.h"

#include <QPrinter>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

// One copy straight onto the printer, as one document.
void TiskniPrimo(TNahled &nahled, QPrinter &tiskarna, TZapis &zapis, const QString &titul)
{
    // Each copy is a document of its own; the user's range and copies stay for later jobs.
    const QPrinter::PrintRange rozsah = tiskarna.printRange();
    const int kopii = tiskarna.copyCount();
    tiskarna.setFullPage(true);
    tiskarna.setDocName(titul);
    tiskarna.setPrintRange(QPrinter::AllPages);
    tiskarna.setCopyCount(1);
    const auto obnov = [&] {
        nahled.NastavPrimyTisk(nullptr);
        tiskarna.setPrintRange(rozsah);
        tiskarna.setCopyCount(kopii);
    };
    nahled.NastavPrimyTisk(&tiskarna);
    try {
        zapis.Primo = true;
        zapis.Probeh();
    } catch (...) {
        obnov();
        throw;
    }
    obnov();
}

} // namespace

int TiskZapisu(TNahled &nahled, QPrinter &tiskarna, IDotaznik &dotaznik, const TAdresare &adresare,
               const TDataZapisu &data, bool jenNahled, bool nahledPoTisku, int kopii,
               int pocetDnuVoleb, QWidget *rodic, const QDateTime &ted)
{
    TTisk tisk(nahled);
    TZapis zapis(tisk, data);
    zapis.PocetDnuVoleb = pocetDnuVoleb;
    zapis.ZacniUlohu(ted);
    // The counting pass: its pages are replaced by the next pass.
    zapis.Probeh();
    zapis.PocetListu = zapis.CisloListu - 1;
    nahled.NazevSouboru = NazevTisku(u"KVT3"_s, data.AktOkrsek);

    if (!jenNahled) {
        TTiskovaUloha uloha{TitulUlohy(nahled.NazevSouboru, ted.time()), qMax(1, kopii), {}, {}};
        if (BezTiskarny(tiskarna)) {
            // No printer: every copy is kept as a file of its own, none is dropped.
            zapis.Primo = true;
            zapis.Probeh();
            uloha.Soubory =
                UlozKopie(nahled, adresare.AdrInstalace, 1, nahled.Celkem(), uloha.Kopii);
            DokonciTisk(adresare.AdrStanice, uloha, dotaznik);
        } else if (FrontaPrijme(adresare.AdrStanice, tiskarna.printerName(), uloha.Dokument,
                                dotaznik)) {
            for (int k = 1; k <= uloha.Kopii; ++k)
                TiskniPrimo(nahled, tiskarna, zapis, uloha.Dokument);
            uloha.Tiskarna = tiskarna.printerName();
            if (TiskPrijat(adresare.AdrStanice, uloha.Tiskarna, uloha.Dokument, uloha.Kopii,
                           dotaznik))
                DokonciTisk(adresare.AdrStanice, uloha, dotaznik);
        }
        if (!nahledPoTisku)
            return zapis.PocetListu;
    }
    zapis.Primo = false;
    zapis.Probeh();
    // "Tisk" in the preview prints what the printer gets, not what the screen shows.
    nahled.Prekresli = [&zapis](bool naPapir) {
        zapis.Primo = naPapir;
        zapis.Probeh();
    };
    const auto bezPrekresleni = qScopeGuard([&nahled] { nahled.Prekresli = nullptr; });
    TpreviewF okno(nahled, tiskarna, dotaznik, adresare, rodic);
    dotaznik.ProvedDialog(u"TpreviewF"_s, [&] { return okno.exec(); });
    return zapis.PocetListu;
}
