#include "PreviewF.h"

#include "Dotaznik.h"
#include "EChyba.h"
#include "Nahled.h"
#include "TiskNaTiskarnu.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int Okraj = 10; // grey space around the sheet, pixels

class TPlochaNahledu : public QWidget
{
public:
    explicit TPlochaNahledu(TStrankyNahledu &pohled) : QWidget(nullptr), m_pohled(pohled)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter malir(this);
        malir.fillRect(rect(), palette().color(QPalette::Dark));
        const TNahled &n = m_pohled.Nahled();
        const double m = m_pohled.Meritko();
        const QSize list = n.RozmerListu();
        const QRectF papir(Okraj, Okraj, list.width() * m, list.height() * m);
        malir.fillRect(papir.translated(3, 3), Qt::darkGray);
        malir.fillRect(papir, Qt::white);
        if (n.AktStrana() < 1 || n.AktStrana() > n.Celkem())
            return;
        malir.setClipRect(papir);
        malir.translate(Okraj, Okraj);
        malir.scale(m, m);
        PrehrajStranu(malir, n.Strana(n.AktStrana()));
    }

private:
    TStrankyNahledu &m_pohled;
};

} // namespace

TStrankyNahledu::TStrankyNahledu(TNahled &nahled, QWidget *parent)
    : QScrollArea(parent), m_nahled(nahled)
{
    setObjectName(u"PrintPreview"_s);
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_plocha = new TPlochaNahledu(*this);
    setWidget(m_plocha);
    setWidgetResizable(false);
    connect(&m_nahled, &TNahled::ZmenaStran, this, [this] {
        Prepocitej();
        m_plocha->update();
    });
    Prepocitej();
}

double TStrankyNahledu::Meritko() const
{
    // Layout units are 0.1 mm: at 100 % a unit is dpi / 254 screen pixels.
    return m_procenta / 100.0 * logicalDpiX() / 254.0;
}

void TStrankyNahledu::NastavLupu(TLupa druh, int procenta)
{
    m_druh = druh;
    if (druh == TLupa::Procenta)
        m_procenta = qBound(1, procenta, 1000);
    Prepocitej();
    m_plocha->update();
}

void TStrankyNahledu::Prepocitej()
{
    const QSize list = m_nahled.RozmerListu();
    const double naJednotku = logicalDpiX() / 254.0; // pixels per unit at 100 %
    const QSize okno = maximumViewportSize();
    const int rezerva = 2 * Okraj + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    if (m_druh == TLupa::Sirka)
        m_procenta = qMax(1.0, (okno.width() - rezerva) / (list.width() * naJednotku) * 100.0);
    else if (m_druh == TLupa::Strana)
        m_procenta =
            qMax(1.0, qMin((okno.width() - 2 * Okraj - 4) / (list.width() * naJednotku),
                           (okno.height() - 2 * Okraj - 4) / (list.height() * naJednotku)) *
                          100.0);
    const double m = Meritko();
    m_plocha->resize(qCeil(list.width() * m) + 2 * Okraj + 3,
                     qCeil(list.height() * m) + 2 * Okraj + 3);
}

void TStrankyNahledu::resizeEvent(QResizeEvent *udalost)
{
    QScrollArea::resizeEvent(udalost);
    if (m_druh != TLupa::Procenta)
        Prepocitej();
}

void TStrankyNahledu::keyPressEvent(QKeyEvent *udalost)
{
    // Page Down scrolls the sheet and at its end turns to the next page; Page Up back.
    QScrollBar *svisla = verticalScrollBar();
    if (udalost->key() == Qt::Key_PageDown) {
        if (svisla->value() < svisla->maximum()) {
            svisla->triggerAction(QAbstractSlider::SliderPageStepAdd);
        } else if (m_nahled.AktStrana() < m_nahled.Celkem()) {
            m_nahled.NastavAktStranu(m_nahled.AktStrana() + 1);
            svisla->setValue(svisla->minimum());
        }
        return;
    }
    if (udalost->key() == Qt::Key_PageUp) {
        if (svisla->value() > svisla->minimum()) {
            svisla->triggerAction(QAbstractSlider::SliderPageStepSub);
        } else if (m_nahled.AktStrana() > 1) {
            m_nahled.NastavAktStranu(m_nahled.AktStrana() - 1);
            svisla->setValue(svisla->maximum());
        }
        return;
    }
    QScrollArea::keyPressEvent(udalost);
}

TpreviewF::TpreviewF(TNahled &nahled, QPrinter &tiskarna, IDotaznik &dotaznik, TAdresare adresare,
                     QWidget *parent)
    : QDialog(parent), m_nahled(nahled), m_tiskarna(tiskarna), m_dotaznik(dotaznik),
      m_adresare(std::move(adresare))
{
    setObjectName(u"TpreviewF"_s);
    setWindowTitle(u"Preview"_s);
    setMinimumWidth(MinSirka);

    LupaL = new QLabel(u"Lupa:"_s, this);
    LupaL->setObjectName(u"LupaL"_s);
    QFont tucne = LupaL->font();
    tucne.setBold(true);
    LupaL->setFont(tucne);

    zoomCB = new QComboBox(this);
    zoomCB->setObjectName(u"zoomCB"_s);
    zoomCB->addItems({u"50%"_s, u"100%"_s, u"Celá šířka"_s, u"Celá strana"_s, u"1000%"_s});
    zoomCB->setToolTip(u"Změna náhledu"_s);
    connect(zoomCB, &QComboBox::activated, this, &TpreviewF::zoomCBChange);

    const auto tlacitko = [this](const char *jmeno, const QString &napoveda,
                                 QStyle::StandardPixmap obrazek) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(jmeno));
        b->setToolTip(napoveda);
        b->setIcon(style()->standardIcon(obrazek));
        b->setAutoRaise(true);
        return b;
    };
    firstSB = tlacitko("firstSB", u"První strana"_s, QStyle::SP_MediaSkipBackward);
    priorSB = tlacitko("priorSB", u"Předchozí strana"_s, QStyle::SP_MediaSeekBackward);
    nextSB = tlacitko("nextSB", u"Následující strana"_s, QStyle::SP_MediaSeekForward);
    lastSB = tlacitko("lastSB", u"Poslední strana"_s, QStyle::SP_MediaSkipForward);
    printerSetupSB =
        tlacitko("printerSetupSB", u"Nastavení tiskárny"_s, QStyle::SP_FileDialogDetailedView);

    connect(firstSB, &QToolButton::clicked, this, [this] {
        m_nahled.NastavAktStranu(1);
        aktBtn();
    });
    connect(priorSB, &QToolButton::clicked, this, [this] {
        if (m_nahled.AktStrana() > 1)
            m_nahled.NastavAktStranu(m_nahled.AktStrana() - 1);
        aktBtn();
    });
    connect(nextSB, &QToolButton::clicked, this, [this] {
        if (m_nahled.AktStrana() < m_nahled.Celkem())
            m_nahled.NastavAktStranu(m_nahled.AktStrana() + 1);
        aktBtn();
    });
    connect(lastSB, &QToolButton::clicked, this, [this] {
        m_nahled.NastavAktStranu(m_nahled.Celkem());
        aktBtn();
    });
    connect(printerSetupSB, &QToolButton::clicked, this, &TpreviewF::printerSetupSBClick);

    pageNL = new QLabel(u"Strana"_s, this);
    pageNL->setObjectName(u"pageNL"_s);

    printBtn = new QPushButton(u"Tisk"_s, this);
    printBtn->setObjectName(u"printBtn"_s);
    printBtn->setToolTip(u"Tisk dle nastavení"_s);
    printBtn->setAutoDefault(false);
    connect(printBtn, &QPushButton::clicked, this, &TpreviewF::printBtnClick);

    zavritBtn = new QPushButton(u"Zavřít"_s, this);
    zavritBtn->setObjectName(u"zavritBtn"_s);
    zavritBtn->setToolTip(u"Ukončení náhledu"_s);
    zavritBtn->setAutoDefault(false);
    connect(zavritBtn, &QPushButton::clicked, this, &QDialog::reject);

    PrintPreview = new TStrankyNahledu(m_nahled, this);
    connect(&m_nahled, &TNahled::ZmenaStran, this, &TpreviewF::PrintPreviewChange);

    resize(801, 412);
    PrintPreviewChange();
}

void TpreviewF::aktBtn()
{
    const int akt = m_nahled.AktStrana();
    const bool posledni = akt >= m_nahled.Celkem();
    lastSB->setEnabled(!posledni);
    nextSB->setEnabled(!posledni);
    firstSB->setEnabled(akt > 1);
    priorSB->setEnabled(akt > 1);
}

void TpreviewF::PrintPreviewChange()
{
    if (m_nahled.AktStrana() > 0)
        pageNL->setText(u"Strana %1 z %2"_s.arg(m_nahled.AktStrana()).arg(m_nahled.Celkem()));
    else
        pageNL->setText(u"Prázdný dokument"_s);
    pageNL->adjustSize();
    aktBtn();
}

void TpreviewF::zoomCBChange(int index)
{
    switch (index) {
    case 0:
        PrintPreview->NastavLupu(TStrankyNahledu::TLupa::Procenta, 50);
        break;
    case 1:
        PrintPreview->NastavLupu(TStrankyNahledu::TLupa::Procenta, 100);
        break;
    case 2:
        PrintPreview->NastavLupu(TStrankyNahledu::TLupa::Sirka);
        break;
    case 3:
        PrintPreview->NastavLupu(TStrankyNahledu::TLupa::Strana);
        break;
    case 4:
        PrintPreview->NastavLupu(TStrankyNahledu::TLupa::Procenta, 1000);
        break;
    default:
        break;
    }
    PrintPreview->setFocus();
}

void TpreviewF::printerSetupSBClick()
{
    const int pocet = qMax(1, m_nahled.PocetStran);
    m_nahled.odStrany = qBound(1, m_nahled.odStrany, pocet);
    m_nahled.doStrany = qBound(m_nahled.odStrany, m_nahled.doStrany, pocet);
    m_tiskarna.setFromTo(m_nahled.odStrany, m_nahled.doStrany);
    m_tiskarna.setPrintRange(m_nahled.odStrany == 1 && m_nahled.doStrany == pocet
                                 ? QPrinter::AllPages
                                 : QPrinter::PageRange);
    m_tiskarna.setCopyCount(PocetKopii);

    QPrintDialog PrintDialog(&m_tiskarna, this);
    PrintDialog.setObjectName(u"PrintDialog"_s);
    PrintDialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    // Only printers: a file chosen here would take every later print of the program,
    // one copy over the other. Without a printer the pages are kept as files anyway.
    PrintDialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    PrintDialog.setMinMax(1, pocet);
    const int vysledek =
        m_dotaznik.ProvedDialog(u"PrintDialog"_s, [&] { return PrintDialog.exec(); });
    if (vysledek == QDialog::Accepted) {
        PocetKopii = m_tiskarna.copyCount();
        if (m_tiskarna.printRange() == QPrinter::PageRange) {
            m_nahled.odStrany = m_tiskarna.fromPage();
            m_nahled.doStrany = m_tiskarna.toPage();
        } else {
            m_nahled.odStrany = 1;
            m_nahled.doStrany = m_nahled.PocetStran;
        }
    }
    PocetKopii = qMax(1, PocetKopii);
}

void TpreviewF::printBtnClick()
{
    if (m_nahled.Pripraven()) {
        try {
            VytiskniStrany(m_nahled, m_tiskarna, m_nahled.odStrany, m_nahled.doStrany, PocetKopii,
                           m_adresare, m_dotaznik);
        } catch (const EChyba &e) {
            m_dotaznik.Chyba(u"Tisk"_s, e.zprava());
        }
    }
    PrintPreview->setFocus();
}

void TpreviewF::keyPressEvent(QKeyEvent *udalost)
{
    // Enter presses the button that has the focus. There is no default button: Enter
    // anywhere else, in the pages say, must never print.
    const bool enter = udalost->key() == Qt::Key_Return || udalost->key() == Qt::Key_Enter;
    if (auto *b = qobject_cast<QAbstractButton *>(focusWidget()); enter && b) {
        if (b->isEnabled())
            b->click();
        udalost->accept();
        return;
    }
    QDialog::keyPressEvent(udalost);
}

void TpreviewF::showEvent(QShowEvent *udalost)
{
    QDialog::showEvent(udalost);
    PrintPreview->NastavLupu(TStrankyNahledu::TLupa::Sirka);
    zoomCB->setCurrentIndex(2);
    PocetKopii = 1;
    m_tiskarna.setCopyCount(1);
    Rozmisti();
    PrintPreviewChange();
    PrintPreview->setFocus();
}

void TpreviewF::resizeEvent(QResizeEvent *udalost)
{
    QDialog::resizeEvent(udalost);
    if (width() < MinSirka) {
        resize(MinSirka, height());
        return;
    }
    Rozmisti();
}

void TpreviewF::Rozmisti()
{
    constexpr int stred = VyskaListy / 2;
    const auto umisti = [](QWidget *w, int x, int sirka, int vyska) {
        w->setGeometry(x, stred - vyska / 2, sirka, vyska);
    };
    LupaL->adjustSize();
    umisti(LupaL, 8, LupaL->width(), LupaL->height());
    umisti(zoomCB, 50, 100, 23);
    umisti(firstSB, 160, 23, 23);
    umisti(priorSB, 184, 23, 23);
    umisti(nextSB, 208, 23, 23);
    umisti(lastSB, 232, 23, 23);
    umisti(pageNL, 264, pageNL->width(), pageNL->height());
    umisti(zavritBtn, width() - 20 - 75, 75, 25);
    umisti(printBtn, zavritBtn->x() - 30 - 75, 75, 25);
    umisti(printerSetupSB, printBtn->x() - 15 - 23, 23, 23);
    PrintPreview->setGeometry(0, VyskaListy, width(), height() - VyskaListy);
}
