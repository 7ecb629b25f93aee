// The social video view, the comment and download dialogs and the two web
// browse windows, as the host lays them out and drives them.

#include "builtform.h"

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QToolButton>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

// The widget's rectangle in the coordinates of `ancestor`.
QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

} // namespace

class tst_SocialDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    // All forms.
    void danishTexts_data();
    void danishTexts();
    void tabOrder_data();
    void tabOrder();

    // Social video view.
    void videoAreaTakesSpareRoom();
    void trayButtons_data();
    void trayButtons();
    void trayTextsElide_data();
    void trayTextsElide();
    void positionSlider();

    // Dialogs.
    void commentDialogLayout();
    void downloadDialogAtStart();

    // Web browse windows.
    void webBrowseFillsWindow_data();
    void webBrowseFillsWindow();
};

void tst_SocialDialogs::cleanup()
{
    // Nothing a test shows may outlive it.
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

// ---------------------------------------------------------------------------
// All forms

void tst_SocialDialogs::danishTexts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    const QByteArray tip("toolTip");
    const QByteArray text("text");
    QTest::newRow("video time") << "SocialVideoClass"_q << "label_Time"_q << text << "00:00"_q;
    QTest::newRow("video full screen") << "SocialVideoClass"_q << "btn_fullscreen"_q << tip << "Fuld skærm"_q;
    QTest::newRow("video comment") << "SocialVideoClass"_q << "btn_AddComment"_q << tip << "Tilføj kommentar"_q;
    QTest::newRow("video like") << "SocialVideoClass"_q << "btn_like"_q << tip << "Lide/Ikke lide"_q;
    QTest::newRow("video buttons carry no text") << "SocialVideoClass"_q << "btn_Info"_q << text << QString();
    QTest::newRow("comment title") << "AddCommentDlgClass"_q << "label_9"_q << text << "Tilføj en kommentar"_q;
    QTest::newRow("comment close") << "AddCommentDlgClass"_q << "toolButton_Close"_q << tip << "Luk"_q;
    QTest::newRow("comment save") << "AddCommentDlgClass"_q << "toolButton_OK"_q << text << "Gem"_q;
    QTest::newRow("comment cancel") << "AddCommentDlgClass"_q << "toolButton_Cancel"_q << text << "Annuller"_q;
    QTest::newRow("download cancel") << "downloadDialogClass"_q << "toolButton_3"_q << text << "Annuller"_q;
    QTest::newRow("download heading left to the host") << "downloadDialogClass"_q << "label_title_2"_q << text
                                                        << QString();
}

void tst_SocialDialogs::danishTexts()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);

    QCOMPARE(builtProperty(form, object, property.constData()).toString(), text);
}

void tst_SocialDialogs::tabOrder_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("chain");

    QTest::newRow("video: previous, then next")
        << "SocialVideoClass"_q << QStringList{"toolButton_PhotoPrevClip"_q, "toolButton_PhotoNextClip"_q};
    // Tab leaves the text field rather than going into the comment.
    QTest::newRow("comment: text, save, cancel, close")
        << "AddCommentDlgClass"_q
        << QStringList{"edit_comment"_q, "toolButton_OK"_q, "toolButton_Cancel"_q, "toolButton_Close"_q};
}

void tst_SocialDialogs::tabOrder()
{
    QFETCH(QString, form);
    QFETCH(QStringList, chain);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    showAndSettle(host.get());
    QApplication::setActiveWindow(host.get());
    QWidget *first = child(host.get(), chain.first());
    QVERIFY(first);
    first->setFocus(Qt::OtherFocusReason);
    QVERIFY(first->hasFocus());
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i));
    }
    if (auto *edit = qobject_cast<QTextEdit *>(first))
        QVERIFY(edit->toPlainText().isEmpty());
}

// ---------------------------------------------------------------------------
// Social video view

void tst_SocialDialogs::videoAreaTakesSpareRoom()
{
    BuiltForm<ISocialVideoClass> video(testFactory()->createSocialVideo());
    QWidget *host = video.host();
    for (const QSize &offered : {QSize(697, 588), QSize(1280, 800)}) {
        host->resize(offered);
        showAndSettle(host);

        // The tray keeps its 54 pixels at the bottom, across the whole width.
        QFrame *tray = video->frame_tray();
        QCOMPARE(rectIn(tray, host), QRect(0, offered.height() - 54, offered.width(), 54));

        // The browse buttons sit in 35-pixel columns at the edges, halfway
        // down.
        QFrame *upper = video->frame_11();
        QCOMPARE(upper->height(), offered.height() - 54);
        const QRect prev = rectIn(video->toolButton_PhotoPrevClip(), upper);
        const QRect next = rectIn(video->toolButton_PhotoNextClip(), upper);
        QCOMPARE(prev, QRect(0, (upper->height() - 35) / 2, 35, 35));
        QCOMPARE(next, QRect(upper->width() - 35, prev.y(), 35, 35));

        // The centre takes the width between them, and the empty label in it
        // all the height that the top frame, the host's panel and the bottom
        // frame leave.
        QFrame *centre = video->frame_center();
        QCOMPARE(centre->x(), 35);
        QCOMPARE(video->frame_right()->x(), centre->geometry().right() + 1);
        QCOMPARE(video->frame_next()->x(), upper->width() - 35);
        QCOMPARE(centre->height(), upper->height());
        QLabel *spare = video->label_2();
        for (QFrame *fixed : {video->frame_10(), video->frame(), video->frame_14()})
            QCOMPARE(fixed->height(), fixed->sizeHint().height());
        QCOMPARE(spare->height(), centre->height() - video->frame_10()->height() - video->frame()->height()
                                      - video->frame_14()->height());
        QVERIFY(spare->height() > centre->height() / 2);
    }
}

void tst_SocialDialogs::trayButtons_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("checkable");

    QTest::newRow("play and pause") << "btn_play"_q << true;
    QTest::newRow("volume") << "btn_vol"_q << false;
    QTest::newRow("full screen") << "btn_fullscreen"_q << false;
    QTest::newRow("information") << "btn_Info"_q << false;
    QTest::newRow("add comment") << "btn_AddComment"_q << false;
    QTest::newRow("like and unlike") << "btn_like"_q << true;
}

void tst_SocialDialogs::trayButtons()
{
    QFETCH(QString, object);
    QFETCH(bool, checkable);

    BuiltForm<ISocialVideoClass> video(testFactory()->createSocialVideo());
    showAndSettle(video.host());
    auto *button = child<QToolButton>(video.host(), object);
    QVERIFY(button);

    // 43 wide, inside the tray, taking focus from Tab and clicks.
    QCOMPARE(button->width(), 43);
    const QRect inTray = rectIn(button, video->frame_tray());
    QVERIFY(video->frame_tray()->rect().contains(inTray));
    QCOMPARE(button->focusPolicy(), Qt::StrongFocus);

    // The toggles start on their play and like faces; checking one shows the
    // pause or unlike face and leaves the other toggle alone.
    QCOMPARE(button->isCheckable(), checkable);
    QVERIFY(!button->isChecked());
    const QIcon icon = button->icon();
    const QImage off = icon.pixmap(button->iconSize(), QIcon::Normal, QIcon::Off).toImage();
    const QImage on = icon.pixmap(button->iconSize(), QIcon::Normal, QIcon::On).toImage();
    QVERIFY(!off.isNull());
    QCOMPARE(on != off, checkable);
    QToolButton *other = object == QLatin1String("btn_like") ? video->btn_play() : video->btn_like();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->isChecked(), checkable);
    QTest::mouseClick(other, Qt::LeftButton);
    QCOMPARE(button->isChecked(), checkable);
    QVERIFY(other->isChecked());
}

void tst_SocialDialogs::trayTextsElide_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("friend's name") << "label_friendName"_q << 14 << true;
    QTest::newRow("caption") << "label_caption"_q << 12 << false;
    QTest::newRow("album name") << "label_albumName"_q << 12 << false;
}

void tst_SocialDialogs::trayTextsElide()
{
    QFETCH(QString, object);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    BuiltForm<ISocialVideoClass> video(testFactory()->createSocialVideo());
    auto *label = child<qelidedlabel>(video.host(), object);
    QVERIFY(label);
    QVERIFY(label->text().isEmpty());

    // The panel's sheet gives each line its own font.
    label->ensurePolished();
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);

    // A text longer than the tray is shortened in place; the tray keeps its
    // height and the host reads back the full text. (At the initial width the
    // buttons fill the tray and the texts get no room at all; the host shows
    // the view larger.)
    const QString longText = QString("Sommerferie ved Vesterhavet med hele familien og hunden "_q).repeated(4);
    label->setText(longText);
    video.host()->resize(1280, 800);
    showAndSettle(video.host());
    QVERIFY(label->width() > 100);
    QCOMPARE(label->text(), longText);
    const QString shown = static_cast<QLabel *>(label)->text();
    QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
    QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->width());
    QCOMPARE(video->frame_tray()->height(), 54);
    QVERIFY(rectIn(label, video->frame_tray()).right() < video->frame_7()->x());
}

void tst_SocialDialogs::positionSlider()
{
    BuiltForm<ISocialVideoClass> video(testFactory()->createSocialVideo());
    QNoPageSlider *slider = video->horizontalSlider();
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 99);
    QCOMPARE(slider->value(), 20);
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->focusPolicy(), Qt::NoFocus);

    showAndSettle(video.host());
    QCOMPARE(slider->height(), 24);
    QVERIFY(slider->width() >= 172 && slider->width() <= 552);
    QCOMPARE(video->label_Time()->x(), slider->geometry().right() + 1);

    // A click on the groove far right of the handle jumps there at once,
    // instead of paging towards it.
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->width() * 9 / 10, 12));
    QVERIFY2(slider->value() > 20 + 2 * slider->pageStep(), qPrintable(QString::number(slider->value())));
    QVERIFY(!slider->hasFocus());
}

// ---------------------------------------------------------------------------
// Dialogs

void tst_SocialDialogs::commentDialogLayout()
{
    BuiltForm<IAddCommentDlgClass> dialog(testFactory()->createAddCommentDlg());
    showAndSettle(dialog.host());
    QFrame *body = dialog->frame_14();
    QCOMPARE(body->geometry(), dialog.host()->rect());

    // The close button sits in the top right corner of the title row.
    const QRect close = rectIn(dialog->toolButton_Close(), dialog->frame());
    QCOMPARE(close.size(), QSize(33, 18));
    QCOMPARE(close.top(), dialog->horizontalLayout()->contentsMargins().top());
    QCOMPARE(close.right(), dialog->frame()->contentsRect().right() - 2);

    // The text field is 100 high; Save and Cancel are 37 high, right-aligned,
    // Save first.
    QTextEdit *edit = dialog->edit_comment();
    QCOMPARE(edit->height(), 100);
    QCOMPARE(edit->lineWrapMode(), QTextEdit::WidgetWidth);
    QToolButton *save = dialog->toolButton_OK();
    QToolButton *cancel = dialog->toolButton_Cancel();
    QCOMPARE(save->height(), 37);
    QCOMPARE(cancel->height(), 37);
    QVERIFY(save->width() >= 100);
    QVERIFY(save->x() < cancel->x());
    QCOMPARE(cancel->geometry().right(), dialog->frame_29()->width() - 1 - 10);

    // Save is bold, Cancel is not.
    save->ensurePolished();
    cancel->ensurePolished();
    QVERIFY(save->font().bold());
    QVERIFY(!cancel->font().bold());
}

void tst_SocialDialogs::downloadDialogAtStart()
{
    BuiltForm<IdownloadDialogClass> dialog(testFactory()->createDownloadDialog());

    // Half full, without a percentage; heading and description empty.
    QProgressBar *progress = dialog->progressBar();
    QCOMPARE(progress->minimum(), 0);
    QCOMPARE(progress->maximum(), 100);
    QCOMPARE(progress->value(), 50);
    QVERIFY(!progress->isTextVisible());
    QVERIFY(dialog->label_title_2()->text().isEmpty());
    QVERIFY(dialog->label_desc_2()->text().isEmpty());

    // The shadow strips and the band between them fill the dialog; the
    // 480-pixel column stands in the middle of the band.
    for (int width : {648, 1000}) {
        dialog.host()->resize(width, 315);
        showAndSettle(dialog.host());
        QCOMPARE(dialog->frame_top()->geometry(), QRect(0, 0, width, 33));
        QCOMPARE(dialog->frame_4()->geometry(), QRect(0, 33, width, 240));
        QCOMPARE(dialog->frame_bottom()->geometry(), QRect(0, 273, width, 42));
        QFrame *column = dialog->frame_2();
        QCOMPARE(column->width(), 480);
        QVERIFY(qAbs(column->geometry().center().x() - dialog->frame_4()->width() / 2) <= 1);
        const int rightMargin = dialog->horizontalLayout_6()->contentsMargins().right();
        QCOMPARE(dialog->toolButton_3()->geometry().right(), column->width() - 1 - rightMargin);
    }

    // The upper strip is drawn over the others.
    QList<QWidget *> strips;
    for (QObject *object : dialog->frame()->children()) {
        if (object->isWidgetType())
            strips << static_cast<QWidget *>(object);
    }
    QCOMPARE(strips, (QList<QWidget *>{dialog->frame_bottom(), dialog->frame_4(), dialog->frame_top()}));
}

// ---------------------------------------------------------------------------
// Web browse windows

void tst_SocialDialogs::webBrowseFillsWindow_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("modality");
    QTest::addColumn<bool>("hasLayout");

    QTest::newRow("facebook") << "FacebookWebBrowseWidgetClass"_q << int(Qt::ApplicationModal) << true;
    QTest::newRow("flickr") << "FlickrWebBrowseWidgetClass"_q << int(Qt::NonModal) << false;
}

void tst_SocialDialogs::webBrowseFillsWindow()
{
    QFETCH(QString, form);
    QFETCH(int, modality);
    QFETCH(bool, hasLayout);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    QCOMPARE(int(host->windowModality()), modality);
    QWidget *area = child(host.get(), "WebBrowse"_q);
    QVERIFY(area);
    QCOMPARE(area->focusPolicy(), Qt::StrongFocus);

    // The host's browser goes into the area: through the area's empty layout
    // for Facebook, by its own geometry for Flickr.
    auto *browser = new QWidget(area);
    QCOMPARE(area->layout() != nullptr, hasLayout);
    if (hasLayout) {
        QCOMPARE(area->layout()->count(), 0);
        area->layout()->addWidget(browser);
    }

    for (const QSize &size : {QSize(600, 450), QSize(1024, 700)}) {
        host->resize(size);
        showAndSettle(host.get());
        QCOMPARE(area->geometry(), host->rect());
        if (hasLayout)
            QCOMPARE(browser->geometry(), area->rect());
    }
    QCOMPARE(QApplication::activeModalWidget() == host.get(), modality == Qt::ApplicationModal);
}

// Not covered: the pictures themselves (the host's resources), hover and
// pressed faces, which need the images to tell apart.

QTEST_MAIN(tst_SocialDialogs)
#include "tst_socialdialogs.moc"
