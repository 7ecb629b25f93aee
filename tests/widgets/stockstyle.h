#pragma once

#include <QtCore/QScopeGuard>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>

// Rows for verifyDrawsAsStock(): the orientation, the application style set
// after Fusion, and whether the widgets are enabled.
inline void drawsAsStockRows()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("horizontal, then Windows") << Qt::Horizontal << QStringLiteral("Windows") << true;
    QTest::newRow("vertical, then Windows") << Qt::Vertical << QStringLiteral("Windows") << true;
    QTest::newRow("disabled, then a new Fusion") << Qt::Horizontal << QStringLiteral("Fusion") << false;
}

// A custom slider or scroll bar without a style sheet beside its stock base,
// both set up alike: it must paint pixel for pixel and measure as the stock
// one, under the test's Fusion and after QApplication::setStyle() replaced
// the application's style beneath both widgets; its own style changes the
// mouse hints alone. Fusion is the application style again after.
template<class Custom, class Stock>
void verifyDrawsAsStock()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QString, style);
    QFETCH(bool, enabled);
    const auto restore = qScopeGuard([] { QApplication::setStyle(QStringLiteral("Fusion")); });
    Custom custom(nullptr);
    Stock stock(nullptr);
    for (Stock *widget : {static_cast<Stock *>(&custom), &stock}) {
        widget->setOrientation(orientation);
        widget->setRange(0, 100);
        widget->setValue(30);
        widget->setEnabled(enabled);
        widget->resize(orientation == Qt::Horizontal ? QSize(200, 30) : QSize(30, 200));
    }
    for (const QString &step : {QStringLiteral("Fusion"), style}) {
        if (step != QLatin1String("Fusion"))
            QApplication::setStyle(step);
        QVERIFY2(QApplication::style()->objectName().compare(step, Qt::CaseInsensitive) == 0, qPrintable(step));
        QCOMPARE(custom.sizeHint(), stock.sizeHint());
        QCOMPARE(custom.minimumSizeHint(), stock.minimumSizeHint());
        QCOMPARE(custom.grab().toImage(), stock.grab().toImage());
    }
}
