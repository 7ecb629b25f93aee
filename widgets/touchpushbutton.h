#pragma once

#include "vexaroui_export.h"

#include <QtWidgets/QPushButton>

#include <memory>

class LongTouch;

// A push button for touch screens: a touch held on it for at least a second
// and then lifted emits rightButtonClicked() instead of a click. It also
// switches off the Windows tablet service's press-and-hold, tap feedback and
// flicks on its window, so that the service does not make its own right
// click out of the held touch.
class VEXAROUI_EXPORT TouchPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TouchPushButton(QWidget *parent = nullptr);
    ~TouchPushButton() override;

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
