#include "qelidedlabel.h"
#include "qelidedlabelaccessible.h"

#include <QtCore/QPointer>
#include <QtGui/QAccessible>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QStyle>

#include <limits>

class qelidedlabelPrivate
{
public:
    QString fullText;
    int reservedWidth = 0;
    Qt::TextElideMode elideMode = Qt::ElideRight;
};

qelidedlabel::qelidedlabel(QWidget *parent)
    : QLabel(parent, Qt::WindowFlags())
    , d(new qelidedlabelPrivate)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    qelidedlabelAccessible::labelCreated();
}

qelidedlabel::qelidedlabel(const QString &text, QWidget *parent)
    : qelidedlabel(parent)
{
    d->fullText = text;
    refit();
}

qelidedlabel::~qelidedlabel()
{
    qelidedlabelAccessible::labelDestroyed();
}

QString qelidedlabel::text() const
{
    return d->fullText;
}

void qelidedlabel::setText(const QString &text)
{
    d->fullText = text;
    refit();
    // The name read out is the whole text, which may change while the
    // shortened display stays the same.
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

Qt::TextElideMode qelidedlabel::textElideMode() const
{
    return d->elideMode;
}

void qelidedlabel::setTextElideMode(Qt::TextElideMode mode)
{
    d->elideMode = mode;
    refit();
}

void qelidedlabel::setReservedWidth(int pixels)
{
    if (pixels == d->reservedWidth)
        return;
    d->reservedWidth = pixels;
    refit();
}

void qelidedlabel::setAlignment(Qt::Alignment alignment)
{
    QLabel::setAlignment(alignment);
}

void qelidedlabel::setMargin(int margin)
{
    QLabel::setMargin(margin);
    refit();
}

void qelidedlabel::setIndent(int indent)
{
    QLabel::setIndent(indent);
    refit();
}

// The horizontal pixels that QLabel keeps free of text: the contents margins
// (frame, and a style sheet's border and padding), the margin on both sides
// and the indent on the side the text is aligned to.
int qelidedlabel::chromeWidth() const
{
    const QMargins contents = contentsMargins();
    int chrome = contents.left() + contents.right() + 2 * margin();
    int indentWidth = indent();
    if (indentWidth < 0 && frameWidth())
        indentWidth = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (indentWidth > 0) {
        const Qt::LayoutDirection direction = d->fullText.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        const Qt::Alignment visual = QStyle::visualAlignment(direction, alignment());
        if (visual & Qt::AlignLeft)
            chrome += indentWidth;
        if (visual & Qt::AlignRight)
            chrome += indentWidth;
    }
    return chrome;
}

void qelidedlabel::refit()
{
    const QFontMetrics metrics = fontMetrics();
    // Any reserved width is allowed, INT_MIN and INT_MAX included.
    const int available = int(qBound(qint64(std::numeric_limits<int>::min()),
                                       qint64(width()) - chromeWidth() - d->reservedWidth,
                                       qint64(std::numeric_limits<int>::max())));
    if (metrics.horizontalAdvance(d->fullText) > available) {
        // Qt::ElideNone gives back the whole text; painting clips it then.
        QLabel::setText(metrics.elidedText(d->fullText, d->elideMode, available, 0));
        setToolTip(d->fullText);
    } else {
        QLabel::setText(d->fullText);
        setToolTip(QString());
    }
}

QSize qelidedlabel::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(d->fullText) + chromeWidth(), QLabel::sizeHint().height());
}

QSize qelidedlabel::minimumSizeHint() const
{
    QSize size = QLabel::minimumSizeHint();
    size.setWidth(-1);
    return size;
}

void qelidedlabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    // A plain label ignores the release, so Qt hands it on to the parent. A
    // host that deletes the label from clicked() must not have it handed on
    // through the deleted label.
    const QPointer<qelidedlabel> self(this);
    emit clicked();
    if (!self)
        event->accept();
}

void qelidedlabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Left accepted: an activation key does not travel on to the parent.
        emit clicked();
        break;
    default:
        QLabel::keyPressEvent(event);
        break;
    }
}

void qelidedlabel::resizeEvent(QResizeEvent *)
{
    refit();
}

void qelidedlabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    switch (event->type()) {
    // A style sheet's font arrives as a font change when the label is
    // polished, its border and padding as a contents rectangle change.
    case QEvent::FontChange:
    case QEvent::ApplicationFontChange:
    case QEvent::ContentsRectChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        refit();
        break;
    default:
        break;
    }
}
