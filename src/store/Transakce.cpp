#include "Transakce.h"

#include "Denik.h"
#include "EChyba.h"
#include "Oznameni.h"
#include "Soubory.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Results files are a few kilobytes, the station's records less; a copy bigger than
// this is not ours.
constexpr qint64 MaxVelikost = qint64(64) << 20;

QString Adresar(const QString &adrStanice)
{
    return adrStanice + QStringLiteral("TRANSAKCE/");
}

QString Znacka(const QString &adrStanice)
{
    return Adresar(adrStanice) + QStringLiteral("ZNACKA");
}

// One line per file: its number, "A" when it existed (its copy is that number) or
// "N" when it did not, and its path relative to the station directory.
struct TPolozka
{
    int cislo = 0;
    bool existoval = false;
    QString cesta;
};

QList<TPolozka> PrectiZnacku(const QString &adrStanice)
{
    const QString znacka = Znacka(adrStanice);
    QList<TPolozka> polozky;
    const QStringList radky = QString::fromUtf8(Soubory::NactiSoubor(znacka, MaxVelikost))
                                  .split(u'\n', Qt::SkipEmptyParts);
    for (const QString &radek : radky) {
        const QStringList casti = radek.split(u'\t');
        bool ok = false;
        TPolozka p;
        if (casti.size() == 3)
            p.cislo = casti.at(0).toInt(&ok);
        if (!ok || (casti.at(1) != u"A" && casti.at(1) != u"N") || casti.at(2).isEmpty() ||
            casti.at(2).startsWith(u'/') || casti.at(2).contains(QStringLiteral(".."))) {
            throw EChyba(QStringLiteral("Soubor %1 je poškozen: řádek „%2“.").arg(znacka, radek));
        }
        p.existoval = casti.at(1) == u"A";
        p.cesta = casti.at(2);
        polozky.append(p);
    }
    return polozky;
}

QString Kopie(const QString &adrStanice, int cislo)
{
    return Adresar(adrStanice) + QString::number(cislo);
}

// Removes the marker durably, then the copies (best effort: without the marker they
// mean nothing).
void Uzavri(const QString &adrStanice)
{
    Soubory::SmazTrvale(Znacka(adrStanice));
    QDir adresar(Adresar(adrStanice));
    for (const QString &jmeno : adresar.entryList(QDir::Files | QDir::Hidden))
        adresar.remove(jmeno);
}

QString Popis(const QList<TPolozka> &polozky)
{
    QStringList jmena;
    for (const TPolozka &p : polozky)
        jmena.append(QFileInfo(p.cesta).fileName());
    return jmena.join(QStringLiteral(", "));
}

} // namespace

TTransakce::TTransakce(const QString &adrStanice, const QString &nazev, const QStringList &soubory)
    : m_adrStanice(adrStanice), m_nazev(nazev)
{
    const QString adresar = Adresar(adrStanice);
    if (!QDir().mkpath(adresar))
        throw EChyba(QStringLiteral("Adresář %1 nelze vytvořit.").arg(adresar));
    Uzavri(adrStanice); // copies of a transaction that never wrote its marker
    QByteArray znacka;
    const QDir stanice(adrStanice);
    for (int i = 0; i < soubory.size(); ++i) {
        const QString &cesta = soubory.at(i);
        // Something that is not a file is never ours to put back, nor to remove.
        if (QFileInfo::exists(cesta) && !QFileInfo(cesta).isFile())
            continue;
        const bool existuje = QFileInfo(cesta).isFile();
        if (existuje)
            Soubory::UlozAtomicky(Kopie(adrStanice, i), Soubory::NactiSoubor(cesta, MaxVelikost));
        znacka += QByteArray::number(i) + '\t' + (existuje ? "A" : "N") + '\t' +
                  stanice.relativeFilePath(cesta).toUtf8() + '\n';
    }
    Soubory::UlozAtomicky(Znacka(adrStanice), znacka);
    Denik::Zapis(
        adrStanice,
        QStringLiteral("%1: začátek (soubory %2)").arg(nazev, Popis(PrectiZnacku(adrStanice))));
}

TTransakce::~TTransakce()
{
    if (!m_hotovo)
        Vrat();
}

void TTransakce::Potvrd()
{
    Uzavri(m_adrStanice);
    m_hotovo = true;
    Denik::Zapis(m_adrStanice, QStringLiteral("%1: konec").arg(m_nazev));
}

QString TTransakce::Vrat()
{
    m_hotovo = true;
    try {
        // The failure itself is what the writer reports, not the next start.
        Transakce::VratPrerusenou(m_adrStanice, false);
    } catch (const EChyba &e) {
        // The marker stays: the next writer tries again.
        return e.zprava();
    }
    return QString();
}

bool Transakce::VratPrerusenou(const QString &adrStanice, bool oznamit)
{
    if (!QFileInfo(Znacka(adrStanice)).isFile())
        return false;
    const QList<TPolozka> polozky = PrectiZnacku(adrStanice);
    for (const TPolozka &p : polozky) {
        const QString cesta = adrStanice + p.cesta;
        if (!p.existoval) {
            Soubory::SmazTrvale(cesta);
            continue;
        }
        const QByteArray obsah = Soubory::NactiSoubor(Kopie(adrStanice, p.cislo), MaxVelikost);
        if (!QFileInfo(cesta).isFile() || Soubory::NactiSoubor(cesta, MaxVelikost) != obsah)
            Soubory::UlozAtomicky(cesta, obsah);
    }
    Denik::ZapisTrvale(adrStanice,
                       QStringLiteral("uložení vráceno zpět: soubory %1 jsou, jak byly před ním; "
                                      "uložení zapsaná v deníku od jeho začátku neplatí")
                           .arg(Popis(polozky)));
    Uzavri(adrStanice);
    if (!oznamit)
        return true;
    try {
        Oznameni::Pridej(adrStanice, Transakce::ZpravaVraceni);
    } catch (const EChyba &) {
        // The journal holds it.
    }
    return true;
}
