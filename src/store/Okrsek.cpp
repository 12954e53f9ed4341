#include "Okrsek.h"

#include "Denik.h"
#include "EChyba.h"
#include "Kodovani.h"
#include "Ochrana.h"
#include "Soubory.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <sys/stat.h>

namespace {

constexpr int DelkaHlavicky = 59;
constexpr int DelkaBlokuStrany = 323;
constexpr int DelkaZaverecnehoBloku = 250;
constexpr int DelkaBlokuTextu = 215;
constexpr int DelkaVety6 = 200;

const QByteArray &KlicSouboru()
{
    static const QByteArray klic(Ochrana::KlicOkrsku);
    return klic;
}

bool JePrefix(const QString &prefix, QStringView pismeno)
{
    return prefix.compare(pismeno, Qt::CaseInsensitive) == 0;
}

// A field's name, put into words only for an error message: building thousands of
// names per line would cost more than the line itself.
struct Pole
{
    const char *zaznam;
    const char *nazev = nullptr;
    int k = 0; // party or free text index
    int i = 0; // candidate

    QString Text() const
    {
        QString t = QLatin1StringView(zaznam);
        if (k > 0)
            t += QStringLiteral("[%1]").arg(k);
        if (nazev)
            t += u'.' + QLatin1StringView(nazev);
        if (i > 0)
            t += QStringLiteral("[%1]").arg(i);
        return t;
    }
};

Pole PoleStrany(int k, const char *nazev, int i = 0)
{
    return Pole{"StranyHL", nazev, k, i};
}

// Builds the fixed-width line. A value that does not fit is refused: a wider
// number would shift every field after it and the line could not be read back.
class Sestavovac
{
public:
    explicit Sestavovac(qsizetype kapacita) { m_radek.reserve(kapacita); }

    void N(qint64 hodnota, int sirka, const Pole &pole)
    {
        char cislo[24];
        const auto [konec, chyba] = std::to_chars(cislo, cislo + sizeof cislo, hodnota);
        const qsizetype delka = konec - cislo;
        if (chyba != std::errc() || delka > sirka) {
            throw EPrilisVelkaHodnota(
                QStringLiteral("Hodnota %1 pole %2 se nevejde do %3 znaků souboru výsledků.")
                    .arg(hodnota)
                    .arg(pole.Text())
                    .arg(sirka),
                QLatin1StringView(pole.zaznam), pole.k, hodnota);
        }
        m_radek.append(sirka - delka, ' ');
        m_radek.append(cislo, delka);
    }

    void R(double hodnota, int sirka, const Pole &pole)
    {
        // Widths are at most 11 digits, so every value that fits is a whole qint64.
        const double zaokrouhleno = std::round(hodnota);
        if (!std::isfinite(zaokrouhleno) || std::fabs(zaokrouhleno) >= 1e15) {
            throw EChyba(
                QStringLiteral("Hodnota %1 pole %2 se nevejde do %3 znaků souboru výsledků.")
                    .arg(hodnota, 0, 'g', 17)
                    .arg(pole.Text())
                    .arg(sirka));
        }
        N(qint64(zaokrouhleno), sirka, pole);
    }

    void T(const QString &text, int sirka, const Pole &pole)
    {
        QByteArray bajty;
        try {
            bajty = Kodovani::DoCp1250(text);
        } catch (const EChyba &) {
            Kodovani::DoCp1250(text, QStringLiteral("poli %1").arg(pole.Text())); // names the field
            throw;
        }
        if (bajty.size() > sirka) {
            throw EChyba(QStringLiteral("Text „%1“ pole %2 je delší než %3 znaků.")
                             .arg(text, pole.Text())
                             .arg(sirka));
        }
        // A line break would end the line when it is read back.
        if (bajty.contains('\r') || bajty.contains('\n'))
            throw EChyba(
                QStringLiteral("Text pole %1 nesmí obsahovat konec řádku.").arg(pole.Text()));
        m_radek.append(bajty);
        m_radek.append(sirka - bajty.size(), ' ');
    }

    void Identifikace(quint16 typVety, quint16 oprava, quint16 chyba, quint16 okres, qint32 obec,
                      qint32 okrsek, quint16 t3kc1, quint16 typZastup, const char *zaznam,
                      int k = 0)
    {
        N(typVety, 1, Pole{zaznam, "TypVety", k});
        N(oprava, 1, Pole{zaznam, "Oprava", k});
        N(chyba, 1, Pole{zaznam, "Chyba", k});
        N(okres, 4, Pole{zaznam, "Okres", k});
        N(obec, 6, Pole{zaznam, "Obec", k});
        N(okrsek, 5, Pole{zaznam, "Okrsek", k});
        N(t3kc1, 1, Pole{zaznam, "T3KC_1", k});
        N(typZastup, 1, Pole{zaznam, "TypZastup", k});
    }

    QByteArray Vysledek() { return std::move(m_radek); }

private:
    QByteArray m_radek;
};

// Reads the fields of the line in order. Every failure names the file and the field.
class Ctenar
{
public:
    Ctenar(const QByteArray &radek, const QString &nazev) : m_radek(radek), m_nazev(nazev) {}

    qsizetype Pozice() const { return m_pozice; }
    qsizetype Zbyva() const { return m_radek.size() - m_pozice; }
    void Preskoc(qsizetype n) { m_pozice += n; }

    // A block must be whole before its fields are read.
    void PotrebujeBlok(int delka, const QString &blok) const
    {
        if (Zbyva() < delka) {
            throw EChyba(
                QStringLiteral("Soubor %1 je poškozen: řádek dat má %2 znaků a končí uvnitř "
                               "bloku %3 (pozice %4).")
                    .arg(m_nazev)
                    .arg(m_radek.size())
                    .arg(blok)
                    .arg(m_pozice + 1));
        }
    }

    quint16 Word(int sirka, const Pole &pole)
    {
        return quint16(Cislo(sirka, pole, false, 0, std::numeric_limits<quint16>::max()));
    }

    qint32 Integer(int sirka, const Pole &pole)
    {
        return qint32(Cislo(sirka, pole, true, std::numeric_limits<qint32>::min(),
                            std::numeric_limits<qint32>::max()));
    }

    double R(int sirka, const Pole &pole)
    {
        const QByteArrayView text = Vezmi(sirka);
        qsizetype i = 0;
        while (i < text.size() && text[i] == ' ')
            ++i;
        const qsizetype zacatek = i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        const qsizetype cislice = i;
        while (i < text.size() && JeCislice(text[i]))
            ++i;
        bool ok = i > cislice;
        if (ok && i < text.size() && text[i] == '.') {
            const qsizetype zaTeckou = ++i;
            while (i < text.size() && JeCislice(text[i]))
                ++i;
            ok = i > zaTeckou;
        }
        if (!ok || i != text.size())
            Nelze(text, pole);
        return text.sliced(zacatek).toByteArray().toDouble();
    }

    QString T(int sirka) { return Kodovani::ZCp1250(Vezmi(sirka)); }

    void Identifikace(quint16 &typVety, quint16 &oprava, quint16 &chyba, quint16 &okres,
                      qint32 &obec, qint32 &okrsek, quint16 &t3kc1, quint16 &typZastup,
                      const char *zaznam, int k = 0)
    {
        typVety = Word(1, Pole{zaznam, "TypVety", k});
        oprava = Word(1, Pole{zaznam, "Oprava", k});
        chyba = Word(1, Pole{zaznam, "Chyba", k});
        okres = Word(4, Pole{zaznam, "Okres", k});
        obec = Integer(6, Pole{zaznam, "Obec", k});
        okrsek = Integer(5, Pole{zaznam, "Okrsek", k});
        t3kc1 = Word(1, Pole{zaznam, "T3KC_1", k});
        typZastup = Word(1, Pole{zaznam, "TypZastup", k});
    }

private:
    static bool JeCislice(char c) { return c >= '0' && c <= '9'; }

    QByteArrayView Vezmi(int sirka)
    {
        Q_ASSERT(Zbyva() >= sirka); // blocks are checked whole beforehand
        const QByteArrayView pole = QByteArrayView(m_radek).sliced(m_pozice, sirka);
        m_pozice += sirka;
        return pole;
    }

    [[noreturn]] void Nelze(QByteArrayView text, const Pole &pole) const
    {
        throw EChyba(QStringLiteral("Soubor %1 je poškozen: pole %2 na pozici %3 obsahuje „%4“, "
                                    "což není platné číslo.")
                         .arg(m_nazev, pole.Text())
                         .arg(m_pozice - text.size() + 1)
                         .arg(Kodovani::ZCp1250(text)));
    }

    // Leading blanks are skipped; nothing else but digits (and a minus where allowed).
    qint64 Cislo(int sirka, const Pole &pole, bool sMinusem, qint64 min, qint64 max)
    {
        const QByteArrayView text = Vezmi(sirka);
        qsizetype i = 0;
        while (i < text.size() && text[i] == ' ')
            ++i;
        bool zaporne = false;
        if (sMinusem && i < text.size() && text[i] == '-') {
            zaporne = true;
            ++i;
        }
        if (i == text.size())
            Nelze(text, pole);
        qint64 hodnota = 0; // at most 11 digits: no overflow
        for (; i < text.size(); ++i) {
            if (!JeCislice(text[i]))
                Nelze(text, pole);
            hodnota = hodnota * 10 + (text[i] - '0');
        }
        if (zaporne)
            hodnota = -hodnota;
        if (hodnota < min || hodnota > max) {
            throw EChyba(QStringLiteral("Soubor %1 je poškozen: hodnota %2 pole %3 je mimo rozsah.")
                             .arg(m_nazev)
                             .arg(hodnota)
                             .arg(pole.Text()));
        }
        return hodnota;
    }

    const QByteArray &m_radek;
    const QString &m_nazev;
    qsizetype m_pozice = 0;
};

// Older versions kept the plain line in data.temp and data.comp between the steps of
// a load or save; the line now stays in memory, and leftovers of theirs are removed.
void SmazStarePomocneSoubory(const TAdresare &adr)
{
    for (const char *jmeno : {"data.comp", "data.temp"}) {
        try {
            Soubory::Smaz(adr.AdrStanice + QLatin1StringView(jmeno));
        } catch (const EChyba &) {
            // A leftover that cannot be removed holds no current data.
        }
    }
}

QString JinyPrefix(const QString &prefix)
{
    return JePrefix(prefix, u"O") ? QStringLiteral("E") : QStringLiteral("O");
}

// Which key the free-text lines in memory came from.
QString KlicVet6(const TOkrsekRefRec &klic)
{
    return klic.KodObce + u'/' + QString::number(klic.CisloOkrsku) + u'/' + klic.TypZastup;
}

void OverPocetStran(quint16 pocet, const QString &nazev)
{
    if (pocet > MaxStran) {
        const QString kde = nazev.isEmpty() ? QString() : QStringLiteral("Soubor %1: ").arg(nazev);
        throw EChyba(QStringLiteral("%1Počet stran VetaT3.Pocet_VS = %2 je větší než %3.")
                         .arg(kde)
                         .arg(pocet)
                         .arg(MaxStran));
    }
}

} // namespace

void VynulujOkrsek(TVysledky &v)
{
    v.VetaT3 = TOkrsekRec{};
    v.StranyHL.fill(TStranaHLRec{});
    v.VetaTS = TVetaTS{};
}

QString JmenoSouboruOkrsku(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix)
{
    QString pismeno;
    if (klic.TypZastup == u"1")
        pismeno = QStringLiteral("O");
    else if (klic.TypZastup == u"2")
        pismeno = QStringLiteral("C");

    if (klic.CisloOkrsku < 0 || klic.CisloOkrsku > 99999) {
        throw EChyba(QStringLiteral("Číslo okrsku %1 nelze zapsat pěti číslicemi do názvu souboru.")
                         .arg(klic.CisloOkrsku));
    }
    // The municipality code comes from a file; it must not lead out of the data directory.
    if (klic.KodObce.contains(u'/') || klic.KodObce.contains(QChar(0))) {
        throw EChyba(
            QStringLiteral("Kód obce „%1“ nelze použít v názvu souboru.").arg(klic.KodObce));
    }
    const QString jmeno = prefix + pismeno + klic.KodObce + u'.' +
                          QStringLiteral("%1").arg(klic.CisloOkrsku, 5, 10, QChar(u'0'));
    return Soubory::NajdiSoubor(adr.AdrData, jmeno);
}

QByteArray SestavRadek(const TVysledky &v, bool sVolnymTextem)
{
    const TOkrsekRec &h = v.VetaT3;
    OverPocetStran(h.Pocet_VS, QString());

    Sestavovac s(Ochrana::MaxDelkaObsahu);
    s.Identifikace(h.TypVety, h.Oprava, h.Chyba, h.Okres, h.Obec, h.Okrsek, h.T3KC_1, h.TypZastup,
                   "VetaT3");
    s.N(h.CObvodu, 2, Pole{"VetaT3", "CObvodu"});
    s.N(h.ZapsOsoby, 5, Pole{"VetaT3", "ZapsOsoby"});
    s.N(h.VydObalky, 4, Pole{"VetaT3", "VydObalky"});
    s.N(h.OdevzdObalky, 4, Pole{"VetaT3", "OdevzdObalky"});
    s.N(h.PlatneHlasy, 6, Pole{"VetaT3", "PlatneHlasy"});
    s.N(h.Pocet_VS, 3, Pole{"VetaT3", "Pocet_VS"});
    s.N(h.Poc_VS_HL, 3, Pole{"VetaT3", "Poc_VS_HL"});
    s.N(h.T3KC_2, 6, Pole{"VetaT3", "T3KC_2"});
    s.N(h.KodObceZast, 6, Pole{"VetaT3", "KodObceZast"});

    for (int k = 1; k <= h.Pocet_VS; ++k) {
        const TStranaHLRec &st = v.StranyHL[k];
        s.Identifikace(st.TypVety, st.Oprava, st.Chyba, st.Okres, st.Obec, st.Okrsek, st.T3KC_1,
                       st.TypZastup, "StranyHL", k);
        s.N(k, 3, PoleStrany(k, "PorStHL"));
        s.N(st.PocHl, 6, PoleStrany(k, "PocHl"));
        for (int i = 1; i <= MaxKandidatu; ++i)
            s.N(st.HlasyKand[i], 4, PoleStrany(k, "HlasyKand", i));
        s.N(st.HLKC2, 5, PoleStrany(k, "HLKC2"));
        s.N(st.HLPoslKand, 2, PoleStrany(k, "HLPoslKand"));
        s.N(st.HLKS, 7, PoleStrany(k, "HLKS"));
    }

    const TVetaTS &z = v.VetaTS;
    const auto ts = [](const char *pole) { return Pole{"VetaTS", pole}; };
    s.Identifikace(z.TypVety, z.Oprava, z.Chyba, z.Okres, z.Obec, z.Okrsek, z.T3KC_1, z.TypZastup,
                   "VetaTS");
    s.T(z.SeznamChyb, 50, ts("SeznamChyb"));
    s.T(z.DatumPorizeni, 8, ts("DatumPorizeni"));
    s.T(z.CasPorizeni, 6, ts("CasPorizeni"));
    s.R(z.Rezervovano, 10, ts("Rezervovano"));
    s.N(z.ZpusobPorizeni, 1, ts("ZpusobPorizeni"));
    s.N(z.KodWindowsTS, 2, ts("KodWindowsTS"));
    s.T(z.Rezerva, 1, ts("Rezerva"));
    s.N(z.Kod2, 2, ts("Kod2"));
    s.T(z.Jmeno2, 15, ts("Jmeno2"));
    s.T(z.Datum2, 8, ts("Datum2"));
    s.T(z.Cas2, 6, ts("Cas2"));
    s.R(z.Cislo2, 10, ts("Cislo2"));
    s.N(z.Kod3, 2, ts("Kod3"));
    s.T(z.Jmeno3, 15, ts("Jmeno3"));
    s.T(z.Datum3, 8, ts("Datum3"));
    s.T(z.Cas3, 6, ts("Cas3"));
    s.R(z.Cislo3, 10, ts("Cislo3"));
    s.R(z.SoucetKC1, 3, ts("SoucetKC1"));
    s.R(z.SoucetKC2, 7, ts("SoucetKC2"));
    s.R(z.SoucetKS, 9, ts("SoucetKS"));
    s.N(z.NahodneCislo, 6, ts("NahodneCislo"));
    s.N(z.Cislo4, 6, ts("Cislo4"));
    s.N(z.Cislo5, 6, ts("Cislo5"));
    s.R(z.KontrSoucetTS, 11, ts("KontrSoucetTS"));
    s.R(z.KontrSoucet2, 11, ts("KontrSoucet2"));
    s.R(z.KontrSoucet3, 11, ts("KontrSoucet3"));

    if (sVolnymTextem) {
        for (int i = 1; i <= MaxVet6; ++i) {
            if (v.Vety6[i].isEmpty())
                continue;
            const Pole pole{"Vety6", nullptr, i};
            s.N(6, 1, pole);
            s.N(h.Obec, 6, Pole{"VetaT3", "Obec"});
            s.N(h.Okrsek, 5, Pole{"VetaT3", "Okrsek"});
            s.N(h.TypZastup, 1, Pole{"VetaT3", "TypZastup"});
            s.N(i, 2, pole);
            s.T(v.Vety6[i], DelkaVety6, pole);
        }
    }
    return s.Vysledek();
}

void RozeberRadek(const QByteArray &radek, bool sVolnymTextem, TVysledky &v, const QString &nazev)
{
    // Parsed aside and taken over only whole: a damaged file leaves no half-filled record.
    TVysledky novy;
    Ctenar c(radek, nazev);

    TOkrsekRec &h = novy.VetaT3;
    c.PotrebujeBlok(DelkaHlavicky, QStringLiteral("hlavičky"));
    c.Identifikace(h.TypVety, h.Oprava, h.Chyba, h.Okres, h.Obec, h.Okrsek, h.T3KC_1, h.TypZastup,
                   "VetaT3");
    h.CObvodu = c.Word(2, Pole{"VetaT3", "CObvodu"});
    h.ZapsOsoby = c.Integer(5, Pole{"VetaT3", "ZapsOsoby"});
    h.VydObalky = c.Word(4, Pole{"VetaT3", "VydObalky"});
    h.OdevzdObalky = c.Word(4, Pole{"VetaT3", "OdevzdObalky"});
    h.PlatneHlasy = c.Integer(6, Pole{"VetaT3", "PlatneHlasy"});
    h.Pocet_VS = c.Word(3, Pole{"VetaT3", "Pocet_VS"});
    OverPocetStran(h.Pocet_VS, nazev);
    h.Poc_VS_HL = c.Word(3, Pole{"VetaT3", "Poc_VS_HL"});
    h.T3KC_2 = c.Integer(6, Pole{"VetaT3", "T3KC_2"});
    h.KodObceZast = c.Integer(6, Pole{"VetaT3", "KodObceZast"});

    for (int k = 1; k <= h.Pocet_VS; ++k) {
        TStranaHLRec &st = novy.StranyHL[k];
        c.PotrebujeBlok(DelkaBlokuStrany, QStringLiteral("strany %1").arg(k));
        c.Identifikace(st.TypVety, st.Oprava, st.Chyba, st.Okres, st.Obec, st.Okrsek, st.T3KC_1,
                       st.TypZastup, "StranyHL", k);
        st.PorStHL = c.Word(3, PoleStrany(k, "PorStHL"));
        st.PocHl = c.Integer(6, PoleStrany(k, "PocHl"));
        for (int i = 1; i <= MaxKandidatu; ++i)
            st.HlasyKand[i] = c.Word(4, PoleStrany(k, "HlasyKand", i));
        st.HLKC2 = c.Integer(5, PoleStrany(k, "HLKC2"));
        st.HLPoslKand = c.Word(2, PoleStrany(k, "HLPoslKand"));
        st.HLKS = c.Integer(7, PoleStrany(k, "HLKS"));
    }

    TVetaTS &z = novy.VetaTS;
    const auto ts = [](const char *pole) { return Pole{"VetaTS", pole}; };
    c.PotrebujeBlok(DelkaZaverecnehoBloku, QStringLiteral("závěrečné věty"));
    c.Identifikace(z.TypVety, z.Oprava, z.Chyba, z.Okres, z.Obec, z.Okrsek, z.T3KC_1, z.TypZastup,
                   "VetaTS");
    z.SeznamChyb = c.T(50);
    z.DatumPorizeni = c.T(8);
    z.CasPorizeni = c.T(6);
    z.Rezervovano = c.R(10, ts("Rezervovano"));
    z.ZpusobPorizeni = c.Word(1, ts("ZpusobPorizeni"));
    z.KodWindowsTS = c.Word(2, ts("KodWindowsTS"));
    z.Rezerva = c.T(1);
    z.Kod2 = c.Word(2, ts("Kod2"));
    z.Jmeno2 = c.T(15);
    z.Datum2 = c.T(8);
    z.Cas2 = c.T(6);
    z.Cislo2 = c.R(10, ts("Cislo2"));
    z.Kod3 = c.Word(2, ts("Kod3"));
    z.Jmeno3 = c.T(15);
    z.Datum3 = c.T(8);
    z.Cas3 = c.T(6);
    z.Cislo3 = c.R(10, ts("Cislo3"));
    z.SoucetKC1 = c.R(3, ts("SoucetKC1"));
    z.SoucetKC2 = c.R(7, ts("SoucetKC2"));
    z.SoucetKS = c.R(9, ts("SoucetKS"));
    z.NahodneCislo = c.Integer(6, ts("NahodneCislo"));
    z.Cislo4 = c.Integer(6, ts("Cislo4"));
    z.Cislo5 = c.Integer(6, ts("Cislo5"));
    z.KontrSoucetTS = c.R(11, ts("KontrSoucetTS"));
    z.KontrSoucet2 = c.R(11, ts("KontrSoucet2"));
    z.KontrSoucet3 = c.R(11, ts("KontrSoucet3"));

    if (sVolnymTextem) {
        const qsizetype bloku = c.Zbyva() / DelkaBlokuTextu;
        for (qsizetype b = 1; b <= bloku; ++b) {
            // Positions 1 to 13 repeat the identification; only the index is read.
            c.Preskoc(13);
            const quint16 index = c.Word(2, Pole{"VolnyText", "Index", int(b)});
            if (index < 1 || index > MaxVet6) {
                throw EChyba(QStringLiteral("Soubor %1 je poškozen: index volného textu v bloku %2 "
                                            "je %3, mimo rozsah 1 až %4.")
                                 .arg(nazev)
                                 .arg(b)
                                 .arg(index)
                                 .arg(MaxVet6));
            }
            QString text = c.T(DelkaVety6);
            qsizetype mezer = 0;
            while (mezer < text.size() && text.at(mezer) == u' ')
                ++mezer;
            novy.Vety6[index] = text.mid(mezer);
        }
        novy.JsouVety6 = bloku >= 1;
    }

    v.VetaT3 = novy.VetaT3;
    v.StranyHL = novy.StranyHL;
    v.VetaTS = std::move(novy.VetaTS);
    if (sVolnymTextem) {
        v.Vety6 = std::move(novy.Vety6);
        v.JsouVety6 = novy.JsouVety6;
    }
}

void NactiOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix,
                 TVysledky &v)
{
    VynulujOkrsek(v);
    // Free text belongs to the file it was loaded from; another key's lines must never
    // travel into this key's "O" file.
    if (!v.PuvodVet6.isEmpty() && v.PuvodVet6 != KlicVet6(klic)) {
        for (QString &t : v.Vety6)
            t.clear();
        v.JsouVety6 = false;
        v.PuvodVet6.clear();
    }
    const QString cesta = JmenoSouboruOkrsku(adr, klic, prefix);
    if (!Soubory::ExistujeSoubor(cesta))
        return;

    RozeberRadek(NactiChranenyRadek(cesta), JePrefix(prefix, u"O"), v, cesta);
    if (JePrefix(prefix, u"O"))
        v.PuvodVet6 = KlicVet6(klic);
}

QByteArray NactiChranenyRadek(const QString &cesta)
{
    return RozbalChranenyRadek(Soubory::NactiSoubor(cesta, Ochrana::MaxVelikostSouboru), cesta);
}

QByteArray RozbalChranenyRadek(const QByteArray &ulozeny, const QString &nazev)
{
    const QByteArray obsah = Ochrana::Otevri(ulozeny, KlicSouboru(), nazev);
    qsizetype konec = 0;
    while (konec < obsah.size() && obsah.at(konec) != '\r' && obsah.at(konec) != '\n')
        ++konec;
    return obsah.left(konec);
}

qsizetype UlozChranenyRadek(const QString &cesta, const QByteArray &radek, qint64 casZmenyNs)
{
    const QByteArray ulozeny = Ochrana::Zasifruj(Ochrana::Zabal(radek), KlicSouboru());
    Soubory::UlozAtomicky(cesta, ulozeny, casZmenyNs);
    return ulozeny.size();
}

void UlozOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix,
                const TVysledky &v, bool sDenikem)
{
    const QByteArray radek = SestavRadek(v, JePrefix(prefix, u"O"));
    const QString cil = JmenoSouboruOkrsku(adr, klic, prefix);
    const QString jiny = JmenoSouboruOkrsku(adr, klic, JinyPrefix(prefix));
    // A FIFO or a device in the place of either file is refused, never replaced or removed.
    for (const QString &soubor : {cil, jiny}) {
        struct stat st
        {
        };
        if (::stat(QFile::encodeName(soubor).constData(), &st) == 0 && !S_ISREG(st.st_mode))
            throw EChyba(Soubory::NeniObycejny(soubor, st.st_mode));
    }

    const bool jeJiny = QFileInfo(jiny).isFile();
    const qsizetype velikost = UlozChranenyRadek(cil, radek);
    SmazStarePomocneSoubory(adr);
    if (sDenikem)
        Denik::Zapis(adr.AdrStanice,
                     QStringLiteral("uložení: %1 (předpona %2, typ zastupitelstva %3, %4 B)")
                         .arg(QFileInfo(cil).fileName(), prefix.toUpper(), klic.TypZastup)
                         .arg(velikost));
    // Only now that the new file is in place may the other prefix's file go.
    if (jeJiny)
        Soubory::Smaz(jiny);
}

QString UschovejZrusene(const TAdresare &adr, const QString &cesta, const QString &udalost)
{
    const QString kam = Soubory::AdresarInstalace(adr.AdrData, QStringLiteral("Zrusena"));
    const QString kdy = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString cil = kam + QFileInfo(cesta).fileName() + u'.' + kdy;
    for (int i = 2; QFileInfo::exists(cil); ++i)
        cil = kam + QFileInfo(cesta).fileName() + u'.' + kdy + u'-' + QString::number(i);
    // The line goes first: once the file has moved, a power cut must not lose why.
    Denik::ZapisTrvale(adr.AdrStanice, udalost.arg(QFileInfo(cesta).fileName(), cil));
    try {
        Soubory::Presun(cesta, cil);
    } catch (const EChyba &e) {
        Denik::ZapisTrvale(adr.AdrStanice, QStringLiteral("přesun se nezdařil: ") + e.zprava());
        throw;
    }
    return cil;
}

QStringList ZrusOkrsek(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    QStringList kopie;
    // The current file and a stale one of an interrupted save both go: left alone, the
    // stale one would become current. So does a control entry ("K"): it re-typed data
    // that no longer exist.
    for (const QString &prefix : {QStringLiteral("O"), QStringLiteral("E"), QStringLiteral("K")}) {
        const QString cesta = JmenoSouboruOkrsku(adr, klic, prefix);
        if (!QFileInfo(cesta).isFile())
            continue;
        kopie.append(UschovejZrusene(
            adr, cesta,
            QStringLiteral("zrušení dat: typ zastupitelstva %1, soubor %3 uschován jako %4")
                .arg(klic.TypZastup)));
    }
    return kopie;
}
