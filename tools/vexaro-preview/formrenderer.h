#pragma once

#include "formcatalog.h"

#include <QtCore/QDir>
#include <QtCore/QStringList>

// Renders forms to PNG files and writes a contact sheet (index.html).
class FormRenderer
{
public:
    FormRenderer(const FormCatalog &catalog, const QDir &outputDir);

    // Renders one form: <Name>.png, and for a form with a button, that button
    // hovered, pressed, focused and disabled (<Name>.<state>.png).
    bool render(const FormCatalog::Form &form);

    bool writeIndex(const QString &title);
    QString errorString() const { return m_error; }

private:
    struct Picture
    {
        FormCatalog::Form form;
        QString file;
        QSize size;
        QStringList stateFiles;
        QString stateButton;
    };

    bool save(const QImage &image, const QString &file);

    const FormCatalog &m_catalog;
    QDir m_dir;
    QVector<Picture> m_pictures;
    QString m_error;
};
