#include "Stanice.h"

#include "EChyba.h"
#include "PoleRetezcu.h"
#include "Soubory.h"
#include "Zaznam.h"

namespace {

const QString JmenoSouboru = QStringLiteral("STANICE.RCD");

// A station file is one record, maybe a few; anything this large is not one.
constexpr qint64 MaxVelikostSouboru = qint64(1024) * 1024;

const TPoleRetezce<TStaniceRec> PoleStanice[] = {
    {7, 40, &TStaniceRec::NazevObce, u"NazevObce"},
    {48, 6, &TStaniceRec::KodObce, u"KodObce"},
    {60, 4, &TStaniceRec::KodOkresu, u"KodOkresu"},
    {65, 25, &TStaniceRec::NazevOkresu, u"NazevOkresu"},
    {91, 23, &TStaniceRec::DatumVoleb, u"DatumVoleb"},
    {115, 32, &TStaniceRec::Rezerva1, u"Rezerva1"},
    {148, 32, &TStaniceRec::Rezerva2, u"Rezerva2"},
    {243, 3, &TStaniceRec::PripFontu, u"PripFontu"},
    {247, 2, &TStaniceRec::KodWindows, u"KodWindows"},
    {250, 1, &TStaniceRec::Stav1, u"Stav1"},
    {252, 1, &TStaniceRec::Stav2, u"Stav2"},
};
constexpr int PosunCisloOkrsku = 56;

QString NazevPole(const char16_t *pole)
{
    return JmenoSouboru + u'.' + QString::fromUtf16(pole);
}

QByteArray NactiZaznam0(const QString &cesta)
{
    QByteArray obsah = Soubory::NactiSoubor(cesta, MaxVelikostSouboru);
    if (obsah.size() < TStaniceRec::Velikost) {
        throw EChyba(
            QStringLiteral("Soubor %1 je poškozen: neobsahuje celý záznam stanice "
                           "(%2 B z %3 B).")
                .arg(cesta, QString::number(obsah.size()), QString::number(TStaniceRec::Velikost)));
    }
    return obsah;
}

} // namespace

void ProPoleRetezcu(TStaniceRec &s, const TNavstevaPole &f)
{
    PoleRetezcu::Navstiv(s, PoleStanice, f);
}

TStaniceRec DekodujStanici(const QByteArray &zaznam)
{
    TStaniceRec s = PoleRetezcu::Dekoduj(zaznam, PoleStanice, JmenoSouboru);
    s.CisloOkrsku = Zaznam::CtiInteger(zaznam, PosunCisloOkrsku);
    s.Surovy = zaznam;
    return s;
}

QByteArray ZakodujStanici(const TStaniceRec &s)
{
    QByteArray z = PoleRetezcu::ZakodujPresSurovy(s, PoleStanice, JmenoSouboru);
    Zaznam::ZapisInteger(z, PosunCisloOkrsku, s.CisloOkrsku);
    return z;
}

TStaniceRec NactiStanici(const QString &adrStanice)
{
    const QString cesta = Soubory::NajdiSoubor(adrStanice, JmenoSouboru);
    return DekodujStanici(NactiZaznam0(cesta).left(TStaniceRec::Velikost));
}

void ZapisStavExportu(const QString &adrStanice, int typZastup, const QString &stav,
                      TStaniceRec &stanice)
{
    const QString cesta = Soubory::NajdiSoubor(adrStanice, JmenoSouboru);
    QByteArray obsah = NactiZaznam0(cesta);
    TStaniceRec s = DekodujStanici(obsah.left(TStaniceRec::Velikost));
    // Only the state bytes change; the rest of the record and any further records
    // are written back exactly as read.
    QByteArray zaznam = s.Surovy;
    if (typZastup == 1)
        Zaznam::ZapisRetezec(zaznam, 250, 1, stav, NazevPole(u"Stav1"));
    else
        Zaznam::ZapisRetezec(zaznam, 252, 1, stav, NazevPole(u"Stav2"));
    // Every save says "N" first; a state already stored costs no second write.
    if (zaznam != s.Surovy) {
        obsah.replace(0, TStaniceRec::Velikost, zaznam);
        Soubory::UlozAtomicky(cesta, obsah);
    }
    stanice = DekodujStanici(zaznam);
}
