#include "R_rozdily.h"

#include "Klavesy.h"
#include "R_znovu.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

enum TSloupec
{
    Stranka,
    Strana,
    Udaj,
    Prvni,
    Kontrolni,
    Plati,
    PocetSloupcu
};

} // namespace

QString TextStrany(const TRozdil &d)
{
    return d.Strana > 0 ? u"%1 %2"_s.arg(d.Strana).arg(d.ZkratkaStrany) : QString();
}

QString TextUdaje(const TRozdil &d)
{
    return d.Kandidat > 0 ? u"%1. %2"_s.arg(d.Kandidat).arg(d.JmenoKandidata) : d.Popis;
}

TR_Rozdily_F::TR_Rozdily_F(QList<TRozdil> &rozdily, const QStringList &stranky, QWidget *parent)
    : QDialog(parent), m_rozdily(rozdily)
{
    setObjectName(u"TR_Rozdily_F"_s);
    setWindowTitle(u"Kontrolní pořízení - rozdíly"_s);
    setFixedSize(860, 480);

    auto *popis = new QLabel(this);
    popis->setWordWrap(true);
    popis->setGeometry(12, 8, 836, 48);
    popis->setText(
        u"Kontrolní pořízení se liší od pořízených dat v %1 údajích. U každého rozdílu zvolte "
        u"podle zápisu správnou hodnotu (klávesa 1 první, 2 kontrolní), nerozhodnuté zadejte "
        u"znovu (klávesa 3), nebo se vraťte k pořízení a údaj opravte."_s.arg(rozdily.size()));

    R_Rozdily_SG = new QTableWidget(int(rozdily.size()), PocetSloupcu, this);
    R_Rozdily_SG->setObjectName(u"R_Rozdily_SG"_s);
    R_Rozdily_SG->setGeometry(12, 60, 836, 330);
    R_Rozdily_SG->setHorizontalHeaderLabels(
        {u"Stránka"_s, u"Strana"_s, u"Údaj"_s, u"První"_s, u"Kontrolní"_s, u"Platí"_s});
    R_Rozdily_SG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    R_Rozdily_SG->setSelectionBehavior(QAbstractItemView::SelectRows);
    R_Rozdily_SG->setSelectionMode(QAbstractItemView::SingleSelection);
    R_Rozdily_SG->setTabKeyNavigation(false);
    R_Rozdily_SG->verticalHeader()->hide();
    R_Rozdily_SG->setWordWrap(false); // one line a difference; the tooltip has the whole text
    R_Rozdily_SG->horizontalHeader()->setSectionResizeMode(Udaj, QHeaderView::Stretch);
    for (int r = 0; r < rozdily.size(); ++r) {
        const TRozdil &d = rozdily[r];
        const QStringList texty{stranky.value(d.Stranka), TextStrany(d), TextUdaje(d),
                                QString::number(d.Prvni), QString::number(d.Kontrolni)};
        for (int s = 0; s < texty.size(); ++s) {
            auto *bunka = new QTableWidgetItem(texty[s]);
            // Names come from the reference files: shown as they are.
            bunka->setToolTip(texty[s]);
            if (s == Prvni || s == Kontrolni)
                bunka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            R_Rozdily_SG->setItem(r, s, bunka);
        }
        R_Rozdily_SG->setItem(r, Plati, new QTableWidgetItem);
        ObnovRadek(r);
    }
    R_Rozdily_SG->resizeColumnToContents(Stranka);
    R_Rozdily_SG->resizeColumnToContents(Strana);
    for (const int s : {int(Prvni), int(Kontrolni)})
        R_Rozdily_SG->setColumnWidth(s, 75);
    R_Rozdily_SG->setColumnWidth(Plati, 200);
    R_Rozdily_SG->resizeRowsToContents();
    R_Rozdily_SG->installEventFilter(this);

    m_stav = new QLabel(this);
    m_stav->setGeometry(12, 396, 836, 20);

    auto tlacitko = [this](QPushButton *&b, const QString &text, const char *jmeno, int x,
                           int sirka) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(jmeno));
        b->setGeometry(x, 430, sirka, 30);
        b->setAutoDefault(false);
    };
    tlacitko(PrvniBtn, u"Platí &první"_s, "PrvniBtn", 12, 110);
    tlacitko(KontrolniBtn, u"Platí &kontrolní"_s, "KontrolniBtn", 128, 120);
    tlacitko(ZpetBtn, u"&Zpět k pořízení"_s, "ZpetBtn", 270, 140);
    tlacitko(ZapsatBtn, u"&Uložit zvolené"_s, "ZapsatBtn", 416, 140);
    tlacitko(ZnovuBtn, u"Zadat &rozdíly znovu"_s, "ZnovuBtn", 562, 160);
    tlacitko(ZavritBtn, u"Zavřít"_s, "ZavritBtn", 738, 110);
    connect(PrvniBtn, &QPushButton::clicked, this, [this] { Zvol(false); });
    connect(KontrolniBtn, &QPushButton::clicked, this, [this] { Zvol(true); });
    connect(ZpetBtn, &QPushButton::clicked, this, [this] { done(Zpet); });
    connect(ZapsatBtn, &QPushButton::clicked, this, [this] { done(Zapsat); });
    connect(ZnovuBtn, &QPushButton::clicked, this, &TR_Rozdily_F::ZadatZnovu);
    connect(ZavritBtn, &QPushButton::clicked, this, [this] { reject(); });

    setTabOrder(R_Rozdily_SG, PrvniBtn);
    setTabOrder(PrvniBtn, KontrolniBtn);
    setTabOrder(KontrolniBtn, ZpetBtn);
    setTabOrder(ZpetBtn, ZapsatBtn);
    setTabOrder(ZapsatBtn, ZnovuBtn);
    setTabOrder(ZnovuBtn, ZavritBtn);
    // The first difference still open: 1 or 2 must never land on a decided one unseen.
    if (!rozdily.isEmpty())
        R_Rozdily_SG->selectRow(qMax(0, PrvniOtevreny(0)));
    R_Rozdily_SG->setFocus(Qt::OtherFocusReason);
    ObnovStav();
}

int TR_Rozdily_F::Vybrany() const
{
    return R_Rozdily_SG->currentRow();
}

int TR_Rozdily_F::PrvniOtevreny(int od) const
{
    for (int i = 0; i < m_rozdily.size(); ++i) {
        const int r = (od + i) % int(m_rozdily.size());
        if (!m_rozdily[r].Zvoleno)
            return r;
    }
    return -1;
}

int TR_Rozdily_F::PocetOtevrenych() const
{
    return int(std::count_if(m_rozdily.cbegin(), m_rozdily.cend(),
                             [](const TRozdil &d) { return !d.Zvoleno; }));
}

void TR_Rozdily_F::Zvol(bool kontrolni)
{
    const int r = Vybrany();
    if (r < 0 || r >= m_rozdily.size())
        return;
    TRozdil &d = m_rozdily[r];
    const qint64 hodnota = kontrolni ? d.Kontrolni : d.Prvni;
    // Changing a decision is marked on its row, so it is never changed unnoticed.
    if (d.Zvoleno && *d.Zvoleno != hodnota) {
        m_zmenene.insert(r);
        d.PotvrzenoZapisem = false;
    }
    d.Zvoleno = hodnota;
    ObnovRadek(r);
    ObnovStav();
    // On to the next difference still open, so that the list is worked down by keys.
    const int dalsi = PrvniOtevreny(r + 1);
    if (dalsi >= 0)
        R_Rozdily_SG->selectRow(dalsi);
    R_Rozdily_SG->setFocus(Qt::OtherFocusReason);
}

void TR_Rozdily_F::ObnovRadek(int r)
{
    const TRozdil &d = m_rozdily[r];
    QString text;
    if (d.Zvoleno)
        text = (*d.Zvoleno == d.Kontrolni ? u"kontrolní "_s : u"první "_s) +
               QString::number(*d.Zvoleno) + (d.PotvrzenoZapisem ? u" (zadáno znovu)"_s : u""_s);
    if (m_zmenene.contains(r))
        text += u" (změněno)"_s;
    R_Rozdily_SG->item(r, Plati)->setText(text);
}

void TR_Rozdily_F::ObnovStav()
{
    const int otevrenych = PocetOtevrenych();
    ZapsatBtn->setEnabled(otevrenych == 0);
    ZnovuBtn->setEnabled(otevrenych > 0);
    m_stav->setText(
        otevrenych == 0
            ? u"Všechny rozdíly jsou rozhodnuty; „Uložit zvolené“ je zapíše do pořízených dat."_s
            : u"Nerozhodnuto: %1. Do pořízených dat se nic nezapíše, dokud nejsou rozhodnuty všechny."_s
                  .arg(otevrenych));
}

void TR_Rozdily_F::ZadatZnovu()
{
    const int otevrenych = PocetOtevrenych();
    if (otevrenych == 0)
        return;
    // Blind: neither entry's value may be in sight while the values are typed again.
    const int sloupce[] = {Prvni, Kontrolni, Plati};
    for (const int s : sloupce)
        R_Rozdily_SG->setColumnHidden(s, true);
    TR_Znovu_F znovu(m_rozdily, this);
    znovu.exec();
    for (const int s : sloupce)
        R_Rozdily_SG->setColumnHidden(s, false);
    for (int r = 0; r < m_rozdily.size(); ++r)
        ObnovRadek(r);
    ObnovStav();
    m_stav->setText(
        u"Zadáno znovu: rozhodnuto %1 z %2. "_s.arg(znovu.Rozhodnuto()).arg(otevrenych) +
        m_stav->text());
    const int prvni = PrvniOtevreny(0);
    if (prvni >= 0)
        R_Rozdily_SG->selectRow(prvni);
    // The keys go back to the list, also where nothing hands the focus back to it.
    activateWindow();
    R_Rozdily_SG->setFocus(Qt::OtherFocusReason);
}

bool TR_Rozdily_F::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == R_Rozdily_SG && udalost->type() == QEvent::KeyPress) {
        // 1 and 2 however typed: the keypad, Shift, or the Czech layout's "+" and "ě".
        const int cislice = Klavesy::Cislice(*static_cast<QKeyEvent *>(udalost));
        if (cislice == 1 || cislice == 2) {
            Zvol(cislice == 2);
            return true;
        }
        if (cislice == 3) {
            ZadatZnovu();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}
