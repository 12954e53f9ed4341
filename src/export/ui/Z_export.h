#pragma once

#include "Adresare.h"
#include "Reference.h"
#include "Stanice.h"

#include <QDialog>

#include <functional>

class IDotaznik;
class IZdrojZarizeni;
class QComboBox;
class QLabel;
class QPushButton;
class TZ_infoE_F;

// The export dialog: lists the removable devices with a medium and the installation's
// Export/ directory, copies the export file to the chosen one and reports it.
class TZ_ExportDat_F : public QDialog
{
    Q_OBJECT

public:
    TZ_ExportDat_F(IDotaznik &dotaznik, IZdrojZarizeni &zdroj, const TAdresare &adresare,
                   const TStaniceRec &stanice, const TOkrsekRefRec &aktOkrsek,
                   QWidget *parent = nullptr);

    // True once the file has been copied and checked; read after the dialog closes.
    bool ExportProveden = false;
    // The mount point of the last device export, for the eject button.
    QString PismenoZarizeni;

    QLabel *Z_ExportDat_Lbl = nullptr;
    QComboBox *Z_SeznZar_CB = nullptr;
    QPushButton *Z_ZnovuNacist_Btn = nullptr;
    QPushButton *Z_ExportDatOK_Btn = nullptr;
    QPushButton *Z_ExportDatZrus_Btn = nullptr;
    TZ_infoE_F *InfoE = nullptr;

    void FormShow();
    void NaplnSeznam();
    void Z_ExportDatOK_BtnClick();
    void Z_ExportDatZrus_BtnClick();
    void Z_SeznZar_CBChange();
    // The eject action of the report's button; the report stays open.
    void Odebrat_BBtnClick();

    // Sleep used while waiting for the eject helper (tests shorten it).
    std::function<void(int)> Cekej;

protected:
    void showEvent(QShowEvent *udalost) override;
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    IDotaznik &m_dotaznik;
    IZdrojZarizeni &m_zdroj;
    const TAdresare &m_adresare;
    const TStaniceRec &m_stanice;
    const TOkrsekRefRec &m_aktOkrsek;
    bool m_meni = false;
};

inline const QString DruhVyjimatelne = QStringLiteral("vyjímatelné zařízení");
