// The skin manifest (skin/images.tsv) against the forms that use it, and the
// placeholder artwork drawn from it.

#include "builtform.h"
#include "headlessnotices.h"
#include "placeholderskin.h"
#include "testdata.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QImage>
#include <QtGui/QImageReader>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>

namespace {

const QString kPrefix = QString::fromLatin1(PlaceholderSkin::Prefix);

struct FormSources
{
    QSet<QString> urls;      // every url(...) argument of every style sheet
    QSet<QString> resources; // every resource path under the prefix, sheets and icons alike
};

// Style-sheet comments hold retired declarations; Qt never loads their images.
QString withoutComments(QString text)
{
    static const QRegularExpression comment(QStringLiteral(R"(/\*.*?\*/)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return text.remove(comment);
}

FormSources scanForms()
{
    static const QRegularExpression url(QStringLiteral(R"re(url\(\s*"?([^")]*?)"?\s*\))re"));
    static const QRegularExpression resource(QStringLiteral(R"re(:/quorvel/UIResources/([^"()\n;]*?\.(?:png|ico)))re"));
    FormSources sources;
    for (const QString &path : TestData::uiFiles()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isCharacters())
                continue;
            const QString text = withoutComments(xml.text().toString());
            for (auto m = url.globalMatch(text); m.hasNext();)
                sources.urls.insert(m.next().captured(1));
            for (auto m = resource.globalMatch(text); m.hasNext();)
                sources.resources.insert(m.next().captured(1));
        }
    }
    return sources;
}

QSet<QString> manifestNames()
{
    QSet<QString> names;
    for (const PlaceholderSkin::Image &image : PlaceholderSkin::manifest())
        names.insert(image.name);
    return names;
}

enum class ButtonState { Normal, Hover, Pressed, Focus };

QString stateName(ButtonState state)
{
    static const char *const names[] = {"normal", "hovered", "pressed", "focused"};
    return QLatin1String(names[int(state)]);
}

void enter(QAbstractButton *button, ButtonState state)
{
    button->setDown(state == ButtonState::Pressed);
    button->setAttribute(Qt::WA_UnderMouse, state == ButtonState::Hover);
    if (state == ButtonState::Focus)
        button->setFocus(Qt::OtherFocusReason);
    else if (button->hasFocus())
        button->clearFocus();
    button->update();
}

// How far the button's text stands out from what is drawn behind it: the
// largest difference (sum over the channels) between the button drawn with
// and without its text. Text drawn in the colour of its background scores 0.
int textContrast(QAbstractButton *button)
{
    const QImage withText = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QString text = button->text();
    button->QAbstractButton::setText(QString());
    const QImage without = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    button->QAbstractButton::setText(text);
    if (withText.size() != without.size())
        return -1;
    int contrast = 0;
    for (int y = 0; y < withText.height(); ++y) {
        const QRgb *a = reinterpret_cast<const QRgb *>(withText.constScanLine(y));
        const QRgb *b = reinterpret_cast<const QRgb *>(without.constScanLine(y));
        for (int x = 0; x < withText.width(); ++x) {
            contrast = qMax(contrast, qAbs(qRed(a[x]) - qRed(b[x])) + qAbs(qGreen(a[x]) - qGreen(b[x]))
                                          + qAbs(qBlue(a[x]) - qBlue(b[x])));
        }
    }
    return contrast;
}

} // namespace

class tst_SkinManifest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        muteHeadlessPlatformNotices();
    }

    void manifestIsWellFormed()
    {
        const QVector<PlaceholderSkin::Image> images = PlaceholderSkin::manifest();
        QVERIFY(!images.isEmpty());
        for (int i = 0; i < images.size(); ++i) {
            QVERIFY2(images[i].size.isValid() && !images[i].size.isEmpty(), qPrintable(images[i].name));
            if (i > 0)
                QVERIFY2(images[i - 1].name < images[i].name, qPrintable(images[i].name)); // sorted, unique
        }
        // Names the host's artwork really has, odd spellings included.
        const QSet<QString> names = manifestNames();
        for (const char *name : {"Horzontal line.png", "btn_toolbarbacknormal.png", "btn_addmenu1_hover&focus.png",
                                 "Vexaro.ico", "icon_play_disable.png"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
    }

    void sheetsNameOnlyHostResources()
    {
        // A url() outside the prefix would point at a file the host never ships.
        for (const QString &url : scanForms().urls)
            QVERIFY2(url.startsWith(kPrefix), qPrintable(url));
    }

    void everyReferenceIsInTheManifest()
    {
        const QSet<QString> manifest = manifestNames();
        for (const QString &name : scanForms().resources)
            QVERIFY2(manifest.contains(name), qPrintable(name + QStringLiteral(" is not in skin/images.tsv")));
    }

    void everyManifestImageIsUsed()
    {
        const FormSources sources = scanForms();
        QStringList unused;
        for (const QString &name : manifestNames()) {
            if (!sources.resources.contains(name))
                unused.append(name);
        }
        unused.sort();
        QVERIFY2(unused.isEmpty(), qPrintable(unused.join(QLatin1String(", "))));
    }

    void placeholdersMatchTheManifest()
    {
        for (const PlaceholderSkin::Image &image : PlaceholderSkin::manifest()) {
            QImageReader reader(kPrefix + image.name);
            const QImage picture = reader.read();
            QVERIFY2(!picture.isNull(), qPrintable(image.name + QLatin1Char(' ') + reader.errorString()));
            QCOMPARE(picture.size(), image.size);
        }
    }

    void stateVariantsDiffer()
    {
        const QImage normal(kPrefix + QStringLiteral("btn_close_normal.png"));
        for (const char *state : {"hover", "push", "focus"}) {
            const QImage other(kPrefix + QStringLiteral("btn_close_%1.png").arg(QLatin1String(state)));
            QVERIFY(!other.isNull());
            QVERIFY2(other != normal, state);
        }
    }

    // The stand-ins are for looking at forms, so a button's text must show on
    // them in every state the forms style: a frame image whose centre took the
    // focus ring's colour hid the settings dialog's focused tab, whose sheet
    // draws focused text in that same colour.
    void buttonTextShowsOnThePlaceholders_data()
    {
        QTest::addColumn<QString>("form");
        for (const TestData::FormRow &row : TestData::forms())
            QTest::newRow(qPrintable(row.defaultName)) << row.defaultName;
    }

    void buttonTextShowsOnThePlaceholders()
    {
        QFETCH(QString, form);
        PlaceholderSkin::install();
        std::unique_ptr<QWidget> host(buildFormByName(form));
        QVERIFY(host);
        showAndSettle(host.get());
        QApplication::setActiveWindow(host.get());
        QStringList unreadable;
        const QList<QAbstractButton *> buttons = host->findChildren<QAbstractButton *>();
        for (QAbstractButton *button : buttons) {
            if (button->text().isEmpty() || !button->isVisible() || !button->isEnabled())
                continue;
            for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed, ButtonState::Focus}) {
                if (state == ButtonState::Focus && button->focusPolicy() == Qt::NoFocus)
                    continue;
                enter(button, state);
                const int contrast = textContrast(button);
                // Text in its background's colour scores 0; the forms' own pale
                // hover colours on the light stand-in plates score about 50.
                if (contrast < 32)
                    unreadable << QStringLiteral("%1 %2: contrast %3").arg(button->objectName(), stateName(state)).arg(contrast);
            }
            enter(button, ButtonState::Normal);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(tst_SkinManifest)
#include "tst_skinmanifest.moc"
