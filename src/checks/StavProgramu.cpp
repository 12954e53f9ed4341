#include "StavProgramu.h"

TStavProgramu::TStavProgramu(std::unique_ptr<IDotaznik> dotaznik) : m_dotaznik(std::move(dotaznik))
{
}

TStavProgramu::~TStavProgramu() = default;

void TStavProgramu::NastavKlic()
{
    AktOkrsek.KodObce = Stanice.KodObce;
    AktOkrsek.CisloOkrsku = Stanice.CisloOkrsku;
    AktOkrsek.TypZastup = QString::number(PomTypZastup);
}

void TStavProgramu::ZjistiTypyZastup()
{
    for (const quint16 typ : {quint16(1), quint16(2)}) {
        AktOkrsek.KodObce = Stanice.KodObce;
        AktOkrsek.CisloOkrsku = Stanice.CisloOkrsku;
        AktOkrsek.TypZastup = QString::number(typ);
        if (NajdiOkrsek(Adresare, AktOkrsek)) {
            PomTypZastup = typ;
            (typ == 1 ? JeZastup1 : JeZastup2) = true;
        }
    }
}

QString TStavProgramu::StavExportuAktualnihoTypu() const
{
    return StavTypu(Stanice, AktOkrsek.TypZastup);
}
