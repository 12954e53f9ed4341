#include "Program.h"

#include "EChyba.h"

#include <QPrinter>

#include <exception>
#include <new>

TProgram::TProgram(std::unique_ptr<IDotaznik> dotaznik) : m_dotaznik(std::move(dotaznik)) {}

TProgram::~TProgram() = default;

QPrinter &TProgram::Tiskarna()
{
    // Created on first use: asking the print system for printers costs start-up time.
    if (!m_tiskarna)
        m_tiskarna = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_tiskarna;
}

void TProgram::NastavKlic()
{
    AktOkrsek.KodObce = Stanice.KodObce;
    AktOkrsek.CisloOkrsku = Stanice.CisloOkrsku;
    AktOkrsek.TypZastup = QString::number(PomTypZastup);
}

void TProgram::ZjistiTypyZastup()
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

QString TProgram::StavExportuAktualnihoTypu() const
{
    return StavTypu(Stanice, AktOkrsek.TypZastup);
}

TKontrolniBeh TProgram::KontrolniBeh()
{
    return {Dotaznik(), Adresare,   Stanice,      AktOkrsek,     Reference,    Vysledky,
            Hlasovani,  Komise,     ProtokolChyb, KontrolniStav, PomTypZastup, Vybrano,
            DataOK,     KontrolyOK, ExportOK,     TiskProtokolu};
}

void ZobrazVyjimku(IDotaznik &dotaznik)
{
    const QString titulek = QStringLiteral("Zelkovar");
    try {
        throw;
    } catch (const EChyba &e) {
        dotaznik.Chyba(titulek, e.zprava());
    } catch (const std::bad_alloc &) {
        dotaznik.Chyba(titulek, QStringLiteral("Nedostatek paměti."));
    } catch (const std::exception &e) {
        dotaznik.Chyba(titulek, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        dotaznik.Chyba(titulek, QStringLiteral("Nastala neočekávaná chyba."));
    }
}
