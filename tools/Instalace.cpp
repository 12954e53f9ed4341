#include "Instalace.h"

#include "Denik.h"
#include "Prikazy.h"
#include "Reference.h"
#include "Soubory.h"

#include <QDir>

std::optional<TStaniceNastroje> OtevriStanici(const QString &prikaz, const QString &instalace,
                                              const QString &podadresar)
{
    const QString cesta = QDir(instalace).absolutePath() + u'/';
    const TStartAdresaru start =
        UrciAdresare(cesta, podadresar.isEmpty() ? QStringList() : QStringList{podadresar});
    if (!start.LzeSpustit) {
        VypisChybu(QStringLiteral("%1: v %2 není stanice (STANICE.RCD)").arg(prikaz, cesta));
        return std::nullopt;
    }
    Denik::Over(start.Adresare.AdrStanice);
    return TStaniceNastroje{start.Adresare, NactiStanici(start.Adresare.AdrStanice), {}};
}

bool MaVysledky(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    return Soubory::ExistujeSoubor(JmenoSouboruOkrsku(adr, klic, QStringLiteral("O"))) ||
           Soubory::ExistujeSoubor(JmenoSouboruOkrsku(adr, klic, QStringLiteral("E")));
}

bool MaTyp(const TAdresare &adr, const TStaniceRec &stanice, const QString &typ)
{
    TOkrsekRefRec klic;
    klic.KodObce = stanice.KodObce;
    klic.CisloOkrsku = stanice.CisloOkrsku;
    klic.TypZastup = typ;
    return NajdiOkrsek(adr, klic);
}

std::optional<QString> UrciTyp(const QString &prikaz, const TAdresare &adr,
                               const TStaniceRec &stanice, const QString &typ, int &kod)
{
    if (!typ.isEmpty()) {
        if (MaTyp(adr, stanice, typ))
            return typ;
        VypisChybu(QStringLiteral("%1: okrsek %2 obce %3 nevolí zastupitelstvo typu %4 "
                                  "(není v číselníku OKRSKY.RCD)")
                       .arg(prikaz)
                       .arg(stanice.CisloOkrsku)
                       .arg(stanice.KodObce, typ));
        kod = KodChyba;
        return std::nullopt;
    }
    const bool typ1 = MaTyp(adr, stanice, QStringLiteral("1"));
    const bool typ2 = MaTyp(adr, stanice, QStringLiteral("2"));
    if (typ1 && typ2) {
        VypisChybu(QStringLiteral("%1: okrsek volí dvě zastupitelstva; zvolte --typ 1 nebo --typ 2")
                       .arg(prikaz));
        kod = KodPouziti;
        return std::nullopt;
    }
    if (!typ1 && !typ2) {
        VypisChybu(QStringLiteral("%1: okrsek %2 obce %3 není v číselníku OKRSKY.RCD")
                       .arg(prikaz)
                       .arg(stanice.CisloOkrsku)
                       .arg(stanice.KodObce));
        kod = KodChyba;
        return std::nullopt;
    }
    return typ1 ? QStringLiteral("1") : QStringLiteral("2");
}

std::optional<TStaniceNastroje> OtevriStaniciTypu(const QString &prikaz, const QString &instalace,
                                                  const QString &podadresar, const QString &typ,
                                                  int &kod)
{
    std::optional<TStaniceNastroje> st = OtevriStanici(prikaz, instalace, podadresar);
    if (!st) {
        kod = KodChyba;
        return std::nullopt;
    }
    const std::optional<QString> zvoleny = UrciTyp(prikaz, st->Adresare, st->Stanice, typ, kod);
    if (!zvoleny)
        return std::nullopt;
    st->Typ = *zvoleny;
    return st;
}

TOdpoved TDotaznikNastroje::Zobraz(const TZprava &zprava)
{
    const TOdpoved odpoved = TDotaznikKonzole::Zobraz(zprava);
    return zprava.AnoNe && m_ano ? TOdpoved::Ano : odpoved;
}

std::unique_ptr<TStavProgramu> StavNastroje(const TStaniceNastroje &st, const QString &typ,
                                            bool ano)
{
    auto stav = std::make_unique<TStavProgramu>(std::make_unique<TDotaznikNastroje>(ano));
    stav->Adresare = st.Adresare;
    stav->Stanice = st.Stanice;
    stav->CiselnikChyb.Nacti(st.Adresare.AdrInstalace);
    stav->PomTypZastup = quint16(typ.toUShort());
    stav->Vybrano = 2;
    return stav;
}
