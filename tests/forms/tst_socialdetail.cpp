// The upload dialog and the social detail view with its information panel,
// as the host lays them out and drives them.

#include "builtform.h"
#include "qelidedlabel.h"
#include "warningguard.h"

#include <QtCore/QTranslator>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTextBrowser>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// Answers every lookup in one context with the source text in brackets, so a
// test can tell which texts went through translation, and in which context.
class BracketTranslator : public QTranslator
{
public:
    explicit BracketTranslator(const char *context) : m_context(context) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (m_context != context)
            return QString();
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }

private:
    QByteArray m_context;
};

} // namespace

class tst_SocialDetail : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    // All three forms.
    void textsInTheFormsContext_data();
    void textsInTheFormsContext();
    void sheetFontsReachTheWidgets_data();
    void sheetFontsReachTheWidgets();

    // Upload dialog.
    void uploadStartState();
    void uploadKeepsItsShadows();
    void uploadButtonRows_data();
    void uploadButtonRows();

    // Social detail view and information panel.
    void detailTrayGrowsEvenly_data();
    void detailTrayGrowsEvenly();
    void detailPhotoArea();
    void detailNamesElide();
    void actionButtonFaces_data();
    void actionButtonFaces();
    void likeTogglesBothWays();
    void infoCommentsTakeSpareHeight_data();
    void infoCommentsTakeSpareHeight();
};

void tst_SocialDetail::cleanup()
{
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

// ---------------------------------------------------------------------------
// All three forms

void tst_SocialDetail::textsInTheFormsContext_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    const QByteArray text("text");
    const QByteArray tip("toolTip");
    const QString upload = "uploadDialogClass"_q;
    QTest::newRow("upload heading") << upload << "label_9"_q << text << "Overførsel til Flickr"_q;
    QTest::newRow("upload transcoding, one ellipsis character") << upload << "label_desc_4"_q << text
                                                                << "Kodeomsætter\u2026"_q;
    QTest::newRow("upload album address") << upload << "label"_q << text
                                          << "Du kan vise det overførte album fra følgende URL:"_q;
    QTest::newRow("upload open shutterfly") << upload << "button_share_2"_q << text << "Åbn Shutterfly"_q;
    QTest::newRow("upload name field left empty") << upload << "lineEdit_name"_q << text << QString();
    QTest::newRow("upload underline carries no text") << upload << "label_line_3"_q << text << QString();
    QTest::newRow("detail add comment") << "SocialDetailClass"_q << "btn_AddComment"_q << tip
                                        << "Tilføj kommentar"_q;
    QTest::newRow("detail like") << "SocialDetailClass"_q << "btn_like"_q << tip << "Lide/Ikke lide"_q;
    QTest::newRow("detail friend left to the host") << "SocialDetailClass"_q << "label_friendName"_q << text
                                                    << QString();
    QTest::newRow("info owner left to the host") << "SocialDetailInfoClass"_q << "label_owner"_q << text
                                                 << QString();
}

void tst_SocialDetail::textsInTheFormsContext()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);

    // Without a translator the Danish source texts show.
    {
        std::unique_ptr<QWidget> host(buildFormByName(form));
        QCOMPARE(child(host.get(), object)->property(property).toString(), text);
    }

    // Texts are looked up in the form's own context; empty ones are not
    // looked up at all.
    BracketTranslator translator(form.toLatin1().constData());
    QVERIFY(QCoreApplication::installTranslator(&translator));
    std::unique_ptr<QWidget> host(buildFormByName(form));
    QCoreApplication::removeTranslator(&translator);
    const QString expected = text.isEmpty() ? text : QLatin1Char('[') + text + QLatin1Char(']');
    QCOMPARE(child(host.get(), object)->property(property).toString(), expected);
}

void tst_SocialDetail::sheetFontsReachTheWidgets_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    const QString upload = "uploadDialogClass"_q;
    QTest::newRow("upload heading") << upload << "label_9"_q << 28 << false;
    QTest::newRow("upload description") << upload << "label_desc_4"_q << 14 << false;
    QTest::newRow("upload name field") << upload << "lineEdit_name"_q << 18 << false;
    QTest::newRow("upload address box") << upload << "textBrowser"_q << 14 << false;
    QTest::newRow("upload button") << upload << "toolButton_2"_q << 16 << false;
    QTest::newRow("detail friend") << "SocialDetailClass"_q << "label_friendName"_q << 14 << true;
    QTest::newRow("detail caption") << "SocialDetailClass"_q << "label_caption"_q << 12 << false;
    QTest::newRow("detail album") << "SocialDetailClass"_q << "label_albumName"_q << 12 << false;
    QTest::newRow("info owner") << "SocialDetailInfoClass"_q << "label_owner"_q << 22 << false;
    QTest::newRow("info added") << "SocialDetailInfoClass"_q << "label_addedDay"_q << 14 << false;
}

void tst_SocialDetail::sheetFontsReachTheWidgets()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    const QFont font = builtFont(form, object);
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
}

// ---------------------------------------------------------------------------
// Upload dialog

void tst_SocialDetail::uploadStartState()
{
    auto *host = new QWidget;
    host->setObjectName("uploader"_q);
    BuiltForm<IuploadDialogClass> dialog(testFactory()->createUploadDialog(), host);
    QCOMPARE(host->objectName(), "uploader"_q);
    QCOMPARE(host->size(), QSize(480, 374));
    QCOMPARE(host->minimumHeight(), 315);
    QCOMPARE(host->maximumHeight(), 460);

    // The finished page shows until the host switches.
    QCOMPARE(dialog->stackedWidget()->count(), 4);
    QCOMPARE(dialog->stackedWidget()->currentIndex(), 2);
    QCOMPARE(dialog->stackedWidget()->currentWidget(), dialog->page_3());

    QVERIFY(!dialog->toolButton_2()->isEnabled());
    QVERIFY(!dialog->progressBar_3()->isEnabled());
    QVERIFY(!dialog->label_desc_4()->isEnabled());

    // Only the overall bar counts in thousandths.
    QCOMPARE(dialog->progressBar()->maximum(), 1000);
    QCOMPARE(dialog->progressBar_2()->maximum(), 100);
    QCOMPARE(dialog->progressBar_2()->value(), 100);
    QCOMPARE(dialog->progressBar_3()->value(), 50);

    // The address box is a plain text edit: read-only, yet reachable by Tab.
    QTextEdit *address = dialog->textBrowser();
    QVERIFY(!qobject_cast<QTextBrowser *>(address));
    QVERIFY(address->isReadOnly());
    QCOMPARE(address->focusPolicy(), Qt::StrongFocus);
    QVERIFY(address->toPlainText().isEmpty());
}

void tst_SocialDetail::uploadKeepsItsShadows()
{
    BuiltForm<IuploadDialogClass> dialog(testFactory()->createUploadDialog());
    QWidget *host = dialog.host();
    showAndSettle(host);
    // Offered heights, and what the dialog's bounds leave of them.
    for (const QPair<int, int> &heights : {qMakePair(374, 374), qMakePair(200, 315), qMakePair(900, 460)}) {
        host->resize(480, heights.first);
        settle();
        const int height = heights.second;
        QCOMPARE(host->height(), height);

        // The shadow strips keep their heights; the gradient body takes the rest.
        QCOMPARE(rectIn(dialog->frame_top(), host), QRect(0, 0, 480, 33));
        QCOMPARE(rectIn(dialog->frame_bottom(), host), QRect(0, height - 42, 480, 42));
        QCOMPARE(rectIn(dialog->frame_4(), host), QRect(0, 33, 480, height - 75));
        QCOMPARE(dialog->stackedWidget()->size(), QSize(480, height - 75));
    }
    host->hide();
}

void tst_SocialDetail::uploadButtonRows_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("buttons"); // left to right

    QTest::newRow("destination") << 0 << QStringList{"toolButton_2"_q, "toolButton_1"_q};
    QTest::newRow("progress") << 1 << QStringList{"toolButton_3"_q};
    QTest::newRow("finished") << 2 << QStringList{"button_share"_q, "toolButton_4"_q};
    QTest::newRow("shutterfly") << 3 << QStringList{"button_share_2"_q, "toolButton_5"_q};
}

void tst_SocialDetail::uploadButtonRows()
{
    QFETCH(int, page);
    QFETCH(QStringList, buttons);

    WarningGuard guard;
    BuiltForm<IuploadDialogClass> dialog(testFactory()->createUploadDialog());
    dialog->comboBox()->addItems({"Ferie"_q, "Familie"_q});
    dialog->stackedWidget()->setCurrentIndex(page);
    showAndSettle(dialog.host());
    QWidget *current = dialog->stackedWidget()->currentWidget();

    // The buttons sit at the right, 10 pixels in, 6 apart, 41 high; the
    // spacer before them takes the spare width.
    int right = current->width() - 10;
    for (int i = buttons.size() - 1; i >= 0; --i) {
        auto *button = child<QToolButton>(current, buttons.at(i));
        QVERIFY(button);
        const QRect r = rectIn(button, current);
        QCOMPARE(r.right() + 1, right);
        QCOMPARE(r.height(), 41);
        QVERIFY(r.width() >= 100);
        QVERIFY(!button->text().isEmpty());
        right = r.left() - 6;
    }
    // On the first page the name field takes the width the label leaves.
    if (page == 0) {
        const QRect field = rectIn(dialog->lineEdit_name(), current);
        QCOMPARE(field.right() + 1, current->width() - 15);
        QCOMPARE(field.height(), 34);
        QCOMPARE(dialog->lineEdit_name()->x(), dialog->label_2()->geometry().right() + 1);
        QCOMPARE(dialog->comboBox()->height(), 39);
    }

    // The page's sheets parse and paint, enabled and disabled.
    dialog.host()->grab();
    dialog->frame_4()->setEnabled(false);
    dialog.host()->grab();
    dialog.host()->hide();
    guard.verifyNone();
}

// ---------------------------------------------------------------------------
// Social detail view and information panel

void tst_SocialDetail::detailTrayGrowsEvenly_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("wider");
    QTest::newRow("1000 to 1200") << 1000 << 1200;
    QTest::newRow("900 to 1600") << 900 << 1600;
}

void tst_SocialDetail::detailTrayGrowsEvenly()
{
    QFETCH(int, width);
    QFETCH(int, wider);

    BuiltForm<ISocialDetailClass> detail(testFactory()->createSocialDetail());
    QWidget *host = detail.host();
    host->resize(width, 587);
    showAndSettle(host);
    QLayoutItem *spacer = detail->horizontalLayout()->itemAt(2);
    QCOMPARE(spacer->spacerItem(), detail->horizontalSpacer());
    const int text = detail->frame_2()->width();
    const int spare = spacer->geometry().width();
    QVERIFY(qAbs(text - spare) <= 1);

    host->resize(wider, 587);
    settle();
    QCOMPARE(detail->frame_tray()->height(), 54);
    QCOMPARE(detail->frame_tray()->width(), wider);
    const int grown = wider - width;
    QVERIFY(qAbs(detail->frame_2()->width() - text - grown / 2) <= 1);
    QVERIFY(qAbs(spacer->geometry().width() - spare - grown / 2) <= 1);

    // The four action buttons keep their size and gaps.
    int x = detail->frame_3()->x();
    for (QToolButton *button : {detail->btn_Info(), detail->btn_AddComment(), detail->btn_like(),
                                detail->toolButton_Slideshow3_2()}) {
        const QRect r = rectIn(button, detail->frame_tray());
        QCOMPARE(r.size(), QSize(43, 43));
        QCOMPARE(r.x(), x);
        QVERIFY(button->text().isEmpty());
        x += 43 + 15;
    }
    host->hide();
}

void tst_SocialDetail::detailPhotoArea()
{
    BuiltForm<ISocialDetailClass> detail(testFactory()->createSocialDetail());
    QWidget *host = detail.host();

    // The host's photo view goes into the area between the arrows.
    auto *view = new QWidget(detail->frame_PhotoDetail());
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    detail->verticalLayout_2()->insertWidget(0, view, 1);
    showAndSettle(host);

    QFrame *photo = detail->frame_photo();
    QCOMPARE(photo->height(), host->height() - 54);
    const QRect area = rectIn(detail->frame_PhotoDetail(), photo);
    QCOMPARE(area, QRect(35 + 6, 18, photo->width() - 2 * (35 + 6), photo->height() - 18));
    // It spans the area's width from its top; the form's spacer stays below
    // it, 5 pixels above the bottom.
    const QRect v = rectIn(view, photo);
    QCOMPARE(QRect(v.x(), v.y(), v.width(), 1), QRect(area.x(), area.y(), area.width(), 1));
    QCOMPARE(detail->verticalSpacer()->geometry().bottom(), area.height() - 5 - 1);

    // The arrows stay 35 square at the sides, halfway down the area.
    for (QToolButton *arrow : {detail->button_prev(), detail->button_next()}) {
        const QRect r = rectIn(arrow, photo);
        QCOMPARE(r.size(), QSize(35, 35));
        QVERIFY(qAbs(r.center().y() - area.center().y()) <= 1);
    }
    QCOMPARE(rectIn(detail->button_prev(), photo).x(), 0);
    QCOMPARE(rectIn(detail->button_next(), photo).right(), photo->width() - 1);
    host->hide();
}

void tst_SocialDetail::detailNamesElide()
{
    BuiltForm<ISocialDetailClass> detail(testFactory()->createSocialDetail());
    showAndSettle(detail.host());

    // A name too long for the tray is shortened; the full name stays with
    // the label, and the row does not widen for it.
    qelidedlabel *name = detail->label_friendName();
    const int before = detail->frame_2()->width();
    const QString full = "Karen Margrethe Østergaard-Kristiansen fra Sønderborg og omegn, fotoklubben"_q;
    name->setText(full);
    settle();
    QCOMPARE(name->text(), full);
    const QString shown = static_cast<QLabel *>(name)->text();
    QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
    QVERIFY(QFontMetrics(name->font()).horizontalAdvance(shown) <= name->width());
    QCOMPARE(detail->frame_2()->width(), before);
    detail.host()->hide();
}

void tst_SocialDetail::actionButtonFaces_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("image");

    QTest::newRow("info disabled") << "btn_Info"_q << false << false << "icon_info_disable.png"_q;
    QTest::newRow("comment disabled") << "btn_AddComment"_q << false << false << "icon_addcomments_disable.png"_q;
    QTest::newRow("like") << "btn_like"_q << true << false << "icon_like.png"_q;
    QTest::newRow("liked shows unlike") << "btn_like"_q << true << true << "icon_unlike.png"_q;
    QTest::newRow("like disabled") << "btn_like"_q << false << false << "icon_like_disable.png"_q;
    QTest::newRow("liked disabled") << "btn_like"_q << false << true << "icon_unlike_disable.png"_q;
    QTest::newRow("slide show disabled") << "toolButton_Slideshow3_2"_q << false << false << "icon_play_disable.png"_q;
}

void tst_SocialDetail::actionButtonFaces()
{
    QFETCH(QString, object);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    QFETCH(QString, image);

    std::unique_ptr<QWidget> host(buildFormByName("SocialDetailClass"_q));
    auto *button = child<QToolButton>(host.get(), object);
    QVERIFY(button);
    QCOMPARE(button->isCheckable(), object == QLatin1String("btn_like"));
    QVERIFY(!button->isChecked());
    button->setChecked(checked);
    button->setEnabled(enabled);
    QCOMPARE(button->isChecked(), checked);

    // The face the button paints for its state is the named picture, not one
    // that Qt derives from the normal one.
    const QIcon::Mode mode = button->isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QIcon::State state = button->isChecked() ? QIcon::On : QIcon::Off;
    const QSize size(43, 43);
    const QImage expected = QIcon(QPixmap(":/quorvel/UIResources/"_q + image)).pixmap(size).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(button->icon().pixmap(size, mode, state).toImage(), expected);
    QCOMPARE(button->iconSize(), QSize(43, 43));
}

// The host likes and unlikes photo after photo with the same button: a click
// or setChecked(false) must bring it back, which an auto-exclusive button
// among its auto-exclusive neighbours would refuse.
void tst_SocialDetail::likeTogglesBothWays()
{
    std::unique_ptr<QWidget> host(buildFormByName("SocialDetailClass"_q));
    auto *like = child<QToolButton>(host.get(), "btn_like"_q);
    QVERIFY(like);
    like->click();
    QVERIFY(like->isChecked());
    like->click();
    QVERIFY(!like->isChecked());
    like->setChecked(true);
    like->setChecked(false);
    QVERIFY(!like->isChecked());
}

void tst_SocialDetail::infoCommentsTakeSpareHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("initial") << 378;
    QTest::newRow("tall") << 700;
}

void tst_SocialDetail::infoCommentsTakeSpareHeight()
{
    QFETCH(int, height);

    BuiltForm<ISocialDetailInfoClass> info(testFactory()->createSocialDetailInfo());
    const QString texts[] = {"Mette Holm"_q, "3 af 12"_q, "Strandtur"_q, "Med: Anne, Jens"_q, "4 synes godt om"_q,
                             "Tilføjet 2. juni"_q};
    QLabel *labels[] = {info->label_owner(), info->label_count(), info->label_title(), info->label_inThePhoto(),
                        info->label_like(), info->label_addedDay()};
    for (int i = 0; i < 6; ++i) {
        QVERIFY(labels[i]->text().isEmpty());
        labels[i]->setText(texts[i]);
    }
    auto *comment = new QLabel("Flot billede!"_q, info->frame_comments());
    info->verticalLayout_5()->addWidget(comment);
    info.host()->resize(400, height);
    showAndSettle(info.host());

    // Labels stack without gaps; the two fixed gaps keep 20 and 27 pixels;
    // the comments frame takes all the rest, down to the bottom.
    QWidget *frame = info->frame();
    const QRect owner = rectIn(labels[0], frame);
    QCOMPARE(owner.top(), 0);
    QCOMPARE(rectIn(labels[1], frame).top(), owner.bottom() + 1);
    QCOMPARE(rectIn(labels[2], frame).top(), rectIn(labels[1], frame).bottom() + 1 + 20);
    const QRect comments = rectIn(info->frame_comments(), frame);
    QCOMPARE(comments.top(), rectIn(info->frame_3(), frame).bottom() + 1 + 27);
    QCOMPARE(comments.bottom(), info.host()->height() - 1);
    QCOMPARE(rectIn(comment, info->frame_comments()).topLeft(), QPoint(0, 0));
    info.host()->hide();
}

// Not covered: hover and pressed faces of the sheets, which need the host's
// artwork to tell apart.

QTEST_MAIN(tst_SocialDetail)
#include "tst_socialdetail.moc"
