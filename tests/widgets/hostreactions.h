#pragma once

#include <QtCore/QEvent>
#include <QtCore/QObject>
#include <QtCore/QVector>

// What a host does from a widget's own signal: closing the panel deletes the
// widget while the widget is still inside its event handler.
template<class Widget, class Signal>
void deleteFromSignal(Widget *widget, Signal signal)
{
    QObject::connect(widget, signal, widget, [widget] { delete widget; });
}

// Counts the events of the given types that reach 'watched' (typically the
// parent of a widget under test: an event the widget ignores goes on there).
class EventCounter : public QObject
{
public:
    EventCounter(QObject *watched, QVector<QEvent::Type> types)
        : m_types(std::move(types))
    {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (m_types.contains(event->type()))
            ++count;
        return false;
    }

private:
    QVector<QEvent::Type> m_types;
};
