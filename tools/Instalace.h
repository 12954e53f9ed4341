#pragma once

#include "Adresare.h"
#include "Chyby.h"
#include "Dotaznik.h"
#include "Stanice.h"
#include "StavProgramu.h"

#include <QString>

#include <memory>
#include <optional>

// The station of an installation, found as the program finds it at start.
struct TStaniceNastroje
{
    TAdresare Adresare;
    TStaniceRec Stanice;
    QString Typ; // the council type to work on, once OtevriStaniciTypu has chosen it
};

// Empty, after telling the user, when the installation (or its subdirectory P) holds
// no station; `prikaz` names the command in that message.
std::optional<TStaniceNastroje> OtevriStanici(const QString &prikaz, const QString &instalace,
                                              const QString &podadresar);

// Whether the key has stored results, an "O" or an "E" file.
bool MaVysledky(const TAdresare &adr, const TOkrsekRefRec &klic);

// Whether OKRSKY.RCD lists the station's precinct for that council type.
bool MaTyp(const TAdresare &adr, const TStaniceRec &stanice, const QString &typ);

// The council type to work on: `typ` when given and the precinct has it, otherwise
// the only type the precinct has. Empty after telling the user (a type the precinct
// does not have, both types and no --typ, or neither type); `kod` then holds the
// exit code.
std::optional<QString> UrciTyp(const QString &prikaz, const TAdresare &adr,
                               const TStaniceRec &stanice, const QString &typ, int &kod);

// OtevriStanici, then UrciTyp into the station's Typ. Empty after telling the user;
// `kod` then holds the exit code.
std::optional<TStaniceNastroje> OtevriStaniciTypu(const QString &prikaz, const QString &instalace,
                                                  const QString &podadresar, const QString &typ,
                                                  int &kod);

// Messages go to stderr; a question is answered Yes when `ano` is set, else No.
class TDotaznikNastroje : public TDotaznikKonzole
{
public:
    explicit TDotaznikNastroje(bool ano) : m_ano(ano) {}
    TOdpoved Zobraz(const TZprava &zprava) override;

private:
    bool m_ano;
};

// The program state of a command on the station, as the program holds it: the key is
// not set yet; the entry state (Vybrano 2) until the command says otherwise.
std::unique_ptr<TStavProgramu> StavNastroje(const TStaniceNastroje &st, const QString &typ,
                                            bool ano);
