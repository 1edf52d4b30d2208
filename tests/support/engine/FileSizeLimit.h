#pragma once

#include <csignal>
#include <sys/resource.h>

// Makes the file system refuse to grow any file beyond `bytes` bytes, even
// for root, until destroyed: a full disk, in a test. SIGXFSZ is ignored
// meanwhile, so a write beyond the limit comes back short instead of ending
// the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
    bool m_active = false;
};
