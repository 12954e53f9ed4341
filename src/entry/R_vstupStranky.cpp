// Building the six pages of the entry window.
#include "R_vstup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// One piece of a sentence: a text, or a field of the given width.
struct TKus
{
    QString Text;
    QWidget *Pole = nullptr;
    int Sirka = 0;
};

QFont Pismo(const QString &rodina, int body, bool tucne)
{
    QFont f(rodina);
    f.setPointSize(body);
    f.setBold(tucne);
    return f;
}

QLabel *Popis(QWidget *panel, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, panel);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// Lays a sentence out from left to right; fields are 18 pixels high.
int Veta(QWidget *panel, int x, int y, const QList<TKus> &kusy)
{
    for (const TKus &k : kusy) {
        if (k.Pole) {
            k.Pole->setGeometry(x, y - 1, k.Sirka, 18);
            x += k.Sirka + 4;
        } else {
            QLabel *l = Popis(panel, k.Text, x, y);
            x += l->width() + 4;
        }
    }
    return x;
}

} // namespace

static TSEdit *Pole(QWidget *panel, int delka, TValueType typ, const QString &jmeno)
{
    auto *p = new TSEdit(panel);
    p->setObjectName(jmeno);
    p->setMaxLength(delka);
    p->ValueType = typ;
    return p;
}

// A field inside a sentence of sections I and III: no border, left-aligned.
static TSEdit *PoleVety(QWidget *panel, int delka, TValueType typ, const QString &jmeno)
{
    TSEdit *p = Pole(panel, delka, typ, jmeno);
    p->setFrame(false);
    p->setFont(Pismo(u"Arial"_s, 9, false));
    p->setTextMargins(3, 0, 3, 0); // clear of the focus ring
    return p;
}

// A display or entry count of section II: numeric, right-aligned, Courier, default "0".
static TSEdit *PoleCisla(QWidget *panel, int delka, const QString &jmeno, bool zobrazeni)
{
    TSEdit *p = Pole(panel, delka, TValueType::vtNumber, jmeno);
    p->setFont(Pismo(u"Courier New"_s, 9, false));
    p->SetAlignment(Qt::AlignRight);
    p->DefaultValue = u"0"_s;
    p->setText(u"0"_s);
    if (zobrazeni) {
        p->setEnabled(false);
        p->NastavBarvuOkna(false);
    }
    return p;
}

void TR_Vstupni_Form::FormCreate()
{
    m_s = logicalDpiX() / 96.0;
    setWindowTitle(u"Vstup dat za okrsek - "_s + m_titulekHlavni);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(SirkaKlienta, VyskaKlienta + VyskaStavu);
    setFont(Pismo(u"Arial"_s, 8, true));

    R_TN_T3HL = new QTabWidget(this);
    R_TN_T3HL->setObjectName(u"R_TN_T3HL"_s);
    R_TN_T3HL->setGeometry(0, 0, SirkaKlienta, VyskaKlienta);
    R_TN_T3HL->setFocusPolicy(Qt::NoFocus);
    R_TN_T3HL->tabBar()->setFocusPolicy(Qt::NoFocus);
    QFont zalozky(u"Arial"_s);
    zalozky.setPixelSize(13);
    zalozky.setBold(true);
    R_TN_T3HL->tabBar()->setFont(zalozky);
    const QStringList titulky{
        u"T/3 - odd. I"_s, u"T/3 - odd. II"_s,  u"T/3 - odd. II pokračování"_s,
        u"HL"_s,           u"HL pokračování"_s, u"T/3 - odd. III"_s};
    const QStringList panely{u"R_PanVstupT3"_s,   u"R_PavVstupT3_1"_s, u"R_PanVstupT3_2"_s,
                             u"R_PanVstupHL_1"_s, u"R_PanVstupHL_2"_s, u"R_PanVstupZapis"_s};
    for (int i = 0; i < 6; ++i) {
        Panely[std::size_t(i)] = new QWidget;
        Panely[std::size_t(i)]->setObjectName(panely[i]);
        R_TN_T3HL->addTab(Panely[std::size_t(i)], titulky[i]);
    }

    // One status line under the pages; its three texts take turns (see Oznam).
    R_StavovyRadek = new QLabel(this);
    R_StavRadek_Lbl = new QLabel(this);
    R_StavL = new QLabel(this);
    for (auto [l, jmeno] :
         {std::pair{R_StavovyRadek, u"R_StavovyRadek"_s},
          std::pair{R_StavRadek_Lbl, u"R_StavRadek_Lbl"_s}, std::pair{R_StavL, u"R_StavL"_s}}) {
        l->setObjectName(jmeno);
        l->setGeometry(4, VyskaKlienta, SirkaKlienta - 8, VyskaStavu);
        l->hide();
    }
    QPalette stav = R_StavovyRadek->palette();
    stav.setColor(QPalette::WindowText, Qt::darkRed);
    R_StavovyRadek->setPalette(stav);

    VytvorStranku0();
    VytvorStranku1();
    VytvorStranku2();
    VytvorStranky34();
    VytvorStranku5();

    if (PocetDnuVoleb == 1) {
        R_SEdZahajeno2->setEnabled(false);
        R_SEdUkonceno2->setEnabled(false);
    }

    // The hidden navigation menu: its items act only through their shortcuts.
    PageDownMI = new QAction(u"Další stránka"_s, this);
    PageDownMI->setShortcut(QKeySequence(Qt::Key_PageDown));
    PageUpMI = new QAction(u"Předchozí stránka"_s, this);
    PageUpMI->setShortcut(QKeySequence(Qt::Key_PageUp));
    UlozitMI = new QAction(u"Ulozit"_s, this);
    UlozitMI->setShortcut(QKeySequence(Qt::Key_F2));
    PrejdiMI = new QAction(u"Přejít na kandidáta"_s, this);
    PrejdiMI->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    for (QAction *a : {PageDownMI, PageUpMI, UlozitMI, PrejdiMI}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    connect(PageDownMI, &QAction::triggered, this, [this] { PageDownMIClick(); });
    connect(PrejdiMI, &QAction::triggered, this, [this] { PrejdiMIClick(); });
    connect(PageUpMI, &QAction::triggered, this, [this] { PageUpMIClick(); });
    // F2: "Uložit", in the control entry "Porovnat".
    connect(UlozitMI, &QAction::triggered, this,
            [this] { m_pravidla.Rezim().Kontrolni() ? Porovnat() : UlozitBtnClick(); });

    connect(R_TN_T3HL->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index != Stranka()) {
            UlozitAktivniPole();
            if (!Ukonceni)
                UlozPrubezne();
        }
    });
    connect(R_TN_T3HL, &QTabWidget::currentChanged, this, [this](int) {
        if (!m_menimKodem)
            R_TN_T3HLClick();
    });
}

void TR_Vstupni_Form::VytvorIdentifikaci(QWidget *panel, int y, bool kopie)
{
    Popis(panel, u"Identifikace okrsku:"_s, 10, y);
    Popis(panel, u"Obec"_s, 170, y);
    TSEdit *obec = PoleCisla(panel, 6, kopie ? u"R_EdObec_Z"_s : u"R_EdObec"_s, true);
    obec->setGeometry(205, y - 3, 60, 20);
    Popis(panel, u"Okrsek"_s, 280, y);
    TSEdit *okrsek = PoleCisla(panel, 5, kopie ? u"R_EdOkrsek_Z"_s : u"R_EdOkrsek"_s, true);
    okrsek->setGeometry(330, y - 3, 50, 20);
    Popis(panel, u"KČ1"_s, 395, y);
    TSEdit *kc1 = PoleCisla(panel, 1, kopie ? u"R_EdT3KC_1_Z"_s : u"R_EdT3KC_1"_s, true);
    kc1->setGeometry(425, y - 3, 20, 20);
    Popis(panel, u"Název obce"_s, 10, y + 22);
    auto *nazevObce = Popis(panel, QString(), 170, y + 22);
    nazevObce->setFixedWidth(520);
    Popis(panel, u"Zastupitelstvo:"_s, 10, y + 40);
    auto *nazevZast = Popis(panel, QString(), 170, y + 40);
    nazevZast->setFixedWidth(340);
    Popis(panel, u"Číslo obvodu:"_s, 520, y + 40);
    auto *obvod = Popis(panel, QString(), 610, y + 40);
    obvod->setFixedWidth(80);
    if (kopie) {
        R_EdObec_Z = obec;
        R_EdOkrsek_Z = okrsek;
        R_EdT3KC_1_Z = kc1;
        R_LabNazevObce_Z = nazevObce;
        R_LabNazevZast_Z = nazevZast;
        R_LabCObvodu_Z = obvod;
    } else {
        R_EdObec = obec;
        R_EdOkrsek = okrsek;
        R_EdT3KC_1 = kc1;
        R_LabNazevObce = nazevObce;
        R_LabNazevZast = nazevZast;
        R_LabCObvodu = obvod;
    }
    for (QLabel *l : {nazevObce, nazevZast, obvod})
        l->setObjectName(QString());
    nazevObce->setObjectName(kopie ? u"R_LabNazevObce_Z"_s : u"R_LabNazevObce"_s);
    nazevZast->setObjectName(kopie ? u"R_LabNazevZast_Z"_s : u"R_LabNazevZast"_s);
    obvod->setObjectName(kopie ? u"R_LabCObvodu_Z"_s : u"R_LabCObvodu"_s);
}

static QWidget *DvojiceVoleb(QWidget *panel, QRadioButton *&prvni, const QString &text1,
                             const QString &jmeno1, QRadioButton *&druhe, const QString &text2,
                             const QString &jmeno2)
{
    auto *p = new QWidget(panel);
    prvni = new QRadioButton(text1, p);
    prvni->setObjectName(jmeno1);
    prvni->move(0, 0);
    prvni->adjustSize();
    druhe = new QRadioButton(text2, p);
    druhe->setObjectName(jmeno2);
    druhe->move(0, 19);
    druhe->adjustSize();
    p->resize(qMax(prvni->width(), druhe->width()) + 2, 38);
    return p;
}

void TR_Vstupni_Form::VytvorStranku0()
{
    QWidget *p = Panely[0];
    VytvorIdentifikaci(p, 8, true);
    const auto t = TValueType::vtString;
    const auto n = TValueType::vtNumber;
    const auto cas = TValueType::vtCas; // times are typed "07:00" or "7.00"
    R_SEdDatumVoleb = PoleVety(p, 10, t, u"R_SEdDatumVoleb"_s);
    R_SEdDatumVoleb->setEnabled(false);
    R_SEdDatumVoleb->setMaxLength(32767); // shows the configured text whole
    Veta(p, 10, 78,
         {{u"Zápis o průběhu a výsledku hlasování ve volbách, které proběhlo ve dnech (dne)"_s},
          {{}, R_SEdDatumVoleb, 170}});
    R_SEdZahajeno1 = PoleVety(p, 5, cas, u"R_SEdZahajeno1"_s);
    Veta(p, 10, 102,
         {{u"Předseda komise zahájil hlasování první den voleb v"_s},
          {{}, R_SEdZahajeno1, 45},
          {u"hodin."_s}});
    R_SEdUkonceno1 = PoleVety(p, 5, cas, u"R_SEdUkonceno1"_s);
    Veta(p, 10, 123,
         {{u"Předseda komise ukončil hlasování první den voleb v"_s},
          {{}, R_SEdUkonceno1, 45},
          {u"hodin."_s}});
    R_SEdZahajeno2 = PoleVety(p, 5, cas, u"R_SEdZahajeno2"_s);
    Veta(p, 10, 144,
         {{u"Předseda komise zahájil hlasování druhý den voleb v"_s},
          {{}, R_SEdZahajeno2, 45},
          {u"hodin."_s}});
    R_SEdUkonceno2 = PoleVety(p, 5, cas, u"R_SEdUkonceno2"_s);
    Veta(p, 10, 165,
         {{u"Předseda komise ukončil hlasování druhý den voleb v"_s},
          {{}, R_SEdUkonceno2, 45},
          {u"hodin."_s}});

    // Adjournment, extension, interruption: the pair, then date, time and reason.
    auto skupina = [&](int y, const QString &uvod, QRadioButton *&ne, const QString &neText,
                       const QString &neJm, QRadioButton *&ano, const QString &anoText,
                       const QString &anoJm) {
        QLabel *l = Popis(p, uvod, 10, y + 2);
        QWidget *dvojice = DvojiceVoleb(p, ne, neText, neJm, ano, anoText, anoJm);
        dvojice->move(l->x() + l->width() + 6, y);
        return dvojice->x() + dvojice->width() + 4;
    };
    int x = skupina(190, u"Zahájení hlasování"_s, R_OdrocNRB, u"nebylo odročeno"_s, u"R_OdrocNRB"_s,
                    R_OdrocBRB, u"bylo odročeno dne"_s, u"R_OdrocBRB"_s);
    R_SEdOdrocenoD = PoleVety(p, 23, t, u"R_SEdOdrocenoD"_s);
    R_SEdOdrocenoH = PoleVety(p, 2, n, u"R_SEdOdrocenoH"_s);
    R_SEdOdrocenoM = PoleVety(p, 2, n, u"R_SEdOdrocenoM"_s);
    Veta(p, x, 210,
         {{{}, R_SEdOdrocenoD, 150},
          {u"o"_s},
          {{}, R_SEdOdrocenoH, 22},
          {u"hodin"_s},
          {{}, R_SEdOdrocenoM, 22},
          {u"minut"_s}});
    R_SEdDuvodOdroc = PoleVety(p, 200, t, u"R_SEdDuvodOdroc"_s);
    Veta(p, 10, 232, {{u"z důvodu"_s}, {{}, R_SEdDuvodOdroc, 630}});

    x = skupina(254, u"Doba hlasování"_s, R_ProdlNRB, u"nebyla prodloužena"_s, u"R_ProdlNRB"_s,
                R_ProdlBRB, u"byla prodloužena dne"_s, u"R_ProdlBRB"_s);
    R_SEdProdlouzD = PoleVety(p, 23, t, u"R_SEdProdlouzD"_s);
    R_SEdProdlouzH = PoleVety(p, 2, n, u"R_SEdProdlouzH"_s);
    R_SEdProdlouzM = PoleVety(p, 2, n, u"R_SEdProdlouzM"_s);
    Veta(p, x, 274,
         {{{}, R_SEdProdlouzD, 150},
          {u"o"_s},
          {{}, R_SEdProdlouzH, 22},
          {u"hodin"_s},
          {{}, R_SEdProdlouzM, 22},
          {u"minut"_s}});
    R_SEdDuvodProdl = PoleVety(p, 200, t, u"R_SEdDuvodProdl"_s);
    Veta(p, 10, 296, {{u"z důvodu"_s}, {{}, R_SEdDuvodProdl, 630}});

    x = skupina(318, u"Hlasování "_s, R_PrerusNRB, u"nebylo přerušeno"_s, u"R_PrerusNRB"_s,
                R_PrerusBRB, u"bylo přerušeno dne"_s, u"R_PrerusBRB"_s);
    R_SEdPrerusD = PoleVety(p, 23, t, u"R_SEdPrerusD"_s);
    R_SEdPrerusOd = PoleVety(p, 5, cas, u"R_SEdPrerusOd"_s);
    R_SEdPrerusDo = PoleVety(p, 5, cas, u"R_SEdPrerusDo"_s);
    Veta(p, x, 338,
         {{{}, R_SEdPrerusD, 150},
          {u"na dobu od"_s},
          {{}, R_SEdPrerusOd, 40},
          {u"do"_s},
          {{}, R_SEdPrerusDo, 40},
          {u"hodin"_s}});
    R_SEdDuvodPrer = PoleVety(p, 200, t, u"R_SEdDuvodPrer"_s);
    Veta(p, 10, 360, {{u"z důvodu"_s}, {{}, R_SEdDuvodPrer, 630}});

    QLabel *l = Popis(p, u"Při hlasování a zjišťování výsledků hlasování "_s, 10, 392);
    QWidget *d = DvojiceVoleb(p, R_StiznBRB, u"byly"_s, u"R_StiznBRB"_s, R_StiznNRB, u"nebyly"_s,
                              u"R_StiznNRB"_s);
    d->move(l->x() + l->width() + 4, 384);
    Popis(p, u"okrskové volební komisi podány stížnosti nebo oznámení."_s, d->x() + d->width() + 4,
          392);
    R_SEdStizListu = PoleVety(p, 2, n, u"R_SEdStizListu"_s);
    Veta(
        p, 10, 428,
        {{u"Jejich stručný obsah, přijatá usnesení a jejich stručné zdůvodnění jsou uvedeny v příloze na"_s},
         {{}, R_SEdStizListu, 22},
         {u"listech."_s}});

    l = Popis(p, u"Ve volebním okrsku"_s, 10, 460);
    d = DvojiceVoleb(p, R_SchrankaBRB, u"byla"_s, u"R_SchrankaBRB"_s, R_SchrankaNRB, u"nebyla"_s,
                     u"R_SchrankaNRB"_s);
    d->move(l->x() + l->width() + 4, 452);
    Popis(p, u"použita přenosná volební schránka."_s, d->x() + d->width() + 4, 460);

    Dalsi_Btn = new QPushButton(u"Pokračovat"_s, p);
    Dalsi_Btn->setObjectName(u"Dalsi_Btn"_s);
    Dalsi_Btn->setGeometry(580, 500, 110, 28);
    connect(Dalsi_Btn, &QPushButton::clicked, this, [this] { Dalsi_BtnClick(); });

    for (QRadioButton *rb : {R_OdrocNRB, R_OdrocBRB, R_ProdlNRB, R_ProdlBRB, R_PrerusNRB,
                             R_PrerusBRB, R_StiznBRB, R_StiznNRB, R_SchrankaBRB, R_SchrankaNRB})
        rb->installEventFilter(this);
}

void TR_Vstupni_Form::VytvorStranku1()
{
    QWidget *p = Panely[1];
    VytvorIdentifikaci(p, 8, false);
    auto radek = [&](int y, const QString &text, TSEdit *pole) {
        auto *l = new QLabel(text, p);
        l->setGeometry(10, y, 540, text.contains(u'\n') ? 34 : 18);
        pole->setGeometry(560, y, 70, 20);
    };
    R_EdTypZastup = PoleCisla(p, 1, u"R_EdTypZastup"_s, true);
    radek(88, u"Typ voleného zastupitelstva:"_s, R_EdTypZastup);
    R_EdTypZastup->setGeometry(560, 88, 20, 20);
    R_EdZapsOsoby = PoleCisla(p, 5, u"R_EdZapsOsoby"_s, false);
    radek(125, u"Počet osob zapsaných do výpisu ze seznamu voličů\na jeho dodatku celkem:"_s,
          R_EdZapsOsoby);
    R_EdVydObalky = PoleCisla(p, 4, u"R_EdVydObalky"_s, false);
    radek(170, u"Počet voličů, kterým byly vydány úřední obálky: "_s, R_EdVydObalky);
    R_EdOdevzdObalky = PoleCisla(p, 4, u"R_EdOdevzdObalky"_s, false);
    radek(200, u"Počet odevzdaných úředních obálek: "_s, R_EdOdevzdObalky);
    R_EdPlatneHlasy = PoleCisla(p, 6, u"R_EdPlatneHlasy"_s, false);
    radek(230, u"Počet platných hlasů ve volebním okrsku \n(celkem pro všechny volební strany): "_s,
          R_EdPlatneHlasy);
    R_EdPocet_VS = PoleCisla(p, 2, u"R_EdPocet_VS"_s, true);
    radek(275, u"Počet volebních stran ve volebním okrsku (dle HL): "_s, R_EdPocet_VS);
    R_EdPoc_VS_HL = PoleCisla(p, 2, u"R_EdPoc_VS_HL"_s, true);
    radek(
        305,
        u"Počet volebních stran, které ve volebním okrsku \nzískaly alespoň jeden platný hlas: "_s,
        R_EdPoc_VS_HL);
    R_EdT3KC_2 = PoleCisla(p, 6, u"R_EdT3KC_2"_s, true);
    radek(350, u"Kontrolní číslo 2: "_s, R_EdT3KC_2);

    R_T3OpravaCB =
        new QCheckBox(u"Parafovány opravy v datech na přebíracím místě (tiskopis T/3)"_s, p);
    R_T3OpravaCB->setObjectName(u"R_T3OpravaCB"_s);
    R_T3OpravaCB->setGeometry(10, 390, 600, 20);
    R_T3ZapisTNCB = new QCheckBox(u"Pořízení zápisu, který nešel načíst z technického nosiče"_s, p);
    R_T3ZapisTNCB->setObjectName(u"R_T3ZapisTNCB"_s);
    R_T3ZapisTNCB->setGeometry(10, 415, 600, 20);
    for (QCheckBox *cb : {R_T3OpravaCB, R_T3ZapisTNCB}) {
        cb->setAttribute(Qt::WA_TransparentForMouseEvents);
        cb->setFocusPolicy(Qt::NoFocus);
        cb->hide();
    }

    R_Dalsi2_Btn = new QPushButton(u"Pokračovat"_s, p);
    R_Dalsi2_Btn->setObjectName(u"R_Dalsi2_Btn"_s);
    R_Dalsi2_Btn->setGeometry(440, 500, 110, 28);
    ulozitBtn = new QPushButton(u"Uložit"_s, p);
    ulozitBtn->setObjectName(u"ulozitBtn"_s);
    ulozitBtn->setGeometry(320, 500, 110, 28);
    ulozitBtn->hide();
    PorovnatBtn = new QPushButton(u"Porovnat"_s, p);
    PorovnatBtn->setObjectName(u"PorovnatBtn"_s);
    PorovnatBtn->setGeometry(320, 500, 110, 28);
    PorovnatBtn->hide();
    zrusitBtn = new QPushButton(u"Zrušit"_s, p);
    zrusitBtn->setObjectName(u"zrusitBtn"_s);
    zrusitBtn->setGeometry(570, 500, 110, 28);
    for (QPushButton *b : {R_Dalsi2_Btn, ulozitBtn, PorovnatBtn, zrusitBtn})
        b->setAutoDefault(true); // Enter on a focused button presses it
    connect(R_Dalsi2_Btn, &QPushButton::clicked, this, [this] { R_Dalsi2_BtnClick(); });
    connect(ulozitBtn, &QPushButton::clicked, this, [this] { UlozitBtnClick(); });
    connect(PorovnatBtn, &QPushButton::clicked, this, [this] { Porovnat(); });
    connect(zrusitBtn, &QPushButton::clicked, this, [this] { close(); });

    for (TSEdit *pole : {R_EdZapsOsoby, R_EdVydObalky, R_EdOdevzdObalky, R_EdPlatneHlasy})
        pole->OnExit = [this, pole] { R_EdPocetExit(pole); };
    R_EdPlatneHlasy->OnEnter = [this] { R_T3PlatneHlasyjeEnter = false; };
    R_EdPlatneHlasy->OnKeyPress = [this](QKeyEvent *k) {
        R_T3PlatneHlasyjeEnter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    };
}

int TR_Vstupni_Form::Skaluj(int hodnota) const
{
    // Ties go to even, as the platform rounds.
    return int(std::nearbyint(hodnota * m_s));
}

void TR_Vstupni_Form::VytvorStranku2()
{
    QWidget *p = Panely[2];
    auto *l = new QLabel(
        u"Kontrolní číslo (počet hlasů pro stranu + pořadí strany na HL) a číslo posledního kandidáta:"_s,
        p);
    l->setGeometry(10, 15, 690, 20);
    const QFont tucny = Pismo(u"Courier New"_s, 9, true);
    for (int i = 1; i <= MaxStran; ++i) {
        const int r = (i - 1) % 15;
        const int c = (i - 1) / 15;
        const int y = Skaluj(50 + 28 * r);
        const int x0 = Skaluj(220 * c);
        auto *lab = new QLabel(padl(QString::number(i), 2, u' ') + u'.', p);
        lab->setFont(tucny);
        lab->move(Skaluj(50) + x0, y + 2);
        LabPorT3_2[std::size_t(i)] = lab;
        TSEdit *kc = PoleCisla(p, 5, u"EdKCStrany%1"_s.arg(i), true);
        kc->setGeometry(Skaluj(75) + x0, y, Skaluj(50), 20);
        kc->setProperty("tag", i);
        EdKCStrany[std::size_t(i)] = kc;
        TSEdit *posl = PoleCisla(p, 2, u"EdPoslKand%1"_s.arg(i), true);
        posl->setGeometry(Skaluj(130) + x0, y, Skaluj(30), 20);
        posl->setProperty("tag", i);
        EdPoslKand[std::size_t(i)] = posl;
    }
}

void TR_Vstupni_Form::VytvorStranky34()
{
    QWidget *p3 = Panely[3];
    QWidget *p4 = Panely[4];
    // Page 4's read-only last-candidate copy comes before the candidates in tab order. It
    // takes the focus, so that Tab and Enter leave even a party's lone field on this page
    // (and so run its exit rule).
    R_LabVybrStrana = new QLabel(p4);
    R_LabVybrStrana->setObjectName(u"R_LabVybrStrana"_s);
    R_LabVybrStrana->setGeometry(10, 12, 380, 20);
    Popis(p4, u"Počet hlasů"_s, 400, 14);
    R_EdPocHl2 = PoleCisla(p4, 6, u"R_EdPocHl2"_s, true);
    R_EdPocHl2->setGeometry(480, 12, 60, 20);
    Popis(p4, u"Číslo posl. kand."_s, 555, 14);
    R_EdHLPoslKand2 = PoleCisla(p4, 2, u"R_EdHLPoslKand2"_s, false);
    R_EdHLPoslKand2->setReadOnly(true);
    // Shown like the other fields that cannot be typed in.
    R_EdHLPoslKand2->NastavBarvuOkna(false);
    R_EdHLPoslKand2->setGeometry(660, 12, 30, 20);

    const QFont tucny = Pismo(u"Courier New"_s, 9, true);
    QFont jmeno = Pismo(u"Courier New"_s, 9, false);
    for (int i = 1; i <= MaxKandidatu; ++i) {
        const bool prvni = i <= KandidatuNaPrvniStrance;
        QWidget *p = prvni ? p3 : p4;
        // Two columns a page: 17 rows on page 3, 18 on page 4.
        const int radek = prvni ? i - 1 : i - KandidatuNaPrvniStrance - 1;
        const int radku = prvni ? KandidatuNaPrvniStrance / 2 : 18;
        const int y = Skaluj((prvni ? 70 : 45) + 26 * (radek % radku));
        const int x0 = Skaluj(350 * (radek / radku));
        auto *por = new QLabel(padl(QString::number(i), 2, u' ') + u'.', p);
        por->setObjectName(u"LabPorKand%1"_s.arg(i));
        por->setFont(tucny);
        por->move(Skaluj(15) + x0, y + 3);
        LabPorKand[std::size_t(i)] = por;
        auto *jm = new QLabel(QString(33, u'-'), p);
        jm->setObjectName(u"LabJmenoKand%1"_s.arg(i));
        jm->setFont(jmeno);
        jm->setGeometry(Skaluj(45) + x0, y + 3, Skaluj(240), 16);
        LabJmenoKand[std::size_t(i)] = jm;
        TSEdit *e = PoleCisla(p, 4, u"EdHlasyKand%1"_s.arg(i), true);
        e->setGeometry(Skaluj(290) + x0, y, Skaluj(50), 20);
        e->setProperty("tag", i);
        EdHlasyKand[std::size_t(i)] = e;
        e->OnEnter = [this, i] {
            R_HLjeEnter = false;
            ObarviRadek(i, Qt::blue);
        };
        e->OnKeyPress = [this](QKeyEvent *k) {
            R_HLjeEnter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        };
        e->OnExit = [this, i] { R_PanVstupHL_1Exit(i); };
    }

    // Party list and the party's sums; the list follows the candidates in tab order.
    Popis(p3, u"Název strany"_s, 10, 8);
    R_CBHL_1 = new QComboBox(p3);
    R_CBHL_1->setObjectName(u"R_CBHL_1"_s);
    R_CBHL_1->setFont(Pismo(u"Arial"_s, 9, true));
    R_CBHL_1->setGeometry(10, 26, 330, 24);
    R_CBHL_1->setEditable(false);
    R_CBHL_1->installEventFilter(this);
    connect(R_CBHL_1, &QComboBox::activated, this, [this](int) { R_CBHL_1Change(); });
    auto dvojradek = [&](int x, const QString &text) {
        auto *l = new QLabel(text, p3);
        l->setGeometry(x, 2, 90, 30);
    };
    dvojradek(360, u"Pořadí\nstrany"_s);
    R_EdPorStHL = PoleCisla(p3, 2, u"R_EdPorStHL"_s, true);
    R_EdPorStHL->setGeometry(360, 34, 40, 20);
    dvojradek(420, u"Počet\nhlasů"_s);
    R_EdPocHl = PoleCisla(p3, 6, u"R_EdPocHl"_s, true);
    R_EdPocHl->setGeometry(420, 34, 60, 20);
    dvojradek(500, u"Kontrolní\nčíslo"_s);
    R_EdHLKC2 = PoleCisla(p3, 6, u"R_EdHLKC2"_s, true);
    R_EdHLKC2->setGeometry(500, 34, 60, 20);
    dvojradek(590, u"Číslo\nposl. kand."_s);
    R_EdHLPoslKand = PoleCisla(p3, 2, u"R_EdHLPoslKand"_s, true);
    R_EdHLPoslKand->setGeometry(590, 34, 40, 20);
}

void TR_Vstupni_Form::VytvorStranku5()
{
    QWidget *p = Panely[5];
    const auto t = TValueType::vtString;
    const auto n = TValueType::vtNumber;
    R_SEdClenuOVKC = PoleVety(p, 2, n, u"R_SEdClenuOVKC"_s);
    R_SEdClenuOVKP = PoleVety(p, 2, n, u"R_SEdClenuOVKP"_s);
    Veta(p, 10, 14,
         {{u"III."_s},
          {u"Z celkového počtu"_s},
          {{}, R_SEdClenuOVKC, 22},
          {u"členů okrskové volební komise je v době vyhotovení zápisu  přítomno"_s}});
    Veta(p, 10, 36, {{{}, R_SEdClenuOVKP, 22}, {u"tj. nadpoloviční většina."_s}});
    Popis(p, u"Jméno a příjmení zapisovatele: "_s, 10, 66);
    R_SEdZapisovat = PoleVety(p, 35, t, u"R_SEdZapisovat"_s);
    Veta(p, 10, 88, {{u"1."_s}, {{}, R_SEdZapisovat, 320}});
    Popis(
        p,
        u"Jména a příjmení ostatních členů okrskové volební komise (přítomných při zpracování zápisu): "_s,
        10, 118);
    R_JmenaKomise_SG = new TZColorStringGrid(p);
    R_JmenaKomise_SG->setObjectName(u"R_JmenaKomise_SG"_s);
    R_JmenaKomise_SG->setGeometry(10, 138, 64 + 483 + 22, 190);
    R_JmenaKomise_SG->setColumnWidth(0, 64);
    R_JmenaKomise_SG->setColumnWidth(1, 483);
    R_JmenaKomise_SG->setHorizontalHeaderLabels({u"Poř."_s, u"Jméno a příjmení"_s});
    R_JmenaKomise_SG->SetSelectedColors(palette().color(QPalette::Button), Qt::black);
    Popis(
        p,
        u"Člen okrskové volební komise (z výše uvedených) pověřený předáním zápisu DORVAN na územně příslušném pracovišti "_s,
        10, 338);
    Popis(p, u"a k opravám případných chyb v zápisu na místě: (jméno a příjmení):"_s, 10, 354);
    R_SEdPoverPred = PoleVety(p, 200, t, u"R_SEdPoverPred"_s);
    R_SEdPoverPred->setGeometry(10, 374, 680, 18);
    Popis(p, u"Kromě členů komise dále byli v době vyhotovení zápisu přítomni:"_s, 10, 404);
    R_SEdOstatni = PoleVety(p, 200, t, u"R_SEdOstatni"_s);
    R_SEdOstatni->setGeometry(10, 424, 680, 18);
    UlozitOkrBtn = new QPushButton(u"Uložit"_s, p);
    UlozitOkrBtn->setObjectName(u"UlozitOkrBtn"_s);
    UlozitOkrBtn->setGeometry(580, 500, 110, 28);
    UlozitOkrBtn->setAutoDefault(true);
    connect(UlozitOkrBtn, &QPushButton::clicked, this, [this] { UlozitBtnClick(); });

    R_JmenaKomise_SG->OnEnter = [this] {
        R_JmenaKomise_SG->KamDale = R_SEdPoverPred;
        R_JmenaKomise_SG->SetSelectedColors(palette().color(QPalette::Highlight), Qt::white);
    };
    R_JmenaKomise_SG->OnExit = [this] {
        R_JmenaKomise_SG->SetSelectedColors(palette().color(QPalette::Button), Qt::black);
    };
    R_JmenaKomise_SG->OnKeyPress = [this](QKeyEvent *k) {
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (enter && R_JmenaKomise_SG->Row() < R_JmenaKomise_SG->RowCount() - 1)
            R_JmenaKomise_SG->SetRow(R_JmenaKomise_SG->Row() + 1);
    };
}
