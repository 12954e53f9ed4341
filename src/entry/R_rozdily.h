#pragma once

#include "Porovnani.h"

#include <QDialog>
#include <QSet>

class QLabel;
class QPushButton;
class QTableWidget;

// How the list names a difference's party ("3 ABC", empty for section II) and its field
// (the candidate, or the count of section II).
QString TextStrany(const TRozdil &d);
QString TextUdaje(const TRozdil &d);

// The list of every difference between the first entry and the control entry. For
// each the commission chooses the value that the paper record holds, types the open
// ones once more (TR_Znovu_F), or goes back to the control entry to re-type a value.
class TR_Rozdily_F : public QDialog
{
    Q_OBJECT

public:
    // The dialog's results besides Rejected (closed: back to the control entry as it was).
    enum TVysledek
    {
        Zpet = 2,
        Zapsat = 3
    };

    // `rozdily` is edited in place: each choice sets its Zvoleno. `stranky` are the
    // captions of the entry window's pages, by index.
    TR_Rozdily_F(QList<TRozdil> &rozdily, const QStringList &stranky, QWidget *parent = nullptr);

    // The difference on the current row (for Zpet: the value to re-type).
    int Vybrany() const;

    QTableWidget *R_Rozdily_SG = nullptr;
    QPushButton *PrvniBtn = nullptr;
    QPushButton *KontrolniBtn = nullptr;
    QPushButton *ZpetBtn = nullptr;
    QPushButton *ZapsatBtn = nullptr;
    QPushButton *ZnovuBtn = nullptr;
    QPushButton *ZavritBtn = nullptr;

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    void Zvol(bool kontrolni);
    void ZadatZnovu();
    // The first undecided difference from row `od` on, round the list; -1 when none.
    int PrvniOtevreny(int od) const;
    int PocetOtevrenych() const;
    void ObnovRadek(int r);
    void ObnovStav();

    QList<TRozdil> &m_rozdily;
    QSet<int> m_zmenene; // rows whose decision was changed in this showing
    QLabel *m_stav = nullptr;
};
