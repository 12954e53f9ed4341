#include "VypisPoli.h"

namespace {

class Radky
{
public:
    void Blok(const QString &nazev) { m_text += u'[' + nazev + QStringLiteral("]\n"); }
    void Pole(const QString &nazev, qint64 hodnota)
    {
        m_text += nazev + u'=' + QString::number(hodnota) + u'\n';
    }
    void Text(const QString &nazev, const QString &hodnota)
    {
        m_text += nazev + u'=' + hodnota + u'\n';
    }
    // Doubles hold whole numbers; they are shown as the file stores them.
    void Realne(const QString &nazev, double hodnota)
    {
        m_text += nazev + u'=' + QString::number(hodnota, 'f', 0) + u'\n';
    }
    QString Vysledek() const { return m_text; }

private:
    QString m_text;
};

template <typename T> void Identifikace(Radky &r, const T &z)
{
    r.Pole(QStringLiteral("TypVety"), z.TypVety);
    r.Pole(QStringLiteral("Oprava"), z.Oprava);
    r.Pole(QStringLiteral("Chyba"), z.Chyba);
    r.Pole(QStringLiteral("Okres"), z.Okres);
    r.Pole(QStringLiteral("Obec"), z.Obec);
    r.Pole(QStringLiteral("Okrsek"), z.Okrsek);
    r.Pole(QStringLiteral("T3KC_1"), z.T3KC_1);
    r.Pole(QStringLiteral("TypZastup"), z.TypZastup);
}

} // namespace

QString VypisPoli(const TVysledky &v, bool sVolnymTextem)
{
    Radky r;
    const TOkrsekRec &h = v.VetaT3;
    r.Blok(QStringLiteral("VetaT3"));
    Identifikace(r, h);
    r.Pole(QStringLiteral("CObvodu"), h.CObvodu);
    r.Pole(QStringLiteral("ZapsOsoby"), h.ZapsOsoby);
    r.Pole(QStringLiteral("VydObalky"), h.VydObalky);
    r.Pole(QStringLiteral("OdevzdObalky"), h.OdevzdObalky);
    r.Pole(QStringLiteral("PlatneHlasy"), h.PlatneHlasy);
    r.Pole(QStringLiteral("Pocet_VS"), h.Pocet_VS);
    r.Pole(QStringLiteral("Poc_VS_HL"), h.Poc_VS_HL);
    r.Pole(QStringLiteral("T3KC_2"), h.T3KC_2);
    r.Pole(QStringLiteral("KodObceZast"), h.KodObceZast);

    for (int k = 1; k <= h.Pocet_VS && k <= MaxStran; ++k) {
        const TStranaHLRec &s = v.StranyHL[k];
        r.Blok(QStringLiteral("StranyHL[%1]").arg(k));
        Identifikace(r, s);
        r.Pole(QStringLiteral("PorStHL"), s.PorStHL);
        r.Pole(QStringLiteral("PocHl"), s.PocHl);
        for (int i = 1; i <= MaxKandidatu; ++i)
            r.Pole(QStringLiteral("HlasyKand[%1]").arg(i), s.HlasyKand[i]);
        r.Pole(QStringLiteral("HLKC2"), s.HLKC2);
        r.Pole(QStringLiteral("HLPoslKand"), s.HLPoslKand);
        r.Pole(QStringLiteral("HLKS"), s.HLKS);
    }

    const TVetaTS &t = v.VetaTS;
    r.Blok(QStringLiteral("VetaTS"));
    Identifikace(r, t);
    r.Text(QStringLiteral("SeznamChyb"), t.SeznamChyb);
    r.Text(QStringLiteral("DatumPorizeni"), t.DatumPorizeni);
    r.Text(QStringLiteral("CasPorizeni"), t.CasPorizeni);
    r.Realne(QStringLiteral("Rezervovano"), t.Rezervovano);
    r.Pole(QStringLiteral("ZpusobPorizeni"), t.ZpusobPorizeni);
    r.Pole(QStringLiteral("KodWindowsTS"), t.KodWindowsTS);
    r.Text(QStringLiteral("Rezerva"), t.Rezerva);
    r.Pole(QStringLiteral("Kod2"), t.Kod2);
    r.Text(QStringLiteral("Jmeno2"), t.Jmeno2);
    r.Text(QStringLiteral("Datum2"), t.Datum2);
    r.Text(QStringLiteral("Cas2"), t.Cas2);
    r.Realne(QStringLiteral("Cislo2"), t.Cislo2);
    r.Pole(QStringLiteral("Kod3"), t.Kod3);
    r.Text(QStringLiteral("Jmeno3"), t.Jmeno3);
    r.Text(QStringLiteral("Datum3"), t.Datum3);
    r.Text(QStringLiteral("Cas3"), t.Cas3);
    r.Realne(QStringLiteral("Cislo3"), t.Cislo3);
    r.Realne(QStringLiteral("SoucetKC1"), t.SoucetKC1);
    r.Realne(QStringLiteral("SoucetKC2"), t.SoucetKC2);
    r.Realne(QStringLiteral("SoucetKS"), t.SoucetKS);
    r.Pole(QStringLiteral("NahodneCislo"), t.NahodneCislo);
    r.Pole(QStringLiteral("Cislo4"), t.Cislo4);
    r.Pole(QStringLiteral("Cislo5"), t.Cislo5);
    r.Realne(QStringLiteral("KontrSoucetTS"), t.KontrSoucetTS);
    r.Realne(QStringLiteral("KontrSoucet2"), t.KontrSoucet2);
    r.Realne(QStringLiteral("KontrSoucet3"), t.KontrSoucet3);

    if (sVolnymTextem) {
        r.Blok(QStringLiteral("Vety6"));
        for (int i = 1; i <= MaxVet6; ++i) {
            if (!v.Vety6[i].isEmpty())
                r.Text(QStringLiteral("Vety6[%1]").arg(i), v.Vety6[i]);
        }
    }
    return r.Vysledek();
}
