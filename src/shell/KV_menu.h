#pragma once

#include "NavrhyOprav.h"

#include <QMainWindow>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>

#include <functional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class TProgram;
class TZ_Info_F;
class TZ_OProgramu_F;
class TNapoveda;
class THlaskaF;
class TR_Vstupni_Form;

// The main window: menu, two pictures and the status line. Every command of the
// program starts here and runs inside Proved(), the general error handler.
class TKV_menu : public QMainWindow
{
    Q_OBJECT

public:
    // Fixes the working directories from the program's directory and parameters.
    // When the program may not run, tells the user; LzeSpustit() is then false.
    TKV_menu(TProgram &program, const QString &adresarProgramu, const QStringList &parametry,
             QWidget *parent = nullptr);
    ~TKV_menu() override;

    bool LzeSpustit() const { return m_lzeSpustit; }
    // False when the first show could not read the station (the window then stays open).
    bool StaniceNactena() const { return m_staniceNactena; }
    TProgram &Program() const { return m_program; }

    // Runs one command: an error ends it, is shown, and the window stays usable.
    // True when the command ran to its end.
    bool Proved(const std::function<void()> &prikaz);

    // The commands of the menu (Prikazy.cpp).
    void PorizeniDat();
    // The control entry: a second, blind entry of the counts and votes, compared with the first.
    void KontrolniPorizeni();
    void Kontroly();
    void ExportTisk();
    void ScitaciArch(QPageLayout::Orientation orientace, QPageSize::PageSizeId papir);
    void ZrusitData();
    void VyberTiskarny();
    // The help window at a topic of the help file (TemaNapovedy), its beginning when empty.
    void Napoveda(const QString &tema = QString());
    void OProgramu();
    // The system or the session asks the program to end: what is being typed is
    // stored, both journaled, and the program ends without questions.
    void UkonciNaPozadani(const QString &duvod);
    void ZkusebniTisk();

    TZ_Info_F *InfoDialog();
    TZ_OProgramu_F *OProgramuDialog();
    TNapoveda *NapovedaOkno() const;
    // The error message of the field checks, made at start and reused.
    THlaskaF *HlaskaF() const { return m_hlaska; }

    static constexpr int SirkaKlienta = 712;
    static constexpr int VyskaKlienta = 554;

protected:
    void showEvent(QShowEvent *udalost) override;
    // F1 in any window of the program opens the help at that window's topic.
    bool eventFilter(QObject *objekt, QEvent *udalost) override;
    void closeEvent(QCloseEvent *udalost) override;

private:
    void VytvorMenu();
    void VytvorObsah();
    void FormShow();
    void VyplnStavovyRadek();
    // Says in the status area whether a council type's export is out of date.
    void ObnovStavExportu();
    void VytvorPodnabidky();
    void TimerTimer();
    // A hint in the status line, over its labels for a while.
    void UkazRadu(const QString &text);

    // Where later work plugs in (Prikazy.cpp).
    void VytvorCiselnikAProtokol();
    void ZobrazVstupniFormular(bool kontrolni = false, const TPoleDat &pole = {});
    void SpustExportATisk();
    void TiskScitacihoArchu(QPageLayout::Orientation orientace, QPageSize::PageSizeId papir);
    void NeniKDispozici(const QString &titulek);

    QAction *PridejPolozku(QMenu *menu, const char *jmeno, const QString &text,
                           const std::function<void()> &prikaz);

    TProgram &m_program;
    bool m_lzeSpustit = false;
    bool m_zobrazeno = false;
    bool m_prvniZobrazeniHotovo = false; // the first show and its error box are over
    bool m_staniceNactena = false;
    bool m_uvodniDialogUkazan = false;
    bool m_konec = false;

    QTimer *Timer = nullptr;
    QMenuBar *Z_MainMenu = nullptr;
    QFrame *Z_StatusRadka_Pnl = nullptr;
    QLabel *Z_StatusObec_Lbl = nullptr;
    QLabel *Z_StatusOkrsek_Lbl = nullptr;
    QLabel *Z_StatusOkres_lbl = nullptr;
    QLabel *Z_StatusRada_Lbl = nullptr;
    QLabel *Z_StatusExport_Lbl = nullptr;
    QTimer *m_radaTimer = nullptr;

    QAction *PorizeniDat_MI = nullptr;
    QAction *KontrolniPorizeni_MI = nullptr;
    QAction *Kontroly_MI = nullptr;
    QAction *ExportTisk_MI = nullptr;
    QAction *ScitaciArch_sirkaA4_MI = nullptr;
    QAction *ScitaciArch_vyskaA4_MI = nullptr;
    QAction *ScitaciArch_vyskaA3_MI = nullptr;
    QAction *ZrusitData_MI = nullptr;

    TZ_Info_F *m_info = nullptr;
    TZ_OProgramu_F *m_oProgramu = nullptr;
    QPointer<TNapoveda> m_napoveda; // owned by the window it was last opened over
    THlaskaF *m_hlaska = nullptr;
    TR_Vstupni_Form *m_vstup = nullptr; // made at the first data entry, reused after
    TPoleDat m_poleChyby;               // chosen in "Seznam chyb": the entry window opens there

    friend void TiskProtokoluKontrol(TKV_menu &hlavni, TProgram &p);
};
