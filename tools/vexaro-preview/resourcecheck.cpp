#include "resourcecheck.h"

#include <QtCore/QDir>
#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QXmlStreamReader>

#include <algorithm>

namespace {
const QString kPrefix = QStringLiteral("/quorvel/UIResources/");

QStringList sorted(QSet<QString> names)
{
    QStringList list(names.begin(), names.end());
    std::sort(list.begin(), list.end());
    return list;
}
} // namespace

bool ResourceCheck::read(const QString &path)
{
    m_available.clear();
    m_error.clear();
    const QFileInfo info(path);
    if (info.isDir())
        return readFolder(path);
    if (info.isFile() && path.endsWith(QLatin1String(".qrc"), Qt::CaseInsensitive))
        return readQrc(path);
    m_error = info.exists() ? QStringLiteral("%1 is neither a folder nor a .qrc file").arg(path)
                            : QStringLiteral("%1 does not exist").arg(path);
    return false;
}

bool ResourceCheck::readFolder(const QString &path)
{
    QDir base(path);
    if (base.exists(QStringLiteral("quorvel/UIResources")))
        base.cd(QStringLiteral("quorvel/UIResources"));
    QDirIterator it(base.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        m_available.insert(base.relativeFilePath(it.next()));
    return true;
}

bool ResourceCheck::readQrc(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QXmlStreamReader xml(&file);
    QString prefix;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("qresource")) {
            prefix = xml.attributes().value(QLatin1String("prefix")).toString();
        } else if (xml.name() == QLatin1String("file")) {
            const QString alias = xml.attributes().value(QLatin1String("alias")).toString();
            const QString file = xml.readElementText();
            // The resource path is the prefix plus the alias, or the file's path.
            QString resource = QDir::cleanPath(QLatin1Char('/') + prefix + QLatin1Char('/')
                                               + (alias.isEmpty() ? file : alias));
            if (resource.startsWith(kPrefix))
                m_available.insert(resource.mid(kPrefix.size()));
        }
    }
    if (xml.hasError()) {
        m_error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

QStringList ResourceCheck::missing(const QSet<QString> &needed) const
{
    return sorted(QSet<QString>(needed).subtract(m_available));
}

QStringList ResourceCheck::unused(const QSet<QString> &needed) const
{
    return sorted(QSet<QString>(m_available).subtract(needed));
}
