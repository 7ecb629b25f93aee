#pragma once

#include <QtCore/QHash>
#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

// The host contract written down independently of the forms: tests/data/*.tsv.
namespace TestData {

struct FormRow
{
    int slot = 0;
    QString operation;       // createNavBar
    QString interfaceName;   // INavBarClass
    QString defaultName;     // NavBarClass
    QSize size;
    QString windowTitle;
    bool titleTranslated = true;
    bool dialog = false;
    int getters = 0;
};

struct MemberRow
{
    QString name;
    QString className;
};

// Rows of forms.tsv, in slot order.
QVector<FormRow> forms();

// members.tsv: each form's members in slot order, by default object name.
QHash<QString, QVector<MemberRow>> members();

// The path of every .ui file under forms/, sorted.
QStringList uiFiles();

} // namespace TestData
