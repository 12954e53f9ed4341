#include "Hlasovani.h"

#include "EChyba.h"
#include "PoleRetezcu.h"
#include "Soubory.h"
#include "Zaznam.h"

namespace {

const QString SouborHlasovani = QStringLiteral("HLASO.RCD");
const QString SouborKomise = QStringLiteral("KOMISE.RCD");
const QString SouborInfo83 = QStringLiteral("INFOK83.RCD");

// Files of this store are a few kilobytes; a larger one is not ours.
constexpr qint64 MaxVelikostSouboru = qint64(1024) * 1024;

const TPoleRetezce<THlasovaniRec> PoleZaznamu[] = {
    {0, 10, &THlasovaniRec::DatumVoleb, u"DatumVoleb"},
    {11, 5, &THlasovaniRec::Zahajeno1, u"Zahajeno1"},
    {17, 5, &THlasovaniRec::Ukonceno1, u"Ukonceno1"},
    {23, 5, &THlasovaniRec::Zahajeno2, u"Zahajeno2"},
    {29, 5, &THlasovaniRec::Ukonceno2, u"Ukonceno2"},
    {35, 1, &THlasovaniRec::Odroc, u"Odroc"},
    {37, 23, &THlasovaniRec::OdrocenoD, u"OdrocenoD"},
    {61, 2, &THlasovaniRec::OdrocenoH, u"OdrocenoH"},
    {64, 2, &THlasovaniRec::OdrocenoM, u"OdrocenoM"},
    {67, 200, &THlasovaniRec::DuvodOdroc, u"DuvodOdroc"},
    {268, 1, &THlasovaniRec::Prodl, u"Prodl"},
    {270, 23, &THlasovaniRec::ProdlouzD, u"ProdlouzD"},
    {294, 2, &THlasovaniRec::ProdlouzH, u"ProdlouzH"},
    {297, 2, &THlasovaniRec::ProdlouzM, u"ProdlouzM"},
    {300, 200, &THlasovaniRec::DuvodProdl, u"DuvodProdl"},
    {501, 1, &THlasovaniRec::Prerus, u"Prerus"},
    {503, 23, &THlasovaniRec::PrerusD, u"PrerusD"},
    {527, 5, &THlasovaniRec::PrerusOd, u"PrerusOd"},
    {533, 5, &THlasovaniRec::PrerusDo, u"PrerusDo"},
    {539, 200, &THlasovaniRec::DuvodPrer, u"DuvodPrer"},
    {740, 1, &THlasovaniRec::Stizn, u"Stizn"},
    {742, 2, &THlasovaniRec::StizListu, u"StizListu"},
    {745, 1, &THlasovaniRec::Schranka, u"Schranka"},
    {750, 2, &THlasovaniRec::ClenuOVKC, u"ClenuOVKC"},
    {753, 2, &THlasovaniRec::ClenuOVKP, u"ClenuOVKP"},
    {756, 200, &THlasovaniRec::Ostatni, u"Ostatni"},
    {957, 200, &THlasovaniRec::PoverPred, u"PoverPred"},
    {1158, 35, &THlasovaniRec::Zapisovat, u"Zapisovat"},
};

constexpr int MaxClen = 50;

} // namespace

void ProPoleRetezcu(THlasovaniRec &h, const TNavstevaPole &f)
{
    PoleRetezcu::Navstiv(h, PoleZaznamu, f);
}

THlasovaniRec DekodujHlasovani(const QByteArray &zaznam)
{
    THlasovaniRec h = PoleRetezcu::Dekoduj(zaznam, PoleZaznamu, SouborHlasovani);
    h.Surovy = zaznam;
    return h;
}

QByteArray ZakodujHlasovani(const THlasovaniRec &h)
{
    return PoleRetezcu::ZakodujPresSurovy(h, PoleZaznamu, SouborHlasovani);
}

THlasovaniRec NactiHlasovani(const QString &adrData)
{
    const QString cesta = Soubory::NajdiSoubor(adrData, SouborHlasovani);
    const QByteArray obsah = Soubory::NactiSoubor(cesta, MaxVelikostSouboru);
    if (obsah.size() < THlasovaniRec::Velikost) {
        throw EChyba(QStringLiteral("Soubor %1 neobsahuje záznam oddílů I a III (%2 B z %3 B).")
                         .arg(cesta, QString::number(obsah.size()),
                              QString::number(THlasovaniRec::Velikost)));
    }
    return DekodujHlasovani(obsah.left(THlasovaniRec::Velikost));
}

void UlozHlasovani(const QString &adrData, const THlasovaniRec &h)
{
    // Encode first: a value that does not fit leaves the file untouched.
    const QByteArray zaznam = ZakodujHlasovani(h);
    Soubory::UlozAtomicky(Soubory::NajdiSoubor(adrData, SouborHlasovani), zaznam);
}

void NormalizujHlasovani(THlasovaniRec &h)
{
    for (QString THlasovaniRec::*pole :
         {&THlasovaniRec::Odroc, &THlasovaniRec::Prodl, &THlasovaniRec::Prerus,
          &THlasovaniRec::Stizn, &THlasovaniRec::Schranka})
        h.*pole = NormalizujAnoNe(h.*pole);
}

QList<TKomise> NactiKomisi(const QString &adrData)
{
    const QString cesta = Soubory::NajdiSoubor(adrData, SouborKomise);
    const QList<QByteArray> zaznamy =
        Zaznam::NactiZaznamy(cesta, TKomise::Velikost, MaxVelikostSouboru);
    QList<TKomise> komise;
    komise.reserve(zaznamy.size());
    for (const QByteArray &z : zaznamy)
        komise.append(TKomise{Zaznam::CtiRetezec(z, 0, MaxClen)});
    return komise;
}

void UlozKomisi(const QString &adrData, const QList<TKomise> &komise)
{
    QByteArray obsah;
    obsah.reserve(komise.size() * TKomise::Velikost);
    for (qsizetype i = 0; i < komise.size(); ++i) {
        QByteArray z(TKomise::Velikost, '\0');
        Zaznam::ZapisRetezec(z, 0, MaxClen, komise.at(i).clen,
                             QStringLiteral("%1 (člen č. %2)").arg(SouborKomise).arg(i + 1));
        obsah += z;
    }
    Soubory::UlozAtomicky(Soubory::NajdiSoubor(adrData, SouborKomise), obsah);
}

void NastavPocetClenu(QList<TKomise> &komise, int n)
{
    komise.resize(qMax(n, 0));
}

TInfo83Rec DekodujInfo83(const QByteArray &zaznam)
{
    Zaznam::OverDelku(zaznam, TInfo83Rec::Velikost, SouborInfo83);
    TInfo83Rec r;
    r.Obec = Zaznam::CtiInteger(zaznam, 0);
    r.Okrsek = Zaznam::CtiInteger(zaznam, 4);
    r.TypZastup = Zaznam::CtiWord(zaznam, 8);
    r.ZapsOsoby = Zaznam::CtiInteger(zaznam, 12);
    r.VydObalky = Zaznam::CtiWord(zaznam, 16);
    r.OdevzdObalky = Zaznam::CtiWord(zaznam, 18);
    return r;
}

QByteArray ZakodujInfo83(const TInfo83Rec &r)
{
    QByteArray z(TInfo83Rec::Velikost, '\0');
    Zaznam::ZapisInteger(z, 0, r.Obec);
    Zaznam::ZapisInteger(z, 4, r.Okrsek);
    Zaznam::ZapisWord(z, 8, r.TypZastup);
    Zaznam::ZapisInteger(z, 12, r.ZapsOsoby);
    Zaznam::ZapisWord(z, 16, r.VydObalky);
    Zaznam::ZapisWord(z, 18, r.OdevzdObalky);
    return z;
}

void NactiInfo83(const QString &adrData, int typZastup, TInfo83 &info)
{
    const QString cesta = Soubory::NajdiSoubor(adrData, SouborInfo83);
    const QList<QByteArray> zaznamy =
        Zaznam::NactiZaznamy(cesta, TInfo83Rec::Velikost, MaxVelikostSouboru);
    const quint16 jiny = typZastup == 1 ? 2 : 1;
    info.JeInfo83Jiny = false;
    for (const QByteArray &z : zaznamy) {
        info.Info83Jiny = DekodujInfo83(z);
        if (info.Info83Jiny.TypZastup == jiny) {
            info.JeInfo83Jiny = true;
            break;
        }
    }
}

void UlozInfo83(const QString &adrData, const TInfo83 &info, const TOkrsekRec &VetaT3)
{
    QByteArray obsah;
    if (info.JeInfo83Jiny)
        obsah += ZakodujInfo83(info.Info83Jiny);
    TInfo83Rec aktualni;
    aktualni.Obec = VetaT3.Obec;
    aktualni.Okrsek = VetaT3.Okrsek;
    aktualni.TypZastup = VetaT3.TypZastup;
    aktualni.ZapsOsoby = VetaT3.ZapsOsoby;
    aktualni.VydObalky = VetaT3.VydObalky;
    aktualni.OdevzdObalky = VetaT3.OdevzdObalky;
    obsah += ZakodujInfo83(aktualni);
    Soubory::UlozAtomicky(Soubory::NajdiSoubor(adrData, SouborInfo83), obsah);
}
