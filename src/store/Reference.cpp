#include "Reference.h"

#include "Cisla.h"
#include "EChyba.h"
#include "PoleRetezcu.h"
#include "Soubory.h"
#include "Zaznam.h"

#include <optional>

namespace {

const TPoleRetezce<TOkrsekRefRec> PoleOkrsku[] = {
    {0, 6, &TOkrsekRefRec::KodObce, u"KodObce"},
    {12, 1, &TOkrsekRefRec::TypZastup, u"TypZastup"},
    {14, 40, &TOkrsekRefRec::NazevObce, u"NazevObce"},
    {55, 6, &TOkrsekRefRec::KodObceZast, u"KodObceZast"},
    {62, 40, &TOkrsekRefRec::NazevZast, u"NazevZast"},
    {103, 2, &TOkrsekRefRec::CObvodu, u"CObvodu"},
    {106, 2, &TOkrsekRefRec::PocetMandatu, u"PocetMandatu"},
    {109, 2, &TOkrsekRefRec::PocetStranZast, u"PocetStranZast"},
    {112, 1, &TOkrsekRefRec::Priznak, u"Priznak"},
    {114, 4, &TOkrsekRefRec::Rezerva, u"Rezerva"},
    {119, 1, &TOkrsekRefRec::JeObvod, u"JeObvod"},
    {121, 4, &TOkrsekRefRec::KodOkresu, u"KodOkresu"},
    {126, 20, &TOkrsekRefRec::NazevOkresu, u"NazevOkresu"},
};
constexpr int PosunCisloOkrskuOkrsky = 8;

const TPoleRetezce<TStranaRec> PoleStrany[] = {
    {0, 6, &TStranaRec::KodObceZast, u"KodObceZast"},
    {7, 2, &TStranaRec::CObvodu, u"CObvodu"},
    {10, 3, &TStranaRec::PorCislo, u"PorCislo"},
    {14, 30, &TStranaRec::NazevZkr, u"NazevZkr"},
    {45, 120, &TStranaRec::Nazev, u"Nazev"},
    {166, 2, &TStranaRec::PocetKand, u"PocetKand"},
};

const TPoleRetezce<TKandidatRec> PoleKandidata[] = {
    {0, 6, &TKandidatRec::KodObceZast, u"KodObceZast"},
    {7, 2, &TKandidatRec::CObvodu, u"CObvodu"},
    {10, 3, &TKandidatRec::PorCisloStrany, u"PorCisloStrany"},
    {14, 2, &TKandidatRec::PorCisloKand, u"PorCisloKand"},
    {17, 40, &TKandidatRec::Jmeno, u"Jmeno"},
    {58, 30, &TKandidatRec::Prijmeni, u"Prijmeni"},
    {89, 3, &TKandidatRec::Rezerva, u"Rezerva"},
    {93, 1, &TKandidatRec::Platnost, u"Platnost"},
};

constexpr int PosunKodObceVolici = 0;
constexpr int PosunCisloOkrskuVolici = 8;
constexpr int PosunZapsOsobyRef = 12;

// A number field of a record; the description for the error is built only on failure,
// since the files are scanned whole on every call.
qint32 CisloPole(const QString &text, const char16_t *pole, int cisloZaznamu, const QString &cesta)
{
    if (const std::optional<qint32> cislo = ZkusPrevestCislo(text))
        return *cislo;
    return PrevedCislo(text,
                       QStringLiteral("poli %1 záznamu č. %2 souboru %3")
                           .arg(QString::fromUtf16(pole), QString::number(cisloZaznamu), cesta));
}

// Matches a party or candidate record to the key: territory code and district, each
// as a number. The district is converted only when the territory matches.
class TShodaZastup
{
public:
    explicit TShodaZastup(const TOkrsekRefRec &klic) : m_klic(klic) {}

    bool Shoduje(const QString &kodObceZast, const QString &cObvodu, int cisloZaznamu,
                 const QString &cesta)
    {
        const qint32 kod = CisloPole(kodObceZast, u"KodObceZast", cisloZaznamu, cesta);
        if (!m_maKod) {
            m_kodKlice = PrevedCislo(m_klic.KodObceZast,
                                     QStringLiteral("kódu zastupitelstva okrsku (KodObceZast)"));
            m_maKod = true;
        }
        if (kod != m_kodKlice)
            return false;
        const qint32 obvod = CisloPole(cObvodu, u"CObvodu", cisloZaznamu, cesta);
        if (!m_maObvod) {
            m_obvodKlice =
                PrevedCislo(m_klic.CObvodu, QStringLiteral("čísle obvodu okrsku (CObvodu)"));
            m_maObvod = true;
        }
        return obvod == m_obvodKlice;
    }

private:
    const TOkrsekRefRec &m_klic;
    // The key's numbers, converted when first needed (an empty file never needs them).
    bool m_maKod = false;
    bool m_maObvod = false;
    qint32 m_kodKlice = 0;
    qint32 m_obvodKlice = 0;
};

} // namespace

void ProPoleRetezcu(TOkrsekRefRec &r, const TNavstevaPole &f)
{
    PoleRetezcu::Navstiv(r, PoleOkrsku, f);
}

void ProPoleRetezcu(TStranaRec &r, const TNavstevaPole &f)
{
    PoleRetezcu::Navstiv(r, PoleStrany, f);
}

void ProPoleRetezcu(TKandidatRec &r, const TNavstevaPole &f)
{
    PoleRetezcu::Navstiv(r, PoleKandidata, f);
}

TOkrsekRefRec DekodujOkrsekRef(const QByteArray &zaznam)
{
    TOkrsekRefRec r = PoleRetezcu::Dekoduj(zaznam, PoleOkrsku, QStringLiteral("OKRSKY.RCD"));
    r.CisloOkrsku = Zaznam::CtiInteger(zaznam, PosunCisloOkrskuOkrsky);
    return r;
}

QByteArray ZakodujOkrsekRef(const TOkrsekRefRec &r)
{
    QByteArray z = PoleRetezcu::Zakoduj(r, PoleOkrsku, QStringLiteral("OKRSKY.RCD"));
    Zaznam::ZapisInteger(z, PosunCisloOkrskuOkrsky, r.CisloOkrsku);
    return z;
}

TStranaRec DekodujStranu(const QByteArray &zaznam)
{
    return PoleRetezcu::Dekoduj(zaznam, PoleStrany, QStringLiteral("STRANY.RCD"));
}

QByteArray ZakodujStranu(const TStranaRec &r)
{
    return PoleRetezcu::Zakoduj(r, PoleStrany, QStringLiteral("STRANY.RCD"));
}

TKandidatRec DekodujKandidata(const QByteArray &zaznam)
{
    return PoleRetezcu::Dekoduj(zaznam, PoleKandidata, QStringLiteral("KANDIDAT.RCD"));
}

QByteArray ZakodujKandidata(const TKandidatRec &r)
{
    return PoleRetezcu::Zakoduj(r, PoleKandidata, QStringLiteral("KANDIDAT.RCD"));
}

TVoliciRefRec DekodujVoliceRef(const QByteArray &zaznam)
{
    Zaznam::OverDelku(zaznam, TVoliciRefRec::Velikost, QStringLiteral("KVRVOK.RCD"));
    TVoliciRefRec r;
    r.KodObce = Zaznam::CtiRetezec(zaznam, PosunKodObceVolici, 6);
    r.CisloOkrsku = Zaznam::CtiInteger(zaznam, PosunCisloOkrskuVolici);
    r.ZapsOsobyRef = Zaznam::CtiInteger(zaznam, PosunZapsOsobyRef);
    return r;
}

QByteArray ZakodujVoliceRef(const TVoliciRefRec &r)
{
    QByteArray z(TVoliciRefRec::Velikost, '\0');
    Zaznam::ZapisRetezec(z, PosunKodObceVolici, 6, r.KodObce, QStringLiteral("KVRVOK.RCD.KodObce"));
    Zaznam::ZapisInteger(z, PosunCisloOkrskuVolici, r.CisloOkrsku);
    Zaznam::ZapisInteger(z, PosunZapsOsobyRef, r.ZapsOsobyRef);
    return z;
}

bool NajdiOkrsek(const TAdresare &adr, TOkrsekRefRec &klic)
{
    const QString cesta = Soubory::NajdiSoubor(adr.AdrStanice, QStringLiteral("OKRSKY.RCD"));
    const QList<QByteArray> zaznamy = Zaznam::NactiZaznamy(cesta, TOkrsekRefRec::Velikost);
    if (zaznamy.isEmpty())
        throw EChyba(QStringLiteral("Soubor %1 neobsahuje žádný záznam okrsku.").arg(cesta));

    bool nalezen = false;
    TOkrsekRefRec posledni;
    for (const QByteArray &z : zaznamy) {
        posledni = DekodujOkrsekRef(z);
        if (posledni.KodObce == klic.KodObce && posledni.CisloOkrsku == klic.CisloOkrsku &&
            posledni.TypZastup == klic.TypZastup) {
            nalezen = true;
            break;
        }
    }
    // Without a match the descriptive fields come from the file's last record.
    klic.NazevObce = posledni.NazevObce;
    klic.KodObceZast = posledni.KodObceZast;
    klic.NazevZast = posledni.NazevZast;
    klic.CObvodu = posledni.CObvodu;
    klic.PocetMandatu = posledni.PocetMandatu;
    klic.PocetStranZast = posledni.PocetStranZast;
    klic.Priznak = posledni.Priznak;
    klic.Rezerva = posledni.Rezerva;
    klic.JeObvod = posledni.JeObvod;
    klic.KodOkresu = posledni.KodOkresu;
    klic.NazevOkresu = posledni.NazevOkresu;
    return nalezen;
}

bool ExistujeObec(const TAdresare &adr, const QString &kodObce)
{
    const QString cesta = Soubory::NajdiSoubor(adr.AdrStanice, QStringLiteral("OKRSKY.RCD"));
    const QList<QByteArray> zaznamy = Zaznam::NactiZaznamy(cesta, TOkrsekRefRec::Velikost);
    for (const QByteArray &z : zaznamy) {
        if (Zaznam::CtiRetezec(z, 0, 6) == kodObce)
            return true;
    }
    return false;
}

void NactiStrany(const TAdresare &adr, const TOkrsekRefRec &klic, TReference &ref)
{
    const QString cesta = Soubory::NajdiSoubor(adr.AdrStanice, QStringLiteral("STRANY.RCD"));
    const QList<QByteArray> zaznamy = Zaznam::NactiZaznamy(cesta, TStranaRec::Velikost);
    TShodaZastup shoda(klic);
    // The count follows every stored entry, so after an error it covers exactly the
    // parties read before it.
    ref.PocetStranSeznamu = 0;
    for (int i = 0; i < zaznamy.size(); ++i) {
        TStranaRec strana = DekodujStranu(zaznamy.at(i));
        if (!shoda.Shoduje(strana.KodObceZast, strana.CObvodu, i + 1, cesta))
            continue;
        if (ref.PocetStranSeznamu >= MaxStran) {
            throw EChyba(
                QStringLiteral("Soubor %1 obsahuje pro zastupitelstvo %2, obvod %3 více než %4 "
                               "volebních stran (záznam č. %5).")
                    .arg(cesta, klic.KodObceZast, klic.CObvodu, QString::number(MaxStran),
                         QString::number(i + 1)));
        }
        ref.SeznamStran[++ref.PocetStranSeznamu] = std::move(strana);
    }
}

void NactiKandidaty(const TAdresare &adr, const TOkrsekRefRec &klic, TReference &ref)
{
    ref.PocetPlatnychKand = 0;
    const QString jmeno(15, u'-');
    const QString prijmeni(20, u'-');
    const QString rezerva(3, u'-');
    const QString platnost(1, u'-');
    for (int p = 1; p <= MaxStran; ++p) {
        for (int c = 1; c <= MaxKandidatu; ++c) {
            TKandidatRec &k = ref.Kandidati[p][c];
            k.Jmeno = jmeno;
            k.Prijmeni = prijmeni;
            k.Rezerva = rezerva;
            k.Platnost = platnost;
        }
    }

    const QString cesta = Soubory::NajdiSoubor(adr.AdrStanice, QStringLiteral("KANDIDAT.RCD"));
    const QList<QByteArray> zaznamy = Zaznam::NactiZaznamy(cesta, TKandidatRec::Velikost);
    TShodaZastup shoda(klic);
    for (int i = 0; i < zaznamy.size(); ++i) {
        const TKandidatRec r = DekodujKandidata(zaznamy.at(i));
        if (!shoda.Shoduje(r.KodObceZast, r.CObvodu, i + 1, cesta))
            continue;
        const qint32 p = CisloPole(r.PorCisloStrany, u"PorCisloStrany", i + 1, cesta);
        const qint32 c = CisloPole(r.PorCisloKand, u"PorCisloKand", i + 1, cesta);
        if (p < 1 || p > MaxStran || c < 1 || c > MaxKandidatu) {
            throw EChyba(
                QStringLiteral("Soubor %1, záznam č. %2: kandidát č. %3 strany č. %4 je mimo "
                               "rozsah (strana 1 až %5, kandidát 1 až %6).")
                    .arg(cesta, QString::number(i + 1), r.PorCisloKand, r.PorCisloStrany,
                         QString::number(MaxStran), QString::number(MaxKandidatu)));
        }
        TKandidatRec &k = ref.Kandidati[p][c];
        k.Jmeno = r.Jmeno;
        k.Prijmeni = r.Prijmeni;
        k.Rezerva = r.Rezerva;
        k.Platnost = r.Platnost;
        if (r.Platnost == u"A")
            ++ref.PocetPlatnychKand;
    }
}

qint32 ZapsOsobyRef(const TAdresare &adr, const QString &kodObce, qint32 cisloOkrsku)
{
    const QString cesta = Soubory::NajdiSoubor(adr.AdrInstalace, QStringLiteral("KVRVOK.RCD"));
    const QList<QByteArray> zaznamy = Zaznam::NactiZaznamy(cesta, TVoliciRefRec::Velikost);
    qint32 vysledek = 0;
    for (const QByteArray &z : zaznamy) {
        const TVoliciRefRec r = DekodujVoliceRef(z);
        if (r.KodObce == kodObce && r.CisloOkrsku == cisloOkrsku)
            vysledek = r.ZapsOsobyRef; // the last match wins
    }
    return vysledek;
}
