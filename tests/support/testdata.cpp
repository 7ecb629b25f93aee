#include "testdata.h"

#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>

namespace TestData {

namespace {

QVector<QStringList> readTable(const QString &fileName, int columns)
{
    QFile file(QStringLiteral(VEXARO_TEST_DATA_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read test data %s", qPrintable(file.fileName()));
    QVector<QStringList> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != columns)
            qFatal("%s: expected %d fields in '%s'", qPrintable(fileName), columns, qPrintable(line));
        rows.append(fields);
    }
    return rows;
}

} // namespace

QVector<FormRow> forms()
{
    QVector<FormRow> result;
    for (const QStringList &f : readTable(QStringLiteral("forms.tsv"), 10)) {
        FormRow row;
        row.slot = f[0].toInt();
        row.operation = f[1];
        row.interfaceName = f[2];
        row.defaultName = f[3];
        row.size = QSize(f[4].toInt(), f[5].toInt());
        row.windowTitle = f[6];
        row.titleTranslated = f[7] == QLatin1String("yes");
        row.dialog = f[8] == QLatin1String("D");
        row.getters = f[9].toInt();
        result.append(row);
    }
    return result;
}

QHash<QString, QVector<MemberRow>> members()
{
    QHash<QString, QVector<MemberRow>> result;
    for (const QStringList &f : readTable(QStringLiteral("members.tsv"), 4)) {
        QVector<MemberRow> &list = result[f[0]];
        if (f[1].toInt() != list.size())
            qFatal("members.tsv: %s slot %s out of order", qPrintable(f[0]), qPrintable(f[1]));
        list.append({f[2], f[3]});
    }
    return result;
}

QStringList uiFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(VEXARO_SOURCE_DIR "/forms"), {QStringLiteral("*.ui")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

} // namespace TestData
