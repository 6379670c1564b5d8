#pragma once
// While one of these lives, files may not grow beyond `bytes` (a write past
// it fails instead of raising SIGXFSZ): a full disk, as the writers see it.
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_set = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = m_old;
        tiny.rlim_cur = bytes;
        m_set = m_set && setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool isSet() const { return m_set; }

private:
    struct rlimit m_old {};
    void (*m_handler)(int) = SIG_DFL;
    bool m_set = false;
};
