#pragma once

#include "vexaroui_export.h"

#include <QtWidgets/QToolButton>

#include <memory>

class LongTouch;

// A tool button for touch screens: a touch held on it for at least a second
// and then lifted emits rightButtonClicked() instead of a click. It also
// switches off the Windows tablet service's press-and-hold, tap feedback and
// flicks on its window, so that the service does not make its own right
// click out of the held touch.
class VEXAROUI_EXPORT TouchToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit TouchToolButton(QWidget *parent = nullptr);
    ~TouchToolButton() override;

Q_SIGNALS:
    void rightButtonClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Watches for the start of a touch contact; never consumes a message.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#else
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
#endif

private:
    const std::unique_ptr<LongTouch> d;
};
