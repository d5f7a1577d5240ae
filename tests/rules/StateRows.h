#pragma once

// What the state rows of the mode, rate-control and decode tests share: the
// columns they name and the comparison every row starts with.

#include "tests/support/WindowHarness.h"

#include <QTest>

#include <initializer_list>

namespace marulo::test {

inline void AddTextColumns(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        QTest::addColumn<QString>(name);
}

// For a row with the columns steps, enabled, checked, shown and status: runs
// the row's steps in the fresh window and compares its states and status
// sentence with the row's; call from a test function and return when
// QTest::currentTestFailed().
inline void CompareRow(Harness& window)
{
    QFETCH(QString, steps);
    QFETCH(QString, enabled);
    QFETCH(QString, checked);
    QFETCH(QString, shown);
    QFETCH(QString, status);

    QVERIFY(window.active());
    QCOMPARE(window.run(steps), QString());
    CompareStates(window, enabled, checked, shown);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(window.status(), status);
}

} // namespace marulo::test
