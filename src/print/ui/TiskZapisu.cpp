#include "TiskZapisu.h"

#include "Dotaznik.h"
#include "EChyba.h"
#include "Nahled.h"
#include "PreviewF.h"
#include "TiskNaTiskarnu.h"

#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {

const QString TitulZapisu = u"KVT3.pdf"_s;

// One copy straight onto the printer, as one document.
void TiskniPrimo(TNahled &nahled, QPrinter &tiskarna, TZapis &zapis)
{
    // Each copy is a document of its own; the user's range and copies stay for later jobs.
    const QPrinter::PrintRange rozsah = tiskarna.printRange();
    const int kopii = tiskarna.copyCount();
    tiskarna.setFullPage(true);
    tiskarna.setDocName(nahled.Titul);
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

int TiskZapisu(TNahled &nahled, QPrinter &tiskarna, IDotaznik &dotaznik,
               const QString &adrInstalace, const TDataZapisu &data, bool jenNahled,
               bool nahledPoTisku, int kopii, int pocetDnuVoleb, QWidget *rodic,
               const QDateTime &ted)
{
    TTisk tisk(nahled);
    TZapis zapis(tisk, data);
    zapis.PocetDnuVoleb = pocetDnuVoleb;
    zapis.ZacniUlohu(ted);
    // The counting pass: its pages are replaced by the next pass.
    zapis.Probeh();
    zapis.PocetListu = zapis.CisloListu - 1;
    nahled.Titul = TitulZapisu;
    nahled.NazevSouboru = NazevTisku(u"KVT3"_s, data.AktOkrsek);

    if (!jenNahled) {
        TTiskovaUloha uloha{nahled.Titul, qMax(1, kopii), {}, {}};
        if (JeTiskarnaNainstalovana(tiskarna)) {
            for (int k = 1; k <= uloha.Kopii; ++k)
                TiskniPrimo(nahled, tiskarna, zapis);
            uloha.Tiskarna = tiskarna.printerName();
        } else {
            // No printer: every copy is kept as a file of its own, none is dropped.
            zapis.Primo = true;
            zapis.Probeh();
            uloha.Soubory = UlozKopie(nahled, adrInstalace, 1, nahled.Celkem(), uloha.Kopii);
        }
        DokonciTisk(uloha, dotaznik);
        if (!nahledPoTisku)
            return zapis.PocetListu;
    }
    zapis.Primo = false;
    zapis.Probeh();
    TpreviewF okno(nahled, tiskarna, dotaznik, adrInstalace, rodic);
    dotaznik.ProvedDialog(u"TpreviewF"_s, [&] { return okno.exec(); });
    return zapis.PocetListu;
}
