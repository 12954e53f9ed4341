#include "PopisVysledku.h"

#include "Cisla.h"
#include "Dopocty.h"
#include "EChyba.h"
#include "Reference.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A whole number within 0..max, or EChyba naming the record and the field.
qint32 Pocet(const QJsonValue &hodnota, const QString &kde, qint32 max)
{
    const double d = hodnota.toDouble(-1);
    // The range first: converting a number such as 1e308 to an integer is undefined.
    if (!hodnota.isDouble() || !(d >= 0 && d <= max) || d != std::floor(d))
        throw EChyba(u"%1 musí být celé číslo od 0 do %2."_s.arg(kde).arg(max));
    return qint32(d);
}

void HlasyStran(const QJsonValue &hodnota, const TReference &ref, TVysledky &v, const QString &kde)
{
    if (hodnota.isUndefined())
        return;
    if (!hodnota.isArray())
        throw EChyba(u"%1: „strany“ musí být pole."_s.arg(kde));
    const int pocetStran = qBound(0, int(ref.PocetStranSeznamu), MaxStran);
    const QJsonArray strany = hodnota.toArray();
    QSet<int> uvedene;
    for (qsizetype i = 0; i < strany.size(); ++i) {
        const QString kdeStrana = u"%1, strany[%2]"_s.arg(kde).arg(i);
        if (!strany.at(i).isObject())
            throw EChyba(u"%1 musí být objekt."_s.arg(kdeStrana));
        const QJsonObject strana = strany.at(i).toObject();
        for (const QString &klic : strana.keys()) {
            if (klic != u"PorStHL" && klic != u"HlasyKand")
                throw EChyba(u"%1: neznámé pole %2."_s.arg(kdeStrana, klic));
        }
        const int k = Pocet(strana.value(u"PorStHL"), kdeStrana + u", PorStHL"_s, pocetStran);
        if (k < 1)
            throw EChyba(u"%1: strana s pořadím 0 na lístku není."_s.arg(kdeStrana));
        // A second entry would silently replace the first one's votes.
        if (uvedene.contains(k))
            throw EChyba(u"%1: strana %2 je v popisu uvedena podruhé."_s.arg(kdeStrana).arg(k));
        uvedene.insert(k);
        const int pocetKand = qBound(
            0, int(CisloNeboNula(ref.SeznamStran[std::size_t(k)].PocetKand)), int(MaxKandidatu));
        const QJsonValue hlasy = strana.value(u"HlasyKand");
        if (!hlasy.isArray())
            throw EChyba(u"%1: „HlasyKand“ musí být pole čísel."_s.arg(kdeStrana));
        const QJsonArray pole = hlasy.toArray();
        if (pole.size() > pocetKand) {
            throw EChyba(u"%1: strana %2 má jen %3 kandidátů, hlasů je uvedeno %4."_s.arg(kdeStrana)
                             .arg(k)
                             .arg(pocetKand)
                             .arg(pole.size()));
        }
        for (qsizetype j = 0; j < pole.size(); ++j) {
            v.StranyHL[std::size_t(k)].HlasyKand[std::size_t(j + 1)] =
                quint16(Pocet(pole.at(j), u"%1, HlasyKand[%2]"_s.arg(kdeStrana).arg(j), 0xFFFF));
        }
    }
}

} // namespace

TPorizeniTypu VysledkyZPopisu(const QJsonValue &hodnota, const QString &kde,
                              const TStaniceNastroje &st)
{
    if (!hodnota.isObject())
        throw EChyba(u"%1 musí být objekt."_s.arg(kde));
    const QJsonObject o = hodnota.toObject();
    static const QStringList znamo{u"TypZastup"_s,    u"ZapsOsoby"_s,   u"VydObalky"_s,
                                   u"OdevzdObalky"_s, u"PlatneHlasy"_s, u"strany"_s};
    for (const QString &klic : o.keys()) {
        if (!znamo.contains(klic))
            throw EChyba(u"%1: neznámé pole %2."_s.arg(kde, klic));
    }
    TPorizeniTypu t;
    t.Klic.KodObce = st.Stanice.KodObce;
    t.Klic.CisloOkrsku = st.Stanice.CisloOkrsku;
    t.Klic.TypZastup = o.value(u"TypZastup").toString();
    if (t.Klic.TypZastup != u"1" && t.Klic.TypZastup != u"2")
        throw EChyba(u"%1: TypZastup musí být text \"1\" nebo \"2\"."_s.arg(kde));
    if (!NajdiOkrsek(st.Adresare, t.Klic)) {
        throw EChyba(u"%1: okrsek %2 obce %3 nevolí zastupitelstvo typu %4 (OKRSKY.RCD)."_s.arg(kde)
                         .arg(st.Stanice.CisloOkrsku)
                         .arg(st.Stanice.KodObce, t.Klic.TypZastup));
    }
    auto ref = std::make_unique<TReference>();
    NactiStrany(st.Adresare, t.Klic, *ref);

    TVysledky &v = *t.Vysledky;
    VynulujOkrsek(v);
    TOkrsekRec &h = v.VetaT3;
    VyplnIdentifikaci(h, t.Klic);
    h.ZapsOsoby = Pocet(o.value(u"ZapsOsoby"), kde + u", ZapsOsoby"_s, 999999);
    h.VydObalky = quint16(Pocet(o.value(u"VydObalky"), kde + u", VydObalky"_s, 0xFFFF));
    h.OdevzdObalky = quint16(Pocet(o.value(u"OdevzdObalky"), kde + u", OdevzdObalky"_s, 0xFFFF));
    h.PlatneHlasy = Pocet(o.value(u"PlatneHlasy"), kde + u", PlatneHlasy"_s, 99999999);
    HlasyStran(o.value(u"strany"), *ref, v, kde);

    DopoctiOkrsek(v, *ref, st.Stanice);
    // Encoding now reports a value too wide for its field before anything is written.
    SestavRadek(v, false);
    return t;
}
