#include "vexarocustomwidget.h"

#include <QtGui/QIcon>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPixmap>

namespace {

// Widget box icons, drawn rather than shipped: a plate in the module's
// accent colour with a sketch of the widget, readable at 16 and 22 pixels.
QPixmap drawIcon(VexaroWidgetDescription::Icon kind, int size)
{
    const QColor accent(0x07, 0xa7, 0xc4);
    const QColor dark(0x2d, 0x3e, 0x4e);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 22.0, size / 22.0);
    p.setPen(QPen(dark, 1.2));
    p.setBrush(Qt::NoBrush);

    using Icon = VexaroWidgetDescription::Icon;
    switch (kind) {
    case Icon::TabButton:
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(1.5, 6.5, 9, 9), 2, 2);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(11.5, 6.5, 9, 9), 2, 2);
        p.drawLine(QPointF(1.5, 18.5), QPointF(10.5, 18.5));
        break;
    case Icon::Slider:
        p.drawLine(QPointF(2, 11), QPointF(20, 11));
        p.setBrush(accent);
        p.drawEllipse(QPointF(8, 11), 4, 4);
        break;
    case Icon::ScrollBar:
        p.drawRoundedRect(QRectF(7.5, 1.5, 7, 19), 3, 3);
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(8.5, 9.5, 5, 6), 2, 2);
        break;
    case Icon::ElidedLabel:
        p.drawLine(QPointF(2, 11), QPointF(12, 11));
        p.setBrush(accent);
        for (double x : {14.5, 17.5, 20.5})
            p.drawEllipse(QPointF(x, 11), 1, 1);
        break;
    case Icon::TouchFrame:
        p.drawRect(QRectF(1.5, 1.5, 19, 19));
        p.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(6, 11), QPointF(16, 11));
        p.drawPolyline(QPolygonF({QPointF(13, 8), QPointF(16, 11), QPointF(13, 14)}));
        break;
    case Icon::PushButton:
    case Icon::ToolButton: {
        const QRectF plate = kind == Icon::PushButton ? QRectF(1.5, 5.5, 19, 11) : QRectF(4.5, 4.5, 13, 13);
        p.setBrush(QColor(0xe6, 0xe9, 0xec));
        p.drawRoundedRect(plate, 2, 2);
        // A fingertip held on the button.
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(plate.center(), 3, 3);
        break;
    }
    }
    return pixmap;
}

} // namespace

VexaroCustomWidget::VexaroCustomWidget(const VexaroWidgetDescription &description, QObject *parent)
    : QObject(parent)
    , m_description(description)
{
}

QString VexaroCustomWidget::groupName()
{
    return QStringLiteral("VexaroUI_NEW");
}

QString VexaroCustomWidget::name() const
{
    return QString::fromLatin1(m_description.className);
}

QString VexaroCustomWidget::group() const
{
    return groupName();
}

QString VexaroCustomWidget::toolTip() const
{
    return QString::fromUtf8(m_description.toolTip);
}

QString VexaroCustomWidget::whatsThis() const
{
    return QString::fromUtf8(m_description.whatsThis);
}

QString VexaroCustomWidget::includeFile() const
{
    return QString::fromLatin1(m_description.includeFile);
}

QIcon VexaroCustomWidget::icon() const
{
    QIcon icon;
    for (int size : {16, 22, 32})
        icon.addPixmap(drawIcon(m_description.icon, size));
    return icon;
}

bool VexaroCustomWidget::isContainer() const
{
    return m_description.container;
}

QWidget *VexaroCustomWidget::createWidget(QWidget *parent)
{
    return m_description.create(parent);
}

bool VexaroCustomWidget::isInitialized() const
{
    return m_initialized;
}

void VexaroCustomWidget::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

QString VexaroCustomWidget::domXml() const
{
    // The <customwidget> entry tells Designer the base class, so that the
    // property editor offers the base's properties before any form uses it.
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n%3"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <extends>%4</extends>\n"
                          "   <header>%5</header>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(name(), QString::fromLatin1(m_description.defaultName),
             QString::fromLatin1(m_description.defaultProperties),
             QString::fromLatin1(m_description.baseClass), includeFile());
}
