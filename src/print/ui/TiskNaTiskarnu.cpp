#include "TiskNaTiskarnu.h"

#include "Dotaznik.h"
#include "EChyba.h"
#include "Nahled.h"
#include "Soubory.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

using namespace Qt::StringLiterals;

bool JeTiskarnaNainstalovana(const QPrinter &tiskarna)
{
    if (tiskarna.outputFormat() != QPrinter::NativeFormat || tiskarna.printerName().isEmpty())
        return false;
    return QPrinterInfo::availablePrinterNames().contains(tiskarna.printerName());
}

bool MaKamTisknout(const QPrinter &tiskarna)
{
    const bool doZvolenehoSouboru =
        tiskarna.outputFormat() == QPrinter::PdfFormat && !tiskarna.outputFileName().isEmpty();
    return doZvolenehoSouboru || JeTiskarnaNainstalovana(tiskarna);
}

QString SouborTiskuBezTiskarny(const QString &adrInstalace, const QString &titul)
{
    QString jmeno = titul.trimmed();
    for (QChar &c : jmeno) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20)
            c = u'_';
    }
    if (jmeno.isEmpty() || jmeno.startsWith(u'.'))
        jmeno.prepend(u"tisk"_s);
    if (!jmeno.endsWith(u".pdf", Qt::CaseInsensitive))
        jmeno += u".pdf"_s;
    const QString adresar = Soubory::NajdiAdresar(adrInstalace, u"Tisk"_s);
    return Soubory::NajdiSoubor(adresar, jmeno);
}

QString VytiskniStrany(TNahled &nahled, QPrinter &tiskarna, int od, int doStrany, int kopie,
                       const QString &adrInstalace, IDotaznik &dotaznik)
{
    kopie = qMax(1, kopie);
    if (!MaKamTisknout(tiskarna)) {
        // Nothing to print on: keep the pages as a PDF file rather than drop the job.
        const QString cesta = SouborTiskuBezTiskarny(adrInstalace, nahled.Titul);
        if (!UlozPdf(nahled, cesta, od, doStrany))
            return QString();
        dotaznik.Informace(
            u"Tisk"_s,
            u"Není nainstalována žádná tiskárna.\nDokument byl uložen do souboru\n%1"_s.arg(
                QDir::toNativeSeparators(cesta)));
        return cesta;
    }
    tiskarna.setFullPage(true);
    tiskarna.setDocName(nahled.Titul);
    // We send only the chosen pages; the print system must not filter them again.
    const QPrinter::PrintRange rozsah = tiskarna.printRange();
    tiskarna.setPrintRange(QPrinter::AllPages);
    int opakovani = 1;
    if (tiskarna.supportsMultipleCopies()) {
        tiskarna.setCopyCount(kopie);
    } else {
        tiskarna.setCopyCount(1);
        opakovani = kopie;
    }
    try {
        nahled.TiskniStrany(tiskarna, od, doStrany, opakovani);
    } catch (...) {
        tiskarna.setPrintRange(rozsah);
        throw;
    }
    tiskarna.setPrintRange(rozsah);
    tiskarna.setCopyCount(kopie);
    return QString();
}
