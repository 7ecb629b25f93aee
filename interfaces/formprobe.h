#pragma once

#include <QtCore/QObject>
#include <QtCore/QVector>
#include <QtWidgets/QSpacerItem>

#include <type_traits>

// What one getter of a form object returned: a QObject (widget or layout) or
// a spacer item, with the name and class that the interface declares.
namespace FormProbe {

struct Entry
{
    const char *getter = nullptr;
    const char *declaredClass = nullptr;
    QObject *object = nullptr;
    QSpacerItem *spacer = nullptr;
};

using Members = QVector<Entry>;

template<class T>
Entry entry(const char *getter, const char *declaredClass, T *result)
{
    Entry e{getter, declaredClass, nullptr, nullptr};
    if constexpr (std::is_base_of_v<QObject, T>)
        e.object = result;
    else if constexpr (std::is_same_v<QSpacerItem, T>)
        e.spacer = result;
    else
        static_assert(std::is_base_of_v<QObject, T>, "a member is neither a QObject nor a spacer");
    return e;
}

} // namespace FormProbe
