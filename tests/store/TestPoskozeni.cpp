// Every single-bit flip and every truncation of a stored results file either loads
// the original data or is refused; it never yields other data and is never changed.
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
            QByteArray p = m_puvodni;
            p[pos] = char(p[pos] ^ (1 << (pos % 8)));
            nacteno += Zkus(p);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("bit flipped at byte %1").arg(pos)));
        }
        qInfo("%d of %lld flips still load the original data", nacteno, qint64(m_puvodni.size()));
    }

    void zkracenySoubor()
    {
        int nacteno = 0;
        for (qsizetype delka = 0; delka < m_puvodni.size(); ++delka) {
            nacteno += Zkus(m_puvodni.left(delka));
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("truncated to %1 bytes").arg(delka)));
        }
        qInfo("%d of %lld truncations still load the original data", nacteno,
              qint64(m_puvodni.size()));
        QVERIFY(!Zkus(m_puvodni.left(m_puvodni.size() / 2)));
    }
};

QTEST_GUILESS_MAIN(TestPoskozeni)
#include "TestPoskozeni.moc"
