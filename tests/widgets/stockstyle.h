#pragma once

#include <QtCore/QScopeGuard>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>

// A custom widget beside its stock base, both set up alike by 'setUp': it
// must paint pixel for pixel and measure as the stock one, under the test's
// Fusion and after QApplication::setStyle(style) replaced the application's
// style beneath both widgets. Fusion is the application style again after.
template<class Custom, class Stock, class SetUp>
void verifyDrawsAsStock(const QString &style, SetUp setUp)
{
    const auto restore = qScopeGuard([] { QApplication::setStyle(QStringLiteral("Fusion")); });
    Custom custom(nullptr);
    Stock stock(nullptr);
    setUp(&custom);
    setUp(&stock);
    for (const QString &step : {QStringLiteral("Fusion"), style}) {
        if (step != QLatin1String("Fusion"))
            QApplication::setStyle(step);
        QVERIFY2(QApplication::style()->objectName().compare(step, Qt::CaseInsensitive) == 0, qPrintable(step));
        QCOMPARE(custom.sizeHint(), stock.sizeHint());
        QCOMPARE(custom.minimumSizeHint(), stock.minimumSizeHint());
        QCOMPARE(custom.grab().toImage(), stock.grab().toImage());
    }
}
