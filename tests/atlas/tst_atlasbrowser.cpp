// The atlas in a real browser: headless Chromium, driven over WebDriver by
// chromedriver, in one session for the whole test. Every page loads from its
// folder without a script error or a missing picture; a pointer moved onto a
// row outlines that widget where the module's form has it; a pointer moved
// onto the picture names the widget Qt finds there.

#include "atlaspage.h"
#include "builtform.h"
#include "testdata.h"
#include "toolrun.h"
#include "warningguard.h"
#include "webdriver.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QTemporaryDir>
#include <QtCore/QUrl>
#include <QtTest/QtTest>

#include <cmath>
#include <memory>

namespace {

// The member Qt finds under 'point': the deepest widget there, or the
// member it belongs to when that is one of Qt's own parts.
QString widgetAt(QWidget *host, const QPoint &point)
{
    for (QWidget *widget = host->childAt(point); widget && widget != host; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
            return widget->objectName();
    }
    return QString();
}

} // namespace

class tst_AtlasBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_guard = std::make_unique<WarningGuard>();
        QVERIFY(m_dir.isValid());
        const ToolRun preview = runTool(VEXARO_PREVIEW, {"--atlas", m_dir.path()});
        QVERIFY2(preview.exitCode == 0, qPrintable(preview.err));
        m_browser = std::make_unique<WebDriver>(VEXARO_CHROMEDRIVER, VEXARO_CHROMIUM);
        QVERIFY2(m_browser->start(), qPrintable(m_browser->errorString()));
    }
    void cleanup() { m_guard->verifyNone(); }
    void cleanupTestCase()
    {
        m_browser.reset();
        m_guard.reset();
    }

    void pageLoads_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("rows");
        QTest::newRow("index") << "index" << 0;
        for (const TestData::FormRow &row : TestData::forms())
            QTest::newRow(qPrintable(row.defaultName)) << row.defaultName << row.getters;
    }

    void pageLoads()
    {
        QFETCH(QString, page);
        QFETCH(int, rows);
        QVERIFY2(open(page), qPrintable(m_browser->errorString()));
        const QJsonObject state = m_browser->execute(R"js(
            return {
                ready: document.documentElement.dataset.ready || '',
                images: document.images.length,
                broken: Array.from(document.images).filter(i => !(i.complete && i.naturalWidth > 0)).map(i => i.getAttribute('src')),
                rows: document.querySelectorAll('tbody tr').length
            };)js").toObject();
        QVERIFY2(!state.isEmpty(), qPrintable(m_browser->errorString()));
        QStringList errors;
        for (const QJsonValue &entry : m_browser->browserLog()) {
            if (entry.toObject().value("level").toString() == "SEVERE")
                errors << entry.toObject().value("message").toString();
        }
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QCOMPARE(state.value("broken").toVariant().toStringList(), QStringList());
        if (page == "index") {
            QCOMPARE(state.value("images").toInt(), TestData::forms().size());
        } else {
            // The script ran to its end.
            QCOMPARE(state.value("ready").toString(), QString("true"));
            QCOMPARE(state.value("rows").toInt(), rows);
        }
    }

    // Every page points the same way, and tst_atlas holds every page's
    // outlines against the module; these pages cover what differs: a
    // dialog, stack pages not shown, a picture scaled down to fit the
    // window, and one shown larger than its initial size.
    void pointing_data()
    {
        QTest::addColumn<QString>("form");
        for (const char *form : {"AddCommentDlgClass", "HomeTrayClass", "SettingClass", "PhotoDetailClass", "VideoToolBarClass"})
            QTest::newRow(form) << QString(form);
    }

    void pointing()
    {
        QFETCH(QString, form);
        QVERIFY2(open(form), qPrintable(m_browser->errorString()));
        // The last widget in slot order that the picture shows large enough
        // to point at; its row scrolled to the foot of the window, clear of
        // the picture that stays at the top.
        const QJsonObject target = m_browser->execute(R"js(
            const rows = Array.from(document.querySelectorAll('tbody tr.widget:not(.hidden)')).reverse();
            for (const row of rows) {
                const box = document.getElementById('box-' + row.dataset.slot);
                if (!box) continue;
                const r = box.getBoundingClientRect();
                if (r.width < 8 || r.height < 8) continue;
                row.scrollIntoView({block: 'end'});
                return {slot: row.dataset.slot, getter: row.cells[1].textContent};
            }
            return {};)js").toObject();
        const QString getter = target.value("getter").toString();
        QVERIFY2(!getter.isEmpty(), qPrintable(form + " shows no widget to point at " + m_browser->errorString()));
        const QString slot = target.value("slot").toString();

        const std::unique_ptr<QWidget> host(buildFormByName(form));
        showAndSettle(host.get());
        QWidget *widget = child(host.get(), getter);
        QVERIFY(widget);
        const QRect visible = AtlasPage::visibleRectIn(host.get(), widget);
        const QSize size = host->size();

        // Onto the row: that widget is outlined, where the form has it.
        QVERIFY2(m_browser->movePointer(m_browser->element("#slot-" + slot)), qPrintable(m_browser->errorString()));
        const QJsonObject outlined = m_browser->execute(R"js(
            const mark = document.getElementById('mark');
            const style = getComputedStyle(mark);
            const r = mark.getBoundingClientRect();
            const p = document.querySelector('.pic img').getBoundingClientRect();
            return {
                slot: mark.dataset.slot || '',
                outline: style.outlineStyle + ' ' + style.outlineWidth + ' ' + style.display,
                box: [r.left - p.left, r.top - p.top, r.width, r.height],
                picture: [p.left, p.top, p.width, p.height]
            };)js").toObject();
        QCOMPARE(outlined.value("slot").toString(), slot);
        QCOMPARE(outlined.value("outline").toString(), QString("solid 2px block"));
        const QJsonArray picture = outlined.value("picture").toArray();
        const double scale = picture[2].toDouble() / size.width();
        const QJsonArray box = outlined.value("box").toArray();
        const double expected[4] = {visible.x() * scale, visible.y() * scale, visible.width() * scale, visible.height() * scale};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::abs(box[i].toDouble() - expected[i]) < 1.5,
                     qPrintable(QString("%1 %2: box %3 is at %4, the widget at %5").arg(form, getter).arg(i)
                                    .arg(box[i].toDouble()).arg(expected[i])));

        // Onto the picture, at the middle of that widget: the page names
        // what Qt has there (the widget or one of its children).
        const QPoint point = visible.center();
        const QString there = widgetAt(host.get(), point);
        QVERIFY(!there.isEmpty());
        const double left = picture[0].toDouble();
        const double top = picture[1].toDouble();
        const int x = int(std::lround(left + (point.x() + 0.5) * scale) - std::floor(left + picture[2].toDouble() / 2));
        const int y = int(std::lround(top + (point.y() + 0.5) * scale) - std::floor(top + picture[3].toDouble() / 2));
        QVERIFY2(m_browser->movePointer(m_browser->element(".pic img"), x, y), qPrintable(m_browser->errorString()));
        const QJsonObject named = m_browser->execute(R"js(
            return {
                status: document.getElementById('status').textContent,
                rows: Array.from(document.querySelectorAll('tbody tr.on')).map(r => r.cells[1].textContent)
            };)js").toObject();
        QCOMPARE(named.value("rows").toVariant().toStringList(), QStringList{there});
        QVERIFY2(named.value("status").toString().startsWith(there + " \u00b7 "), qPrintable(named.value("status").toString()));
    }

private:
    bool open(const QString &page)
    {
        return m_browser->open(QUrl::fromLocalFile(m_dir.filePath(page + ".html")).toString());
    }

    std::unique_ptr<WarningGuard> m_guard;
    QTemporaryDir m_dir;
    std::unique_ptr<WebDriver> m_browser;
};

QTEST_MAIN(tst_AtlasBrowser)
#include "tst_atlasbrowser.moc"
