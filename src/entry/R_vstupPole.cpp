// Going to a field from outside the walk: an error chosen in "Seznam chyb", or a
// candidate asked for with Ctrl+G.
#include "R_vstup.h"

#include "PrejdiF.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

using namespace Qt::StringLiterals;

void TR_Vstupni_Form::PrejdiNaPole(const TPoleDat &p)
{
    using TDruh = TPoleDat::TDruh;
    TSEdit *const oddilII[] = {R_EdZapsOsoby, R_EdVydObalky, R_EdOdevzdObalky, R_EdPlatneHlasy};
    switch (p.Druh) {
    case TDruh::ZapsOsoby:
    case TDruh::VydObalky:
    case TDruh::OdevzdObalky:
    case TDruh::PlatneHlasy:
        NastavStranku(1, false);
        oddilII[int(p.Druh) - int(TDruh::ZapsOsoby)]->setFocus(Qt::OtherFocusReason);
        break;
    case TDruh::Kandidat:
        PrejdiNaKandidata(p.Strana, p.Kandidat);
        break;
    case TDruh::Strana:
        NastavStranku(3, false);
        VyberStranu(p.Strana);
        R_CBHL_1->setFocus(Qt::OtherFocusReason);
        break;
    case TDruh::StrankaII:
        NastavStranku(1);
        break;
    case TDruh::StrankaIIPokr:
        NastavStranku(2);
        break;
    case TDruh::StrankaIII:
        NastavStranku(m_pravidla.Rezim().StrankaPoListku());
        break;
    case TDruh::Zadne:
        break;
    }
}

int TR_Vstupni_Form::PrejdiNaKandidata(int strana, int kandidat)
{
    NastavStranku(kandidat > KandidatuNaPrvniStrance ? 4 : 3, false);
    VyberStranu(strana);
    const int nejblizsi = m_pravidla.NejblizsiKandidat(kandidat);
    if (nejblizsi == 0) {
        R_CBHL_1->setFocus(Qt::OtherFocusReason);
        return 0;
    }
    NastavStranku(nejblizsi > KandidatuNaPrvniStrance ? 4 : 3, false);
    EdHlasyKand[std::size_t(nejblizsi)]->setFocus(Qt::OtherFocusReason);
    return nejblizsi;
}

void TR_Vstupni_Form::PrejdiMIClick()
{
    TPrejdiF dotaz(this);
    if (m_b.Dotaznik().ProvedDialog(dotaz.objectName(), [&] { return dotaz.exec(); }) !=
        QDialog::Accepted)
        return;
    const int strana = dotaz.Strana();
    bool naListku = false;
    for (int i = 0; i < R_CBHL_1->count(); ++i)
        naListku = naListku || m_pravidla.StranaPolozky(i) == strana;
    if (!naListku) {
        Oznam(R_StavL, u"Strana %1 není na hlasovacím lístku."_s.arg(strana));
        QApplication::beep();
        return;
    }
    const int kandidat = dotaz.Kandidat();
    if (kandidat == 0) {
        PrejdiNaPole({TPoleDat::TDruh::Strana, strana});
        Oznam(R_StavL, {});
        return;
    }
    const int nalezen = PrejdiNaKandidata(strana, kandidat);
    if (nalezen == kandidat)
        Oznam(R_StavL, {});
    else if (nalezen == 0)
        Oznam(R_StavL, u"Strana %1 nemá žádného kandidáta, který kandiduje."_s.arg(strana));
    else
        Oznam(R_StavL,
              u"Kandidát %1 strany %2 nekandiduje, zvolen nejbližší kandidát %3."_s.arg(kandidat)
                  .arg(strana)
                  .arg(nalezen));
}
