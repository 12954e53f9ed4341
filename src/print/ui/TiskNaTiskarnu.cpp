#include "TiskNaTiskarnu.h"

#include "Adresare.h"
#include "Denik.h"
#include "Dotaznik.h"
#include "Nahled.h"
#include "PrijetiTisku.h"
#include "Reference.h"
#include "Soubory.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

bool JeTiskarnaNainstalovana(const QPrinter &tiskarna)
{
    if (tiskarna.outputFormat() != QPrinter::NativeFormat || tiskarna.printerName().isEmpty())
        return false;
    return QPrinterInfo::availablePrinterNames().contains(tiskarna.printerName());
}

bool BezTiskarny(const QPrinter &tiskarna)
{
    return tiskarna.outputFormat() != QPrinter::NativeFormat || tiskarna.printerName().isEmpty() ||
           QPrinterInfo::availablePrinterNames().isEmpty();
}

QString TitulUlohy(const QString &nazevSouboru, const QTime &cas)
{
    return nazevSouboru + u'-' + cas.toString(u"HHmmss"_s);
}

void DokonciTisk(const QString &adrStanice, const TTiskovaUloha &uloha, IDotaznik &dotaznik)
{
    Denik::Zapis(adrStanice,
                 u"tisk: %1, kopií %2, %3"_s.arg(uloha.Dokument)
                     .arg(uloha.Kopii)
                     .arg(uloha.Soubory.isEmpty() ? u"tiskárna "_s + uloha.Tiskarna
                                                  : u"soubory "_s + uloha.Soubory.join(u", "_s)));
    if (uloha.Soubory.isEmpty())
        return;
    QStringList soubory;
    for (const QString &s : uloha.Soubory)
        soubory.append(QDir::toNativeSeparators(s));
    dotaznik.Informace(
        u"Tisk"_s,
        (soubory.size() == 1
             ? u"Není nainstalována žádná tiskárna.\nDokument byl uložen do souboru\n"_s
             : u"Není nainstalována žádná tiskárna.\nKopie dokumentu byly uloženy do souborů\n"_s) +
            soubory.join(u'\n'));
}

QString NazevTisku(const QString &druh, const TOkrsekRefRec &okrsek)
{
    QString nazev = u"%1-%2-%3"_s.arg(druh, okrsek.KodObce.trimmed()).arg(okrsek.CisloOkrsku);
    if (!okrsek.TypZastup.trimmed().isEmpty())
        nazev += u"-typ"_s + okrsek.TypZastup.trimmed();
    return nazev;
}

QString AdresarTisku(const QString &adrInstalace)
{
    return Soubory::NajdiAdresar(adrInstalace, u"Tisk"_s);
}

QString SouborTisku(const QString &adrInstalace, const QString &nazev, int kopie)
{
    QString jmeno = nazev.trimmed();
    for (QChar &c : jmeno) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20)
            c = u'_';
    }
    if (jmeno.isEmpty() || jmeno.startsWith(u'.'))
        jmeno.prepend(u"tisk"_s);
    if (jmeno.endsWith(u".pdf", Qt::CaseInsensitive))
        jmeno.chop(4);
    if (kopie > 1)
        jmeno += u"-%1"_s.arg(kopie);
    return Soubory::NajdiSoubor(AdresarTisku(adrInstalace), jmeno + u".pdf"_s);
}

QStringList UlozKopie(TNahled &nahled, const QString &adrInstalace, int od, int doStrany, int kopie)
{
    QStringList soubory;
    for (int k = 1; k <= qMax(1, kopie); ++k) {
        const QString cesta = SouborTisku(adrInstalace, nahled.NazevSouboru, k);
        if (!UlozPdf(nahled, cesta, od, doStrany))
            return {};
        soubory.append(cesta);
    }
    // Copies left from an earlier job with more copies hold older pages: they go.
    for (int k = int(soubory.size()) + 1;
         QFileInfo::exists(SouborTisku(adrInstalace, nahled.NazevSouboru, k)); ++k)
        Soubory::Smaz(SouborTisku(adrInstalace, nahled.NazevSouboru, k));
    return soubory;
}

TTiskovaUloha VytiskniStrany(TNahled &nahled, QPrinter &tiskarna, int od, int doStrany, int kopie,
                             const TAdresare &adresare, IDotaznik &dotaznik)
{
    // Paper gets the paper layout, whatever the window shows.
    const int strana = nahled.AktStrana();
    if (nahled.Prekresli)
        nahled.Prekresli(true);
    const auto proObrazovku = qScopeGuard([&] {
        if (nahled.Prekresli) {
            nahled.Prekresli(false);
            nahled.NastavAktStranu(strana);
        }
    });
    TTiskovaUloha uloha{
        TitulUlohy(nahled.NazevSouboru, QTime::currentTime()), qMax(1, kopie), {}, {}};
    if (BezTiskarny(tiskarna)) {
        // Nothing to print on: each copy is kept as a file rather than the job dropped.
        uloha.Soubory = UlozKopie(nahled, adresare.AdrInstalace, od, doStrany, uloha.Kopii);
        if (uloha.Soubory.isEmpty())
            return uloha;
    } else {
        if (!FrontaPrijme(adresare.AdrStanice, tiskarna.printerName(), uloha.Dokument, dotaznik))
            return uloha;
        tiskarna.setFullPage(true);
        tiskarna.setDocName(uloha.Dokument);
        // We send only the chosen pages; the print system must not filter them again.
        const QPrinter::PrintRange rozsah = tiskarna.printRange();
        tiskarna.setPrintRange(QPrinter::AllPages);
        int opakovani = 1;
        if (tiskarna.supportsMultipleCopies()) {
            tiskarna.setCopyCount(uloha.Kopii);
        } else {
            tiskarna.setCopyCount(1);
            opakovani = uloha.Kopii;
        }
        const auto obnov = [&] {
            tiskarna.setPrintRange(rozsah);
            tiskarna.setCopyCount(uloha.Kopii);
        };
        try {
            if (!nahled.TiskniStrany(tiskarna, od, doStrany, opakovani)) {
                obnov();
                return uloha;
            }
        } catch (...) {
            obnov();
            throw;
        }
        obnov();
        if (!TiskPrijat(adresare.AdrStanice, tiskarna.printerName(), uloha.Dokument, 1, dotaznik))
            return uloha;
        uloha.Tiskarna = tiskarna.printerName();
    }
    DokonciTisk(adresare.AdrStanice, uloha, dotaznik);
    return uloha;
}
