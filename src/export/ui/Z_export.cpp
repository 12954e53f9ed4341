#include "Z_export.h"

#include "Dotaznik.h"
#include "EChyba.h"
#include "Export.h"
#include "Okna.h"
#include "Skoleni.h"
#include "Soubory.h"
#include "Z_infoE.h"
#include "Zarizeni.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

QFont Pismo()
{
    QFont f(u"Arial"_s);
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

// The device of a listed volume, beside its mount point in the list's item data.
constexpr int RoleZarizeni = Qt::UserRole + 1;

QString BezLomitka(QString cesta)
{
    if (cesta.size() > 1 && cesta.endsWith(u'/'))
        cesta.chop(1);
    return cesta;
}

} // namespace

TZ_ExportDat_F::TZ_ExportDat_F(IDotaznik &dotaznik, IZdrojZarizeni &zdroj,
                               const TAdresare &adresare, const TStaniceRec &stanice,
                               const TOkrsekRefRec &aktOkrsek, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_dotaznik(dotaznik), m_zdroj(zdroj), m_adresare(adresare), m_stanice(stanice),
      m_aktOkrsek(aktOkrsek)
{
    setObjectName(u"TZ_ExportDat_F"_s);
    setWindowTitle(u"Export dat"_s);
    setFixedSize(384, 199);
    setFont(Pismo());

    Z_ExportDat_Lbl = new QLabel(u"Zvolte zařízení, na které chcete data exportovat"_s, this);
    Z_ExportDat_Lbl->setObjectName(u"Z_ExportDat_Lbl"_s);
    Z_ExportDat_Lbl->setGeometry(15, 24, 353, 16);
    Z_ExportDat_Lbl->setAlignment(Qt::AlignCenter);

    Z_SeznZar_CB = new QComboBox(this);
    Z_SeznZar_CB->setObjectName(u"Z_SeznZar_CB"_s);
    Z_SeznZar_CB->setEditable(true);
    Z_SeznZar_CB->setInsertPolicy(QComboBox::NoInsert);
    Z_SeznZar_CB->setGeometry(32, 56, 321, Z_SeznZar_CB->sizeHint().height());
    Z_SeznZar_CB->installEventFilter(this);
    Z_SeznZar_CB->lineEdit()->installEventFilter(this);
    connect(Z_SeznZar_CB, &QComboBox::editTextChanged, this, &TZ_ExportDat_F::Z_SeznZar_CBChange);

    Z_ExportDatOK_Btn =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), u"Uložit"_s, this);
    Z_ExportDatOK_Btn->setObjectName(u"Z_ExportDatOK_Btn"_s);
    Z_ExportDatOK_Btn->setGeometry(84, 152, 89, 33);
    Z_ExportDatOK_Btn->setDefault(true);
    connect(Z_ExportDatOK_Btn, &QPushButton::clicked, this,
            &TZ_ExportDat_F::Z_ExportDatOK_BtnClick);

    Z_ExportDatZrus_Btn =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), u"Zrušit"_s, this);
    Z_ExportDatZrus_Btn->setObjectName(u"Z_ExportDatZrus_Btn"_s);
    Z_ExportDatZrus_Btn->setGeometry(212, 152, 89, 33);
    connect(Z_ExportDatZrus_Btn, &QPushButton::clicked, this,
            &TZ_ExportDat_F::Z_ExportDatZrus_BtnClick);

    Z_ZnovuNacist_Btn = Tlacitko(this, u"Znovu načíst zařízení"_s, u"Z_ZnovuNacist_Btn"_s,
                                 QRect(168, 104, 201, 25));
    connect(Z_ZnovuNacist_Btn, &QPushButton::clicked, this, &TZ_ExportDat_F::NaplnSeznam);

    setTabOrder(Z_SeznZar_CB, Z_ExportDatOK_Btn);
    setTabOrder(Z_ExportDatOK_Btn, Z_ExportDatZrus_Btn);
    setTabOrder(Z_ExportDatZrus_Btn, Z_ZnovuNacist_Btn);

    InfoE = new TZ_infoE_F(this);
    connect(InfoE, &TZ_infoE_F::Odebrat, this, &TZ_ExportDat_F::Odebrat_BBtnClick);
}

void TZ_ExportDat_F::showEvent(QShowEvent *udalost)
{
    FormShow();
    QDialog::showEvent(udalost);
}

void TZ_ExportDat_F::FormShow()
{
    VycentrujNaObrazovce(this);
    ExportProveden = false;
    NaplnSeznam();
}

void TZ_ExportDat_F::NaplnSeznam()
{
    m_meni = true;
    Z_SeznZar_CB->clear();
    for (const TZarExp &z : NactiZarizeni(m_zdroj)) {
        if (z.Size > 0) {
            Z_SeznZar_CB->addItem(BezLomitka(z.Pozice) + u" - "_s + DruhVyjimatelne, z.Pozice);
            Z_SeznZar_CB->setItemData(Z_SeznZar_CB->count() - 1, z.Zarizeni, RoleZarizeni);
        }
    }
    // An empty data value marks the directory item.
    Z_SeznZar_CB->addItem(u"do adresáře "_s + m_adresare.AdrInstalace + u"Export "_s, QString());
    Z_SeznZar_CB->setCurrentIndex(0);
    Z_SeznZar_CB->setEditText(Z_SeznZar_CB->itemText(0));
    m_meni = false;
    Z_SeznZar_CB->setFocus();
}

void TZ_ExportDat_F::Z_SeznZar_CBChange()
{
    if (m_meni || Z_SeznZar_CB->count() == 0)
        return;
    if (Z_SeznZar_CB->findText(Z_SeznZar_CB->currentText(), Qt::MatchExactly) >= 0)
        return;
    m_meni = true;
    Z_SeznZar_CB->setCurrentIndex(0);
    Z_SeznZar_CB->setEditText(Z_SeznZar_CB->itemText(0));
    m_meni = false;
}

bool TZ_ExportDat_F::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent *>(udalost)->key();
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
            // One Enter on the chosen target exports (the open drop-down takes its own
            // Enter, which only chooses).
            Z_ExportDatOK_Btn->click();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TZ_ExportDat_F::Z_ExportDatZrus_BtnClick()
{
    ExportProveden = false;
    reject();
}

void TZ_ExportDat_F::Z_ExportDatOK_BtnClick()
{
    const int typ = m_aktOkrsek.TypZastup.toInt();
    const int index =
        qMax(0, Z_SeznZar_CB->findText(Z_SeznZar_CB->currentText(), Qt::MatchExactly));
    const QString zarizeni = Z_SeznZar_CB->itemData(index).toString();
    const QString zaver =
        Skoleni::JeCvicna(m_adresare.AdrStanice)
            ? u"\n\nCvičná stanice: soubor i zápis jsou jen pro školení\n(%1),\n"
              u"přebírací místo je nepřijme."_s.arg(Skoleni::TextZnacky)
            : u"\n\nS tímto souborem je nutno na PM předat jen zápis,\n který bude nyní "
              u"vytisknut.\nZápis je nutno vytisknout ve 2 kopiích."_s;
    auto kontrolniSoucet = [](const TExportSouboru &v) {
        return u"\n\nKontrolní součet SHA-256 pro předávací protokol:\n"_s + v.Sha256.left(32) +
               u'\n' + v.Sha256.mid(32);
    };
    try {
        if (zarizeni.isEmpty()) {
            const QString cil = Soubory::NajdiAdresar(m_adresare.AdrInstalace, u"Export"_s);
            if (!QDir().mkpath(cil))
                throw EChyba(u"Adresář %1 nelze vytvořit."_s.arg(cil));
            const TExportSouboru v =
                KopirujSoubor(m_adresare, cil, m_stanice.KodObce, m_stanice.CisloOkrsku, typ);
            InfoE->InfoText1 = u"Export dat na pevný disk proveden."_s;
            InfoE->InfoText2 = u"Soubor "_s + QFileInfo(v.Cesta).fileName() +
                               u"\nje uložen v adresáři "_s + m_adresare.AdrInstalace +
                               u"Export.\nSoubor překopírujte na technický nosič."_s + zaver +
                               kontrolniSoucet(v);
        } else {
            // The device must still be the volume that was listed: an unplugged stick
            // leaves its mount point behind as a plain directory of the system disk.
            const TZarExp vybrane{zarizeni, 1, -1,
                                  Z_SeznZar_CB->itemData(index, RoleZarizeni).toULongLong()};
            if (!JeStalePripojeno(m_zdroj, vybrane))
                throw EChyba(
                    u"Zařízení %1 už není připojeno (bylo odpojeno nebo vyměněno).\nExport nebyl "
                    u"proveden. Vložte zařízení znovu a zvolte „Znovu načíst zařízení“."_s.arg(
                        BezLomitka(zarizeni)));
            const TExportSouboru v = KopirujSoubor(m_adresare, zarizeni, m_stanice.KodObce,
                                                   m_stanice.CisloOkrsku, typ, vybrane.Zarizeni);
            const QString &druh = DruhVyjimatelne;
            InfoE->InfoText1 = u"Export dat na "_s + druh + u" proveden."_s;
            InfoE->InfoText2 = u"Soubor "_s + QFileInfo(v.Cesta).fileName() + u"\nje uložen na "_s +
                               druh + u" v jednotce "_s + zarizeni + u"."_s + zaver +
                               kontrolniSoucet(v);
            InfoE->Odebrat_Btn->show();
            PismenoZarizeni = zarizeni;
        }
    } catch (const EChyba &e) {
        // Nothing counts as exported; the user may pick another target or cancel.
        m_dotaznik.Chyba(u"Export dat"_s, e.zprava());
        return;
    }
    InfoE->setWindowTitle(u"Export dat a tisk zápisu"_s);
    m_dotaznik.ProvedDialog(u"TZ_infoE_F"_s, [this] { return InfoE->exec(); });
    ExportProveden = true;
    InfoE->Odebrat_Btn->hide();
    accept();
}

void TZ_ExportDat_F::Odebrat_BBtnClick()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    bool odebrano = false;
    try {
        odebrano = OdeberZarizeni(m_zdroj, m_adresare.AdrInstalace, PismenoZarizeni, Cekej);
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    QGuiApplication::restoreOverrideCursor();
    if (odebrano)
        m_dotaznik.Informace(InfoE->windowTitle(), u"Odebrán vyjímatelný disk "_s +
                                                       BezLomitka(PismenoZarizeni) + u":."_s);
    else
        m_dotaznik.Informace(InfoE->windowTitle(), u"Odebrání se nepovedlo."_s);
}
