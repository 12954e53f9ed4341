#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPrinter;

// The printer choice of the main menu: one of the system's printers, its paper and the
// orientation, applied to the program's printer on OK. It offers printers only, never
// a file, so that no choice collects the later prints into one file; without any
// printer it says where the documents are kept instead.
class TZ_VyberTiskarny : public QDialog
{
    Q_OBJECT

public:
    TZ_VyberTiskarny(QPrinter &tiskarna, const QString &adrTisku, QWidget *parent = nullptr);

    QComboBox *Tiskarna_CB = nullptr;
    QComboBox *Papir_CB = nullptr;
    QComboBox *Orientace_CB = nullptr;
    QLabel *Info_Lbl = nullptr;

    void accept() override;

private:
    void NactiPapiry();

    QPrinter &m_tiskarna;
};
