#pragma once
// Helpers shared by the fuzz targets.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace kx2::fuzz {

// A file in memory whose contents each run replaces, opened by path like any file: the
// readers under test open files by name and read them through QFile.
class MemoryFile {
public:
    MemoryFile()
    {
        m_fd = ::memfd_create("kx2_fuzz", 0);
        if (m_fd < 0)
            std::abort();
        m_path = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
    }
    ~MemoryFile() { ::close(m_fd); }

    const QString& path() const { return m_path; }

    void set(const uint8_t* data, size_t size)
    {
        if (::ftruncate(m_fd, 0) != 0)
            std::abort();
        size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pwrite(m_fd, data + done, size - done, off_t(done));
            if (n <= 0)
                std::abort();
            done += size_t(n);
        }
    }
    void set(const QByteArray& bytes) { set(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())); }

private:
    int m_fd = -1;
    QString m_path;
};

// A failed property: abort so that libFuzzer keeps the input.
inline void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace kx2::fuzz
