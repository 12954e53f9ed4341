// The entry window: binding its fields to the rules of what is typed, and filling
// them from the records when it is shown.
#include "R_vstup.h"

#include "EChyba.h"
#include "HlaskaF.h"
#include "UkladaniPriNecinnosti.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

TR_Vstupni_Form::TR_Vstupni_Form(TStavProgramu &beh, THlaskaF &hlaska, const QString &titulekHlavni,
                                 QWidget *parent)
    : QDialog(parent), m_b(beh), m_hlaska(hlaska), m_pravidla(beh), m_titulekHlavni(titulekHlavni)
{
    setObjectName(u"TR_Vstupni_Form"_s);
    FormCreate();
    m_menimKodem = true;
    R_TN_T3HL->setCurrentIndex(0);
    m_menimKodem = false;
    for (TSEdit *e : {R_EdT3KC_1, R_EdT3KC_2, R_EdPoc_VS_HL, R_EdPocet_VS, R_EdPocHl})
        e->setEnabled(false);
    ulozitBtn->hide();

    using H = THlasovaniRec;
    PripojPoleHlasovani(R_SEdZahajeno1, &H::Zahajeno1);
    PripojPoleHlasovani(R_SEdUkonceno1, &H::Ukonceno1);
    PripojPoleHlasovani(R_SEdZahajeno2, &H::Zahajeno2);
    PripojPoleHlasovani(R_SEdUkonceno2, &H::Ukonceno2);
    PripojPoleHlasovani(R_SEdOdrocenoD, &H::OdrocenoD);
    PripojPoleHlasovani(R_SEdOdrocenoH, &H::OdrocenoH, true);
    PripojPoleHlasovani(R_SEdOdrocenoM, &H::OdrocenoM, true);
    PripojPoleHlasovani(R_SEdDuvodOdroc, &H::DuvodOdroc);
    PripojPoleHlasovani(R_SEdProdlouzD, &H::ProdlouzD);
    PripojPoleHlasovani(R_SEdProdlouzH, &H::ProdlouzH, true);
    PripojPoleHlasovani(R_SEdProdlouzM, &H::ProdlouzM, true);
    PripojPoleHlasovani(R_SEdDuvodProdl, &H::DuvodProdl);
    PripojPoleHlasovani(R_SEdPrerusD, &H::PrerusD);
    PripojPoleHlasovani(R_SEdPrerusOd, &H::PrerusOd);
    PripojPoleHlasovani(R_SEdPrerusDo, &H::PrerusDo);
    PripojPoleHlasovani(R_SEdDuvodPrer, &H::DuvodPrer);
    PripojPoleHlasovani(R_SEdStizListu, &H::StizListu);
    PripojPoleHlasovani(R_SEdClenuOVKC, &H::ClenuOVKC);
    PripojPoleHlasovani(R_SEdClenuOVKP, &H::ClenuOVKP);
    PripojPoleHlasovani(R_SEdZapisovat, &H::Zapisovat);
    PripojPoleHlasovani(R_SEdPoverPred, &H::PoverPred);
    PripojPoleHlasovani(R_SEdOstatni, &H::Ostatni);
    R_SEdClenuOVKP->OnExit = [this, puvodni = R_SEdClenuOVKP->OnExit] {
        puvodni();
        if (!m_plneni)
            NastavRadkyKomise(m_pravidla.PocetClenuP(), true);
    };
    PripojVolby(R_OdrocBRB, R_OdrocNRB, &H::Odroc);
    PripojVolby(R_ProdlBRB, R_ProdlNRB, &H::Prodl);
    PripojVolby(R_PrerusBRB, R_PrerusNRB, &H::Prerus);
    PripojVolby(R_StiznBRB, R_StiznNRB, &H::Stizn);
    PripojVolby(R_SchrankaBRB, R_SchrankaNRB, &H::Schranka);

    m_necinnost = new TUkladaniPriNecinnosti(
        *this, [this] { return isVisible(); },
        [this](QObject *o) {
            auto *w = static_cast<QWidget *>(o);
            return w == this || isAncestorOf(w);
        },
        [this] { return OtiskPsani(); }, [this](bool sDenikem) { return UlozRozepsane(sDenikem); },
        [this](const QString &chyba) {
            Oznam(R_StavovyRadek,
                  chyba.isEmpty() ? QString() : u"Průběžné uložení se nepodařilo: "_s + chyba);
        });
}

TR_Vstupni_Form::~TR_Vstupni_Form() = default;

QString TR_Vstupni_Form::padl(const QString &iStr, int iLen, QChar iChar)
{
    return iStr.size() >= iLen ? iStr : QString(iLen - iStr.size(), iChar) + iStr;
}

void TR_Vstupni_Form::PripojPoleHlasovani(TSEdit *pole, QString THlasovaniRec::*polozka,
                                          bool nulaPrazdna)
{
    m_polozkyHlasovani.insert(pole, {polozka, nulaPrazdna});
    pole->OnExit = [this, pole] {
        if (!m_plneni)
            PrevezmiHlasovani(pole);
    };
}

void TR_Vstupni_Form::PrevezmiHlasovani(TSEdit *pole)
{
    const auto [polozka, nulaPrazdna] = m_polozkyHlasovani.value(pole);
    m_pravidla.PrevezmiHlasovani(polozka, pole->text().left(pole->maxLength()), nulaPrazdna);
}

void TR_Vstupni_Form::PripojVolby(QRadioButton *ano, QRadioButton *ne,
                                  QString THlasovaniRec::*polozka)
{
    // Tab and Enter enter the pair on its chosen button, as the arrow keys then change
    // the choice from there; the other button stays reachable by the mouse.
    auto fokusVolby = [ano, ne] {
        for (QRadioButton *b : {ano, ne})
            b->setFocusPolicy(b->isChecked() || !(ano->isChecked() || ne->isChecked())
                                  ? Qt::StrongFocus
                                  : Qt::ClickFocus);
    };
    connect(ano, &QRadioButton::toggled, this, [this, polozka, fokusVolby](bool zapnuto) {
        if (zapnuto)
            m_pravidla.NastavVolbu(polozka, true);
        fokusVolby();
    });
    connect(ne, &QRadioButton::toggled, this, [this, polozka, fokusVolby](bool zapnuto) {
        if (zapnuto)
            m_pravidla.NastavVolbu(polozka, false);
        fokusVolby();
    });
}

int TR_Vstupni_Form::PolozkaStrany() const
{
    return m_pravidla.StranaPolozky(R_CBHL_1->currentIndex());
}

// ---- Showing ---------------------------------------------------------------------

int TR_Vstupni_Form::Zobraz(const QPoint &roh)
{
    FormShow();
    move(roh);
    return exec();
}

void TR_Vstupni_Form::FormShow(bool kontrolni)
{
    Ukonceni = false;
    m_zavritBezOtazky = false;
    NastavRezim(kontrolni);
    const TRezimVstupu &rezim = m_pravidla.Rezim();
    m_menimKodem = true;
    R_TN_T3HL->setCurrentIndex(rezim.PrvniStranka());
    m_menimKodem = false;
    ulozitBtn->setEnabled(false);
    UlozitMI->setEnabled(false);
    m_plneni = true;
    Oznam(R_StavRadek_Lbl, {});
    try {
        for (QLabel *l : {R_LabNazevZast, R_LabCObvodu, R_LabNazevZast_Z, R_LabCObvodu_Z})
            l->clear();
        for (TSEdit *e : {R_EdObec_Z, R_EdOkrsek_Z, R_EdObec, R_EdOkrsek})
            e->clear();
        R_T3OpravaCB->hide();
        R_T3ZapisTNCB->hide();
        for (TSEdit *e : {R_EdObec, R_EdOkrsek, R_EdT3KC_1, R_EdTypZastup})
            e->setEnabled(false);
        Nacti();
        R_TN_T3HL->setCurrentIndex(rezim.PrvniStranka());
        // The focus rule of the first page.
        R_TN_T3HLClick();
    } catch (...) {
        m_plneni = false;
        throw;
    }
    m_plneni = false;
    UlozitMI->setEnabled(true);
    Oznam(R_StavovyRadek, {});
    m_pravidla.ZahodZalohuStranky();
    m_necinnost->Ulozeno();
}

void TR_Vstupni_Form::Nacti()
{
    m_pravidla.Nacti();
    const TOkrsekRefRec &okr = m_b.AktOkrsek;
    for (QLabel *l : {R_LabNazevZast, R_LabNazevZast_Z})
        l->setText(okr.NazevZast);
    for (QLabel *l : {R_LabCObvodu, R_LabCObvodu_Z})
        l->setText(okr.CObvodu);
    for (QLabel *l : {R_LabNazevObce, R_LabNazevObce_Z})
        l->setText(okr.NazevObce);

    R_CBHL_1->clear();
    R_CBHL_1->addItems(m_pravidla.PolozkyStran());
    R_CBHL_1->setCurrentIndex(R_CBHL_1->count() > 0 ? 0 : -1);
    if (R_CBHL_1->count() > 0)
        ZobrazStranu(m_pravidla.StranaPolozky(0));

    const int p = m_pravidla.PocetClenuP();
    NastavRadkyKomise(p, false);
    for (int r = 1; r <= p - 1; ++r)
        R_JmenaKomise_SG->SetCells(1, r,
                                   r - 1 < m_b.Komise.size() ? m_b.Komise[r - 1].clen : QString());

    ZobrazKC();
    for (QWidget *w : std::initializer_list<QWidget *>{
             R_EdT3KC_1, R_EdTypZastup, R_EdZapsOsoby, R_EdOdevzdObalky, R_EdVydObalky,
             R_EdPlatneHlasy, R_EdPocet_VS, R_EdPoc_VS_HL, R_EdT3KC_2, R_LabNazevObce,
             R_LabNazevZast, R_LabCObvodu})
        w->setVisible(true);

    VyplnStranku2();
    ProcNatahniHlasovani();
    VyplnStranku1();
}

void TR_Vstupni_Form::VyplnStranku1()
{
    const TOkrsekRec &h = m_b.Vysledky.VetaT3;
    R_EdObec->setText(QString::number(h.Obec));
    R_EdOkrsek->setText(QString::number(h.Okrsek));
    R_EdObec_Z->setText(R_EdObec->text());
    R_EdOkrsek_Z->setText(R_EdOkrsek->text());
    R_EdTypZastup->setText(QString::number(h.TypZastup));
    R_EdZapsOsoby->setText(TextHodnoty(h.ZapsOsoby));
    R_EdVydObalky->setText(TextHodnoty(h.VydObalky));
    R_EdOdevzdObalky->setText(TextHodnoty(h.OdevzdObalky));
    R_EdPlatneHlasy->setText(TextHodnoty(h.PlatneHlasy));
    R_EdPocet_VS->setText(QString::number(h.Pocet_VS));
    R_EdPoc_VS_HL->setText(QString::number(h.Poc_VS_HL));
    ZobrazKC();
    R_T3OpravaCB->setChecked(h.Oprava == 1);
    R_T3ZapisTNCB->setChecked(m_b.Vysledky.VetaTS.ZpusobPorizeni == 9);
}

void TR_Vstupni_Form::VyplnStranku2()
{
    for (int k = 1; k <= MaxStran; ++k) {
        const bool je = k <= m_pravidla.PocetStran();
        const TStranaHLRec &s = m_b.Vysledky.StranyHL[std::size_t(k)];
        EdKCStrany[std::size_t(k)]->setText(je ? QString::number(s.HLKC2) : u"0"_s);
        EdPoslKand[std::size_t(k)]->setText(je ? QString::number(s.HLPoslKand) : u"0"_s);
        EdKCStrany[std::size_t(k)]->NastavBarvuOkna(je);
        EdPoslKand[std::size_t(k)]->NastavBarvuOkna(je);
    }
}

void TR_Vstupni_Form::ProcNatahniHlasovani()
{
    THlasovaniRec &h = m_b.Hlasovani;
    R_SEdDatumVoleb->setText(DatumVolebText(m_b.Stanice));
    const QList<std::pair<TSEdit *, QString *>> pole{
        {R_SEdZahajeno1, &h.Zahajeno1}, {R_SEdUkonceno1, &h.Ukonceno1},
        {R_SEdZahajeno2, &h.Zahajeno2}, {R_SEdUkonceno2, &h.Ukonceno2},
        {R_SEdOdrocenoD, &h.OdrocenoD}, {R_SEdOdrocenoH, &h.OdrocenoH},
        {R_SEdOdrocenoM, &h.OdrocenoM}, {R_SEdDuvodOdroc, &h.DuvodOdroc},
        {R_SEdProdlouzD, &h.ProdlouzD}, {R_SEdProdlouzH, &h.ProdlouzH},
        {R_SEdProdlouzM, &h.ProdlouzM}, {R_SEdDuvodProdl, &h.DuvodProdl},
        {R_SEdPrerusD, &h.PrerusD},     {R_SEdPrerusOd, &h.PrerusOd},
        {R_SEdPrerusDo, &h.PrerusDo},   {R_SEdDuvodPrer, &h.DuvodPrer},
        {R_SEdStizListu, &h.StizListu}, {R_SEdClenuOVKC, &h.ClenuOVKC},
        {R_SEdClenuOVKP, &h.ClenuOVKP}, {R_SEdZapisovat, &h.Zapisovat},
        {R_SEdPoverPred, &h.PoverPred}, {R_SEdOstatni, &h.Ostatni}};
    for (const auto &[e, hodnota] : pole)
        e->setText(*hodnota);
    const QList<std::tuple<QRadioButton *, QRadioButton *, QString *>> volby{
        {R_OdrocBRB, R_OdrocNRB, &h.Odroc},
        {R_ProdlBRB, R_ProdlNRB, &h.Prodl},
        {R_PrerusBRB, R_PrerusNRB, &h.Prerus},
        {R_StiznBRB, R_StiznNRB, &h.Stizn},
        {R_SchrankaBRB, R_SchrankaNRB, &h.Schranka}};
    for (const auto &[ano, ne, hodnota] : volby)
        (JeAno(*hodnota) ? ano : ne)->setChecked(true);
}

void TR_Vstupni_Form::NastavRadkyKomise(int p, bool zachovat)
{
    TZColorStringGrid *g = R_JmenaKomise_SG;
    if (p <= 1) {
        g->SetRowCount(2);
        g->SetCells(0, 1, QString());
        g->SetCells(1, 1, QString());
        return;
    }
    g->SetRowCount(p);
    for (int r = 1; r <= p - 1; ++r) {
        g->SetCells(0, r, QString::number(r + 1) + u'.');
        if (!zachovat)
            g->SetCells(1, r, QString());
    }
}

// ---- Section II ----------------------------------------------------------------

void TR_Vstupni_Form::ZobrazKC()
{
    const TOkrsekRec &h = m_b.Vysledky.VetaT3;
    R_EdT3KC_1->setText(QString::number(h.T3KC_1));
    R_EdT3KC_1_Z->setText(R_EdT3KC_1->text());
    R_EdT3KC_2->setText(QString::number(h.T3KC_2));
}

TPoleDat::TDruh TR_Vstupni_Form::DruhPoctu(const TSEdit *pole) const
{
    using TDruh = TPoleDat::TDruh;
    if (pole == R_EdZapsOsoby)
        return TDruh::ZapsOsoby;
    if (pole == R_EdVydObalky)
        return TDruh::VydObalky;
    if (pole == R_EdOdevzdObalky)
        return TDruh::OdevzdObalky;
    return pole == R_EdPlatneHlasy ? TDruh::PlatneHlasy : TDruh::Zadne;
}

void TR_Vstupni_Form::R_EdPocetExit(TSEdit *pole)
{
    if (m_plneni)
        return;
    const TPoleDat::TDruh druh = DruhPoctu(pole);
    pole->setText(m_pravidla.PrevezmiPocet(druh, pole->text()));
    m_pravidla.ProcDopoctiKC();
    ZobrazKC();
    if (pole == R_EdPlatneHlasy && R_T3PlatneHlasyjeEnter) {
        for (int k = 1; k <= m_pravidla.PocetStran(); ++k) {
            ProcDopoctiHL(k);
            ProcObnovDopocPoleHL(k);
        }
    }
    if (const auto h = m_pravidla.KontrolaPoctu(druh))
        Ohlas(*h, pole);
}

QString TR_Vstupni_Form::TextHodnoty(qint64 hodnota) const
{
    return m_pravidla.Rezim().TextHodnoty(hodnota);
}
