#include "TiskZapisu.h"

#include "Dotaznik.h"
#include "EChyba.h"
#include "Nahled.h"
#include "PreviewF.h"
#include "Soubory.h"
#include "TiskNaTiskarnu.h"

#include <QDir>
#include <QFileInfo>
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

QString SouborKopieZapisu(const QString &adrInstalace, int kopie, const TOkrsekRefRec &okrsek)
{
    // Each precinct and council type keeps its own files: printing one record must not
    // replace the copies of another one.
    const QString zaklad = u"KVT3-%1-%2-typ%3"_s.arg(okrsek.KodObce.trimmed())
                               .arg(okrsek.CisloOkrsku)
                               .arg(okrsek.TypZastup.trimmed());
    return SouborTiskuBezTiskarny(adrInstalace, kopie <= 1 ? zaklad + u".pdf"_s : zaklad + u"-%1.pdf"_s.arg(kopie));
}

int TiskZapisu(TNahled &nahled, QPrinter &tiskarna, IDotaznik &dotaznik, const QString &adrInstalace,
               const TDataZapisu &data, bool jenNahled, bool nahledPoTisku, int kopii, int pocetDnuVoleb,
               QWidget *rodic, const QDateTime &ted)
{
    TTisk tisk(nahled);
    TZapis zapis(tisk, data);
    zapis.PocetDnuVoleb = pocetDnuVoleb;
    zapis.ZacniUlohu(ted);
    // The counting pass: its pages are replaced by the next pass.
    zapis.Probeh();
    zapis.PocetListu = zapis.CisloListu - 1;
    nahled.Titul = TitulZapisu;

    if (!jenNahled) {
        const int kopie = qMax(1, kopii);
        if (MaKamTisknout(tiskarna)) {
            for (int k = 1; k <= kopie; ++k)
                TiskniPrimo(nahled, tiskarna, zapis);
        } else {
            // No printer: every copy is kept as a file, none is dropped.
            QStringList soubory;
            zapis.Primo = true;
            zapis.Probeh();
            for (int k = 1; k <= kopie; ++k) {
                const QString cesta = SouborKopieZapisu(adrInstalace, k, data.AktOkrsek);
                UlozPdf(nahled, cesta);
                soubory.append(QDir::toNativeSeparators(cesta));
            }
            // Copies left from an earlier job with more copies hold older data: they go.
            for (int k = kopie + 1; k <= MaxKopiiZapisu; ++k)
                Soubory::Smaz(SouborKopieZapisu(adrInstalace, k, data.AktOkrsek));
            dotaznik.Informace(u"Tisk"_s, (soubory.size() == 1
                                               ? u"Není nainstalována žádná tiskárna.\nDokument byl uložen do souboru\n"_s
                                               : u"Není nainstalována žádná tiskárna.\nKopie dokumentu byly uloženy do souborů\n"_s)
                                              + soubory.join(u'\n'));
        }
        if (!nahledPoTisku)
            return zapis.PocetListu;
    }
    zapis.Primo = false;
    zapis.Probeh();
    TpreviewF okno(nahled, tiskarna, dotaznik, adrInstalace, rodic);
    dotaznik.ProvedDialog(u"TpreviewF"_s, [&] { return okno.exec(); });
    return zapis.PocetListu;
}
