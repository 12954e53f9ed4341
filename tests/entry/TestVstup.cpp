// The entry window driven with real key events, offscreen.
#include "DvaPripady.h"
#include "R_vstup.h"

#include "Denik.h"
#include "EChyba.h"
#include "HlaskaF.h"
#include "KontrolniPorizeni.h"
#include "R_rozdily.h"
#include "R_znovu.h"
#include "SouboryTestu.h"
#include "Stanice.h"
#include "StaniceSDaty.h"
#include "ZacatekKontroly.h"
#include "ZkusebniOkrsek.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A control of the window by its object name, as the acceptance runs find it.
template <typename T> T *Prvek(const QWidget &o, const QString &jmeno)
{
    T *w = o.findChild<T *>(jmeno);
    if (!w)
        qFatal("no control %s", qPrintable(jmeno));
    return w;
}

// Row i of a control made once for each party or candidate ("EdHlasyKand" 7).
template <typename T> T *Radek(const QWidget &o, const QString &jmeno, std::size_t i)
{
    return Prvek<T>(o, jmeno + QString::number(i));
}

QWidget *Panel(const QWidget &o, std::size_t stranka)
{
    return Prvek<QTabWidget>(o, u"R_TN_T3HL"_s)->widget(int(stranka));
}

// Answers like the queue and remembers which check each error dialog reported.
class TDotaznikHlasek : public TDotaznikFronta
{
public:
    THlaskaF *Hlaska = nullptr;
    QStringList Hlasky;
    // The dialog of this name really runs, driven by `Ridic` once it is up.
    QString Spustit;
    std::function<void()> Ridic;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override
    {
        if (Hlaska && nazev == Hlaska->objectName())
            Hlasky.append(Hlaska->ChybaL->text());
        if (nazev == Spustit) {
            Dialogy.append(nazev);
            QTimer::singleShot(0, Ridic);
            return ukaz();
        }
        return TDotaznikFronta::ProvedDialog(nazev, ukaz);
    }
};

// Parties given by their candidates: 'A' stands, 'N' struck off.
void ZapisStrany(const TAdresare &adr, const QStringList &strany)
{
    QByteArray s, k;
    for (int a = 1; a <= strany.size(); ++a) {
        TStranaRec st;
        st.KodObceZast = u"500011"_s;
        st.CObvodu = u"1"_s;
        st.PorCislo = u"%1"_s.arg(a, 3, 10, QChar(u'0'));
        st.NazevZkr = u"Strana č. %1"_s.arg(a);
        st.Nazev = st.NazevZkr;
        st.PocetKand = QString::number(strany[a - 1].size());
        s += ZakodujStranu(st);
        for (int i = 1; i <= strany[a - 1].size(); ++i) {
            TKandidatRec kd;
            kd.KodObceZast = u"500011"_s;
            kd.CObvodu = u"1"_s;
            kd.PorCisloStrany = QString::number(a);
            kd.PorCisloKand = QString::number(i);
            kd.Jmeno = u"Šárka"_s;
            kd.Prijmeni = u"Kandidátová %1"_s.arg(i);
            kd.Platnost = QString(strany[a - 1].at(i - 1));
            k += ZakodujKandidata(kd);
        }
    }
    Soubory::UlozAtomicky(adr.AdrStanice + u"STRANY.RCD"_s, s);
    Soubory::UlozAtomicky(adr.AdrStanice + u"KANDIDAT.RCD"_s, k);
}

struct TProstredi : TStaniceSDaty<TDotaznikHlasek>
{
    std::unique_ptr<THlaskaF> Hlaska;
    std::unique_ptr<TR_Vstupni_Form> Okno;

    explicit TProstredi(const TParametryStanice &p = {}) : TStaniceSDaty(p)
    {
        Hlaska = std::make_unique<THlaskaF>(CiselnikChyb);
        Dotaznik().Hlaska = Hlaska.get();
    }
    TR_Vstupni_Form &Otevri(bool kontrolni = false)
    {
        Okno = std::make_unique<TR_Vstupni_Form>(*this, *Hlaska, u"Zkouška"_s);
        Okno->FormShow(kontrolni);
        Okno->show();
        if (!QTest::qWaitForWindowActive(Okno.get()))
            qWarning("window not active");
        return *Okno;
    }
};

// Types into the focused widget and leaves with Enter; the posted Tab is then handled.
void Napis(const QString &text, bool enter = true)
{
    // The field selects its text once the focus has settled.
    QCoreApplication::processEvents();
    QWidget *w = QApplication::focusWidget();
    QVERIFY(w);
    if (!text.isEmpty())
        QTest::keyClicks(w, text);
    if (enter) {
        QTest::keyClick(w, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
}

void Klavesa(Qt::Key k, Qt::KeyboardModifiers modifikatory = Qt::NoModifier)
{
    QWidget *w = QApplication::focusWidget();
    QTest::keyClick(w ? w : QApplication::activeWindow(), k, modifikatory);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Page Down to the ballot page, Enter on its party list: the first party's first
// standing candidate, the way a member gets there.
void NaPrvnihoKandidata()
{
    for (int i = 0; i < 3; ++i)
        Klavesa(Qt::Key_PageDown);
    Klavesa(Qt::Key_Return);
}

// Types a key as the Czech layout delivers it: the character as its text.
void Znak(QChar z, Qt::KeyboardModifiers modifikatory = Qt::NoModifier)
{
    QWidget *w = QApplication::focusWidget();
    QVERIFY(w);
    const Qt::Key k =
        z.isDigit() || (z >= u'a' && z <= u'z') ? Qt::Key(z.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, w, k, QString(z), modifikatory);
    QCoreApplication::processEvents();
}

// Types the counts of page 1 and every standing candidate's votes of `v` with the
// number keys and Enter only, the same rhythm for every party: on the list Enter, then
// each vote and Enter (a 0 left as shown). With `naSeznamu` the first vote is typed
// straight onto the list. Parties with nobody standing are never stopped on.
void NapisOddilIIAHlasy(TR_Vstupni_Form &o, const QStringList &strany, const TVysledky &v,
                        bool naSeznamu = false)
{
    const auto fokus = [] { return QApplication::focusWidget(); };
    QCOMPARE(o.Stranka(), 1);
    const TOkrsekRec &h = v.VetaT3;
    for (const int pocet : {h.ZapsOsoby, int(h.VydObalky), int(h.OdevzdObalky), h.PlatneHlasy})
        Napis(QString::number(pocet));
    QCOMPARE(fokus(), Prvek<QPushButton>(o, u"R_Dalsi2_Btn"_s));
    Klavesa(Qt::Key_Return);

    for (int s = 1; s <= int(strany.size()); ++s) {
        const QString kdo = u"strana %1"_s.arg(s);
        if (!strany[s - 1].contains(u'A')) {
            // Passed over, and named on the status line, the only one shown.
            const QLabel *radek = Prvek<QLabel>(o, u"R_StavRadek_Lbl"_s);
            QVERIFY2(radek->text().contains(u"Strana č. %1"_s.arg(s)),
                     qPrintable(kdo + u": "_s + radek->text()));
            QVERIFY(radek->isVisible() && !Prvek<QLabel>(o, u"R_StavL"_s)->isVisible());
            continue;
        }
        QVERIFY2(o.Stranka() == 3 && fokus() == Prvek<QComboBox>(o, u"R_CBHL_1"_s),
                 qPrintable(kdo));
        QCOMPARE(Prvek<QComboBox>(o, u"R_CBHL_1"_s)->currentIndex(), s - 1);
        const auto hlasy = [&](int i) {
            return int(v.StranyHL[std::size_t(s)].HlasyKand[std::size_t(i)]);
        };
        const int prvni = int(strany[s - 1].indexOf(u'A')) + 1;
        if (naSeznamu && hlasy(prvni) > 0) {
            const QString text = QString::number(hlasy(prvni));
            for (const QChar z : text)
                Znak(z);
            QVERIFY2(fokus() == Radek<TSEdit>(o, u"EdHlasyKand"_s, prvni), qPrintable(kdo));
            QCOMPARE(Radek<TSEdit>(o, u"EdHlasyKand"_s, prvni)->text(), text);
        } else {
            Klavesa(Qt::Key_Return); // leaves the list: the first standing candidate
        }
        for (int i = 1; i <= strany[s - 1].size(); ++i) {
            if (strany[s - 1].at(i - 1) != u'A')
                continue;
            QVERIFY2(fokus() == Radek<TSEdit>(o, u"EdHlasyKand"_s, i) &&
                         o.Stranka() == (i <= 34 ? 3 : 4),
                     qPrintable(kdo + u", kandidát %1"_s.arg(i)));
            const bool napsano = naSeznamu && i == prvni && hlasy(i) > 0;
            Napis(hlasy(i) && !napsano ? QString::number(hlasy(i)) : QString());
        }
    }
}

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double Jas(const QColor &c)
{
    const auto slozka = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * slozka(c.redF()) + 0.7152 * slozka(c.greenF()) + 0.0722 * slozka(c.blueF());
}

double Kontrast(const QColor &a, const QColor &b)
{
    const double x = Jas(a), y = Jas(b);
    return (qMax(x, y) + 0.05) / (qMin(x, y) + 0.05);
}

// The colour most of the image has: the page's own.
QColor BarvaStranky(const QImage &obr)
{
    QHash<QRgb, int> pocty;
    for (int y = 0; y < obr.height(); ++y) {
        for (int x = 0; x < obr.width(); ++x)
            ++pocty[obr.pixel(x, y)];
    }
    return QColor(std::max_element(pocty.cbegin(), pocty.cend()).key());
}

// The files a save of the window may touch, by name, with their content.
QMap<QString, QByteArray> SouboryStanice(const TAdresare &adr)
{
    QMap<QString, QByteArray> m;
    for (const QFileInfo &f : QDir(adr.AdrData).entryInfoList(QDir::Files))
        m.insert(f.fileName(), Obsah(f.filePath()));
    m.insert(u"STANICE.RCD"_s, Obsah(adr.AdrStanice + u"STANICE.RCD"_s));
    return m;
}

// A stored value as text: "ZapsOsoby", "Hlas1" (party 1, candidate 1) or "Zahajeno1".
QString UlozenaHodnota(const TProstredi &t, bool kontrolni, const QString &co)
{
    if (co == u"Zahajeno1")
        return Soubory::Existuje(t.Adresare.AdrData, u"HLASO.RCD"_s)
                   ? NactiHlasovani(t.Adresare.AdrData).Zahajeno1
                   : QString();
    TVysledky v;
    if (kontrolni) {
        KontrolniPorizeni::Nacti(t.Adresare, t.AktOkrsek, v);
    } else {
        const QString prefix = AktualniPrefix(t.Adresare, t.AktOkrsek);
        if (prefix.isEmpty())
            return {};
        NactiOkrsek(t.Adresare, t.AktOkrsek, prefix, v);
    }
    return co == u"Hlas1" ? QString::number(v.StranyHL[1].HlasyKand[1])
                          : QString::number(v.VetaT3.ZapsOsoby);
}

int RadkuDeniku(const TAdresare &adr, const QString &text)
{
    return int(QString::fromUtf8(Obsah(adr.AdrStanice + u"DENIK.TXT"_s)).count(text));
}

} // namespace

class TestVstup : public QObject
{
    Q_OBJECT

private slots:
    void init() { Soubory::NastavPoruchu(nullptr); }

    void pocty_oddilu_II()
    {
        TProstredi t({.PocetStran = 5});
        UlozOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, PlatnyOkrsek(5, 10, 160));
        TR_Vstupni_Form &o = t.Otevri();
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdZahajeno1"_s));
        Klavesa(Qt::Key_PageDown);
        QCOMPARE(o.Stranka(), 1);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s));
        Napis(u"1000"_s);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_EdVydObalky"_s));
        Napis(u"0700"_s);
        Napis(u"698"_s);
        Napis(u"8000"_s);
        QCoreApplication::processEvents();
        const TOkrsekRec &h = t.Vysledky.VetaT3;
        QCOMPARE(h.ZapsOsoby, 1000);
        QCOMPARE(h.VydObalky, quint16(700));
        QCOMPARE(Prvek<TSEdit>(o, u"R_EdVydObalky"_s)->text(), u"700"_s);
        QCOMPARE(h.OdevzdObalky, quint16(698));
        QCOMPARE(h.PlatneHlasy, 8000);
        QCOMPARE(h.Poc_VS_HL, quint16(5));
        QCOMPARE(h.T3KC_2, 10409);
        QCOMPARE(Prvek<TSEdit>(o, u"R_EdT3KC_2"_s)->text(), u"10409"_s);
        QCOMPARE(Prvek<TSEdit>(o, u"R_EdT3KC_1"_s)->text(), u"6"_s); // 500011 / 1
        QCOMPARE(t.Dotaznik().Hlasky, QStringList());
        // Enter on the last count moves on to the button.
        QCOMPARE(QApplication::focusWidget(), Prvek<QPushButton>(o, u"R_Dalsi2_Btn"_s));
    }

    void pismeno_a_prazdne_pole()
    {
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        Klavesa(Qt::Key_PageDown);
        Napis(u"12a3"_s, false);
        QCOMPARE(Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s)->text(), u"123"_s);
        // Emptied and left: "0", stored as 0; check 06 fails and hides 96 and 93.
        QTest::keyClick(Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s), Qt::Key_Backspace);
        Napis(QString());
        QCOMPARE(Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s)->text(), u"0"_s);
        QCOMPARE(t.Vysledky.VetaT3.ZapsOsoby, 0);
        QTRY_COMPARE(t.Dotaznik().Hlasky, QStringList{u"Chyba č. 6"_s});
        QCOMPARE(t.Hlaska->IgnorovatBtn->text(), u"&Potvrdit"_s);
        // Answered "&Potvrdit": the focus stays where Enter put it.
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_EdVydObalky"_s));
        // A value far from the reference count: warning 96 with the reference as parameter.
        QTest::keyClick(Prvek<TSEdit>(o, u"R_EdVydObalky"_s), Qt::Key_Tab, Qt::ShiftModifier);
        QCoreApplication::processEvents();
        t.Dotaznik().Hlasky.clear();
        t.Dotaznik().ZaradVysledekDialogu(1); // "&Opravit"
        Napis(u"5000"_s);
        QTRY_COMPARE(t.Dotaznik().Hlasky, QStringList{u"Upozornění (č. 96)"_s});
        QVERIFY(t.Hlaska->HlaskaL->text().contains(u"1000"_s));
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s));
    }

    void klavesy_v_ciselnych_polich_data()
    {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("psano"); // as the Czech layout types it without Shift
        QTest::addColumn<QString>("ulozeno");
        QTest::newRow("cas") << u"R_SEdZahajeno1"_s << u"ý:éé"_s << u"7:00"_s;
        QTest::newRow("hodina") << u"R_SEdOdrocenoH"_s << u"+č"_s << u"14"_s;
        QTest::newRow("pocet volicu") << u"R_EdZapsOsoby"_s << u"ěščř"_s << u"2345"_s;
        QTest::newRow("platne hlasy") << u"R_EdPlatneHlasy"_s << u"ž+é"_s << u"610"_s;
        QTest::newRow("hlasy kandidata") << u"EdHlasyKand2"_s << u"+é"_s << u"10"_s;
        QTest::newRow("clenu komise") << u"R_SEdClenuOVKC"_s << u"ý"_s << u"7"_s;
    }
    void klavesy_v_ciselnych_polich()
    {
        QFETCH(QString, pole);
        QFETCH(QString, psano);
        QFETCH(QString, ulozeno);
        TProstredi t({.PocetStran = 1});
        ZapisStrany(t.Adresare, {u"AAA"_s});
        TR_Vstupni_Form &o = t.Otevri();
        auto *cil = o.findChild<TSEdit *>(pole);
        QVERIFY(cil);
        // Reached with the keys alone: Page Down to its page, then Tab.
        for (int i = 0; !Prvek<QTabWidget>(o, u"R_TN_T3HL"_s)->currentWidget()->isAncestorOf(cil);
             ++i) {
            QVERIFY(i < 6);
            Klavesa(Qt::Key_PageDown);
        }
        for (int i = 0; QApplication::focusWidget() != cil; ++i) {
            QVERIFY2(i < 60, qPrintable(QApplication::focusWidget()->objectName()));
            Klavesa(Qt::Key_Tab);
        }
        for (const QChar z : psano)
            Znak(z);
        // Alt+P, Alt+I, Alt+A, Alt+B, pressed a moment before the dialog they were meant for.
        for (const QChar z : u"piab"_s)
            Znak(z, Qt::AltModifier);
        QCOMPARE(cil->text(), ulozeno);
        Klavesa(Qt::Key_Return);
        const std::map<QString, QString> ulozene{
            {u"R_SEdZahajeno1"_s, t.Hlasovani.Zahajeno1},
            {u"R_SEdOdrocenoH"_s, t.Hlasovani.OdrocenoH},
            {u"R_EdZapsOsoby"_s, QString::number(t.Vysledky.VetaT3.ZapsOsoby)},
            {u"R_EdPlatneHlasy"_s, QString::number(t.Vysledky.VetaT3.PlatneHlasy)},
            {u"EdHlasyKand2"_s, QString::number(t.Vysledky.StranyHL[1].HlasyKand[2])},
            {u"R_SEdClenuOVKC"_s, t.Hlasovani.ClenuOVKC}};
        QCOMPARE(ulozene.at(pole), ulozeno);
        QCOMPARE(cil->text(), ulozeno);
    }

    // Esc does nothing on page 0; from page 1 on it is "Zrušit": no message for the
    // field left half typed; the close question is answered No.
    void zrusit_bez_hlasky()
    {
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        Klavesa(Qt::Key_Escape);
        QVERIFY(t.Dotaznik().Zpravy.isEmpty());
        QVERIFY(o.isVisible());
        Klavesa(Qt::Key_PageDown);
        Klavesa(Qt::Key_Backspace);
        Klavesa(Qt::Key_Escape);
        QCOMPARE(t.Dotaznik().Zpravy.size(), 1);
        QCOMPARE(t.Dotaznik().Zpravy[0].Text,
                 u"Opravdu ukončit pořizování bez uložení změn na aktuální záložce?"_s);
        QVERIFY(t.Dotaznik().Zpravy[0].VychoziNe);
        QVERIFY(o.isVisible());
        QVERIFY(t.Dotaznik().Hlasky.isEmpty());
    }

    void stranky_dokola()
    {
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        Klavesa(Qt::Key_PageUp);
        QCOMPARE(o.Stranka(), 5);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdClenuOVKC"_s));
        Klavesa(Qt::Key_PageDown);
        QCOMPARE(o.Stranka(), 0);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdZahajeno1"_s));
        Klavesa(Qt::Key_PageDown);
        Klavesa(Qt::Key_PageDown);
        QCOMPARE(o.Stranka(), 2);
        Klavesa(Qt::Key_PageDown);
        QCOMPARE(o.Stranka(), 3);
        QCOMPARE(QApplication::focusWidget(), Prvek<QComboBox>(o, u"R_CBHL_1"_s));
        Klavesa(Qt::Key_PageDown);
        QCOMPARE(o.Stranka(), 4);
        // Only ten candidates: candidate 35 is disabled, so nothing on the page takes the focus.
        QVERIFY(!Radek<TSEdit>(o, u"EdHlasyKand"_s, 35)->hasFocus());
        QVERIFY(t.Dotaznik().Zpravy.isEmpty());
    }

    // A typed value reaches the disk while it is still being typed: a pause of the keys
    // stores it with no check and no dialog, leaving the field as it is; "Ano" to the
    // close question then puts every file back as it was when the page was entered
    // (here on page 0 an exported "O" file with its export state).
    void ulozeni_pri_necinnosti_data()
    {
        QTest::addColumn<bool>("kontrolni");
        QTest::addColumn<QList<int>>("klavesy"); // from the first page to the field
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("co");
        QTest::newRow("oddíl I, exportovaná data")
            << false << QList<int>{} << u"0715"_s << u"Zahajeno1"_s;
        QTest::newRow("počet voličů")
            << false << QList<int>{Qt::Key_PageDown} << u"1012"_s << u"ZapsOsoby"_s;
        QTest::newRow("hlas kandidáta")
            << false
            << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Return}
            << u"77"_s << u"Hlas1"_s;
        QTest::newRow("kontrolní pořízení") << true << QList<int>{} << u"1012"_s << u"ZapsOsoby"_s;
    }
    void ulozeni_pri_necinnosti()
    {
        QFETCH(bool, kontrolni);
        QFETCH(QList<int>, klavesy);
        QFETCH(QString, text);
        QFETCH(QString, co);
        TProstredi t;
        UlozOkrsek(t.Adresare, t.AktOkrsek, u"O"_s, PlatnyOkrsek(3, 10, 160));
        ZapisStavExportu(t.Adresare.AdrStanice, 1, u"A"_s, t.Stanice);
        TR_Vstupni_Form &o = t.Otevri(kontrolni);
        for (const int k : klavesy)
            Klavesa(Qt::Key(k));
        const QMap<QString, QByteArray> pred = SouboryStanice(t.Adresare);
        auto *pole = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(pole);
        const qsizetype dialogu = t.Dotaznik().Dialogy.size();
        Napis(text, false);
        const QString napsano = pole->text();
        QVERIFY(napsano.contains(text.right(2)));

        QTRY_COMPARE_WITH_TIMEOUT(UlozenaHodnota(t, kontrolni, co), napsano, 10000);
        QVERIFY(t.Dotaznik().Zpravy.isEmpty());
        QCOMPARE(t.Dotaznik().Dialogy.size(), dialogu); // no check ran
        QCOMPARE(QApplication::focusWidget(), pole);
        QCOMPARE(pole->text(), napsano);
        if (!kontrolni) // changed data are no longer the exported ones
            QCOMPARE(NactiStanici(t.Adresare.AdrStanice).Stav1, u"N"_s);

        t.Dotaznik().ZaradOdpoved(TOdpoved::Ano);
        o.close();
        QCoreApplication::processEvents();
        QVERIFY(!o.isVisible());
        QCOMPARE(SouboryStanice(t.Adresare), pred);
    }

    // Typing on without a pause is stored at least every two seconds, and the journal
    // gets one line for the period, not one per save. A failed idle save is said once
    // in the status line, never in a box that would take the digits; it is retried.
    void psani_bez_prestavky()
    {
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        Klavesa(Qt::Key_PageDown);
        const int radku = RadkuDeniku(t.Adresare, u"uložení: "_s);
        Soubory::NastavPoruchu(
            [](Soubory::KrokUkladani k) { return k == Soubory::KrokUkladani::Zapis ? 28 : 0; });
        Napis(u"5"_s, false);
        QTRY_VERIFY_WITH_TIMEOUT(Prvek<QLabel>(o, u"R_StavovyRadek"_s)
                                     ->text()
                                     .startsWith(u"Průběžné uložení se nepodařilo: "_s),
                                 10000);
        QVERIFY(t.Dotaznik().Zpravy.isEmpty());
        Soubory::NastavPoruchu(nullptr);

        // Keys every 0.1 s for 3 s: the saves come from the two-second rule.
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), i % 2 ? Qt::Key_Backspace : Qt::Key_7);
            QTest::qWait(100);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_8);
        QTRY_COMPARE_WITH_TIMEOUT(UlozenaHodnota(t, false, u"ZapsOsoby"_s), u"58"_s, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(Prvek<QLabel>(o, u"R_StavovyRadek"_s)->text().isEmpty(), 10000);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s));
        // A machine that stalls for a second between two keys makes a second period;
        // one line per save would be at least three.
        const int novych = RadkuDeniku(t.Adresare, u"uložení: "_s) - radku;
        QVERIFY2(novych >= 1 && novych <= 2, qPrintable(QString::number(novych)));
        QVERIFY(t.Dotaznik().Zpravy.isEmpty());
    }

    // Opening the control entry over an existing control file: a damaged one is set
    // aside into data/Zrusena only with "Ano"; an interrupted one says since when it
    // waits and is set aside only when the member starts again.
    void zacatek_kontrolniho_porizeni_data()
    {
        QTest::addColumn<bool>("poskozeny");
        QTest::addColumn<bool>("ano");
        QTest::addColumn<bool>("otevrit");
        QTest::newRow("poškozený, Ano") << true << true << true;
        QTest::newRow("poškozený, Ne") << true << false << false;
        QTest::newRow("přerušený, pokračovat") << false << false << true;
        QTest::newRow("přerušený, znovu") << false << true << true;
    }
    void zacatek_kontrolniho_porizeni()
    {
        QFETCH(bool, poskozeny);
        QFETCH(bool, ano);
        QFETCH(bool, otevrit);
        TProstredi t;
        const QString soubor = KontrolniPorizeni::JmenoSouboru(t.Adresare, t.AktOkrsek);
        TVysledky v = PlatnyOkrsek();
        v.VetaTS.CasPorizeni = u"214759"_s;
        KontrolniPorizeni::Uloz(t.Adresare, t.AktOkrsek, v);
        if (poskozeny) {
            QFile f(soubor);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("poškozený kontrolní zápis");
        }
        const QByteArray obsah = Obsah(soubor);
        t.Dotaznik().ZaradOdpoved(ano ? TOdpoved::Ano : TOdpoved::Ne);
        QCOMPARE(PripravKontrolniPorizeni(t.Dotaznik(), t.Adresare, t.AktOkrsek), otevrit);

        QCOMPARE(t.Dotaznik().Zpravy.size(), 1);
        const TZprava &z = t.Dotaznik().Zpravy[0];
        QVERIFY(z.AnoNe);
        QCOMPARE(z.VychoziNe, !poskozeny);
        QVERIFY2(z.Text.startsWith(poskozeny ? u"Soubor "_s
                                             : u"Pokračujete v kontrolním pořízení z 21:47."_s),
                 qPrintable(z.Text));
        const QFileInfoList odlozene =
            QDir(t.Adresare.AdrData + u"Zrusena"_s).entryInfoList(QDir::Files);
        QCOMPARE(QFileInfo::exists(soubor), !ano);
        QCOMPARE(odlozene.size(), ano ? 1 : 0);
        if (ano) {
            QCOMPARE(Obsah(odlozene[0].filePath()), obsah);
            QCOMPARE(RadkuDeniku(t.Adresare, u"kontrolní pořízení odloženo: "_s), 1);
            // The window then starts from empty fields.
            TR_Vstupni_Form &o = t.Otevri(true);
            QCOMPARE(Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s)->text(), QString());
        }
    }

    void zavreni_data() { DvaPripady("ano", "ne", "ano"); }
    void zavreni()
    {
        QFETCH(bool, ano);
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        Klavesa(Qt::Key_PageDown);
        QVERIFY(QFile::remove(t.Soubor(u"E"_s)));
        Napis(u"321"_s, false);
        t.Dotaznik().ZaradOdpoved(ano ? TOdpoved::Ano : TOdpoved::Ne);
        o.close();
        QCoreApplication::processEvents();
        QCOMPARE(o.isVisible(), !ano);
        QCOMPARE(o.Ukonceni, ano);
        // Closing with Yes does not save on its way to page 0.
        QVERIFY(!QFile::exists(t.Soubor(u"E"_s)));
        if (!ano) {
            QCOMPARE(o.Stranka(), 1);
            QCOMPARE(Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s)->text(), u"321"_s);
        } else {
            QCOMPARE(o.Stranka(), 0);
        }
    }

    void pruchod_hlasovacim_listkem()
    {
        TProstredi t({.PocetStran = 3});
        QString prvni = u"ANAA"_s + QString(32, u'A'); // 36 candidates, no. 2 struck off
        ZapisStrany(t.Adresare, {prvni, u"AAN"_s, u"NN"_s});
        TR_Vstupni_Form &o = t.Otevri();
        NaPrvnihoKandidata();
        QCOMPARE(o.Stranka(), 3);
        QCOMPARE(Prvek<QComboBox>(o, u"R_CBHL_1"_s)->count(), 3);
        QCOMPARE(Prvek<QComboBox>(o, u"R_CBHL_1"_s)->itemText(0), u"01: Strana č. 1"_s);
        QCOMPARE(o.Pravidla().PoslPlatnyKand(), 36);
        QCOMPARE(Radek<TSEdit>(o, u"EdHlasyKand"_s, 2)->text(), u"N"_s);
        QVERIFY(!Radek<TSEdit>(o, u"EdHlasyKand"_s, 2)->isEnabled());
        QCOMPARE(Radek<QLabel>(o, u"LabJmenoKand"_s, 1)->text(), u"Š. Kandidátová 1"_s);
        QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 1));
        Napis(u"50"_s);
        // The struck-off candidate is skipped.
        QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 3));
        for (int i = 3; i <= 34; ++i)
            Napis(QString::number(i));
        // From 34 to page 4, candidate 35.
        QCOMPARE(o.Stranka(), 4);
        QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 35));
        QVERIFY(QFile::exists(t.Soubor(u"E"_s)));
        Napis(u"35"_s);
        Napis(u"36"_s);
        // Last standing candidate on page 4: back to page 3 with the next party.
        QCOMPARE(o.Stranka(), 3);
        QCOMPARE(Prvek<QComboBox>(o, u"R_CBHL_1"_s)->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), Prvek<QComboBox>(o, u"R_CBHL_1"_s));
        const TStranaHLRec &s1 = t.Vysledky.StranyHL[1];
        QCOMPARE(s1.HlasyKand[1], quint16(50));
        QCOMPARE(s1.HlasyKand[36], quint16(36));
        int soucet = 50;
        for (int i = 3; i <= 36; ++i)
            soucet += i;
        QCOMPARE(s1.PocHl, soucet);
        QCOMPARE(s1.HLKC2, soucet + 1);
        QCOMPARE(s1.HLPoslKand, quint16(36));
        QCOMPARE(Radek<TSEdit>(o, u"EdKCStrany"_s, 1)->text(), QString::number(soucet + 1));
        // Party 2: candidate 2 is its last standing one; Enter there passes over party 3,
        // the last, which has nobody standing: page 5, and the status line says so.
        Klavesa(Qt::Key_Tab); // leaves the list for the first candidate
        QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 1));
        Napis(u"7"_s);
        Napis(u"0"_s);
        QCOMPARE(o.Stranka(), 5);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdClenuOVKC"_s));
        QCOMPARE(Prvek<QLabel>(o, u"R_StavRadek_Lbl"_s)->text(),
                 u"Přeskočena strana, za kterou nikdo nekandiduje: "_s +
                     Prvek<QComboBox>(o, u"R_CBHL_1"_s)->itemText(2));
        // Chosen with the arrows, party 3 shows its rows; leaving the list passes it over.
        Klavesa(Qt::Key_PageUp);
        Klavesa(Qt::Key_PageUp);
        QCOMPARE(QApplication::focusWidget(), Prvek<QComboBox>(o, u"R_CBHL_1"_s));
        Klavesa(Qt::Key_Down);
        QCOMPARE(Prvek<QComboBox>(o, u"R_CBHL_1"_s)->currentIndex(), 2);
        QCOMPARE(Radek<TSEdit>(o, u"EdHlasyKand"_s, 1)->text(), u"N"_s);
        QCOMPARE(Radek<QLabel>(o, u"LabJmenoKand"_s, 3)->text(), QString(32, u'-'));
        QCOMPARE(Radek<TSEdit>(o, u"EdHlasyKand"_s, 3)->text(), u"0"_s);
        QVERIFY(!Radek<TSEdit>(o, u"EdHlasyKand"_s, 3)->isEnabled());
        // Leaving the list (here for the next page's tab) passes over party 3, the last.
        QTabBar *zalozky = Prvek<QTabWidget>(o, u"R_TN_T3HL"_s)->tabBar();
        QTest::mouseClick(zalozky, Qt::LeftButton, {}, zalozky->tabRect(4).center());
        QTRY_COMPARE(o.Stranka(), 5);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdClenuOVKC"_s));
        QCOMPARE(t.Vysledky.StranyHL[2].HLPoslKand, quint16(1));
        QCOMPARE(t.Vysledky.VetaT3.Poc_VS_HL, quint16(2));
        // The file holds what was typed.
        TVysledky ulozene;
        NactiOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, ulozene);
        QCOMPARE(ulozene.StranyHL[1].HlasyKand, s1.HlasyKand);
        QCOMPARE(ulozene.StranyHL[2].HlasyKand[1], quint16(7));
    }

    // The whole ballot from the keyboard: Enter and the number keys on whatever has the
    // focus, from page 0 through every standing candidate to page 5 and on to page 0;
    // then the stored file holds every value and every derived sum.
    // The control entry from the keyboard: pages 1 to 4 from empty fields, the same
    // walk, and at its end "Porovnat". Equal entries only remove the control file; else
    // the list is worked by keys: back to the first difference to re-type it as the
    // first entry has it, then the open ones typed once more, blind, then a choice for
    // each one left, and exactly the chosen values reach the results file; the journal
    // says how each was decided.
    void kontrolni_porizeni_z_klavesnice_data()
    {
        QTest::addColumn<QStringList>("jinak"); // what the control entry types otherwise
        // After re-typing the first, "Zadat rozdíly znovu" per open difference: 1 types the
        // first value, 2 the control one, 0 neither, - is Esc; empty: not used.
        QTest::addColumn<QString>("znovu");
        QTest::addColumn<QString>("volby"); // then for each one open: 1 first, 2 control
        QTest::newRow("shodné") << QStringList{} << QString() << QString();
        QTest::newRow("překlepy v počtu i hlasech")
            << QStringList{u"VetaT3.ZapsOsoby=1001"_s, u"StranyHL[1].HlasyKand[1]=9"_s,
                           u"StranyHL[3].HlasyKand[35]=2"_s, u"StranyHL[3].HlasyKand[36]=6"_s}
            << QString() << u"212"_s;
        QTest::newRow("jen hlas na HL pokračování")
            << QStringList{u"StranyHL[3].HlasyKand[36]=0"_s, u"StranyHL[3].HlasyKand[1]=8"_s}
            << QString() << u"2"_s;
        const QStringList ctyri{u"VetaT3.ZapsOsoby=1001"_s, u"VetaT3.VydObalky=701"_s,
                                u"StranyHL[1].HlasyKand[1]=9"_s, u"StranyHL[3].HlasyKand[36]=0"_s};
        QTest::newRow("znovu jako první") << ctyri << u"111"_s << QString();
        QTest::newRow("znovu jako kontrolní") << ctyri << u"222"_s << QString();
        QTest::newRow("znovu ani jedno") << ctyri << u"000"_s << u"212"_s;
        QTest::newRow("znovu smíšeně, Esc") << ctyri << u"20-"_s << u"12"_s;
    }
    void kontrolni_porizeni_z_klavesnice()
    {
        QFETCH(QStringList, jinak);
        QFETCH(QString, znovu);
        QFETCH(QString, volby);
        const QStringList strany{u"AAA"_s, u"ANAA"_s, QString(36, u'A')};
        TVysledky prvni = PlatnyOkrsek(3, 0, 0);
        prvni.VetaT3.PlatneHlasy = 0;
        for (int s = 1; s <= 3; ++s) {
            for (int i = 1; i <= strany[s - 1].size(); ++i) {
                const int h = strany[s - 1].at(i - 1) == u'A' ? (s * 7 + i * 3) % 9 + 1 : 0;
                prvni.StranyHL[std::size_t(s)].HlasyKand[std::size_t(i)] = quint16(h);
                prvni.VetaT3.PlatneHlasy += h;
            }
        }
        Dopocti(prvni, 3);
        TProstredi t({.PocetStran = 3});
        ZapisStrany(t.Adresare, strany);
        UlozOkrsek(t.Adresare, t.AktOkrsek, u"O"_s, prvni);
        const QByteArray vysledky = Obsah(t.Soubor(u"O"_s));

        TR_Vstupni_Form &o = t.Otevri(true);
        QVERIFY(o.windowTitle().startsWith(u"Kontrolní pořízení - "_s));
        QVERIFY(!Prvek<QTabWidget>(o, u"R_TN_T3HL"_s)->isTabVisible(0) &&
                !Prvek<QTabWidget>(o, u"R_TN_T3HL"_s)->isTabVisible(5));
        QCOMPARE(o.Stranka(), 1);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s));
        // Blind: nothing of the first entry is shown.
        for (TSEdit *e :
             {Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s), Prvek<TSEdit>(o, u"R_EdVydObalky"_s),
              Prvek<TSEdit>(o, u"R_EdOdevzdObalky"_s), Prvek<TSEdit>(o, u"R_EdPlatneHlasy"_s),
              Radek<TSEdit>(o, u"EdHlasyKand"_s, 1)})
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName() + u": "_s + e->text()));

        // The pages wrap within 1 to 4.
        Klavesa(Qt::Key_PageUp);
        QCOMPARE(o.Stranka(), 4);
        Klavesa(Qt::Key_PageDown);
        QCOMPARE(o.Stranka(), 1);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s));

        TVysledky kontrolni = prvni;
        Uprav(kontrolni, jinak);
        NapisOddilIIAHlasy(o, strany, kontrolni);
        if (QTest::currentTestFailed())
            return;
        // The walk ends on "Porovnat".
        QCOMPARE(o.Stranka(), 1);
        QCOMPARE(QApplication::focusWidget(), Prvek<QPushButton>(o, u"PorovnatBtn"_s));
        QCOMPARE(Obsah(t.Soubor(u"O"_s)), vysledky);
        QVERIFY(KontrolniPorizeni::Existuje(t.Adresare, t.AktOkrsek));

        QList<TRozdil> rozdily;
        if (!jinak.isEmpty()) {
            auto ref = std::make_unique<TReference>();
            NactiStrany(t.Adresare, t.AktOkrsek, *ref);
            NactiKandidaty(t.Adresare, t.AktOkrsek, *ref);
            rozdily = PorovnejPorizeni(prvni, kontrolni, *ref);
        }
        // The second list holds all but the first; what the round and the keys decide.
        QList<TRozdil> zbyle = rozdily.mid(1);
        const auto hodnota = [](const TRozdil &x, QChar c) {
            return c == u'1' ? x.Prvni : c == u'2' ? x.Kontrolni : x.Prvni + x.Kontrolni + 1;
        };
        const qsizetype opakovano = znovu.contains(u'-') ? znovu.indexOf(u'-') : znovu.size();
        for (qsizetype i = 0; i < opakovano; ++i) {
            const qint64 h = hodnota(zbyle[i], znovu.at(i));
            if (h == zbyle[i].Prvni || h == zbyle[i].Kontrolni) {
                zbyle[i].Zvoleno = h;
                zbyle[i].PotvrzenoZapisem = true;
            }
        }
        qsizetype volba = 0;
        for (TRozdil &x : zbyle) {
            if (!x.Zvoleno)
                x.Zvoleno = volby.at(volba++) == u'1' ? x.Prvni : x.Kontrolni;
        }
        QCOMPARE(volba, volby.size());
        bool zpet = false;
        t.Dotaznik().Spustit = u"TR_Rozdily_F"_s;
        t.Dotaznik().Ridic = [&] {
            auto *d = qobject_cast<TR_Rozdily_F *>(QApplication::activeModalWidget());
            QVERIFY(d);
            // A failed check below must not leave the dialog waiting for keys.
            const auto zavri = qScopeGuard([d] {
                if (d->isVisible())
                    d->reject();
            });
            // The keys go where the dialog has its focus (offscreen, nothing activates it).
            const auto klavesa = [d](Qt::Key k) {
                QTest::keyClick(d->focusWidget(), k);
                QCoreApplication::processEvents();
            };
            QCOMPARE(d->focusWidget(), d->R_Rozdily_SG);
            // Every difference of the two entries, with both values.
            const qsizetype n = rozdily.size() - (zpet ? 1 : 0);
            QCOMPARE(d->R_Rozdily_SG->rowCount(), n);
            for (int r = 0; r < n; ++r) {
                const TRozdil &x = rozdily[r + (zpet ? 1 : 0)];
                QCOMPARE(d->R_Rozdily_SG->item(r, 3)->text(), QString::number(x.Prvni));
                QCOMPARE(d->R_Rozdily_SG->item(r, 4)->text(), QString::number(x.Kontrolni));
            }
            QVERIFY(!d->ZapsatBtn->isEnabled());
            // First back to the first difference ("Zpět k pořízení"), the second time the choices.
            if (!zpet) {
                zpet = true;
                for (int i = 0; i < 3; ++i)
                    klavesa(Qt::Key_Tab);
                QCOMPARE(d->focusWidget(), d->ZpetBtn);
                klavesa(Qt::Key_Space);
                return;
            }
            if (!znovu.isEmpty()) {
                // Keys on the focus of the active window, as a member types them.
                QTRY_COMPARE(QApplication::activeWindow(), d);
                QTimer::singleShot(0, [&] {
                    auto *z = qobject_cast<TR_Znovu_F *>(QApplication::activeModalWidget());
                    QVERIFY(z);
                    const auto zavri = qScopeGuard([z] {
                        if (z->isVisible())
                            z->reject();
                    });
                    // Blind: the list behind shows neither value, the field starts empty.
                    for (const int s : {3, 4, 5})
                        QVERIFY(d->R_Rozdily_SG->isColumnHidden(s));
                    QTRY_COMPARE(QApplication::activeWindow(), z);
                    for (qsizetype i = 0; i < znovu.size(); ++i) {
                        QWidget *w = QApplication::focusWidget();
                        if (znovu.at(i) == u'-') {
                            QTest::keyClick(w, Qt::Key_Escape);
                            break;
                        }
                        QCOMPARE(w, z->HodnotaEd);
                        QVERIFY(z->HodnotaEd->text().isEmpty());
                        QVERIFY2(z->UdajLbl->text().contains(TextUdaje(zbyle[i])),
                                 qPrintable(z->UdajLbl->text()));
                        QTest::keyClicks(w, QString::number(hodnota(zbyle[i], znovu.at(i))));
                        QTest::keyClick(w, Qt::Key_Return);
                    }
                    QVERIFY(!z->isVisible());
                });
                // 3, the list's key beside 1 and 2 (Alt+R, the button's, is not simulated
                // offscreen).
                Znak(u'3');
                if (QTest::currentTestFailed())
                    return;
                // The values are back in sight; re-typed rows say so, the first open is chosen.
                QCOMPARE(d->focusWidget(), d->R_Rozdily_SG);
                QVERIFY(!d->R_Rozdily_SG->isColumnHidden(3));
                qsizetype prvniOtevreny = -1;
                for (qsizetype r = 0; r < n; ++r) {
                    const bool opakovane = zbyle[r].PotvrzenoZapisem;
                    QCOMPARE(d->R_Rozdily_SG->item(int(r), 5)->text().endsWith(u"(zadáno znovu)"_s),
                             opakovane);
                    if (!opakovane && prvniOtevreny < 0)
                        prvniOtevreny = r;
                }
                QCOMPARE(d->ZapsatBtn->isEnabled(), prvniOtevreny < 0);
                if (prvniOtevreny >= 0)
                    QCOMPARE(d->Vybrany(), int(prvniOtevreny));
            }
            for (const QChar c : volby)
                klavesa(c == u'1' ? Qt::Key_1 : Qt::Key_2);
            QVERIFY(d->ZapsatBtn->isEnabled());
            for (int i = 0; i < 4; ++i)
                klavesa(Qt::Key_Tab);
            QCOMPARE(d->focusWidget(), d->ZapsatBtn);
            klavesa(Qt::Key_Space);
        };
        Klavesa(Qt::Key_Return); // "Porovnat"
        if (!jinak.isEmpty()) {
            // Back at the first difference: typed as the first entry has it, compared again.
            const TRozdil &r = rozdily.first();
            QVERIFY2(QApplication::focusWidget()->objectName().startsWith(
                         r.Strana ? u"EdHlasyKand"_s : u"R_Ed"_s),
                     qPrintable(QApplication::focusWidget()->objectName()));
            QCOMPARE(o.Stranka(), r.Stranka);
            Napis(QString::number(r.Prvni));
            Klavesa(Qt::Key_F2);
        }
        QTRY_VERIFY(!o.isVisible());
        QVERIFY(!KontrolniPorizeni::Existuje(t.Adresare, t.AktOkrsek));
        if (jinak.isEmpty()) {
            QCOMPARE(t.Dotaznik().Texty().last(),
                     u"Kontrolní pořízení souhlasí s pořízenými daty.\n"
                     "Kontrolní zápis byl odstraněn."_s);
            QCOMPARE(Obsah(t.Soubor(u"O"_s)), vysledky);
            return;
        }
        TVysledky ocekavano = prvni;
        PrevezmiZvolene(ocekavano, zbyle);
        Dopocti(ocekavano, 3);
        TVysledky ulozeno;
        QCOMPARE(NactiAktualniOkrsek(t.Adresare, t.AktOkrsek, ulozeno), u"E"_s);
        QCOMPARE(ulozeno.VetaT3, ocekavano.VetaT3);
        QVERIFY(ulozeno.StranyHL == ocekavano.StranyHL);
        // One journal line per decision, with how it was made.
        const QString denik = QString::fromUtf8(Obsah(t.Adresare.AdrStanice + Denik::JmenoSouboru));
        for (const TRozdil &x : std::as_const(zbyle)) {
            const QString radek =
                u"zapsáno %1=%2 (první %3, kontrolní %4), %5\n"_s.arg(x.Pole)
                    .arg(*x.Zvoleno)
                    .arg(x.Prvni)
                    .arg(x.Kontrolni)
                    .arg(x.PotvrzenoZapisem ? u"potvrzeno opakovaným zápisem"_s : u"zvoleno"_s);
            QVERIFY2(denik.contains(radek), qPrintable(radek + denik));
        }
    }

    void rozdily_po_novem_porovnani_data()
    {
        QTest::addColumn<QString>("jednicka"); // the key that chooses the first value
        QTest::addColumn<int>("modifikatory");
        QTest::addColumn<QString>("dvojka");
        QTest::newRow("cislice") << u"1"_s << int(Qt::NoModifier) << u"2"_s;
        QTest::newRow("numericka") << u"1"_s << int(Qt::KeypadModifier) << u"2"_s;
        QTest::newRow("shift") << u"1"_s << int(Qt::ShiftModifier) << u"2"_s;
        QTest::newRow("ceska rada") << u"+"_s << int(Qt::NoModifier) << u"ě"_s;
    }
    void rozdily_po_novem_porovnani()
    {
        QFETCH(QString, jednicka);
        QFETCH(int, modifikatory);
        QFETCH(QString, dvojka);
        // As "Porovnat" again hands them over: the first difference decided before.
        QList<TRozdil> rozdily(3);
        for (int r = 0; r < 3; ++r) {
            rozdily[r].Strana = 1;
            rozdily[r].Kandidat = r + 1;
            rozdily[r].Prvni = 10 + r;
            rozdily[r].Kontrolni = 20 + r;
        }
        rozdily[0].Zvoleno = 10;
        TR_Rozdily_F d(rozdily, {u"HL"_s});
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.R_Rozdily_SG);
        // The first undecided row is selected, not the decided first one.
        QCOMPARE(d.Vybrany(), 1);
        Znak(dvojka.at(0), Qt::KeyboardModifiers(modifikatory));
        QCOMPARE(rozdily[1].Zvoleno, std::optional<qint64>(21));
        QCOMPARE(rozdily[0].Zvoleno, std::optional<qint64>(10));
        QCOMPARE(d.Vybrany(), 2);
        Znak(jednicka.at(0), Qt::KeyboardModifiers(modifikatory));
        QCOMPARE(rozdily[2].Zvoleno, std::optional<qint64>(12));
        QVERIFY(d.ZapsatBtn->isEnabled());
        // A decided row changes only where it is shown, marked as changed.
        Klavesa(Qt::Key_Up);
        Klavesa(Qt::Key_Up);
        QCOMPARE(d.Vybrany(), 0);
        QCOMPARE(d.R_Rozdily_SG->item(0, 5)->text(), u"první 10"_s);
        Znak(dvojka.at(0), Qt::KeyboardModifiers(modifikatory));
        QCOMPARE(rozdily[0].Zvoleno, std::optional<qint64>(20));
        QCOMPARE(d.R_Rozdily_SG->item(0, 5)->text(), u"kontrolní 20 (změněno)"_s);
    }

    void cely_listek_z_klavesnice_data()
    {
        QTest::addColumn<QStringList>("strany"); // per party: 'A' stands, 'N' struck off
        QTest::addColumn<bool>("chyba22");       // valid votes typed one too many
        QTest::addColumn<bool>("naSeznamu");     // each party's first vote typed on the list
        const auto a = [](int n) { return QString(n, u'A'); };
        QStringList mnoho;
        for (int s = 1; s <= MaxStran; ++s)
            mnoho << (s % 9 == 0 ? u"NN"_s : a(s % 3 + 1));
        // Nobody standing first, in the middle (twice running) and last, typed with Enter
        // on the list and with the first vote typed onto it.
        for (const bool naSeznamu : {false, true}) {
            const char *jak = naSeznamu ? ", na seznamu" : "";
            QTest::addRow("prvni bez kandidatu%s", jak)
                << QStringList{u"NN"_s, u"AAA"_s, u"ANA"_s} << false << naSeznamu;
            QTest::addRow("prostredni bez kandidatu%s", jak)
                << QStringList{u"AA"_s, u"NNN"_s, u"N"_s, u"NAA"_s, u"AAN"_s} << false << naSeznamu;
            QTest::addRow("posledni bez kandidatu%s", jak)
                << QStringList{u"AAA"_s, u"AA"_s, u"N"_s} << true << naSeznamu;
        }
        QTest::newRow("1, 34, 35, 36 bez 35, 70")
            << QStringList{a(1), a(34), a(35), a(34) + u"NA"_s, a(70)} << false << false;
        QTest::newRow("35 posledni") << QStringList{a(2), a(35)} << true << false;
        QTest::newRow("36 bez 35 posledni") << QStringList{a(3), a(34) + u"NA"_s} << true << false;
        // The first standing candidate on page 4: a vote typed on the list goes there.
        QTest::newRow("36 bez 35 posledni, na seznamu")
            << QStringList{a(3), u"N"_s.repeated(35) + u"A"_s} << true << true;
        QTest::newRow("skrtnuti kolem 34")
            << QStringList{a(33) + u"NAA"_s, a(34) + u"NN"_s, a(2)} << false << false;
        QTest::newRow("jedna strana") << QStringList{u"ANAAN"_s} << false << false;
        QTest::newRow("45 stran, na seznamu") << mnoho << false << true;
    }
    void cely_listek_z_klavesnice()
    {
        QFETCH(QStringList, strany);
        QFETCH(bool, chyba22);
        QFETCH(bool, naSeznamu);
        const int n = int(strany.size());
        TVysledky ocekavane = PlatnyOkrsek(n, 0, 0); // the header and the counts to type
        TOkrsekRec &h = ocekavane.VetaT3;
        int celkem = 0;
        for (int s = 1; s <= n; ++s) {
            for (int i = 1; i <= strany[s - 1].size(); ++i) {
                const int h = strany[s - 1].at(i - 1) == u'A' ? (s * 7 + i * 3) % 9 : 0;
                ocekavane.StranyHL[std::size_t(s)].HlasyKand[std::size_t(i)] = quint16(h);
                celkem += h;
            }
        }
        TProstredi t({.PocetStran = n});
        ZapisStrany(t.Adresare, strany);
        TR_Vstupni_Form &o = t.Otevri();
        auto fokus = [] { return QApplication::focusWidget(); };

        for (int stisku = 0; fokus() != Prvek<QPushButton>(o, u"Dalsi_Btn"_s); ++stisku) {
            QVERIFY2(stisku < 40, "Enter never reaches \"Pokračovat\" on page 0");
            Klavesa(Qt::Key_Return);
        }
        Klavesa(Qt::Key_Return);
        h.PlatneHlasy = celkem + chyba22;
        NapisOddilIIAHlasy(o, strany, ocekavane, naSeznamu);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(o.Stranka(), 5);
        QCOMPARE(fokus(), Prvek<TSEdit>(o, u"R_SEdClenuOVKC"_s));
        QTRY_COMPARE(t.Dotaznik().Hlasky, chyba22 ? QStringList{u"Chyba č. 22"_s} : QStringList());
        QCOMPARE(fokus(),
                 Prvek<TSEdit>(o, u"R_SEdClenuOVKC"_s)); // "&Ignorovat" leaves the focus on page 5
        Klavesa(Qt::Key_PageDown);
        QCOMPARE(o.Stranka(), 0);

        Dopocti(ocekavane, n);
        TVysledky ulozene;
        NactiOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, ulozene);
        QCOMPARE(ulozene.VetaT3, ocekavane.VetaT3);
        for (int s = 1; s <= MaxStran; ++s)
            QVERIFY2(ulozene.StranyHL[std::size_t(s)] == ocekavane.StranyHL[std::size_t(s)],
                     qPrintable(u"strana %1"_s.arg(s)));
        const TVetaTS &ts = ulozene.VetaTS;
        QCOMPARE(ts.SoucetKC1, ocekavane.VetaTS.SoucetKC1);
        QCOMPARE(ts.SoucetKC2, ocekavane.VetaTS.SoucetKC2);
        QCOMPARE(ts.SoucetKS, ocekavane.VetaTS.SoucetKS);
        QCOMPARE(ts.KontrSoucetTS, ts.DatumPorizeni.toDouble() + ts.SoucetKC1 + ts.SoucetKC2 +
                                       ts.SoucetKS + ts.CasPorizeni.toDouble() + ts.Rezervovano +
                                       ts.NahodneCislo);
    }

    void posledni_strana_na_stranku_5_a_kontrola_22()
    {
        TProstredi t({.PocetStran = 2});
        ZapisStrany(t.Adresare, {u"AA"_s, u"AA"_s});
        UlozOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, PlatnyOkrsek(2, 2, 0));
        TR_Vstupni_Form &o = t.Otevri();
        // The party list of the ballot page, the second party, its first candidate.
        Klavesa(Qt::Key_PageDown);
        Klavesa(Qt::Key_PageDown);
        Klavesa(Qt::Key_PageDown);
        QCOMPARE(QApplication::focusWidget(), Prvek<QComboBox>(o, u"R_CBHL_1"_s));
        Klavesa(Qt::Key_Down);
        Klavesa(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 1));
        QCOMPARE(Prvek<QComboBox>(o, u"R_CBHL_1"_s)->currentIndex(), 1);
        t.Dotaznik().ZaradVysledekDialogu(1);
        Napis(u"5"_s);
        Napis(u"4"_s);
        // Last candidate of the last party: page 5; check 22 finds 9 votes against 0 valid.
        QTRY_COMPARE(t.Dotaznik().Hlasky, QStringList{u"Chyba č. 22"_s});
        QCOMPARE(o.Stranka(), 1);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_EdPlatneHlasy"_s));
    }

    void opravit_vraci_predchozi_stranu()
    {
        TProstredi t({.PocetStran = 2});
        ZapisStrany(t.Adresare, {u"AA"_s, u"AAA"_s});
        UlozOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, PlatnyOkrsek(2, 2, 0));
        TR_Vstupni_Form &o = t.Otevri();
        NaPrvnihoKandidata();
        QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 1));
        Napis(u"1"_s);
        // More votes than envelopes returned (690): check 24, after Enter moved to party 2.
        t.Dotaznik().ZaradVysledekDialogu(1);
        Napis(u"9999"_s);
        QTRY_COMPARE(t.Dotaznik().Hlasky, QStringList{u"Chyba č. 24"_s});
        QCOMPARE(Prvek<QComboBox>(o, u"R_CBHL_1"_s)->currentIndex(), 0);
        QCOMPARE(Radek<TSEdit>(o, u"EdHlasyKand"_s, 2)->text(), u"9999"_s);
        QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 2));
        QCOMPARE(t.Vysledky.StranyHL[1].HlasyKand[2], quint16(9999));
    }

    void potvrdit_stisknute_tlacitko()
    {
        TProstredi t;
        UlozOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, PlatnyOkrsek());
        TR_Vstupni_Form &o = t.Otevri();
        // The user's click on "Pokračovat" of page 0 met a message: confirmed, it runs.
        Prvek<QPushButton>(o, u"Dalsi_Btn"_s)->setFocus(Qt::MouseFocusReason);
        o.Hlaska(6, QString(), Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s), false, true);
        QTRY_COMPARE(t.Dotaznik().Hlasky.size(), 1);
        QCOMPARE(o.Stranka(), 1);
        // Page 1's "Pokračovat" is not run again.
        Prvek<QPushButton>(o, u"R_Dalsi2_Btn"_s)->setFocus(Qt::MouseFocusReason);
        o.Hlaska(6, QString(), Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s), false, true);
        QTRY_COMPARE(t.Dotaznik().Hlasky.size(), 2);
        QCOMPARE(o.Stranka(), 1);
    }

    void radky_komise_data()
    {
        QTest::addColumn<QString>("p");
        QTest::addColumn<int>("radku");
        QTest::newRow("7") << u"7"_s << 7;
        QTest::newRow("1") << u"1"_s << 2;
        QTest::newRow("01") << u"01"_s << 2;
        QTest::newRow("0") << u"0"_s << 2;
        QTest::newRow("prazdne") << QString() << 2;
    }
    void radky_komise()
    {
        QFETCH(QString, p);
        QFETCH(int, radku);
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        TZColorStringGrid *g = Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s);
        QCOMPARE(g->RowCount(), 5); // P = 5 from the file
        QCOMPARE(g->Cells(1, 4), u"D"_s);
        Klavesa(Qt::Key_PageUp);
        Klavesa(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdClenuOVKP"_s));
        QTest::keyClick(Prvek<TSEdit>(o, u"R_SEdClenuOVKP"_s), Qt::Key_Backspace);
        Napis(p);
        QCOMPARE(g->RowCount(), radku);
        if (radku == 7) {
            QCOMPARE(g->Cells(0, 1), u"2."_s);
            QCOMPARE(g->Cells(0, 6), u"7."_s);
            QCOMPARE(g->Cells(1, 1), u"A"_s); // names already typed stay
        } else {
            QCOMPARE(g->Cells(0, 1), QString());
            QCOMPARE(g->Cells(1, 1), QString());
        }
    }

    // The names grid from the keyboard: typing opens a name, Enter and Tab go to the
    // next name, Shift+Tab to the previous one, past the ends the focus leaves the grid;
    // nothing typed is lost, not even on the label column.
    void mrizka_z_klavesnice()
    {
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        TZColorStringGrid *g = Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s);
        auto pis = [](const QString &text) {
            for (const QChar z : text)
                QTest::keyClick(QApplication::focusWidget(), z.toLatin1());
        };
        Klavesa(Qt::Key_PageUp);
        for (int i = 0; i < 3; ++i)
            Klavesa(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), g);
        pis(u"xaver"_s);
        QVERIFY(!QApplication::focusWidget()->font().bold());
        Klavesa(Qt::Key_Tab);
        pis(u"bohdana"_s);
        Klavesa(Qt::Key_Tab, Qt::ShiftModifier);
        pis(u"alena"_s);
        for (int i = 0; i < 3; ++i)
            Klavesa(Qt::Key_Tab);
        pis(u"dana"_s);
        Klavesa(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdPoverPred"_s));
        QCOMPARE(g->Cells(1, 1), u"alena"_s);
        QCOMPARE(g->Cells(1, 2), u"bohdana"_s);
        QCOMPARE(g->Cells(1, 3), u"C"_s);
        QCOMPARE(g->Cells(1, 4), u"dana"_s);
        // Back in, Enter on the last row returns to row 1 and moves on.
        Klavesa(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), g);
        pis(u"eva"_s);
        Klavesa(Qt::Key_Return);
        QCOMPARE(g->Cells(1, 4), u"eva"_s);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdPoverPred"_s));
        // On the label column a typed name goes to the row's name.
        Klavesa(Qt::Key_Tab, Qt::ShiftModifier);
        Klavesa(Qt::Key_Left);
        pis(u"zita"_s);
        Klavesa(Qt::Key_Return);
        QCOMPARE(g->Cells(1, 1), u"zita"_s);
        // A name holds at most 50 characters.
        pis(QString(51, u'x'));
        Klavesa(Qt::Key_Return);
        QCOMPARE(g->Cells(1, 2), QString(50, u'x'));
        QCOMPARE(g->Row(), 3);
        for (int r = 1; r <= 4; ++r) {
            QVERIFY(!g->item(r - 1, 1)->font().bold());
            QVERIFY(g->item(r - 1, 0)->font().bold());
        }
        // The names reach KOMISE.RCD with the next save.
        Klavesa(Qt::Key_PageDown);
        QStringList jmena;
        for (const TKomise &k : NactiKomisi(t.Adresare.AdrData))
            jmena << k.clen;
        QCOMPARE(jmena, QStringList({u"zita"_s, QString(50, u'x'), u"C"_s, u"eva"_s}));
    }

    void oddily_I_a_III()
    {
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        Napis(u"07:00"_s);
        QCOMPARE(t.Hlasovani.Zahajeno1, u"07:00"_s);
        Prvek<QRadioButton>(o, u"R_OdrocBRB"_s)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Prvek<QRadioButton>(o, u"R_OdrocBRB"_s), Qt::Key_Space);
        QCOMPARE(t.Hlasovani.Odroc, u"B"_s);
        Prvek<TSEdit>(o, u"R_SEdOdrocenoH"_s)->setFocus(Qt::TabFocusReason);
        Napis(u"0"_s);
        QCOMPARE(t.Hlasovani.OdrocenoH, QString());
        Napis(u"00"_s);
        QCOMPARE(t.Hlasovani.OdrocenoM, u"00"_s);
        Prvek<TSEdit>(o, u"R_SEdStizListu"_s)->setFocus(Qt::TabFocusReason);
        Napis(u"x9"_s);
        QCOMPARE(t.Hlasovani.StizListu, u"9"_s);
    }

    void ulozeni_a_znovuotevreni()
    {
        TProstredi t({.PocetStran = 2});
        ZapisStrany(t.Adresare,
                    {u"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"_s, u"AA"_s}); // 38 candidates
        UlozOkrsek(t.Adresare, t.AktOkrsek, u"O"_s, PlatnyOkrsek(2, 2, 1));
        {
            TR_Vstupni_Form &o = t.Otevri();
            QCOMPARE(Radek<TSEdit>(o, u"EdHlasyKand"_s, 1)->text(),
                     u"1"_s); // loaded from the "O" file
            Napis(u"06:30"_s);
            Klavesa(Qt::Key_PageDown);
            Napis(u"900"_s);
            // To the party list, then through the ballot with Enter to candidate 37, on
            // the page "HL pokračování".
            Klavesa(Qt::Key_PageDown);
            Klavesa(Qt::Key_PageDown);
            QCOMPARE(QApplication::focusWidget(), Prvek<QComboBox>(o, u"R_CBHL_1"_s));
            for (int i = 0; i < 37; ++i)
                Klavesa(Qt::Key_Return);
            QCOMPARE(o.Stranka(), 4);
            QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 37));
            Napis(u"44"_s, false);
            Klavesa(Qt::Key_PageDown); // the typed value is stored before the save
            Klavesa(Qt::Key_Tab);
            Napis(u"3"_s);
            Klavesa(Qt::Key_PageUp);
            QVERIFY(!QFile::exists(t.Soubor(u"O"_s)));
            QVERIFY(QFile::exists(t.Soubor(u"E"_s)));
            QCOMPARE(NactiStanici(t.Adresare.AdrStanice).Stav1, u"N"_s);
            t.Dotaznik().ZaradOdpoved(TOdpoved::Ano);
            o.close();
        }
        t.Vysledky = TVysledky();
        t.Hlasovani = THlasovaniRec();
        TR_Vstupni_Form &o = t.Otevri();
        QCOMPARE(Prvek<TSEdit>(o, u"R_SEdZahajeno1"_s)->text(), u"06:30"_s);
        QCOMPARE(Prvek<TSEdit>(o, u"R_EdZapsOsoby"_s)->text(), u"900"_s);
        QCOMPARE(Prvek<TSEdit>(o, u"R_SEdClenuOVKP"_s)->text(), u"3"_s);
        QCOMPARE(Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s)->RowCount(), 3);
        QCOMPARE(Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s)->Cells(1, 2), u"B"_s);
        o.NastavStranku(4);
        QCOMPARE(Radek<TSEdit>(o, u"EdHlasyKand"_s, 37)->text(), u"44"_s);
        QCOMPARE(Radek<TSEdit>(o, u"EdKCStrany"_s, 1)->text(), QString::number(1 + 1 + 1 + 44));
        QCOMPARE(Radek<TSEdit>(o, u"EdPoslKand"_s, 1)->text(), u"37"_s);
    }

    void poskozeny_soubor_se_neotevre()
    {
        TProstredi t;
        QFile f(t.Soubor(u"E"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("tohle neni soubor okrsku");
        f.close();
        t.Okno = std::make_unique<TR_Vstupni_Form>(t, *t.Hlaska, u"Zkouška"_s);
        QVERIFY_THROWS_EXCEPTION(EChyba, t.Okno->FormShow());
        QFile g(t.Soubor(u"E"_s));
        QVERIFY(g.open(QIODevice::ReadOnly));
        QCOMPARE(g.readAll(), QByteArray("tohle neni soubor okrsku"));
    }

    void neuspesne_ulozeni_opakuje()
    {
        TProstredi t;
        t.Otevri();
        Klavesa(Qt::Key_PageDown);
        Napis(u"555"_s, false);
        Soubory::NastavPoruchu(
            [](Soubory::KrokUkladani k) { return k == Soubory::KrokUkladani::Zapis ? 28 : 0; });
        Klavesa(Qt::Key_PageDown);
        Soubory::NastavPoruchu(nullptr);
        QCOMPARE(t.Dotaznik().Zpravy.size(), 1);
        QCOMPARE(t.Dotaznik().Zpravy[0].Ikona, TIkona::Chyba);
        TVysledky v;
        NactiOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, v);
        QCOMPARE(v.VetaT3.ZapsOsoby, 0);
        QCOMPARE(t.Vysledky.VetaT3.ZapsOsoby, 555);
        Klavesa(Qt::Key_PageDown);
        NactiOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, v);
        QCOMPARE(v.VetaT3.ZapsOsoby, 555);
    }

    // Typos that make a control number too wide for the results file: sections I and
    // III are still saved, and the message says what to correct in the window's words.
    void prilis_velka_hodnota()
    {
        TProstredi t;
        t.Otevri();
        Klavesa(Qt::Key_PageDown);
        Napis(u"99999"_s);
        Napis(u"9999"_s);
        Napis(u"9999"_s);
        Napis(u"999999"_s, false);
        QVERIFY(QFile::remove(Soubory::NajdiSoubor(t.Adresare.AdrData, u"HLASO.RCD"_s)));
        t.Dotaznik().Vymaz();
        Klavesa(Qt::Key_PageDown);
        QTRY_VERIFY(!t.Dotaznik().Zpravy.isEmpty());
        const TZprava &z = t.Dotaznik().Zpravy.last();
        QCOMPARE(z.Ikona, TIkona::Chyba);
        for (const QString &slovo :
             {u"T/3 - odd. II"_s, u"platné hlasy 999999"_s, u"Oddíly I a III"_s})
            QVERIFY2(z.Text.contains(slovo), qPrintable(z.Text));
        QVERIFY2(!z.Text.contains(u"VetaT3"_s), qPrintable(z.Text));
        QVERIFY(Soubory::Existuje(t.Adresare.AdrData, u"HLASO.RCD"_s));
        QCOMPARE(t.Vysledky.VetaT3.PlatneHlasy, 999999);
    }

    void f2_a_rozepsane_hodnoty()
    {
        TProstredi t({.PocetStran = 1});
        ZapisStrany(t.Adresare, {u"AA"_s});
        TR_Vstupni_Form &o = t.Otevri();
        Klavesa(Qt::Key_PageDown);
        Napis(u"1001"_s, false);
        // F2 stores the value being typed, saves with the check run and closes; the
        // precinct is left with exactly one results file.
        Klavesa(Qt::Key_F2);
        QTRY_VERIFY(!o.isVisible());
        QCOMPARE(QFileInfo::exists(t.Soubor(u"O"_s)) + QFileInfo::exists(t.Soubor(u"E"_s)), 1);
        TVysledky v;
        NactiOkrsek(t.Adresare, t.AktOkrsek, QFileInfo::exists(t.Soubor(u"O"_s)) ? u"O"_s : u"E"_s,
                    v);
        QCOMPARE(v.VetaT3.ZapsOsoby, 1001);
        QCOMPARE(t.Vybrano, 2);
        o.FormShow();
        o.show();
        QVERIFY(QTest::qWaitForWindowActive(&o));
        // A vote over the envelopes, left by Page Down: stored and reported once.
        NaPrvnihoKandidata();
        QCOMPARE(QApplication::focusWidget(), Radek<TSEdit>(o, u"EdHlasyKand"_s, 1));
        Napis(u"900"_s, false);
        Klavesa(Qt::Key_PageDown);
        QTRY_COMPARE(t.Dotaznik().Hlasky, QStringList{u"Chyba č. 24"_s});
        QCoreApplication::processEvents();
        QCOMPARE(t.Dotaznik().Hlasky.size(), 1);
        NactiOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, v);
        QCOMPARE(v.StranyHL[1].HlasyKand[1], quint16(900));
        // An open name cell is stored too.
        o.NastavStranku(5);
        Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s)->setFocus(Qt::TabFocusReason);
        Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s)->SetRow(2);
        QTest::keyClick(Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s), Qt::Key_Z);
        QTest::keyClicks(QApplication::focusWidget(), u"ita"_s);
        Klavesa(Qt::Key_PageUp);
        QCOMPARE(NactiKomisi(t.Adresare.AdrData).at(1).clen, u"zita"_s);
    }

    void ulozit_s_kontrolou_data()
    {
        QTest::addColumn<bool>("platna");
        QTest::addColumn<int>("odpoved"); // to the question about export and printing
        QTest::newRow("bez chyb, export") << true << int(TOdpoved::Ano);
        QTest::newRow("bez chyb, ne") << true << int(TOdpoved::Ne);
        QTest::newRow("s chybami") << false << int(TOdpoved::Ano);
    }
    void ulozit_s_kontrolou()
    {
        QFETCH(bool, platna);
        QFETCH(int, odpoved);
        TProstredi t;
        TVysledky v = PlatnyOkrsek();
        if (!platna)
            v.VetaT3.PlatneHlasy = 0; // parties with votes but no valid votes: a blocking error
        UlozOkrsek(t.Adresare, t.AktOkrsek, u"E"_s, v);
        TR_Vstupni_Form &o = t.Otevri();
        QList<int> exporty; // Vybrano seen by each export started
        o.SpustExportTisk = [&] { exporty.append(t.Vybrano); };
        t.Dotaznik().ZaradOdpoved(TOdpoved(odpoved));
        Klavesa(Qt::Key_F2);
        QTRY_VERIFY(!o.isVisible());
        QCOMPARE(QFileInfo::exists(t.Soubor(u"O"_s)), platna);
        QCOMPARE(QFileInfo::exists(t.Soubor(u"E"_s)), !platna);
        QCOMPARE(t.Vybrano, 2);
        QCOMPARE(NactiStanici(t.Adresare.AdrStanice).Stav1, u"N"_s);
        QList<TZprava> otazky;
        for (const TZprava &z : std::as_const(t.Dotaznik().Zpravy)) {
            if (z.AnoNe)
                otazky.append(z);
        }
        if (!platna) {
            QVERIFY(otazky.isEmpty());
            QVERIFY(exporty.isEmpty());
            return;
        }
        QCOMPARE(otazky.size(), 1);
        QCOMPARE(otazky[0].Titulek, u"Vstup dat za okrsek"_s);
        QVERIFY(!otazky[0].VychoziNe);
        QCOMPARE(otazky[0].Text,
                 t.ExportOK
                     ? u"Chcete pokračovat exportem dat a tiskem zápisu?"_s
                     : u"Data obsahují propustitelné chyby.\n\nChcete pokračovat tiskem zápisu?"_s);
        QCOMPARE(exporty, odpoved == int(TOdpoved::Ano) ? QList<int>{4} : QList<int>{});
    }

    void poradi_poli()
    {
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        const QList<QWidget *> strana0{
            Prvek<TSEdit>(o, u"R_SEdZahajeno1"_s),   Prvek<TSEdit>(o, u"R_SEdUkonceno1"_s),
            Prvek<TSEdit>(o, u"R_SEdZahajeno2"_s),   Prvek<TSEdit>(o, u"R_SEdUkonceno2"_s),
            Prvek<QRadioButton>(o, u"R_OdrocNRB"_s), Prvek<TSEdit>(o, u"R_SEdOdrocenoD"_s),
            Prvek<TSEdit>(o, u"R_SEdOdrocenoH"_s),   Prvek<TSEdit>(o, u"R_SEdOdrocenoM"_s),
            Prvek<TSEdit>(o, u"R_SEdDuvodOdroc"_s),  Prvek<QRadioButton>(o, u"R_ProdlNRB"_s)};
        for (QWidget *w : strana0) {
            QCOMPARE(QApplication::focusWidget(), w);
            Klavesa(Qt::Key_Return); // Enter moves on everywhere, radio buttons included
        }
        Klavesa(Qt::Key_PageUp);
        const QList<QWidget *> strana5{Prvek<TSEdit>(o, u"R_SEdClenuOVKC"_s),
                                       Prvek<TSEdit>(o, u"R_SEdClenuOVKP"_s),
                                       Prvek<TSEdit>(o, u"R_SEdZapisovat"_s),
                                       Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s)};
        for (QWidget *w : strana5) {
            QCOMPARE(QApplication::focusWidget(), w);
            Klavesa(Qt::Key_Tab);
        }
    }

    // Entering a yes/no pair lands on its chosen button, whichever comes first, and
    // the arrow keys change the choice.
    void dvojice_voleb_z_klavesnice()
    {
        TProstredi t;
        TR_Vstupni_Form &o = t.Otevri();
        QVERIFY(Prvek<QRadioButton>(o, u"R_StiznNRB"_s)->isChecked());
        Prvek<TSEdit>(o, u"R_SEdDuvodPrer"_s)->setFocus(Qt::TabFocusReason);
        Napis(QString());
        QCOMPARE(QApplication::focusWidget(), Prvek<QRadioButton>(o, u"R_StiznNRB"_s));
        Klavesa(Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), Prvek<QRadioButton>(o, u"R_StiznBRB"_s));
        QVERIFY(Prvek<QRadioButton>(o, u"R_StiznBRB"_s)->isChecked());
        QCOMPARE(t.Hlasovani.Stizn, u"B"_s);
        Klavesa(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Prvek<TSEdit>(o, u"R_SEdStizListu"_s));
        Klavesa(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Prvek<QRadioButton>(o, u"R_SchrankaNRB"_s));
        // Back into the changed pair: its new choice takes the focus.
        Prvek<TSEdit>(o, u"R_SEdDuvodPrer"_s)->setFocus(Qt::TabFocusReason);
        Napis(QString());
        QCOMPARE(QApplication::focusWidget(), Prvek<QRadioButton>(o, u"R_StiznBRB"_s));
    }

    // Every field one can type in stands out from its page, and the field with the focus
    // from its own look without it: measured on the rendered window, page by page, with
    // the focus walked by Tab.
    void kontrast_poli()
    {
        TProstredi t({.PocetStran = 2});
        ZapisStrany(t.Adresare, {QString(36, u'A'), u"AA"_s});
        TR_Vstupni_Form &o = t.Otevri();
        for (int p = 0; p < 6; ++p) {
            QCOMPARE(o.Stranka(), p);
            QList<QWidget *> pole;
            for (QWidget *w : Panel(o, p)->findChildren<QWidget *>()) {
                auto *e = qobject_cast<TSEdit *>(w);
                if (w->isVisible() && ((e && e->isEnabled() && !e->isReadOnly()) ||
                                       qobject_cast<TZColorStringGrid *>(w)))
                    pole << w;
            }
            // The page as shown with the focus on each field in turn.
            QList<std::pair<QWidget *, QImage>> snimky;
            auto snimek = [&](QWidget *w, bool sFokusem) -> const QImage * {
                for (const auto &[f, obr] : std::as_const(snimky)) {
                    if ((f == w) == sFokusem)
                        return &obr;
                }
                return nullptr;
            };
            for (int i = 0; i < 80 && !std::all_of(pole.cbegin(), pole.cend(),
                                                   [&](QWidget *w) { return snimek(w, true); });
                 ++i) {
                QWidget *f = QApplication::focusWidget();
                const auto s = std::find_if(pole.cbegin(), pole.cend(), [f](QWidget *w) {
                    return w == f || w->isAncestorOf(f);
                });
                snimky.append({s == pole.cend() ? nullptr : *s, o.grab().toImage()});
                Klavesa(Qt::Key_Tab);
            }
            const QColor stranka = BarvaStranky(o.grab().toImage());
            for (QWidget *w : std::as_const(pole)) {
                const QString kde = u"strana %1, %2"_s.arg(p).arg(w->objectName());
                const QImage *s = snimek(w, true);
                const QImage *bez = snimek(w, false);
                QVERIFY2(s && bez, qPrintable(kde + u": Tab never reaches it"_s));
                const QRect r(w->mapTo(&o, QPoint(0, 0)), w->size());
                // Without the focus its lower edge stands 3 : 1 against the page.
                double nejmene = 21;
                for (int x = r.left() + 2; x <= r.right() - 2; ++x)
                    nejmene = qMin(nejmene, Kontrast(bez->pixelColor(x, r.bottom()), stranka));
                QVERIFY2(nejmene >= 3, qPrintable(kde + u": edge %1 : 1"_s.arg(nejmene)));
                // With the focus at least a ring's worth of its pixels changes by 3 : 1.
                int zmenenych = 0;
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    for (int x = r.left(); x <= r.right(); ++x)
                        zmenenych += Kontrast(s->pixelColor(x, y), bez->pixelColor(x, y)) >= 3;
                }
                QVERIFY2(zmenenych >= 2 * (r.width() + r.height()),
                         qPrintable(kde + u": the focus changes %1 pixels"_s.arg(zmenenych)));
            }
            Klavesa(Qt::Key_PageDown);
        }
    }

    void rozlozeni_radku_data()
    {
        QTest::addColumn<int>("strana");
        QTest::addColumn<int>("i");
        QTest::addColumn<QPoint>("pozice");
        // Page 2: 15 rows of 28 pixels, columns 220 apart.
        QTest::newRow("KC 1") << 2 << 1 << QPoint(75, 50);
        QTest::newRow("KC 16") << 2 << 16 << QPoint(295, 50);
        QTest::newRow("KC 45") << 2 << 45 << QPoint(515, 442);
        // Candidates: 17 rows on page 3, 18 on page 4, 26 pixels apart.
        QTest::newRow("kand 1") << 3 << 1 << QPoint(290, 70);
        QTest::newRow("kand 18") << 3 << 18 << QPoint(640, 70);
        QTest::newRow("kand 35") << 4 << 35 << QPoint(290, 45);
        QTest::newRow("kand 70") << 4 << 70 << QPoint(640, 487);
    }
    void rozlozeni_radku()
    {
        QFETCH(int, strana);
        QFETCH(int, i);
        QFETCH(QPoint, pozice);
        TProstredi t;
        TR_Vstupni_Form o(t, *t.Hlaska, u"Zkouška"_s);
        QVERIFY2(o.logicalDpiX() == 96, "the positions are for 96 pixels per inch");
        TSEdit *e = strana == 2 ? Radek<TSEdit>(o, u"EdKCStrany"_s, i)
                                : Radek<TSEdit>(o, u"EdHlasyKand"_s, i);
        QCOMPARE(e->pos(), pozice);
        QCOMPARE(e->height(), 20);
        QCOMPARE(e->parentWidget(), Panel(o, strana));
        QCOMPARE(e->maxLength(), strana == 2 ? 5 : 4);
        QCOMPARE(Radek<QLabel>(o, u"LabPorKand"_s, 7)->text(), u" 7."_s);
    }

    void chybejici_komise()
    {
        TProstredi t;
        QVERIFY(QFile::remove(t.Adresare.AdrData + u"KOMISE.RCD"_s));
        TR_Vstupni_Form &o = t.Otevri();
        QCOMPARE(Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s)->RowCount(), 5);
        QCOMPARE(Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s)->Cells(1, 1), QString());
        QCOMPARE(Prvek<TZColorStringGrid>(o, u"R_JmenaKomise_SG"_s)->Cells(0, 4), u"5."_s);
    }
};

QTEST_MAIN(TestVstup)
#include "TestVstup.moc"
