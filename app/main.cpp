#include "Aplikace.h"
#include "Denik.h"
#include "Dotaznik.h"
#include "DotaznikOkna.h"
#include "JedinaInstance.h"
#include "KV_menu.h"
#include "Ochrana.h"
#include "Preklady.h"
#include "PrikazovyRadek.h"
#include "Pristup.h"
#include "Program.h"
#include "Skoleni.h"
#include "Umisteni.h"
#include "ZadostOUkonceni.h"
#include "Zamek.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A start refused for a broken file of the installation: the message, then exit 1.
int Nespusten(TProgram &program, const EChyba &e)
{
    program.Dotaznik().Varovani(u"Spuštění aplikace"_s, e.zprava() + u"\nProgram nebyl spuštěn."_s);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList argumenty;
    for (int i = 0; i < argc; ++i)
        argumenty.append(QString::fromLocal8Bit(argv[i]));
    const TPrikazovyRadek radek = RozeberPrikazovyRadek(argumenty);
    switch (radek.Ukol) {
    case TPrikazovyRadek::TUkol::Napoveda:
        std::fputs(NapovedaProgramu, stdout);
        return 0;
    case TPrikazovyRadek::TUkol::Verze:
        std::fputs("zelkovar " ZELKOVAR_VERZE "\n", stdout);
        return 0;
    case TPrikazovyRadek::TUkol::Chyba:
        std::fputs(
            ("zelkovar: "_L1 + radek.Chyba + " (viz zelkovar --help)\n"_L1).toUtf8().constData(),
            stderr);
        return 2;
    case TPrikazovyRadek::TUkol::Spustit:
        break;
    }

    TAplikace aplikace(argc, argv);
    Ochrana::InicializujGcrypt();
    NactiCeskePreklady(aplikace);

    // Without a screen nobody can answer a box: messages then go to stderr.
    const QString platforma = QGuiApplication::platformName();
    const bool bezObrazovky = platforma == u"offscreen" || platforma == u"minimal";
    std::unique_ptr<IDotaznik> dotaznik;
    if (bezObrazovky)
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
    QGuiApplication::setDesktopFileName(u"zelkovar"_s);

    TProgram program(std::move(dotaznik));
    program.SouborNapovedy = UmisteniProgramu(QCoreApplication::applicationDirPath()).Napoveda;
    aplikace.NastavDotaznik(&program.Dotaznik());

    // The installation is the program's own directory unless the station's launcher
    // names another one.
    const QString instalace = radek.Instalace.isEmpty() ? QCoreApplication::applicationDirPath()
                                                        : QDir(radek.Instalace).absolutePath();
    TKV_menu okno(program, instalace, radek.Parametry);
    if (!okno.LzeSpustit())
        return 1;
    // One copy per installation too, whatever the user's runtime directory. A station
    // on a read-only medium gets no lock; it cannot be written by anybody then.
    const QString adrStanice = program.Adresare.AdrStanice;
    std::optional<TZamek> naInstalaci;
    try {
        naInstalaci.emplace(adrStanice, TZamek::TDruh::Program);
    } catch (const EZamceno &e) {
        program.Dotaznik().Zobraz(
            {TIkona::Zadna, u"Zelkovar"_s, u"Aplikace již spuštěna !!!\n\n"_s + e.zprava(), false});
        return 1;
    } catch (const EChyba &e) {
        if (!TZamek::LzeBezZamku(adrStanice, TZamek::TDruh::Program)) {
            return Nespusten(program, e);
        }
    }
    // A save that a kill or power cut interrupted is put back before anything reads the
    // data; the main window then says so. Another writer at work has done it already.
    try {
        const TZamek zapis(adrStanice);
    } catch (const EChyba &) {
    }
    Denik::NastavHlaseni(
        [&program](const QString &zprava) { program.Dotaznik().Varovani(u"Deník"_s, zprava); });
    // A station directory that is not there is reported by the first show; no journal then.
    const bool sDenikem = QFileInfo(adrStanice).isDir();
    if (sDenikem) {
        try {
            Denik::Over(adrStanice);
        } catch (const EChyba &e) {
            return Nespusten(program, e);
        }
        Denik::Zapis(adrStanice, Skoleni::JeCvicna(adrStanice)
                                     ? u"spuštění programu, cvičná stanice"_s
                                     : u"spuštění programu"_s);
    }
    // A signal or the session's logout stores what is being typed and ends cleanly.
    TZadostOUkonceni zadost;
    QObject::connect(&zadost, &TZadostOUkonceni::Pozadano, &okno,
                     [&okno](const QString &duvod) { okno.UkonciNaPozadani(duvod); });
    okno.show();
    // A window left over a station that could not be read waits for someone to close
    // it; without a screen there is nobody.
    if (bezObrazovky && !okno.StaniceNactena()) {
        QCoreApplication::processEvents(); // the error is told over the shown window
        return 1;
    }
    // Told now, not at the first save that would fail.
    if (const QString misto = NezapisovatelneMisto(program.Adresare); !misto.isEmpty())
        program.Dotaznik().Varovani(
            u"Zelkovar"_s,
            u"Do instalace nelze zapisovat: %1.\nZadaná data by nešlo uložit. Požádejte "
            u"správce počítače, aby instalaci dal uživateli, který s programem pracuje."_s.arg(
                misto));

    // Start-up measurement only: end as soon as the shown window is idle.
    if (qEnvironmentVariableIsSet("ZELKOVAR_KONEC_PO_STARTU")) {
        QTimer::singleShot(0, &okno, [] {
            std::fputs("zelkovar: okno zobrazeno\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    const int vysledek = QCoreApplication::exec();
    if (sDenikem)
        Denik::Zapis(adrStanice, u"ukončení programu"_s);
    Denik::NastavHlaseni({});
    aplikace.NastavDotaznik(nullptr);
    return vysledek;
}
