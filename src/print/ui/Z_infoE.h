#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The general information dialog: two texts set by the caller and an eject button that
// only the report of a device export shows.
class TZ_infoE_F : public QDialog
{
    Q_OBJECT

public:
    explicit TZ_infoE_F(QWidget *parent = nullptr);

    // Texts shown at the next showing; '\r' or '\n' break lines.
    QString InfoText1;
    QString InfoText2;

    QLabel *titulek2 = nullptr;
    QLabel *titulek3 = nullptr;
    QPushButton *OK_Btn = nullptr;
    QPushButton *Odebrat_Btn = nullptr;

signals:
    // The eject button was pressed; the dialog stays open.
    void Odebrat();

protected:
    void showEvent(QShowEvent *udalost) override;
};
