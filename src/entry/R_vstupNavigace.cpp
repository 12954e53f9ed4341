// The entry window's pages and keys: page changes and their focus rules, the report
// of a failed check with the focus going back, and closing.
#include "R_vstup.h"

#include "EChyba.h"
#include "HlaskaF.h"
#include "Klavesy.h"
#include "UkladaniPriNecinnosti.h"
#include "Vysvetleni.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString TitulekVstupu = u"Vstup dat za okrsek"_s;

// The deferred report of a failed check: where the focus goes back and, for a
// candidate field, which party the value belongs to.
class TUdalostHlaska : public QEvent
{
public:
    TUdalostHlaska(QWidget *opr, int strana)
        : QEvent(QEvent::Type(TR_Vstupni_Form::WM_HLASKA)), Opravit(opr), Strana(strana)
    {
    }
    QPointer<QWidget> Opravit;
    int Strana;
};

bool JeEnter(const QKeyEvent *k)
{
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

int TR_Vstupni_Form::Stranka() const
{
    return R_TN_T3HL->currentIndex();
}

int TR_Vstupni_Form::StranaPole(QWidget *w) const
{
    for (int i = 0; i < 6; ++i) {
        if (Panely[std::size_t(i)]->isAncestorOf(w))
            return i;
    }
    return -1;
}

// ---- Navigation ------------------------------------------------------------------

void TR_Vstupni_Form::NastavStranku(int stranka, bool sFokusem)
{
    if (stranka != Stranka()) {
        if (!Ukonceni && !m_plneni)
            UlozPrubezne();
        m_menimKodem = true;
        R_TN_T3HL->setCurrentIndex(stranka);
        m_menimKodem = false;
    }
    if (sFokusem)
        R_TN_T3HLClick();
}

void TR_Vstupni_Form::R_TN_T3HLClick()
{
    switch (Stranka()) {
    case 0:
        R_SEdZahajeno1->setFocus(Qt::OtherFocusReason);
        break;
    case 1:
        R_EdZapsOsoby->setFocus(Qt::OtherFocusReason);
        break;
    case 2:
        Panely[2]->setFocus(Qt::OtherFocusReason);
        break;
    case 3:
        R_CBHL_1Change();
        R_CBHL_1->setFocus(Qt::OtherFocusReason);
        break;
    case 4:
        if (const int prvni = m_pravidla.DalsiPlatnyKand(KandidatuNaPrvniStrance))
            EdHlasyKand[std::size_t(prvni)]->setFocus(Qt::OtherFocusReason);
        else
            Panely[4]->setFocus(Qt::OtherFocusReason);
        break;
    case 5:
        R_SEdClenuOVKC->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

int TR_Vstupni_Form::SousedniStranka(int smer) const
{
    const int prvni = m_pravidla.Rezim().PrvniStranka();
    const int pocet = m_pravidla.Rezim().PocetStranek();
    return prvni + (Stranka() - prvni + smer + pocet) % pocet;
}

void TR_Vstupni_Form::PageDownMIClick()
{
    UlozitAktivniPole();
    NastavStranku(SousedniStranka(1));
}

void TR_Vstupni_Form::PageUpMIClick()
{
    UlozitAktivniPole();
    NastavStranku(SousedniStranka(-1));
}

void TR_Vstupni_Form::Dalsi_BtnClick()
{
    NastavStranku(1);
}

void TR_Vstupni_Form::R_Dalsi2_BtnClick()
{
    NastavStranku(3, false);
    // The ballot starts at the first party with somebody standing.
    const TStojiciStrana prvni = m_pravidla.StojiciOd(0);
    Oznam(R_StavRadek_Lbl, TextPreskocenych(prvni.Preskocene));
    if (R_CBHL_1->count() > 0)
        R_CBHL_1->setCurrentIndex(qMax(0, prvni.Polozka));
    R_TN_T3HLClick();
}

void TR_Vstupni_Form::Oznam(QLabel *radek, const QString &text)
{
    radek->setText(text);
    if (!text.isEmpty())
        m_posledniOznameni = radek;
    // A failed save stays in sight until it is over; otherwise the latest note shows.
    QLabel *ukazat = R_StavovyRadek->text().isEmpty() ? m_posledniOznameni : R_StavovyRadek;
    for (QLabel *l : {R_StavovyRadek, R_StavRadek_Lbl, R_StavL})
        l->setVisible(l == ukazat && !l->text().isEmpty());
}

// ---- Failed checks ---------------------------------------------------------------

void TR_Vstupni_Form::Hlaska(qint32 iChyba, const QString &iParam, QWidget *oprEdit, bool iInfo,
                             bool iPropust, int strana)
{
    if (focusWidget() == zrusitBtn)
        return;
    // Every caller has just run the failed check, which left its values here.
    const TOperandy &o = m_b.Stav.Posledni;
    m_hlaska.NastavHlasku(iChyba, iParam, iInfo, iPropust,
                          o.Chyba == iChyba ? Vysvetli(o) : QString());
    QCoreApplication::postEvent(this, new TUdalostHlaska(oprEdit, strana));
}

void TR_Vstupni_Form::Ohlas(const THlaseni &h, QWidget *pole)
{
    Hlaska(h.Chyba, h.Param, h.NaPlatneHlasy ? R_EdPlatneHlasy : pole, h.Info, h.Propust, h.Strana);
}

bool TR_Vstupni_Form::event(QEvent *udalost)
{
    if (udalost->type() == QEvent::Type(WM_HLASKA)) {
        auto *u = static_cast<TUdalostHlaska *>(udalost);
        WMHlaska(u->Opravit, u->Strana);
        return true;
    }
    return QDialog::event(udalost);
}

void TR_Vstupni_Form::WMHlaska(QWidget *c, int strana)
{
    auto *a = qobject_cast<TSEdit *>(focusWidget());
    auto *b = qobject_cast<QPushButton *>(focusWidget());
    // A button pressed with the mouse loses its release to the dialog.
    if (b)
        b->setDown(false);
    const bool opravit = m_hlaska.UkazHlasku(m_b.Dotaznik());
    activateWindow();
    if (!c)
        return;
    const int cil = StranaPole(c);
    // The field at fault on its page; the value belongs to the party it was typed for.
    auto vratFokus = [&] {
        if (cil >= 0)
            NastavStranku(cil, false);
        if ((cil == 3 || cil == 4) && strana > 0 && strana != PolozkaStrany())
            VyberStranu(strana);
        if (c->isEnabled() && c->isVisible())
            c->setFocus(Qt::OtherFocusReason);
    };
    if (opravit && a) {
        const int tag = a->property("tag").toInt();
        if (tag > 0 && StranaPole(a) >= 3)
            ObarviRadek(tag, Qt::black);
        const auto exit = a->OnExit;
        a->OnExit = nullptr;
        vratFokus();
        if (c != a && !a->hasFocus())
            a->Opustit();
        a->OnExit = exit;
    } else if (opravit) {
        vratFokus();
    } else if (b && b != R_Dalsi2_Btn && b != PorovnatBtn) {
        // "Porovnat" is where the control entry's walk ends, not a click to repeat.
        b->click();
    }
}

// ---- Keys and closing ------------------------------------------------------------

bool TR_Vstupni_Form::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(udalost);
        if (objekt == R_CBHL_1 && k->key() == Qt::Key_Delete)
            return true;
        // A party with no standing candidate leaves nothing to Tab to on its page: Tab
        // (and Enter, which becomes Tab) leaves the list all the same.
        if (objekt == R_CBHL_1 && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
            m_pravidla.PoslPlatnyKand() == 0) {
            R_CBHL_1Exit();
            return true;
        }
        if (JeEnter(k)) {
            QCoreApplication::postEvent(
                objekt, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
            return true;
        }
        // Votes typed on the party list belong to the first standing candidate of the party
        // shown: the focus goes there with the digit.
        if (objekt == R_CBHL_1 && Klavesy::Cislice(*k) >= 0) {
            if (!NapisDoPrvnihoKandidata(*k))
                QApplication::beep();
            return true;
        }
        // No typing into the party list or the radio buttons; Space still presses a button.
        if (!k->text().isEmpty() && k->text().at(0).isPrint() && k->key() != Qt::Key_Space)
            return true;
    } else if (udalost->type() == QEvent::FocusOut && objekt == R_CBHL_1) {
        if (!JenZmenaOkna(static_cast<QFocusEvent *>(udalost)->reason()) && !m_opoustiSeznam)
            QMetaObject::invokeMethod(
                this, [this] { R_CBHL_1Exit(); }, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TR_Vstupni_Form::keyPressEvent(QKeyEvent *udalost)
{
    if (udalost->key() == Qt::Key_Escape) {
        // "Zrušit" is the cancel button while its page is shown.
        if (Stranka() == 1 && zrusitBtn->isVisible() && zrusitBtn->isEnabled())
            zrusitBtn->click();
        udalost->accept();
        return;
    }
    if (JeEnter(udalost)) {
        udalost->accept();
        return;
    }
    QDialog::keyPressEvent(udalost);
}

void TR_Vstupni_Form::reject()
{
    close();
}

bool TR_Vstupni_Form::FormCloseQuery()
{
    TZprava z{TIkona::Otazka, TitulekVstupu,
              u"Opravdu ukončit pořizování bez uložení změn na aktuální záložce?"_s, true};
    z.VychoziNe = true;
    if (m_b.Dotaznik().Zobraz(z) != TOdpoved::Ano)
        return false;
    Ukonceni = true;
    m_necinnost->Zastav();
    // The idle saves of this page are undone: the page is left as it was entered.
    try {
        m_pravidla.VratStranku();
    } catch (const EChyba &e) {
        m_b.Dotaznik().Chyba(TitulekVstupu, e.zprava());
    }
    NastavStranku(m_pravidla.Rezim().PrvniStranka(), false);
    return true;
}

void TR_Vstupni_Form::closeEvent(QCloseEvent *udalost)
{
    if (!m_zavritBezOtazky && !FormCloseQuery()) {
        udalost->ignore();
        return;
    }
    m_necinnost->Zastav();
    m_menimKodem = true;
    R_TN_T3HL->setCurrentIndex(m_pravidla.Rezim().PrvniStranka());
    m_menimKodem = false;
    udalost->accept();
    done(QDialog::Rejected);
}

void TR_Vstupni_Form::ZavritBezOtazky()
{
    m_zavritBezOtazky = true;
    close();
}
