#include "VyberTiskarny.h"

#include "TiskNaTiskarnu.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

using namespace Qt::StringLiterals;

TZ_VyberTiskarny::TZ_VyberTiskarny(QPrinter &tiskarna, const QString &adrTisku, QWidget *parent)
    : QDialog(parent), m_tiskarna(tiskarna)
{
    setObjectName(u"Z_PrintDialog"_s);
    setWindowTitle(u"Výběr tiskárny"_s);
    setMinimumWidth(460);
    auto *rozlozeni = new QFormLayout(this);

    Tiskarna_CB = new QComboBox(this);
    Tiskarna_CB->setObjectName(u"Tiskarna_CB"_s);
    Tiskarna_CB->addItems(QPrinterInfo::availablePrinterNames());
    const QString aktualni = JeTiskarnaNainstalovana(tiskarna) ? tiskarna.printerName()
                                                               : QPrinterInfo::defaultPrinterName();
    Tiskarna_CB->setCurrentIndex(qMax(0, Tiskarna_CB->findText(aktualni)));
    rozlozeni->addRow(u"&Tiskárna:"_s, Tiskarna_CB);

    Papir_CB = new QComboBox(this);
    Papir_CB->setObjectName(u"Papir_CB"_s);
    rozlozeni->addRow(u"&Papír:"_s, Papir_CB);

    Orientace_CB = new QComboBox(this);
    Orientace_CB->setObjectName(u"Orientace_CB"_s);
    Orientace_CB->addItem(u"na výšku"_s, int(QPageLayout::Portrait));
    Orientace_CB->addItem(u"na šířku"_s, int(QPageLayout::Landscape));
    Orientace_CB->setCurrentIndex(
        tiskarna.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0);
    rozlozeni->addRow(u"&Orientace:"_s, Orientace_CB);

    Info_Lbl = new QLabel(this);
    Info_Lbl->setObjectName(u"Info_Lbl"_s);
    Info_Lbl->setWordWrap(true);
    if (Tiskarna_CB->count() == 0) {
        Tiskarna_CB->setPlaceholderText(u"žádná"_s);
        Tiskarna_CB->setEnabled(false);
        Info_Lbl->setText(
            u"Není nainstalována žádná tiskárna. Každý dokument i každá jeho kopie se uloží "
            u"jako samostatný soubor PDF do adresáře\n%1"_s.arg(
                QDir::toNativeSeparators(QDir::cleanPath(adrTisku))));
    } else {
        Info_Lbl->setText(
            u"Zápis i ostatní sestavy se tisknou na papír a v orientaci, pro které jsou navrženy."_s);
    }
    rozlozeni->addRow(Info_Lbl);

    auto *tlacitka = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    tlacitka->button(QDialogButtonBox::Ok)->setText(u"OK"_s);
    tlacitka->button(QDialogButtonBox::Cancel)->setText(u"Storno"_s);
    connect(tlacitka, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    rozlozeni->addRow(tlacitka);

    connect(Tiskarna_CB, &QComboBox::currentIndexChanged, this, &TZ_VyberTiskarny::NactiPapiry);
    NactiPapiry();
}

void TZ_VyberTiskarny::NactiPapiry()
{
    const QPageSize::PageSizeId vybrany =
        Papir_CB->count() > 0 ? QPageSize::PageSizeId(Papir_CB->currentData().toInt())
                              : m_tiskarna.pageLayout().pageSize().id();
    Papir_CB->clear();
    QList<QPageSize> papiry =
        QPrinterInfo::printerInfo(Tiskarna_CB->currentText()).supportedPageSizes();
    if (papiry.isEmpty())
        papiry = {QPageSize(QPageSize::A4), QPageSize(QPageSize::A3)};
    for (const QPageSize &p : papiry)
        Papir_CB->addItem(p.name(), int(p.id()));
    const int i = Papir_CB->findData(int(vybrany));
    Papir_CB->setCurrentIndex(i >= 0 ? i : qMax(0, Papir_CB->findData(int(QPageSize::A4))));
}

void TZ_VyberTiskarny::accept()
{
    // A printer only: a file chosen earlier is forgotten, so it cannot take later prints.
    m_tiskarna.setOutputFileName(QString());
    if (Tiskarna_CB->count() > 0)
        m_tiskarna.setPrinterName(Tiskarna_CB->currentText());
    m_tiskarna.setPageSize(QPageSize(QPageSize::PageSizeId(Papir_CB->currentData().toInt())));
    m_tiskarna.setPageOrientation(QPageLayout::Orientation(Orientace_CB->currentData().toInt()));
    QDialog::accept();
}
