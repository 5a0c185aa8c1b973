#include "WriteSeam.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

WriteSeam systemCalls;
WriteSeam *active = &systemCalls;

} // namespace

qint64 WriteSeam::write(int fd, const char *data, qint64 size)
{
#ifdef Q_OS_WIN
    return ::_write(fd, data, unsigned(size));
#else
    return ::write(fd, data, size_t(size));
#endif
}

int WriteSeam::sync(int fd)
{
#ifdef Q_OS_WIN
    return ::_commit(fd);
#else
    return ::fsync(fd);
#endif
}

int WriteSeam::rename(const char *from, const char *to)
{
    return std::rename(from, to);
}

WriteSeam &WriteSeam::current()
{
    return *active;
}

WriteSeam::Use::Use(WriteSeam &seam)
    : m_previous(active)
{
    active = &seam;
}

WriteSeam::Use::~Use()
{
    active = m_previous;
}
