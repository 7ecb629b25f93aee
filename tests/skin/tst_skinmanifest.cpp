// The skin manifest (skin/images.tsv) against the forms that use it, and the
// placeholder artwork drawn from it.

#include "placeholderskin.h"
#include "testdata.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QImage>
#include <QtGui/QImageReader>
#include <QtTest/QtTest>

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

} // namespace

class tst_SkinManifest : public QObject
{
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(tst_SkinManifest)
#include "tst_skinmanifest.moc"
