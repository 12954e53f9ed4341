// A stored results file from an untrusted source: decipher, unpack and parse it
// with and without free text. Only EChyba may come out.
#include "EChyba.h"
#include "Ochrana.h"
#include "Okrsek.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(Ochrana::MaxVelikostSouboru))
        return 0;
    const QByteArray ulozeny(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString nazev = QStringLiteral("fuzz");
    QByteArray obsah;
    try {
        obsah = Ochrana::Otevri(ulozeny, QByteArray(Ochrana::KlicOkrsku), nazev);
    } catch (const EChyba &) {
        // Most inputs die here; parse the raw bytes too so the parser is reached.
        obsah = ulozeny;
    }
    qsizetype konec = obsah.indexOf('\r');
    const qsizetype lf = obsah.indexOf('\n');
    if (konec < 0 || (lf >= 0 && lf < konec))
        konec = lf;
    const QByteArray radek = konec < 0 ? obsah : obsah.left(konec);
    for (const bool sTextem : {false, true}) {
        TVysledky v;
        try {
            RozeberRadek(radek, sTextem, v, nazev);
        } catch (const EChyba &) {
            continue;
        }
        // A record that was read can always be written back, no wider than it was,
        // and writing is a fixed point of reading.
        const QByteArray znovu = SestavRadek(v, sTextem);
        if (znovu.size() > radek.size())
            __builtin_trap();
        TVysledky w;
        RozeberRadek(znovu, sTextem, w, nazev);
        if (SestavRadek(w, sTextem) != znovu)
            __builtin_trap();
    }
    return 0;
}
