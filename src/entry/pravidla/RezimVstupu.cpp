#include "RezimVstupu.h"

#include "KontrolniPorizeni.h"
#include "PravidlaVstupu.h"
#include "Soubory.h"
#include "UlozeniVysledku.h"

using namespace Qt::StringLiterals;

namespace {

class TPrvniPorizeni : public TRezimVstupu
{
public:
    bool Kontrolni() const override { return false; }
    QString PredTitulkem() const override { return {}; }
    int PrvniStranka() const override { return 0; }
    int PocetStranek() const override { return 6; }
    int StrankaPoListku() const override { return 5; }
    QString TextHodnoty(qint64 hodnota) const override { return QString::number(hodnota); }

    void NactiVysledky(TStavProgramu &b) const override
    {
        NactiAktualniOkrsek(b.Adresare, b.AktOkrsek, b.Vysledky);
    }

    QStringList SouboryUlozeni(const TStavProgramu &b) const override
    {
        const TAdresare &adr = b.Adresare;
        return {JmenoSouboruOkrsku(adr, b.AktOkrsek, u"O"_s),
                JmenoSouboruOkrsku(adr, b.AktOkrsek, u"E"_s),
                Soubory::NajdiSoubor(adr.AdrData, u"HLASO.RCD"_s),
                Soubory::NajdiSoubor(adr.AdrData, u"KOMISE.RCD"_s),
                Soubory::NajdiSoubor(adr.AdrStanice, u"STANICE.RCD"_s)};
    }

    void Uloz(TPravidlaVstupu &p, const QStringList &jmena, bool sDenikem) const override
    {
        TStavProgramu &b = p.Stav();
        const QList<TKomise> *komise = nullptr;
        if (const int clenu = p.PocetClenuP(); clenu >= 2) {
            NastavPocetClenu(b.Komise, clenu - 1);
            for (int r = 1; r <= clenu - 1; ++r)
                b.Komise[r - 1].clen = jmena.value(r - 1);
            komise = &b.Komise;
        }
        try {
            UlozPorizeni(b.Adresare, {{b.AktOkrsek, &b.Vysledky}}, b.Stanice, p.DvaTypy,
                         &b.Hlasovani, komise, sDenikem);
        } catch (const EPrilisVelkaHodnota &e) {
            throw EChyba(p.PopisPrilisVelke(e));
        }
    }

    void PoObnoveni(TStavProgramu &b) const override
    {
        b.Stanice = NactiStanici(b.Adresare.AdrStanice);
    }
};

class TKontrolniPorizeni : public TRezimVstupu
{
public:
    bool Kontrolni() const override { return true; }
    QString PredTitulkem() const override { return u"Kontrolní pořízení - "_s; }
    int PrvniStranka() const override { return 1; }
    int PocetStranek() const override { return 4; }
    int StrankaPoListku() const override { return 1; }
    // The control entry starts from empty fields: nothing typed shows as nothing.
    QString TextHodnoty(qint64 hodnota) const override
    {
        return hodnota == 0 ? QString() : QString::number(hodnota);
    }

    // It sees only its own file, never the first entry.
    void NactiVysledky(TStavProgramu &b) const override
    {
        KontrolniPorizeni::Nacti(b.Adresare, b.AktOkrsek, b.Vysledky);
    }

    QStringList SouboryUlozeni(const TStavProgramu &b) const override
    {
        return {KontrolniPorizeni::JmenoSouboru(b.Adresare, b.AktOkrsek)};
    }

    // Kept apart: the results, sections I and III and the export state stay as they are.
    void Uloz(TPravidlaVstupu &p, const QStringList &, bool sDenikem) const override
    {
        TStavProgramu &b = p.Stav();
        KontrolniPorizeni::Uloz(b.Adresare, b.AktOkrsek, b.Vysledky, sDenikem);
    }

    void PoObnoveni(TStavProgramu &) const override {}
};

} // namespace

std::unique_ptr<TRezimVstupu> TRezimVstupu::Vytvor(bool kontrolni)
{
    if (kontrolni)
        return std::make_unique<TKontrolniPorizeni>();
    return std::make_unique<TPrvniPorizeni>();
}
