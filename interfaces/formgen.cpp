// vexaro-formgen: turns uic's output for one form into the form's host
// interface and the class that implements it.
//
// uic's Ui_<Form> class is the one source of truth: its members, in declaration
// order, are the getters of I<Form> in slot order. Reading them from uic's own
// output (instead of walking the .ui a second time) means the interface cannot
// disagree with the form it describes.
//
// The comment above each getter (its class, what it sits in, its Danish text)
// comes from the same output: setupUi's constructors and add calls, and the
// texts setupUi and retranslateUi set.
//
// Usage: vexaro-formgen <ui_Form.h> <Form> <interface.h> <object.cpp> <probe.cpp>

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtCore/QSaveFile>
#include <QtCore/QSet>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>

#include <cstdio>
#include <optional>

namespace {

struct Member
{
    QString type;
    QString name;
    QString parent;      // the member or host widget it sits in, as the built tree has it
    QString text;        // Danish, as the form sets it
    QString toolTip;
    QString accessibleName;
};

struct Form
{
    QString name;           // e.g. NavBarClass
    QStringList qtIncludes; // <QtWidgets/QFrame>, for the member types only
    QStringList ownIncludes; // "multistatetoolbutton.h"
    QVector<Member> members;
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "vexaro-formgen: %s\n", qPrintable(message));
    std::exit(1);
}

// uic writes a text as adjacent C string literals, with octal escapes for
// UTF-8 bytes. Reads them from 'pos' on; null if no literal starts there.
QString readLiterals(const QString &text, int &pos)
{
    QByteArray bytes;
    bool any = false;
    for (;;) {
        int i = pos;
        while (i < text.size() && text.at(i).isSpace())
            ++i;
        if (i >= text.size() || text.at(i) != QLatin1Char('"'))
            break;
        any = true;
        for (++i; i < text.size() && text.at(i) != QLatin1Char('"'); ++i) {
            const QChar c = text.at(i);
            if (c != QLatin1Char('\\')) {
                bytes += QString(c).toUtf8();
                continue;
            }
            if (++i >= text.size())
                break;
            const char e = text.at(i).toLatin1();
            if (e >= '0' && e <= '7') {
                int value = 0;
                int digits = 0;
                for (; digits < 3 && i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('7');
                     ++digits, ++i)
                    value = value * 8 + (text.at(i).toLatin1() - '0');
                --i;
                bytes += char(value);
            } else if (e == 'n') {
                bytes += '\n';
            } else if (e == 't') {
                bytes += '\t';
            } else if (e == 'r') {
                bytes += '\r';
            } else {
                bytes += e;
            }
        }
        pos = i + 1;
    }
    return any ? QString::fromUtf8(bytes) : QString();
}

// The text an argument of a setter holds when uic wrote it as a literal
// (translated or plain); nothing for any other expression.
std::optional<QString> readTextArgument(const QString &text, int pos)
{
    static const QString translate = QStringLiteral("QCoreApplication::translate(");
    static const QString plain = QStringLiteral("QString::fromUtf8(");
    if (text.mid(pos, translate.size()) == translate) {
        pos += translate.size();
        readLiterals(text, pos); // the context
        const int comma = text.indexOf(QLatin1Char(','), pos);
        if (comma < 0)
            return std::nullopt;
        pos = comma + 1;
    } else if (text.mid(pos, plain.size()) == plain) {
        pos += plain.size();
    }
    const int before = pos;
    const QString value = readLiterals(text, pos);
    if (pos == before)
        return std::nullopt;
    return value;
}

// Each member's parent and texts, from uic's setupUi and retranslateUi.
// The parent is what the built tree has: the widget or layout given to the
// constructor, or else what the member is added to (a stack's page, a scroll
// area's contents, a nested layout, a spacer).
void readDetails(const QString &text, Form &form)
{
    QHash<QString, Member *> byName;
    for (Member &m : form.members)
        byName.insert(m.name, &m);
    const auto known = [&](const QString &name) { return byName.contains(name) || name == form.name; };

    static const QRegularExpression created(QStringLiteral(R"re(^\s+(\w+) = new [\w:]+\((\w*)\);$)re"),
                                            QRegularExpression::MultilineOption);
    for (auto it = created.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (Member *member = byName.value(m.captured(1)); member && known(m.captured(2)))
            member->parent = m.captured(2);
    }
    static const QRegularExpression added(
        QStringLiteral(R"re(^\s+(\w+)->(?:addWidget|addLayout|addItem|addTab|insertTab|setWidget)\((\w+)[,)])re"),
        QRegularExpression::MultilineOption);
    for (auto it = added.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        Member *member = byName.value(m.captured(2));
        if (member && member->parent.isEmpty() && known(m.captured(1)))
            member->parent = m.captured(1);
    }

    static const QRegularExpression setter(QStringLiteral(
        R"re(\b(?<member>\w+)->(?<what>setText|setTitle|setPlainText|setToolTip|setAccessibleName|addItem)\(|)re"
        R"re(\b(?<item>\w+)->setItemText\(\d+, |\b\w+->setTabText\(\w+->indexOf\((?<tab>\w+)\), )re"));
    QHash<QString, QStringList> items;
    for (auto it = setter.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const std::optional<QString> value = readTextArgument(text, m.capturedEnd());
        if (!value)
            continue;
        const QString what = m.captured(QStringLiteral("what"));
        if (Member *member = byName.value(m.captured(QStringLiteral("item")))) {
            items[member->name].append(*value);
        } else if (Member *member = byName.value(m.captured(QStringLiteral("tab")))) {
            member->text = *value;
        } else if (Member *member = byName.value(m.captured(QStringLiteral("member")))) {
            if (what == QLatin1String("setToolTip"))
                member->toolTip = *value;
            else if (what == QLatin1String("setAccessibleName"))
                member->accessibleName = *value;
            else if (what == QLatin1String("addItem"))
                items[member->name].append(*value);
            else
                member->text = *value;
        }
    }
    // A combo box reads as its items, which uic may add empty and name later.
    for (auto it = items.cbegin(); it != items.cend(); ++it) {
        QStringList named;
        for (const QString &item : it.value()) {
            if (!item.isEmpty())
                named.append(item);
        }
        byName.value(it.key())->text = named.join(QStringLiteral(" | "));
    }
}

Form parseUicHeader(const QString &path, const QString &formName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read %1").arg(path));
    const QString text = QString::fromUtf8(file.readAll());

    Form form;
    form.name = formName;

    const QString classStart = QStringLiteral("class Ui_%1\n{\npublic:\n").arg(formName);
    const int begin = text.indexOf(classStart);
    if (begin < 0)
        fail(QStringLiteral("%1 has no class Ui_%2 (is <class> in the .ui \"%2\"?)").arg(path, formName));
    const QString setupSignature = QStringLiteral("    void setupUi(QWidget *%1)\n").arg(formName);
    const int end = text.indexOf(setupSignature, begin);
    if (end < 0)
        fail(QStringLiteral("%1: setupUi must take QWidget *%2 (top level must be a QWidget named %2)")
                 .arg(path, formName));

    static const QRegularExpression memberLine(QStringLiteral(R"re(^    ([A-Za-z_][A-Za-z0-9_:]*) \*([A-Za-z_][A-Za-z0-9_]*);$)re"));
    const QStringList lines = text.mid(begin + classStart.size(), end - begin - classStart.size())
                                  .split(QLatin1Char('\n'));
    QSet<QString> types;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        const QRegularExpressionMatch m = memberLine.match(line);
        if (!m.hasMatch())
            fail(QStringLiteral("%1: unexpected line in Ui_%2: %3").arg(path, formName, line));
        form.members.append({m.captured(1), m.captured(2), {}, {}, {}, {}});
        types.insert(m.captured(1));
    }

    static const QRegularExpression qtInclude(QStringLiteral(R"re(^#include <(Qt\w+)/(\w+)>$)re"),
                                              QRegularExpression::MultilineOption);
    for (auto it = qtInclude.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (types.contains(m.captured(2)))
            form.qtIncludes.append(QStringLiteral("<%1/%2>").arg(m.captured(1), m.captured(2)));
    }
    static const QRegularExpression ownInclude(QStringLiteral(R"re(^#include "([^"]+)"$)re"),
                                               QRegularExpression::MultilineOption);
    for (auto it = ownInclude.globalMatch(text); it.hasNext();)
        form.ownIncludes.append(QStringLiteral("\"%1\"").arg(it.next().captured(1)));
    readDetails(text.mid(end), form);
    return form;
}

void write(const QString &path, const QString &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content.toUtf8()) < 0 || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

QString banner(const Form &form)
{
    return QStringLiteral("// Generated by vexaro-formgen from the form %1. Do not edit.\n").arg(form.name);
}

// A text as one short quoted phrase for a comment: its lines joined, cut
// after 60 characters.
QString quoted(const QString &text)
{
    QString line = text.simplified();
    if (line.size() > 60)
        line = line.left(59).trimmed() + QChar(0x2026);
    return QLatin1Char('"') + line + QLatin1Char('"');
}

// One line an IDE shows on hover: what the getter returns, where it sits, and
// what it says in Danish (its text, else its tool tip, else its accessible name).
QString getterComment(const Member &m)
{
    QString line = QStringLiteral("/// ") + m.type;
    if (!m.parent.isEmpty())
        line += QStringLiteral(" in ") + m.parent;
    if (!m.text.isEmpty())
        line += QStringLiteral(": ") + quoted(m.text);
    if (!m.toolTip.isEmpty() && m.toolTip != m.text)
        line += QStringLiteral(", tool tip ") + quoted(m.toolTip);
    if (m.text.isEmpty() && m.toolTip.isEmpty() && !m.accessibleName.isEmpty())
        line += QStringLiteral(", accessible name ") + quoted(m.accessibleName);
    return line;
}

QString interfaceHeader(const Form &form)
{
    const QString iface = QLatin1Char('I') + form.name;
    QString out;
    QTextStream s(&out);
    s << banner(form) << "#pragma once\n\n";
    for (const QString &inc : form.qtIncludes)
        s << "#include " << inc << '\n';
    if (!form.qtIncludes.contains(QStringLiteral("<QtWidgets/QWidget>")))
        s << "#include <QtWidgets/QWidget>\n";
    for (const QString &inc : form.ownIncludes)
        s << "#include " << inc << '\n';
    s << "\n// The form " << form.name << " as the host sees it: one getter per member in\n"
         "// creation order, then setupUi() and release(). Free the object with release().\n"
         "// Above each getter: the member's class, the member or host widget it sits in,\n"
         "// and its Danish text.\n"
         "class "
      << iface << "\n{\npublic:\n";
    for (const Member &m : form.members)
        s << "    " << getterComment(m) << "\n    virtual " << m.type << " *" << m.name << "() = 0;\n";
    if (!form.members.isEmpty())
        s << '\n';
    s << "    // Builds the form into 'widget', which gets the name \"" << form.name << "\" unless it\n"
         "    // already has one. The widgets belong to 'widget'. An object builds once: a\n"
         "    // null 'widget' or a second call builds nothing and prints a warning. The\n"
         "    // getters return null until the form is built.\n"
         "    virtual void setupUi(QWidget *widget) = 0;\n"
         "    // Deletes this object; the widgets it built stay alive.\n"
         "    virtual void release() = 0;\n\n"
         "protected:\n"
         "    ~"
      << iface << "() = default;\n};\n";
    return out;
}

QString objectSource(const Form &form)
{
    const QString iface = QLatin1Char('I') + form.name;
    const QString impl = form.name + QStringLiteral("Object");
    QString out;
    QTextStream s(&out);
    s << banner(form) << "#include \"" << iface << ".h\"\n#include \"ui_" << form.name << ".h\"\n\n"
      << "#include \"formsetup.h\"\n\n"
      << "#include <new>\n\nnamespace {\n\nclass " << impl << " final : public " << iface
      << "\n{\npublic:\n";
    for (const Member &m : form.members)
        s << "    " << m.type << " *" << m.name << "() override { return m_ui." << m.name << "; }\n";
    s << "    void setupUi(QWidget *widget) override\n    {\n"
         "        if (!FormSetup::admit(\"" << form.name << "\", widget, m_built))\n"
         "            return;\n"
         "        m_built = true;\n"
         "        m_ui.setupUi(widget);\n    }\n"
         "    void release() override { delete this; }\n\n"
         "private:\n    Ui_"
      << form.name << " m_ui{}; // value-initialised: every member null until setupUi\n"
      << "    bool m_built = false;\n};\n\n"
      << "} // namespace\n\n"
      << iface << " *vexaroNew" << form.name << "() noexcept\n{\n    return new (std::nothrow) " << impl
      << ";\n}\n";
    return out;
}

// Test-side view of a form object: calls every getter through the interface,
// in slot order, so tests can hold the results against the form's contract.
QString probeSource(const Form &form)
{
    const QString iface = QLatin1Char('I') + form.name;
    QString out;
    QTextStream s(&out);
    s << banner(form) << "#include \"" << iface << ".h\"\n#include \"formprobe.h\"\n\n"
      << "FormProbe::Members probeMembers(" << iface << (form.members.isEmpty() ? " *" : " *form")
      << ")\n{\n    FormProbe::Members members;\n";
    for (const Member &m : form.members)
        s << "    members.append(FormProbe::entry(\"" << m.name << "\", \"" << m.type << "\", form->" << m.name
          << "()));\n";
    s << "    return members;\n}\n";
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        fail(QStringLiteral("usage: vexaro-formgen <ui_Form.h> <Form> <interface.h> <object.cpp> <probe.cpp>"));
    const Form form = parseUicHeader(args.at(1), args.at(2));
    write(args.at(3), interfaceHeader(form));
    write(args.at(4), objectSource(form));
    write(args.at(5), probeSource(form));
    return 0;
}
