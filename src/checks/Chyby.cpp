#include "Chyby.h"

#include "EChyba.h"
#include "Kodovani.h"
#include "Soubory.h"
#include "Zaznam.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

constexpr int PosunChyba = 0;
constexpr int PosunTyp = 4;
constexpr int PosunText = 6;
constexpr int MaxParam = 200;

// Characters outside the code page become '?', as the system's conversion does.
QString NaCp1250(const QString &text)
{
    if (Kodovani::LzeKodovat(text))
        return text;
    QString vysledek;
    vysledek.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar z = text.at(i);
        if (z.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            vysledek += u'?';
            ++i;
        } else {
            vysledek += Kodovani::LzeKodovat(QString(z)) ? z : QChar(u'?');
        }
    }
    return vysledek;
}

// Appends the number right-aligned to at least two places.
void PridejZarovnane(QString &cil, qint32 cislo)
{
    if (cislo >= 0 && cislo <= 99) {
        cil += cislo < 10 ? QChar(u' ') : QChar(char16_t(u'0' + cislo / 10));
        cil += QChar(char16_t(u'0' + cislo % 10));
    } else {
        cil += QString::number(cislo).rightJustified(2, u' ');
    }
}

} // namespace

TChybaInfo DekodujChybu(const QByteArray &zaznam)
{
    TChybaInfo c;
    c.Chyba = Zaznam::CtiInteger(zaznam, PosunChyba);
    c.TypChyby = Zaznam::CtiRetezec(zaznam, PosunTyp, 1);
    c.ZkrText = Zaznam::CtiRetezec(zaznam, PosunText, 62);
    return c;
}

QByteArray ZakodujChybu(const TChybaInfo &c)
{
    QByteArray z(TChybaInfo::Velikost, '\0');
    Zaznam::ZapisInteger(z, PosunChyba, c.Chyba);
    Zaznam::ZapisRetezec(z, PosunTyp, 1, c.TypChyby, QStringLiteral("TypChyby"));
    Zaznam::ZapisRetezec(z, PosunText, 62, c.ZkrText, QStringLiteral("ZkrText"));
    return z;
}

QList<TChybaInfo> VlastniChyby()
{
    const QString cesta = QStringLiteral(":/chyby.json");
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        throw EChyba(QStringLiteral("Vestavěný číselník chyb %1 chybí v programu.").arg(cesta));
    QJsonParseError chyba;
    const QJsonDocument dokument = QJsonDocument::fromJson(f.readAll(), &chyba);
    if (chyba.error != QJsonParseError::NoError || !dokument.isArray())
        throw EChyba(QStringLiteral("Vestavěný číselník chyb není platný JSON: %1.")
                         .arg(chyba.errorString()));
    QList<TChybaInfo> chyby;
    const QJsonArray pole = dokument.array();
    for (const auto &hodnota : pole) {
        const QJsonObject o = hodnota.toObject();
        TChybaInfo c;
        c.Chyba = o.value(QStringLiteral("Chyba")).toInt(-1);
        c.TypChyby = o.value(QStringLiteral("TypChyby")).toString();
        c.ZkrText = o.value(QStringLiteral("ZkrText")).toString();
        chyby.append(c);
    }
    return chyby;
}

QByteArray VlastniCiselnik()
{
    QByteArray obsah;
    const QList<TChybaInfo> chyby = VlastniChyby();
    for (const TChybaInfo &c : chyby)
        obsah += ZakodujChybu(c);
    return obsah;
}

const TChybaInfo TCisChyb::NenalezenaChyba{-1, QString(), QStringLiteral("Chyba nenalezena")};

void TCisChyb::Nacti(const QString &adrInstalace)
{
    const QString cesta = Soubory::NajdiSoubor(adrInstalace, QStringLiteral("CISCHYB.RCD"));
    const QList<QByteArray> zaznamy = Zaznam::NactiZaznamy(cesta, TChybaInfo::Velikost);
    QList<TChybaInfo> chyby;
    chyby.reserve(zaznamy.size());
    for (const QByteArray &z : zaznamy)
        chyby.append(DekodujChybu(z));
    NastavZaznamy(chyby);
}

void TCisChyb::NastavZaznamy(const QList<TChybaInfo> &zaznamy)
{
    m_zaznamy = zaznamy;
    m_index.clear();
    // Backwards, so that the first entry of a duplicated number wins.
    for (qsizetype i = m_zaznamy.size() - 1; i >= 0; --i)
        m_index.insert(m_zaznamy.at(i).Chyba, i);
}

TChybaInfo TCisChyb::NajdiChybu(qint32 iChyba) const
{
    const auto it = m_index.constFind(iChyba);
    return it == m_index.constEnd() ? NenalezenaChyba : m_zaznamy.at(*it);
}

QString TChyba::AsString() const
{
    QString klic;
    klic.reserve(4 + Param.size());
    PridejZarovnane(klic, Por_Str_HL);
    PridejZarovnane(klic, Chyba);
    klic += Param;
    return klic;
}

void TChybProt::PridejChybu(qint32 iPor_Str_HL, qint32 iChyba, const QString &iParam,
                            const TOperandy &iOperandy)
{
    TChyba c{iPor_Str_HL, iChyba, NaCp1250(iParam).left(MaxParam)};
    QString klic = c.AsString();
    // QString's operator< compares UTF-16 code units, without locale. The checks mostly
    // add entries in key order, so a key after the last one is appended at once.
    const qsizetype i =
        m_klice.isEmpty() || m_klice.constLast() < klic
            ? m_klice.size()
            : std::lower_bound(m_klice.cbegin(), m_klice.cend(), klic) - m_klice.cbegin();
    m_klice.insert(i, std::move(klic));
    m_chyby.insert(i, std::move(c));
    m_operandy.insert(i, iOperandy);
}

void TChybProt::Clear()
{
    m_chyby.clear();
    m_klice.clear();
    m_operandy.clear();
}

void TChybProt::OverIndex(qsizetype index) const
{
    if (index < 0 || index >= m_chyby.size()) {
        throw EChyba(QStringLiteral("Protokol chyb nemá položku s indexem %1 (má %2 položek).")
                         .arg(index)
                         .arg(m_chyby.size()));
    }
}

const TChyba &TChybProt::VratChybu(qsizetype index) const
{
    OverIndex(index);
    return m_chyby.at(index);
}

QString TChybProt::VratHlasku(qsizetype index) const
{
    OverIndex(index);
    return m_cisChyb->NajdiChybu(m_chyby.at(index).Chyba).ZkrText;
}

const TOperandy &TChybProt::VratOperandy(qsizetype index) const
{
    OverIndex(index);
    return m_operandy.at(index);
}

QString TChybProt::VratHlaskuParam(qsizetype index) const
{
    return VratHlasku(index) + u' ' + m_chyby.at(index).Param;
}
