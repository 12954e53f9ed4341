// The program as the tests of its end need it: the main window over an installation,
// F2, keys typed on whatever has the focus in the entry window, and the program's
// own handling of signals and logout. Writes "napsáno" to stdout once the keys are in,
// then waits for whatever the test does to it.
//   zelkovar_psani INSTALACE
#include "Aplikace.h"
#include "Dotaznik.h"
#include "KV_menu.h"
#include "Ochrana.h"
#include "Program.h"
#include "ZadostOUkonceni.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Shows the entry window for real and types into it; other dialogs are only recorded.
class TDotaznikPsani : public TDotaznikFronta
{
public:
    TOdpoved Zobraz(const TZprava &zprava) override
    {
        std::fputs((zprava.Titulek + u": "_s + zprava.Text + u'\n').toUtf8().constData(), stderr);
        return TDotaznikFronta::Zobraz(zprava);
    }
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override
    {
        TDotaznikFronta::ProvedDialog(nazev, ukaz);
        if (nazev != QStringLiteral("TR_Vstupni_Form"))
            return 0;
        QTimer::singleShot(0, [] { Napis(); });
        return ukaz();
    }

private:
    static void Klavesy(const QString &text)
    {
        QCoreApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    static void Klavesa(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QCoreApplication::processEvents();
    }
    // Section II: the voters left with Enter, the envelopes still being typed.
    static void Napis()
    {
        if (!QTest::qWaitFor(
                [] { return QApplication::activeWindow() == QApplication::activeModalWidget(); }))
            std::fputs("okno pořízení není aktivní\n", stderr);
        Klavesa(Qt::Key_PageDown);
        Klavesy(QStringLiteral("1012"));
        Klavesa(Qt::Key_Return);
        Klavesy(QStringLiteral("600"));
        std::fputs("napsáno\n", stdout);
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    TAplikace aplikace(argc, argv);
    if (argc != 2)
        return 2;
    Ochrana::InicializujGcrypt();
    TProgram program(std::make_unique<TDotaznikPsani>());
    aplikace.NastavDotaznik(&program.Dotaznik());
    TKV_menu okno(program, QString::fromLocal8Bit(argv[1]), {});
    TZadostOUkonceni zadost;
    QObject::connect(&zadost, &TZadostOUkonceni::Pozadano, &okno,
                     [&okno](const QString &duvod) { okno.UkonciNaPozadani(duvod); });
    okno.show();
    QTimer::singleShot(0, &okno, [&okno] {
        if (!QTest::qWaitForWindowActive(&okno))
            std::fputs("hlavní okno není aktivní\n", stderr);
        QTest::keyClick(&okno, Qt::Key_F2);
    });
    return QCoreApplication::exec();
}
