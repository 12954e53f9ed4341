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
    m_kontrolni = kontrolni;
    m_rozdily.clear();
    setWindowTitle((kontrolni ? u"Kontrolní pořízení - "_s : QString()) +
                   u"Vstup dat za okrsek - "_s + m_titulekHlavni);
    // Sections I and III are not typed twice.
    R_TN_T3HL->setTabVisible(0, !kontrolni);
    R_TN_T3HL->setTabVisible(5, !kontrolni);
    PorovnatBtn->setVisible(kontrolni);
}

int TR_Vstupni_Form::PrvniStranka() const
{
    return m_kontrolni ? 1 : 0;
}

int TR_Vstupni_Form::SousedniStranka(int smer) const
{
    const int prvni = PrvniStranka();
    const int pocet = m_kontrolni ? 4 : 6;
    return prvni + (Stranka() - prvni + smer + pocet) % pocet;
}

QString TR_Vstupni_Form::TextHodnoty(qint64 hodnota) const
{
    // The control entry starts from empty fields: nothing typed shows as nothing.
    return m_kontrolni && hodnota == 0 ? QString() : QString::number(hodnota);
}

void TR_Vstupni_Form::KonecListku()
{
    if (!m_kontrolni) {
        NastavStranku(5);
        return;
    }
    NastavStranku(1, false);
    PorovnatBtn->setFocus(Qt::OtherFocusReason);
}

void TR_Vstupni_Form::ZavritBezOtazky()
{
    m_zavritBezOtazky = true;
    close();
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
        QList<TRozdil> rozdily =
            PorovnejSUlozenymi(m_b.Adresare, m_b.AktOkrsek, m_b.Reference, m_b.Vysledky);
        if (rozdily.isEmpty()) {
            UzavriShodu(m_b.Adresare, m_b.AktOkrsek);
            m_b.Dotaznik().Informace(TitulekKontroly,
                                     u"Kontrolní pořízení souhlasí s pořízenými daty.\n"
                                     u"Kontrolní zápis byl odstraněn."_s);
            ZavritBezOtazky();
            return;
        }
        // Choices made before a return to re-check stay where both values are unchanged.
        for (TRozdil &r : rozdily) {
            for (const TRozdil &predtim : std::as_const(m_rozdily)) {
                if (predtim.Pole == r.Pole && predtim.Prvni == r.Prvni &&
                    predtim.Kontrolni == r.Kontrolni) {
                    r.Zvoleno = predtim.Zvoleno;
                    r.PotvrzenoZapisem = predtim.PotvrzenoZapisem;
                }
            }
        }
        m_rozdily = rozdily;

        QStringList stranky;
        for (int i = 0; i < R_TN_T3HL->count(); ++i)
            stranky.append(R_TN_T3HL->tabText(i));
        TR_Rozdily_F okno(m_rozdily, stranky, this);
        const int vysledek =
            m_b.Dotaznik().ProvedDialog(okno.objectName(), [&] { return okno.exec(); });
        activateWindow();
        if (vysledek == TR_Rozdily_F::Zpet && okno.Vybrany() >= 0)
            PrejdiNaRozdil(m_rozdily[okno.Vybrany()]);
        else if (vysledek == TR_Rozdily_F::Zapsat)
            ZapisZvolene();
    } catch (const EChyba &e) {
        // The control entry stays in the window and in its file.
        m_b.Dotaznik().Chyba(TitulekKontroly, e.zprava());
    }
}

void TR_Vstupni_Form::ZapisZvolene()
{
    const QString stav = StavTypu(m_b.Stanice, m_b.AktOkrsek.TypZastup);
    if (stav.trimmed() == u"A" &&
        !m_b.Dotaznik().Otazka(
            TitulekKontroly,
            u"Data okrsku byla již vyexportována.\nPo zapsání zvolených hodnot budete "
            u"muset zopakovat export dat i tisk zápisu.\nChcete zvolené hodnoty zapsat?"_s)) {
        return;
    }
    ZapisRozhodnuti(m_b.Adresare, m_b.AktOkrsek, m_b.Reference, m_b.Stanice, DvaTypy, m_rozdily);
    m_b.Dotaznik().Informace(
        TitulekKontroly,
        u"Zvolené hodnoty jsou zapsány do pořízených dat a kontrolní zápis byl odstraněn.\n"
        u"Před exportem data znovu zkontrolujte (Kontroly nebo Uložit v pořízení dat)."_s);
    ZavritBezOtazky();
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
