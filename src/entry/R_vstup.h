#pragma once

#include "PravidlaVstupu.h"
#include "SEdit.h"
#include "ZColorStringGrid.h"

#include <functional>

#include <QDialog>
#include <QEvent>
#include <QHash>
#include <QPointer>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class THlaskaF;
class TUkladaniPriNecinnosti;

inline constexpr int PocetDnuVoleb = 2;

// The modal window in which the commission enters the record and the ballot results
// of the current precinct and council type: six pages, saved on every page change
// and party change.
class TR_Vstupni_Form : public QDialog
{
    Q_OBJECT

public:
    // `beh` is the program-wide state the window reads and changes; `titulekHlavni`
    // is the main window's caption.
    TR_Vstupni_Form(TStavProgramu &beh, THlaskaF &hlaska, const QString &titulekHlavni,
                    QWidget *parent = nullptr);
    ~TR_Vstupni_Form() override;

    // The rules the window's fields are bound to.
    TPravidlaVstupu &Pravidla() { return m_pravidla; }

    // Loads the current key's data and fills every page (FormShow without showing).
    // With `kontrolni` the window is the control entry: pages 1 to 4 only, counts and
    // votes typed again blind from empty fields and kept in the control file, F2 and
    // "Porovnat" compare them with the first entry.
    // A file that cannot be read raises EChyba; the window must then not be shown.
    void FormShow(bool kontrolni = false);
    // FormShow, then the modal window; the main window's top-left corner is given.
    int Zobraz(const QPoint &roh);

    void UlozPrubezne();

    // Stores what is typed, the field being typed in included, as a page change
    // stores it, with no field check and no dialog; the idle save and the program's
    // end use it. Returns the failure's text, empty on success; journaled only with
    // sDenikem.
    QString UlozRozepsane(bool sDenikem);
    // The program is asked to end (a signal, the session's logout): what is typed is
    // stored and journaled, and the window closes without a question.
    // Returns the failure's text, empty on success.
    QString UlozPriUkonceni();

    // Set by the main window: how to start the export and print flow after a save
    // without blocking errors.
    std::function<void()> SpustExportTisk;

    // Page change by code: the periodic save first (unless Ukonceni), then the page
    // and its focus rule.
    void NastavStranku(int stranka, bool sFokusem = true);
    // Puts the focus on the field an error leads to (see R_vstupPole.cpp).
    void PrejdiNaPole(const TPoleDat &p);
    int Stranka() const;
    void R_TN_T3HLClick();
    // A new choice in the party list: the party shown, then the periodic save.
    void R_CBHL_1Change();

    // Reporting a failed check: the dialog is prepared now and shown once the focus
    // change in progress has finished.
    // `strana` names the party a candidate value belongs to (0 for other fields).
    void Hlaska(qint32 iChyba, const QString &iParam, QWidget *oprEdit, bool iInfo, bool iPropust,
                int strana = 0);

    static QString padl(const QString &iStr, int iLen, QChar iChar);

    static constexpr int SirkaKlienta = 718;
    static constexpr int VyskaKlienta = 577;
    static constexpr int WM_HLASKA = QEvent::User + 100;
    static constexpr int VyskaStavu = 20;

    // Set by "Ano" to the close question: page and party changes no longer save.
    bool Ukonceni = false;

protected:
    bool event(QEvent *udalost) override;
    void closeEvent(QCloseEvent *udalost) override;
    void keyPressEvent(QKeyEvent *udalost) override;
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

public slots:
    void reject() override;

private:
    // Layout of the pages (R_vstupStranky.cpp).
    void FormCreate();
    void VytvorStranku0();
    void VytvorStranku1();
    void VytvorStranku2();
    void VytvorStranky34();
    void VytvorStranku5();
    void VytvorIdentifikaci(QWidget *panel, int y, bool kopie);
    int Skaluj(int hodnota) const;

    // Binding the fields to the rules and filling them (R_vstup.cpp).
    void PripojPoleHlasovani(TSEdit *pole, QString THlasovaniRec::*polozka,
                             bool nulaPrazdna = false);
    void PripojVolby(QRadioButton *ano, QRadioButton *ne, QString THlasovaniRec::*polozka);
    void Nacti();
    void VyplnStranku1();
    void VyplnStranku2();
    void ProcNatahniHlasovani();
    void NastavRadkyKomise(int p, bool zachovat);
    void ZobrazKC();
    void R_EdPocetExit(TSEdit *pole);
    TPoleDat::TDruh DruhPoctu(const TSEdit *pole) const;
    // The field's text into the records, as its exit rule takes it (no checks, no
    // change of what the field shows).
    void PrevezmiHlasovani(TSEdit *pole);
    void PrevezmiHlas(int i);
    QString TextHodnoty(qint64 hodnota) const;
    int PolozkaStrany() const;
    int StranaPole(QWidget *w) const;

    // The ballot pages (R_vstupHL.cpp).
    void ZobrazStranu(int k);
    void ProcDopoctiHL(int k);
    void ProcObnovDopocPoleHL(int k);
    void R_CBHL_1Exit();
    void R_PanVstupHL_1Exit(int i);
    void ObarviRadek(int i, const QColor &barva);
    // The next party with somebody standing on page 3 with the focus on the list, or
    // after the last the end of the ballot (KonecListku); returns 3, or 5 at the end.
    // The status line names the parties passed over.
    int DalsiStrana();
    void VyberStranu(int strana);
    // A digit typed on the party list, typed into the first standing candidate of the
    // party shown; false when nobody stands.
    bool NapisDoPrvnihoKandidata(const QKeyEvent &k);
    // The nearest standing candidate of the party; 0 (focus on the list) when none.
    int PrejdiNaKandidata(int strana, int kandidat);
    void PrejdiMIClick();

    // Pages, keys, failed checks and closing (R_vstupNavigace.cpp).
    int SousedniStranka(int smer) const;
    void PageDownMIClick();
    void PageUpMIClick();
    void Dalsi_BtnClick();
    void R_Dalsi2_BtnClick();
    void WMHlaska(QWidget *c, int strana);
    void Ohlas(const THlaseni &h, QWidget *pole);
    // Sets one of the status texts; the line under the pages shows one at a time.
    void Oznam(QLabel *radek, const QString &text);
    bool FormCloseQuery();
    void ZavritBezOtazky();

    // Saving (R_vstupUlozeni.cpp).
    void UlozitBtnClick();
    void UlozZaznamy(bool sDenikem = true);
    void UlozitAktivniPole(bool vratitFokus = false);
    // The field or name cell being typed in, into the records.
    void PrevezmiRozepsanePole();
    // What is typed in the window as it stands, for comparing with what is stored.
    QString OtiskPsani() const;
    QStringList JmenaKomise() const;

    // The control entry (R_vstupKontrola.cpp).
    void NastavRezim(bool kontrolni);
    void KonecListku();
    void Porovnat();
    void PrejdiNaRozdil(const TRozdil &r);

    TStavProgramu &m_b;
    THlaskaF &m_hlaska;
    TPravidlaVstupu m_pravidla;
    QString m_titulekHlavni;
    bool m_menimKodem = false;
    bool m_plneni = false; // exit rules detached while the window is filled
    bool m_zavritBezOtazky = false;
    bool m_opoustiSeznam = false; // the party list's exit rule is running
    bool R_HLjeEnter = false;
    bool R_T3PlatneHlasyjeEnter = false;
    double m_s = 1.0;
    TUkladaniPriNecinnosti *m_necinnost = nullptr;
    QHash<TSEdit *, std::pair<QString THlasovaniRec::*, bool>> m_polozkyHlasovani;
    QLabel *m_posledniOznameni = nullptr;

    // Controls, by their names on the form.
    QTabWidget *R_TN_T3HL = nullptr;
    std::array<QWidget *, 6> Panely{};
    QAction *PageDownMI = nullptr;
    QAction *PageUpMI = nullptr;
    QAction *UlozitMI = nullptr;
    QAction *PrejdiMI = nullptr; // Ctrl+G: go to a candidate
    QLabel *R_StavL = nullptr;   // where a jump says what it did (Ctrl+G)
    // Identification (page 1) and its copies (page 0).
    TSEdit *R_EdObec = nullptr, *R_EdOkrsek = nullptr, *R_EdT3KC_1 = nullptr,
           *R_EdTypZastup = nullptr;
    TSEdit *R_EdObec_Z = nullptr, *R_EdOkrsek_Z = nullptr, *R_EdT3KC_1_Z = nullptr;
    QLabel *R_LabNazevObce = nullptr, *R_LabNazevZast = nullptr, *R_LabCObvodu = nullptr;
    QLabel *R_LabNazevObce_Z = nullptr, *R_LabNazevZast_Z = nullptr, *R_LabCObvodu_Z = nullptr;
    // Section II.
    TSEdit *R_EdZapsOsoby = nullptr, *R_EdVydObalky = nullptr, *R_EdOdevzdObalky = nullptr,
           *R_EdPlatneHlasy = nullptr, *R_EdPocet_VS = nullptr, *R_EdPoc_VS_HL = nullptr,
           *R_EdT3KC_2 = nullptr;
    QCheckBox *R_T3OpravaCB = nullptr, *R_T3ZapisTNCB = nullptr;
    QPushButton *R_Dalsi2_Btn = nullptr, *zrusitBtn = nullptr, *ulozitBtn = nullptr;
    QPushButton *PorovnatBtn = nullptr; // the control entry only
    // Page 2.
    std::array<QLabel *, MaxStran + 1> LabPorT3_2{};
    std::array<TSEdit *, MaxStran + 1> EdKCStrany{};
    std::array<TSEdit *, MaxStran + 1> EdPoslKand{};
    // Pages 3 and 4.
    QComboBox *R_CBHL_1 = nullptr;
    TSEdit *R_EdPorStHL = nullptr, *R_EdPocHl = nullptr, *R_EdHLKC2 = nullptr,
           *R_EdHLPoslKand = nullptr;
    QLabel *R_LabVybrStrana = nullptr;
    TSEdit *R_EdPocHl2 = nullptr, *R_EdHLPoslKand2 = nullptr;
    std::array<QLabel *, MaxKandidatu + 1> LabPorKand{};
    std::array<QLabel *, MaxKandidatu + 1> LabJmenoKand{};
    std::array<TSEdit *, MaxKandidatu + 1> EdHlasyKand{};
    // Page 0.
    QPushButton *Dalsi_Btn = nullptr;
    TSEdit *R_SEdDatumVoleb = nullptr, *R_SEdZahajeno1 = nullptr, *R_SEdUkonceno1 = nullptr,
           *R_SEdZahajeno2 = nullptr, *R_SEdUkonceno2 = nullptr;
    QRadioButton *R_OdrocNRB = nullptr, *R_OdrocBRB = nullptr, *R_ProdlNRB = nullptr,
                 *R_ProdlBRB = nullptr, *R_PrerusNRB = nullptr, *R_PrerusBRB = nullptr,
                 *R_StiznBRB = nullptr, *R_StiznNRB = nullptr, *R_SchrankaBRB = nullptr,
                 *R_SchrankaNRB = nullptr;
    TSEdit *R_SEdOdrocenoD = nullptr, *R_SEdOdrocenoH = nullptr, *R_SEdOdrocenoM = nullptr,
           *R_SEdDuvodOdroc = nullptr;
    TSEdit *R_SEdProdlouzD = nullptr, *R_SEdProdlouzH = nullptr, *R_SEdProdlouzM = nullptr,
           *R_SEdDuvodProdl = nullptr;
    TSEdit *R_SEdPrerusD = nullptr, *R_SEdPrerusOd = nullptr, *R_SEdPrerusDo = nullptr,
           *R_SEdDuvodPrer = nullptr;
    TSEdit *R_SEdStizListu = nullptr;
    // Page 5.
    TSEdit *R_SEdClenuOVKC = nullptr, *R_SEdClenuOVKP = nullptr, *R_SEdZapisovat = nullptr,
           *R_SEdPoverPred = nullptr, *R_SEdOstatni = nullptr;
    TZColorStringGrid *R_JmenaKomise_SG = nullptr;
    QPushButton *UlozitOkrBtn = nullptr;
    // The status line under the pages, one text at a time: the parties the ballot walk
    // passed over, and a failed idle save (the window says it without a box).
    QLabel *R_StavRadek_Lbl = nullptr;
    QLabel *R_StavovyRadek = nullptr;
};
