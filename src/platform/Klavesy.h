#pragma once

#include <QString>

class QKeyEvent;

// What a key means in a field that takes digits. A precinct PC has the Czech layout,
// whose number row gives "+ěščřžýáíé" without Shift: those count as 1234567890, so a
// member who types without Shift or the keypad is not stopped.
namespace Klavesy {

// Ctrl, Alt or Meta held: a shortcut, never text.
bool JeZkratka(const QKeyEvent &k);

// The digit the key types (0 to 9, unshifted, with Shift, on the keypad or the Czech
// number row), or -1. A key held with Ctrl, Alt or Meta types no digit.
int Cislice(const QKeyEvent &k);

// The digit a character stands for, or -1. '+' is not 1 here: in pasted text it is a
// sign, and on the keypad it is plus.
int CisliceZnaku(QChar z);

// Text for a field that takes digits (and with `cas` also ':' and '.', the separators of
// a time): the Czech number row's letters become digits, anything else is dropped.
QString JenCislice(const QString &text, bool cas = false);

} // namespace Klavesy
