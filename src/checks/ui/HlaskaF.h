#pragma once

#include <QColor>
#include <QDialog>

class QLabel;
class QPushButton;
class TCisChyb;
class IDotaznik;

// The modal message of one failed field check: the error number, the catalogue text
// with its parameter, "&Opravit" (also Esc) and "&Ignorovat" or "&Potvrdit".
// One instance lives for the whole run and is reused for every message.
class THlaskaF : public QDialog
{
    Q_OBJECT

public:
    // The catalogue is read later than the dialog is created; it is only looked up
    // when a message is set.
    explicit THlaskaF(const TCisChyb &ciselnik, QWidget *parent = nullptr);

    // Prepares the dialog without showing it. iInfo makes it a warning (blue);
    // otherwise an error (red) whose second button reads "&Potvrdit" when iPropust.
    // iVysvetleni, the values the check compared, gets a line of its own under the
    // text; the dialog grows for it.
    void NastavHlasku(qint32 iChyba, const QString &iParam, bool iInfo, bool iPropust,
                      const QString &iVysvetleni = QString());

    // Shows the dialog modally; true when the user chose to correct the value. While
    // the dialog is already showing, returns true at once (give the focus back).
    bool UkazHlasku();
    // The same through the program's asker, so that tests can answer it.
    bool UkazHlasku(IDotaznik &dotaznik);

    // Sets the colour of the frame along the edges of the client area.
    void Ramecek(const QColor &iColor);

    bool Opravit = true;
    QColor aktColor = Qt::red;

    QLabel *ChybaL = nullptr;
    QLabel *HlaskaL = nullptr;
    QLabel *VysvetleniL = nullptr;
    QPushButton *OpravitBtn = nullptr;
    QPushButton *IgnorovatBtn = nullptr;

    static constexpr int SirkaKlienta = 678;
    static constexpr int VyskaKlienta = 140;
    static constexpr int VyskaSVysvetlenim = 170;

public slots:
    void reject() override; // Esc and every other way of closing: correct the value

protected:
    void showEvent(QShowEvent *udalost) override;
    void changeEvent(QEvent *udalost) override;
    void paintEvent(QPaintEvent *udalost) override;

private:
    void FormShow();
    void FormActivate();
    void OpravitBtnClick();
    void IgnorovatBtnClick();

    const TCisChyb &m_ciselnik;
    QColor m_barvaRamecku = Qt::red;
};
