#include "Ochrana.h"

#include "EChyba.h"
#include "Kodovani.h"
#include "Soubory.h"

#include <QtEndian>

#include <gcrypt.h>
#include <zlib.h>

#include <limits>
#include <memory>

namespace Ochrana {
namespace {

constexpr char NazevPolozky[] = "data.dmp";
constexpr int DelkaBloku = 8;
constexpr int MaxDelkaNazvu = 255;
constexpr int DelkaRadkuBase64 = 76;

[[noreturn]] void Poskozeny(const QString &nazev, const QString &duvod)
{
    throw EChyba(
        QStringLiteral("Soubor %1 je poškozen nebo nepatří této stanici: %2").arg(nazev, duvod));
}

} // namespace

// libgcrypt must be initialised once before any other call.
void InicializujGcrypt()
{
    static const bool hotovo = [] {
        if (!gcry_check_version(GCRYPT_VERSION))
            throw EChyba(QStringLiteral("Knihovna libgcrypt je starší než verze %1.")
                             .arg(QLatin1StringView(GCRYPT_VERSION)));
        // Only public constants are enciphered here; no secure memory is needed.
        gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        return true;
    }();
    (void)hotovo;
}

namespace {

struct ZavriSifru
{
    // gcry_cipher_close wipes the expanded key and the shift register.
    void operator()(gcry_cipher_hd_t h) const { gcry_cipher_close(h); }
};
using Sifra = std::unique_ptr<std::remove_pointer_t<gcry_cipher_hd_t>, ZavriSifru>;

QString ChybaGcrypt(gcry_error_t e)
{
    return QString::fromUtf8(gcry_strerror(e));
}

void OverKlic(const QByteArray &klic)
{
    if (klic.size() < 1 || klic.size() > 56)
        throw EChyba(QStringLiteral("Blowfish: Key must be between 1 and 56 bytes long"));
}

// Blowfish CFB-8 with a zero IV over the whole buffer, in place.
void ProvedCfb8(QByteArray &data, const QByteArray &klic, bool sifrovat)
{
    OverKlic(klic);
    InicializujGcrypt();

    gcry_cipher_hd_t surovy = nullptr;
    gcry_error_t e = gcry_cipher_open(&surovy, GCRY_CIPHER_BLOWFISH, GCRY_CIPHER_MODE_CFB8, 0);
    if (e)
        throw EChyba(QStringLiteral("Šifru Blowfish nelze připravit: %1").arg(ChybaGcrypt(e)));
    const Sifra sifra(surovy);

    // Every key of the published cipher must work, including the rare "weak" ones.
    gcry_cipher_ctl(sifra.get(), GCRYCTL_SET_ALLOW_WEAK_KEY, nullptr, 1);
    e = gcry_cipher_setkey(sifra.get(), klic.constData(), size_t(klic.size()));
    if (e && gcry_err_code(e) != GPG_ERR_WEAK_KEY)
        throw EChyba(QStringLiteral("Klíč šifry Blowfish nelze nastavit: %1").arg(ChybaGcrypt(e)));
    const char iv[DelkaBloku] = {};
    e = gcry_cipher_setiv(sifra.get(), iv, sizeof iv);
    if (!e && !data.isEmpty()) {
        e = sifrovat
                ? gcry_cipher_encrypt(sifra.get(), data.data(), size_t(data.size()), nullptr, 0)
                : gcry_cipher_decrypt(sifra.get(), data.data(), size_t(data.size()), nullptr, 0);
    }
    if (e)
        throw EChyba(QStringLiteral("Šifrování Blowfish selhalo: %1").arg(ChybaGcrypt(e)));
}

bool JeZnakBase64(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/';
}

QByteArray KlicZTextu(const QString &klic)
{
    return Kodovani::DoCp1250(klic, QStringLiteral("klíči"));
}

} // namespace

QByteArray Zabal(const QByteArray &obsah)
{
    uLongf delka = compressBound(uLong(obsah.size()));
    QByteArray proud(qsizetype(delka), Qt::Uninitialized);
    const int z = compress2(reinterpret_cast<Bytef *>(proud.data()), &delka,
                            reinterpret_cast<const Bytef *>(obsah.constData()), uLong(obsah.size()),
                            Z_DEFAULT_COMPRESSION);
    if (z != Z_OK)
        throw EChyba(QStringLiteral("Data nelze zkomprimovat (zlib %1).").arg(z));
    proud.truncate(qsizetype(delka));

    const qsizetype delkaNazvu = qsizetype(sizeof NazevPolozky) - 1;
    QByteArray kontejner(12 + delkaNazvu, Qt::Uninitialized);
    qToLittleEndian<qint32>(1, kontejner.data());
    qToLittleEndian<qint32>(qint32(delkaNazvu), kontejner.data() + 4);
    std::copy_n(NazevPolozky, delkaNazvu, kontejner.data() + 8);
    // The container keeps only the low 32 bits of the length.
    qToLittleEndian<quint32>(quint32(quint64(obsah.size())), kontejner.data() + 8 + delkaNazvu);
    kontejner += proud;
    return kontejner;
}

QByteArray Rozbal(const QByteArray &kontejner, const QString &nazev, qsizetype *konecProudu)
{
    if (kontejner.size() < 8)
        Poskozeny(nazev, QStringLiteral("chybí hlavička kontejneru"));
    const qint32 n = qFromLittleEndian<qint32>(kontejner.constData() + 4);
    if (n < 0)
        Poskozeny(nazev, QStringLiteral("záporná délka názvu položky (%1)").arg(n));
    const qsizetype posunDelky = 8 + qMin(n, MaxDelkaNazvu);
    if (kontejner.size() < posunDelky + 4)
        Poskozeny(nazev, QStringLiteral("hlavička kontejneru je neúplná"));
    const qint32 delka = qFromLittleEndian<qint32>(kontejner.constData() + posunDelky);
    if (delka < 0 || delka > MaxDelkaObsahu)
        Poskozeny(nazev, QStringLiteral("délka obsahu %1 B je mimo rozsah 0 až %2 B")
                             .arg(delka)
                             .arg(MaxDelkaObsahu));

    const qsizetype zacatek = posunDelky + 4;
    const qsizetype zbyva = kontejner.size() - zacatek;
    if (zbyva > qsizetype(std::numeric_limits<uInt>::max()))
        Poskozeny(nazev, QStringLiteral("kontejner je příliš dlouhý"));

    // One byte of room beyond L shows a stream that would produce more than L.
    QByteArray obsah(qsizetype(delka) + 1, Qt::Uninitialized);
    z_stream s{};
    if (inflateInit(&s) != Z_OK)
        throw EChyba(QStringLiteral("Dekompresi zlib nelze připravit."));
    s.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(kontejner.constData() + zacatek));
    s.avail_in = uInt(zbyva);
    s.next_out = reinterpret_cast<Bytef *>(obsah.data());
    s.avail_out = uInt(obsah.size());
    const int z = inflate(&s, Z_FINISH);
    const uLong vyrobeno = s.total_out;
    const QByteArrayView zbytek(reinterpret_cast<const char *>(s.next_in), s.avail_in);
    const QString zprava = s.msg ? QString::fromUtf8(s.msg) : QString();
    inflateEnd(&s);

    if (z != Z_STREAM_END) {
        if (z == Z_BUF_ERROR && s.avail_out == 0)
            Poskozeny(nazev, QStringLiteral("obsah je delší než uvedených %1 B").arg(delka));
        if (z == Z_BUF_ERROR)
            Poskozeny(nazev, QStringLiteral("komprimovaná data jsou neúplná"));
        Poskozeny(nazev, QStringLiteral("komprimovaná data jsou vadná (%1)")
                             .arg(zprava.isEmpty() ? QString::number(z) : zprava));
    }
    if (vyrobeno != uLong(delka))
        Poskozeny(nazev,
                  QStringLiteral("obsah má %1 B místo uvedených %2 B").arg(vyrobeno).arg(delka));
    // After the verified check value only the filler of the last 8-byte block may follow.
    const qsizetype konec = zacatek + (zbyva - qsizetype(s.avail_in));
    if (kontejner.size() - konec >= DelkaBloku)
        Poskozeny(nazev, QStringLiteral("za komprimovanými daty následuje %1 B navíc")
                             .arg(kontejner.size() - konec));
    if (konecProudu)
        *konecProudu = konec;
    obsah.truncate(delka);
    return obsah;
}

QByteArray Zasifruj(const QByteArray &data, const QByteArray &klic)
{
    QByteArray bloky = data;
    // Zero filler keeps the output deterministic; the container's length says where
    // the content ends, so the filler is never read back.
    const qsizetype zbytek = bloky.size() % DelkaBloku;
    if (zbytek != 0)
        bloky.append(DelkaBloku - zbytek, '\0');
    ProvedCfb8(bloky, klic, true);
    return DoBase64(bloky);
}

QByteArray Desifruj(const QByteArray &base64, const QByteArray &klic, const QString &nazev)
{
    OverKlic(klic); // a bad key is reported before any damage of the input
    QByteArray data = ZBase64(base64, nazev);
    if (data.size() % DelkaBloku != 0)
        Poskozeny(nazev, QStringLiteral("šifrovaná data mají %1 B, ne násobek %2 B")
                             .arg(data.size())
                             .arg(DelkaBloku));
    ProvedCfb8(data, klic, false);
    return data;
}

QByteArray Otevri(const QByteArray &ulozeny, const QByteArray &klic, const QString &nazev)
{
    const QByteArray kontejner = Desifruj(ulozeny, klic, nazev);
    qsizetype konecProudu = 0;
    QByteArray obsah = Rozbal(kontejner, nazev, &konecProudu);
    // The filler of the last block is ours (zeros) or what the block buffer of the
    // original program held: the previous block's cipher text. Anything else means
    // that the end of the file was altered.
    const QByteArrayView vypln = QByteArrayView(kontejner).sliced(konecProudu);
    if (!vypln.isEmpty()) {
        const QByteArray sifra = ZBase64(ulozeny, nazev);
        const QByteArrayView predchozi =
            QByteArrayView(sifra).sliced(konecProudu - DelkaBloku, vypln.size());
        if (vypln != QByteArray(vypln.size(), '\0') && vypln != predchozi)
            Poskozeny(nazev, QStringLiteral("výplň posledního bloku je změněna"));
    }
    return obsah;
}

QByteArray DoBase64(const QByteArray &data)
{
    const QByteArray b64 = data.toBase64();
    QByteArray text;
    text.reserve(b64.size() + (b64.size() / DelkaRadkuBase64 + 1) * 2);
    for (qsizetype i = 0; i < b64.size(); i += DelkaRadkuBase64) {
        if (i > 0)
            text += "\r\n";
        text += QByteArrayView(b64).sliced(i, qMin<qsizetype>(DelkaRadkuBase64, b64.size() - i));
    }
    return text;
}

QByteArray ZBase64(const QByteArray &text, const QString &nazev)
{
    // Line breaks and other characters outside the alphabet are skipped, but the end
    // must be exact: whole groups of four, "=" only as the last group's padding, and
    // after it nothing but line breaks and blanks. A cut or altered end is refused.
    QByteArray cisty;
    cisty.reserve(text.size());
    qsizetype konec = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (JeZnakBase64(c) || c == '=') {
            if (cisty.endsWith('=') && c != '=')
                Poskozeny(nazev, QStringLiteral("text Base64 pokračuje za doplňkem „=“"));
            cisty.append(c);
            konec = i + 1;
        }
    }
    for (qsizetype i = konec; i < text.size(); ++i) {
        if (!QByteArrayView(" \t\r\n").contains(text.at(i)))
            Poskozeny(nazev, QStringLiteral("za koncem textu Base64 následují jiné znaky"));
    }
    if (cisty.size() % 4 != 0)
        Poskozeny(nazev, QStringLiteral("text Base64 netvoří celé čtveřice znaků (konec chybí "
                                        "nebo přebývá)"));
    auto vysledek = QByteArray::fromBase64Encoding(cisty, QByteArray::AbortOnBase64DecodingErrors);
    // Re-encoding shows padding in the wrong place and unused bits that are not zero.
    if (!vysledek || vysledek.decoded.toBase64() != cisty)
        Poskozeny(nazev, QStringLiteral("neplatný zápis Base64"));
    return std::move(vysledek.decoded);
}

void ZabalSoubor(const QString &zdroj, const QString &cil)
{
    Soubory::ZapisPomocny(cil, Zabal(Soubory::NactiSoubor(zdroj, MaxVelikostSouboru)));
}

void RozbalSoubor(const QString &zdroj, const QString &cil)
{
    Soubory::ZapisPomocny(cil, Rozbal(Soubory::NactiSoubor(zdroj, MaxVelikostSouboru), zdroj));
}

void ZasifrujSoubor(const QString &zdroj, const QString &cil, const QString &klic)
{
    const QByteArray data = Soubory::NactiSoubor(zdroj, MaxVelikostSouboru);
    Soubory::ZapisPomocny(cil, Zasifruj(data, KlicZTextu(klic)));
}

void DesifrujSoubor(const QString &zdroj, const QString &cil, const QString &klic)
{
    const QByteArray text = Soubory::NactiSoubor(zdroj, MaxVelikostSouboru);
    Soubory::ZapisPomocny(cil, Desifruj(text, KlicZTextu(klic), zdroj));
}

} // namespace Ochrana
