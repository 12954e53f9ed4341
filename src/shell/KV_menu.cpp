#include "KV_menu.h"

#include "StavExportu.h"

#include "HlaskaF.h"
#include "Napoveda.h"
#include "Obrazky.h"
#include "Oznameni.h"
#include "Program.h"
#include "Skoleni.h"
#include "Z_info.h"
#include "Z_oprog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <cmath>
#include <exception>

using namespace Qt::StringLiterals;

TKV_menu::TKV_menu(TProgram &program, const QString &adresarProgramu, const QStringList &parametry,
                   QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_program(program)
{
    setObjectName(u"KV_menu"_s);
    setWindowTitle(u"Volby do zastupitelstev obcí - pořízení dat okrskovými volebními komisemi"_s);
    VytvorObsah();
    VytvorMenu();
    m_hlaska = new THlaskaF(m_program.CiselnikChyb, this);

    qApp->installEventFilter(this);

    Timer = new QTimer(this);
    Timer->setObjectName(u"Timer"_s);
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });

    const TStartAdresaru start = UrciAdresare(adresarProgramu, parametry);
    m_program.Adresare = start.Adresare;
    m_lzeSpustit = start.LzeSpustit;
    if (!m_lzeSpustit) {
        m_program.Dotaznik().Varovani(
            u"Spuštění aplikace"_s,
            u"Program je nutno pouštět ikonou na ploše nebo z nabídky Start!"_s);
        return;
    }
    Timer->start();
}

TKV_menu::~TKV_menu() = default;

// The dialogs are made when first needed, each once, and kept for the whole run; a
// window with nothing made ahead of time appears sooner.
TZ_Info_F *TKV_menu::InfoDialog()
{
    if (!m_info)
        m_info = new TZ_Info_F(this);
    return m_info;
}

TZ_OProgramu_F *TKV_menu::OProgramuDialog()
{
    if (!m_oProgramu)
        m_oProgramu = new TZ_OProgramu_F(this);
    return m_oProgramu;
}

bool TKV_menu::Proved(const std::function<void()> &prikaz)
{
    bool hotovo = true;
    try {
        prikaz();
    } catch (...) {
        ZobrazVyjimku(m_program.Dotaznik());
        hotovo = false;
    }
    // Any command may have changed or exported the data.
    ObnovStavExportu();
    return hotovo;
}

void TKV_menu::ObnovStavExportu()
{
    QList<int> typy;
    if (m_program.JeZastup1)
        typy.append(1);
    if (m_program.JeZastup2)
        typy.append(2);
    const QString text = TextZastaralehoExportu(m_program.Adresare, m_program.Stanice, typy);
    Z_StatusExport_Lbl->setText(text);
    Z_StatusExport_Lbl->setVisible(!text.isEmpty());
}

void TKV_menu::VytvorObsah()
{
    auto *plocha = new TPozadi(this);
    plocha->setObjectName(u"Z_Plocha"_s);
    plocha->setFixedSize(SirkaKlienta, VyskaKlienta);
    setCentralWidget(plocha);

    auto *ilustrace = new TIlustrace(plocha);
    ilustrace->setObjectName(u"Z_Ilustrace_Img"_s);
    ilustrace->setGeometry(28, 24, 400, 470);

    auto *znak = new TZnak(plocha);
    znak->setObjectName(u"Z_Znak_Img"_s);
    znak->setGeometry(462, 40, 210, 210);

    auto *nazev = new QLabel(plocha);
    nazev->setObjectName(u"Z_Nazev_Lbl"_s);
    nazev->setText(
        u"Volby do zastupitelstev obcí\n\nPořízení dat\nokrskovými volebními komisemi"_s);
    nazev->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont pismo = font();
    pismo.setPixelSize(14);
    pismo.setBold(true);
    nazev->setFont(pismo);
    nazev->setStyleSheet(u"color: #2c3e55;"_s);
    nazev->setGeometry(424, 282, 286, 110);

    Z_StatusRadka_Pnl = new QFrame(plocha);
    Z_StatusRadka_Pnl->setObjectName(u"Z_StatusRadka_Pnl"_s);
    Z_StatusRadka_Pnl->setFrameShape(QFrame::Panel);
    Z_StatusRadka_Pnl->setFrameShadow(QFrame::Sunken);
    Z_StatusRadka_Pnl->setAutoFillBackground(true);
    Z_StatusRadka_Pnl->setGeometry(0, VyskaKlienta - 26, SirkaKlienta, 26);

    QFont stavPismo = font();
    stavPismo.setPixelSize(11);
    auto stitek = [&](const QString &jmeno, int x, int sirka) {
        auto *l = new QLabel(Z_StatusRadka_Pnl);
        l->setObjectName(jmeno);
        // Names come from the station file: show them as they are, never as markup.
        l->setTextFormat(Qt::PlainText);
        l->setFont(stavPismo);
        l->setGeometry(x, 4, sirka, 18);
        return l;
    };
    Z_StatusObec_Lbl = stitek(u"Z_StatusObec_Lbl"_s, 6, 350);
    Z_StatusOkrsek_Lbl = stitek(u"Z_StatusOkrsek_Lbl"_s, 362, 90);
    Z_StatusOkres_lbl = stitek(u"Z_StatusOkres_lbl"_s, 456, 252);
    // A hint covers the three labels while it is shown.
    Z_StatusRada_Lbl = stitek(u"Z_StatusRada_Lbl"_s, 2, SirkaKlienta - 4);
    Z_StatusRada_Lbl->setIndent(4);
    Z_StatusRada_Lbl->setAutoFillBackground(true);
    Z_StatusRada_Lbl->hide();
    m_radaTimer = new QTimer(this);
    m_radaTimer->setSingleShot(true);
    m_radaTimer->setInterval(8000);
    connect(m_radaTimer, &QTimer::timeout, Z_StatusRada_Lbl, &QWidget::hide);

    // Over the status line while the export of a council type is out of date.
    Z_StatusExport_Lbl = new QLabel(plocha);
    Z_StatusExport_Lbl->setObjectName(u"Z_StatusExport_Lbl"_s);
    Z_StatusExport_Lbl->setFont(stavPismo);
    Z_StatusExport_Lbl->setIndent(6);
    Z_StatusExport_Lbl->setAutoFillBackground(true);
    Z_StatusExport_Lbl->setStyleSheet(u"color: #9a1010; background: #fff4c8; font-weight: bold;"_s);
    Z_StatusExport_Lbl->setGeometry(0, VyskaKlienta - 26 - 20, SirkaKlienta, 20);
    Z_StatusExport_Lbl->hide();

    // The menu bar comes on top of the fixed client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QAction *TKV_menu::PridejPolozku(QMenu *menu, const char *jmeno, const QString &text,
                                 const std::function<void()> &prikaz)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(jmeno));
    connect(a, &QAction::triggered, this, [this, prikaz] { Proved(prikaz); });
    return a;
}

void TKV_menu::VytvorMenu()
{
    Z_MainMenu = menuBar();
    Z_MainMenu->setObjectName(u"Z_MainMenu"_s);
    auto oddelovac = [](QMenu *menu, const QString &jmeno) {
        menu->addSeparator()->setObjectName(jmeno);
    };

    QMenu *okrsek = Z_MainMenu->addMenu(u"Okrsek     "_s);
    okrsek->setObjectName(u"Okrsek_MI"_s);
    okrsek->menuAction()->setObjectName(u"Okrsek_MI"_s);
    PorizeniDat_MI = PridejPolozku(okrsek, "PorizeniDat_MI", u"&Pořízení a oprava dat"_s,
                                   [this] { PorizeniDat(); });
    PorizeniDat_MI->setShortcut(QKeySequence(Qt::Key_F2));
    KontrolniPorizeni_MI = PridejPolozku(okrsek, "KontrolniPorizeni_MI", u"Kon&trolní pořízení"_s,
                                         [this] { KontrolniPorizeni(); });
    Kontroly_MI = PridejPolozku(okrsek, "Kontroly_MI", u"&Kontroly"_s, [this] { Kontroly(); });
    Kontroly_MI->setShortcut(QKeySequence(Qt::Key_F3));
    ExportTisk_MI = PridejPolozku(okrsek, "ExportTisk_MI", u"&Export dat a tisk zápisu"_s,
                                  [this] { ExportTisk(); });
    ExportTisk_MI->setShortcut(QKeySequence(Qt::Key_F4));
    oddelovac(okrsek, u"N1"_s);

    QMenu *arch = okrsek->addMenu(u"&Sčítací arch"_s);
    arch->setObjectName(u"ScitaciArch_MI"_s);
    arch->menuAction()->setObjectName(u"ScitaciArch_MI"_s);
    ScitaciArch_sirkaA4_MI =
        PridejPolozku(arch, "ScitaciArch_sirkaA4_MI", u"A4 na šířku"_s,
                      [this] { ScitaciArch(QPageLayout::Landscape, QPageSize::A4); });
    ScitaciArch_vyskaA4_MI =
        PridejPolozku(arch, "ScitaciArch_vyskaA4_MI", u"A4 na výšku"_s,
                      [this] { ScitaciArch(QPageLayout::Portrait, QPageSize::A4); });
    ScitaciArch_vyskaA3_MI =
        PridejPolozku(arch, "ScitaciArch_vyskaA3_MI", u"A3 na výšku"_s,
                      [this] { ScitaciArch(QPageLayout::Portrait, QPageSize::A3); });
    oddelovac(okrsek, u"N5"_s);
    ZrusitData_MI = PridejPolozku(okrsek, "ZrusitData_MI", u"Zrušení pořízených dat"_s,
                                  [this] { ZrusitData(); });
    oddelovac(okrsek, u"N6"_s);
    PridejPolozku(okrsek, "VyberTiskarny_MI", u"Výběr tiskárny"_s, [this] { VyberTiskarny(); });
    oddelovac(okrsek, u"N3"_s);
    PridejPolozku(okrsek, "Konec_MI", u"K&onec"_s, [this] { close(); });

    // F10 opens the main menu, as on other desktops ("Okrsek" has no access key).
    auto *f10 = new QAction(this);
    f10->setObjectName(u"F10_MI"_s);
    f10->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(f10);
    connect(f10, &QAction::triggered, this,
            [this, okrsek] { Z_MainMenu->setActiveAction(okrsek->menuAction()); });

    QMenu *napoveda = Z_MainMenu->addMenu(u"Nápověda"_s);
    napoveda->setObjectName(u"NapovedaH_MI"_s);
    napoveda->menuAction()->setObjectName(u"NapovedaH_MI"_s);
    PridejPolozku(napoveda, "Napoveda_MI", u"&Nápověda"_s, [this] { Napoveda(); });
    oddelovac(napoveda, u"N2"_s);
    PridejPolozku(napoveda, "OProgramu_MI", u"&O programu"_s, [this] { OProgramu(); });
    oddelovac(napoveda, u"N4"_s);
    PridejPolozku(napoveda, "ZkusebniTisk_MI", u"Zkušební tisk"_s, [this] { ZkusebniTisk(); });
}

void TKV_menu::showEvent(QShowEvent *udalost)
{
    QMainWindow::showEvent(udalost);
    if (m_zobrazeno)
        return;
    m_zobrazeno = true;
    std::exception_ptr chyba;
    try {
        FormShow();
    } catch (...) {
        chyba = std::current_exception();
    }
    m_staniceNactena = !chyba;
    // The window reaches the screen, at its size, only after this event: an error of the
    // first show is told over the finished window, and the start-up dialog comes after it.
    QMetaObject::invokeMethod(
        this,
        [this, chyba] {
            if (chyba)
                Proved([chyba] { std::rethrow_exception(chyba); });
            m_prvniZobrazeniHotovo = true;
            if (!m_uvodniDialogUkazan)
                Timer->start();
        },
        Qt::QueuedConnection);
}

void TKV_menu::FormShow()
{
    VycentrujNaObrazovce(this);
    m_program.Stanice = NactiStanici(m_program.Adresare.AdrStanice);
    m_program.Cvicna = Skoleni::JeCvicna(m_program.Adresare.AdrStanice);
    m_program.KontrolyOK = false;
    m_program.ExportOK = false;
    m_program.Vybrano = 2;
    VytvorCiselnikAProtokol();
    VyplnStavovyRadek();
    m_program.DatumVolebText = ::DatumVolebText(m_program.Stanice);
    m_program.ZjistiTypyZastup();
    if (m_program.JeZastup1 && m_program.JeZastup2)
        VytvorPodnabidky();
    ObnovStavExportu();
}

void TKV_menu::VyplnStavovyRadek()
{
    const TStaniceRec &s = m_program.Stanice;
    Z_StatusObec_Lbl->setText((u"Obec: "_s + s.KodObce + u" - "_s + s.NazevObce).left(55));
    Z_StatusOkrsek_Lbl->setText(u"Okrsek: "_s + QString::number(s.CisloOkrsku));
    Z_StatusOkres_lbl->setText((u"Okres: "_s + s.KodOkresu + u" - "_s + s.NazevOkresu).trimmed());
    if (!m_program.Cvicna)
        return;
    // A training station says so wherever the commission looks; the district matters less.
    Z_StatusOkres_lbl->setText(u"CVIČNÁ STANICE – data neplatná"_s);
    Z_StatusOkres_lbl->setStyleSheet(u"color: #b00000; font-weight: bold;"_s);
    const QString znacka = u"CVIČNÁ STANICE – "_s;
    if (!windowTitle().startsWith(znacka))
        setWindowTitle(znacka + windowTitle());
}

void TKV_menu::VytvorPodnabidky()
{
    struct TPodnabidka
    {
        QAction *Rodic;
        const char *Jmeno1;
        const char *Jmeno2;
        std::function<void()> Prikaz;
    };
    const TPodnabidka podnabidky[] = {
        {PorizeniDat_MI, "porT1MI", "porT2MI", [this] { PorizeniDat(); }},
        {KontrolniPorizeni_MI, "kontrporT1MI", "kontrporT2MI", [this] { KontrolniPorizeni(); }},
        {Kontroly_MI, "kontrT1MI", "kontrT2MI", [this] { Kontroly(); }},
        {ExportTisk_MI, "exptiskT1MI", "exptiskT2MI", [this] { ExportTisk(); }},
        {ZrusitData_MI, "zrusdataT1MI", "zrusdataT2MI", [this] { ZrusitData(); }},
        {ScitaciArch_vyskaA4_MI, "ScitaciArchV4T1MI", "ScitaciArchV4T2MI",
         [this] { ScitaciArch(QPageLayout::Portrait, QPageSize::A4); }},
        {ScitaciArch_sirkaA4_MI, "ScitaciArchS4T1MI", "ScitaciArchS4T2MI",
         [this] { ScitaciArch(QPageLayout::Landscape, QPageSize::A4); }},
        {ScitaciArch_vyskaA3_MI, "ScitaciArchV3T1MI", "ScitaciArchV3T2MI",
         [this] { ScitaciArch(QPageLayout::Portrait, QPageSize::A3); }},
    };
    // F2 to F4 name no council type now; the status line says where to choose it.
    auto *bezTypu = new QShortcut(this);
    bezTypu->setKeys(
        {QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_F3), QKeySequence(Qt::Key_F4)});
    connect(bezTypu, &QShortcut::activated, this,
            [this] { UkazRadu(u"Zvolte typ zastupitelstva v nabídce Okrsek (klávesa F10)."_s); });
    for (const TPodnabidka &p : podnabidky) {
        // The parent now only opens its submenu; its shortcut goes with its handler.
        disconnect(p.Rodic, &QAction::triggered, this, nullptr);
        p.Rodic->setShortcut(QKeySequence());
        auto *menu = new QMenu(this);
        menu->setObjectName(p.Rodic->objectName() + u"_podnabidka"_s);
        const char *jmena[] = {p.Jmeno1, p.Jmeno2};
        for (quint16 typ = 1; typ <= 2; ++typ) {
            QAction *dite = menu->addAction(u"Typ zastupitelstva="_s + QString::number(typ));
            dite->setObjectName(QString::fromLatin1(jmena[typ - 1]));
            dite->setData(int(typ));
            const std::function<void()> prikaz = p.Prikaz;
            connect(dite, &QAction::triggered, this, [this, typ, prikaz] {
                Proved([this, typ, prikaz] {
                    m_program.PomTypZastup = typ;
                    prikaz();
                });
            });
        }
        p.Rodic->setMenu(menu);
    }
}

void TKV_menu::UkazRadu(const QString &text)
{
    Z_StatusRada_Lbl->setText(text);
    Z_StatusRada_Lbl->show();
    Z_StatusRada_Lbl->raise();
    m_radaTimer->start();
}

bool TKV_menu::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(udalost);
        if (k->key() == Qt::Key_F1 && k->modifiers() == Qt::NoModifier) {
            const QWidget *kde = QApplication::focusWidget() ? QApplication::focusWidget()
                                                             : QApplication::activeWindow();
            Proved([this, tema = TemaNapovedy(kde)] { Napoveda(tema); });
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, udalost);
}

void TKV_menu::TimerTimer()
{
    if (!m_prvniZobrazeniHotovo || m_uvodniDialogUkazan)
        return;
    Timer->stop();
    m_uvodniDialogUkazan = true;
    Proved([this] {
        // What an interrupted save left behind and what became of it, told once.
        const QString oznameni = Oznameni::Vezmi(m_program.Adresare.AdrStanice);
        if (!oznameni.isEmpty())
            m_program.Dotaznik().Informace(u"Spuštění aplikace"_s, oznameni);
        m_program.Dotaznik().ProvedDialog(u"TZ_Info_F"_s, [this] { return InfoDialog()->exec(); });
    });
}

void TKV_menu::closeEvent(QCloseEvent *udalost)
{
    if (m_konec) {
        udalost->accept();
        return;
    }
    bool ano = false;
    Proved([&] {
        ano = m_program.Dotaznik().Otazka(u"Ukončení programu"_s, u"Opravdu ukončit program?"_s);
    });
    if (!ano) {
        udalost->ignore();
        return;
    }
    m_konec = true;
    // With the help window gone the main window is the last one and the program ends.
    if (m_napoveda)
        m_napoveda->close();
    udalost->accept();
}
