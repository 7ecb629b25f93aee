// When memory runs out, create_UIFactory() and every creation slot return
// null instead of throwing into a host that called through a C entry point.
//
// The test replaces the non-throwing operator new for the whole process (the
// module's calls bind to the program's definition) and makes it fail on
// demand. The plain operator new and every operator delete are replaced with
// it, so that whatever one of them allocates, the others free the same way
// (AddressSanitizer checks that they match). Without the switch set the same calls must succeed, so a slot that
// returned null for any other reason would fail the first half.

#include "VexaroForms.h"
#include "formslots.h"
#include "uimodule.h"

#include <QtTest/QtTest>

#include <cstdlib>
#include <new>

namespace {
bool s_failNothrowNew = false;
int s_failedAllocations = 0;
} // namespace

Q_DECL_EXPORT void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    if (s_failNothrowNew) {
        ++s_failedAllocations;
        return nullptr;
    }
    return std::malloc(size ? size : 1);
}

Q_DECL_EXPORT void *operator new(std::size_t size)
{
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

Q_DECL_EXPORT void operator delete(void *p) noexcept
{
    std::free(p);
}

Q_DECL_EXPORT void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

Q_DECL_EXPORT void operator delete(void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}

class tst_OutOfMemory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(m_module.load(), qPrintable(m_module.errorString())); }

    void createFactory()
    {
        s_failNothrowNew = true;
        IUIFactory *factory = m_module.createFactory();
        s_failNothrowNew = false;
        QCOMPARE(factory, nullptr);
        QCOMPARE(s_failedAllocations, 1);
    }

    void creationSlots()
    {
        IUIFactory *factory = m_module.createFactory();
        QVERIFY(factory);
        auto release = [](auto *form) {
            if (form)
                form->release();
            return form != nullptr;
        };
        for (int slot = FormSlots::First; slot <= FormSlots::Last; ++slot) {
            QVERIFY2(FormSlots::visit(factory, slot, release), qPrintable(QString::number(slot)));
            s_failedAllocations = 0;
            s_failNothrowNew = true;
            const bool created = FormSlots::visit(factory, slot, release);
            s_failNothrowNew = false;
            QVERIFY2(!created, qPrintable(QString::number(slot)));
            QCOMPARE(s_failedAllocations, 1);
        }
        m_module.destroyFactory(factory);
    }

private:
    UiModule m_module;
};

QTEST_GUILESS_MAIN(tst_OutOfMemory)
#include "tst_outofmemory.moc"
