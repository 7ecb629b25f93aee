#pragma once

#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QStringList>

// Compares a host's images with the ones the forms use.
class ResourceCheck
{
public:
    // Reads the images a host offers under ":/quorvel/UIResources/": a .qrc
    // file, or a folder holding the images (directly, or under
    // quorvel/UIResources/). False, with errorString(), if 'path' is neither.
    bool read(const QString &path);
    QString errorString() const { return m_error; }

    // Names the forms need that the host lacks, and names it has that no form
    // uses; both sorted.
    QStringList missing(const QSet<QString> &needed) const;
    QStringList unused(const QSet<QString> &needed) const;

    const QSet<QString> &available() const { return m_available; }

private:
    bool readQrc(const QString &path);
    bool readFolder(const QString &path);

    QSet<QString> m_available;
    QString m_error;
};
