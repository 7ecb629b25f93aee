#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QString>

class QIcon;
class QImage;
class QPixmap;

// Names the skin images that a widget's icon or pixmap shows. Qt keeps no
// file name in a loaded QIcon or QPixmap, so the pictures are recognised by
// their pixels among the placeholder skin's images.
class SkinImageNames
{
public:
    SkinImageNames();

    // "icon_vol.png", "generated WxH" for a picture that is no skin image
    // (a disabled look Qt made, say), "none" for a null picture.
    QString name(const QPixmap &pixmap) const;

    // The pictures of the normal and disabled modes, off and on:
    // "normal: icon_vol.png; disabled: icon_vol_disable.png", with "/" between
    // off and on when they differ.
    QString describe(const QIcon &icon) const;

private:
    static QByteArray key(const QImage &image);

    QHash<QByteArray, QString> m_names;
};
