#pragma once

#include <QIODevice>
#include <QString>

// Standard output of motra-cli as a device whose failures are never lost: every write goes
// to the descriptor at once, a short write is continued, and the first failure (a full
// disk, a closed pipe) is kept with the system's reason.
class CliOutput : public QIODevice
{
public:
    explicit CliOutput(int fd);

    bool failed() const { return m_failed; }
    QString failure() const { return m_failure; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    int m_fd;
    bool m_failed = false;
    QString m_failure;
};
