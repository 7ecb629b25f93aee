#include "placeholderskin.h"

#include <QtCore/QFile>
#include <QtCore/QStringList>

static void initResources()
{
    Q_INIT_RESOURCE(placeholderskin);
}

namespace PlaceholderSkin {

void install()
{
    initResources(); // Q_INIT_RESOURCE cannot be used inside a namespace
}

QVector<Image> manifest()
{
    install();
    QFile file(QStringLiteral(":/vexaro/images.tsv"));
    QVector<Image> images;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return images;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() >= 3)
            images.append({f[0], QSize(f[1].toInt(), f[2].toInt())});
    }
    return images;
}

} // namespace PlaceholderSkin
