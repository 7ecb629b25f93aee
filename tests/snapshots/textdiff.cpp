#include "textdiff.h"

#include <QtCore/QStringList>
#include <QtCore/QVector>

namespace TextDiff {

namespace {

struct Line
{
    char kind;        // ' ', '-' or '+'
    QString text;
    int expectedLine; // 1-based line number in the expected text
};

// The edit script between two line lists, by longest common subsequence
// after the common head and tail are set aside (a snapshot change is small).
QVector<Line> script(const QStringList &a, const QStringList &b)
{
    int head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    int tail = 0;
    while (tail < a.size() - head && tail < b.size() - head
           && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const int n = a.size() - head - tail;
    const int m = b.size() - head - tail;
    // lcs[i][j]: common lines of a[head+i..] and b[head+j..] in the middle.
    QVector<QVector<int>> lcs(n + 1, QVector<int>(m + 1, 0));
    for (int i = n - 1; i >= 0; --i) {
        for (int j = m - 1; j >= 0; --j) {
            lcs[i][j] = a[head + i] == b[head + j] ? lcs[i + 1][j + 1] + 1 : qMax(lcs[i + 1][j], lcs[i][j + 1]);
        }
    }
    QVector<Line> lines;
    for (int k = 0; k < head; ++k)
        lines.append({' ', a[k], k + 1});
    int i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[head + i] == b[head + j]) {
            lines.append({' ', a[head + i], head + i + 1});
            ++i;
            ++j;
        } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
            lines.append({'-', a[head + i], head + i + 1});
            ++i;
        } else {
            lines.append({'+', b[head + j], head + i + 1});
            ++j;
        }
    }
    for (int k = a.size() - tail; k < a.size(); ++k)
        lines.append({' ', a[k], k + 1});
    return lines;
}

} // namespace

QString unified(const QString &expected, const QString &actual)
{
    const QVector<Line> lines = script(expected.split(QLatin1Char('\n')), actual.split(QLatin1Char('\n')));
    constexpr int context = 3;
    QVector<bool> keep(lines.size(), false);
    for (int k = 0; k < lines.size(); ++k) {
        if (lines[k].kind == ' ')
            continue;
        for (int c = qMax(0, k - context); c <= qMin(lines.size() - 1, k + context); ++c)
            keep[c] = true;
    }
    QString out;
    for (int k = 0; k < lines.size(); ++k) {
        if (!keep[k])
            continue;
        if (k == 0 || !keep[k - 1])
            out += QStringLiteral("@@ line %1 @@\n").arg(lines[k].expectedLine);
        out += QLatin1Char(lines[k].kind) + lines[k].text + QLatin1Char('\n');
    }
    return out;
}

} // namespace TextDiff
