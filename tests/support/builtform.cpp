#include "builtform.h"

#include "formslots.h"
#include "placeholderskin.h"
#include "testdata.h"

#include <QtCore/QCoreApplication>
#include <QtTest/QtTest>

#include <QtCore/QtDebug>

IUIFactory *testFactory()
{
    // Lives until the test program ends, as the host's factory does.
    static UiModule *module = [] {
        PlaceholderSkin::install(); // stands in for the host's images
        auto *m = new UiModule;
        if (!m->load())
            qFatal("%s", qPrintable(m->errorString()));
        return m;
    }();
    static IUIFactory *factory = module->createFactory();
    return factory;
}

QWidget *buildFormByName(const QString &form, QWidget *parent)
{
    auto *host = new QWidget(parent);
    for (const TestData::FormRow &row : TestData::forms()) {
        if (row.defaultName != form)
            continue;
        FormSlots::visit(testFactory(), row.slot, [host](auto *object) {
            if (!object)
                qFatal("the factory gave no form object");
            object->setupUi(host);
            object->release();
        });
        return host;
    }
    qFatal("no form called %s", qPrintable(form));
}

QVariant builtProperty(const QString &form, const QString &object, const char *property)
{
    const std::unique_ptr<QWidget> host(buildFormByName(form));
    const QWidget *widget = host->findChild<QWidget *>(object);
    QTest::qVerify(widget != nullptr, "widget", qPrintable(form + QLatin1String(" has no ") + object), __FILE__, __LINE__);
    return widget ? widget->property(property) : QVariant();
}

QFont builtFont(const QString &form, const QString &object)
{
    const std::unique_ptr<QWidget> host(buildFormByName(form));
    QWidget *widget = host->findChild<QWidget *>(object);
    QTest::qVerify(widget != nullptr, "widget", qPrintable(form + QLatin1String(" has no ") + object), __FILE__, __LINE__);
    if (!widget)
        return QFont();
    widget->ensurePolished();
    return widget->font();
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void showAndSettle(QWidget *window)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    settle();
}
