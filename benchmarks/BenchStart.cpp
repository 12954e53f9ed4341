// Start-up time of zelkovar on the demo installation, offscreen: from process start to
// the main window shown and idle, against an empty QMainWindow measured in the same
// run. Also the peak memory (VmHWM) of the idle program.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *Instalace = nullptr;
QTemporaryDir *Beh = nullptr;
QList<double> CasyZelkovar;
QList<double> CasyPrazdne;
QList<double> CasyOknoSTextem;

double Median(QList<double> casy)
{
    std::sort(casy.begin(), casy.end());
    return casy.isEmpty() ? 0 : casy.at(casy.size() / 2);
}

QProcessEnvironment Prostredi(bool konecPoStartu)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Beh->path());
    if (konecPoStartu)
        env.insert(QStringLiteral("ZELKOVAR_KONEC_PO_STARTU"), QStringLiteral("1"));
    return env;
}

// Seconds from start() until the program reports its window shown and idle.
double ZmerStart(const QString &program, const QStringList &parametry = {})
{
    QProcess p;
    p.setProcessEnvironment(Prostredi(true));
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer cas;
    cas.start();
    p.start(program, parametry);
    QByteArray vystup;
    while (!vystup.contains("okno zobrazeno")) {
        if (!p.waitForReadyRead(30000)) {
            std::fprintf(stderr, "%s did not report its window: %s\n", qPrintable(program),
                         p.readAllStandardError().constData());
            std::exit(1);
        }
        vystup += p.readAllStandardOutput();
    }
    const double sekundy = double(cas.nsecsElapsed()) / 1e9;
    p.waitForFinished(30000);
    return sekundy;
}

void Mer(benchmark::State &state, const QString &program, QList<double> &casy,
         const QStringList &parametry = {})
{
    for (auto _ : state) {
        const double s = ZmerStart(program, parametry);
        state.SetIterationTime(s);
        casy.append(s);
    }
    state.counters["median_ms"] = Median(casy) * 1e3;
}

void BM_StartPrazdneOkno(benchmark::State &state)
{
    Mer(state, QStringLiteral(PRAZDNE_OKNO), CasyPrazdne);
}
BENCHMARK(BM_StartPrazdneOkno)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_StartOknoSTextem(benchmark::State &state)
{
    Mer(state, QStringLiteral(PRAZDNE_OKNO), CasyOknoSTextem, {QStringLiteral("--text")});
}
BENCHMARK(BM_StartOknoSTextem)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_StartZelkovar(benchmark::State &state)
{
    Mer(state, Instalace->filePath(QStringLiteral("zelkovar")), CasyZelkovar);
}
BENCHMARK(BM_StartZelkovar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

// Peak resident memory of zelkovar once it sits idle with its start-up dialog due.
long SpickaPametiKiB()
{
    QProcess p;
    p.setProcessEnvironment(Prostredi(false));
    p.start(Instalace->filePath(QStringLiteral("zelkovar")), {});
    QByteArray chyby;
    while (!chyby.contains("[dialog TZ_Info_F]") && p.waitForReadyRead(30000))
        chyby += p.readAllStandardError();
    long kib = -1;
    QFile status(QStringLiteral("/proc/%1/status").arg(p.processId()));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &radek : status.readAll().split('\n')) {
            if (radek.startsWith("VmHWM:"))
                kib = radek.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    p.kill();
    p.waitForFinished(10000);
    return kib;
}

void PripravInstalaci()
{
    QProcess nastroj;
    nastroj.start(QStringLiteral(NASTROJ), {QStringLiteral("stanice"), QStringLiteral(DEMO_POPIS),
                                            Instalace->path(), QStringLiteral("--prepsat")});
    if (!nastroj.waitForFinished(60000) || nastroj.exitCode() != 0) {
        std::fprintf(stderr, "cannot prepare the demo installation: %s\n",
                     nastroj.readAllStandardError().constData());
        std::exit(1);
    }
    // The tool copies the program when it sits beside it; make sure it is there.
    const QString cil = Instalace->filePath(QStringLiteral("zelkovar"));
    if (!QFile::exists(cil) && !QFile::copy(QStringLiteral(PROGRAM), cil)) {
        std::fprintf(stderr, "cannot copy the program\n");
        std::exit(1);
    }
    QFile::setPermissions(cil, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication aplikace(argc, argv);
    QTemporaryDir instalace;
    // The lock lives in the user's runtime directory, a tmpfs on a desktop; measure
    // on one too when there is one.
    QTemporaryDir beh(QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/zelkovar-bench-XXXXXX")
                          : QString());
    Instalace = &instalace;
    Beh = &beh;
    PripravInstalaci();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double zelkovar = Median(CasyZelkovar);
    const double prazdne = Median(CasyPrazdne);
    if (zelkovar > 0 && prazdne > 0) {
        std::printf("start (medián): zelkovar %.1f ms, prázdné QMainWindow %.1f ms, poměr %.2f "
                    "(limit 1.50)\n",
                    zelkovar * 1e3, prazdne * 1e3, zelkovar / prazdne);
    }
    // Any window that shows text pays for the font set-up that the empty one skips.
    const double sTextem = Median(CasyOknoSTextem);
    if (zelkovar > 0 && sTextem > 0) {
        std::printf("pro srovnání: QMainWindow s nabídkou a řádkem textu %.1f ms, poměr %.2f\n",
                    sTextem * 1e3, zelkovar / sTextem);
    }
    std::printf("špička paměti nečinného programu (VmHWM): %ld KiB\n", SpickaPametiKiB());
    return 0;
}
