#pragma once

#include "formcatalog.h"

#include <QtCore/QDir>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

class IUIFactory;
class QTranslator;

// A static HTML reference of the forms' getters, for host developers who
// wire behaviour to members called frame_6 or label_26: index.html with every
// form, and per form <Form>.html with its picture, every member widget's
// rectangle drawn over it, and a table of every getter in slot order (class,
// parent, rectangle, texts in Danish and English, accessible name). Pointing
// at a row outlines its member in the picture; pointing at the picture names
// the widget there. The pages need nothing but their folder: the CSS and the
// script are inline, the pictures are PNG files beside them.
class Atlas
{
public:
    // The whole job: loads the module by name as a host does, and writes the
    // atlas of the forms named (all when none are) to 'outDir'. 'report'
    // gets what was written, or why nothing was.
    static bool write(const QString &module, const QStringList &forms, const QString &outDir, QTranslator *english,
                      QString *report);

    // 'english' is the module's English translation; it is installed only
    // while a form is built a second time for its English texts.
    Atlas(IUIFactory *factory, const QDir &outputDir, QTranslator *english);

    bool writeForm(const FormCatalog::Form &form);
    bool writeIndex();
    QString errorString() const { return m_error; }

private:
    struct Entry
    {
        FormCatalog::Form form;
        int getters = 0;
    };

    bool save(const QString &file, const QString &html);

    IUIFactory *m_factory;
    QDir m_dir;
    QTranslator *m_english;
    QVector<Entry> m_forms;
    QString m_error;
};
