#include "skinimagenames.h"

#include "placeholderskin.h"

#include <QtCore/QCryptographicHash>
#include <QtGui/QIcon>
#include <QtGui/QImage>
#include <QtGui/QPixmap>

SkinImageNames::SkinImageNames()
{
    PlaceholderSkin::install();
    for (const PlaceholderSkin::Image &image : PlaceholderSkin::manifest()) {
        const QImage picture(QString::fromLatin1(PlaceholderSkin::Prefix) + image.name);
        if (picture.isNull())
            continue;
        QString &names = m_names[key(picture)];
        // Two images with the same pixels are told apart by neither Qt nor us.
        names = names.isEmpty() ? image.name : names + QLatin1Char('|') + image.name;
    }
}

QByteArray SkinImageNames::key(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < argb.height(); ++y)
        hash.addData(reinterpret_cast<const char *>(argb.constScanLine(y)), argb.width() * 4);
    return QByteArray::number(argb.width()) + 'x' + QByteArray::number(argb.height()) + hash.result();
}

QString SkinImageNames::name(const QPixmap &pixmap) const
{
    if (pixmap.isNull())
        return QStringLiteral("none");
    const QString found = m_names.value(key(pixmap.toImage()));
    if (!found.isEmpty())
        return found;
    return QStringLiteral("generated %1x%2").arg(pixmap.width()).arg(pixmap.height());
}

QString SkinImageNames::describe(const QIcon &icon) const
{
    if (icon.isNull())
        return QStringLiteral("none");
    QStringList modes;
    const std::pair<QIcon::Mode, const char *> wanted[] = {{QIcon::Normal, "normal"}, {QIcon::Disabled, "disabled"}};
    for (const auto &[mode, label] : wanted) {
        QStringList states;
        for (QIcon::State state : {QIcon::Off, QIcon::On}) {
            // The largest picture of the mode, at its own size, so that the
            // pixels are the file's and not a scaled copy.
            const QSize size = icon.actualSize(QSize(4096, 4096), mode, state);
            states.append(name(icon.pixmap(size, mode, state)));
        }
        if (states.first() == states.last())
            states.removeLast();
        modes.append(QString::fromLatin1(label) + QStringLiteral(": ") + states.join(QStringLiteral(" / ")));
    }
    return modes.join(QStringLiteral("; "));
}
