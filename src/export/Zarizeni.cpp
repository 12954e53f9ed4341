#include "Zarizeni.h"

#include "Export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString SLomitkem(QString cesta)
{
    if (!cesta.endsWith(u'/'))
        cesta += u'/';
    return cesta;
}

QString PrectiAtribut(const QString &cesta)
{
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).trimmed();
}

// Whether the block device (a partition or a whole disk) is removable or on USB.
bool JeVyjimatelne(const QString &zarizeni)
{
    if (!zarizeni.startsWith(u"/dev/"_s))
        return false;
    const QString jmeno = QFileInfo(QFileInfo(zarizeni).canonicalFilePath()).fileName();
    if (jmeno.isEmpty())
        return false;
    QString sys = QFileInfo(u"/sys/class/block/"_s + jmeno).canonicalFilePath();
    if (sys.isEmpty())
        return false;
    if (QFileInfo::exists(sys + u"/partition"_s))
        sys = QFileInfo(sys).path();
    if (PrectiAtribut(sys + u"/removable"_s) == u"1")
        return true;
    return sys.contains(u"/usb"_s);
}

qint64 NeboMinusJedna(qint64 v)
{
    return v > 0 ? v : -1;
}

} // namespace

QList<TZarExp> TZdrojZarizeniLinux::Zarizeni()
{
    QList<TZarExp> seznam;
    for (const QStorageInfo &svazek : QStorageInfo::mountedVolumes()) {
        if (!svazek.isValid() || !JeVyjimatelne(QString::fromLocal8Bit(svazek.device())))
            continue;
        TZarExp z;
        z.Pozice = SLomitkem(svazek.rootPath());
        z.Zarizeni = ZarizeniAdresare(z.Pozice);
        if (std::any_of(seznam.cbegin(), seznam.cend(),
                        [&](const TZarExp &j) { return j.Pozice == z.Pozice; }))
            continue;
        if (svazek.isReady()) {
            z.Size = NeboMinusJedna(svazek.bytesTotal());
            z.Free = svazek.bytesAvailable() >= 0 ? svazek.bytesAvailable() : -1;
        }
        seznam.append(z);
    }
    std::sort(seznam.begin(), seznam.end(),
              [](const TZarExp &a, const TZarExp &b) { return a.Pozice < b.Pozice; });
    return seznam;
}

QList<QStringList> TZdrojZarizeniLinux::PrikazyOdebrani(const QString &pozice)
{
    const QStorageInfo svazek(pozice);
    if (!svazek.isValid())
        return {};
    const QString zarizeni = QString::fromLocal8Bit(svazek.device());
    return {{u"udisksctl"_s, u"unmount"_s, u"-b"_s, zarizeni},
            {u"udisksctl"_s, u"power-off"_s, u"-b"_s, zarizeni}};
}

QList<TZarExp> TZdrojZarizeniAdresare::Zarizeni()
{
    QList<TZarExp> seznam;
    for (const QString &a : m_adresare) {
        if (!QFileInfo(a).isDir())
            continue;
        const QStorageInfo svazek(a);
        seznam.append({SLomitkem(a), NeboMinusJedna(svazek.bytesTotal()),
                       svazek.bytesAvailable() >= 0 ? svazek.bytesAvailable() : -1,
                       ZarizeniAdresare(a)});
    }
    for (const QString &s : m_prazdne)
        seznam.append({SLomitkem(s), -1, -1});
    std::sort(seznam.begin(), seznam.end(),
              [](const TZarExp &a, const TZarExp &b) { return a.Pozice < b.Pozice; });
    return seznam;
}

std::unique_ptr<IZdrojZarizeni> VytvorZdrojZarizeni()
{
    const QString adresare = qEnvironmentVariable("ZELKOVAR_ZARIZENI");
    if (adresare.isEmpty())
        return std::make_unique<TZdrojZarizeniLinux>();
    return std::make_unique<TZdrojZarizeniAdresare>(adresare.split(u':', Qt::SkipEmptyParts));
}

QStringList SeznamVyjimatelnych(IZdrojZarizeni &zdroj)
{
    QStringList pozice;
    for (const TZarExp &z : zdroj.Zarizeni())
        pozice.append(z.Pozice);
    return pozice;
}

QList<TZarExp> NactiZarizeni(IZdrojZarizeni &zdroj)
{
    return zdroj.Zarizeni();
}

bool JeStalePripojeno(IZdrojZarizeni &zdroj, const TZarExp &zarizeni)
{
    const QList<TZarExp> ted = zdroj.Zarizeni();
    return std::any_of(ted.cbegin(), ted.cend(), [&](const TZarExp &z) {
        return z.Pozice == zarizeni.Pozice && z.Size > 0 && z.Zarizeni == zarizeni.Zarizeni &&
               z.Zarizeni != 0;
    });
}

void TExecuteThread::run()
{
    int vysledek = 0;
    for (const QStringList &prikaz : std::as_const(Prikazy)) {
        QProcess p;
        // Nothing of the helper's output may reach the user.
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(prikaz.first(), prikaz.mid(1));
        if (!p.waitForStarted()) {
            Result = -1;
            return;
        }
        if (!p.waitForFinished(15000)) {
            vysledek = 1;
            break;
        }
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            vysledek = 1;
            break;
        }
    }
    Result = vysledek;
    if (Hotovo)
        *Hotovo = true;
}

bool OdeberZarizeni(IZdrojZarizeni &zdroj, const QString &adrInstalace, const QString &pozice,
                    const std::function<void(int)> &cekej)
{
    const QString removedrive = adrInstalace + u"removedrive"_s;
    QList<QStringList> prikazy;
    if (QFileInfo(removedrive).isFile())
        prikazy.append({removedrive, pozice});
    else
        prikazy = zdroj.PrikazyOdebrani(pozice);
    if (!prikazy.isEmpty()) {
        std::atomic<bool> HotovoOdebrani{false};
        TExecuteThread vlakno;
        vlakno.Prikazy = prikazy;
        vlakno.Visibility = 0;
        vlakno.Hotovo = &HotovoOdebrani;
        vlakno.start();
        for (int i = 0; !HotovoOdebrani && i <= 30; ++i) {
            if (cekej)
                cekej(500);
            else
                QThread::msleep(500);
        }
        // The worker owns a QProcess; it must end before it goes out of scope.
        vlakno.wait();
    }
    return !SeznamVyjimatelnych(zdroj).contains(pozice);
}
