#pragma once

#include "Okna.h"

#include <QDialog>

class QLabel;
class QTimer;

// The start-up reminder to check the computer's date and time, with a live clock.
class TZ_Info_F : public QDialog
{
    Q_OBJECT

public:
    explicit TZ_Info_F(QWidget *parent = nullptr);

    QLabel *Datum_LBL = nullptr;
    QLabel *Cas_LBL = nullptr;
    QTimer *datumCasTimer = nullptr;

protected:
    void showEvent(QShowEvent *udalost) override;
    void hideEvent(QHideEvent *udalost) override;

private:
    void ZobrazDatumCas();
};
