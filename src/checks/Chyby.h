#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// CISCHYB.RCD: one message text of the error catalogue.
struct TChybaInfo
{
    static constexpr int Velikost = 72;
    qint32 Chyba = 0;
    QString TypChyby; // at most 1 character; carried along, never interpreted
    QString ZkrText;  // at most 62 characters

    friend bool operator==(const TChybaInfo &, const TChybaInfo &) = default;
};

TChybaInfo DekodujChybu(const QByteArray &zaznam);
// The padding bytes are zero. A text that does not fit raises EChyba naming the field.
QByteArray ZakodujChybu(const TChybaInfo &c);

// Our own catalogue texts, built into the program from data/chyby.json.
QList<TChybaInfo> VlastniChyby();
// The same as the contents of a CISCHYB.RCD file.
QByteArray VlastniCiselnik();

// The error catalogue: turns an error number into its message text.
class TCisChyb
{
public:
    TCisChyb() = default; // empty: every number is "not found"
    explicit TCisChyb(const QString &adrInstalace) { Nacti(adrInstalace); }

    // Replaces the entries with those of CISCHYB.RCD in adrInstalace; a missing or
    // damaged file raises EChyba naming it and leaves the catalogue as it was.
    void Nacti(const QString &adrInstalace);
    void NastavZaznamy(const QList<TChybaInfo> &zaznamy);

    // The first entry of that number in file order, else NenalezenaChyba.
    TChybaInfo NajdiChybu(qint32 iChyba) const;

    const QList<TChybaInfo> &Zaznamy() const { return m_zaznamy; }

    static const TChybaInfo NenalezenaChyba;

private:
    QList<TChybaInfo> m_zaznamy;
    QHash<qint32, qsizetype> m_index; // number -> first entry
};

// The values a failed check compared, kept for its explanation. What A, B and C mean
// depends on the check (see Vysvetleni.cpp); a check without values leaves them 0.
struct TOperandy
{
    qint32 Chyba = 0;
    qint32 Strana = 0;   // party order number, 0 for the record as a whole
    qint32 Kandidat = 0; // candidate number, 0 when the check is not about one
    qint64 A = 0;
    qint64 B = 0;
    qint64 C = 0;
    qint64 D = 0;
};

// One entry of the error protocol.
struct TChyba
{
    qint32 Por_Str_HL = 0; // party order number 1..45, 0 for the record as a whole
    qint32 Chyba = 0;
    QString Param; // Windows-1250 characters only, at most 200

    // The sort key: both numbers right-aligned to at least two places, then Param.
    QString AsString() const;
};
Q_DECLARE_TYPEINFO(TChyba, Q_RELOCATABLE_TYPE);

// The errors found by one check run, kept sorted by TChyba::AsString.
class TChybProt
{
public:
    explicit TChybProt(const TCisChyb &iCisChyb) : m_cisChyb(&iCisChyb) {}

    // Inserts before the first entry whose key is not less (UTF-16 code unit order),
    // so equal keys end up in reverse order of insertion. Never merges entries.
    void PridejChybu(qint32 iPor_Str_HL, qint32 iChyba, const QString &iParam,
                     const TOperandy &iOperandy = {});
    void Clear();

    qsizetype Pocet() const { return m_chyby.size(); }

    // Index 0 .. Pocet() - 1; outside that range EChyba.
    const TChyba &VratChybu(qsizetype index) const;
    QString VratHlasku(qsizetype index) const;
    // The message, one space (always) and the parameter.
    QString VratHlaskuParam(qsizetype index) const;
    // The values the check of the entry compared; never printed nor stored.
    const TOperandy &VratOperandy(qsizetype index) const;

    const TCisChyb &CisChyb() const { return *m_cisChyb; }

private:
    void OverIndex(qsizetype index) const;

    const TCisChyb *m_cisChyb;
    QList<TChyba> m_chyby;
    QList<QString> m_klice;      // AsString of each entry, same order
    QList<TOperandy> m_operandy; // same order
};
