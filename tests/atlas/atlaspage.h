#pragma once

#include "formprobe.h"

#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtWidgets/QWidget>

class QLayout;
class QSpacerItem;

// Reading the atlas that vexaro-preview --atlas writes, and what the tests
// hold it against: the forms as the module builds them.
namespace AtlasPage {

struct Row
{
    int slot = -1;
    QString getter;
    QString className;
    QString kind;          // widget, layout or spacer
    bool hidden = false;
    QString parent;
    QString rect;          // "x, y, w × h", or "hidden"
    QString text[2];       // Danish, English
    QString toolTip[2];
    QString accessibleName[2];
};

QString readFile(const QString &path);

// Builds the form at 'slot' through the module into 'host', as a host does,
// releases the form object and gives its getters' results in slot order;
// false when the factory gives no form object.
bool buildAndProbe(int slot, QWidget *host, FormProbe::Members *members);

// The table of a form's page, in the order of its rows.
QVector<Row> rows(const QString &html);

// The overlay boxes over a form's picture: slot -> rectangle in percent.
QHash<int, QRectF> boxes(const QString &html);

QString rectText(const QRect &rect);

// The member, or the host widget, that 'object' sits in, as a host finds it
// walking up the tree: Qt's own parts ("qt_...") are no members.
QString parentOf(const QObject *object);
QString parentOf(QWidget *host, const QSpacerItem *spacer);

// What a widget says in the current language: a combo box its items,
// anything else the text, title or plain text a form can set.
QString textOf(const QWidget *widget);
QString accessibleNameOf(QWidget *widget);

// A widget's rectangle in the host, and what its ancestors leave of it.
QRect rectIn(QWidget *host, const QWidget *widget);
QRect visibleRectIn(QWidget *host, const QWidget *widget);

} // namespace AtlasPage
