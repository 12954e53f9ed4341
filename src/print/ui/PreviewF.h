#pragma once

#include "Adresare.h"

#include <QDialog>
#include <QScrollArea>

class IDotaznik;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QToolButton;
class TNahled;

// The view of the recorder's current page at a zoom, repainted from the recorded
// operations so that every zoom is sharp.
class TStrankyNahledu : public QScrollArea
{
    Q_OBJECT

public:
    enum class TLupa
    {
        Procenta,
        Sirka,
        Strana
    };

    explicit TStrankyNahledu(TNahled &nahled, QWidget *parent = nullptr);

    void NastavLupu(TLupa druh, int procenta = 100);
    TLupa DruhLupy() const { return m_druh; }
    // The zoom now in effect, in per cent of the sheet's real size.
    double Procenta() const { return m_procenta; }
    // Screen pixels per layout unit at the zoom now in effect.
    double Meritko() const;

    TNahled &Nahled() const { return m_nahled; }

protected:
    void resizeEvent(QResizeEvent *udalost) override;
    void keyPressEvent(QKeyEvent *udalost) override;

private:
    void Prepocitej();

    TNahled &m_nahled;
    QWidget *m_plocha = nullptr;
    TLupa m_druh = TLupa::Sirka;
    double m_procenta = 100;
};

// The print preview window: pages, zoom, printer setup, printing and closing.
class TpreviewF : public QDialog
{
    Q_OBJECT

public:
    // The program's current printer, asker and directories (the installation's for the
    // PDF written when no printer is installed, the station's for the journal).
    TpreviewF(TNahled &nahled, QPrinter &tiskarna, IDotaznik &dotaznik, TAdresare adresare,
              QWidget *parent = nullptr);

    TNahled &Nahled() const { return m_nahled; }

    int PocetKopii = 1;

    QLabel *LupaL = nullptr;
    QComboBox *zoomCB = nullptr;
    QToolButton *firstSB = nullptr;
    QToolButton *priorSB = nullptr;
    QToolButton *nextSB = nullptr;
    QToolButton *lastSB = nullptr;
    QLabel *pageNL = nullptr;
    QToolButton *printerSetupSB = nullptr;
    QPushButton *printBtn = nullptr;
    QPushButton *zavritBtn = nullptr;
    TStrankyNahledu *PrintPreview = nullptr;

    void aktBtn();
    void printerSetupSBClick();
    void printBtnClick();

    static constexpr int MinSirka = 600;
    static constexpr int VyskaListy = 29;

protected:
    void showEvent(QShowEvent *udalost) override;
    void resizeEvent(QResizeEvent *udalost) override;
    void keyPressEvent(QKeyEvent *udalost) override;

private:
    void zoomCBChange(int index);
    void PrintPreviewChange();
    void Rozmisti();

    TNahled &m_nahled;
    QPrinter &m_tiskarna;
    IDotaznik &m_dotaznik;
    TAdresare m_adresare;
};
