// Every single-bit flip and every truncation of a stored results file either loads
// the original data or is refused; it never yields other data and is never changed.
// A damaged end (any truncation, any flip in the last 8 bytes) is always refused.
#include "EChyba.h"
#include "Okrsek.h"
#include "SouboryTestu.h"
#include "VzorovyOkrsek.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPoskozeni : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TAdresare m_adr;
    TOkrsekRefRec m_klic;
    QString m_cesta;
    QByteArray m_puvodni;
    TVysledky m_nacteny;

    // Loads the damaged content; returns whether it loaded (then it must be the original).
    bool Zkus(const QByteArray &poskozeny)
    {
        Zapis(m_cesta, poskozeny);
        TVysledky v;
        bool nacteno = true;
        try {
            NactiOkrsek(m_adr, m_klic, QStringLiteral("O"), v);
        } catch (const EChyba &e) {
            nacteno = false;
            [&] { QVERIFY2(e.zprava().contains(m_cesta), qPrintable(e.zprava())); }();
            [&] { QCOMPARE(v, TVysledky{}); }();
        }
        if (nacteno)
            [&] { QCOMPARE(v, m_nacteny); }();
        [&] { QCOMPARE(Obsah(m_cesta), poskozeny); }();
        [&] { QVERIFY(!QFile::exists(m_adr.AdrStanice + QStringLiteral("data.comp"))); }();
        [&] { QVERIFY(!QFile::exists(m_adr.AdrStanice + QStringLiteral("data.temp"))); }();
        return nacteno;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_adr.AdrInstalace = m_adr.AdrStanice = m_adr.AdrData = m_dir.path() + u'/';
        m_klic.KodObce = QStringLiteral("500011");
        m_klic.CisloOkrsku = 1;
        m_klic.TypZastup = QStringLiteral("1");
        UlozOkrsek(m_adr, m_klic, QStringLiteral("O"), VzorovyOkrsek(8, 40, 0, 350));
        m_cesta = JmenoSouboruOkrsku(m_adr, m_klic, QStringLiteral("O"));
        m_puvodni = Obsah(m_cesta);
        NactiOkrsek(m_adr, m_klic, QStringLiteral("O"), m_nacteny);
        QCOMPARE(SestavRadek(m_nacteny, true), SestavRadek(VzorovyOkrsek(8, 40, 0, 350), true));
    }

    void prevracenyBit()
    {
        int nacteno = 0;
        for (qsizetype pos = 0; pos < m_puvodni.size(); ++pos) {
            const bool naKonci = pos >= m_puvodni.size() - 8;
            for (int bit = naKonci ? 0 : int(pos % 8); bit < (naKonci ? 8 : int(pos % 8) + 1);
                 ++bit) {
                QByteArray p = m_puvodni;
                p[pos] = char(p[pos] ^ (1 << bit));
                const bool ok = Zkus(p);
                nacteno += ok;
                if (QTest::currentTestFailed() || (naKonci && ok))
                    QFAIL(
                        qPrintable(QStringLiteral("bit %1 flipped at byte %2").arg(bit).arg(pos)));
            }
        }
        qInfo("%d of %lld flips still load the original data", nacteno, qint64(m_puvodni.size()));
    }

    void zkracenySoubor()
    {
        for (qsizetype delka = 0; delka < m_puvodni.size(); ++delka) {
            if (Zkus(m_puvodni.left(delka)) || QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("truncated to %1 bytes").arg(delka)));
        }
    }
};

QTEST_GUILESS_MAIN(TestPoskozeni)
#include "TestPoskozeni.moc"
