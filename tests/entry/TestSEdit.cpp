// The entry field and the names grid on their own.
#include "DvaPripady.h"
#include "SEdit.h"
#include "ZColorStringGrid.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Columns of the image that hold any pixel of the given colour family.
QPair<int, int> RozsahTextu(const QImage &obr, bool sedy)
{
    int prvni = -1, posledni = -1;
    for (int x = 3; x < obr.width() - 3; ++x) {
        for (int y = 3; y < obr.height() - 3; ++y) {
            const QColor c = obr.pixelColor(x, y);
            const bool tmavy = c.lightness() < 100;
            const bool seda =
                qAbs(c.red() - 128) < 40 && qAbs(c.green() - 128) < 40 && qAbs(c.blue() - 128) < 40;
            if (sedy ? seda : tmavy) {
                if (prvni < 0)
                    prvni = x;
                posledni = x;
                break;
            }
        }
    }
    return {prvni, posledni};
}

// Types any text, diacritics included, as key presses.
void Pis(QWidget *w, const QString &text)
{
    for (const QChar z : text) {
        const Qt::Key k = z.unicode() < 128 ? Qt::Key(z.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, k, QString(z), Qt::NoModifier);
    }
}

struct TOkno
{
    QWidget Okno;
    TSEdit *A = new TSEdit(&Okno);
    TSEdit *B = new TSEdit(&Okno);
    int Odchody = 0;
    QString VidenyText;
    TOkno()
    {
        auto *l = new QVBoxLayout(&Okno);
        l->addWidget(A);
        l->addWidget(B);
        A->OnExit = [this] {
            ++Odchody;
            VidenyText = A->text();
        };
        Okno.show();
        Okno.activateWindow();
        if (!QTest::qWaitForWindowActive(&Okno))
            qWarning("window not active");
        A->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
};

} // namespace

class TestSEdit : public QObject
{
    Q_OBJECT

private slots:
    void filtr_data()
    {
        QTest::addColumn<bool>("cislo");
        QTest::addColumn<QString>("psano");
        QTest::addColumn<QString>("vysledek");
        QTest::newRow("cislice") << true << u"0700"_s << u"0700"_s;
        QTest::newRow("pismena pryc") << true << u"1a2-3 ě"_s << u"123"_s;
        QTest::newRow("text bere vse") << false << u"Žluť 7:00"_s << u"Žluť 7:00"_s;
    }
    void filtr()
    {
        QFETCH(bool, cislo);
        QFETCH(QString, psano);
        QFETCH(QString, vysledek);
        TOkno t;
        t.A->ValueType = cislo ? TValueType::vtNumber : TValueType::vtString;
        Pis(t.A, psano);
        QCOMPARE(t.A->text(), vysledek);
        // Control keys still work on a numeric field.
        QTest::keyClick(t.A, Qt::Key_Backspace);
        QCOMPARE(t.A->text(), vysledek.chopped(1));
    }

    void enter_jako_tab_a_vychozi_hodnota()
    {
        TOkno t;
        t.A->ValueType = TValueType::vtNumber;
        t.A->DefaultValue = u"0"_s;
        t.A->setText(u"42"_s);
        QTest::keyClick(t.A, Qt::Key_End);
        QTest::keyClick(t.A, Qt::Key_Backspace);
        QTest::keyClick(t.A, Qt::Key_Backspace);
        QTest::keyClick(t.A, Qt::Key_Return);
        // The focus moves only once the key press has finished.
        QVERIFY(t.A->hasFocus());
        QTRY_VERIFY(t.B->hasFocus());
        QCOMPARE(t.A->text(), u"0"_s);
        QCOMPARE(t.Odchody, 1);
        QCOMPARE(t.VidenyText, u"0"_s); // the exit rule sees the default
        QCOMPARE(t.A->cursorPosition(), 0);
    }

    void vyber_pri_vstupu()
    {
        TOkno t;
        t.B->setText(u"123"_s);
        QTest::keyClick(t.A, Qt::Key_Tab);
        QTRY_COMPARE(t.B->selectedText(), u"123"_s);
        QTest::keyClicks(t.B, u"9"_s);
        QCOMPARE(t.B->text(), u"9"_s);
    }

    void dialog_neni_odchod()
    {
        TOkno t;
        QWidget jine;
        jine.show();
        jine.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&jine));
        QCOMPARE(t.Odchody, 0);
        t.Okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.Okno));
        QCOMPARE(t.Odchody, 0);
    }

    void zarovnani_data() { DvaPripady("povoleno", "zakazane sede", "povolene"); }
    void zarovnani()
    {
        QFETCH(bool, povoleno);
        TOkno t;
        t.B->setFixedWidth(200);
        t.B->SetAlignment(Qt::AlignRight);
        t.B->setText(u"88"_s);
        t.B->setEnabled(povoleno);
        const QPair<int, int> r = RozsahTextu(t.B->grab().toImage(), !povoleno);
        QVERIFY2(r.first > 150, qPrintable(QString::number(r.first)));
        QVERIFY(r.second > 190);
        if (povoleno) {
            // While edited it is an ordinary left-aligned edit.
            t.B->setFocus(Qt::TabFocusReason);
            QCoreApplication::processEvents();
            QTest::keyClick(t.B, Qt::Key_End);
            QVERIFY(RozsahTextu(t.B->grab().toImage(), false).first < 30);
        }
    }

    void mrizka_radky()
    {
        TZColorStringGrid g;
        QCOMPARE(g.RowCount(), 2);
        g.SetRowCount(6);
        QCOMPARE(g.RowCount(), 6);
        g.SetCells(1, 5, u"Pavla"_s);
        QCOMPARE(g.Cells(1, 5), u"Pavla"_s);
        g.SetRowCount(1); // never below the header and one data row
        QCOMPARE(g.RowCount(), 2);
        QCOMPARE(g.Cells(1, 5), QString());
    }
};

QTEST_MAIN(TestSEdit)
#include "TestSEdit.moc"
