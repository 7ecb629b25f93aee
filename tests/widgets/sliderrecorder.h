#pragma once

#include <QtCore/QStringList>
#include <QtWidgets/QAbstractSlider>

// Logs what a slider or scroll bar tells its users, in order, noting whether
// each value change came while the handle was held (a user seek).
struct SliderRecorder
{
    explicit SliderRecorder(QAbstractSlider *slider)
    {
        QObject::connect(slider, &QAbstractSlider::sliderPressed, [this] { log << QStringLiteral("pressed"); });
        QObject::connect(slider, &QAbstractSlider::sliderReleased, [this] { log << QStringLiteral("released"); });
        QObject::connect(slider, &QAbstractSlider::valueChanged, [this, slider](int value) {
            log << QStringLiteral("value %1%2").arg(value).arg(slider->isSliderDown() ? QStringLiteral(" held") : QString());
        });
    }
    QStringList log;
};
