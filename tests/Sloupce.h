#pragma once

#include <QTest>

#include <array>
#include <cstddef>

// Declares a data-driven test's columns, one name per type, in order:
//   Sloupce<int, QString, bool>({"zapsano", "text", "plati"});
template <typename... T> void Sloupce(const std::array<const char *, sizeof...(T)> &jmena)
{
    std::size_t i = 0;
    (QTest::addColumn<T>(jmena[i++]), ...);
}
