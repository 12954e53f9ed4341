#pragma once

#include <QStringList>

// Exit codes of the tool.
inline constexpr int KodUspech = 0;
inline constexpr int KodChyba = 1;   // bad input or a failed operation
inline constexpr int KodPouziti = 2; // wrong usage

// Each command takes its own arguments (without the command name).
int PrikazStanice(const QStringList &argumenty);
int PrikazPrecti(const QStringList &argumenty);
int PrikazZapis(const QStringList &argumenty);

// Messages to the user, UTF-8.
void Vypis(const QString &text);
void VypisChybu(const QString &text);
