// precti and zapis: the plain line of a protected results file, both ways.
#include "EChyba.h"
#include "Kodovani.h"
#include "Ochrana.h"
#include "Okrsek.h"
#include "Prikazy.h"
#include "Soubory.h"
#include "Volby.h"
#include "VypisPoli.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

const char *const NapovedaPrecti = R"(Použití: zelkovar-nastroj precti SOUBOR [--pole] [--sha256]

Dešifruje a rozbalí chráněný soubor výsledků okrsku a vypíše jeho řádek
(převedený z Windows-1250 do UTF-8) a konec řádku.
  --pole    místo řádku vypíše každé pole záhlaví, stran, závěrečné věty
            a volných textů jako řádky Jméno=hodnota
  --sha256  vypíše jen kontrolní součet SHA-256 souboru, jak leží na disku
            (k porovnání se součtem z hlášení exportu a z deníku)
)";

const char *const NapovedaZapis = R"(Použití: zelkovar-nastroj zapis RADEK.txt SOUBOR

Zapíše řádek ze souboru RADEK.txt (text v UTF-8; koncový konec řádku se
vynechá) jako chráněný soubor výsledků SOUBOR (zabalený, zašifrovaný, Base64).
)";

QByteArray Klic()
{
    return QByteArray(Ochrana::KlicOkrsku);
}

} // namespace

int PrikazPrecti(const QStringList &argumenty)
{
    const TVolby volby = RozeberVolby({QStringLiteral("precti"),
                                       NapovedaPrecti,
                                       {QStringLiteral("SOUBOR")},
                                       {},
                                       {QStringLiteral("--pole"), QStringLiteral("--sha256")}},
                                      argumenty);
    if (volby.Konec)
        return *volby.Konec;
    const QString cesta = volby.Volne.first();
    const bool pole = volby.Ma(QStringLiteral("--pole"));
    const QByteArray ulozeny = Soubory::NactiSoubor(cesta, Ochrana::MaxVelikostSouboru);
    if (volby.Ma(QStringLiteral("--sha256"))) {
        // The file as it lies, to compare with the sum on the handover note.
        Vypis(QString::fromLatin1(
                  QCryptographicHash::hash(ulozeny, QCryptographicHash::Sha256).toHex()) +
              QStringLiteral("  ") + cesta + u'\n');
        return KodUspech;
    }
    const QByteArray obsah = Ochrana::Otevri(ulozeny, Klic(), cesta);
    // The line ends at the first line break, as the program reads it.
    qsizetype konec = obsah.size();
    for (const char zlom : {'\r', '\n'}) {
        const qsizetype i = obsah.indexOf(zlom);
        if (i >= 0)
            konec = qMin(konec, i);
    }
    const QByteArray radek = obsah.left(konec);
    if (!pole) {
        Vypis(Kodovani::ZCp1250(radek) + u'\n');
        return KodUspech;
    }
    TVysledky v;
    VynulujOkrsek(v);
    // Free-text blocks are written only into "O" files.
    const bool sVolnymTextem = !QFileInfo(cesta).fileName().startsWith(u'E', Qt::CaseInsensitive);
    RozeberRadek(radek, sVolnymTextem, v, cesta);
    Vypis(VypisPoli(v, sVolnymTextem));
    return KodUspech;
}

int PrikazZapis(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby({QStringLiteral("zapis"),
                                   NapovedaZapis,
                                   {QStringLiteral("RADEK.txt"), QStringLiteral("SOUBOR")},
                                   {},
                                   {}},
                                  argumenty);
    if (v.Konec)
        return *v.Konec;
    const QString vstup = v.Volne.at(0);
    QByteArray utf8 = Soubory::NactiSoubor(vstup, Ochrana::MaxVelikostSouboru);
    if (utf8.endsWith('\n'))
        utf8.chop(1);
    if (utf8.endsWith('\r'))
        utf8.chop(1);
    const QString text = QString::fromUtf8(utf8);
    if (text.toUtf8() != utf8)
        throw EChyba(QStringLiteral("Soubor %1 není platný text v UTF-8.").arg(vstup));
    if (text.contains(u'\n') || text.contains(u'\r'))
        throw EChyba(QStringLiteral("Soubor %1 obsahuje více než jeden řádek.").arg(vstup));
    const QByteArray radek = Kodovani::DoCp1250(text, QStringLiteral("souboru %1").arg(vstup));
    if (radek.size() > Ochrana::MaxDelkaObsahu) {
        throw EChyba(QStringLiteral("Řádek v souboru %1 je delší (%2 znaků), než pojme soubor "
                                    "výsledků (%3 znaků).")
                         .arg(vstup)
                         .arg(radek.size())
                         .arg(Ochrana::MaxDelkaObsahu));
    }
    Soubory::UlozAtomicky(v.Volne.at(1), Ochrana::Zasifruj(Ochrana::Zabal(radek), Klic()));
    return KodUspech;
}
