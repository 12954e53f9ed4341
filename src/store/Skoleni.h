#pragma once

#include <QString>

// A training station: its installation says so in a file of its own in the station
// directory, so that a copy of the installation stays a training station. Everything
// it prints, exports and journals is marked as not valid.
namespace Skoleni {

inline const QString JmenoZnacky = QStringLiteral("SKOLENI.TXT");
// Drawn across every printed page.
inline const QString TextZnacky = QStringLiteral("CVIČNÁ DATA – NEPLATNÉ");
// Before the official name of an export file: no receiving point takes it for real.
inline const QString PredponaExportu = QStringLiteral("CVICNE-");

bool JeCvicna(const QString &adrStanice);

// Writes the mark (atomically; EChyba names the file).
void Oznac(const QString &adrStanice);

// The export file's name on this station.
QString JmenoExportu(const QString &adrStanice, const QString &uredniJmeno);

} // namespace Skoleni
