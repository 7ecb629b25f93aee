// The settings panel: what the host relies on beyond the generic contract:
// the page it opens on, the section tabs, the bands that keep their heights,
// the check-box skin the panel hands down, the usage bar and the texts.

#include "builtform.h"
#include "multistatetoolbutton.h"
#include "warningguard.h"

#include <QtGui/QFontMetrics>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QToolButton>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

using Settings = BuiltForm<ISettingClass>;

// The widget's rectangle in the coordinates of `ancestor`.
QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

} // namespace

class tst_SettingsForm : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void opensOnTheSlideShowPage();
    void danishTexts_data();
    void danishTexts();
    void sectionTabs_data();
    void sectionTabs();
    void bandsKeepTheirHeights_data();
    void bandsKeepTheirHeights();
    void checkBoxesTakeThePanelSkin_data();
    void checkBoxesTakeThePanelSkin();
    void usageBar();
    void pictures_data();
    void pictures();
    void everyPagePaintsWithoutWarnings();
};

void tst_SettingsForm::cleanup()
{
    // Nothing a test shows may outlive it.
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void tst_SettingsForm::opensOnTheSlideShowPage()
{
    Settings settings(testFactory()->createSetting());
    QStackedWidget *stack = settings->stackedWidget();
    const QList<QWidget *> pages{settings->page_Slideshow(), settings->page_Facebook(), settings->page_Flickr(),
                                 settings->page_Shutterfly(), settings->page_About()};
    // The host switches pages by the tabs' order, left to right.
    QCOMPARE(stack->count(), pages.size());
    for (int i = 0; i < pages.size(); ++i)
        QCOMPARE(stack->widget(i), pages.at(i));
    QCOMPARE(stack->currentIndex(), 0);
    QCOMPARE(stack->currentWidget(), settings->page_Slideshow());

    // The transitions in the order the host indexes them; the durations are
    // the host's to fill.
    QComboBox *transition = settings->comboBox_Transition();
    QStringList items;
    for (int i = 0; i < transition->count(); ++i)
        items << transition->itemText(i);
    QCOMPARE(items, (QStringList{"Alle effekter (vilkårlig)"_q, "Panorer/Zoom"_q, "Diamant-udtoning"_q,
                                 "Alfa-kunstner"_q}));
    QCOMPARE(transition->currentIndex(), 0);
    QCOMPARE(settings->comboBox_Duration()->count(), 0);
}

void tst_SettingsForm::danishTexts_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    const QByteArray text("text");
    QTest::newRow("close tip") << "toolButton_Close"_q << QByteArray("toolTip") << "Luk"_q;
    QTest::newRow("close has no text") << "toolButton_Close"_q << text << QString();
    QTest::newRow("music") << "label_3"_q << text << "Tilføj musik"_q;
    QTest::newRow("music hint") << "label_4"_q << text
                                << "Du kan vælge, hvilken musik der afspilles med dit diasshow."_q;
    QTest::newRow("facebook keep") << "checkBox_FacebookKeep"_q << text << "Jeg vil forblive logget på"_q;
    QTest::newRow("flickr keep") << "checkBox_FlickrKeep"_q << text << "Lad mig forblive logget på"_q;
    QTest::newRow("flickr usage") << "label_20"_q << text << "Månedligt forbrug:"_q;
    QTest::newRow("flickr file size") << "label_22"_q << text << "Maksimalt tilladte filstørrelse:"_q;
    QTest::newRow("sign-in left to the host") << "toolButton_SfSign"_q << text << QString();
    QTest::newRow("version to fill in") << "label_29"_q << text << "Version %1"_q;
    QTest::newRow("updates") << "label_27"_q << text << "Kontroller for opdateringer"_q;
    QTest::newRow("cancel") << "toolButton_Cancel"_q << text << "Annuller"_q;
}

void tst_SettingsForm::danishTexts()
{
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);

    Settings settings(testFactory()->createSetting());
    QWidget *widget = child(settings.host(), object);
    QVERIFY(widget);
    QCOMPARE(widget->property(property.constData()).toString(), text);
}

void tst_SettingsForm::sectionTabs_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("text");

    QTest::newRow("slide show") << "toolButton_Slideshow"_q << "DIASSHOW"_q;
    QTest::newRow("facebook") << "toolButton_Facebook"_q << "Facebook"_q;
    QTest::newRow("flickr") << "toolButton_Flickr"_q << "Flickr"_q;
    QTest::newRow("shutterfly") << "toolButton_Shutterfly"_q << "Shutterfly"_q;
    QTest::newRow("about") << "toolButton_About"_q << "OM"_q;
}

void tst_SettingsForm::sectionTabs()
{
    QFETCH(QString, member);
    QFETCH(QString, text);

    Settings settings(testFactory()->createSetting());
    auto *tab = child<MultiStateToolButton>(settings.host(), member);
    QVERIFY(tab);
    QCOMPARE(tab->text(), text);

    // The tab's own setText fixed its width from the text in the bold font.
    QFont bold = tab->font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(text);
    QCOMPARE(tab->minimumWidth(), width);
    QCOMPARE(tab->maximumWidth(), width);

    // Plain tabs: the host marks the current one itself.
    QVERIFY(!tab->isCheckable());
    QVERIFY(!tab->isChecked());
    QVERIFY(tab->autoExclusive());
    QCOMPARE(tab->focusPolicy(), Qt::StrongFocus);
    QVERIFY(tab->selectedSheet().isEmpty());

    // Focus leaves the form's sheet alone while the host supplies no selected one.
    const QString sheet = tab->styleSheet();
    showAndSettle(settings.host());
    tab->setFocus(Qt::TabFocusReason);
    settle();
    QCOMPARE(tab->styleSheet(), sheet);
    QCOMPARE(tab->width(), width);
    QCOMPARE(tab->parentWidget(), settings->frame_Library());
    settings.host()->hide();
}

void tst_SettingsForm::bandsKeepTheirHeights_data()
{
    QTest::addColumn<QSize>("offered");
    QTest::newRow("initial") << QSize(603, 429);
    QTest::newRow("large") << QSize(1000, 760);
}

void tst_SettingsForm::bandsKeepTheirHeights()
{
    QFETCH(QSize, offered);

    Settings settings(testFactory()->createSetting());
    settings.host()->resize(offered);
    showAndSettle(settings.host());
    QCOMPARE(settings.host()->size(), offered);

    // The header band and the bottom row keep their heights; the pages take
    // the rest of the body.
    QCOMPARE(settings->frame()->height(), 54);
    QCOMPARE(settings->label_6()->height(), 2);
    QFrame *body = settings->frame_2();
    QFrame *bottom = settings->frame_29();
    QCOMPARE(bottom->height(), 37);
    QCOMPARE(settings->stackedWidget()->height(), body->height() - 2 * 10 - 2 * 10 - 2 - 37);
    QCOMPARE(rectIn(bottom, body).bottom(), body->height() - 1 - 10);

    // Close sits at the top right of the header, two pixels in.
    QFrame *closeFrame = settings->frame_30();
    QToolButton *close = settings->toolButton_Close();
    QCOMPARE(close->size(), QSize(33, 18));
    QCOMPARE(close->y(), 0);
    QCOMPARE(close->geometry().right(), closeFrame->width() - 1 - 2);
    QCOMPARE(rectIn(closeFrame, settings->frame()).right(), settings->frame()->width() - 1);

    // Logo at the left, OK and Cancel at the right end of the bottom row.
    QCOMPARE(settings->label_zarnikLogo()->geometry(), QRect(0, 0, 37, 37));
    QToolButton *ok = settings->toolButton_OK();
    QToolButton *cancel = settings->toolButton_Cancel();
    QCOMPARE(ok->height(), 37);
    QCOMPARE(cancel->height(), 37);
    QVERIFY(ok->width() >= 100 && cancel->width() >= 100);
    QCOMPARE(cancel->geometry().right(), bottom->width() - 1 - 10);
    QVERIFY(ok->geometry().right() < cancel->x());
    settings.host()->hide();
}

void tst_SettingsForm::checkBoxesTakeThePanelSkin_data()
{
    QTest::addColumn<QString>("member");
    QTest::newRow("facebook") << "checkBox_FacebookKeep"_q;
    QTest::newRow("flickr") << "checkBox_FlickrKeep"_q;
    QTest::newRow("shutterfly") << "checkBox_ShutterflyKeep"_q;
}

void tst_SettingsForm::checkBoxesTakeThePanelSkin()
{
    QFETCH(QString, member);

    Settings settings(testFactory()->createSetting());
    auto *box = child<QCheckBox>(settings.host(), member);
    QVERIFY(box);
    // Their own sheets are empty, so the panel's check-box skin applies.
    QVERIFY(box->styleSheet().isEmpty());
    QVERIFY(box->isChecked());
    QVERIFY(!box->autoExclusive());
    box->ensurePolished();
    QCOMPARE(box->font().pixelSize(), 14);

    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QCOMPARE(indicator.size(), QSize(22, 22));
}

void tst_SettingsForm::usageBar()
{
    Settings settings(testFactory()->createSetting());
    QProgressBar *usage = settings->progressBar_Usage();
    // 5 of 100 until the host reports the real usage.
    QCOMPARE(usage->minimum(), 0);
    QCOMPARE(usage->maximum(), 100);
    QCOMPARE(usage->value(), 5);
    QVERIFY(!usage->isTextVisible());

    settings.host()->resize(603, 429);
    settings->stackedWidget()->setCurrentWidget(settings->page_Flickr());
    showAndSettle(settings.host());
    QCOMPARE(usage->size(), QSize(221, 8));
    settings.host()->hide();
}

void tst_SettingsForm::pictures_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QSize>("size");
    QTest::newRow("product icon") << "label_11"_q << QSize(200, 200);
    QTest::newRow("maker logo") << "label_zarnikLogo"_q << QSize(37, 37);
}

void tst_SettingsForm::pictures()
{
    QFETCH(QString, member);
    QFETCH(QSize, size);

    // The empty text set with the others does not clear the picture.
    Settings settings(testFactory()->createSetting());
    auto *label = child<QLabel>(settings.host(), member);
    QVERIFY(label);
    QVERIFY(label->text().isEmpty());
    QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(label->hasScaledContents());
    QCOMPARE(label->minimumSize(), size);
    QCOMPARE(label->maximumSize(), size);
}

// Each page shown, with a focused and a disabled widget, runs the sheets'
// state rules through Qt's style-sheet parser.
void tst_SettingsForm::everyPagePaintsWithoutWarnings()
{
    WarningGuard guard;
    Settings settings(testFactory()->createSetting());
    settings.host()->resize(603, 429);
    showAndSettle(settings.host());
    QStackedWidget *stack = settings->stackedWidget();
    for (int i = 0; i < stack->count(); ++i) {
        stack->setCurrentIndex(i);
        settle();
        settings.host()->grab();
        stack->currentWidget()->setEnabled(false);
        settings->toolButton_OK()->setEnabled(false);
        settings.host()->grab();
        stack->currentWidget()->setEnabled(true);
        settings->toolButton_OK()->setEnabled(true);
    }
    const QList<QPair<int, QWidget *>> focused{{0, settings->comboBox_Transition()},
                                               {1, settings->checkBox_FacebookKeep()},
                                               {2, settings->toolButton_FlickrSign()},
                                               {4, settings->toolButton_About()}};
    for (const auto &entry : focused) {
        stack->setCurrentIndex(entry.first);
        entry.second->setFocus(Qt::TabFocusReason);
        settle();
        settings.host()->grab();
    }
    settings.host()->hide();
    guard.verifyNone();
}

QTEST_MAIN(tst_SettingsForm)
#include "tst_settingsform.moc"
