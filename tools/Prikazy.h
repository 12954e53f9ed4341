#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <memory>

// Exit codes of the tool.
inline constexpr int KodUspech = 0;
inline constexpr int KodChyba = 1;   // bad input or a failed operation
inline constexpr int KodPouziti = 2; // wrong usage

// Each command takes its own arguments (without the command name).
int PrikazStanice(const QStringList &argumenty);
int PrikazPrecti(const QStringList &argumenty);
int PrikazZapis(const QStringList &argumenty);
int PrikazKontrola(const QStringList &argumenty);
int PrikazTisk(const QStringList &argumenty);
int PrikazPorizeni(const QStringList &argumenty);
int PrikazExport(const QStringList &argumenty);
int PrikazPorovnej(const QStringList &argumenty);
int PrikazVycisti(const QStringList &argumenty);
int PrikazAktualni(const QStringList &argumenty);
int PrikazOver(const QStringList &argumenty);

// The application object: a GUI one (offscreen) for `tisk`, which measures text.
std::unique_ptr<QCoreApplication> VytvorAplikaci(int &argc, char **argv);

// Exit code of `kontrola` when the data hold a blocking error, of `export` when the
// data cannot be exported.
inline constexpr int KodBlokujiciChyba = 3;

// Exit code of `porovnej` when the control entry differs from the stored results, of
// `over` when the typed fingerprint differs from the file's.
inline constexpr int KodRozdily = 4;

// Messages to the user, UTF-8.
void Vypis(const QString &text);
void VypisChybu(const QString &text);
