// The forms' translations as a host uses them. The committed catalogue is held
// against what the built forms really look up, and the built English .qm is
// installed with QTranslator before the forms are built, as a host does.
//
// Where each text lands is learnt by building a form with a translator that
// answers every lookup with a marker: the widget property that then holds the
// marker shows that text, and nothing without a marker is translated.

#include "builtform.h"
#include "formslots.h"
#include "qelidedlabel.h"
#include "testdata.h"
#include "warningguard.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QMetaProperty>
#include <QtCore/QRegularExpression>
#include <QtCore/QTranslator>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QTextDocument>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QTextEdit>

#include <memory>

namespace {

// A text as uic looks it up: its source and the Designer disambiguation.
struct Text
{
    QString source;
    QString disambiguation;

    bool operator==(const Text &other) const
    {
        return source == other.source && disambiguation == other.disambiguation;
    }
    QString quoted() const
    {
        return QLatin1Char('"') + source + QLatin1Char('"')
            + (disambiguation.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(disambiguation));
    }
};

uint qHash(const Text &text, uint seed = 0)
{
    return ::qHash(text.source, seed) ^ ::qHash(text.disambiguation, seed);
}

// A Qt Linguist catalogue (.ts), read independently of the Qt tools.
struct Catalogue
{
    struct Message
    {
        Text text;
        QString translation;
        QString type;   // "", "unfinished", "obsolete" or "vanished"
    };

    QString language;
    QString sourceLanguage;
    QMap<QString, QVector<Message>> contexts;
    QString error;

    const Message *find(const QString &context, const Text &text) const
    {
        const auto it = contexts.constFind(context);
        if (it == contexts.constEnd())
            return nullptr;
        for (const Message &message : *it) {
            if (message.text == text)
                return &message;
        }
        return nullptr;
    }
};

Catalogue readCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = path + QStringLiteral(": ") + file.errorString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Catalogue::Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
            catalogue.sourceLanguage = xml.attributes().value(QLatin1String("sourcelanguage")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Catalogue::Message();
        } else if (name == QLatin1String("source")) {
            message.text.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.text.disambiguation = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            // The translation closes a message.
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            catalogue.contexts[context].append(message);
        }
    }
    if (xml.hasError())
        catalogue.error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return catalogue;
}

// Answers every lookup with a marker naming it, and keeps the lookups.
class MarkingTranslator : public QTranslator
{
public:
    struct Lookup
    {
        QString context;
        Text text;
    };

    QString translate(const char *context, const char *source, const char *disambiguation, int) const override
    {
        lookups.append({QString::fromUtf8(context), {QString::fromUtf8(source), QString::fromUtf8(disambiguation)}});
        return marker(lookups.size() - 1);
    }
    bool isEmpty() const override { return false; }

    static QString marker(int lookup) { return QStringLiteral("{{tr:%1}}").arg(lookup); }
    static int lookupIn(const QString &value)
    {
        static const QRegularExpression exact(QStringLiteral("^\\{\\{tr:(\\d+)\\}\\}$"));
        const QRegularExpressionMatch match = exact.match(value);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }
    static bool holdsMarker(const QString &value) { return value.contains(QLatin1String("{{tr:")); }

    mutable QVector<Lookup> lookups;
};

// Every text the objects of a built form hold, by object and property. An
// object is named by its place in the tree, its class and its name, which are
// the same in every build of the form.
using Texts = QMap<QString, QString>;

// A rich-text edit shows its html through the document, which rewrites it;
// its plain text is what the reader sees.
bool isDocumentText(const QString &key)
{
    return key.endsWith(QLatin1String(".plainText"));
}

QString shownAs(const QString &key, const QString &text)
{
    if (!isDocumentText(key))
        return text;
    QTextDocument document;
    document.setHtml(text); // uic sets a QTextEdit's text as html
    return document.toPlainText();
}

Texts textsOf(QWidget *host)
{
    Texts texts;
    QObjectList objects{host};
    const QList<QObject *> children = host->findChildren<QObject *>();
    for (QObject *child : children)
        objects.append(child);
    for (int i = 0; i < objects.size(); ++i) {
        QObject *object = objects[i];
        // A text edit's parts show its document: it is read through the edit.
        if (object != host && qobject_cast<QTextEdit *>(object->parent()))
            continue;
        const QString prefix = QStringLiteral("%1 %2 %3.")
                                   .arg(i)
                                   .arg(QLatin1String(object->metaObject()->className()), object->objectName());
        const QMetaObject *meta = object->metaObject();
        for (int p = 0; p < meta->propertyCount(); ++p) {
            const QMetaProperty property = meta->property(p);
            if (property.isReadable() && property.userType() == QMetaType::QString)
                texts.insert(prefix + QLatin1String(property.name()), property.read(object).toString());
        }
        if (auto *combo = qobject_cast<QComboBox *>(object)) {
            for (int item = 0; item < combo->count(); ++item)
                texts.insert(prefix + QStringLiteral("item %1").arg(item), combo->itemText(item));
        }
        if (qobject_cast<QTextEdit *>(object)) {
            // Regenerated from the document: see plainText.
            texts.remove(prefix + QLatin1String("html"));
            texts.remove(prefix + QLatin1String("markdown"));
        }
        if (auto *label = qobject_cast<qelidedlabel *>(object)) {
            // What it shows, and whether the full text is its tool tip, depend
            // on the text's width; the full text is what was set.
            texts.remove(prefix + QLatin1String("text"));
            texts.remove(prefix + QLatin1String("toolTip"));
            texts.insert(prefix + QLatin1String("fullText"), label->text());
        }
    }
    return texts;
}

// Builds the form of 'slot' into a new host widget with 'translator' installed
// (none if null) and returns the texts its objects hold.
Texts buildTexts(int slot, QTranslator *translator)
{
    if (translator)
        QCoreApplication::installTranslator(translator);
    if (auto *marking = dynamic_cast<MarkingTranslator *>(translator))
        marking->lookups.clear(); // installing asks for Qt's own texts
    QWidget host;
    FormSlots::visit(testFactory(), slot, [&host](auto *form) {
        if (!form)
            qFatal("the factory gave no form object");
        form->setupUi(&host);
        form->release();
    });
    const Texts texts = textsOf(&host);
    if (translator)
        QCoreApplication::removeTranslator(translator);
    return texts;
}

// A form built three times: with markers, without a translator, in English.
struct FormBuilds
{
    Texts marked;
    QVector<MarkingTranslator::Lookup> lookups;   // what each marker stands for
    Texts danish;
    Texts english;
};

FormBuilds buildThreeTimes(int slot, QTranslator *english)
{
    FormBuilds builds;
    MarkingTranslator marking;
    builds.marked = buildTexts(slot, &marking);
    builds.lookups = marking.lookups;
    builds.danish = buildTexts(slot, nullptr);
    builds.english = buildTexts(slot, english);
    return builds;
}

const char *const CataloguePath = "translations/vexaroui_en.ts";

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void catalogueIsComplete();
    void catalogueMatchesForm_data() { formRows(); }
    void catalogueMatchesForm();
    void formShowsEnglish_data() { formRows(); }
    void formShowsEnglish();
    void formKeepsDanishWithoutTranslator_data() { formRows(); }
    void formKeepsDanishWithoutTranslator();
    void hostFindsTranslationByLocale_data();
    void hostFindsTranslationByLocale();

private:
    void formRows();
    // Building is what costs (most of all under the sanitizers): each form is
    // built three times, once for all the tests.
    const FormBuilds &builds(int slot);

    QHash<int, FormBuilds> m_builds;

    Catalogue m_catalogue;
    QTranslator m_english;
    std::unique_ptr<WarningGuard> m_warnings;
};

void tst_Translations::initTestCase()
{
    m_catalogue = readCatalogue(QStringLiteral(VEXARO_ENGLISH_CATALOGUE));
    QVERIFY2(m_catalogue.error.isEmpty(), qPrintable(m_catalogue.error));
    QVERIFY2(m_english.load(QStringLiteral(VEXARO_ENGLISH_QM)), VEXARO_ENGLISH_QM " does not load");
    QVERIFY(testFactory());
}

void tst_Translations::init()
{
    m_warnings = std::make_unique<WarningGuard>();
}

void tst_Translations::cleanup()
{
    m_warnings->verifyNone();
    m_warnings.reset();
}

const FormBuilds &tst_Translations::builds(int slot)
{
    auto it = m_builds.find(slot);
    if (it == m_builds.end())
        it = m_builds.insert(slot, buildThreeTimes(slot, &m_english));
    return *it;
}

void tst_Translations::formRows()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("form");
    for (const TestData::FormRow &row : TestData::forms())
        QTest::newRow(qPrintable(row.defaultName)) << row.slot << row.defaultName;
}

void tst_Translations::catalogueIsComplete()
{
    QCOMPARE(m_catalogue.sourceLanguage, QStringLiteral("da_DK"));
    QCOMPARE(m_catalogue.language, QStringLiteral("en"));

    QSet<QString> forms;
    for (const TestData::FormRow &row : TestData::forms())
        forms.insert(row.defaultName);
    QStringList problems;
    for (auto it = m_catalogue.contexts.constBegin(); it != m_catalogue.contexts.constEnd(); ++it) {
        const QString &context = it.key();
        if (!forms.contains(context))
            problems.append(QStringLiteral("context %1 is no form").arg(context));
        QSet<Text> seen;
        for (const Catalogue::Message &message : it.value()) {
            const QString where = QStringLiteral("context %1, %2").arg(context, message.text.quoted());
            if (seen.contains(message.text))
                problems.append(where + QStringLiteral(": twice"));
            seen.insert(message.text);
            if (!message.type.isEmpty())
                problems.append(where + QStringLiteral(": marked %1").arg(message.type));
            // A name the same in both languages is translated to itself.
            if (message.translation.isEmpty())
                problems.append(where + QStringLiteral(": no translation"));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1:\n  %2")
                                                .arg(QLatin1String(CataloguePath), problems.join(QStringLiteral("\n  ")))));
}

void tst_Translations::catalogueMatchesForm()
{
    QFETCH(int, slot);
    QFETCH(QString, form);
    const FormBuilds &built = builds(slot);

    QStringList problems;
    QSet<Text> lookedUp;
    for (const MarkingTranslator::Lookup &lookup : built.lookups) {
        lookedUp.insert(lookup.text);
        if (lookup.context != form) {
            problems.append(QStringLiteral("%1 looks up %2 in context %3, not its own")
                                .arg(form, lookup.text.quoted(), lookup.context));
        } else if (!m_catalogue.find(lookup.context, lookup.text)) {
            problems.append(QStringLiteral("%1: %2 (context %3) is not in %4")
                                .arg(form, lookup.text.quoted(), lookup.context, QLatin1String(CataloguePath)));
        }
    }
    for (const Catalogue::Message &message : m_catalogue.contexts.value(form)) {
        if (!lookedUp.contains(message.text)) {
            problems.append(QStringLiteral("%1: %2 (context %1) is in %3 but not in the form")
                                .arg(form, message.text.quoted(), QLatin1String(CataloguePath)));
        }
    }
    QVERIFY2(problems.isEmpty(),
             qPrintable(problems.join(QLatin1Char('\n'))
                        + QStringLiteral("\nRefresh the catalogue (target vexaroui_update_translations) and translate it.")));
}

void tst_Translations::formShowsEnglish()
{
    QFETCH(int, slot);
    QFETCH(QString, form);
    const FormBuilds &built = builds(slot);
    const Texts &danish = built.danish;
    const Texts &english = built.english;
    QCOMPARE(english.keys(), built.marked.keys());

    QStringList problems;
    QVector<bool> landed(built.lookups.size(), false);
    for (auto it = built.marked.constBegin(); it != built.marked.constEnd(); ++it) {
        const QString &key = it.key();
        const int lookup = MarkingTranslator::lookupIn(it.value());
        if (lookup < 0) {
            if (MarkingTranslator::holdsMarker(it.value()))
                problems.append(QStringLiteral("%1 mixes looked-up texts: %2").arg(key, it.value()));
            else if (english.value(key) != danish.value(key))
                problems.append(QStringLiteral("%1 is not translated but changes: \"%2\" -> \"%3\"")
                                    .arg(key, danish.value(key), english.value(key)));
            continue;
        }
        landed[lookup] = true;
        const MarkingTranslator::Lookup &text = built.lookups[lookup];
        const QByteArray context = text.context.toUtf8();
        const QByteArray source = text.text.source.toUtf8();
        const QByteArray disambiguation = text.text.disambiguation.toUtf8();
        const QString translation = m_english.translate(context.constData(), source.constData(),
                                                        text.text.disambiguation.isEmpty() ? nullptr : disambiguation.constData());
        if (translation.isEmpty()) {
            problems.append(QStringLiteral("%1: %2 (context %3) has no English translation")
                                .arg(form, text.text.quoted(), text.context));
            continue;
        }
        const Catalogue::Message *message = m_catalogue.find(text.context, text.text);
        if (message && message->translation != translation) {
            problems.append(QStringLiteral("%1: %2: the built translation \"%3\" is not the catalogue's \"%4\"")
                                .arg(form, text.text.quoted(), translation, message->translation));
        }
        if (english.value(key) != shownAs(key, translation)) {
            problems.append(QStringLiteral("%1 shows \"%2\", not its English \"%3\"")
                                .arg(key, english.value(key), shownAs(key, translation)));
        }
    }
    for (int lookup = 0; lookup < landed.size(); ++lookup) {
        if (!landed[lookup]) {
            problems.append(QStringLiteral("%1: %2 is looked up, but no property read here shows it")
                                .arg(form, built.lookups[lookup].text.quoted()));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void tst_Translations::formKeepsDanishWithoutTranslator()
{
    QFETCH(int, slot);
    const FormBuilds &built = builds(slot);
    const Texts &danish = built.danish;
    QCOMPARE(danish.keys(), built.marked.keys());

    QSet<int> landed;
    for (auto it = built.marked.constBegin(); it != built.marked.constEnd(); ++it) {
        const int lookup = MarkingTranslator::lookupIn(it.value());
        if (lookup < 0) {
            QCOMPARE(danish.value(it.key()), it.value());
            continue;
        }
        landed.insert(lookup);
        QCOMPARE(danish.value(it.key()), shownAs(it.key(), built.lookups[lookup].text.source));
    }
    QCOMPARE(landed.size(), built.lookups.size());
}

// The file name lets a host load by locale, as the README shows.
void tst_Translations::hostFindsTranslationByLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("english");
    QTest::newRow("en") << "en" << true;
    QTest::newRow("en_GB") << "en_GB" << true;
    QTest::newRow("en_US") << "en_US" << true;
    QTest::newRow("da_DK: the forms' own") << "da_DK" << false;
    QTest::newRow("de_DE: none") << "de_DE" << false;
}

void tst_Translations::hostFindsTranslationByLocale()
{
    QFETCH(QString, locale);
    QFETCH(bool, english);
    QTranslator translator;
    const QString dir = QFileInfo(QStringLiteral(VEXARO_ENGLISH_QM)).absolutePath();
    QCOMPARE(translator.load(QLocale(locale), QStringLiteral("vexaroui"), QStringLiteral("_"), dir), english);
    if (english)
        QCOMPARE(translator.translate("MsgBoxClass", "Annuller"), QStringLiteral("Cancel"));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
