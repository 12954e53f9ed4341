// The error message dialog: the three kinds, the message line, the answers.
#include "Chyby.h"
#include "Dotaznik.h"
#include "HlaskaF.h"
#include "Sloupce.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestHlaskaF : public QObject
{
    Q_OBJECT

private:
    TCisChyb m_cis;

private slots:
    void initTestCase()
    {
        m_cis.NastavZaznamy({{6, u"P"_s, u"Voličů je 0"_s},
                             {96, u"U"_s, u"Jinak než v podkladech"_s},
                             {23, u"C"_s, u"Kandidát"_s}});
    }

    void druhy_data()
    {
        Sloupce<bool, bool, QString, QString, QColor>(
            {"info", "propust", "nadpis", "tlacitko", "barva"});
        QTest::newRow("blokujici")
            << false << false << u"Chyba č. 23"_s << u"&Ignorovat"_s << QColor(255, 0, 0);
        QTest::newRow("propustitelna")
            << false << true << u"Chyba č. 23"_s << u"&Potvrdit"_s << QColor(255, 0, 0);
        QTest::newRow("upozorneni")
            << true << false << u"Upozornění (č. 23)"_s << u"&Potvrdit"_s << QColor(0, 0, 255);
        QTest::newRow("upozorneni vyhraje")
            << true << true << u"Upozornění (č. 23)"_s << u"&Potvrdit"_s << QColor(0, 0, 255);
    }
    void druhy()
    {
        QFETCH(QColor, barva);
        QFETCH(bool, info);
        QFETCH(bool, propust);
        QFETCH(QString, nadpis);
        QFETCH(QString, tlacitko);
        THlaskaF f(m_cis);
        f.NastavHlasku(23, QString(), info, propust);
        QCOMPARE(f.ChybaL->text(), nadpis);
        QCOMPARE(f.IgnorovatBtn->text(), tlacitko);
        QCOMPARE(f.OpravitBtn->text(), u"&Opravit"_s);
        QCOMPARE(f.aktColor, barva);
        QCOMPARE(f.ChybaL->palette().color(QPalette::WindowText), barva);
        QCOMPARE(f.HlaskaL->palette().color(QPalette::WindowText), barva);
        QCOMPARE(f.HlaskaL->text(), u"Kandidát"_s);
        QCOMPARE(f.windowTitle(), u"Pořízení dat"_s);
        QCOMPARE(f.size(), QSize(678, 140));
        QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void textSParametrem_data()
    {
        QTest::addColumn<int>("chyba");
        QTest::addColumn<QString>("param");
        QTest::addColumn<QString>("text");
        QTest::newRow("96 s vlastnimi zavorkami")
            << 96 << u"(1250)"_s << u"Jinak než v podkladech (1250)"_s;
        QTest::newRow("jine v zavorkach") << 6 << u"7"_s << u"Voličů je 0 (7)"_s;
        QTest::newRow("bez parametru") << 6 << QString() << u"Voličů je 0"_s;
        QTest::newRow("neznama") << 55 << u"3"_s << u"Chyba nenalezena (3)"_s;
    }
    void textSParametrem()
    {
        QFETCH(int, chyba);
        QFETCH(QString, param);
        QFETCH(QString, text);
        THlaskaF f(m_cis);
        f.NastavHlasku(chyba, param, false, false);
        QCOMPARE(f.HlaskaL->text(), text);
    }

    void odpovedi_data()
    {
        QTest::addColumn<int>("klavesa");
        QTest::addColumn<bool>("opravit");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter na Opravit") << int(Qt::Key_Return) << true;
        QTest::newRow("Tab a mezernik") << int(Qt::Key_Tab) << false;
    }
    void odpovedi()
    {
        QFETCH(int, klavesa);
        QFETCH(bool, opravit);
        THlaskaF f(m_cis);
        f.NastavHlasku(6, QString(), false, true);
        bool zamereno = false;
        QTimer::singleShot(0, &f, [&] {
            zamereno = f.focusWidget() == f.OpravitBtn;
            if (klavesa == Qt::Key_Tab) {
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f,
                                Qt::Key_Tab);
                QTest::keyClick(f.IgnorovatBtn, Qt::Key_Space);
            } else {
                QTest::keyClick(f.focusWidget() ? f.focusWidget() : static_cast<QWidget *>(&f),
                                Qt::Key(klavesa));
            }
        });
        QCOMPARE(f.UkazHlasku(), opravit);
        QVERIFY(zamereno);
        QVERIFY(!f.isVisible());
    }

    void pokazdeZnovuOpravit()
    {
        THlaskaF f(m_cis);
        f.NastavHlasku(6, QString(), false, true);
        QTimer::singleShot(0, &f, [&] { f.IgnorovatBtn->click(); });
        QVERIFY(!f.UkazHlasku());
        QTimer::singleShot(0, &f, [&] { f.close(); });
        QVERIFY(f.UkazHlasku()); // closing any other way answers "correct"
    }

    void presDotaznik()
    {
        THlaskaF f(m_cis);
        TDotaznikFronta d;
        d.ZaradVysledekDialogu(1);
        QVERIFY(f.UkazHlasku(d));
        QVERIFY(!f.UkazHlasku(d));
        QCOMPARE(d.Dialogy, (QList<QString>{u"HlaskaF"_s, u"HlaskaF"_s}));
    }
};

QTEST_MAIN(TestHlaskaF)
#include "TestHlaskaF.moc"
