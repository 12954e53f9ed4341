// The control entry: a second member types section II and the votes again, blind.
// The same window, keys, walk and field checks, on pages 1 to 4 only; what is typed
// is kept in the control file and compared with the first entry on "Porovnat".
#include "R_vstup.h"

#include "EChyba.h"
#include "R_rozdily.h"

#include "UkladaniPriNecinnosti.h"

#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString TitulekKontroly = u"Kontrolní pořízení"_s;

} // namespace

void TR_Vstupni_Form::NastavRezim(bool kontrolni)
{
    m_pravidla.NastavRezim(kontrolni);
    const TRezimVstupu &rezim = m_pravidla.Rezim();
    setWindowTitle(rezim.PredTitulkem() + u"Vstup dat za okrsek - "_s + m_titulekHlavni);
    // Sections I and III are not typed twice.
    for (int i = 0; i < R_TN_T3HL->count(); ++i)
        R_TN_T3HL->setTabVisible(i, i >= rezim.PrvniStranka() &&
                                        i < rezim.PrvniStranka() + rezim.PocetStranek());
    PorovnatBtn->setVisible(rezim.Kontrolni());
}

void TR_Vstupni_Form::KonecListku()
{
    const int stranka = m_pravidla.Rezim().StrankaPoListku();
    if (!m_pravidla.Rezim().Kontrolni()) {
        NastavStranku(stranka);
        return;
    }
    // The walk ends on "Porovnat".
    NastavStranku(stranka, false);
    PorovnatBtn->setFocus(Qt::OtherFocusReason);
}

void TR_Vstupni_Form::Porovnat()
{
    const QScopedValueRollback pauza(m_necinnost->Pozastaveno, true);
    UlozitAktivniPole(true);
    if (Ukonceni)
        return;
    try {
        // What is compared is what is stored, never an older control file.
        UlozZaznamy();
        if (m_pravidla.Porovnej()) {
            m_b.Dotaznik().Informace(TitulekKontroly,
                                     u"Kontrolní pořízení souhlasí s pořízenými daty.\n"
                                     u"Kontrolní zápis byl odstraněn."_s);
            ZavritBezOtazky();
            return;
        }
        QStringList stranky;
        for (int i = 0; i < R_TN_T3HL->count(); ++i)
            stranky.append(R_TN_T3HL->tabText(i));
        TR_Rozdily_F okno(m_pravidla.Rozdily(), stranky, this);
        const int vysledek =
            m_b.Dotaznik().ProvedDialog(okno.objectName(), [&] { return okno.exec(); });
        activateWindow();
        if (vysledek == TR_Rozdily_F::Zpet && okno.Vybrany() >= 0)
            PrejdiNaRozdil(m_pravidla.Rozdily()[okno.Vybrany()]);
        else if (vysledek == TR_Rozdily_F::Zapsat && m_pravidla.ZapisZvolene())
            ZavritBezOtazky();
    } catch (const EChyba &e) {
        // The control entry stays in the window and in its file.
        m_b.Dotaznik().Chyba(TitulekKontroly, e.zprava());
    }
}
void TR_Vstupni_Form::PrejdiNaRozdil(const TRozdil &r)
{
    if (r.Strana == 0) {
        NastavStranku(1, false);
        TSEdit *const pole[] = {R_EdZapsOsoby, R_EdVydObalky, R_EdOdevzdObalky, R_EdPlatneHlasy};
        pole[qBound(0, r.PoleII, 3)]->setFocus(Qt::OtherFocusReason);
        return;
    }
    NastavStranku(r.Stranka, false);
    VyberStranu(r.Strana);
    TSEdit *e = EdHlasyKand[std::size_t(qBound(1, r.Kandidat, int(MaxKandidatu)))];
    if (e->isEnabled())
        e->setFocus(Qt::OtherFocusReason);
}
