#include "qelidedlabel.h"

#include <QtCore/QPointer>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>

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
}

qelidedlabel::qelidedlabel(const QString &text, QWidget *parent)
    : qelidedlabel(parent)
{
    d->fullText = text;
    refit();
}

qelidedlabel::~qelidedlabel() = default;

QString qelidedlabel::text() const
{
    return d->fullText;
}

void qelidedlabel::setText(const QString &text)
{
    d->fullText = text;
    refit();
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

void qelidedlabel::refit()
{
    const QFontMetrics metrics = fontMetrics();
    // Any reserved width is allowed, INT_MIN and INT_MAX included.
    const int available = int(qBound(qint64(std::numeric_limits<int>::min()),
                                       qint64(width()) - d->reservedWidth,
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
    return QSize(fontMetrics().horizontalAdvance(d->fullText), QLabel::sizeHint().height());
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
