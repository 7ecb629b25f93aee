#include "atlaspage.h"

#include "builtform.h"
#include "formprobes.h"
#include "formslots.h"

#include <QtCore/QFile>
#include <QtCore/QHash>
#include <QtCore/QMetaProperty>
#include <QtCore/QRegularExpression>
#include <QtGui/QAccessible>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLayout>

namespace AtlasPage {

namespace {

QString unescaped(QString text)
{
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&#39;", "'");
    text.replace("&times;", QString(QChar(0xd7))).replace("&middot;", QString(QChar(0xb7)));
    return text.replace("&amp;", "&");
}

QString plain(const QString &html)
{
    static const QRegularExpression tag("<[^>]*>");
    return unescaped(QString(html).remove(tag));
}

QString cell(const QString &row, const QString &name)
{
    const QRegularExpression re(QStringLiteral("<td class=\"%1\">(.*?)</td>").arg(name),
                                QRegularExpression::DotMatchesEverythingOption);
    return re.match(row).captured(1);
}

void bilingual(const QString &cell, QString (&text)[2])
{
    static const QRegularExpression re("<span lang=\"da\">(.*?)</span><span lang=\"en\">(.*?)</span>",
                                       QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = re.match(cell);
    text[0] = unescaped(m.captured(1));
    text[1] = unescaped(m.captured(2));
}

} // namespace

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool buildAndProbe(int slot, QWidget *host, FormProbe::Members *members)
{
    return FormSlots::visit(testFactory(), slot, [host, members](auto *form) {
        if (!form)
            return false;
        form->setupUi(host);
        *members = probeMembers(form);
        form->release();
        return true;
    });
}

QVector<Row> rows(const QString &html)
{
    static const QRegularExpression rowRe("<tr id=\"slot-(\\d+)\" class=\"(\\w+)( hidden)?\" data-slot=\"\\1\">(.*?)</tr>",
                                          QRegularExpression::DotMatchesEverythingOption);
    QVector<Row> result;
    for (auto it = rowRe.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString cells = m.captured(4);
        Row row;
        row.slot = m.captured(1).toInt();
        row.kind = m.captured(2);
        row.hidden = !m.captured(3).isEmpty();
        row.getter = plain(cell(cells, "getter"));
        row.className = plain(cell(cells, "class").section('<', 0, 0));
        row.parent = plain(cell(cells, "parent"));
        row.rect = plain(cell(cells, "rect"));
        bilingual(cell(cells, "text"), row.text);
        bilingual(cell(cells, "tooltip"), row.toolTip);
        bilingual(cell(cells, "accessible"), row.accessibleName);
        result.append(row);
    }
    return result;
}

QHash<int, QRectF> boxes(const QString &html)
{
    static const QRegularExpression re("<div class=\"box \\w+\" id=\"box-(\\d+)\" data-slot=\"\\1\" "
                                       "style=\"left:([\\d.]+)%;top:([\\d.]+)%;width:([\\d.]+)%;height:([\\d.]+)%\"");
    QHash<int, QRectF> result;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        result.insert(m.captured(1).toInt(), QRectF(m.captured(2).toDouble(), m.captured(3).toDouble(),
                                                    m.captured(4).toDouble(), m.captured(5).toDouble()));
    }
    return result;
}

QString rectText(const QRect &rect)
{
    return QStringLiteral("%1, %2, %3 %4 %5").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(QChar(0xd7)).arg(rect.height());
}

QString parentOf(const QObject *object)
{
    for (const QObject *parent = object->parent(); parent; parent = parent->parent()) {
        if (!parent->objectName().isEmpty() && !parent->objectName().startsWith("qt_"))
            return parent->objectName();
    }
    return QString();
}

QString parentOf(QWidget *host, const QSpacerItem *spacer)
{
    const QList<QLayout *> layouts = host->findChildren<QLayout *>();
    for (const QLayout *layout : layouts) {
        for (int i = 0; i < layout->count(); ++i) {
            if (layout->itemAt(i)->spacerItem() == spacer)
                return layout->objectName();
        }
    }
    return QString();
}

QString textOf(const QWidget *widget)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items.join(" | ");
    }
    for (const char *name : {"text", "title", "plainText"}) {
        const int index = widget->metaObject()->indexOfProperty(name);
        if (index >= 0 && widget->metaObject()->property(index).isWritable())
            return widget->property(name).toString();
    }
    return QString();
}

QString accessibleNameOf(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(QAccessible::Name) : QString();
}

QRect rectIn(QWidget *host, const QWidget *widget)
{
    return QRect(widget->mapTo(host, QPoint(0, 0)), widget->size());
}

QRect visibleRectIn(QWidget *host, const QWidget *widget)
{
    QRect visible = rectIn(host, widget) & host->rect();
    for (const QWidget *w = widget; w && w != host; w = w->parentWidget())
        visible &= rectIn(host, w);
    return visible;
}

} // namespace AtlasPage
