#pragma once

#include <QByteArray>
#include <QString>

// Protected storage of results files: a zlib container, enciphered with Blowfish in
// 8-bit cipher feedback under a fixed key, stored as Base64 text.
namespace Ochrana {

// Initialises the cipher library (once; later calls do nothing). The programs call it
// first thing: the library ends the process when it cannot read the system's
// settings, and that must happen before any work has begun, never half-way.
void InicializujGcrypt();

// The key of the precinct results files.
inline constexpr char KlicOkrsku[] = "H4m7q#RZ2!tK9&w5";

// The longest plain content a results file can hold: the header, 45 party blocks,
// the closing block and 99 free-text blocks.
inline constexpr qint32 MaxDelkaObsahu = 59 + 45 * 323 + 250 + 99 * 215;

// A stored file larger than this is not a results file and is not read.
inline constexpr qint64 MaxVelikostSouboru = qint64(1024) * 1024;

// In-memory stages. Readers raise EChyba with a Czech message on damaged input;
// `nazev` names the file in that message.
QByteArray Zabal(const QByteArray &obsah);
// The zlib stream must end with its verified check value; fewer than 8 bytes (the
// block filler) may follow it. `konecProudu`, when given, receives where it ended.
QByteArray Rozbal(const QByteArray &kontejner, const QString &nazev,
                  qsizetype *konecProudu = nullptr);
QByteArray Zasifruj(const QByteArray &data, const QByteArray &klic);
// The cipher text must be whole 8-byte blocks.
QByteArray Desifruj(const QByteArray &base64, const QByteArray &klic, const QString &nazev);

// The plain content of a stored file, with every check of its end: exact Base64,
// whole blocks, the stream's check value, and a filler of the last block that is
// zeros or the previous block's cipher text. Every reader of results files uses it.
QByteArray Otevri(const QByteArray &ulozeny, const QByteArray &klic, const QString &nazev);

// Base64 in 76-character lines joined by CR LF; decoding skips line breaks and other
// characters outside the alphabet, but requires whole groups of four with canonical
// padding and nothing but line breaks and blanks after them.
QByteArray DoBase64(const QByteArray &data);
QByteArray ZBase64(const QByteArray &text, const QString &nazev);

// The four file-to-file operations; targets are created or overwritten.
void ZabalSoubor(const QString &zdroj, const QString &cil);
void RozbalSoubor(const QString &zdroj, const QString &cil);
void ZasifrujSoubor(const QString &zdroj, const QString &cil, const QString &klic);
void DesifrujSoubor(const QString &zdroj, const QString &cil, const QString &klic);

} // namespace Ochrana
