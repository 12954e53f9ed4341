#include "DotaznikOkna.h"

#include <QApplication>
#include <QMessageBox>

TOdpoved TDotaznikOkna::Zobraz(const TZprava &zprava)
{
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    switch (zprava.Ikona) {
    case TIkona::Zadna:
        ikona = QMessageBox::NoIcon;
        break;
    case TIkona::Informace:
        ikona = QMessageBox::Information;
        break;
    case TIkona::Varovani:
        ikona = QMessageBox::Warning;
        break;
    case TIkona::Otazka:
        ikona = QMessageBox::Question;
        break;
    case TIkona::Chyba:
        ikona = QMessageBox::Critical;
        break;
    }
    const auto tlacitka = zprava.AnoNe ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(ikona, zprava.Titulek, zprava.Text, tlacitka, QApplication::activeWindow());
    // Texts can carry names read from files; never interpret them as markup.
    box.setTextFormat(Qt::PlainText);
    if (zprava.AnoNe && zprava.VychoziNe)
        box.setDefaultButton(QMessageBox::No);
    const int vysledek = box.exec();
    if (!zprava.AnoNe)
        return TOdpoved::OK;
    return vysledek == QMessageBox::Yes ? TOdpoved::Ano : TOdpoved::Ne;
}

int TDotaznikOkna::ProvedDialog(const QString &, const std::function<int()> &ukaz)
{
    return ukaz();
}
