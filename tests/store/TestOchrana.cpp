// Protected storage: the container, the cipher stream, Base64 and the file operations.
#include "EChyba.h"
#include "Ochrana.h"
#include "SouboryTestu.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Klic(Ochrana::KlicOkrsku);
const QString Nazev = QStringLiteral("/data/OO123456.00001");
const QString DataDir = QStringLiteral(ZELKOVAR_SOURCE_DIR "tests/data/");

QByteArray Int32(qint32 hodnota)
{
    QByteArray b(4, '\0');
    qToLittleEndian(hodnota, b.data());
    return b;
}

QByteArray Text(int n)
{
    QByteArray t;
    for (int i = 0; i < n; ++i)
        t.append(char('A' + (i * 7) % 26));
    return t;
}

// The plain content with a given length field and name length, around a real stream.
QByteArray Kontejner(const QByteArray &obsah, qint32 delkaNazvu, const QByteArray &nazev,
                     qint32 delka)
{
    const QByteArray proud = Ochrana::Zabal(obsah).mid(20);
    return Int32(1) + Int32(delkaNazvu) + nazev + Int32(delka) + proud;
}

// Throws and names the file in the message.
#define OVER_CHYBU(vyraz, text)                                                                    \
    do {                                                                                           \
        try {                                                                                      \
            vyraz;                                                                                 \
            QFAIL("no EChyba thrown");                                                             \
        } catch (const EChyba &e) {                                                                \
            QVERIFY2(e.zprava().contains(text), qPrintable(e.zprava()));                           \
        }                                                                                          \
    } while (false)

} // namespace

class TestOchrana : public QObject
{
    Q_OBJECT

private slots:
    void hlavickaKontejneru_data()
    {
        QTest::addColumn<int>("delka");
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("full record") << int(Ochrana::MaxDelkaObsahu);
    }
    void hlavickaKontejneru()
    {
        QFETCH(int, delka);
        const QByteArray obsah = Text(delka);
        const QByteArray k = Ochrana::Zabal(obsah);
        QCOMPARE(k.left(20), Int32(1) + Int32(8) + QByteArray("data.dmp") + Int32(delka));
        // A zlib stream with the default-level header follows directly.
        QCOMPARE(k.mid(20, 2), QByteArray("\x78\x9c"));
        QCOMPARE(Ochrana::Rozbal(k, Nazev), obsah);
    }

    void vyplnJenDoNasobkuOsmi()
    {
        bool bezVyplne = false, sVyplni = false;
        for (int n = 0; n < 64 && !(bezVyplne && sVyplni); ++n) {
            const QByteArray k = Ochrana::Zabal(Text(n));
            const QByteArray sifra = Ochrana::ZBase64(Ochrana::Zasifruj(k, Klic), Nazev);
            QCOMPARE(sifra.size(), (k.size() + 7) / 8 * 8);
            (k.size() % 8 == 0 ? bezVyplne : sVyplni) = true;
            // Filler follows the stream and is never read back.
            QCOMPARE(
                Ochrana::Rozbal(Ochrana::Desifruj(Ochrana::Zasifruj(k, Klic), Klic, Nazev), Nazev),
                Text(n));
        }
        QVERIFY(bezVyplne && sVyplni);
    }

    void sifrovaniJeDeterministicke()
    {
        const QByteArray k = Ochrana::Zabal(Text(500));
        QCOMPARE(Ochrana::Zasifruj(k, Klic), Ochrana::Zasifruj(k, Klic));
        QVERIFY(Ochrana::Zasifruj(k, Klic) != Ochrana::Zasifruj(k, "jiny klic"));
    }

    void radkyBase64()
    {
        QByteArray data;
        for (int i = 0; i < 200; ++i)
            data.append(char(i * 13));
        const QByteArray text = Ochrana::DoBase64(data);
        const QList<QByteArray> radky = text.split('\n');
        QCOMPARE(radky.size(), 4); // 268 characters: 76 + 76 + 76 + 40
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(radky[i].size(), 77);
            QVERIFY(radky[i].endsWith('\r'));
        }
        QCOMPARE(radky[3].size(), 40);
        QCOMPARE(radky[3], data.toBase64().mid(qsizetype(3) * 76));
        QCOMPARE(QByteArray(text).replace("\r\n", ""), data.toBase64());
        QCOMPARE(Ochrana::DoBase64(QByteArray(57, 'x')).size(), 76); // exactly one line
        QCOMPARE(Ochrana::DoBase64({}), QByteArray());
    }

    void base64PreskociCizeZnaky_data()
    {
        QTest::addColumn<QByteArray>("zapis");
        QByteArray data;
        for (int i = 0; i < 100; ++i)
            data.append(char(255 - i));
        const QByteArray cisty = data.toBase64();
        QByteArray kratke;
        for (int i = 0; i < cisty.size(); i += 10)
            kratke += cisty.mid(i, 10) + "\n";
        QByteArray smeti = cisty;
        smeti.insert(50, " \t*!~\xE9\x00").insert(3, "\r").prepend("@@");
        QTest::newRow("as written") << Ochrana::DoBase64(data);
        QTest::newRow("one line") << cisty;
        QTest::newRow("short LF lines") << kratke;
        QTest::newRow("trailing breaks") << Ochrana::DoBase64(data) + "\r\n\r\n\n";
        QTest::newRow("junk characters") << smeti;
    }
    void base64PreskociCizeZnaky()
    {
        QFETCH(QByteArray, zapis);
        QByteArray data;
        for (int i = 0; i < 100; ++i)
            data.append(char(255 - i));
        QCOMPARE(Ochrana::ZBase64(zapis, Nazev), data);
    }

    // The end of the text must be exact: a cut or altered end is never decoded.
    void base64NepresnyKonec_data()
    {
        QTest::addColumn<QByteArray>("zapis");
        QTest::newRow("one character left over") << QByteArray("QUJD\r\nR");
        QTest::newRow("three padding characters") << QByteArray("QUJDR===");
        QTest::newRow("no padding") << QByteArray("QUJDRA");
        QTest::newRow("padding cut") << QByteArray("QUJDRA=");
        QTest::newRow("padding in the middle") << QByteArray("QU==QUJD");
        QTest::newRow("text after padding") << QByteArray("QUI=\r\nQUJD");
        QTest::newRow("unused bits set") << QByteArray("QUJDRB==");
        QTest::newRow("unused bits set, one pad") << QByteArray("QUJDREF=");
        QTest::newRow("junk after the end") << QByteArray("QUJDREE=\r\n*");
        QTest::newRow("cipher text not whole blocks") << QByteArray("QUJDREVG");
    }
    void base64NepresnyKonec()
    {
        QFETCH(QByteArray, zapis);
        OVER_CHYBU(Ochrana::Desifruj(zapis, Klic, Nazev), Nazev);
    }

    void base64PresnyKonec()
    {
        QCOMPARE(Ochrana::ZBase64("QUJDREVGR0g=\r\n \t\n", Nazev), QByteArray("ABCDEFGH"));
        QCOMPARE(Ochrana::ZBase64("\r\n", Nazev), QByteArray());
    }

    void delkaKlice_data()
    {
        QTest::addColumn<int>("delka");
        QTest::addColumn<bool>("platny");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("56") << 56 << true;
        QTest::newRow("57") << 57 << false;
    }
    void delkaKlice()
    {
        QFETCH(int, delka);
        QFETCH(bool, platny);
        const QByteArray klic = Text(delka);
        const QByteArray data = Text(40);
        if (platny) {
            QCOMPARE(Ochrana::Desifruj(Ochrana::Zasifruj(data, klic), klic, Nazev), data);
            return;
        }
        const QString zprava = QStringLiteral("Blowfish: Key must be between 1 and 56 bytes long");
        try {
            Ochrana::Zasifruj(data, klic);
            QFAIL("key accepted");
        } catch (const EChyba &e) {
            QCOMPARE(e.zprava(), zprava);
        }
        try {
            Ochrana::Desifruj("QUJD", klic, Nazev);
            QFAIL("key accepted");
        } catch (const EChyba &e) {
            QCOMPARE(e.zprava(), zprava);
        }
    }

    void sifraJeProudova()
    {
        // CFB-8: any length, and the prefix of the stream does not depend on what follows.
        const QByteArray a = Ochrana::ZBase64(Ochrana::Zasifruj(Text(16), Klic), Nazev);
        const QByteArray b = Ochrana::ZBase64(Ochrana::Zasifruj(Text(16) + "xyz", Klic), Nazev);
        QCOMPARE(b.left(16), a);
        QCOMPARE(Ochrana::Desifruj(Ochrana::DoBase64(a.left(8)), Klic, Nazev), Text(8));
    }

    void nazevPolozkyDoMaxima()
    {
        // Only min(n, 255) name bytes are read; the length field follows them.
        QCOMPARE(Ochrana::Rozbal(Kontejner("obsah", 300, QByteArray(255, 'n'), 5), Nazev),
                 QByteArray("obsah"));
        QCOMPARE(Ochrana::Rozbal(Kontejner("obsah", 0, {}, 5), Nazev), QByteArray("obsah"));
    }

    void poskozenyKontejner_data()
    {
        QTest::addColumn<QByteArray>("kontejner");
        const QByteArray platny = Ochrana::Zabal(Text(3000));
        QByteArray spatnyAdler = platny;
        spatnyAdler[spatnyAdler.size() - 1] = char(spatnyAdler.back() ^ 1);
        QByteArray spatnaData = platny;
        spatnaData[30] = char(spatnaData[30] ^ 0x40);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("7 bytes") << platny.left(7);
        QTest::newRow("no length") << platny.left(19);
        QTest::newRow("negative name length") << Kontejner(Text(10), -1, {}, 10);
        QTest::newRow("name runs past end") << Int32(1) + Int32(200) + QByteArray(100, 'x');
        QTest::newRow("negative length") << Kontejner(Text(10), 8, "data.dmp", -1);
        QTest::newRow("length over maximum")
            << Kontejner(Text(10), 8, "data.dmp", Ochrana::MaxDelkaObsahu + 1);
        QTest::newRow("huge length") << Kontejner(Text(10), 8, "data.dmp", 0x7fffffff);
        QTest::newRow("length too big") << Kontejner(Text(10), 8, "data.dmp", 11);
        QTest::newRow("length too small") << Kontejner(Text(10), 8, "data.dmp", 9);
        QTest::newRow("no stream") << platny.left(20);
        QTest::newRow("truncated stream") << platny.left(platny.size() - 5);
        QTest::newRow("bad checksum") << spatnyAdler;
        QTest::newRow("bad data") << spatnaData;
        QTest::newRow("raw deflate") << platny.left(20) + platny.mid(22);
    }
    void poskozenyKontejner()
    {
        QFETCH(QByteArray, kontejner);
        OVER_CHYBU(Ochrana::Rozbal(kontejner, Nazev),
                   QStringLiteral("Soubor %1 je poškozen nebo nepatří této stanici").arg(Nazev));
    }

    void vyplnZaProudemSeIgnoruje()
    {
        const QByteArray k = Ochrana::Zabal(Text(77));
        QCOMPARE(Ochrana::Rozbal(k + QByteArray(7, '\xff'), Nazev), Text(77));
    }

    void zaProudemNicNavic()
    {
        const QByteArray k = Ochrana::Zabal(Text(77));
        OVER_CHYBU(Ochrana::Rozbal(k + QByteArray(8, '\0'), Nazev), Nazev);
    }

    // The filler of the last block: ours is zeros; the original program leaves the
    // previous block's cipher text there. Both load; any other filler is damage.
    void vyplnPoslednihoBloku_data()
    {
        QTest::addColumn<QString>("vypln");
        QTest::addColumn<bool>("nacte");
        QTest::newRow("zeros") << u"nuly"_s << true;
        QTest::newRow("as the original program") << u"predchozi"_s << true;
        QTest::newRow("altered") << u"jina"_s << false;
    }
    void vyplnPoslednihoBloku()
    {
        QFETCH(QString, vypln);
        QFETCH(bool, nacte);
        QByteArray k = Ochrana::Zabal(Text(500));
        const qsizetype delka = k.size();
        QVERIFY(delka % 8 != 0);
        const QByteArray sifra = Ochrana::ZBase64(Ochrana::Zasifruj(k, Klic), Nazev);
        const qsizetype zacatek = delka / 8 * 8;
        if (vypln == u"predchozi")
            k += sifra.mid(delka - 8, sifra.size() - delka);
        else if (vypln == u"jina")
            k += QByteArray(sifra.size() - delka, '\x01');
        const QByteArray ulozeny = Ochrana::Zasifruj(k, Klic);
        QCOMPARE(Ochrana::ZBase64(ulozeny, Nazev).left(zacatek), sifra.left(zacatek));
        if (nacte)
            QCOMPARE(Ochrana::Otevri(ulozeny, Klic, Nazev), Text(500));
        else
            OVER_CHYBU(Ochrana::Otevri(ulozeny, Klic, Nazev), Nazev);
    }

    void cizimKlicemNelzeRozbalit()
    {
        const QByteArray ulozeny = Ochrana::Zasifruj(Ochrana::Zabal(Text(500)), "jiny klic");
        OVER_CHYBU(Ochrana::Rozbal(Ochrana::Desifruj(ulozeny, Klic, Nazev), Nazev), Nazev);
    }

    void zlatySoubor()
    {
        // Made by an independent implementation (tests/data/vyrob-chraneny.py).
        const QByteArray ulozeny = Obsah(DataDir + QStringLiteral("OO500011.00001"));
        const QByteArray radek = Obsah(DataDir + QStringLiteral("OO500011.00001.radek"));
        QCOMPARE(radek.size(), 1385);
        const QByteArray kontejner = Ochrana::Desifruj(ulozeny, Klic, Nazev);
        QCOMPARE(kontejner.size() % 8, 0);
        QCOMPARE(Ochrana::Rozbal(kontejner, Nazev), radek);
        // Same cipher stream, same zero filler, same line layout.
        QCOMPARE(Ochrana::Zasifruj(kontejner, Klic), ulozeny);
    }

    void souboroveOperace()
    {
        QTemporaryDir dir;
        const QString p = dir.path() + u'/';
        const QByteArray obsah = Text(1234);
        Zapis(p + QStringLiteral("data.temp"), obsah);
        Ochrana::ZabalSoubor(p + QStringLiteral("data.temp"), p + QStringLiteral("data.comp"));
        Ochrana::ZasifrujSoubor(p + QStringLiteral("data.comp"), p + QStringLiteral("ulozeny"),
                                QString::fromLatin1(Klic));
        QCOMPARE(Obsah(p + QStringLiteral("ulozeny")),
                 Ochrana::Zasifruj(Obsah(p + QStringLiteral("data.comp")), Klic));

        Zapis(p + QStringLiteral("data.comp"),
              "stary obsah, delsi nez novy ......................................");
        Ochrana::DesifrujSoubor(p + QStringLiteral("ulozeny"), p + QStringLiteral("data.comp"),
                                QString::fromLatin1(Klic));
        const QByteArray desifrovany = Obsah(p + QStringLiteral("data.comp"));
        QCOMPARE(desifrovany.size(), (Ochrana::Zabal(obsah).size() + 7) / 8 * 8);
        Ochrana::RozbalSoubor(p + QStringLiteral("data.comp"), p + QStringLiteral("vysledek"));
        QCOMPARE(Obsah(p + QStringLiteral("vysledek")), obsah);

        OVER_CHYBU(Ochrana::ZabalSoubor(p + QStringLiteral("chybi"), p + QStringLiteral("x")),
                   QStringLiteral("chybi"));
        OVER_CHYBU(Ochrana::RozbalSoubor(p + QStringLiteral("ulozeny"), p + QStringLiteral("x")),
                   p + QStringLiteral("ulozeny"));
        Zapis(p + QStringLiteral("velky"), QByteArray(Ochrana::MaxVelikostSouboru + 1, 'A'));
        OVER_CHYBU(Ochrana::DesifrujSoubor(p + QStringLiteral("velky"), p + QStringLiteral("x"),
                                           QString::fromLatin1(Klic)),
                   QStringLiteral("velky"));
    }
};

QTEST_GUILESS_MAIN(TestOchrana)
#include "TestOchrana.moc"
