#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

// One removable device with a mounted volume, named by its mount point.
struct TZarExp
{
    QString Pozice;       // the mount point, ending with '/'
    qint64 Size = -1;     // total size in bytes; -1 when it cannot be read (no medium)
    qint64 Free = -1;     // free space in bytes; -1 when it cannot be read
    quint64 Zarizeni = 0; // the mounted volume's device (st_dev of the mount point); 0 unknown
};

// Where the removable devices come from: the system, or directories in tests.
class IZdrojZarizeni
{
public:
    virtual ~IZdrojZarizeni() = default;
    // The devices in a stable order (by mount point).
    virtual QList<TZarExp> Zarizeni() = 0;
    // The commands that eject the device at `pozice` when there is no removedrive;
    // each is a program followed by its arguments, run in order.
    virtual QList<QStringList> PrikazyOdebrani(const QString &pozice) = 0;
};

// Mounted volumes of block devices that the kernel marks removable or that sit on USB.
class TZdrojZarizeniLinux : public IZdrojZarizeni
{
public:
    QList<TZarExp> Zarizeni() override;
    QList<QStringList> PrikazyOdebrani(const QString &pozice) override;
};

// Existing directories presented as devices with media, and slots without a medium.
class TZdrojZarizeniAdresare : public IZdrojZarizeni
{
public:
    explicit TZdrojZarizeniAdresare(QStringList adresare, QStringList prazdneSloty = {})
        : m_adresare(std::move(adresare)), m_prazdne(std::move(prazdneSloty))
    {
    }
    QList<TZarExp> Zarizeni() override;
    QList<QStringList> PrikazyOdebrani(const QString &) override { return {}; }

private:
    QStringList m_adresare;
    QStringList m_prazdne;
};

// The system's devices; for training without USB drives, the directories listed in
// the environment variable ZELKOVAR_ZARIZENI (separated by ':') instead.
std::unique_ptr<IZdrojZarizeni> VytvorZdrojZarizeni();

// The mount points of all listed devices, with or without a medium.
QStringList SeznamVyjimatelnych(IZdrojZarizeni &zdroj);
// The devices with their sizes (the table the export dialog lists from).
QList<TZarExp> NactiZarizeni(IZdrojZarizeni &zdroj);

// Whether the device listed earlier is still the mounted volume at its mount point:
// listed now with a medium and on the same device.
bool JeStalePripojeno(IZdrojZarizeni &zdroj, const TZarExp &zarizeni);

// Runs the eject commands hidden, one after another; each may take 15 s. Result is
// -1 when a program cannot be started, 0 when all ended with exit code 0, 1 otherwise
// (also when one is still running after the wait). Hotovo is set only when every
// started program has ended or timed out, never after a failed start.
class TExecuteThread : public QThread
{
public:
    QList<QStringList> Prikazy;
    int Visibility = 0;
    std::atomic<int> Result{-1};
    std::atomic<bool> *Hotovo = nullptr;

protected:
    void run() override;
};

// Asks `removedrive` in adrInstalace (when it exists) or the source's own commands to
// eject the device at `pozice`, polls the worker every 500 ms up to 31 times, then
// true when the device is no longer listed. `cekej` sleeps (tests may speed it up).
bool OdeberZarizeni(IZdrojZarizeni &zdroj, const QString &adrInstalace, const QString &pozice,
                    const std::function<void(int)> &cekej = {});
