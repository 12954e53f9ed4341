#include "Protokol.h"

using namespace Qt::StringLiterals;

namespace {

class TProtokol
{
public:
    TProtokol(TTisk &t, const TOkrsekRec &vetaT3, const TStaniceRec &stanice,
              const TOkrsekRefRec &aktOkrsek)
        : t(t), m_vetaT3(vetaT3), m_stanice(stanice), m_okrsek(aktOkrsek)
    {
    }

    void Proved(const TChybProt &protokol, const QDateTime &ted);

private:
    int L() const { return t.LevyOkraj; }
    int R() const { return t.PravyOkraj; }
    void Hlavicka();
    void ZlomProtokolu();

    TTisk &t;
    const TOkrsekRec &m_vetaT3;
    const TStaniceRec &m_stanice;
    const TOkrsekRefRec &m_okrsek;
    QString m_paticka;
};

const QString Cara = QString(80, u'-');

void TProtokol::Proved(const TChybProt &protokol, const QDateTime &ted)
{
    t.InitTisk(ted);
    t.ZlomPovolen = true;
    m_paticka = u"      "_s + QString::number(m_vetaT3.Obec) + u" - "_s +
                QString::number(m_vetaT3.Okrsek) + u" - "_s + QString::number(m_vetaT3.TypZastup) +
                u" - "_s + u' ' + t.KodProgramu;

    t.ZacatekTisku();
    t.VratCanvas();
    Hlavicka();
    t.NastavStyl(QString());
    qint32 posledniStrana = 0;
    QString predpona;

    if (protokol.Pocet() == 0)
        t.Tisk(1, L(), 0, u"Nebyly zjištěny žádné chyby."_s);
    for (qsizetype i = 0; i < protokol.Pocet(); ++i) {
        const TChyba &chyba = protokol.VratChybu(i);
        if (chyba.Por_Str_HL != posledniStrana) {
            t.Tisk(1, L(), 0, QString());
            t.Tisk(1, L(), 0, u"Pořadové číslo strany: "_s + QString::number(chyba.Por_Str_HL));
            predpona = u"  "_s;
            ZlomProtokolu();
        }
        QString radek =
            predpona + QString::number(chyba.Chyba) + u" - "_s + protokol.VratHlaskuParam(i);
        while (radek.size() > 80) {
            // A word longer than the tolerance is cut at the paper's printable edge.
            const int zlom = t.ZnakuNaRadek(radek, L(), R(), t.PravaMez());
            if (zlom <= 0 || zlom >= TTisk::BezMezerVpravo(radek).size())
                break; // it fits between the margins after all
            t.Tisk(1, L(), 0, radek.left(zlom));
            radek = u"     "_s + radek.mid(zlom).trimmed();
            ZlomProtokolu();
        }
        if (!radek.trimmed().isEmpty())
            t.Tisk(1, L(), 0, radek);
        posledniStrana = chyba.Por_Str_HL;
        ZlomProtokolu();
    }

    // The closing lines must not run into the footer: when they would, they go on
    // a page of their own.
    t.NastavFont(u"Courier New"_s);
    t.NastavVelikost(26);
    if (t.AktY + 4 * t.VyskaRadku > t.DolniOkraj - 2 * t.DolniRezerva) {
        t.StranaSHlavickou = t.CisloStrany;
        ++t.CisloStrany;
        ZlomProtokolu();
    }
    t.Tisk(1, L(), 0, QString());
    t.Tisk(1, L(), 0, Cara);
    t.Tisk(1, L(), 0, u"Datum: "_s + t.DatumTisku + QString(29, u' '));
    t.Tisk(1, L(), 0, u"Čas  : "_s + t.CasTisku + QString(34, u' '));
    t.TiskVpravo(0, R(), t.DolniOkraj, m_paticka);
    t.KonecTisku();
}

void TProtokol::Hlavicka()
{
    t.NastavFont(u"Courier New"_s);
    t.NastavVelikost(26);
    t.AktY = 200;
    t.Tisk(0, R() - 400, 0, u"List č.: "_s + TTisk::CeleCislo(t.CisloStrany, 2));
    t.NastavVelikost(32);
    t.TiskStred(2, L(), R(), 0, u"B"_s,
                t.CisloStrany == 1 ? u"PROTOKOL O KONTROLÁCH ZA OKRSEK"_s
                                   : u"PROTOKOL O KONTROLÁCH ZA OKRSEK - pokračování"_s);
    t.NastavStyl(QString());
    t.NastavVelikost(26);
    t.Tisk(2, L(), 0, u"                      Obec    Okrsek  KČ1  Název obce"_s);
    t.Tisk(1, L(), 0,
           u"Identifikace okrsku:"_s + u"  "_s + QString::number(m_vetaT3.Obec) + u' ' +
               TTisk::CisloVpravo(m_vetaT3.Okrsek, 6) + TTisk::CisloVpravo(m_vetaT3.T3KC_1, 5) +
               u"   "_s + m_stanice.NazevObce);
    t.Tisk(1, L(), 0, (u"Zastupitelstvo: "_s + m_okrsek.NazevZast).left(56));
    t.Tisk(1, L(), 0, Cara);
    t.Tisk(1, L(), 0, QString());
}

void TProtokol::ZlomProtokolu()
{
    if (t.StranaSHlavickou == t.CisloStrany)
        return;
    t.TiskVpravo(0, R(), 56 * t.VyskaRadku, m_paticka);
    t.VratCanvas();
    Hlavicka();
    t.StranaSHlavickou = t.CisloStrany;
    t.ZlomPovolen = true;
}

} // namespace

void TiskProtokolu(TTisk &t, const TChybProt &protokol, const TOkrsekRec &vetaT3,
                   const TStaniceRec &stanice, const TOkrsekRefRec &aktOkrsek, const QDateTime &ted)
{
    TProtokol(t, vetaT3, stanice, aktOkrsek).Proved(protokol, ted);
}
