#include "R_vstup.h"

#include "Cisla.h"
#include "Denik.h"
#include "Dopocty.h"
#include "EChyba.h"
#include "HlaskaF.h"
#include "Klavesy.h"
#include "KontrolniPorizeni.h"
#include "Soubory.h"
#include "Stanice.h"
#include "UkladaniPriNecinnosti.h"
#include "UlozeniVysledku.h"
#include "Vysvetleni.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTabWidget>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString TitulekVstupu = u"Vstup dat za okrsek"_s;

// The deferred report of a failed check: where the focus goes back and, for a
// candidate field, which party the value belongs to.
class TUdalostHlaska : public QEvent
{
public:
    TUdalostHlaska(QWidget *opr, int strana)
        : QEvent(QEvent::Type(TR_Vstupni_Form::WM_HLASKA)), Opravit(opr), Strana(strana)
    {
    }
    QPointer<QWidget> Opravit;
    int Strana;
};

bool JeEnter(const QKeyEvent *k)
{
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

TR_Vstupni_Form::TR_Vstupni_Form(TStavProgramu &beh, THlaskaF &hlaska, const QString &titulekHlavni,
                                 QWidget *parent)
    : QDialog(parent), m_b(beh), m_hlaska(hlaska), m_titulekHlavni(titulekHlavni)
{
    setObjectName(u"TR_Vstupni_Form"_s);
    FormCreate();
    m_menimKodem = true;
    R_TN_T3HL->setCurrentIndex(0);
    m_menimKodem = false;
    for (TSEdit *e : {R_EdT3KC_1, R_EdT3KC_2, R_EdPoc_VS_HL, R_EdPocet_VS, R_EdPocHl})
        e->setEnabled(false);
    ulozitBtn->hide();
    PocetKandStrany = 0;

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
            R_SEdClenuOVKPExit();
    };
    PripojVolby(R_OdrocBRB, R_OdrocNRB, &H::Odroc);
    PripojVolby(R_ProdlBRB, R_ProdlNRB, &H::Prodl);
    PripojVolby(R_PrerusBRB, R_PrerusNRB, &H::Prerus);
    PripojVolby(R_StiznBRB, R_StiznNRB, &H::Stizn);
    PripojVolby(R_SchrankaBRB, R_SchrankaNRB, &H::Schranka);

    m_necinnost = new TUkladaniPriNecinnosti(
        *this, [this] { return OtiskPsani(); },
        [this](bool sDenikem) { return UlozRozepsane(sDenikem); },
        [this](const QString &chyba) {
            R_StavovyRadek->setText(
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
    QString hodnota = pole->text().left(pole->maxLength());
    // An hour or minute of 0 is stored empty.
    if (nulaPrazdna && hodnota.trimmed() == u"0")
        hodnota.clear();
    m_b.Hlasovani.*polozka = hodnota;
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
            m_b.Hlasovani.*polozka = u"B"_s;
        fokusVolby();
    });
    connect(ne, &QRadioButton::toggled, this, [this, polozka, fokusVolby](bool zapnuto) {
        if (zapnuto)
            m_b.Hlasovani.*polozka = u"N"_s;
        fokusVolby();
    });
}

int TR_Vstupni_Form::Stranka() const
{
    return R_TN_T3HL->currentIndex();
}

int TR_Vstupni_Form::PocetStran() const
{
    return qBound(0, int(m_b.Reference.PocetStranSeznamu), int(MaxStran));
}

int TR_Vstupni_Form::PolozkaStrany() const
{
    const int i = R_CBHL_1->currentIndex();
    return i >= 0 && i < R_CBHL_1->count() ? PorStrCB[std::size_t(i)] : 0;
}

int TR_Vstupni_Form::StranaPole(QWidget *w) const
{
    for (int i = 0; i < 6; ++i) {
        if (Panely[std::size_t(i)]->isAncestorOf(w))
            return i;
    }
    return -1;
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
    m_menimKodem = true;
    R_TN_T3HL->setCurrentIndex(PrvniStranka());
    m_menimKodem = false;
    ulozitBtn->setEnabled(false);
    UlozitMI->setEnabled(false);
    m_plneni = true;
    R_StavRadek_Lbl->clear();
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
        R_TN_T3HL->setCurrentIndex(PrvniStranka());
        (m_kontrolni ? R_EdZapsOsoby : R_SEdZahajeno1)->setFocus(Qt::OtherFocusReason);
    } catch (...) {
        m_plneni = false;
        throw;
    }
    m_plneni = false;
    UlozitMI->setEnabled(true);
    R_StavovyRadek->clear();
    m_zalohaStranky.Zahod();
    m_necinnost->Ulozeno();
}

void TR_Vstupni_Form::Nacti()
{
    TVysledky &v = m_b.Vysledky;
    TOkrsekRefRec &okr = m_b.AktOkrsek;
    VynulujOkrsek(v);
    if (!NajdiOkrsek(m_b.Adresare, okr)) {
        throw EChyba(u"Okrsek %1 obce %2 (typ zastupitelstva %3) není v souboru OKRSKY.RCD."_s
                         .arg(okr.CisloOkrsku)
                         .arg(okr.KodObce, okr.TypZastup));
    }
    NactiStrany(m_b.Adresare, okr, m_b.Reference);
    R_LabNazevZast->setText(okr.NazevZast);
    R_LabCObvodu->setText(okr.CObvodu);
    R_LabNazevZast_Z->setText(okr.NazevZast);
    R_LabCObvodu_Z->setText(okr.CObvodu);

    R_CBHL_1->clear();
    PorStrCB.fill(0);
    for (int k = 1; k <= PocetStran(); ++k) {
        const TStranaRec &s = m_b.Reference.SeznamStran[std::size_t(k)];
        R_CBHL_1->addItem((s.PorCislo.mid(1, 2) + u": "_s + s.NazevZkr).left(35));
        PorStrCB[std::size_t(k - 1)] = CisloNeboNula(s.PorCislo);
    }
    R_CBHL_1->setCurrentIndex(R_CBHL_1->count() > 0 ? 0 : -1);
    NactiKandidaty(m_b.Adresare, okr, m_b.Reference);

    // A damaged file stops the opening here: the window is not shown and nothing is saved over it.
    // The control entry sees only its own file, never the first entry.
    if (m_kontrolni)
        KontrolniPorizeni::Nacti(m_b.Adresare, okr, v);
    else
        NactiAktualniOkrsek(m_b.Adresare, okr, v);
    if (R_CBHL_1->count() > 0)
        ZobrazStranu(PorStrCB[0]);

    // A station without HLASO.RCD yet starts with empty sections I and III.
    if (Soubory::Existuje(m_b.Adresare.AdrData, u"HLASO.RCD"_s))
        m_b.Hlasovani = NactiHlasovani(m_b.Adresare.AdrData);
    else
        m_b.Hlasovani = THlasovaniRec();

    const int p = PocetClenuP();
    m_b.Komise.clear();
    if (p >= 2 && Soubory::Existuje(m_b.Adresare.AdrData, u"KOMISE.RCD"_s))
        m_b.Komise = NactiKomisi(m_b.Adresare.AdrData);
    NastavRadkyKomise(p, false);
    if (p >= 2) {
        for (int r = 1; r <= p - 1; ++r)
            R_JmenaKomise_SG->SetCells(
                1, r, r - 1 < m_b.Komise.size() ? m_b.Komise[r - 1].clen : QString());
    }

    VyplnIdentifikaci(v.VetaT3, okr);
    R_LabNazevObce->setText(okr.NazevObce);
    R_LabNazevObce_Z->setText(okr.NazevObce);
    R_LabNazevZast->setText(okr.NazevZast);
    R_LabCObvodu->setText(okr.CObvodu);

    ProcDopoctiKC();
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
    ProcDopoctiKC();
    R_T3OpravaCB->setChecked(h.Oprava == 1);
    R_T3ZapisTNCB->setChecked(m_b.Vysledky.VetaTS.ZpusobPorizeni == 9);
}

void TR_Vstupni_Form::VyplnStranku2()
{
    for (int k = 1; k <= MaxStran; ++k) {
        const bool je = k <= PocetStran();
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
    NormalizujHlasovani(h);
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

int TR_Vstupni_Form::PocetClenuP() const
{
    return CisloNeboNula(m_b.Hlasovani.ClenuOVKP);
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

void TR_Vstupni_Form::R_SEdClenuOVKPExit()
{
    NastavRadkyKomise(PocetClenuP(), true);
}

// ---- Section II ----------------------------------------------------------------

void TR_Vstupni_Form::ProcDopoctiKC()
{
    TOkrsekRec &h = m_b.Vysledky.VetaT3;
    ::ProcDopoctiKC(h);
    R_EdT3KC_1->setText(QString::number(h.T3KC_1));
    R_EdT3KC_1_Z->setText(R_EdT3KC_1->text());
    R_EdT3KC_2->setText(QString::number(h.T3KC_2));
}

QString TR_Vstupni_Form::PrevezmiPocet(TSEdit *pole)
{
    TOkrsekRec &h = m_b.Vysledky.VetaT3;
    const qint64 hodnota = pole->text().toLongLong();
    if (pole == R_EdZapsOsoby) {
        h.ZapsOsoby = qint32(hodnota);
        return QString::number(h.ZapsOsoby);
    }
    if (pole == R_EdVydObalky) {
        h.VydObalky = quint16(hodnota);
        return QString::number(h.VydObalky);
    }
    if (pole == R_EdOdevzdObalky) {
        h.OdevzdObalky = quint16(hodnota);
        return QString::number(h.OdevzdObalky);
    }
    h.PlatneHlasy = qint32(hodnota);
    return QString::number(h.PlatneHlasy);
}

void TR_Vstupni_Form::R_EdPocetExit(TSEdit *pole)
{
    if (m_plneni)
        return;
    pole->setText(PrevezmiPocet(pole));
    ProcDopoctiKC();

    if (pole == R_EdPlatneHlasy && R_T3PlatneHlasyjeEnter) {
        for (int k = 1; k <= PocetStran(); ++k) {
            ProcDopoctiHL(k);
            ProcObnovDopocPoleHL(k);
        }
    }

    TDataKontrol d = Data();
    // Warnings are asked on a scratch state: nothing is marked while typing.
    TKontrolniStav zadny;
    TDataKontrol dv{d.Adresare, d.AktOkrsek, d.Reference, d.Vysledky, zadny, d.ProtokolChyb};
    const QString seznam = m_b.Vysledky.VetaTS.SeznamChyb;
    auto varovani = [&](bool (*kontrola)(TDataKontrol &)) {
        const bool plati = kontrola(dv);
        m_b.Vysledky.VetaTS.SeznamChyb = seznam;
        return plati;
    };
    auto chyba = [&](int cislo, bool plati) {
        if (!plati)
            Hlaska(cislo, QString(), pole, false, true);
        return plati;
    };
    auto upozorneni = [&](int cislo, bool plati, const QString &param = QString()) {
        if (!plati) {
            m_b.Stav.Posledni = zadny.Posledni; // the values the warning compared
            Hlaska(cislo, param, pole, true, false);
        }
        return plati;
    };
    if (pole == R_EdZapsOsoby) {
        if (!chyba(6, Kontrola06(d, true)))
            return;
        qint32 ref = 0;
        const bool plati96 = Kontrola96(dv, &ref);
        m_b.Vysledky.VetaTS.SeznamChyb = seznam;
        if (!upozorneni(96, plati96, QString::number(ref)))
            return;
        if (ref == 0)
            upozorneni(93, varovani(&Kontrola93));
    } else if (pole == R_EdVydObalky) {
        chyba(7, Kontrola07(d, true)) && chyba(8, Kontrola08(d, true)) &&
            upozorneni(91, varovani(&Kontrola91)) && upozorneni(97, varovani(&Kontrola97)) &&
            upozorneni(94, varovani(&Kontrola94));
    } else if (pole == R_EdOdevzdObalky) {
        chyba(9, Kontrola09(d, true)) && chyba(10, Kontrola10(d, true)) &&
            upozorneni(92, varovani(&Kontrola92));
    } else {
        chyba(11, Kontrola11(d, true)) && chyba(12, Kontrola12(d, true));
    }
}

// ---- Ballot pages ----------------------------------------------------------------

void TR_Vstupni_Form::ObarviRadek(int i, const QColor &barva)
{
    for (QLabel *l : {LabPorKand[std::size_t(i)], LabJmenoKand[std::size_t(i)]}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, barva);
        l->setPalette(p);
    }
}

void TR_Vstupni_Form::ZobrazStranu(int k)
{
    R_LabVybrStrana->setText(R_CBHL_1->currentText());
    ProcObnovDopocPoleHL(k);
    const int stary = PocetKandStrany;
    const TStranaRec &strana = m_b.Reference.SeznamStran[std::size_t(qBound(0, k, int(MaxStran)))];
    PocetKandStrany = qBound(0, int(CisloNeboNula(strana.PocetKand)), int(MaxKandidatu));
    PoslPlatnyKand = 0;
    const auto &kandidati = m_b.Reference.Kandidati[std::size_t(qBound(0, k, int(MaxStran)))];
    const TStranaHLRec &s = m_b.Vysledky.StranyHL[std::size_t(qBound(0, k, int(MaxStran)))];
    const bool predPlneni = m_plneni;
    m_plneni = true; // refilling the rows is no exit of theirs
    for (int i = 1; i <= PocetKandStrany; ++i) {
        const TKandidatRec &c = kandidati[std::size_t(i)];
        LabJmenoKand[std::size_t(i)]->setText((c.Jmeno.left(1) + u". "_s + c.Prijmeni).left(72));
        TSEdit *e = EdHlasyKand[std::size_t(i)];
        if (c.Platnost == u"A") {
            e->setText(TextHodnoty(s.HlasyKand[std::size_t(i)]));
            e->setEnabled(true);
            e->NastavBarvuOkna(true);
            PoslPlatnyKand = i;
        } else {
            e->setText(u"N"_s);
            e->setEnabled(false);
            e->NastavBarvuOkna(false);
        }
    }
    for (int i = PocetKandStrany + 1; i <= stary; ++i) {
        LabJmenoKand[std::size_t(i)]->setText(QString(32, u'-'));
        TSEdit *e = EdHlasyKand[std::size_t(i)];
        e->setText(u"0"_s);
        e->setEnabled(false);
        e->NastavBarvuOkna(false);
    }
    m_plneni = predPlneni;
}

void TR_Vstupni_Form::R_CBHL_1Change()
{
    if (R_CBHL_1->count() == 0)
        return;
    if (R_CBHL_1->currentIndex() < 0)
        R_CBHL_1->setCurrentIndex(0);
    ZobrazStranu(PolozkaStrany());
    if (!Ukonceni && !m_plneni)
        UlozPrubezne();
}

void TR_Vstupni_Form::R_CBHL_1Exit()
{
    if (m_plneni || PoslPlatnyKand != 0 || m_opoustiSeznam)
        return;
    // The move takes the focus off the list; that focus-out is this exit, not another.
    const QScopedValueRollback opousti(m_opoustiSeznam, true);
    if (DalsiStrana() != 5)
        return;
    // Leaving the last party ends the ballot, as Enter on a last candidate does.
    TDataKontrol d = Data();
    if (!Kontrola22(d, true))
        Hlaska(22, QString(), R_EdPlatneHlasy, false, false);
}

int TR_Vstupni_Form::DalsiPlatnyKand(int i) const
{
    for (int j = i + 1; j <= PocetKandStrany; ++j) {
        if (EdHlasyKand[std::size_t(j)]->isEnabled())
            return j;
    }
    return 0;
}

TStojiciStrana TR_Vstupni_Form::StojiciOd(int polozka) const
{
    QList<int> strany;
    QStringList texty;
    for (int i = 0; i < R_CBHL_1->count(); ++i) {
        strany.append(PorStrCB[std::size_t(i)]);
        texty.append(R_CBHL_1->itemText(i));
    }
    return PrvniStojici(m_b.Reference, strany, texty, polozka);
}

int TR_Vstupni_Form::DalsiStrana()
{
    const TStojiciStrana dalsi = StojiciOd(R_CBHL_1->currentIndex() + 1);
    R_StavRadek_Lbl->setText(TextPreskocenych(dalsi.Preskocene));
    if (dalsi.Polozka < 0) {
        KonecListku();
        return 5;
    }
    // From page 4 the next party is shown on page 3.
    if (Stranka() == 4)
        NastavStranku(3);
    R_CBHL_1->setCurrentIndex(dalsi.Polozka);
    R_CBHL_1Change();
    R_CBHL_1->setFocus(Qt::OtherFocusReason);
    return 3;
}

bool TR_Vstupni_Form::NapisDoPrvnihoKandidata(const QKeyEvent &k)
{
    const int prvni = DalsiPlatnyKand(0);
    if (prvni == 0)
        return false;
    if (prvni > 34)
        NastavStranku(4, false);
    TSEdit *pole = EdHlasyKand[std::size_t(prvni)];
    pole->setFocus(Qt::TabFocusReason);
    if (!pole->hasFocus())
        return false;
    QKeyEvent kopie(QEvent::KeyPress, k.key(), k.modifiers(), k.text());
    QCoreApplication::sendEvent(pole, &kopie);
    return true;
}

void TR_Vstupni_Form::PrevezmiHlas(int i)
{
    const int k = PolozkaStrany();
    if (k >= 1)
        m_b.Vysledky.StranyHL[std::size_t(k)].HlasyKand[std::size_t(i)] =
            quint16(EdHlasyKand[std::size_t(i)]->text().toLongLong());
}

void TR_Vstupni_Form::R_PanVstupHL_1Exit(int i)
{
    if (m_plneni)
        return;
    const int k = PolozkaStrany();
    if (k < 1)
        return;
    TSEdit *pole = EdHlasyKand[std::size_t(i)];
    PrevezmiHlas(i);
    pole->setText(QString::number(m_b.Vysledky.StranyHL[std::size_t(k)].HlasyKand[std::size_t(i)]));
    ObarviRadek(i, Qt::black);
    const int p = PoslPlatnyKand;
    ProcDopoctiHL(k);
    ProcObnovDopocPoleHL(k);

    bool konecListku = false;
    if (R_HLjeEnter) {
        R_HLjeEnter = false;
        // Enter walks the standing candidates: across to page 4 when the next one stands
        // there, after the last one to the next party or to page 5. Otherwise the Tab
        // posted by the field moves on to the next one.
        const int dalsi = DalsiPlatnyKand(i);
        if (dalsi == 0)
            konecListku = DalsiStrana() == 5;
        else if (i <= 34 && dalsi > 34)
            NastavStranku(4);
    }

    TDataKontrol d = Data();
    if (!Kontrola23(d, true, k, i))
        Hlaska(23, QString(), pole, false, false, k);
    else if (!Kontrola24(d, true, k, i))
        Hlaska(24, QString(), pole, false, false, k);
    // The ballot ends here also when the parties after this one have nobody standing.
    else if ((konecListku || (k == R_CBHL_1->count() && i == p)) && !Kontrola22(d, true))
        Hlaska(22, QString(), R_EdPlatneHlasy, false, false);
}

void TR_Vstupni_Form::ProcDopoctiHL(int k)
{
    if (k < 1 || k > MaxStran)
        return;
    ::ProcDopoctiHL(m_b.Vysledky, k,
                    int(CisloNeboNula(m_b.Reference.SeznamStran[std::size_t(k)].PocetKand)),
                    PocetStran());
    ProcDopoctiKC();
}

void TR_Vstupni_Form::ProcObnovDopocPoleHL(int k)
{
    if (k < 1 || k > MaxStran)
        return;
    const TOkrsekRec &h = m_b.Vysledky.VetaT3;
    TStranaHLRec &s = m_b.Vysledky.StranyHL[std::size_t(k)];
    VyplnIdentifikaciStrany(s, h, k);
    R_EdPorStHL->setText(QString::number(k));
    R_EdPocHl->setText(QString::number(s.PocHl));
    R_EdPocHl2->setText(QString::number(s.PocHl));
    R_EdHLKC2->setText(QString::number(s.HLKC2));
    R_EdHLPoslKand->setText(QString::number(s.HLPoslKand));
    R_EdHLPoslKand2->setText(QString::number(s.HLPoslKand));
    R_EdPoc_VS_HL->setText(QString::number(h.Poc_VS_HL));
    R_EdPlatneHlasy->setText(QString::number(h.PlatneHlasy));
    EdKCStrany[std::size_t(k)]->setText(QString::number(s.HLKC2));
    EdPoslKand[std::size_t(k)]->setText(QString::number(s.HLPoslKand));
}

// ---- Saving ----------------------------------------------------------------------

void TR_Vstupni_Form::UlozZaznamy()
{
    TVysledky &v = m_b.Vysledky;
    for (int k = 1; k <= PocetStran(); ++k)
        ProcDopoctiHL(PorStrCB[std::size_t(k - 1)]);
    ProcDopoctiTS(v, PocetStran(), m_b.Stanice);
    if (m_kontrolni) {
        // Kept apart: the results, sections I and III and the export state stay as they are.
        KontrolniPorizeni::Uloz(m_b.Adresare, m_b.AktOkrsek, v);
        return;
    }
    // A typed value too large for the results file must not cost sections I and III
    // their save.
    std::optional<EPrilisVelkaHodnota> prilisVelka;
    try {
        UlozVysledkyTypu(m_b.Adresare, m_b.AktOkrsek, u"E"_s, v, m_b.Stanice, DvaTypy);
    } catch (const EPrilisVelkaHodnota &e) {
        prilisVelka = e;
    }
    UlozHlasovani(m_b.Adresare.AdrData, m_b.Hlasovani);
    const int p = PocetClenuP();
    if (p >= 2) {
        NastavPocetClenu(m_b.Komise, p - 1);
        for (int r = 1; r <= p - 1; ++r)
            m_b.Komise[r - 1].clen =
                R_JmenaKomise_SG->Cells(1, r).left(TZColorStringGrid::MaxDelka);
        UlozKomisi(m_b.Adresare.AdrData, m_b.Komise);
    }
    if (prilisVelka)
        throw EChyba(PopisPrilisVelke(*prilisVelka));
}

QString TR_Vstupni_Form::PopisPrilisVelke(const EPrilisVelkaHodnota &e) const
{
    const TVysledky &v = m_b.Vysledky;
    QString kde;
    if (e.Zaznam == u"StranyHL" && e.Strana >= 1 && e.Strana <= MaxStran) {
        // The party's votes: name the candidate with the most, the likeliest typo.
        const TStranaHLRec &s = v.StranyHL[std::size_t(e.Strana)];
        int kandidat = 1;
        for (int i = 2; i <= MaxKandidatu; ++i) {
            if (s.HlasyKand[std::size_t(i)] > s.HlasyKand[std::size_t(kandidat)])
                kandidat = i;
        }
        QString strana;
        for (int k = 1; k <= PocetStran(); ++k) {
            if (PorStrCB[std::size_t(k - 1)] == e.Strana)
                strana = R_CBHL_1->itemText(k - 1);
        }
        kde = u"hlasy kandidátů volební strany %1 na záložce „HL“ (součet %2 hlasů; nejvíce má "
              u"kandidát "
              u"č. %3: %4)"_s.arg(strana.isEmpty() ? QString::number(e.Strana) : strana)
                  .arg(s.PocHl)
                  .arg(kandidat)
                  .arg(s.HlasyKand[std::size_t(kandidat)]);
    } else {
        const TOkrsekRec &h = v.VetaT3;
        kde = u"počty na záložce „T/3 - odd. II“: osoby zapsané do výpisu ze seznamu voličů %1, "
              u"vydané "
              u"úřední obálky %2, odevzdané úřední obálky %3, platné hlasy %4"_s.arg(h.ZapsOsoby)
                  .arg(h.VydObalky)
                  .arg(h.OdevzdObalky)
                  .arg(h.PlatneHlasy);
    }
    return u"Výsledky okrsku nelze uložit: z napsaných hodnot vychází kontrolní číslo %1, které se "
           u"do "
           u"souboru výsledků nevejde.\nOpravte prosím %2.\n\nOddíly I a III zápisu a jména členů "
           u"komise "
           u"byly uloženy; ostatní hodnoty zůstávají v okně a uloží se, až budou opraveny."_s
               .arg(e.Hodnota)
               .arg(kde);
}

void TR_Vstupni_Form::UlozPrubezne()
{
    try {
        UlozZaznamy();
        // The page entered now starts from what is stored.
        m_zalohaStranky.Zahod();
        m_necinnost->Ulozeno();
    } catch (const EChyba &e) {
        // Every value stays in the window; the next save tries again.
        m_b.Dotaznik().Chyba(TitulekVstupu, e.zprava());
    }
}

QString TR_Vstupni_Form::UlozRozepsane(bool sDenikem)
{
    try {
        if (m_zalohaStranky.Prazdna())
            m_zalohaStranky.Pridej(SouboryUlozeni());
        PrevezmiRozepsanePole();
        const Denik::TTicho ticho(!sDenikem);
        UlozZaznamy();
    } catch (const EChyba &e) {
        return e.zprava();
    }
    return {};
}

QString TR_Vstupni_Form::UlozPriUkonceni()
{
    if (!isVisible())
        return {};
    m_necinnost->Zastav();
    // After "Ano" to the close question the page is as it was; a save with checks
    // stored everything before its first dialog.
    QString chyba;
    if (!Ukonceni && !m_necinnost->Pozastaveno)
        chyba = UlozRozepsane(true);
    m_zalohaStranky.Zahod();
    ZavritBezOtazky();
    return chyba;
}

void TR_Vstupni_Form::PrevezmiRozepsanePole()
{
    QWidget *f = focusWidget();
    if (!f)
        return;
    if (f != R_JmenaKomise_SG && R_JmenaKomise_SG->isAncestorOf(f)) {
        if (auto *editor = qobject_cast<QLineEdit *>(f))
            R_JmenaKomise_SG->SetCells(1, R_JmenaKomise_SG->Row(),
                                       editor->text().left(TZColorStringGrid::MaxDelka));
        return;
    }
    auto *e = qobject_cast<TSEdit *>(f);
    if (!e || !e->isEnabled() || StranaPole(e) != Stranka())
        return;
    const int tag = e->property("tag").toInt();
    if (m_polozkyHlasovani.contains(e))
        PrevezmiHlasovani(e);
    else if (e == R_EdZapsOsoby || e == R_EdVydObalky || e == R_EdOdevzdObalky ||
             e == R_EdPlatneHlasy)
        PrevezmiPocet(e);
    else if (tag > 0 && StranaPole(e) >= 3)
        PrevezmiHlas(tag);
}

QString TR_Vstupni_Form::OtiskPsani() const
{
    // Shown texts only: computed fields follow from them, and a closing record's time
    // or random number is no typed value.
    QString otisk;
    for (const TSEdit *e : findChildren<TSEdit *>()) {
        if (e->isEnabled())
            otisk += e->text() + u'\x1f';
    }
    for (const QRadioButton *b : findChildren<QRadioButton *>())
        otisk += b->isChecked() ? u'1' : u'0';
    otisk += QString::number(R_CBHL_1->currentIndex()) + u'\x1f';
    for (int r = 1; r < R_JmenaKomise_SG->RowCount(); ++r)
        otisk += R_JmenaKomise_SG->Cells(1, r) + u'\x1f';
    if (auto *editor = qobject_cast<QLineEdit *>(focusWidget());
        editor && R_JmenaKomise_SG->isAncestorOf(editor))
        otisk += editor->text();
    return otisk;
}

QStringList TR_Vstupni_Form::SouboryUlozeni() const
{
    const TAdresare &adr = m_b.Adresare;
    if (m_kontrolni)
        return {KontrolniPorizeni::JmenoSouboru(adr, m_b.AktOkrsek)};
    return {JmenoSouboruOkrsku(adr, m_b.AktOkrsek, u"O"_s),
            JmenoSouboruOkrsku(adr, m_b.AktOkrsek, u"E"_s),
            Soubory::NajdiSoubor(adr.AdrData, u"HLASO.RCD"_s),
            Soubory::NajdiSoubor(adr.AdrData, u"KOMISE.RCD"_s),
            Soubory::NajdiSoubor(adr.AdrStanice, u"STANICE.RCD"_s)};
}

void TR_Vstupni_Form::UlozitBtnClick()
{
    // The check run and its dialogs work on what this save stores.
    const QScopedValueRollback pauza(m_necinnost->Pozastaveno, true);
    UlozitAktivniPole(true);
    if (Ukonceni)
        return;
    m_menimKodem = true;
    R_TN_T3HL->setCurrentIndex(0);
    m_menimKodem = false;
    try {
        UlozZaznamy();
    } catch (const EChyba &e) {
        // The check run reads the stored data: it must not check an older file.
        m_b.Dotaznik().Chyba(TitulekVstupu, e.zprava());
        return;
    }
    try {
        UlozitSKontrolou();
    } catch (const EChyba &e) {
        // What was stored stays stored; the window stays open to try again.
        m_b.Vybrano = 2;
        m_b.Dotaznik().Chyba(TitulekVstupu, e.zprava());
        return;
    }
    m_zavritBezOtazky = true;
    close();
}

void TR_Vstupni_Form::UlozitSKontrolou()
{
    TVysledky &v = m_b.Vysledky;
    m_b.Vybrano = 5;
    Kontroly(m_b);
    for (int k = 1; k <= PocetStran(); ++k)
        ProcDopoctiHL(PorStrCB[std::size_t(k - 1)]);
    ProcDopoctiTS(v, PocetStran(), m_b.Stanice);
    m_b.Vybrano = 2;
    const QString prefix = m_b.KontrolyOK ? u"O"_s : u"E"_s;
    UlozVysledkyTypu(m_b.Adresare, m_b.AktOkrsek, prefix, v, m_b.Stanice, DvaTypy);
    if (m_b.KontrolyOK) {
        const QString otazka =
            m_b.ExportOK
                ? u"Chcete pokračovat exportem dat a tiskem zápisu?"_s
                : u"Data obsahují propustitelné chyby.\n\nChcete pokračovat tiskem zápisu?"_s;
        if (m_b.Dotaznik().Otazka(TitulekVstupu, otazka) && SpustExportTisk) {
            m_b.Vybrano = 4;
            SpustExportTisk();
            m_b.Vybrano = 2;
        }
    }
}

void TR_Vstupni_Form::UlozitAktivniPole(bool vratitFokus)
{
    // A value typed and not yet left is stored before the save, so it is not lost:
    // leaving runs the field's exit rule, an open name cell stores its text.
    QWidget *f = focusWidget();
    const bool pole = qobject_cast<TSEdit *>(f) && StranaPole(f) == Stranka();
    const bool bunka = f && f != R_JmenaKomise_SG && R_JmenaKomise_SG->isAncestorOf(f);
    if (!pole && !bunka)
        return;
    f->clearFocus();
    if (vratitFokus)
        (bunka ? R_JmenaKomise_SG : f)->setFocus(Qt::OtherFocusReason);
}

// ---- Navigation ------------------------------------------------------------------

void TR_Vstupni_Form::NastavStranku(int stranka, bool sFokusem)
{
    if (stranka != Stranka()) {
        if (!Ukonceni && !m_plneni)
            UlozPrubezne();
        m_menimKodem = true;
        R_TN_T3HL->setCurrentIndex(stranka);
        m_menimKodem = false;
    }
    if (sFokusem)
        R_TN_T3HLClick();
}

void TR_Vstupni_Form::R_TN_T3HLClick()
{
    switch (Stranka()) {
    case 0:
        R_SEdZahajeno1->setFocus(Qt::OtherFocusReason);
        break;
    case 1:
        R_EdZapsOsoby->setFocus(Qt::OtherFocusReason);
        break;
    case 2:
        Panely[2]->setFocus(Qt::OtherFocusReason);
        break;
    case 3:
        R_CBHL_1Change();
        R_CBHL_1->setFocus(Qt::OtherFocusReason);
        break;
    case 4:
        if (const int prvni = DalsiPlatnyKand(34))
            EdHlasyKand[std::size_t(prvni)]->setFocus(Qt::OtherFocusReason);
        else
            Panely[4]->setFocus(Qt::OtherFocusReason);
        break;
    case 5:
        R_SEdClenuOVKC->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void TR_Vstupni_Form::PageDownMIClick()
{
    UlozitAktivniPole();
    NastavStranku(SousedniStranka(1));
}

void TR_Vstupni_Form::PageUpMIClick()
{
    UlozitAktivniPole();
    NastavStranku(SousedniStranka(-1));
}

void TR_Vstupni_Form::Dalsi_BtnClick()
{
    NastavStranku(1);
}

void TR_Vstupni_Form::R_Dalsi2_BtnClick()
{
    NastavStranku(3, false);
    // The ballot starts at the first party with somebody standing.
    const TStojiciStrana prvni = StojiciOd(0);
    R_StavRadek_Lbl->setText(TextPreskocenych(prvni.Preskocene));
    if (R_CBHL_1->count() > 0)
        R_CBHL_1->setCurrentIndex(qMax(0, prvni.Polozka));
    R_TN_T3HLClick();
}

// ---- Failed checks ---------------------------------------------------------------

void TR_Vstupni_Form::Hlaska(qint32 iChyba, const QString &iParam, QWidget *oprEdit, bool iInfo,
                             bool iPropust, int strana)
{
    if (focusWidget() == zrusitBtn)
        return;
    // Every caller has just run the failed check, which left its values here.
    const TOperandy &o = m_b.Stav.Posledni;
    m_hlaska.NastavHlasku(iChyba, iParam, iInfo, iPropust,
                          o.Chyba == iChyba ? Vysvetli(o) : QString());
    QCoreApplication::postEvent(this, new TUdalostHlaska(oprEdit, strana));
}

bool TR_Vstupni_Form::event(QEvent *udalost)
{
    if (udalost->type() == QEvent::Type(WM_HLASKA)) {
        auto *u = static_cast<TUdalostHlaska *>(udalost);
        WMHlaska(u->Opravit, u->Strana);
        return true;
    }
    return QDialog::event(udalost);
}

void TR_Vstupni_Form::WMHlaska(QWidget *c, int strana)
{
    auto *a = qobject_cast<TSEdit *>(focusWidget());
    auto *b = qobject_cast<QPushButton *>(focusWidget());
    // A button pressed with the mouse loses its release to the dialog.
    if (b)
        b->setDown(false);
    const bool opravit = m_hlaska.UkazHlasku(m_b.Dotaznik());
    activateWindow();
    if (!c)
        return;
    const int cil = StranaPole(c);
    if (opravit && a) {
        const int tag = a->property("tag").toInt();
        if (tag > 0 && StranaPole(a) >= 3)
            ObarviRadek(tag, Qt::black);
        const auto exit = a->OnExit;
        a->OnExit = nullptr;
        if (cil >= 0)
            NastavStranku(cil, false);
        // The value belongs to the party it was typed for.
        if ((cil == 3 || cil == 4) && strana > 0 && strana != PolozkaStrany())
            VyberStranu(strana);
        if (c->isEnabled() && c->isVisible())
            c->setFocus(Qt::OtherFocusReason);
        if (c != a && !a->hasFocus())
            a->Opustit();
        a->OnExit = exit;
    } else if (opravit) {
        if (cil >= 0)
            NastavStranku(cil, false);
        if ((cil == 3 || cil == 4) && strana > 0 && strana != PolozkaStrany())
            VyberStranu(strana);
        if (c->isEnabled() && c->isVisible())
            c->setFocus(Qt::OtherFocusReason);
    } else if (b && b != R_Dalsi2_Btn && b != PorovnatBtn) {
        // "Porovnat" is where the control entry's walk ends, not a click to repeat.
        b->click();
    }
}

void TR_Vstupni_Form::VyberStranu(int strana)
{
    for (int i = 0; i < R_CBHL_1->count(); ++i) {
        if (PorStrCB[std::size_t(i)] == strana) {
            R_CBHL_1->setCurrentIndex(i);
            R_CBHL_1Change();
            return;
        }
    }
}

// ---- Keys and closing ------------------------------------------------------------

bool TR_Vstupni_Form::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(udalost);
        if (objekt == R_CBHL_1 && k->key() == Qt::Key_Delete)
            return true;
        // A party with no standing candidate leaves nothing to Tab to on its page: Tab
        // (and Enter, which becomes Tab) leaves the list all the same.
        if (objekt == R_CBHL_1 && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
            PoslPlatnyKand == 0) {
            R_CBHL_1Exit();
            return true;
        }
        if (JeEnter(k)) {
            QCoreApplication::postEvent(
                objekt, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
            return true;
        }
        // Votes typed on the party list belong to the first standing candidate of the party
        // shown: the focus goes there with the digit.
        if (objekt == R_CBHL_1 && Klavesy::Cislice(*k) >= 0) {
            if (!NapisDoPrvnihoKandidata(*k))
                QApplication::beep();
            return true;
        }
        // No typing into the party list or the radio buttons; Space still presses a button.
        if (!k->text().isEmpty() && k->text().at(0).isPrint() && k->key() != Qt::Key_Space)
            return true;
    } else if (udalost->type() == QEvent::FocusOut && objekt == R_CBHL_1) {
        if (!JenZmenaOkna(static_cast<QFocusEvent *>(udalost)->reason()) && !m_opoustiSeznam)
            QMetaObject::invokeMethod(
                this, [this] { R_CBHL_1Exit(); }, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TR_Vstupni_Form::keyPressEvent(QKeyEvent *udalost)
{
    if (udalost->key() == Qt::Key_Escape) {
        // "Zrušit" is the cancel button while its page is shown.
        if (Stranka() == 1 && zrusitBtn->isVisible() && zrusitBtn->isEnabled())
            zrusitBtn->click();
        udalost->accept();
        return;
    }
    if (JeEnter(udalost)) {
        udalost->accept();
        return;
    }
    QDialog::keyPressEvent(udalost);
}

void TR_Vstupni_Form::reject()
{
    close();
}

bool TR_Vstupni_Form::FormCloseQuery()
{
    TZprava z{TIkona::Otazka, TitulekVstupu,
              u"Opravdu ukončit pořizování bez uložení změn na aktuální záložce?"_s, true};
    z.VychoziNe = true;
    if (m_b.Dotaznik().Zobraz(z) != TOdpoved::Ano)
        return false;
    Ukonceni = true;
    m_necinnost->Zastav();
    if (!m_zalohaStranky.Prazdna()) {
        // The idle saves of this page are undone: the page is left as it was entered.
        try {
            m_zalohaStranky.Obnov();
            if (!m_kontrolni)
                m_b.Stanice = NactiStanici(m_b.Adresare.AdrStanice);
            Denik::Zapis(
                m_b.Adresare.AdrStanice,
                u"pořizování ukončeno bez uložení: průběžně uložené změny záložky vráceny"_s);
        } catch (const EChyba &e) {
            m_b.Dotaznik().Chyba(TitulekVstupu, e.zprava());
        }
    }
    NastavStranku(PrvniStranka(), false);
    return true;
}

void TR_Vstupni_Form::closeEvent(QCloseEvent *udalost)
{
    if (!m_zavritBezOtazky && !FormCloseQuery()) {
        udalost->ignore();
        return;
    }
    m_necinnost->Zastav();
    m_menimKodem = true;
    R_TN_T3HL->setCurrentIndex(PrvniStranka());
    m_menimKodem = false;
    udalost->accept();
    done(QDialog::Rejected);
}
