// The entry field and the names grid on their own.
#include "DvaPripady.h"
#include "SEdit.h"
#include "ZColorStringGrid.h"

#include <QApplication>
#include <QClipboard>
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

// Types any text, diacritics included, as key presses: the character is the event's
// text, as a keyboard layout delivers it.
void Pis(QWidget *w, const QString &text, Qt::KeyboardModifiers modifikatory = Qt::NoModifier)
{
    for (const QChar z : text) {
        const Qt::Key k = z.unicode() < 128 ? Qt::Key(z.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, k, QString(z), modifikatory);
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
        QTest::addColumn<int>("typ"); // TValueType
        QTest::addColumn<QString>("psano");
        QTest::addColumn<int>("modifikatory");
        QTest::addColumn<QString>("vysledek");
        const int cislo = int(TValueType::vtNumber), cas = int(TValueType::vtCas),
                  text = int(TValueType::vtString);
        const int bez = Qt::NoModifier, alt = Qt::AltModifier, meta = Qt::MetaModifier,
                  shift = Qt::ShiftModifier, numericka = Qt::KeypadModifier;
        QTest::newRow("cislice") << cislo << u"0700"_s << bez << u"0700"_s;
        QTest::newRow("pismena pryc") << cislo << u"1a2-3 x"_s << bez << u"123"_s;
        // The Czech layout's number row without Shift is the digits, Caps Lock or not.
        QTest::newRow("ceska rada") << cislo << u"+ěščřžýáíé"_s << bez << u"1234567890"_s;
        QTest::newRow("ceska rada velka") << cislo << u"ĚŠČ"_s << bez << u"234"_s;
        QTest::newRow("shift") << cislo << u"1234567890"_s << shift << u"1234567890"_s;
        QTest::newRow("numericka") << cislo << u"4+2"_s << numericka << u"42"_s;
        QTest::newRow("alt nic") << cislo << u"pi1ě"_s << alt << QString();
        QTest::newRow("meta nic") << cislo << u"ab"_s << meta << QString();
        QTest::newRow("alt nic v textu") << text << u"pi"_s << alt << QString();
        QTest::newRow("cas") << cas << u"7:00"_s << bez << u"7:00"_s;
        QTest::newRow("cas cesky") << cas << u"ý.éé"_s << bez << u"7.00"_s;
        QTest::newRow("cas bez pismen") << cas << u"7h30"_s << bez << u"730"_s;
        QTest::newRow("text bere vse") << text << u"Žluť 7:00"_s << bez << u"Žluť 7:00"_s;
    }
    void filtr()
    {
        QFETCH(int, typ);
        QFETCH(QString, psano);
        QFETCH(int, modifikatory);
        QFETCH(QString, vysledek);
        TOkno t;
        t.A->ValueType = TValueType(typ);
        t.A->setMaxLength(10);
        Pis(t.A, psano, Qt::KeyboardModifiers(modifikatory));
        QCOMPARE(t.A->text(), vysledek);
        if (vysledek.isEmpty())
            return;
        // Control keys still work on a numeric field.
        QTest::keyClick(t.A, Qt::Key_Backspace);
        QCOMPARE(t.A->text(), vysledek.chopped(1));
    }

    void vlozeny_text_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("schranka");
        QTest::addColumn<QString>("vysledek");
        // Filtered before the length is applied: "1 234 567" is seven digits, not "1 23".
        QTest::newRow("cislo") << int(TValueType::vtNumber) << u"1a2ř 3"_s << u"91253"_s;
        QTest::newRow("mezery") << int(TValueType::vtNumber) << u"1 234 567"_s << u"912345"_s;
        QTest::newRow("znamenko neni 1") << int(TValueType::vtNumber) << u"+42"_s << u"942"_s;
        QTest::newRow("cas") << int(TValueType::vtCas) << u"7:30 h"_s << u"97:30"_s;
        QTest::newRow("text") << int(TValueType::vtString) << u"a+b"_s << u"9a+b"_s;
    }
    void vlozeny_text()
    {
        QFETCH(int, typ);
        QFETCH(QString, schranka);
        QFETCH(QString, vysledek);
        TOkno t;
        t.A->ValueType = TValueType(typ);
        t.A->setMaxLength(6);
        Pis(t.A, u"9"_s);
        QGuiApplication::clipboard()->setText(schranka);
        QTest::keyClick(t.A, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(t.A->text(), vysledek);
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
        // A key typed before the selection has happened replaces the text all the same.
        QTest::keyClick(t.B, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(t.A, Qt::Key_Tab);
        QTest::keyClicks(t.B, u"78"_s);
        QCOMPARE(t.B->text(), u"78"_s);
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
