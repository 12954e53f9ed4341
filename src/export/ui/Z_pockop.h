#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// How many copies of the record to print: one digit, 1 to 9, 2 unless changed.
class TZ_PocetKopii_F : public QDialog
{
    Q_OBJECT

public:
    explicit TZ_PocetKopii_F(QWidget *parent = nullptr);

    int PocetKopiiZapisu = 2;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Z_PocetKopii_SE = nullptr;
    QPushButton *Z_PKOK_Btn = nullptr;

    void FormShow();
    void Z_PKOK_BtnClick();

public slots:
    // The data are exported by now and the record must be printed: Esc does not skip
    // it, the number is confirmed with OK.
    void reject() override {}

protected:
    void showEvent(QShowEvent *udalost) override;
};
