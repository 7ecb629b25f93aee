#include "heapusage.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool HeapUsage::available()
{
#if defined(__GLIBC__)
    return true;
#else
    return false;
#endif
}

qint64 HeapUsage::inUse()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#elif defined(__GLIBC__)
    // mallinfo's int fields wrap beyond 2 GiB; good enough before 2.33.
    const struct mallinfo info = mallinfo();
    return qint64(unsigned(info.uordblks)) + qint64(unsigned(info.hblkhd));
#else
    return 0;
#endif
}
