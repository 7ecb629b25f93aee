#pragma once

#include <QtCore/QString>

// A line diff in the unified style ("-" expected, "+" actual, three lines
// of context), for a test that fails on a changed text.
namespace TextDiff {

QString unified(const QString &expected, const QString &actual);

} // namespace TextDiff
