#pragma once

// The data of a test that runs once with a switch off and once with it on.
#include <QTest>

inline void DvaPripady(const char *sloupec, const char *vypnuto, const char *zapnuto)
{
    QTest::addColumn<bool>(sloupec);
    QTest::newRow(vypnuto) << false;
    QTest::newRow(zapnuto) << true;
}
