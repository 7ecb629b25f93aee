// vexaro-placeholder-skin: draws a stand-in for every image of the skin
// manifest, so that forms can be looked at without the host's artwork.
//
// The pictures only have to make a form recognisable: plates that suit their
// nine-slice borders, state variants that differ visibly (hover lighter,
// pressed darker, focus outlined, disabled faded), tracks and handles, check
// boxes, and simple glyphs for picture buttons and icons.
//
// Usage: vexaro-placeholder-skin <images.tsv> <output dir>
// Writes one file per manifest line and placeholderskin.qrc listing them under
// the prefix /quorvel/UIResources.

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtCore/QSaveFile>
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

enum class State { Normal, Hover, Pressed, Focus, Disabled };

struct Image
{
    QString name;
    QSize size;
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "vexaro-placeholder-skin: %s\n", qPrintable(message));
    std::exit(1);
}

QVector<Image> readManifest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read %1").arg(path));
    QVector<Image> images;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() < 3 || f[1].toInt() <= 0 || f[2].toInt() <= 0)
            fail(QStringLiteral("%1: bad line '%2'").arg(path, line));
        images.append({f[0], QSize(f[1].toInt(), f[2].toInt())});
    }
    return images;
}

State stateOf(const QString &stem)
{
    if (stem.endsWith(QLatin1String("_hover")) || stem.endsWith(QLatin1String("_hover&focus")))
        return State::Hover;
    if (stem.endsWith(QLatin1String("_push")))
        return State::Pressed;
    if (stem.endsWith(QLatin1String("_focus")))
        return State::Focus;
    if (stem.endsWith(QLatin1String("_disable")))
        return State::Disabled;
    return State::Normal;
}

bool has(const QString &stem, const char *word)
{
    return stem.contains(QLatin1String(word), Qt::CaseInsensitive);
}

QColor forState(QColor c, State state)
{
    switch (state) {
    case State::Hover:
        return c.lighter(125);
    case State::Pressed:
        return c.darker(135);
    case State::Disabled: {
        const int grey = qGray(c.rgb());
        return QColor(grey, grey, grey, 110);
    }
    default:
        return c;
    }
}

const QColor kAccent(0x07, 0xa7, 0xc4);
const QColor kDark(0x2d, 0x3e, 0x4e);
const QColor kLight(0xe6, 0xe9, 0xec);
const QColor kPlate(0xfa, 0xfa, 0xfa);

// The focus ring stays on the rim: a sheet stretches an image's centre under
// the text, and the forms draw focused text in the accent colour, so a ring
// that reached the centre of a small frame image would hide the text.
void outlineFocus(QPainter &p, const QRectF &r, State state, qreal radius)
{
    if (state != State::Focus)
        return;
    const qreal width = qMin(r.width(), r.height()) >= 16 ? 2 : 1;
    p.setPen(QPen(kAccent, width));
    p.setBrush(Qt::NoBrush);
    const qreal inset = width / 2;
    radius = qMin(radius, qMin(r.width(), r.height()) / 4);
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);
}

// A plate that stretches well: rounded, with a one-pixel rim.
void plate(QPainter &p, const QRectF &r, const QColor &fill, State state, qreal radius = 4)
{
    const QColor c = forState(fill, state);
    p.setPen(QPen(c.darker(140), 1));
    p.setBrush(c);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    outlineFocus(p, r, state, radius);
}

// The picture of a picture button or icon: a disc with a glyph chosen by name.
void glyph(QPainter &p, const QRectF &r, const QString &stem, State state)
{
    const qreal side = qMin(r.width(), r.height());
    const QRectF box(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    QColor disc = kDark;
    if (has(stem, "error") || has(stem, "close") || has(stem, "red"))
        disc = QColor(0xc0, 0x39, 0x2b);
    else if (has(stem, "warning") || has(stem, "yellow"))
        disc = QColor(0xe6, 0xa1, 0x17);
    else if (has(stem, "info") || has(stem, "help") || has(stem, "blue") || has(stem, "facebook"))
        disc = QColor(0x2f, 0x6d, 0xb5);
    disc = forState(disc, state);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(box.adjusted(1, 1, -1, -1));
    outlineFocus(p, box, state, side / 2);

    const QRectF g = box.adjusted(side * 0.3, side * 0.3, -side * 0.3, -side * 0.3);
    const QColor ink = state == State::Disabled ? QColor(255, 255, 255, 150) : Qt::white;
    p.setPen(QPen(ink, qMax(1.5, side / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    auto polygon = [&](std::initializer_list<QPointF> points, bool filled) {
        QPolygonF poly;
        for (const QPointF &pt : points)
            poly << QPointF(g.left() + pt.x() * g.width(), g.top() + pt.y() * g.height());
        p.setBrush(filled ? QBrush(ink) : QBrush(Qt::NoBrush));
        p.drawPolygon(poly);
        p.setBrush(Qt::NoBrush);
    };
    auto line = [&](qreal x1, qreal y1, qreal x2, qreal y2) {
        p.drawLine(QPointF(g.left() + x1 * g.width(), g.top() + y1 * g.height()),
                   QPointF(g.left() + x2 * g.width(), g.top() + y2 * g.height()));
    };
    auto text = [&](const QString &t) {
        QFont f = p.font();
        f.setPixelSize(qMax(6, int(side * 0.5)));
        f.setBold(true);
        p.setFont(f);
        p.drawText(box, Qt::AlignCenter, t);
    };

    if (has(stem, "close") || has(stem, "error") || has(stem, "cancel") || has(stem, "delete")) {
        line(0, 0, 1, 1);
        line(1, 0, 0, 1);
    } else if (has(stem, "pause")) {
        line(0.3, 0, 0.3, 1);
        line(0.7, 0, 0.7, 1);
    } else if (has(stem, "play") || has(stem, "slideshow")) {
        polygon({{0.15, 0}, {1, 0.5}, {0.15, 1}}, true);
    } else if (has(stem, "stop")) {
        polygon({{0.1, 0.1}, {0.9, 0.1}, {0.9, 0.9}, {0.1, 0.9}}, true);
    } else if (has(stem, "max") || has(stem, "fullscreen")) {
        polygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, false);
    } else if (has(stem, "min") || has(stem, "exitfullscreen")) {
        line(0, 0.85, 1, 0.85);
    } else if (has(stem, "next") || has(stem, "forward") || has(stem, "right")) {
        p.drawPolyline(QPolygonF({g.topLeft() + QPointF(g.width() * 0.3, 0), QPointF(g.right(), g.center().y()),
                                  g.bottomLeft() + QPointF(g.width() * 0.3, 0)}));
    } else if (has(stem, "back") || has(stem, "left") || has(stem, "prev")) {
        p.drawPolyline(QPolygonF({g.topRight() - QPointF(g.width() * 0.3, 0), QPointF(g.left(), g.center().y()),
                                  g.bottomRight() - QPointF(g.width() * 0.3, 0)}));
    } else if (has(stem, "upload") || has(stem, "share")) {
        line(0.5, 0, 0.5, 1);
        p.drawPolyline(QPolygonF({QPointF(g.left(), g.top() + g.height() * 0.4), QPointF(g.center().x(), g.top()),
                                  QPointF(g.right(), g.top() + g.height() * 0.4)}));
    } else if (has(stem, "up")) {
        p.drawPolyline(QPolygonF({g.bottomLeft(), QPointF(g.center().x(), g.top()), g.bottomRight()}));
    } else if (has(stem, "mute")) {
        polygon({{0, 0.35}, {0.3, 0.35}, {0.6, 0}, {0.6, 1}, {0.3, 0.65}, {0, 0.65}}, true);
        line(0.75, 0.3, 1, 0.7);
        line(1, 0.3, 0.75, 0.7);
    } else if (has(stem, "vol")) {
        polygon({{0, 0.35}, {0.3, 0.35}, {0.6, 0}, {0.6, 1}, {0.3, 0.65}, {0, 0.65}}, true);
        line(0.8, 0.25, 0.8, 0.75);
    } else if (has(stem, "loop")) {
        p.drawArc(g, 30 * 16, 300 * 16);
    } else if (has(stem, "setting")) {
        p.drawEllipse(g.adjusted(g.width() * 0.2, g.height() * 0.2, -g.width() * 0.2, -g.height() * 0.2));
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawLine(QPointF(g.center().x() + std::cos(a) * g.width() * 0.35, g.center().y() + std::sin(a) * g.height() * 0.35),
                       QPointF(g.center().x() + std::cos(a) * g.width() * 0.5, g.center().y() + std::sin(a) * g.height() * 0.5));
        }
    } else if (has(stem, "help")) {
        text(QStringLiteral("?"));
    } else if (has(stem, "warning")) {
        text(QStringLiteral("!"));
    } else if (has(stem, "info")) {
        text(QStringLiteral("i"));
    } else if (has(stem, "add") || has(stem, "plus")) {
        line(0.5, 0, 0.5, 1);
        line(0, 0.5, 1, 0.5);
    } else if (has(stem, "grid")) {
        for (qreal x : {0.0, 0.6})
            for (qreal y : {0.0, 0.6})
                polygon({{x, y}, {x + 0.4, y}, {x + 0.4, y + 0.4}, {x, y + 0.4}}, true);
    } else if (has(stem, "stack") || has(stem, "list")) {
        line(0, 0.2, 1, 0.2);
        line(0, 0.5, 1, 0.5);
        line(0, 0.8, 1, 0.8);
    } else {
        // Anything else: its initial, so that different buttons stay apart.
        QString s = stem;
        s.remove(QRegularExpression(QStringLiteral("^(btn|icon|navbtn)_")));
        text(s.left(1).toUpper());
    }
}

QImage draw(const Image &image)
{
    QImage img(image.size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QString stem = image.name.section(QLatin1Char('.'), 0, -2);
    const State state = stateOf(stem);
    const QRectF r(QPointF(0, 0), QSizeF(image.size));
    const bool small = image.size.width() <= 64 && image.size.height() <= 64;
    const bool thin = image.size.width() <= 3 || image.size.height() <= 3;

    if (thin || has(stem, "divider") || has(stem, "line") || has(stem, "underline")) {
        p.fillRect(r, has(stem, "underline") ? kAccent : QColor(0x99, 0x99, 0x99));
    } else if (has(stem, "mask")) {
        // Rounded corners over content: opaque outside a rounded rectangle.
        QPainterPath outside;
        outside.addRect(r);
        QPainterPath inside;
        inside.addRoundedRect(r, 18, 18);
        p.fillPath(outside.subtracted(inside), QColor(0x20, 0x20, 0x20));
    } else if (has(stem, "checkbox")) {
        plate(p, r.adjusted(2, 2, -2, -2), Qt::white, state, 3);
        if (stem.startsWith(QLatin1String("checkbox1"))) {
            p.setPen(QPen(forState(kAccent, state), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(r.width() * 0.25, r.height() * 0.5),
                                      QPointF(r.width() * 0.45, r.height() * 0.72),
                                      QPointF(r.width() * 0.78, r.height() * 0.28)}));
        }
    } else if (has(stem, "thumb")) {
        const QColor c = forState(has(stem, "scrollbar") ? QColor(0x88, 0x88, 0x88) : kAccent, state);
        p.setPen(QPen(c.darker(150), 1));
        p.setBrush(c);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), qMin(r.width(), r.height()) / 3, qMin(r.width(), r.height()) / 3);
        outlineFocus(p, r, state, 4);
    } else if (has(stem, "progress_bg") || has(stem, "slider_bg0") || has(stem, "volslider_bg")
               || has(stem, "cropslider_bg") || has(stem, "scroll_bg") || has(stem, "scrollbar_bg")
               || has(stem, "slim_bg")) {
        plate(p, r, QColor(0x3a, 0x3a, 0x3a), state, qMin(r.width(), r.height()) / 2);
    } else if (has(stem, "progress") || has(stem, "slider_bg1")) {
        plate(p, r, kAccent, state, qMin(r.width(), r.height()) / 2);
    } else if (has(stem, "shadow")) {
        QLinearGradient g(r.topLeft(), has(stem, "up") ? r.bottomLeft() : r.topLeft());
        g.setFinalStop(has(stem, "up") ? r.topLeft() : r.bottomLeft());
        g.setColorAt(0, QColor(0, 0, 0, 90));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(r, g);
    } else if (has(stem, "dialogtitle")) {
        plate(p, r, has(stem, "red") ? QColor(0xc0, 0x39, 0x2b)
                    : has(stem, "yellow") ? QColor(0xe6, 0xa1, 0x17) : QColor(0x2f, 0x6d, 0xb5), state);
    } else if (has(stem, "toolbar_bg") || has(stem, "window_bg") || has(stem, "sidebar") || has(stem, "ribbon")
               || (has(stem, "bg") && !small)) {
        const bool dark = has(stem, "toolbar") || has(stem, "window") || has(stem, "sidebar") || has(stem, "ribbon");
        plate(p, r, dark ? kDark : kPlate, state, 6);
    } else if (small && (stem.startsWith(QLatin1String("icon")) || stem.startsWith(QLatin1String("btn_"))
                         || stem.startsWith(QLatin1String("navbtn")))
               && !has(stem, "light") && !has(stem, "dark") && !has(stem, "secondary")) {
        glyph(p, r, stem, state);
    } else if (image.name.endsWith(QLatin1String(".ico"))) {
        glyph(p, r, stem, state);
    } else {
        // Text buttons, combo boxes, text fields and other stretchable plates.
        const bool dark = has(stem, "dark") || has(stem, "secondary") || has(stem, "collapsedgrid1");
        plate(p, r, dark ? kDark : (has(stem, "textbox") || has(stem, "combobox") || has(stem, "typewrite")) ? Qt::white : kLight,
              state);
    }
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    // Offscreen: drawing text needs a GUI application but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        fail(QStringLiteral("usage: vexaro-placeholder-skin <images.tsv> <output dir>"));
    const QVector<Image> images = readManifest(args[1]);
    QDir out(args[2]);
    if (!out.mkpath(QStringLiteral("images")))
        fail(QStringLiteral("cannot create %1").arg(out.filePath(QStringLiteral("images"))));

    QString qrc;
    QTextStream s(&qrc);
    s << "<RCC>\n  <qresource prefix=\"/quorvel/UIResources\">\n";
    for (const Image &image : images) {
        const QString file = out.filePath(QStringLiteral("images/") + image.name);
        const char *format = image.name.endsWith(QLatin1String(".ico")) ? "ICO" : "PNG";
        if (!draw(image).save(file, format))
            fail(QStringLiteral("cannot write %1").arg(file));
        const QString escaped = image.name.toHtmlEscaped();
        s << "    <file alias=\"" << escaped << "\">images/" << escaped << "</file>\n";
    }
    s << "  </qresource>\n</RCC>\n";

    QSaveFile qrcFile(out.filePath(QStringLiteral("placeholderskin.qrc")));
    if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0 || !qrcFile.commit())
        fail(QStringLiteral("cannot write %1").arg(qrcFile.fileName()));
    return 0;
}
