// The photo forms: photo detail view, the edit, crop, straighten and
// information trays, the slide-show surface and its control bar, as the host
// lays them out and drives them.
//
// The host's images are not available here, so pictures are checked through
// the sheets that name them; everything else is checked on the widgets.

#include "builtform.h"

#include <QtCore/QRegularExpression>
#include <QtGui/QFontInfo>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QSlider>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

const QString ResourcePrefix = QStringLiteral(":/quorvel/UIResources/");

const QStringList &photoForms()
{
    static const QStringList forms{"PhotoDetailClass"_q,   "PhotoEditTrayClass"_q, "PhotoCropTrayClass"_q,
                                   "PhotoStraightenTrayClass"_q, "PhotoInfoTrayClass"_q, "SlideShowClass"_q,
                                   "SlideShowTrayClass"_q};
    return forms;
}

// The widget's rectangle in the coordinates of `ancestor`.
QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// The size a layout gives a widget of fixed vertical policy.
int fixedHeightOf(const QWidget *widget)
{
    return qBound(widget->minimumHeight(), widget->sizeHint().height(), widget->maximumHeight());
}

} // namespace

class tst_PhotoForms : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    // All photo forms.
    void danishTexts_data();
    void danishTexts();
    void sheetsNameTheirImages_data();
    void sheetsNameTheirImages();
    void everyImageIsAResource_data();
    void everyImageIsAResource();
    void sheetFontsReachTheWidgets_data();
    void sheetFontsReachTheWidgets();
    void fixedSizeButtons_data();
    void fixedSizeButtons();

    // Photo detail.
    void photoAreaTakesSpareHeight_data();
    void photoAreaTakesSpareHeight();
    void browseButtonsAtTheEdges_data();
    void browseButtonsAtTheEdges();

    // Edit trays.
    void editMenuColumn();
    void panelButtonsAtStart_data();
    void panelButtonsAtStart();
    void panelGridRows_data();
    void panelGridRows();
    void straightenSlider();
    void straightenSliderIgnoresGroove_data();
    void straightenSliderIgnoresGroove();
    void straightenSheetParses();
    void infoTitleButton();
    void takenTimeCannotBeSelected();

    // Slide show.
    void slideShowSurface();
    void controlBarKeepsItsHeight_data();
    void controlBarKeepsItsHeight();
    void toggleButtons_data();
    void toggleButtons();
};

void tst_PhotoForms::cleanup()
{
    // Nothing a test shows may outlive it.
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

// ---------------------------------------------------------------------------
// All photo forms

void tst_PhotoForms::danishTexts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    const QByteArray tip("toolTip");
    const QByteArray text("text");
    QTest::newRow("detail next") << "PhotoDetailClass"_q << "toolButton_PhotoNextClip"_q << tip << "Næste"_q;
    QTest::newRow("detail shutterfly") << "PhotoDetailClass"_q << "toolButton_Shutterfly"_q << tip
                                       << "Udskriv med Shutterfly"_q;
    QTest::newRow("detail slide show") << "PhotoDetailClass"_q << "toolButton_Slideshow"_q << tip << "Diasshow"_q;
    QTest::newRow("detail buttons carry no text") << "PhotoDetailClass"_q << "toolButton_Edit"_q << text << QString();
    QTest::newRow("edit rotate") << "PhotoEditTrayClass"_q << "toolButton_Rotate"_q << text << "Rotér"_q;
    QTest::newRow("edit red eye") << "PhotoEditTrayClass"_q << "toolButton_RedEye"_q << text << "Røde øjne"_q;
    QTest::newRow("edit revert") << "PhotoEditTrayClass"_q << "toolButton_Revert"_q << text
                                 << "Gå tilbage til original"_q;
    QTest::newRow("crop title") << "PhotoCropTrayClass"_q << "toolButton"_q << text << "BESKÆR"_q;
    QTest::newRow("crop saves") << "PhotoCropTrayClass"_q << "toolButton_Done"_q << text << "Gem"_q;
    QTest::newRow("straighten title") << "PhotoStraightenTrayClass"_q << "toolButton"_q << text << "ARRANGER"_q;
    QTest::newRow("straighten is done") << "PhotoStraightenTrayClass"_q << "toolButton_Done"_q << text
                                        << "Færdig"_q;
    // The labels keep their texts although the slider runs from -100 to 100.
    QTest::newRow("straighten low end") << "PhotoStraightenTrayClass"_q << "label_2"_q << text << "-10"_q;
    QTest::newRow("straighten high end") << "PhotoStraightenTrayClass"_q << "label_3"_q << text << "+10"_q;
    QTest::newRow("info title left to the host") << "PhotoInfoTrayClass"_q << "toolButton_Title"_q << text
                                                 << QString();
    QTest::newRow("slide show loop") << "SlideShowTrayClass"_q << "toolButton_Loop"_q << tip << "Kør i ring"_q;
    QTest::newRow("slide show volume") << "SlideShowTrayClass"_q << "toolButton_Tune"_q << tip
                                       << "Juster lydstyrke"_q;
    QTest::newRow("slide show full screen has no tip") << "SlideShowTrayClass"_q << "toolButton_FullScreen"_q
                                                       << tip << QString();
}

void tst_PhotoForms::danishTexts()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);

    QCOMPARE(builtProperty(form, object, property.constData()).toString(), text);
}

void tst_PhotoForms::sheetsNameTheirImages_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object"); // empty: the host widget itself
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    // Photo detail.
    QTest::newRow("previous photo, irregular normal image")
        << "PhotoDetailClass"_q << "toolButton_PhotoPrevClip"_q
        << QStringList{"btn_toolbarbacknormal.png", "btn_toolbarback_focus.png", "btn_toolbarback_disable.png"}
        << QStringList{"btn_toolbarback_normal.png"};
    // The focus image shows also while pressed: the rule is a plain :focus.
    QTest::newRow("previous photo, focus wins over pressed")
        << "PhotoDetailClass"_q << "toolButton_PhotoPrevClip"_q << QStringList{"QToolButton:focus {"}
        << QStringList{":!pressed"};
    QTest::newRow("next photo, focus wins over pressed")
        << "PhotoDetailClass"_q << "toolButton_PhotoNextClip"_q
        << QStringList{"btn_toolbarnext_normal.png", "QToolButton:focus {"} << QStringList{":!pressed"};
    QTest::newRow("photo tray") << "PhotoDetailClass"_q << "frame_PhotoTray"_q
                                << QStringList{"QFrame#frame_PhotoTray", "toolbar_bg.png", "btn_tray_normal.png",
                                               "btn_tray_focus.png", "btn_tray_disable.png"}
                                << QStringList();
    QTest::newRow("facebook") << "PhotoDetailClass"_q << "toolButton_Facebook"_q
                              << QStringList{"btn_uploadtofacebook_normal.png", "btn_uploadtofacebook_disable.png"}
                              << QStringList();
    QTest::newRow("shutterfly") << "PhotoDetailClass"_q << "toolButton_Shutterfly"_q
                                << QStringList{"btn_uploadtoshutterfly_push.png"} << QStringList();
    QTest::newRow("divider") << "PhotoDetailClass"_q << "label_6"_q << QStringList{"header_divider.png"}
                             << QStringList();

    // Edit trays.
    QTest::newRow("edit menu, dark plates for all six")
        << "PhotoEditTrayClass"_q << QString()
        << QStringList{"btn_dark_normal.png) 13 13 13 13", "btn_dark_disable.png", "QToolButton:disabled"}
        << QStringList();
    QTest::newRow("crop panel plate") << "PhotoCropTrayClass"_q << "frame_background"_q
                                      << QStringList{"QFrame#frame_background", "toolbar_bg_short.png) 13 13 13 13"}
                                      << QStringList();
    QTest::newRow("undo greys out") << "PhotoCropTrayClass"_q << "toolButton_Undo"_q
                                    << QStringList{"btn_dark_disable.png", "QToolButton:!enabled"} << QStringList();
    QTest::newRow("redo greys out") << "PhotoStraightenTrayClass"_q << "toolButton_Redo"_q
                                    << QStringList{"btn_dark_disable.png", "QToolButton:!enabled"} << QStringList();
    QTest::newRow("done is light") << "PhotoCropTrayClass"_q << "toolButton_Done"_q
                                   << QStringList{"btn_light_normal.png", "btn_light_disable.png"}
                                   << QStringList{"btn_dark"};
    QTest::newRow("cancel is dark") << "PhotoStraightenTrayClass"_q << "toolButton_Cancel"_q
                                    << QStringList{"btn_dark_focus.png"} << QStringList{":!enabled"};
    QTest::newRow("straighten slider")
        << "PhotoStraightenTrayClass"_q << "horizontalSlider_Straighten"_q
        << QStringList{"cropslider_bg0.png) 3 3 3 3", "slider_thumb_normal.png", "slider_thumb_push.png",
                       "slider_thumb_disable.png", "QSlider::sub-page:horizontal"}
        << QStringList();
    QTest::newRow("info title hover colour") << "PhotoInfoTrayClass"_q << "toolButton_Title"_q
                                             << QStringList{"QToolButton:hover", "rgb(64, 164, 255)"}
                                             << QStringList();

    // Slide show.
    QTest::newRow("control bar") << "SlideShowTrayClass"_q << "frame_ControlBar"_q
                                 << QStringList{"QFrame#frame_ControlBar", "toolbar_bg_fullscreen.png) 1 1 1 1"}
                                 << QStringList();
    QTest::newRow("play and pause") << "SlideShowTrayClass"_q << "toolButton_Play"_q
                                    << QStringList{"QToolButton:checked {", "btn_pause_normal.png",
                                                   "QToolButton:!checked {", "btn_play_normal.png"}
                                    << QStringList();
    QTest::newRow("full screen") << "SlideShowTrayClass"_q << "toolButton_FullScreen"_q
                                 << QStringList{"btn_exitfullscreen_focus.png", "btn_fullscreen_focus.png"}
                                 << QStringList();
    QTest::newRow("loop") << "SlideShowTrayClass"_q << "toolButton_Loop"_q
                          << QStringList{"btn_loop_normal.png", "btn_noloop_normal.png"} << QStringList();
    QTest::newRow("previous clip") << "SlideShowTrayClass"_q << "toolButton_PrevClip"_q
                                   << QStringList{"btn_toolbarbacknormal.png", "btn_toolbarback_disable.png"}
                                   << QStringList{"btn_toolbarback_normal.png"};
    QTest::newRow("volume") << "SlideShowTrayClass"_q << "toolButton_Tune"_q
                            << QStringList{"btn_vol100_normal.png"} << QStringList();
    QTest::newRow("setting") << "SlideShowTrayClass"_q << "toolButton_Setting"_q
                             << QStringList{"btn_toolbarsetting_normal.png"} << QStringList();
}

void tst_PhotoForms::sheetsNameTheirImages()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    QWidget *widget = object.isEmpty() ? host.get() : child(host.get(), object);
    QVERIFY(widget);
    const QString sheet = widget->styleSheet();
    for (const QString &text : qAsConst(present))
        QVERIFY2(sheet.contains(text), qPrintable(text));
    for (const QString &text : qAsConst(absent))
        QVERIFY2(!sheet.contains(text), qPrintable(text));
}

void tst_PhotoForms::everyImageIsAResource_data()
{
    QTest::addColumn<QString>("form");
    for (const QString &form : photoForms())
        QTest::newRow(qPrintable(form)) << form;
}

void tst_PhotoForms::everyImageIsAResource()
{
    QFETCH(QString, form);

    // A sheet that named a file outside the host's resources would silently
    // lose its picture on the host.
    std::unique_ptr<QWidget> host(buildFormByName(form));
    static const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    QList<QWidget *> widgets = host->findChildren<QWidget *>();
    widgets.prepend(host.get());
    for (const QWidget *widget : qAsConst(widgets)) {
        auto matches = url.globalMatch(widget->styleSheet());
        while (matches.hasNext()) {
            const QString path = matches.next().captured(1);
            QVERIFY2(path.startsWith(ResourcePrefix) && path.endsWith(QLatin1String(".png")),
                     qPrintable(widget->objectName() + QLatin1String(": ") + path));
        }
    }
}

void tst_PhotoForms::sheetFontsReachTheWidgets_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    // The edit menu's buttons take their font from the form's own sheet.
    QTest::newRow("edit menu button") << "PhotoEditTrayClass"_q << "toolButton_Crop"_q << 14 << false;
    QTest::newRow("edit menu revert") << "PhotoEditTrayClass"_q << "toolButton_Revert"_q << 14 << false;
    QTest::newRow("crop title") << "PhotoCropTrayClass"_q << "toolButton"_q << 16 << true;
    QTest::newRow("straighten title") << "PhotoStraightenTrayClass"_q << "toolButton"_q << 16 << true;
    QTest::newRow("crop undo") << "PhotoCropTrayClass"_q << "toolButton_Undo"_q << 16 << false;
    QTest::newRow("straighten done") << "PhotoStraightenTrayClass"_q << "toolButton_Done"_q << 16 << false;
    QTest::newRow("straighten end label") << "PhotoStraightenTrayClass"_q << "label_2"_q << 13 << false;
    QTest::newRow("info title") << "PhotoInfoTrayClass"_q << "toolButton_Title"_q << 16 << false;
    QTest::newRow("info time") << "PhotoInfoTrayClass"_q << "label_TakenTime"_q << 16 << false;
}

void tst_PhotoForms::sheetFontsReachTheWidgets()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    const QFont font = builtFont(form, object);
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
}

void tst_PhotoForms::fixedSizeButtons_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QSize>("size");

    // The sharing buttons are one pixel taller than their neighbours.
    QTest::newRow("facebook") << "PhotoDetailClass"_q << "toolButton_Facebook"_q << QSize(43, 44);
    QTest::newRow("flickr") << "PhotoDetailClass"_q << "toolButton_Flickr"_q << QSize(43, 44);
    QTest::newRow("shutterfly") << "PhotoDetailClass"_q << "toolButton_Shutterfly"_q << QSize(43, 44);
    QTest::newRow("info") << "PhotoDetailClass"_q << "toolButton_Info"_q << QSize(43, 43);
    QTest::newRow("edit") << "PhotoDetailClass"_q << "toolButton_Edit"_q << QSize(43, 43);
    QTest::newRow("slide show") << "PhotoDetailClass"_q << "toolButton_Slideshow"_q << QSize(43, 43);
    QTest::newRow("previous photo") << "PhotoDetailClass"_q << "toolButton_PhotoPrevClip"_q << QSize(35, 35);
    QTest::newRow("detail divider") << "PhotoDetailClass"_q << "label_5"_q << QSize(2, 25);
    for (const char *name : {"toolButton_Play", "toolButton_Stop", "toolButton_PrevClip", "toolButton_NextClip",
                             "toolButton_FullScreen", "toolButton_Loop", "toolButton_Tune", "toolButton_Setting"})
        QTest::newRow(name) << "SlideShowTrayClass"_q << QString::fromLatin1(name) << QSize(35, 35);
    QTest::newRow("control bar divider") << "SlideShowTrayClass"_q << "label_3"_q << QSize(2, 25);
}

void tst_PhotoForms::fixedSizeButtons()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QSize, size);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    host->resize(1200, 700);
    showAndSettle(host.get());
    QWidget *widget = child(host.get(), object);
    QVERIFY(widget);
    QCOMPARE(widget->size(), size);
    QCOMPARE(widget->minimumSize(), size);
    QCOMPARE(widget->maximumSize(), size);
}

// ---------------------------------------------------------------------------
// Photo detail

void tst_PhotoForms::photoAreaTakesSpareHeight_data()
{
    QTest::addColumn<QSize>("offered");
    QTest::newRow("small") << QSize(662, 200);
    QTest::newRow("initial") << QSize(662, 539);
    QTest::newRow("tall") << QSize(1280, 1000);
}

void tst_PhotoForms::photoAreaTakesSpareHeight()
{
    QFETCH(QSize, offered);

    std::unique_ptr<QWidget> host(buildFormByName("PhotoDetailClass"_q));
    host->resize(offered);
    showAndSettle(host.get());
    auto *top = child<QFrame>(host.get(), "frame_Top"_q);
    auto *photo = child<QFrame>(host.get(), "frame_PhotoDetail"_q);
    auto *bottom = child<QFrame>(host.get(), "frame_Bottom"_q);
    auto *tray = child<QFrame>(host.get(), "frame_PhotoTray"_q);
    QVERIFY(top && photo && bottom && tray);

    // The strips keep their own heights; the photo gets whatever is left.
    QCOMPARE(top->height(), fixedHeightOf(top));
    QVERIFY(top->height() >= 18);
    QCOMPARE(bottom->height(), fixedHeightOf(bottom));
    QVERIFY(bottom->height() >= 55);
    QVERIFY(tray->height() >= 55);
    QCOMPARE(top->y(), 0);
    QCOMPARE(photo->y(), top->height());
    QCOMPARE(photo->height(), host->height() - top->height() - bottom->height());
    QCOMPARE(bottom->geometry().bottom(), host->height() - 1);
    QCOMPARE(photo->width(), host->width());
}

void tst_PhotoForms::browseButtonsAtTheEdges_data()
{
    photoAreaTakesSpareHeight_data();
}

void tst_PhotoForms::browseButtonsAtTheEdges()
{
    QFETCH(QSize, offered);

    std::unique_ptr<QWidget> host(buildFormByName("PhotoDetailClass"_q));
    host->resize(offered);
    showAndSettle(host.get());
    auto *photo = child<QFrame>(host.get(), "frame_PhotoDetail"_q);
    auto *prev = child<QToolButton>(host.get(), "toolButton_PhotoPrevClip"_q);
    auto *next = child<QToolButton>(host.get(), "toolButton_PhotoNextClip"_q);
    QVERIFY(photo && prev && next);
    QCOMPARE(prev->parentWidget(), photo);
    QCOMPARE(next->parentWidget(), photo);

    // The row takes the whole photo area, so the buttons sit at its side
    // edges, halfway down.
    const QRect p = rectIn(prev, photo);
    const QRect n = rectIn(next, photo);
    QCOMPARE(p.left(), 0);
    QCOMPARE(n.right(), photo->width() - 1);
    QVERIFY2(qAbs(p.center().y() - photo->height() / 2) <= 1, qPrintable(QString::number(p.y())));
    QVERIFY2(qAbs(n.center().y() - photo->height() / 2) <= 1, qPrintable(QString::number(n.y())));
}

// ---------------------------------------------------------------------------
// Edit trays

void tst_PhotoForms::editMenuColumn()
{
    std::unique_ptr<QWidget> host(buildFormByName("PhotoEditTrayClass"_q));
    host->resize(145, 276);
    showAndSettle(host.get());

    // Six buttons, top to bottom in this order, each 41 high and as wide as
    // the menu, 6 pixels apart; text beside the icon.
    const QStringList names{"toolButton_Rotate"_q, "toolButton_Crop"_q,    "toolButton_Straighten"_q,
                            "toolButton_RedEye"_q, "toolButton_AutoFix"_q, "toolButton_Revert"_q};
    int y = 0;
    for (const QString &name : names) {
        auto *button = child<QToolButton>(host.get(), name);
        QVERIFY(button);
        QCOMPARE(button->height(), 41);
        QCOMPARE(button->width(), host->width());
        QCOMPARE(button->y(), y);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
        y += 41 + 6;
    }
    // Revert never gets narrower than 100 pixels.
    QCOMPARE(child<QToolButton>(host.get(), "toolButton_Revert"_q)->minimumWidth(), 100);
}

void tst_PhotoForms::panelButtonsAtStart_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("enabled");

    for (const QString &form : {"PhotoCropTrayClass"_q, "PhotoStraightenTrayClass"_q}) {
        const QByteArray f = form.toLatin1();
        QTest::addRow("%s title", f.constData()) << form << "toolButton"_q << false;
        QTest::addRow("%s undo", f.constData()) << form << "toolButton_Undo"_q << true;
        QTest::addRow("%s redo", f.constData()) << form << "toolButton_Redo"_q << false;
        QTest::addRow("%s done", f.constData()) << form << "toolButton_Done"_q << true;
        QTest::addRow("%s cancel", f.constData()) << form << "toolButton_Cancel"_q << true;
    }
}

void tst_PhotoForms::panelButtonsAtStart()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(bool, enabled);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    showAndSettle(host.get());
    auto *button = child<QToolButton>(host.get(), object);
    QVERIFY(button);
    QCOMPARE(button->isEnabled(), enabled);
    if (object == QLatin1String("toolButton")) {
        // The title shows icon and text, and never reacts.
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QVERIFY(!button->text().isEmpty());
    }

    QSignalSpy clicked(button, &QToolButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), enabled ? 1 : 0);
}

void tst_PhotoForms::panelGridRows_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    // The crop panel leaves grid row 0 empty; the straighten panel does not.
    QTest::newRow("crop undo") << "PhotoCropTrayClass"_q << "toolButton_Undo"_q << 1 << 0;
    QTest::newRow("crop redo") << "PhotoCropTrayClass"_q << "toolButton_Redo"_q << 1 << 1;
    QTest::newRow("crop done") << "PhotoCropTrayClass"_q << "toolButton_Done"_q << 2 << 0;
    QTest::newRow("crop cancel") << "PhotoCropTrayClass"_q << "toolButton_Cancel"_q << 2 << 1;
    QTest::newRow("straighten undo") << "PhotoStraightenTrayClass"_q << "toolButton_Undo"_q << 0 << 0;
    QTest::newRow("straighten redo") << "PhotoStraightenTrayClass"_q << "toolButton_Redo"_q << 0 << 1;
    QTest::newRow("straighten done") << "PhotoStraightenTrayClass"_q << "toolButton_Done"_q << 1 << 0;
    QTest::newRow("straighten cancel") << "PhotoStraightenTrayClass"_q << "toolButton_Cancel"_q << 1 << 1;
}

void tst_PhotoForms::panelGridRows()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(int, row);
    QFETCH(int, column);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    auto *grid = child<QGridLayout>(host.get(), "gridLayout"_q);
    auto *button = child<QToolButton>(host.get(), object);
    QVERIFY(grid && button);
    const int index = grid->indexOf(button);
    QVERIFY(index >= 0);
    int r = -1, c = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &r, &c, &rowSpan, &columnSpan);
    QCOMPARE(r, row);
    QCOMPARE(c, column);
    QCOMPARE(rowSpan, 1);
    QCOMPARE(columnSpan, 1);
    QCOMPARE(grid->count(), 4);
    QCOMPARE(grid->horizontalSpacing(), 8);
    QCOMPARE(grid->verticalSpacing(), 20);
}

void tst_PhotoForms::straightenSlider()
{
    BuiltForm<IPhotoStraightenTrayClass> tray(testFactory()->createPhotoStraightenTray());
    QSlider *slider = tray->horizontalSlider_Straighten();
    QCOMPARE(slider->minimum(), -100);
    QCOMPARE(slider->maximum(), 100);
    QCOMPARE(slider->value(), 0);
    QCOMPARE(slider->pageStep(), 0);
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->focusPolicy(), Qt::StrongFocus);

    // With tracking on, the host hears about every move of the handle, not
    // only about its release.
    QSignalSpy changed(slider, &QSlider::valueChanged);
    slider->setSliderDown(true);
    slider->setSliderPosition(30);
    slider->setSliderPosition(-45);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toInt(), -45);
    slider->setSliderDown(false);
    QCOMPARE(changed.count(), 2);
}

void tst_PhotoForms::straightenSliderIgnoresGroove_data()
{
    QTest::addColumn<double>("where"); // fraction of the slider's width
    QTest::newRow("near the left end") << 0.05;
    QTest::newRow("near the right end") << 0.95;
}

void tst_PhotoForms::straightenSliderIgnoresGroove()
{
    QFETCH(double, where);

    BuiltForm<IPhotoStraightenTrayClass> tray(testFactory()->createPhotoStraightenTray());
    tray.host()->resize(254, 236);
    showAndSettle(tray.host());
    QSlider *slider = tray->horizontalSlider_Straighten();
    QVERIFY(slider->width() > 100);

    // A page step of 0: clicking the groove beside the handle moves nothing.
    QSignalSpy changed(slider, &QSlider::valueChanged);
    const QPoint point(int(slider->width() * where), slider->height() / 2);
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, point);
    QTest::qWait(50);
    QCOMPARE(slider->value(), 0);
    QCOMPARE(changed.count(), 0);
}

namespace {
QStringList parseWarnings;
void collectParseWarnings(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("Could not parse")))
        parseWarnings << message;
}
} // namespace

void tst_PhotoForms::straightenSheetParses()
{
    // The slider sheet ends with a sub-page rule whose body is a bare word;
    // Qt skips that declaration and keeps the rest of the sheet.
    BuiltForm<IPhotoStraightenTrayClass> tray(testFactory()->createPhotoStraightenTray());
    QSlider *slider = tray->horizontalSlider_Straighten();
    QVERIFY(slider->styleSheet().contains("QSlider::sub-page:horizontal"_q));
    parseWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectParseWarnings);
    tray.host()->resize(254, 236);
    tray.host()->show();
    settle();
    slider->grab();
    slider->setEnabled(false);
    slider->grab();
    tray.host()->hide();
    qInstallMessageHandler(previous);
    QCOMPARE(parseWarnings, QStringList());
}

void tst_PhotoForms::infoTitleButton()
{
    BuiltForm<IPhotoInfoTrayClass> info(testFactory()->createPhotoInfoTray());
    QToolButton *title = info->toolButton_Title();
    QCOMPARE(title->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(title->focusPolicy(), Qt::NoFocus);
    QCOMPARE(title->toolButtonStyle(), Qt::ToolButtonTextOnly);

    // Tab never lands on the title, even when it is the only button.
    auto *other = new QToolButton(info.host());
    other->setFocusPolicy(Qt::StrongFocus);
    info.host()->layout()->addWidget(other);
    showAndSettle(info.host());
    other->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!title->hasFocus());
    }

    // The host fills the text; the flat button shows it left-aligned with
    // the row's spacer taking the rest.
    const QString text = "Ferie på Bornholm"_q;
    title->setText(text);
    settle();
    QCOMPARE(title->x(), 0);
    title->ensurePolished();
    QVERIFY(title->sizeHint().width() >= QFontMetrics(title->font()).horizontalAdvance(text) - 10);
}

void tst_PhotoForms::takenTimeCannotBeSelected()
{
    BuiltForm<IPhotoInfoTrayClass> info(testFactory()->createPhotoInfoTray());
    QLabel *time = info->label_TakenTime();
    QCOMPARE(time->textInteractionFlags(), Qt::NoTextInteraction);

    time->setText("12. marts 2011 14:05"_q);
    info.host()->resize(300, 51);
    showAndSettle(info.host());
    QTest::mouseDClick(time, Qt::LeftButton, Qt::NoModifier, QPoint(5, time->height() / 2));
    QVERIFY(!time->hasSelectedText());
    QVERIFY(!time->hasFocus());
}

// ---------------------------------------------------------------------------
// Slide show

void tst_PhotoForms::slideShowSurface()
{
    BuiltForm<ISlideShowClass> show(testFactory()->createSlideShow());
    QFrame *frame = show->frame_SlideShowDetail();
    // Pointer moves reach the surface without a pressed button, so the host
    // can bring up its controls.
    QVERIFY(frame->hasMouseTracking());
    QCOMPARE(frame->frameShape(), QFrame::NoFrame);

    // The slide view the host adds fills the surface at the top and sides;
    // only the bottom keeps the style's margin.
    QVBoxLayout *layout = show->verticalLayout();
    QCOMPARE(layout->count(), 0);
    QCOMPARE(layout->spacing(), 0);
    const QMargins margins = layout->contentsMargins();
    QCOMPARE(margins.left(), 0);
    QCOMPARE(margins.top(), 0);
    QCOMPARE(margins.right(), 0);
    QCOMPARE(margins.bottom(), frame->style()->pixelMetric(QStyle::PM_LayoutBottomMargin, nullptr, frame));

    auto *view = new QWidget(frame);
    layout->addWidget(view);
    show.host()->resize(375, 200);
    showAndSettle(show.host());
    QCOMPARE(frame->geometry(), show.host()->rect());
    QCOMPARE(view->geometry(), frame->contentsRect().adjusted(0, 0, 0, -margins.bottom()));
}

void tst_PhotoForms::controlBarKeepsItsHeight_data()
{
    QTest::addColumn<QSize>("offered");
    QTest::newRow("initial") << QSize(378, 54);
    QTest::newRow("tall") << QSize(378, 300);
    QTest::newRow("wide") << QSize(1280, 120);
}

void tst_PhotoForms::controlBarKeepsItsHeight()
{
    QFETCH(QSize, offered);

    // The host puts the bar into a layout of its own, next to a stretching
    // neighbour, and offers whatever room its window has.
    QWidget window;
    auto *outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new QWidget(&window), 1);
    QWidget *host = buildFormByName("SlideShowTrayClass"_q, &window);
    outer->addWidget(host);
    window.resize(offered);
    showAndSettle(&window);

    auto *bar = child<QFrame>(host, "frame_ControlBar"_q);
    QVERIFY(bar);
    QCOMPARE(bar->height(), 54);
    QVERIFY(bar->hasMouseTracking());
    QCOMPARE(bar->width(), host->width());

    // Five pixels above and below the button row, none at its sides.
    auto *row = child<QHBoxLayout>(host, "horizontalLayout_2"_q);
    QVERIFY(row);
    QCOMPARE(row->contentsMargins(), QMargins(0, 5, 0, 5));
    QCOMPARE(row->spacing(), 6);

    // The buttons stay in their order, left to right.
    int x = -1;
    for (const char *name : {"toolButton_Play", "toolButton_Stop", "label", "toolButton_PrevClip",
                             "toolButton_NextClip", "label_2", "toolButton_FullScreen", "toolButton_Loop",
                             "toolButton_Tune", "label_3", "toolButton_Setting"}) {
        QWidget *widget = child(host, QString::fromLatin1(name));
        QVERIFY(widget);
        QVERIFY2(widget->x() > x, name);
        x = widget->x();
    }
}

void tst_PhotoForms::toggleButtons_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked"); // after setupUi

    QTest::newRow("play shows the play face") << "toolButton_Play"_q << true << false;
    QTest::newRow("full screen shows enter") << "toolButton_FullScreen"_q << true << false;
    QTest::newRow("loop is on") << "toolButton_Loop"_q << true << true;
    QTest::newRow("volume is a plain button") << "toolButton_Tune"_q << false << false;
    QTest::newRow("stop is a plain button") << "toolButton_Stop"_q << false << false;
}

void tst_PhotoForms::toggleButtons()
{
    QFETCH(QString, object);
    QFETCH(bool, checkable);
    QFETCH(bool, checked);

    std::unique_ptr<QWidget> host(buildFormByName("SlideShowTrayClass"_q));
    showAndSettle(host.get());
    auto *button = child<QToolButton>(host.get(), object);
    QVERIFY(button);
    QCOMPARE(button->isCheckable(), checkable);
    QCOMPARE(button->isChecked(), checked);
    QVERIFY(button->text().isEmpty());

    // A click flips the face with no code in the form; the buttons do not
    // exclude one another.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->isChecked(), checkable ? !checked : false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->isChecked(), checked);
    QCOMPARE(child<QToolButton>(host.get(), "toolButton_Loop"_q)->isChecked(),
             object == QLatin1String("toolButton_Loop") ? checked : true);
}

// Not covered: the pictures themselves (the host's resources), hover and
// pressed faces, which need the images to tell apart.

QTEST_MAIN(tst_PhotoForms)
#include "tst_photoforms.moc"
