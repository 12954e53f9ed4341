#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// File access shared by every store module: lookup without regard to letter case,
// bounded whole-file reads and the one routine that replaces a file atomically.
namespace Soubory {

// The path of the file `jmeno` in `adresar` (which ends with '/'), in whatever
// letter case it exists; when none exists, adresar + jmeno as given.
QString NajdiSoubor(const QString &adresar, const QString &jmeno);

// The path of the directory `jmeno` in `adresar` (which ends with '/'), ending with
// '/', in whatever letter case it exists; when none exists, adresar + jmeno + '/'.
QString NajdiAdresar(const QString &adresar, const QString &jmeno);

// Whether a file of that name exists in any letter case. A FIFO, device or socket
// counts too, so that whoever reads it refuses it instead of taking it for missing.
bool Existuje(const QString &adresar, const QString &jmeno);
// The same for one path: anything there but a directory.
bool ExistujeSoubor(const QString &cesta);

// Opens a file with `priznaky` (O_RDONLY, O_RDWR | O_CREAT, ...; created 0644) without
// ever waiting on it: anything but a regular file in its place (a FIFO, a device, a
// socket, a directory) is closed again and raises EChyba naming it. A failed open
// returns -1 with errno set, for the caller's own message. `velikost`, when given,
// receives the file's size.
int OtevriObycejny(const QString &cesta, int priznaky, qint64 *velikost = nullptr);

// The message refusing `cesta`, whose file type (st_mode) is not a regular file.
QString NeniObycejny(const QString &cesta, unsigned druh);

// Reads a whole file. Missing, unreadable, not a regular file or larger than
// maxVelikost: EChyba naming it.
QByteArray NactiSoubor(const QString &cesta, qint64 maxVelikost);

// Replaces `cesta` with `obsah`: a temporary file in the same directory, every write
// checked, fsync, close, rename over the old name, fsync of the directory. On any
// failure before the rename the previous file is left exactly as it was, the
// temporary file is removed and EChyba names the file and the system's reason. When
// only the final directory sync fails, the previous file is put back where the file
// system keeps a second name for it; otherwise the new, complete file stays. A file
// system that cannot sync directories (EINVAL) does not fail the save.
// Anything but a regular file in the file's place is refused (EChyba), not replaced.
// `casZmenyNs` >= 0 sets the new file's modification time (ns since the epoch) before
// it is synced, so the time is as durable as the content. Temporary files of an
// earlier, interrupted save of the same file are removed after a successful one.
void UlozAtomicky(const QString &cesta, const QByteArray &obsah, qint64 casZmenyNs = -1);

// Removes what an interrupted save left in `adresar`: the files whose names start
// with `zacatek` (the hidden temporary name of the file being saved). Best effort.
void SmazPozustatky(const QString &adresar, const QString &zacatek);

// The modification time of a regular file in ns since the epoch; -1 when there is none.
// Anything else in its place raises EChyba.
qint64 CasZmeny(const QString &cesta);

// The current time in ns since the epoch.
qint64 TedNs();

// Writes all bytes to fd, retrying short writes and interrupted calls; the errno of
// the failure, or 0.
int ZapisVse(int fd, const QByteArray &obsah);

// Writes an intermediate file with every write checked; never through a symbolic link.
void ZapisPomocny(const QString &cesta, const QByteArray &obsah);

// The directory `jmeno` in `adresar` (which ends with '/'), made when missing; the
// returned path ends with '/'. A symbolic link there, anything but a directory, or a
// directory of another file system raises EChyba naming it: what the programs put
// there must stay in the installation.
QString AdresarInstalace(const QString &adresar, const QString &jmeno);

// Moves a file to another name on the same file system and makes both directory
// entries durable; a failure raises EChyba and leaves the file where it was.
void Presun(const QString &odkud, const QString &kam);

// Removes a file if it exists; a failed removal raises EChyba.
void Smaz(const QString &cesta);
// The same, and the removal is on the disk when it returns.
void SmazTrvale(const QString &cesta);

// Removes the hidden temporary files that our saves and export copies leave when they
// are killed (".NAME.EXT.<pid>-<n>", the old file's second name ".NAME.EXT.old", and
// ".NAME.EXT.XXXXXX" of older versions) from `adresar`. Only for a writer holding the installation
// lock. Best effort.
void SmazDocasnePozustatky(const QString &adresar);

// Test seam: the steps of UlozAtomicky at which a failure can be injected.
enum class KrokUkladani
{
    Vytvoreni,
    Zapis,
    Fsync,
    Zavreni,
    Prejmenovani,
    FsyncAdresare,
    Odkaz, // the second name of the old file (file systems without hard links)
};

// While set, UlozAtomicky asks it before each step; a non-zero return is taken as
// the errno of that step failing. Tests only.
void NastavPoruchu(std::function<int(KrokUkladani)> porucha);

} // namespace Soubory
