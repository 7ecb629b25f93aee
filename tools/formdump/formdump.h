#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>

class QWidget;

// What a host sees of a built form, written as stable text for snapshots:
// every member (widget or layout) in tree order with its class, name and
// parent; each widget's stored properties that differ from a default-built
// widget of its class; each layout's margins, spacing, stretches and items
// (spacers with their sizes and policies); and the tab order.
//
// A form is built three times: under Fusion, under an application font
// that differs in size and letter spacing, and under a style with other
// layout margins and spacing. A value that changes with the font is written
// "(follows the font)", one that changes with the style "(from the style)",
// so that the text is the same on every machine and shows where a form
// leaves a value to the host's style.
class FormDump
{
public:
    // Builds one form into the empty host widget it is given.
    using Builder = std::function<void(QWidget *host)>;

    // The whole dump. Leaves the application with the Fusion style.
    static QString dump(const Builder &build);

    // Class, name and parent of every member under 'root', in tree order:
    // the structure, without any property; with 'geometry', each member's
    // geometry too.
    static QStringList structure(QWidget *root, bool geometry = false);
};
