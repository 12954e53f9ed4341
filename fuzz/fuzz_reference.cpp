// Feeds one input as every station, reference and section file at once and runs each
// reader on it. Damaged input may only raise EChyba; decoded records must re-encode
// to the same bytes.
#include "Adresare.h"
#include "EChyba.h"
#include "Hlasovani.h"
#include "Reference.h"
#include "Stanice.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Zapis(const QString &cesta, const QByteArray &obsah)
{
    QFile f(cesta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(obsah) != obsah.size())
        std::abort();
}

void Over(bool podminka)
{
    if (!podminka)
        std::abort();
}

template <typename F> void Zkus(F &&f)
{
    try {
        f();
    } catch (const EChyba &) {
    }
}

// Encoding a decoded record and decoding it again must be stable.
template <typename Dekoduj, typename Zakoduj>
void OverStabilitu(const QByteArray &vstup, int velikost, Dekoduj dekoduj, Zakoduj zakoduj)
{
    if (vstup.size() < velikost)
        return;
    const QByteArray jednou = zakoduj(dekoduj(vstup.left(velikost)));
    Over(jednou.size() == velikost);
    Over(zakoduj(dekoduj(jednou)) == jednou);
}

// The key of the council that a party or candidate record belongs to.
template <typename T> TOkrsekRefRec KlicRady(const T &zaznam)
{
    TOkrsekRefRec klic;
    klic.KodObceZast = zaznam.KodObceZast;
    klic.CObvodu = zaznam.CObvodu;
    return klic;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static TReference ref;
    const QString adr = dir.path() + u'/';
    const QByteArray vstup(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const char *jmeno : {"OKRSKY.RCD", "STRANY.RCD", "KANDIDAT.RCD", "KVRVOK.RCD",
                              "STANICE.RCD", "HLASO.RCD", "KOMISE.RCD", "INFOK83.RCD"})
        Zapis(adr + QLatin1StringView(jmeno), vstup);

    TAdresare a;
    a.AdrInstalace = a.AdrStanice = a.AdrData = adr;

    // Keys taken from the input's first record, so that the searches find matches.
    Zkus([&] {
        TOkrsekRefRec klic = DekodujOkrsekRef(vstup.left(TOkrsekRefRec::Velikost));
        const bool nalezen = NajdiOkrsek(a, klic);
        Over(nalezen);
        ExistujeObec(a, klic.KodObce);
    });
    Zkus([&] {
        NactiStrany(a, KlicRady(DekodujStranu(vstup.left(TStranaRec::Velikost))), ref);
        Over(ref.PocetStranSeznamu >= 0 && ref.PocetStranSeznamu <= MaxStran);
    });
    Zkus([&] {
        NactiKandidaty(a, KlicRady(DekodujKandidata(vstup.left(TKandidatRec::Velikost))), ref);
    });
    Zkus([&] {
        const TVoliciRefRec v = DekodujVoliceRef(vstup.left(TVoliciRefRec::Velikost));
        ZapsOsobyRef(a, v.KodObce, v.CisloOkrsku);
    });
    Zkus([&] {
        const TStaniceRec s = NactiStanici(adr);
        Over(ZakodujStanici(s) == vstup.left(TStaniceRec::Velikost));
    });
    Zkus([&] {
        const THlasovaniRec h = NactiHlasovani(adr);
        Over(ZakodujHlasovani(h) == vstup.left(THlasovaniRec::Velikost));
    });
    Zkus([&] { NactiKomisi(adr); });
    Zkus([&] {
        TInfo83 info;
        NactiInfo83(adr, 1, info);
        NactiInfo83(adr, 2, info);
    });

    OverStabilitu(vstup, TOkrsekRefRec::Velikost, DekodujOkrsekRef, ZakodujOkrsekRef);
    OverStabilitu(vstup, TStranaRec::Velikost, DekodujStranu, ZakodujStranu);
    OverStabilitu(vstup, TKandidatRec::Velikost, DekodujKandidata, ZakodujKandidata);
    OverStabilitu(vstup, TVoliciRefRec::Velikost, DekodujVoliceRef, ZakodujVoliceRef);
    OverStabilitu(vstup, TInfo83Rec::Velikost, DekodujInfo83, ZakodujInfo83);
    return 0;
}
