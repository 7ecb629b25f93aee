// The video forms: the detail view, the trim strip and trimmer, the
// full-screen tool bar, the time bubble and the volume pop-up, as the host
// lays them out and drives them.

#include "builtform.h"
#include "qnopageslider.h"
#include "warningguard.h"

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QStyleOptionSlider>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

// Where the style puts the slider's handle for its current position.
QRect handleRect(QSlider *slider)
{
    QStyleOptionSlider opt;
    opt.initFrom(slider);
    opt.orientation = slider->orientation();
    opt.minimum = slider->minimum();
    opt.maximum = slider->maximum();
    opt.sliderPosition = slider->sliderPosition();
    opt.sliderValue = slider->value();
    opt.singleStep = slider->singleStep();
    opt.pageStep = slider->pageStep();
    opt.upsideDown = slider->orientation() == Qt::Horizontal
        ? slider->invertedAppearance() != (slider->layoutDirection() == Qt::RightToLeft)
        : !slider->invertedAppearance();
    opt.direction = Qt::LeftToRight; // QSlider mirrors by itself through upsideDown
    if (slider->orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
}

} // namespace

class tst_VideoForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_guard = std::make_unique<WarningGuard>(); }
    void cleanup();
    void cleanupTestCase() { m_guard.reset(); }

    void danishTexts_data();
    void danishTexts();
    void sheetFontsReachTheWidgets_data();
    void sheetFontsReachTheWidgets();
    void sliderClickJumps_data();
    void sliderClickJumps();
    void toggleButtons_data();
    void toggleButtons();

    void detailAreasShareTheRoom_data();
    void detailAreasShareTheRoom();
    void trimStripLabels();
    void barsKeepTheirHeight_data();
    void barsKeepTheirHeight();
    void trimmerMarkers();
    void toolBarTracksTheMouse();
    void popups();

private:
    std::unique_ptr<WarningGuard> m_guard;
};

void tst_VideoForms::cleanup()
{
    // No form may make Qt complain, in any state a test put it in.
    m_guard->verifyNone();
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void tst_VideoForms::danishTexts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    const QByteArray tip("toolTip");
    const QByteArray text("text");
    QTest::newRow("detail rotate") << "VideoDetailClass"_q << "toolButton_Rotate"_q << text << "Rotér"_q;
    QTest::newRow("detail done") << "VideoDetailClass"_q << "toolButton_Done"_q << text << "Færdig"_q;
    QTest::newRow("detail full screen") << "VideoDetailClass"_q << "toolButton_FullScreen"_q << tip
                                        << "Fuld skærm"_q;
    QTest::newRow("playback row time") << "VideoDetailClass"_q << "label_Time_2"_q << text << "00:00:00"_q;
    QTest::newRow("control bar time") << "VideoDetailClass"_q << "label_Time"_q << text << "00:00"_q;
    QTest::newRow("trim set last") << "VideoTrimSetClass"_q << "label_20"_q << text << "20"_q;
    QTest::newRow("tool bar volume") << "VideoToolBarClass"_q << "toolButton_Volume"_q << tip
                                     << "Juster lydstyrke"_q;
    QTest::newRow("time bubble") << "VideoTimeClass"_q << "label"_q << text << "00:00"_q;
    QTest::newRow("mute") << "VolumeScalerUi"_q << "toolButton_Mute"_q << tip << "Lyd til/Lyd fra"_q;
}

void tst_VideoForms::danishTexts()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);

    QCOMPARE(builtProperty(form, object, property.constData()).toString(), text);
}

void tst_VideoForms::sheetFontsReachTheWidgets_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("pixelSize");

    // Rotate and Trim take the 14 px plate from their frame; the trim tools 16 px.
    QTest::newRow("rotate") << "VideoDetailClass"_q << "toolButton_Rotate"_q << 14;
    QTest::newRow("undo") << "VideoDetailClass"_q << "toolButton_Undo"_q << 16;
    QTest::newRow("done") << "VideoDetailClass"_q << "toolButton_Done"_q << 16;
    QTest::newRow("tool bar time") << "VideoToolBarClass"_q << "label_Time"_q << 13;
}

void tst_VideoForms::sheetFontsReachTheWidgets()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(int, pixelSize);

    const QFont font = builtFont(form, object);
    QCOMPARE(font.pixelSize(), pixelSize);
    QVERIFY(!font.bold());
}

void tst_VideoForms::sliderClickJumps_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QSize>("hostSize");
    QTest::addColumn<double>("where"); // along the slider, from its left or top end

    QTest::newRow("playback row") << "VideoDetailClass"_q << "horizontalSlider_2"_q << QSize(1000, 600) << 0.8;
    QTest::newRow("control bar") << "VideoDetailClass"_q << "horizontalSlider"_q << QSize(1000, 600) << 0.8;
    QTest::newRow("tool bar") << "VideoToolBarClass"_q << "horizontalSlider"_q << QSize(534, 54) << 0.8;
    QTest::newRow("tool bar, back") << "VideoToolBarClass"_q << "horizontalSlider"_q << QSize(534, 54) << 0.15;
    QTest::newRow("volume") << "VolumeScalerUi"_q << "verticalSlider_Volume"_q << QSize(80, 210) << 0.25;
}

void tst_VideoForms::sliderClickJumps()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QSize, hostSize);
    QFETCH(double, where);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    host->resize(hostSize);
    showAndSettle(host.get());
    auto *slider = child<QNoPageSlider>(host.get(), object);
    QVERIFY(slider);
    const bool horizontal = slider->orientation() == Qt::Horizontal;
    const int length = horizontal ? slider->width() : slider->height();
    QVERIFY2(length > 60, qPrintable(QString::number(length)));
    slider->setRange(0, horizontal ? 1000 : slider->maximum());
    const int start = slider->value();
    // The host's range is long, its page short: a pager would crawl.
    slider->setPageStep(1);

    QStringList log;
    connect(slider, &QSlider::sliderPressed, this, [&log] { log << "pressed"_q; });
    connect(slider, &QSlider::valueChanged, this,
            [&log, slider] { log << (slider->isSliderDown() ? "held"_q : "free"_q); });
    const int along = int(length * where);
    const QPoint click = horizontal ? QPoint(along, slider->height() / 2) : QPoint(slider->width() / 2, along);
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, click);

    // The handle lands under the pointer in one step, and the host hears it
    // as a seek: pressed first, the value change while held.
    QVERIFY(slider->isSliderDown());
    QVERIFY(qAbs(slider->value() - start) > (slider->maximum() - slider->minimum()) / 10);
    const QRect handle = handleRect(slider);
    QVERIFY2(horizontal ? qAbs(handle.center().x() - click.x()) <= 1 : qAbs(handle.center().y() - click.y()) <= 1,
             qPrintable(QStringLiteral("handle centre %1,%2").arg(handle.center().x()).arg(handle.center().y())));
    QCOMPARE(log, (QStringList{"pressed"_q, "held"_q}));
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, click);
    QVERIFY(!slider->isSliderDown());
    QCOMPARE(log.size(), 2);
}

void tst_VideoForms::toggleButtons_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("checkable");

    QTest::newRow("detail play") << "VideoDetailClass"_q << "toolButton_Play"_q << true;
    QTest::newRow("trim play") << "VideoDetailClass"_q << "toolButton_TrimPlay"_q << true;
    QTest::newRow("detail volume") << "VideoDetailClass"_q << "toolButton_Volume"_q << false;
    QTest::newRow("tool bar play") << "VideoToolBarClass"_q << "toolButton_Play"_q << true;
    QTest::newRow("mute") << "VolumeScalerUi"_q << "toolButton_Mute"_q << true;
}

void tst_VideoForms::toggleButtons()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(bool, checkable);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    host->resize(host->size().expandedTo(QSize(1000, 0)));
    showAndSettle(host.get());
    auto *button = child<QToolButton>(host.get(), object);
    QVERIFY(button);
    QCOMPARE(button->isCheckable(), checkable);
    QVERIFY(!button->isChecked());
    QVERIFY(button->text().isEmpty());

    // A click flips the face (play or pause, sound or mute) with no code in
    // the form; the faces paint quietly in every state.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->isChecked(), checkable);
    button->grab();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isChecked());
}

void tst_VideoForms::detailAreasShareTheRoom_data()
{
    QTest::addColumn<QSize>("offered");
    QTest::newRow("initial") << QSize(803, 533);
    QTest::newRow("wide") << QSize(1280, 800);
    QTest::newRow("tall") << QSize(1000, 1000);
}

void tst_VideoForms::detailAreasShareTheRoom()
{
    QFETCH(QSize, offered);

    std::unique_ptr<QWidget> host(buildFormByName("VideoDetailClass"_q));
    host->resize(offered);
    showAndSettle(host.get());
    QWidget *w = host.get();
    auto *prev = child<QFrame>(w, "frame_prev"_q);
    auto *center = child<QFrame>(w, "frame_center"_q);
    auto *right = child<QFrame>(w, "frame_right"_q);
    auto *next = child<QFrame>(w, "frame_next"_q);
    auto *video = child<QLabel>(w, "label_2"_q);
    auto *top = child<QFrame>(w, "frame_10"_q);
    auto *rows = child<QFrame>(w, "frame_14"_q);
    auto *below = child<QFrame>(w, "frame_belowTray"_q);
    QVERIFY(prev && center && right && next && video && top && rows && below);

    // Browse columns at the edges; the centre takes all free width.
    QCOMPARE(prev->width(), 35);
    QCOMPARE(next->width(), 35);
    QCOMPARE(prev->x(), 0);
    QCOMPARE(next->geometry().right(), w->width() - 1);
    QCOMPARE(center->x(), 35);
    QCOMPARE(right->x(), center->geometry().right() + 1);
    QCOMPARE(center->width(), w->width() - 70 - right->width());

    // Below: trim strip and control bar, 55 each, at the bottom.
    QCOMPARE(below->height(), 110);
    QCOMPARE(below->geometry().bottom(), w->height() - 1);
    QCOMPARE(below->width(), w->width());

    // The video label takes the free height, above the two 50-pixel rows.
    QCOMPARE(rows->height(), 100);
    QCOMPARE(rows->geometry().bottom(), center->height() - 1);
    QCOMPARE(video->y(), top->height());
    QCOMPARE(video->height(), center->height() - top->height() - rows->height());

    // The edit panel sits in the middle of its column.
    auto *edit = child<QFrame>(w, "frame_EditBtns"_q);
    QVERIFY(qAbs(edit->y() - (right->height() - edit->geometry().bottom() - 1)) <= 1);
}

void tst_VideoForms::trimStripLabels()
{
    std::unique_ptr<QWidget> host(buildFormByName("VideoDetailClass"_q));
    host->resize(1000, 600);
    showAndSettle(host.get());
    auto *tray = child<QFrame>(host.get(), "frame_trimTray"_q);
    QVERIFY(tray);
    QCOMPARE(tray->height(), 55);

    // Twenty equal thumbnails, left to right across the tray's contents,
    // five pixels off its top and bottom; the host's pictures fill them.
    const QRect area = tray->contentsRect();
    int x = area.left();
    for (int i = 0; i < 20; ++i) {
        auto *label = child<QLabel>(tray, QStringLiteral("label_Trim%1").arg(i));
        QVERIFY(label);
        QCOMPARE(label->x(), x);
        QVERIFY(qAbs(label->width() - area.width() / 20) <= 1);
        QCOMPARE(label->y(), area.top() + 5);
        QCOMPARE(label->height(), area.height() - 10);
        QVERIFY(label->hasScaledContents());
        QCOMPARE(label->margin(), 1);
        x = label->geometry().right() + 1;
    }
    QCOMPARE(x, area.right() + 1);
}

void tst_VideoForms::barsKeepTheirHeight_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("offered");

    for (const auto &form : {std::make_pair("VideoTrimSetClass"_q, 54), std::make_pair("TrimmerClass"_q, 52),
                             std::make_pair("VideoToolBarClass"_q, 54)}) {
        QTest::addRow("%s initial", qPrintable(form.first)) << form.first << form.second << QSize(700, 54);
        QTest::addRow("%s tall", qPrintable(form.first)) << form.first << form.second << QSize(1280, 400);
    }
}

void tst_VideoForms::barsKeepTheirHeight()
{
    QFETCH(QString, form);
    QFETCH(int, height);
    QFETCH(QSize, offered);

    // The host stacks the bar under a stretching neighbour.
    QWidget window;
    auto *outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new QWidget(&window), 1);
    QWidget *host = buildFormByName(form, &window);
    outer->addWidget(host);
    window.resize(offered);
    showAndSettle(&window);

    QCOMPARE(host->height(), height);
    QCOMPARE(host->width(), window.width());
    QCOMPARE(host->geometry().bottom(), window.height() - 1);
    if (auto *bar = host->findChild<QFrame *>("frame_ControlBar"_q)) {
        QCOMPARE(bar->geometry(), host->rect());
    }
}

void tst_VideoForms::trimmerMarkers()
{
    BuiltForm<ITrimmerClass> trimmer(testFactory()->createTrimmer());
    QVERIFY(!trimmer.host()->layout());
    trimmer.host()->resize(800, 52);
    showAndSettle(trimmer.host());

    // Where the host expects them, right-to-left direction or not; the host
    // moves them itself.
    QCOMPARE(trimmer->frame_head()->geometry(), QRect(70, 0, 12, 52));
    QCOMPARE(trimmer->butn_seek()->geometry(), QRect(80, 0, 12, 52));
    QCOMPARE(trimmer->frame_tail()->geometry(), QRect(410, 0, 13, 52));
    QCOMPARE(trimmer->frame_head()->cursor().shape(), Qt::SizeHorCursor);
    QCOMPARE(trimmer->frame_tail()->cursor().shape(), Qt::SizeHorCursor);
    QCOMPARE(trimmer->butn_seek()->cursor().shape(), Qt::OpenHandCursor);
    trimmer->butn_seek()->setDown(true);
    trimmer->butn_seek()->grab();
}

void tst_VideoForms::toolBarTracksTheMouse()
{
    BuiltForm<IVideoToolBarClass> bar(testFactory()->createVideoToolBar());
    showAndSettle(bar.host());

    // Pointer moves anywhere on the bar reach the host, which keeps the bar up.
    for (QWidget *widget : {static_cast<QWidget *>(bar->frame_ControlBar()), static_cast<QWidget *>(bar->frame_4()),
                            static_cast<QWidget *>(bar->horizontalSlider()), static_cast<QWidget *>(bar->label_Time())})
        QVERIFY2(widget->hasMouseTracking(), qPrintable(widget->objectName()));
    QCOMPARE(bar.host()->focusPolicy(), Qt::NoFocus);
    QCOMPARE(bar->frame_ControlBar()->focusPolicy(), Qt::NoFocus);
    QCOMPARE(bar->horizontalSlider()->size(), QSize(282, 24));
}

void tst_VideoForms::popups()
{
    // The time bubble keeps the host's longer time centred.
    BuiltForm<IVideoTimeClass> bubble(testFactory()->createVideoTime());
    showAndSettle(bubble.host());
    QCOMPARE(bubble->frame()->size(), QSize(73, 44));
    QLabel *label = bubble->label();
    label->setText("01:02:03"_q);
    settle();
    QVERIFY(qAbs(label->x() - (bubble->frame()->width() - label->geometry().right() - 1)) <= 1);

    // The volume runs from 0 to 99, one step a key; its slider stands above
    // the mute button on the 57-pixel plate.
    BuiltForm<IVolumeScalerUi> volume(testFactory()->createVolumeScalerUi());
    showAndSettle(volume.host());
    QNoPageSlider *slider = volume->verticalSlider_Volume();
    QToolButton *mute = volume->toolButton_Mute();
    QCOMPARE(slider->maximum(), 99);
    QCOMPARE(slider->value(), 0);
    QTest::keyClick(slider, Qt::Key_Up);
    QCOMPARE(slider->value(), 1);
    QCOMPARE(volume->frame1()->size(), QSize(57, 210));
    QCOMPARE(slider->geometry().topLeft().x(), 11);
    QCOMPARE(mute->x(), 11);
    QVERIFY(slider->y() >= 10);
    QVERIFY(mute->y() > slider->geometry().bottom());
    QVERIFY(mute->geometry().bottom() < volume->frame1()->height());
}

// Not covered: the pictures themselves (the host's resources), hover and
// pressed faces, which need the images to tell apart.

QTEST_MAIN(tst_VideoForms)
#include "tst_videoforms.moc"
