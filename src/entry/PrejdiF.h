#pragma once

#include <QDialog>

class QLineEdit;

// Ctrl+G in the entry window: a party's order number and a candidate number. Enter
// in the party moves to the candidate, Enter there confirms; Esc cancels.
class TPrejdiF : public QDialog
{
    Q_OBJECT

public:
    explicit TPrejdiF(QWidget *parent = nullptr);

    int Strana() const;
    int Kandidat() const; // 0: empty, the party list

    QLineEdit *StranaEd = nullptr;
    QLineEdit *KandidatEd = nullptr;

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;
};
