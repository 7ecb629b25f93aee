#pragma once

#include "vexaroui_export.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QPoint>
#include <QtCore/QPointF>
#include <QtWidgets/QFrame>

// A frame that turns a finger (or left-mouse) drag into scroll steps and,
// when the finger lifts, continues the movement as a decelerating fling. It
// moves nothing itself: subclasses override OnTouchMove() to scroll their
// content by each step. The frame also asks the Windows tablet service not to
// turn drags on it into flick gestures.
class VEXAROUI_EXPORT QTouchFrame : public QFrame
{
    Q_OBJECT

public:
    explicit QTouchFrame(QWidget *parent = nullptr);
    ~QTouchFrame() override;

    // Pixels per second squared; values below 100 (and non-finite ones) are
    // refused and leave the deceleration unchanged.
    bool setDeceleration(float value);

    // One step: 'delta' is the movement in frame coordinates in the direction
    // the finger moved, 'msecs' the time it covers. The default only logs.
    virtual void OnTouchMove(QPoint delta, int msecs);

protected:
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // A hidden frame gets no release: its drag and fling end here.
    void hideEvent(QHideEvent *event) override;

private:
    void startFling(const QPointF &velocity);
    void stopFling();
    qint64 restartClock();

    bool m_pressed = false;
    QElapsedTimer m_clock; // monotonic: a clock change must not bend a fling
    QPoint m_lastPos;
    int m_lastStepMs = 0;
    QPoint m_lastDelta;
    int m_timerId = 0;
    QPointF m_direction;
    float m_speed = 0.0f;
    float m_deceleration = 100.0f; // pixels per second squared
};
