#include "formdump.h"

#include "skinimagenames.h"
#include "vexarowidgettable.h"

#include <QtCore/QHash>
#include <QtCore/QLocale>
#include <QtCore/QMetaProperty>
#include <QtCore/QSet>
#include <QtCore/QUrl>
#include <QtGui/QCursor>
#include <QtGui/QIcon>
#include <QtGui/QKeySequence>
#include <QtGui/QPalette>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QProxyStyle>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QSlider>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QStyleFactory>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QToolButton>

#include <cstring>
#include <memory>
#include <vector>

namespace {

const QString FollowsFont = QStringLiteral("(follows the font)");
const QString FromStyle = QStringLiteral("(from the style)");

// Fusion with wider layout margins and spacing: a layout value that changes
// under it is the style's default, not the form's, and the host's style may
// give another.
class WideLayoutStyle : public QProxyStyle
{
public:
    WideLayoutStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_LayoutLeftMargin:
        case PM_LayoutTopMargin:
        case PM_LayoutRightMargin:
        case PM_LayoutBottomMargin:
        case PM_LayoutHorizontalSpacing:
        case PM_LayoutVerticalSpacing:
            return value < 0 ? value : value + 3;
        default:
            return value;
        }
    }

    int layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                      Qt::Orientation orientation, const QStyleOption *option, const QWidget *widget) const override
    {
        return QProxyStyle::layoutSpacing(control1, control2, orientation, option, widget) + 3;
    }
};

// One line of the dump. Every run yields the same entries in the same order;
// whether a property line is written depends on its value.
struct Entry
{
    bool header = false;  // a member's first line, or a section's
    QString label;        // property or detail; empty for a plain list line
    QString value;        // a leading '\n' makes a block of lines
    bool shown = true;
    const char *property = nullptr; // the label of a property line, made only when written
};

// The value of a property line equal to the default widget's. Most lines
// are, and their values are neither described nor written.
const QString AtDefault = QStringLiteral("(default)");

bool isMember(const QObject *object)
{
    if (!object->isWidgetType() && !qobject_cast<const QLayout *>(object))
        return false;
    // Qt names the parts it makes itself (a scroll area's viewport, a tab
    // widget's stack) "qt_..."; the forms name every member they make.
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

QString memberLine(const QObject *object, const QString &parent)
{
    QString line = QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') + object->objectName();
    if (!parent.isEmpty())
        line += QStringLiteral(" in ") + parent;
    return line;
}

// --- values as text --------------------------------------------------------

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

template<class Enum>
QString enumKey(Enum value)
{
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    const char *key = meta.valueToKey(int(value));
    return key ? latin1(key) : QString::number(int(value));
}

QString flagKeys(const QMetaEnum &meta, int value)
{
    const QByteArray keys = meta.valueToKeys(value);
    return keys.isEmpty() ? QString::number(value) : latin1(keys.constData());
}

QString policyName(QSizePolicy::Policy policy)
{
    switch (policy) {
    case QSizePolicy::Fixed: return QStringLiteral("Fixed");
    case QSizePolicy::Minimum: return QStringLiteral("Minimum");
    case QSizePolicy::Maximum: return QStringLiteral("Maximum");
    case QSizePolicy::Preferred: return QStringLiteral("Preferred");
    case QSizePolicy::MinimumExpanding: return QStringLiteral("MinimumExpanding");
    case QSizePolicy::Expanding: return QStringLiteral("Expanding");
    case QSizePolicy::Ignored: return QStringLiteral("Ignored");
    }
    return QString::number(int(policy));
}

QString describePolicy(const QSizePolicy &policy)
{
    QString text = policyName(policy.horizontalPolicy()) + QLatin1Char(' ') + policyName(policy.verticalPolicy());
    if (policy.horizontalStretch() || policy.verticalStretch())
        text += QStringLiteral(", stretch %1 %2").arg(policy.horizontalStretch()).arg(policy.verticalStretch());
    if (policy.hasHeightForWidth())
        text += QStringLiteral(", height for width");
    return text;
}

// Weights by name: the numbers differ between Qt 5 and Qt 6.
QString weightName(int weight)
{
    switch (weight) {
    case QFont::Thin: return QStringLiteral("Thin");
    case QFont::ExtraLight: return QStringLiteral("ExtraLight");
    case QFont::Light: return QStringLiteral("Light");
    case QFont::Normal: return QStringLiteral("Normal");
    case QFont::Medium: return QStringLiteral("Medium");
    case QFont::DemiBold: return QStringLiteral("DemiBold");
    case QFont::Bold: return QStringLiteral("Bold");
    case QFont::ExtraBold: return QStringLiteral("ExtraBold");
    case QFont::Black: return QStringLiteral("Black");
    }
    return QString::number(weight);
}

// Only what was set on the widget or its parents: the rest comes from the
// machine's default font.
QString describeFont(const QFont &font)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const auto mask = font.resolveMask();
    const bool familySet = mask & (QFont::FamilyResolved | QFont::FamiliesResolved);
#else
    const uint mask = font.resolve();
    const bool familySet = mask & QFont::FamilyResolved;
#endif
    QStringList parts;
    if (familySet)
        parts << QStringLiteral("family \"%1\"").arg(font.family());
    if (mask & QFont::SizeResolved) {
        parts << (font.pixelSize() > 0 ? QStringLiteral("%1px").arg(font.pixelSize())
                                       : QStringLiteral("%1pt").arg(font.pointSizeF()));
    }
    if (mask & QFont::WeightResolved)
        parts << weightName(font.weight());
    if (mask & QFont::StyleResolved)
        parts << enumKey(font.style());
    if (mask & QFont::UnderlineResolved)
        parts << (font.underline() ? QStringLiteral("underline") : QStringLiteral("no underline"));
    if (mask & QFont::OverlineResolved)
        parts << (font.overline() ? QStringLiteral("overline") : QStringLiteral("no overline"));
    if (mask & QFont::StrikeOutResolved)
        parts << (font.strikeOut() ? QStringLiteral("strike out") : QStringLiteral("no strike out"));
    if (mask & QFont::KerningResolved)
        parts << (font.kerning() ? QStringLiteral("kerning") : QStringLiteral("no kerning"));
    if (mask & QFont::StyleStrategyResolved)
        parts << QStringLiteral("strategy %1").arg(int(font.styleStrategy()));
    if (mask & QFont::CapitalizationResolved)
        parts << enumKey(font.capitalization());
    if (mask & QFont::StretchResolved)
        parts << QStringLiteral("stretch %1").arg(font.stretch());
    if (mask & QFont::LetterSpacingResolved)
        parts << QStringLiteral("letter spacing %1").arg(font.letterSpacing());
    if (mask & QFont::WordSpacingResolved)
        parts << QStringLiteral("word spacing %1").arg(font.wordSpacing());
    return parts.isEmpty() ? QStringLiteral("inherited") : parts.join(QStringLiteral(", "));
}

QString describeColor(const QColor &color)
{
    return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

QString describeBrush(const QBrush &brush)
{
    QString text = describeColor(brush.color());
    if (brush.style() != Qt::SolidPattern)
        text += QLatin1Char(' ') + enumKey(brush.style());
    return text;
}

// Only the roles set on the widget or its parents. The placeholder colour is
// left out: Qt derives it from the text colour a sheet sets, and each Qt
// version derives it differently (Qt 6 halves its alpha), while the Text
// role already shows what the form set.
QString describePalette(const QPalette &palette)
{
    QStringList roles;
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = QPalette::ColorRole(r);
        if (role == QPalette::PlaceholderText)
            continue;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        bool set = false;
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            set = set || (palette.resolveMask() & (QPalette::ResolveMask(1) << (g * QPalette::NColorRoles + r)));
#else
        const bool set = palette.resolve() & (1u << r);
#endif
        if (!set)
            continue;
        roles << QStringLiteral("%1 %2 / %3 / %4")
                     .arg(enumKey(role), describeBrush(palette.brush(QPalette::Active, role)),
                          describeBrush(palette.brush(QPalette::Inactive, role)),
                          describeBrush(palette.brush(QPalette::Disabled, role)));
    }
    return roles.isEmpty() ? QStringLiteral("inherited") : QLatin1Char('\n') + roles.join(QLatin1Char('\n'));
}

QString describeString(const QString &text)
{
    if (text.contains(QLatin1Char('\n')))
        return QLatin1Char('\n') + text;
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    quoted.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    quoted.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString describeValue(const QVariant &value, const SkinImageNames &images)
{
    if (!value.isValid())
        return QStringLiteral("(none)");
    switch (value.userType()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Float:
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 12);
    case QMetaType::QString:
        return describeString(value.toString());
    case QMetaType::QStringList: {
        QStringList quoted;
        for (const QString &text : value.toStringList())
            quoted << describeString(text);
        return QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    case QMetaType::QSize: {
        const QSize size = value.toSize();
        return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    }
    case QMetaType::QSizeF: {
        const QSizeF size = value.toSizeF();
        return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    }
    case QMetaType::QPoint: {
        const QPoint point = value.toPoint();
        return QStringLiteral("%1, %2").arg(point.x()).arg(point.y());
    }
    case QMetaType::QRect: {
        const QRect rect = value.toRect();
        return QStringLiteral("%1, %2, %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
    }
    case QMetaType::QFont:
        return describeFont(value.value<QFont>());
    case QMetaType::QPalette:
        return describePalette(value.value<QPalette>());
    case QMetaType::QColor:
        return describeColor(value.value<QColor>());
    case QMetaType::QBrush:
        return describeBrush(value.value<QBrush>());
    case QMetaType::QCursor:
        return enumKey(value.value<QCursor>().shape());
    case QMetaType::QIcon:
        return images.describe(value.value<QIcon>());
    case QMetaType::QPixmap:
        return images.name(value.value<QPixmap>());
    case QMetaType::QSizePolicy:
        return describePolicy(value.value<QSizePolicy>());
    case QMetaType::QLocale:
        return value.toLocale().name();
    case QMetaType::QKeySequence:
        return value.value<QKeySequence>().toString(QKeySequence::PortableText);
    case QMetaType::QUrl:
        return value.toUrl().toString();
    default:
        break;
    }
    if (value.canConvert<QString>())
        return value.toString();
    return QStringLiteral("(%1)").arg(latin1(value.typeName()));
}

QString describeProperty(const QMetaProperty &property, const QVariant &value, const SkinImageNames &images)
{
    if (!value.isValid() || !property.isEnumType())
        return describeValue(value, images);
    // Enumerations and flags are stored under their own types; their
    // numbers are read directly when QVariant will not convert them.
    bool converted = false;
    int number = value.toInt(&converted);
    if (!converted && QMetaType(value.userType()).sizeOf() == int(sizeof(int)))
        std::memcpy(&number, value.constData(), sizeof(int));
    const QMetaEnum meta = property.enumerator();
    if (meta.isFlag())
        return flagKeys(meta, number);
    const char *key = meta.valueToKey(number);
    return key ? latin1(key) : QString::number(number);
}

// --- default widgets -------------------------------------------------------

using Maker = QWidget *(*)(QWidget *parent);

template<class Widget>
QWidget *make(QWidget *parent)
{
    return new Widget(parent);
}

Maker makerFor(const QByteArray &className)
{
    static const QHash<QByteArray, Maker> makers = {
        {"QWidget", make<QWidget>},
        {"QDialog", make<QDialog>},
        {"QFrame", make<QFrame>},
        {"QLabel", make<QLabel>},
        {"QToolButton", make<QToolButton>},
        {"QPushButton", make<QPushButton>},
        {"QCheckBox", make<QCheckBox>},
        {"QRadioButton", make<QRadioButton>},
        {"QComboBox", make<QComboBox>},
        {"QLineEdit", make<QLineEdit>},
        {"QTextEdit", make<QTextEdit>},
        {"QPlainTextEdit", make<QPlainTextEdit>},
        {"QProgressBar", make<QProgressBar>},
        {"QScrollBar", make<QScrollBar>},
        {"QSlider", make<QSlider>},
        {"QSpinBox", make<QSpinBox>},
        {"QStackedWidget", make<QStackedWidget>},
        {"QScrollArea", make<QScrollArea>},
        {"QTabWidget", make<QTabWidget>},
        {"QListWidget", make<QListWidget>},
        {"QGroupBox", make<QGroupBox>},
    };
    if (const VexaroWidgetDescription *custom = VexaroWidgetTable::find(QString::fromLatin1(className)))
        return custom->create;
    return makers.value(className);
}

// Default-built widgets to compare with, one per class, as a child widget and
// as a window (their geometry and flags differ).
class Defaults
{
public:
    QObject *of(const QWidget *widget)
    {
        const bool window = !widget->parentWidget();
        const QByteArray key = QByteArray(widget->metaObject()->className()) + (window ? "/window" : "");
        QWidget *&found = m_widgets[key];
        if (!found) {
            // A class the table lacks is compared with its nearest base that
            // it has; QWidget is always there.
            for (const QMetaObject *meta = widget->metaObject(); meta && !found; meta = meta->superClass()) {
                if (Maker maker = makerFor(meta->className()))
                    found = maker(window ? nullptr : &m_parent);
            }
            if (window)
                m_windows.emplace_back(found);
        }
        return found;
    }

private:
    QWidget m_parent;
    std::vector<std::unique_ptr<QWidget>> m_windows;
    QHash<QByteArray, QWidget *> m_widgets;
};

// --- the walk --------------------------------------------------------------

class Walk
{
public:
    // Without images only the members' lines are written.
    explicit Walk(const SkinImageNames *images, bool geometry = false)
        : m_images(images)
        , m_details(images != nullptr)
        , m_geometry(geometry)
    {
    }

    QVector<Entry> run(QWidget *root)
    {
        visit(root, QString());
        if (m_details)
            tabOrder(root);
        return std::move(m_entries);
    }

private:
    void add(const QString &label, const QString &value, bool shown = true)
    {
        m_entries.append({false, label, value, shown});
    }

    void visit(QObject *object, const QString &parent)
    {
        QString childrensParent = parent;
        if (isMember(object)) {
            QString line = memberLine(object, parent);
            if (m_geometry)
                line += geometryText(object);
            m_entries.append({true, QString(), line, true});
            if (m_details) {
                if (object->isWidgetType())
                    widgetDetails(static_cast<QWidget *>(object));
                else
                    layoutDetails(static_cast<QLayout *>(object));
            }
            childrensParent = object->objectName();
        }
        for (QObject *child : object->children())
            visit(child, childrensParent);
    }

    void widgetDetails(QWidget *widget)
    {
        const QObject *base = m_defaults.of(widget);
        const QMetaObject *meta = widget->metaObject();
        // A custom widget may redeclare a Qt property (its own text setter):
        // it is listed once, where Qt's class lists it.
        QSet<QByteArray> seen;
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isReadable() || !property.isWritable() || !property.isStored()
                || std::strcmp(property.name(), "objectName") == 0)
                continue;
            if (seen.contains(property.name()))
                continue;
            seen.insert(property.name());
            const QVariant value = property.read(widget);
            const BaseValue &baseValue = this->baseValue(base, property, i);
            // Fonts and palettes compare equal whatever was set explicitly;
            // their text tells.
            const int type = value.userType();
            Entry entry{false, QString(), AtDefault, false, property.name()};
            if (type == QMetaType::QFont || type == QMetaType::QPalette || value != baseValue.value) {
                const QString text = describeProperty(property, value, *m_images);
                if (text != baseValue.text) {
                    entry.value = text;
                    entry.shown = true;
                }
            }
            m_entries.append(entry);
        }
        // Hidden by the form (or by its stack), not merely not shown yet.
        const bool hidden = widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
        add(QStringLiteral("hidden"), QStringLiteral("true"), hidden);
    }

    void layoutDetails(QLayout *layout)
    {
        const QMargins margins = layout->contentsMargins();
        add(QStringLiteral("margins"), QStringLiteral("%1, %2, %3, %4")
                                           .arg(margins.left()).arg(margins.top())
                                           .arg(margins.right()).arg(margins.bottom()));
        auto *grid = qobject_cast<QGridLayout *>(layout);
        auto *box = qobject_cast<QBoxLayout *>(layout);
        if (grid) {
            add(QStringLiteral("horizontalSpacing"), QString::number(grid->horizontalSpacing()));
            add(QStringLiteral("verticalSpacing"), QString::number(grid->verticalSpacing()));
            listIfSet(QStringLiteral("rowStretch"), grid->rowCount(), [grid](int i) { return grid->rowStretch(i); });
            listIfSet(QStringLiteral("columnStretch"), grid->columnCount(), [grid](int i) { return grid->columnStretch(i); });
            listIfSet(QStringLiteral("rowMinimumHeight"), grid->rowCount(), [grid](int i) { return grid->rowMinimumHeight(i); });
            listIfSet(QStringLiteral("columnMinimumWidth"), grid->columnCount(), [grid](int i) { return grid->columnMinimumWidth(i); });
        } else {
            add(QStringLiteral("spacing"), QString::number(layout->spacing()));
        }
        add(QStringLiteral("sizeConstraint"), enumKey(layout->sizeConstraint()),
            layout->sizeConstraint() != QLayout::SetDefaultConstraint);
        add(QStringLiteral("enabled"), QStringLiteral("false"), !layout->isEnabled());

        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            QString text;
            if (QWidget *widget = item->widget()) {
                text = QStringLiteral("widget ") + widget->objectName();
            } else if (QLayout *inner = item->layout()) {
                text = QStringLiteral("layout ") + inner->objectName();
            } else if (QSpacerItem *spacer = item->spacerItem()) {
                const QSize size = spacer->sizeHint();
                text = QStringLiteral("spacer %1x%2, %3").arg(size.width()).arg(size.height())
                           .arg(describePolicy(spacer->sizePolicy()));
            } else {
                text = QStringLiteral("item");
            }
            if (grid) {
                int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
                grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
                text += QStringLiteral(", row %1 column %2").arg(row).arg(column);
                if (rowSpan != 1 || columnSpan != 1)
                    text += QStringLiteral(", span %1x%2").arg(rowSpan).arg(columnSpan);
            }
            if (box && box->stretch(i) != 0)
                text += QStringLiteral(", stretch %1").arg(box->stretch(i));
            if (item->alignment())
                text += QStringLiteral(", align ") + flagKeys(QMetaEnum::fromType<Qt::Alignment>(), int(item->alignment()));
            add(QStringLiteral("item %1").arg(i), text);
        }
    }

    struct BaseValue
    {
        QVariant value;
        QString text;
    };

    // A default widget's value, read and described once per class and
    // property; 'index' is the property's index in the member's class (the
    // default widget belongs to that class alone).
    const BaseValue &baseValue(const QObject *base, const QMetaProperty &property, int index)
    {
        QVector<BaseValue> &values = m_baseValues[base];
        if (values.size() <= index)
            values.resize(index + 1);
        BaseValue &found = values[index];
        if (found.text.isNull()) {
            const int baseIndex = base->metaObject()->indexOfProperty(property.name());
            if (baseIndex >= 0) {
                found.value = base->metaObject()->property(baseIndex).read(base);
                found.text = describeProperty(property, found.value, *m_images);
            } else {
                found.text = QStringLiteral("(no such property)");
            }
        }
        return found;
    }

    template<class Value>
    void listIfSet(const QString &label, int count, Value value)
    {
        QStringList values;
        bool set = false;
        for (int i = 0; i < count; ++i) {
            values << QString::number(value(i));
            set = set || value(i) != 0;
        }
        add(label, values.join(QStringLiteral(", ")), set);
    }

    void tabOrder(QWidget *root)
    {
        m_entries.append({true, QString(), QStringLiteral("tab order"), true});
        for (QWidget *widget = root->nextInFocusChain(); widget && widget != root; widget = widget->nextInFocusChain()) {
            if (isMember(widget) && (widget->focusPolicy() & Qt::TabFocus) && root->isAncestorOf(widget))
                add(QString(), widget->objectName());
        }
    }

    static QString geometryText(const QObject *object)
    {
        const QRect rect = object->isWidgetType() ? static_cast<const QWidget *>(object)->geometry()
                                                  : static_cast<const QLayout *>(object)->geometry();
        return QStringLiteral(" at %1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
    }

    const SkinImageNames *m_images;
    const bool m_details;
    const bool m_geometry;
    Defaults m_defaults;
    QHash<const QObject *, QVector<BaseValue>> m_baseValues;
    QVector<Entry> m_entries;
};

QVector<Entry> buildAndWalk(const FormDump::Builder &build, const SkinImageNames &images)
{
    QWidget host;
    build(&host);
    return Walk(&images).run(&host);
}

void write(QString &out, const Entry &entry)
{
    if (entry.header) {
        out += QLatin1Char('\n') + entry.value + QLatin1Char('\n');
        return;
    }
    const QString label = entry.property ? latin1(entry.property) : entry.label;
    if (label.isEmpty()) {
        out += QStringLiteral("    ") + entry.value + QLatin1Char('\n');
    } else if (entry.value.startsWith(QLatin1Char('\n'))) {
        out += QStringLiteral("    ") + label + QStringLiteral(":\n");
        // Trailing blanks are dropped: they mean nothing in a style sheet, and
        // a snapshot file should not carry them.
        const QStringList lines = entry.value.mid(1).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            QString text = QStringLiteral("        | ") + line;
            while (text.endsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char('\t')))
                text.chop(1);
            out += text + QLatin1Char('\n');
        }
    } else {
        out += QStringLiteral("    ") + label + QStringLiteral(": ") + entry.value + QLatin1Char('\n');
    }
}

} // namespace

QString FormDump::dump(const Builder &build)
{
    static const SkinImageNames images;

    const QFont original = QApplication::font();
    // Larger, and wider by letter and word spacing, which no form sets: a
    // value that depends on text metrics anywhere changes with it, even
    // under a font the form gives explicitly.
    QFont other = original;
    if (original.pixelSize() > 0)
        other.setPixelSize(original.pixelSize() + 6);
    else
        other.setPointSizeF(original.pointSizeF() + 5);
    other.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    other.setWordSpacing(5);

    // Fusion whatever the desktop or QT_STYLE_OVERRIDE would choose; the
    // application keeps it afterwards.
    const auto fusion = [] { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); };
    fusion();
    const QVector<Entry> first = buildAndWalk(build, images);
    QApplication::setFont(other);
    const QVector<Entry> otherFont = buildAndWalk(build, images);
    QApplication::setFont(original);
    QApplication::setStyle(new WideLayoutStyle);
    const QVector<Entry> otherStyle = buildAndWalk(build, images);
    fusion();

    QString out;
    QString rootName;
    if (!first.isEmpty())
        rootName = first.first().value.section(QLatin1Char(' '), 1, 1);
    out += QStringLiteral("# %1 as a host sees it after setupUi (vexaro-preview --dump %1).\n").arg(rootName);
    out += QStringLiteral("# Properties are listed where they differ from a default-built widget;\n"
                          "# \"%1\" and \"%2\" stand for values that differ between machines.\n")
               .arg(FollowsFont, FromStyle);
    if (first.size() != otherFont.size() || first.size() != otherStyle.size()) {
        out += QStringLiteral("# The form's members differ with the application font or style.\n");
        for (const Entry &entry : first) {
            if (entry.shown)
                write(out, entry);
        }
        return out;
    }
    for (int i = 0; i < first.size(); ++i) {
        Entry entry = first[i];
        if (!entry.header && entry.value != otherFont[i].value) {
            entry.value = FollowsFont;
            entry.shown = true;
        } else if (!entry.header && entry.value != otherStyle[i].value) {
            entry.value = FromStyle;
            entry.shown = true;
        }
        if (entry.shown)
            write(out, entry);
    }
    return out;
}

QStringList FormDump::structure(QWidget *root, bool geometry)
{
    QStringList lines;
    for (const Entry &entry : Walk(nullptr, geometry).run(root))
        lines << entry.value;
    return lines;
}
