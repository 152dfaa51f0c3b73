#include "app/CliOutput.h"

#include <cerrno>
#include <unistd.h>

CliOutput::CliOutput(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

qint64 CliOutput::writeData(const char *data, qint64 size)
{
    if (m_failed)
        return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t written = ::write(m_fd, data + done, size_t(size - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_failed = true;
            m_failure = qt_error_string(written < 0 ? errno : ENOSPC);
            setErrorString(m_failure);
            return -1;
        }
        done += written;
    }
    return done;
}
