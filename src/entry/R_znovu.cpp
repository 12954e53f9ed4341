#include "R_znovu.h"

#include "R_rozdily.h"
#include "SEdit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Digits each field takes in the entry window: the counts of section II, then a vote.
const int DelkaPoleII[] = {5, 4, 4, 6};
const int DelkaHlasu = 4;

} // namespace

TR_Znovu_F::TR_Znovu_F(QList<TRozdil> &rozdily, QWidget *parent)
    : QDialog(parent), m_rozdily(rozdily)
{
    setObjectName(u"TR_Znovu_F"_s);
    setWindowTitle(u"Zadat rozdíly znovu"_s);
    setModal(true);
    for (int r = 0; r < rozdily.size(); ++r) {
        if (!rozdily[r].Zvoleno)
            m_otevrene.append(r);
    }

    auto *navod = new QLabel(u"Napište hodnotu podle zápisu. Enter ji potvrdí a přejde na další "
                             u"údaj, Esc zadávání ukončí."_s,
                             this);
    navod->setWordWrap(true);
    PoradiLbl = new QLabel(this);
    UdajLbl = new QLabel(this);
    UdajLbl->setObjectName(u"UdajLbl"_s);
    UdajLbl->setWordWrap(true);
    QFont tucne = UdajLbl->font();
    tucne.setBold(true);
    UdajLbl->setFont(tucne);
    HodnotaEd = new TSEdit(this);
    HodnotaEd->setObjectName(u"HodnotaEd"_s);
    HodnotaEd->ValueType = TValueType::vtNumber;
    HodnotaEd->SetAlignment(Qt::AlignRight);
    HodnotaEd->setFixedWidth(90);
    HodnotaEd->installEventFilter(this);
    VysledekLbl = new QLabel(this);
    VysledekLbl->setWordWrap(true);
    // Room for the longest note, so that the window does not jump when it appears.
    VysledekLbl->setMinimumHeight(2 * VysledekLbl->fontMetrics().lineSpacing());

    auto *sloupec = new QVBoxLayout(this);
    for (QWidget *w : {static_cast<QWidget *>(navod), static_cast<QWidget *>(PoradiLbl),
                       static_cast<QWidget *>(UdajLbl), static_cast<QWidget *>(HodnotaEd),
                       static_cast<QWidget *>(VysledekLbl)})
        sloupec->addWidget(w);
    // As small as its text: the list stays in sight around it.
    navod->setFixedWidth(440);
    sloupec->setSizeConstraint(QLayout::SetFixedSize);
    if (!m_otevrene.isEmpty())
        Ukaz();
    HodnotaEd->setFocus(Qt::OtherFocusReason);
}

void TR_Znovu_F::Ukaz()
{
    const TRozdil &d = m_rozdily[m_otevrene[m_poradi]];
    PoradiLbl->setText(u"Údaj %1 z %2"_s.arg(m_poradi + 1).arg(m_otevrene.size()));
    // The field by name only: nothing of either entry is shown.
    UdajLbl->setText(d.Strana > 0 ? u"Strana %1, kandidát %2"_s.arg(TextStrany(d), TextUdaje(d))
                                  : TextUdaje(d));
    HodnotaEd->setMaxLength(d.Strana > 0 ? DelkaHlasu : DelkaPoleII[qBound(0, d.PoleII, 3)]);
    HodnotaEd->clear();
}

void TR_Znovu_F::Potvrd()
{
    TRozdil &d = m_rozdily[m_otevrene[m_poradi]];
    // An empty field is 0, as in the entry window.
    const qint64 hodnota = HodnotaEd->text().toLongLong();
    if (hodnota == d.Prvni || hodnota == d.Kontrolni) {
        d.Zvoleno = hodnota;
        d.PotvrzenoZapisem = true;
        ++m_rozhodnuto;
        VysledekLbl->setText(u"Předchozí údaj je rozhodnut."_s);
    } else {
        VysledekLbl->setText(
            u"Předchozí údaj nesouhlasí s prvním ani s kontrolním zápisem: zůstává nerozhodnut."_s);
    }
    if (++m_poradi >= m_otevrene.size()) {
        accept();
        return;
    }
    Ukaz();
}

bool TR_Znovu_F::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == HodnotaEd && udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent *>(udalost)->key();
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
            if (m_poradi < m_otevrene.size())
                Potvrd();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}
