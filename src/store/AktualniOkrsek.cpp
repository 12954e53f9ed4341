// Which of the two results files of a key is current, from what travels inside them.
#include "Denik.h"
#include "EChyba.h"
#include "Okrsek.h"
#include "Oznameni.h"

#include <QFileInfo>

#include <tuple>

namespace {

// What a file says of its save, in the order the rule weighs it.
struct TUlozeni
{
    bool citelny = false;
    bool sCasem = false;
    qint64 cislo = 0;
    QString kdy; // yyyyMMddHHmmss

    auto Klic() const { return std::tie(citelny, sCasem, cislo, kdy); }
};

bool JeCasUlozeni(const QString &kdy)
{
    if (kdy.size() != 14)
        return false;
    for (const QChar c : kdy) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

TUlozeni Ulozeni(const QString &cesta, bool sVolnymTextem)
{
    TUlozeni u;
    try {
        TVysledky v;
        RozeberRadek(NactiChranenyRadek(cesta), sVolnymTextem, v, cesta);
        u.citelny = true;
        u.kdy = v.VetaTS.DatumPorizeni.trimmed() + v.VetaTS.CasPorizeni.trimmed();
        u.sCasem = JeCasUlozeni(u.kdy);
        u.cislo = qint64(v.VetaTS.Rezervovano);
    } catch (const EChyba &) {
        // An unreadable file loses to any readable one.
    }
    return u;
}

struct TSoubory
{
    QString o, e;
    bool jeO = false, jeE = false;
};

TSoubory NajdiSoubory(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    TSoubory s;
    s.o = JmenoSouboruOkrsku(adr, klic, QStringLiteral("O"));
    s.e = JmenoSouboruOkrsku(adr, klic, QStringLiteral("E"));
    // Anything standing in a file's place counts: its reader then refuses a FIFO or a
    // device by name instead of the data seeming never to have been entered.
    s.jeO = QFileInfo::exists(s.o);
    s.jeE = QFileInfo::exists(s.e);
    return s;
}

} // namespace

QString AktualniPrefix(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    const TSoubory s = NajdiSoubory(adr, klic);
    if (!s.jeO && !s.jeE)
        return {};
    if (s.jeO != s.jeE)
        return s.jeO ? QStringLiteral("O") : QStringLiteral("E");
    return Ulozeni(s.e, false).Klic() > Ulozeni(s.o, true).Klic() ? QStringLiteral("E")
                                                                  : QStringLiteral("O");
}

QString UklidOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    QString prefix = AktualniPrefix(adr, klic);
    const TSoubory s = NajdiSoubory(adr, klic);
    if (!s.jeO || !s.jeE)
        return prefix;
    const QString plati = prefix == u"O" ? s.o : s.e;
    const QString stary = prefix == u"O" ? s.e : s.o;
    const QString kam = UschovejZrusene(
        adr, stary,
        QStringLiteral("starší soubor %1 přerušeného uložení uschován jako %2; platí %3")
            .arg(QStringLiteral("%1"), QStringLiteral("%2"), QFileInfo(plati).fileName()));
    try {
        Oznameni::Pridej(
            adr.AdrStanice,
            QStringLiteral("Uložení dat bylo přerušeno a zůstaly po něm dva soubory výsledků.\n"
                           "Platí novější soubor %1; starší soubor %2 byl přesunut do %3.")
                .arg(QFileInfo(plati).fileName(), QFileInfo(stary).fileName(), kam));
    } catch (const EChyba &) {
        // The journal holds it; the data are in order.
    }
    return prefix;
}

QString NactiAktualniOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic, TVysledky &v)
{
    QString prefix = adr.JenCteni ? AktualniPrefix(adr, klic) : UklidOkrsek(adr, klic);
    NactiOkrsek(adr, klic, prefix.isEmpty() ? QStringLiteral("E") : prefix, v);
    return prefix;
}

void NumerujUlozeni(const TAdresare &adr, const TOkrsekRefRec &klic, TVysledky &v)
{
    const TSoubory s = NajdiSoubory(adr, klic);
    qint64 posledni = 0;
    if (s.jeO)
        posledni = Ulozeni(s.o, true).cislo;
    if (s.jeE)
        posledni = qMax(posledni, Ulozeni(s.e, false).cislo);
    const double cislo = double(qMax<qint64>(posledni, 0) + 1);
    v.VetaTS.KontrSoucetTS += cislo - v.VetaTS.Rezervovano;
    v.VetaTS.Rezervovano = cislo;
}
