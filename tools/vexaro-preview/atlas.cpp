#include "atlas.h"

#include "VexaroForms.h"
#include "formprobes.h"
#include "formslots.h"
#include "placeholderskin.h"
#include "uimodule.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaProperty>
#include <QtCore/QSaveFile>
#include <QtCore/QTextStream>
#include <QtCore/QTranslator>
#include <QtGui/QAccessible>
#include <QtGui/QCursor>
#include <QtGui/QImage>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLayout>
#include <QtWidgets/QWidget>

#include <algorithm>
#include <climits>
#include <functional>

namespace {

enum Language { Danish, English };

struct Member
{
    enum Kind { Widget, Layout, Spacer };
    QString getter;
    QString declaredClass; // the getter's return type
    Kind kind = Widget;
    QString parent;        // the member, or the host widget, it sits in
    bool shown = false;    // false: on a stack page not shown, or hidden by the form
    QRect rect;            // in the form's coordinates
    QRect visibleRect;     // what its ancestors leave of it
    QString text[2];       // by Language
    QString toolTip[2];
    QString accessibleName[2];
    int paintOrder = 0;    // widgets: later ones are drawn over earlier ones
};

// Qt names the parts it makes itself (a scroll area's viewport) "qt_...";
// the forms name every member.
bool isMember(const QObject *object)
{
    return !object->objectName().isEmpty() && !object->objectName().startsWith(QLatin1String("qt_"));
}

QString memberParent(const QObject *object)
{
    for (const QObject *parent = object->parent(); parent; parent = parent->parent()) {
        if (isMember(parent))
            return parent->objectName();
    }
    return QString();
}

QLayout *layoutHolding(QWidget *host, const QSpacerItem *spacer)
{
    const QList<QLayout *> layouts = host->findChildren<QLayout *>();
    for (QLayout *layout : layouts) {
        for (int i = 0; i < layout->count(); ++i) {
            if (layout->itemAt(i)->spacerItem() == spacer)
                return layout;
        }
    }
    return nullptr;
}

// What a widget says: a combo box its items, anything else the text a form
// can set (a progress bar's text is only its value).
QString textOf(const QWidget *widget)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items.join(QStringLiteral(" | "));
    }
    const QMetaObject *meta = widget->metaObject();
    for (const char *name : {"text", "title", "plainText"}) {
        const int index = meta->indexOfProperty(name);
        if (index >= 0 && meta->property(index).isWritable())
            return meta->property(index).read(widget).toString();
    }
    return QString();
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(QAccessible::Name) : QString();
}

// The area of 'local' (in 'widget's coordinates) in the host's, and the part
// of it that every ancestor up to the host leaves visible.
void place(QWidget *host, QWidget *widget, const QRect &local, Member &member)
{
    member.rect = QRect(widget->mapTo(host, local.topLeft()), local.size());
    member.visibleRect = member.rect;
    for (QWidget *w = widget; w && w != host; w = w->parentWidget())
        member.visibleRect &= QRect(w->mapTo(host, QPoint(0, 0)), w->size());
    member.visibleRect &= host->rect();
    member.shown = widget == host || widget->isVisibleTo(host);
}

// Counts the layout requests delivered: a form is at rest when a round of
// events brings none. Polishing a widget may invalidate its layout again,
// and an invalidated layout has no geometry until it is redone.
class LayoutRequests : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};

void settle()
{
    LayoutRequests requests;
    QCoreApplication::instance()->installEventFilter(&requests);
    for (int round = 0; round < 20; ++round) {
        requests.count = 0;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        if (round > 0 && requests.count == 0)
            break;
    }
    QCoreApplication::instance()->removeEventFilter(&requests);
}

// Builds the form as a host does, shows it at its initial size, and reads
// its members in one language; the Danish build also gives the picture.
bool readForm(IUIFactory *factory, const FormCatalog::Form &form, Language language, QVector<Member> &members,
              QImage *picture)
{
    QWidget host;
    FormProbe::Members probed;
    const bool built = FormSlots::visit(factory, form.slot, [&host, &probed](auto *object) {
        if (!object)
            return false;
        object->setupUi(&host);
        probed = probeMembers(object);
        object->release();
        return true;
    });
    if (!built)
        return false;
    // Beside the pointer, so that nothing in the picture shows hovered.
    host.move(QCursor::pos() + QPoint(1, 1));
    host.show();
    settle();
    if (picture)
        *picture = host.grab().toImage();

    // Qt draws a widget over its parent and over its earlier siblings.
    QHash<const QObject *, int> paintOrder;
    const std::function<void(const QObject *)> walk = [&paintOrder, &walk](const QObject *object) {
        paintOrder.insert(object, paintOrder.size());
        for (const QObject *child : object->children()) {
            if (child->isWidgetType())
                walk(child);
        }
    };
    walk(&host);

    members.resize(probed.size());
    for (int i = 0; i < probed.size(); ++i) {
        const FormProbe::Entry &entry = probed[i];
        Member &member = members[i];
        member.getter = QString::fromLatin1(entry.getter);
        member.declaredClass = QString::fromLatin1(entry.declaredClass);
        if (auto *widget = qobject_cast<QWidget *>(entry.object)) {
            member.kind = Member::Widget;
            member.paintOrder = paintOrder.value(widget);
            member.parent = memberParent(widget);
            place(&host, widget, widget->rect(), member);
            member.text[language] = textOf(widget);
            member.toolTip[language] = widget->toolTip();
            member.accessibleName[language] = accessibleName(widget);
        } else if (auto *layout = qobject_cast<QLayout *>(entry.object)) {
            member.kind = Member::Layout;
            member.parent = memberParent(layout);
            if (QWidget *widget = layout->parentWidget())
                place(&host, widget, layout->geometry(), member);
        } else if (entry.spacer) {
            member.kind = Member::Spacer;
            if (QLayout *layout = layoutHolding(&host, entry.spacer)) {
                member.parent = layout->objectName();
                if (QWidget *widget = layout->parentWidget())
                    place(&host, widget, entry.spacer->geometry(), member);
            }
        }
    }
    return true;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString rectText(const QRect &rect)
{
    return QStringLiteral("%1, %2, %3 &times; %4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// A rectangle over the picture, in percent of it, so that it scales with it.
QString boxStyle(const QRect &rect, const QSize &size)
{
    const auto percent = [](int value, int whole) { return QString::number(100.0 * value / qMax(whole, 1), 'f', 3); };
    return QStringLiteral("left:%1%;top:%2%;width:%3%;height:%4%")
        .arg(percent(rect.x(), size.width()), percent(rect.y(), size.height()), percent(rect.width(), size.width()),
             percent(rect.height(), size.height()));
}

// Danish above English; nothing where neither has anything.
QString bilingual(const QString (&text)[2])
{
    if (text[Danish].isEmpty() && text[English].isEmpty())
        return QString();
    return QStringLiteral("<span lang=\"da\">%1</span><span lang=\"en\">%2</span>")
        .arg(escaped(text[Danish]), escaped(text[English]));
}

const char *kindName(Member::Kind kind)
{
    switch (kind) {
    case Member::Widget: return "widget";
    case Member::Layout: return "layout";
    case Member::Spacer: return "spacer";
    }
    return "";
}

const char *const Style = R"css(
:root { --ink: #1d2329; --muted: #66707a; --line: #d9dee3; --accent: #e8590c; --box: rgba(25, 113, 194, .5); }
* { box-sizing: border-box; }
body { margin: 0; font: 14px/1.45 system-ui, -apple-system, "Segoe UI", Roboto, "DejaVu Sans", sans-serif; color: var(--ink); background: #f4f6f8; }
a { color: #1864ab; text-decoration: none; }
a:hover { text-decoration: underline; }
header { padding: 16px 24px 4px; }
header h1 { margin: 4px 0; font-size: 22px; }
.meta { color: var(--muted); margin: 0; }
.stage { position: sticky; top: 0; z-index: 3; padding: 12px 24px 8px; background: #f4f6f8; border-bottom: 1px solid var(--line); box-shadow: 0 2px 6px #0001; }
.pic { position: relative; line-height: 0; background: repeating-conic-gradient(#e3e6e9 0 25%, #fff 0 50%) 0 0 / 16px 16px; box-shadow: 0 1px 4px #0003; }
.pic img { width: 100%; height: auto; }
.box { position: absolute; outline: 1px solid var(--box); outline-offset: -1px; }
.pic.bare .box { outline-color: transparent; }
.box.layout, .box.spacer { display: none; pointer-events: none; }
#mark { position: absolute; z-index: 2; pointer-events: none; outline: 2px solid var(--accent); outline-offset: -2px; background: rgba(232, 89, 12, .16); }
#mark.layout { outline-style: dashed; background: rgba(47, 158, 68, .12); outline-color: #2f9e44; }
#mark.spacer { outline-style: dotted; background: repeating-linear-gradient(45deg, rgba(112, 72, 232, .22) 0 4px, transparent 4px 8px); outline-color: #7048e8; }
.status { display: flex; gap: 16px; align-items: baseline; margin: 8px 0 0; min-height: 1.5em; color: var(--muted); }
.status output { color: var(--ink); font-weight: 600; }
.status label { margin-left: auto; white-space: nowrap; }
main { padding: 12px 24px 40px; overflow-x: auto; }
table { border-collapse: collapse; background: #fff; box-shadow: 0 1px 3px #0002; width: 100%; }
th, td { padding: 4px 8px; border-bottom: 1px solid var(--line); text-align: left; vertical-align: top; }
th { background: #e9ecef; font-weight: 600; }
tbody tr { scroll-margin-top: 60vh; }
td.slot, td.getter, td.rect, td.class { white-space: nowrap; }
td.slot, td.rect { font-variant-numeric: tabular-nums; }
td.slot { text-align: right; color: var(--muted); }
td.getter code { font: 600 13px ui-monospace, "DejaVu Sans Mono", monospace; }
td.text, td.tooltip, td.accessible { min-width: 9em; max-width: 22em; overflow-wrap: anywhere; }
td span[lang] { display: block; white-space: pre-wrap; }
td span[lang="en"] { color: var(--muted); }
td span[lang="en"]::before { content: "en "; font-size: 10px; color: #adb5bd; }
.tag { display: inline-block; margin-left: 6px; padding: 0 5px; border-radius: 3px; font-size: 11px; background: #e9ecef; color: var(--muted); }
tr.layout td, tr.spacer td { color: var(--muted); }
tr.hidden td.rect { color: #adb5bd; font-style: italic; }
tr.on td { background: #fff4e6; }
tbody tr:target td { background: #fff9db; }
.forms { display: grid; grid-template-columns: repeat(auto-fill, minmax(280px, 1fr)); gap: 16px; padding: 12px 24px 40px; }
.card { display: flex; flex-direction: column; gap: 6px; padding: 12px; background: #fff; border-radius: 6px; box-shadow: 0 1px 3px #0002; color: var(--ink); }
.card:hover { box-shadow: 0 2px 8px #0004; text-decoration: none; }
.card img { width: 100%; height: 170px; object-fit: contain; object-position: left center; }
.card b { font-size: 15px; }
.card span { color: var(--muted); font-size: 13px; }
)css";

// Pointing at a row outlines its member; pointing at the picture names the
// widget under the pointer (the topmost box, as the boxes are stacked in the
// order Qt paints the widgets). The outline is a mark of its own above the
// boxes, which the pointer passes through: what is under the pointer never
// depends on what is outlined.
const char *const Script = R"js(
(function () {
  'use strict';
  var picture = document.querySelector('.pic');
  var status = document.getElementById('status');
  var mark = document.getElementById('mark');
  var idle = status.textContent;
  var current = null;
  function cells(row) { return row.cells; }
  function describe(row) {
    var c = cells(row);
    var where = row.classList.contains('hidden') ? 'hidden' : c[4].textContent;
    return c[1].textContent + ' \u00b7 ' + c[2].firstChild.textContent + ' \u00b7 slot ' + c[0].textContent +
      ' \u00b7 in ' + c[3].textContent + ' \u00b7 ' + where;
  }
  function point(slot) {
    if (current !== null)
      document.getElementById('slot-' + current).classList.remove('on');
    current = slot;
    mark.hidden = true;
    if (slot === null) {
      status.textContent = idle;
      return;
    }
    var row = document.getElementById('slot-' + slot);
    var box = document.getElementById('box-' + slot);
    row.classList.add('on');
    if (box) {
      mark.style.cssText = box.style.cssText;
      mark.className = row.classList.contains('widget') ? '' : row.classList[0];
      mark.dataset.slot = slot;
      mark.hidden = false;
    }
    status.textContent = describe(row);
  }
  var rows = document.querySelectorAll('tbody tr');
  for (var i = 0; i < rows.length; ++i) {
    rows[i].addEventListener('mouseenter', function (event) { point(event.currentTarget.dataset.slot); });
    rows[i].addEventListener('mouseleave', function () { point(null); });
  }
  picture.addEventListener('mouseover', function (event) {
    var box = event.target.closest('.box');
    point(box ? box.dataset.slot : null);
  });
  picture.addEventListener('mouseleave', function () { point(null); });
  document.getElementById('outlines').addEventListener('change', function (event) {
    picture.classList.toggle('bare', !event.target.checked);
  });
  var target = /^#slot-(\d+)$/.exec(location.hash);
  if (target && document.getElementById('slot-' + target[1])) point(target[1]);
  document.documentElement.dataset.ready = 'true';
})();
)js";

QString pageStart(const QString &title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>")
        + escaped(title) + QStringLiteral("</title>\n<style>") + QLatin1String(Style) + QStringLiteral("</style>\n</head>\n");
}

// 'size' is the picture's: a form whose layout needs more room than its
// initial size (with this machine's fonts) is shown larger.
QString formPage(const FormCatalog::Form &form, const QString &pictureFile, const QSize &size,
                 const QVector<Member> &members)
{
    QString html;
    QTextStream s(&html);
    s << pageStart(form.name + QStringLiteral(" - getter atlas")) << "<body>\n<header>\n<a href=\"index.html\">&larr; All forms</a>\n<h1>"
      << escaped(form.name) << "</h1>\n<p class=\"meta\">I" << escaped(form.name) << " &middot; slot " << form.slot
      << " (" << escaped(form.operation) << ") &middot; " << form.initialSize.width() << " &times; "
      << form.initialSize.height();
    if (size != form.initialSize)
        s << " (shown at " << size.width() << " &times; " << size.height() << ", the least its layout takes here)";
    s << " &middot; " << members.size() << " getters</p>\n</header>\n";

    // Boxes in the order Qt draws the widgets, so that the last box under
    // the pointer is the widget Qt shows there.
    s << "<section class=\"stage\">\n<div class=\"pic\" style=\"width:min(" << size.width() << "px, 100%, calc(45vh * "
      << QString::number(double(size.width()) / qMax(size.height(), 1), 'f', 4) << "))\">\n<img src=\""
      << escaped(pictureFile) << "\" width=\"" << size.width() << "\" height=\"" << size.height() << "\" alt=\""
      << escaped(form.name) << "\">\n";
    QVector<int> drawn;
    for (int slot = 0; slot < members.size(); ++slot) {
        if (members[slot].shown && !members[slot].visibleRect.isEmpty())
            drawn.append(slot);
    }
    std::stable_sort(drawn.begin(), drawn.end(), [&members](int a, int b) {
        return (members[a].kind == Member::Widget ? members[a].paintOrder : INT_MAX)
            < (members[b].kind == Member::Widget ? members[b].paintOrder : INT_MAX);
    });
    for (const int slot : drawn) {
        const Member &m = members[slot];
        s << "<div class=\"box " << kindName(m.kind) << "\" id=\"box-" << slot << "\" data-slot=\"" << slot
          << "\" style=\"" << boxStyle(m.visibleRect, size) << "\"";
        if (m.kind == Member::Widget)
            s << " title=\"" << escaped(m.getter) << "\"";
        s << "></div>\n";
    }
    s << "<div id=\"mark\" hidden></div>\n</div>\n<p class=\"status\"><output id=\"status\">Point at a widget in the picture or at a row.</output>"
         "<label><input type=\"checkbox\" id=\"outlines\" checked> every widget's outline</label></p>\n</section>\n";

    s << "<main>\n<table>\n<thead><tr><th>Slot</th><th>Getter</th><th>Class</th><th>Parent</th><th>Rectangle</th>"
         "<th>Text</th><th>Tool tip</th><th>Accessible name</th></tr></thead>\n<tbody>\n";
    QHash<QString, int> slotOf;
    for (int slot = 0; slot < members.size(); ++slot)
        slotOf.insert(members[slot].getter, slot);
    for (int slot = 0; slot < members.size(); ++slot) {
        const Member &m = members[slot];
        s << "<tr id=\"slot-" << slot << "\" class=\"" << kindName(m.kind) << (m.shown ? "" : " hidden")
          << "\" data-slot=\"" << slot << "\"><td class=\"slot\">" << slot << "</td><td class=\"getter\"><code>"
          << escaped(m.getter) << "</code></td><td class=\"class\">" << escaped(m.declaredClass);
        if (m.kind != Member::Widget)
            s << "<span class=\"tag\">" << kindName(m.kind) << "</span>";
        s << "</td><td class=\"parent\">";
        if (slotOf.contains(m.parent))
            s << "<a href=\"#slot-" << slotOf.value(m.parent) << "\">" << escaped(m.parent) << "</a>";
        else
            s << escaped(m.parent);
        s << "</td><td class=\"rect\">" << (m.shown ? rectText(m.rect) : QStringLiteral("hidden")) << "</td><td class=\"text\">"
          << bilingual(m.text) << "</td><td class=\"tooltip\">" << bilingual(m.toolTip)
          << "</td><td class=\"accessible\">" << bilingual(m.accessibleName) << "</td></tr>\n";
    }
    s << "</tbody>\n</table>\n</main>\n<script>" << Script << "</script>\n</body></html>\n";
    return html;
}

} // namespace

Atlas::Atlas(IUIFactory *factory, const QDir &outputDir, QTranslator *english)
    : m_factory(factory)
    , m_dir(outputDir)
    , m_english(english)
{
}

bool Atlas::save(const QString &file, const QString &html)
{
    QSaveFile out(m_dir.filePath(file));
    if (!out.open(QIODevice::WriteOnly) || out.write(html.toUtf8()) < 0 || !out.commit()) {
        m_error = QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString());
        return false;
    }
    return true;
}

bool Atlas::writeForm(const FormCatalog::Form &form)
{
    QVector<Member> members;
    QVector<Member> english;
    QImage picture;
    bool built = readForm(m_factory, form, Danish, members, &picture);
    if (built) {
        QCoreApplication::installTranslator(m_english);
        built = readForm(m_factory, form, English, english, nullptr);
        QCoreApplication::removeTranslator(m_english);
    }
    if (!built || english.size() != members.size()) {
        m_error = QStringLiteral("slot %1 gave no form object").arg(form.slot);
        return false;
    }
    for (int i = 0; i < members.size(); ++i) {
        members[i].text[English] = english[i].text[English];
        members[i].toolTip[English] = english[i].toolTip[English];
        members[i].accessibleName[English] = english[i].accessibleName[English];
    }

    const QString pictureFile = form.name + QStringLiteral(".png");
    if (!picture.save(m_dir.filePath(pictureFile), "PNG")) {
        m_error = QStringLiteral("cannot write %1").arg(m_dir.filePath(pictureFile));
        return false;
    }
    if (!save(form.name + QStringLiteral(".html"), formPage(form, pictureFile, picture.size(), members)))
        return false;
    m_forms.append({form, int(members.size())});
    return true;
}

bool Atlas::writeIndex()
{
    QString html;
    QTextStream s(&html);
    s << pageStart(QStringLiteral("VexaroUI_NEW getter atlas"))
      << "<body>\n<header>\n<h1>VexaroUI_NEW getter atlas</h1>\n<p class=\"meta\">Every form's getters in slot order, "
         "with the widget each one returns outlined in the form's picture (placeholder artwork).</p>\n</header>\n"
         "<nav class=\"forms\">\n";
    for (const Entry &entry : m_forms) {
        const FormCatalog::Form &form = entry.form;
        s << "<a class=\"card\" id=\"" << escaped(form.name) << "\" href=\"" << escaped(form.name) << ".html\"><img src=\""
          << escaped(form.name) << ".png\" alt=\"" << escaped(form.name) << "\"><b>" << escaped(form.name)
          << "</b><span>slot " << form.slot << " (" << escaped(form.operation) << ") &middot; " << form.initialSize.width()
          << " &times; " << form.initialSize.height() << " &middot; " << entry.getters << " getters</span></a>\n";
    }
    s << "</nav>\n</body></html>\n";
    return save(QStringLiteral("index.html"), html);
}

bool Atlas::write(const QString &module, const QStringList &forms, const QString &outDir, QTranslator *english,
                  QString *report)
{
    report->clear();
    QDir dir(outDir);
    if (!dir.mkpath(QStringLiteral("."))) {
        *report = QStringLiteral("cannot create the output folder %1").arg(outDir);
        return false;
    }
    UiModule loaded(module);
    if (!loaded.load()) {
        *report = loaded.errorString();
        return false;
    }
    IUIFactory *factory = loaded.createFactory();
    if (!factory) {
        *report = QStringLiteral("create_UIFactory returned no factory");
        return false;
    }
    PlaceholderSkin::install();

    bool written = true;
    int count = 0;
    {
        const FormCatalog catalog(factory);
        QVector<const FormCatalog::Form *> chosen;
        for (const QString &name : forms) {
            const FormCatalog::Form *form = catalog.find(name);
            if (!form) {
                *report = QStringLiteral("no form called \"%1\" (see --list)").arg(name);
                written = false;
                break;
            }
            chosen.append(form);
        }
        if (forms.isEmpty()) {
            for (const FormCatalog::Form &form : catalog.forms())
                chosen.append(&form);
        }
        Atlas atlas(factory, dir, english);
        for (int i = 0; written && i < chosen.size(); ++i)
            written = atlas.writeForm(*chosen[i]);
        written = written && atlas.writeIndex();
        if (!written && report->isEmpty())
            *report = atlas.errorString();
        count = chosen.size();
    }
    loaded.destroyFactory(factory);
    if (written)
        *report = QStringLiteral("Atlas of %1 form(s): %2").arg(count).arg(dir.absoluteFilePath(QStringLiteral("index.html")));
    return written;
}
