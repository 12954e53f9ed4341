#pragma once

#include "Porovnani.h"

#include <QDialog>

class QLabel;
class TSEdit;

// "Zadat rozdíly znovu": the values still undecided typed once more, blind, one after
// another. A value equal to one entry decides the difference for that entry; any other
// leaves it open. Enter confirms and moves on, Esc ends the round.
class TR_Znovu_F : public QDialog
{
    Q_OBJECT

public:
    // `rozdily` is edited in place: a match sets Zvoleno and PotvrzenoZapisem.
    explicit TR_Znovu_F(QList<TRozdil> &rozdily, QWidget *parent = nullptr);

    // Differences decided in this round.
    int Rozhodnuto() const { return m_rozhodnuto; }

    QLabel *PoradiLbl = nullptr;
    QLabel *UdajLbl = nullptr;
    TSEdit *HodnotaEd = nullptr;
    QLabel *VysledekLbl = nullptr;

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    void Ukaz();
    void Potvrd();

    QList<TRozdil> &m_rozdily;
    QList<int> m_otevrene; // rows asked, in the list's order
    int m_poradi = 0;      // index into m_otevrene
    int m_rozhodnuto = 0;
};
