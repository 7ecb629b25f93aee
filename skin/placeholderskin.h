#pragma once

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QVector>

// Stand-in artwork for every image the forms name, under the same resource
// prefix as the host's own (":/quorvel/UIResources/"). For the preview tool
// and the tests only: the module itself carries no images.
namespace PlaceholderSkin {

struct Image
{
    QString name; // file name under the prefix
    QSize size;   // the smallest size that suits how the sheets use it
};

constexpr char Prefix[] = ":/quorvel/UIResources/";

// Registers the placeholder images with Qt's resource system.
void install();

// The skin manifest: every image the forms use, sorted by name.
QVector<Image> manifest();

} // namespace PlaceholderSkin
