// The ballot pages of the entry window: the party shown, its candidates' rows and
// the walk through them.
#include "R_vstup.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTabWidget>

using namespace Qt::StringLiterals;

void TR_Vstupni_Form::ObarviRadek(int i, const QColor &barva)
{
    for (QLabel *l : {LabPorKand[std::size_t(i)], LabJmenoKand[std::size_t(i)]}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, barva);
        l->setPalette(p);
    }
}

void TR_Vstupni_Form::ZobrazStranu(int k)
{
    R_LabVybrStrana->setText(R_CBHL_1->currentText());
    ProcObnovDopocPoleHL(k);
    const int stary = m_pravidla.PocetKandStrany();
    m_pravidla.ZobrazStranu(k);
    const TStranaHLRec &s = m_b.Vysledky.StranyHL[std::size_t(qBound(0, k, int(MaxStran)))];
    const bool predPlneni = m_plneni;
    m_plneni = true; // refilling the rows is no exit of theirs
    for (int i = 1; i <= m_pravidla.PocetKandStrany(); ++i) {
        LabJmenoKand[std::size_t(i)]->setText(m_pravidla.JmenoKandidata(i));
        TSEdit *e = EdHlasyKand[std::size_t(i)];
        const bool stoji = m_pravidla.Stoji(i);
        e->setText(stoji ? TextHodnoty(s.HlasyKand[std::size_t(i)]) : u"N"_s);
        e->setEnabled(stoji);
        e->NastavBarvuOkna(stoji);
    }
    for (int i = m_pravidla.PocetKandStrany() + 1; i <= stary; ++i) {
        LabJmenoKand[std::size_t(i)]->setText(QString(32, u'-'));
        TSEdit *e = EdHlasyKand[std::size_t(i)];
        e->setText(u"0"_s);
        e->setEnabled(false);
        e->NastavBarvuOkna(false);
    }
    m_plneni = predPlneni;
}

void TR_Vstupni_Form::R_CBHL_1Change()
{
    if (R_CBHL_1->count() == 0)
        return;
    if (R_CBHL_1->currentIndex() < 0)
        R_CBHL_1->setCurrentIndex(0);
    ZobrazStranu(PolozkaStrany());
    if (!Ukonceni && !m_plneni)
        UlozPrubezne();
}

void TR_Vstupni_Form::R_CBHL_1Exit()
{
    if (m_plneni || m_pravidla.PoslPlatnyKand() != 0 || m_opoustiSeznam)
        return;
    // The move takes the focus off the list; that focus-out is this exit, not another.
    const QScopedValueRollback opousti(m_opoustiSeznam, true);
    if (DalsiStrana() != 5)
        return;
    // Leaving the last party ends the ballot, as Enter on a last candidate does.
    if (const auto h = m_pravidla.KontrolaKonceListku())
        Ohlas(*h, nullptr);
}

int TR_Vstupni_Form::DalsiStrana()
{
    const TStojiciStrana dalsi = m_pravidla.StojiciOd(R_CBHL_1->currentIndex() + 1);
    Oznam(R_StavRadek_Lbl, TextPreskocenych(dalsi.Preskocene));
    if (dalsi.Polozka < 0) {
        KonecListku();
        return 5;
    }
    // From page 4 the next party is shown on page 3.
    if (Stranka() == 4)
        NastavStranku(3);
    R_CBHL_1->setCurrentIndex(dalsi.Polozka);
    R_CBHL_1Change();
    R_CBHL_1->setFocus(Qt::OtherFocusReason);
    return 3;
}

bool TR_Vstupni_Form::NapisDoPrvnihoKandidata(const QKeyEvent &k)
{
    const int prvni = m_pravidla.DalsiPlatnyKand(0);
    if (prvni == 0)
        return false;
    if (prvni > KandidatuNaPrvniStrance)
        NastavStranku(4, false);
    TSEdit *pole = EdHlasyKand[std::size_t(prvni)];
    pole->setFocus(Qt::TabFocusReason);
    if (!pole->hasFocus())
        return false;
    QKeyEvent kopie(QEvent::KeyPress, k.key(), k.modifiers(), k.text());
    QCoreApplication::sendEvent(pole, &kopie);
    return true;
}

void TR_Vstupni_Form::PrevezmiHlas(int i)
{
    m_pravidla.PrevezmiHlas(PolozkaStrany(), i, EdHlasyKand[std::size_t(i)]->text());
}

void TR_Vstupni_Form::R_PanVstupHL_1Exit(int i)
{
    if (m_plneni)
        return;
    const int k = PolozkaStrany();
    if (k < 1)
        return;
    TSEdit *pole = EdHlasyKand[std::size_t(i)];
    pole->setText(m_pravidla.PrevezmiHlas(k, i, pole->text()));
    ObarviRadek(i, Qt::black);
    const int p = m_pravidla.PoslPlatnyKand();
    ProcDopoctiHL(k);
    ProcObnovDopocPoleHL(k);

    bool konecListku = false;
    if (R_HLjeEnter) {
        R_HLjeEnter = false;
        // Enter walks the standing candidates: across to page 4 when the next one stands
        // there, after the last one to the next party or to page 5. Otherwise the Tab
        // posted by the field moves on to the next one.
        const int dalsi = m_pravidla.DalsiPlatnyKand(i);
        if (dalsi == 0)
            konecListku = DalsiStrana() == 5;
        else if (i <= KandidatuNaPrvniStrance && dalsi > KandidatuNaPrvniStrance)
            NastavStranku(4);
    }

    // The ballot ends here also when the parties after this one have nobody standing.
    if (const auto h =
            m_pravidla.KontrolaHlasu(k, i, konecListku || (k == R_CBHL_1->count() && i == p)))
        Ohlas(*h, pole);
}

void TR_Vstupni_Form::ProcDopoctiHL(int k)
{
    m_pravidla.ProcDopoctiHL(k);
    ZobrazKC();
}

void TR_Vstupni_Form::ProcObnovDopocPoleHL(int k)
{
    if (k < 1 || k > MaxStran)
        return;
    m_pravidla.ObnovIdentifikaciStrany(k);
    const TOkrsekRec &h = m_b.Vysledky.VetaT3;
    const TStranaHLRec &s = m_b.Vysledky.StranyHL[std::size_t(k)];
    R_EdPorStHL->setText(QString::number(k));
    R_EdPocHl->setText(QString::number(s.PocHl));
    R_EdPocHl2->setText(QString::number(s.PocHl));
    R_EdHLKC2->setText(QString::number(s.HLKC2));
    R_EdHLPoslKand->setText(QString::number(s.HLPoslKand));
    R_EdHLPoslKand2->setText(QString::number(s.HLPoslKand));
    R_EdPoc_VS_HL->setText(QString::number(h.Poc_VS_HL));
    R_EdPlatneHlasy->setText(QString::number(h.PlatneHlasy));
    EdKCStrany[std::size_t(k)]->setText(QString::number(s.HLKC2));
    EdPoslKand[std::size_t(k)]->setText(QString::number(s.HLPoslKand));
}

void TR_Vstupni_Form::VyberStranu(int strana)
{
    for (int i = 0; i < R_CBHL_1->count(); ++i) {
        if (m_pravidla.StranaPolozky(i) == strana) {
            R_CBHL_1->setCurrentIndex(i);
            R_CBHL_1Change();
            return;
        }
    }
}
