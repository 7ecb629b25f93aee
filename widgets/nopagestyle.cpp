#include "nopagestyle.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

NoPageStyle::NoPageStyle() = default;

NoPageStyle::~NoPageStyle() = default;

QStyle *NoPageStyle::target() const
{
    QStyle *style = QApplication::style();
    if (style != m_target)
        follow(style);
    return style;
}

void NoPageStyle::follow(QStyle *style) const
{
    auto *self = const_cast<NoPageStyle *>(this);
    if (m_target)
        disconnect(m_target, &QObject::destroyed, self, &NoPageStyle::targetDestroyed);
    m_target = style;
    // QApplication::setStyle() deletes the style it replaces once the new
    // one is in place: the moment to move over, as the stock widgets do.
    connect(style, &QObject::destroyed, self, &NoPageStyle::targetDestroyed);

    // The previous application style unpolished every widget on its way
    // out; the new one polishes only those that use it directly.
    const QVector<QPointer<QWidget>> polished = m_polished;
    for (const QPointer<QWidget> &widget : polished) {
        if (!widget)
            continue;
        style->polish(widget);
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &change);
        widget->update();
    }
}

void NoPageStyle::targetDestroyed(QObject *style)
{
    // The application deletes its style on its way down, while still
    // holding it: there is nothing to move over to then.
    if (QCoreApplication::closingDown() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    QStyle *current = QApplication::style();
    if (static_cast<QObject *>(current) != style)
        follow(current);
}

int NoPageStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                           QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_Slider_AbsoluteSetButtons:
        return Qt::LeftButton;
    case SH_Slider_PageSetButtons:
        return Qt::MiddleButton;
    case SH_ScrollBar_LeftClickAbsolutePosition:
        // The hint QScrollBar reads; the two above only reach QSlider.
        return true;
    default:
        return target()->styleHint(hint, option, widget, returnData);
    }
}

void NoPageStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    target()->drawPrimitive(element, option, painter, widget);
}

void NoPageStyle::drawControl(ControlElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    target()->drawControl(element, option, painter, widget);
}

void NoPageStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     QPainter *painter, const QWidget *widget) const
{
    target()->drawComplexControl(control, option, painter, widget);
}

void NoPageStyle::drawItemText(QPainter *painter, const QRect &rect, int flags,
                               const QPalette &palette, bool enabled, const QString &text,
                               QPalette::ColorRole textRole) const
{
    target()->drawItemText(painter, rect, flags, palette, enabled, text, textRole);
}

void NoPageStyle::drawItemPixmap(QPainter *painter, const QRect &rect, int alignment,
                                 const QPixmap &pixmap) const
{
    target()->drawItemPixmap(painter, rect, alignment, pixmap);
}

QSize NoPageStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                    const QSize &size, const QWidget *widget) const
{
    return target()->sizeFromContents(type, option, size, widget);
}

QRect NoPageStyle::subElementRect(SubElement element, const QStyleOption *option,
                                  const QWidget *widget) const
{
    return target()->subElementRect(element, option, widget);
}

QRect NoPageStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                  SubControl subControl, const QWidget *widget) const
{
    return target()->subControlRect(control, option, subControl, widget);
}

QRect NoPageStyle::itemTextRect(const QFontMetrics &metrics, const QRect &rect, int flags,
                                bool enabled, const QString &text) const
{
    return target()->itemTextRect(metrics, rect, flags, enabled, text);
}

QRect NoPageStyle::itemPixmapRect(const QRect &rect, int flags, const QPixmap &pixmap) const
{
    return target()->itemPixmapRect(rect, flags, pixmap);
}

QStyle::SubControl NoPageStyle::hitTestComplexControl(ComplexControl control,
                                                      const QStyleOptionComplex *option,
                                                      const QPoint &pos, const QWidget *widget) const
{
    return target()->hitTestComplexControl(control, option, pos, widget);
}

int NoPageStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                             const QWidget *widget) const
{
    return target()->pixelMetric(metric, option, widget);
}

int NoPageStyle::layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                               Qt::Orientation orientation, const QStyleOption *option,
                               const QWidget *widget) const
{
    return target()->layoutSpacing(control1, control2, orientation, option, widget);
}

QIcon NoPageStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                const QWidget *widget) const
{
    return target()->standardIcon(standardIcon, option, widget);
}

QPixmap NoPageStyle::standardPixmap(StandardPixmap standardPixmap, const QStyleOption *option,
                                    const QWidget *widget) const
{
    return target()->standardPixmap(standardPixmap, option, widget);
}

QPixmap NoPageStyle::generatedIconPixmap(QIcon::Mode iconMode, const QPixmap &pixmap,
                                         const QStyleOption *option) const
{
    return target()->generatedIconPixmap(iconMode, pixmap, option);
}

QPalette NoPageStyle::standardPalette() const
{
    return target()->standardPalette();
}

void NoPageStyle::polish(QWidget *widget)
{
    QStyle *style = target();
    m_polished.removeAll(nullptr);
    if (!m_polished.contains(widget))
        m_polished.append(widget);
    style->polish(widget);
}

void NoPageStyle::polish(QPalette &palette)
{
    target()->polish(palette);
}

void NoPageStyle::polish(QApplication *application)
{
    target()->polish(application);
}

void NoPageStyle::unpolish(QWidget *widget)
{
    QStyle *style = target();
    m_polished.removeAll(widget);
    style->unpolish(widget);
}

void NoPageStyle::unpolish(QApplication *application)
{
    target()->unpolish(application);
}

bool NoPageStyle::event(QEvent *event)
{
    // QProxyStyle would hand the event to its unused base style.
    return QCommonStyle::event(event);
}
