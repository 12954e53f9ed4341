#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The question of the export flow when the two council types' counts differ: both
// columns side by side, "&Ano" continues, "&Ne" withdraws the clearance of the checks.
// "&Ne" is the default, and Esc and the close box mean it too.
class TZ_info83_F : public QDialog
{
    Q_OBJECT

public:
    // The dialog's result after "&Ne", Esc or the close box.
    static constexpr int VysledekNe = 2;

    explicit TZ_info83_F(bool &kontrolyOK, QWidget *parent = nullptr);

    QString InfoText1, InfoText2, InfoText3, InfoText4, InfoText5;

    QLabel *titulek3 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *titulek2 = nullptr;
    QPushButton *Ano_Btn = nullptr;
    QPushButton *Ne_Btn = nullptr;

    void FormShow();
    void Ano_BtnClick();
    void Ne_BtnClick();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *udalost) override;

private:
    bool &m_kontrolyOK;
};
