// Saving what is typed in the entry window: on a page or party change, when typing
// pauses, when the program is asked to end, and "Uložit" with the check run.
#include "R_vstup.h"

#include "EChyba.h"
#include "UkladaniPriNecinnosti.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString TitulekVstupu = u"Vstup dat za okrsek"_s;

} // namespace

void TR_Vstupni_Form::UlozPrubezne()
{
    try {
        UlozZaznamy();
        // The page entered now starts from what is stored.
        m_pravidla.ZahodZalohuStranky();
        m_necinnost->Ulozeno();
    } catch (const EChyba &e) {
        // Every value stays in the window; the next save tries again.
        m_b.Dotaznik().Chyba(TitulekVstupu, e.zprava());
    }
}

QString TR_Vstupni_Form::UlozRozepsane(bool sDenikem)
{
    try {
        m_pravidla.ZalohujStranku();
        PrevezmiRozepsanePole();
        UlozZaznamy(sDenikem);
    } catch (const EChyba &e) {
        return e.zprava();
    }
    return {};
}

QString TR_Vstupni_Form::UlozPriUkonceni()
{
    if (!isVisible())
        return {};
    m_necinnost->Zastav();
    // After "Ano" to the close question the page is as it was; a save with checks
    // stored everything before its first dialog.
    QString chyba;
    if (!Ukonceni && !m_necinnost->Pozastaveno)
        chyba = UlozRozepsane(true);
    m_pravidla.ZahodZalohuStranky();
    ZavritBezOtazky();
    return chyba;
}

void TR_Vstupni_Form::PrevezmiRozepsanePole()
{
    QWidget *f = focusWidget();
    if (!f)
        return;
    if (f != R_JmenaKomise_SG && R_JmenaKomise_SG->isAncestorOf(f)) {
        if (auto *editor = qobject_cast<QLineEdit *>(f))
            R_JmenaKomise_SG->SetCells(1, R_JmenaKomise_SG->Row(),
                                       editor->text().left(TZColorStringGrid::MaxDelka));
        return;
    }
    auto *e = qobject_cast<TSEdit *>(f);
    if (!e || !e->isEnabled() || StranaPole(e) != Stranka())
        return;
    const int tag = e->property("tag").toInt();
    if (m_polozkyHlasovani.contains(e))
        PrevezmiHlasovani(e);
    else if (DruhPoctu(e) != TPoleDat::TDruh::Zadne)
        m_pravidla.PrevezmiPocet(DruhPoctu(e), e->text());
    else if (tag > 0 && StranaPole(e) >= 3)
        PrevezmiHlas(tag);
}

QString TR_Vstupni_Form::OtiskPsani() const
{
    // Shown texts only: computed fields follow from them, and a closing record's time
    // or random number is no typed value.
    QString otisk;
    for (const TSEdit *e : findChildren<TSEdit *>()) {
        if (e->isEnabled())
            otisk += e->text() + u'\x1f';
    }
    for (const QRadioButton *b : findChildren<QRadioButton *>())
        otisk += b->isChecked() ? u'1' : u'0';
    otisk += QString::number(R_CBHL_1->currentIndex()) + u'\x1f';
    for (int r = 1; r < R_JmenaKomise_SG->RowCount(); ++r)
        otisk += R_JmenaKomise_SG->Cells(1, r) + u'\x1f';
    if (auto *editor = qobject_cast<QLineEdit *>(focusWidget());
        editor && R_JmenaKomise_SG->isAncestorOf(editor))
        otisk += editor->text();
    return otisk;
}

void TR_Vstupni_Form::UlozitBtnClick()
{
    // The check run and its dialogs work on what this save stores.
    const QScopedValueRollback pauza(m_necinnost->Pozastaveno, true);
    UlozitAktivniPole(true);
    if (Ukonceni)
        return;
    m_menimKodem = true;
    R_TN_T3HL->setCurrentIndex(0);
    m_menimKodem = false;
    try {
        UlozZaznamy();
    } catch (const EChyba &e) {
        // The check run reads the stored data: it must not check an older file.
        m_b.Dotaznik().Chyba(TitulekVstupu, e.zprava());
        return;
    }
    try {
        m_pravidla.UlozitSKontrolou(SpustExportTisk);
    } catch (const EChyba &e) {
        // What was stored stays stored; the window stays open to try again.
        m_b.Vybrano = 2;
        m_b.Dotaznik().Chyba(TitulekVstupu, e.zprava());
        return;
    }
    m_zavritBezOtazky = true;
    close();
}

void TR_Vstupni_Form::UlozitAktivniPole(bool vratitFokus)
{
    // A value typed and not yet left is stored before the save, so it is not lost:
    // leaving runs the field's exit rule, an open name cell stores its text.
    QWidget *f = focusWidget();
    const bool pole = qobject_cast<TSEdit *>(f) && StranaPole(f) == Stranka();
    const bool bunka = f && f != R_JmenaKomise_SG && R_JmenaKomise_SG->isAncestorOf(f);
    if (!pole && !bunka)
        return;
    f->clearFocus();
    if (vratitFokus)
        (bunka ? R_JmenaKomise_SG : f)->setFocus(Qt::OtherFocusReason);
}

void TR_Vstupni_Form::UlozZaznamy(bool sDenikem)
{
    // The save recomputes the control numbers: the fields show them, also after a failure.
    const auto obnov = qScopeGuard([this] { ZobrazKC(); });
    m_pravidla.UlozZaznamy(JmenaKomise(), sDenikem);
}

QStringList TR_Vstupni_Form::JmenaKomise() const
{
    QStringList jmena;
    for (int r = 1; r <= m_pravidla.PocetClenuP() - 1; ++r)
        jmena.append(R_JmenaKomise_SG->Cells(1, r).left(TZColorStringGrid::MaxDelka));
    return jmena;
}
