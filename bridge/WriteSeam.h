#pragma once

#include <QtGlobal>

// The system calls that put a file on disk. The program uses the system's own; tests put
// in one that fails at a chosen point (a full disk, a failing drive) to see that no file
// is lost. Process-wide, because the settings library calls its writer without context.
class WriteSeam
{
public:
    virtual ~WriteSeam() = default;

    // As write(2), fsync(2) and rename(2): -1 with errno set on failure.
    virtual qint64 write(int fd, const char *data, qint64 size);
    virtual int sync(int fd);
    virtual int rename(const char *from, const char *to);

    static WriteSeam &current();

    // Puts `seam` in place until the guard goes.
    class Use
    {
    public:
        explicit Use(WriteSeam &seam);
        ~Use();
        Use(const Use &) = delete;
        Use &operator=(const Use &) = delete;

    private:
        WriteSeam *m_previous;
    };
};
