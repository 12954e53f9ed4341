#include "Aplikace.h"
#include "Denik.h"
#include "Dotaznik.h"
#include "DotaznikOkna.h"
#include "JedinaInstance.h"
#include "KV_menu.h"
#include "Preklady.h"
#include "Ochrana.h"
#include "Program.h"
#include "Zamek.h"

#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    TAplikace aplikace(argc, argv);
    Ochrana::InicializujGcrypt();
    NactiCeskePreklady(aplikace);

    // Without a screen nobody can answer a box: messages then go to stderr.
    const QString platforma = QGuiApplication::platformName();
    std::unique_ptr<IDotaznik> dotaznik;
    if (platforma == u"offscreen" || platforma == u"minimal")
        dotaznik = std::make_unique<TDotaznikKonzole>();
    else
        dotaznik = std::make_unique<TDotaznikOkna>();

    TJedinaInstance instance;
    if (!instance.Zamkni()) {
        dotaznik->Zobraz({TIkona::Zadna, u"Zelkovar"_s, u"Aplikace již spuštěna !!!"_s, false});
        return 1;
    }
    // Only after locking: the lock records the executable's name, and a lock whose
    // recorded name differs from the running process is taken for a stale one.
    QCoreApplication::setApplicationName(u"Zelkovar"_s);

    TProgram program(std::move(dotaznik));
    program.SouborNapovedy = QCoreApplication::applicationDirPath() + u"/Zelkovar.html"_s;
    aplikace.NastavDotaznik(&program.Dotaznik());

    TKV_menu okno(program, QCoreApplication::applicationDirPath(), QCoreApplication::arguments().mid(1));
    if (!okno.LzeSpustit())
        return 1;
    // One copy per installation too, whatever the user's runtime directory. A station
    // on a read-only medium gets no lock; it cannot be written by anybody then.
    const QString adrStanice = program.Adresare.AdrStanice;
    std::optional<TZamek> naInstalaci;
    try {
        naInstalaci.emplace(adrStanice, TZamek::TDruh::Program);
    } catch (const EZamceno &e) {
        program.Dotaznik().Zobraz({TIkona::Zadna, u"Zelkovar"_s, u"Aplikace již spuštěna !!!\n\n"_s + e.zprava(), false});
        return 1;
    } catch (const EChyba &) {
    }
    Denik::NastavHlaseni([&program](const QString &zprava) { program.Dotaznik().Varovani(u"Deník"_s, zprava); });
    Denik::Zapis(adrStanice, u"spuštění programu"_s);
    okno.show();

    // Start-up measurement only: end as soon as the shown window is idle.
    if (qEnvironmentVariableIsSet("ZELKOVAR_KONEC_PO_STARTU")) {
        QTimer::singleShot(0, &okno, [] {
            std::fputs("zelkovar: okno zobrazeno\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    const int vysledek = QCoreApplication::exec();
    Denik::Zapis(adrStanice, u"ukončení programu"_s);
    Denik::NastavHlaseni({});
    aplikace.NastavDotaznik(nullptr);
    return vysledek;
}
