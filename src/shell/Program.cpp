#include "Program.h"

#include "EChyba.h"

#include <QPrinter>

#include <exception>
#include <new>

TProgram::TProgram(std::unique_ptr<IDotaznik> dotaznik) : TStavProgramu(std::move(dotaznik)) {}

TProgram::~TProgram() = default;

QPrinter &TProgram::Tiskarna()
{
    // Created on first use: asking the print system for printers costs start-up time.
    if (!m_tiskarna)
        m_tiskarna = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_tiskarna;
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
