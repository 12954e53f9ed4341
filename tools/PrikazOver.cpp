// over: the receiving point's check of a handed-over results file, with no
// installation: the whole encoding, the record and its check sums, and the
// fingerprint as typed from the signed record.
#include "Dopocty.h"
#include "EChyba.h"
#include "Export.h"
#include "Kontroly.h"
#include "Ochrana.h"
#include "Okrsek.h"
#include "OtiskExportu.h"
#include "Prikazy.h"
#include "Skoleni.h"
#include "Soubory.h"
#include "Volby.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaOver = R"(Použití: zelkovar-nastroj over SOUBOR [--otisk TEXT]

Ověří předaný soubor výsledků okrsku bez instalace: celý zápis (Base64,
šifra, komprese), stavbu řádku a všechny kontrolní součty závěrečné věty.
Vypíše obec, okrsek, typ zastupitelstva, čtyři počty oddílu II, počet stran,
zda název souboru odpovídá obsahu, a otisk souboru (SHA-256) ve skupinách.
Soubor cvičné stanice (název začíná CVICNE-) označí jako cvičný soubor.
  --otisk TEXT  porovná otisk s otiskem opsaným ze zápisu: všech 64 číslic
                s libovolnými mezerami, nebo první 4 a více skupin po čtyřech
                číslicích oddělených mezerami; na velikosti písmen nezáleží

Návratové kódy:
  0  soubor je v pořádku (a otisk souhlasí)
  1  soubor je poškozen (vypíše, kde)
  2  chybné použití (i otisk v nesprávném tvaru)
  4  otisk se liší (vypíše, které skupiny)
)";

// The fingerprint as typed: the groups to compare, or nothing when the text is not a
// fingerprint.
std::optional<QStringList> RozeberOtisk(const QString &text)
{
    static const QRegularExpression mezery(u"\\s+"_s);
    static const QRegularExpression cely(u"^[0-9a-f]{64}$"_s);
    static const QRegularExpression skupina(u"^[0-9a-f]{4}$"_s);
    const QString maly = text.trimmed().toLower();
    QString bezMezer = maly;
    bezMezer.remove(mezery);
    if (cely.match(bezMezer).hasMatch())
        return OtiskVeSkupinach(bezMezer).split(u' ');
    const QStringList skupiny = maly.split(mezery, Qt::SkipEmptyParts);
    if (skupiny.size() < 4 || skupiny.size() > 16)
        return std::nullopt;
    for (const QString &s : skupiny) {
        if (!skupina.match(s).hasMatch())
            return std::nullopt;
    }
    return skupiny;
}

void Poskozeny(const QString &cesta, const QString &kde)
{
    throw EChyba(u"Soubor %1 je poškozen: %2"_s.arg(cesta, kde));
}

// Every check sum of the closing record against the header and the parties.
void OverSoucty(const TVysledky &v, const QString &cesta)
{
    const TOkrsekRec &h = v.VetaT3;
    const TVetaTS &z = v.VetaTS;
    if (h.T3KC_1 != KontrolniCislo1(h.Obec, h.Okrsek))
        Poskozeny(cesta, u"kontrolní číslo KČ1 záhlaví (VetaT3.T3KC_1 = %1) neodpovídá obci a "
                         u"okrsku"_s.arg(h.T3KC_1));
    if (z.Obec != h.Obec || z.Okrsek != h.Okrsek || z.TypZastup != h.TypZastup)
        Poskozeny(cesta, u"závěrečná věta patří k jinému okrsku než záhlaví"_s);
    const TSouctyTS s = SouctyTS(v, h.Pocet_VS);
    const struct
    {
        const char16_t *Pole;
        double Ulozeno;
        double Spocteno;
    } soucty[] = {{u"SoucetKC1", z.SoucetKC1, double(s.KC1)},
                  {u"SoucetKC2", z.SoucetKC2, double(s.KC2)},
                  {u"SoucetKS", z.SoucetKS, double(s.KS)},
                  {u"KontrSoucetTS", z.KontrSoucetTS, KontrolniSoucetTS(z)}};
    for (const auto &p : soucty) {
        if (p.Ulozeno != p.Spocteno)
            Poskozeny(cesta, u"kontrolní součet VetaTS.%1 = %2, ze záznamu vychází %3"_s
                                 .arg(QStringView(p.Pole))
                                 .arg(p.Ulozeno, 0, 'f', 0)
                                 .arg(p.Spocteno, 0, 'f', 0));
    }
}

// Compares the typed groups with the file's; returns the numbers of those that differ.
QStringList RozdilneSkupiny(const QStringList &opsane, const QStringList &souboru)
{
    QStringList rozdilne;
    for (qsizetype i = 0; i < opsane.size(); ++i) {
        if (opsane.at(i) != souboru.at(i))
            rozdilne.append(QString::number(i + 1));
    }
    return rozdilne;
}

} // namespace

int PrikazOver(const QStringList &argumenty)
{
    const TVolby volby =
        RozeberVolby({u"over"_s, NapovedaOver, {u"SOUBOR"_s}, {u"--otisk"_s}, {}}, argumenty);
    if (volby.Konec)
        return *volby.Konec;
    std::optional<QStringList> opsane;
    if (volby.Ma(u"--otisk"_s)) {
        opsane = RozeberOtisk(volby.Hodnota(u"--otisk"_s));
        if (!opsane) {
            VypisChybu(u"otisk „%1“ nemá tvar 64 šestnáctkových číslic ani 4 a více skupin po "
                       u"čtyřech číslicích (viz --help)"_s.arg(volby.Hodnota(u"--otisk"_s)));
            return KodPouziti;
        }
    }
    const QString cesta = volby.Volne.first();
    const QByteArray ulozeny = Soubory::NactiSoubor(cesta, Ochrana::MaxVelikostSouboru);
    const QByteArray radek = RozbalChranenyRadek(ulozeny, cesta);
    // The program writes one canonical form; any other bytes were changed on the way.
    const QByteArray klic(Ochrana::KlicOkrsku);
    const QByteArray kontejner = Ochrana::Desifruj(ulozeny, klic, cesta);
    if (Ochrana::Zasifruj(kontejner, klic) != ulozeny)
        Poskozeny(cesta, u"zápis Base64 není ten, který program vytváří"_s);
    // The program fills the cipher's last block with zeros; readers ignore the filler.
    qsizetype konecProudu = 0;
    Ochrana::Rozbal(kontejner, cesta, &konecProudu);
    const QByteArray vypln = kontejner.mid(konecProudu);
    if (vypln.size() >= 8 || vypln.count('\0') != vypln.size())
        Poskozeny(cesta,
                  u"za komprimovanými daty je %1 B, které program nezapisuje"_s.arg(vypln.size()));
    TVysledky v;
    VynulujOkrsek(v);
    RozeberRadek(radek, true, v, cesta);
    OverSoucty(v, cesta);

    const TOkrsekRec &h = v.VetaT3;
    const QString kodObce = u"%1"_s.arg(h.Obec, 6, 10, QChar(u'0'));
    const QString jmeno = JmenoExportu(kodObce, h.Okrsek, h.TypZastup);
    // A training station's export carries its mark only in the name, before the
    // official one.
    QString nazev = QFileInfo(cesta).fileName();
    const bool cvicny = nazev.startsWith(Skoleni::PredponaExportu, Qt::CaseInsensitive);
    if (cvicny)
        nazev.remove(0, Skoleni::PredponaExportu.size());
    const bool jmenoSedi = nazev.compare(jmeno, Qt::CaseInsensitive) == 0;
    const QString sha =
        QString::fromLatin1(QCryptographicHash::hash(ulozeny, QCryptographicHash::Sha256).toHex());
    QString vypis;
    vypis += u"Soubor: %1\n"_s.arg(cesta);
    vypis += u"Obec: %1\nOkrsek: %2\nTyp zastupitelstva: %3\n"_s.arg(kodObce).arg(h.Okrsek).arg(
        h.TypZastup);
    vypis += u"Voliči v seznamu: %1\nVydané obálky: %2\nOdevzdané obálky: %3\n"
             u"Platné hlasy: %4\nPočet volebních stran: %5\n"_s.arg(h.ZapsOsoby)
                 .arg(h.VydObalky)
                 .arg(h.OdevzdObalky)
                 .arg(h.PlatneHlasy)
                 .arg(h.Pocet_VS);
    vypis += jmenoSedi ? u"Název souboru odpovídá obsahu: ano\n"_s
                       : u"Název souboru odpovídá obsahu: NE (podle obsahu %1)\n"_s.arg(jmeno);
    vypis += u"Otisk souboru (SHA-256): %1\n"_s.arg(OtiskVeSkupinach(sha));
    vypis += cvicny ? u"Soubor je v pořádku, ale je to cvičný soubor ze školení (%1): jeho data "
                      u"jsou neplatná, nepřebírejte jej.\n"_s.arg(Skoleni::TextZnacky)
                    : u"Soubor je v pořádku.\n"_s;
    if (!opsane) {
        Vypis(vypis);
        return KodUspech;
    }
    const QStringList rozdilne = RozdilneSkupiny(*opsane, OtiskVeSkupinach(sha).split(u' '));
    if (rozdilne.isEmpty()) {
        Vypis(vypis + u"Otisk souhlasí (porovnáno skupin: %1).\n"_s.arg(opsane->size()));
        return KodUspech;
    }
    Vypis(vypis + u"OTISK SE LIŠÍ ve skupinách: %1.\n"_s.arg(rozdilne.join(u", "_s)));
    return KodRozdily;
}
