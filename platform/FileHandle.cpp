#include "platform/FileHandle.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <utility>

namespace {

// Advances an iovec array past done bytes (after a short transfer).
void advance(iovec*& iov, int& count, std::size_t done)
{
    while (count > 0 && done >= iov->iov_len) {
        done -= iov->iov_len;
        ++iov;
        --count;
    }
    if (count > 0) {
        iov->iov_base = static_cast<char*>(iov->iov_base) + done;
        iov->iov_len -= done;
    }
}

std::size_t total(const iovec* iov, int count)
{
    std::size_t sum = 0;
    for (int i = 0; i < count; ++i)
        sum += iov[i].iov_len;
    return sum;
}

// A regular file read or written in one call returns everything unless a
// signal interrupts it; the loops only guard against that.
bool readAllAt(int fd, iovec* iov, int count, std::int64_t offset)
{
    while (total(iov, count) > 0) {
        const ssize_t n = count == 1 ? ::pread(fd, iov->iov_base, iov->iov_len, offset)
                                     : ::preadv(fd, iov, count, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // error or end of file before all bytes came
        offset += n;
        advance(iov, count, static_cast<std::size_t>(n));
    }
    return true;
}

bool writeAllAt(int fd, iovec* iov, int count, std::int64_t offset)
{
    while (total(iov, count) > 0) {
        const ssize_t n = count == 1 ? ::pwrite(fd, iov->iov_base, iov->iov_len, offset)
                                     : ::pwritev(fd, iov, count, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        offset += n;
        advance(iov, count, static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

FileHandle::~FileHandle()
{
    close();
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

bool FileHandle::open(const QString& hostPath, Mode mode)
{
    close();
    int flags = O_CLOEXEC;
    switch (mode) {
    case Mode::ReadOnly: flags |= O_RDONLY; break;
    case Mode::ReadWrite: flags |= O_RDWR; break;
    case Mode::CreateNew: flags |= O_RDWR | O_CREAT | O_EXCL; break;
    case Mode::CreateOrReplace: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    }
    const QByteArray name = QFile::encodeName(hostPath);
    if (name.isEmpty())
        return false;
    int fd;
    do {
        fd = ::open(name.constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    // A directory opens read-only without complaint but is no file to us
    // (opening one for writing fails by itself, so only reading checks).
    if (mode == Mode::ReadOnly) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
            ::close(fd);
            return false;
        }
    }
    m_fd = fd;
    return true;
}

void FileHandle::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

std::int64_t FileHandle::size() const
{
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return -1;
    return st.st_size;
}

bool FileHandle::readAt(std::int64_t offset, void* buffer, std::size_t length) const
{
    if (m_fd < 0 || offset < 0)
        return false;
    iovec iov[1] = {{buffer, length}};
    return readAllAt(m_fd, iov, 1, offset);
}

bool FileHandle::readAt2(std::int64_t offset, void* first, std::size_t firstLength,
                         void* second, std::size_t secondLength) const
{
    if (m_fd < 0 || offset < 0)
        return false;
    iovec iov[2] = {{first, firstLength}, {second, secondLength}};
    return readAllAt(m_fd, iov, 2, offset);
}

bool FileHandle::writeAt(std::int64_t offset, const void* data, std::size_t length)
{
    if (m_fd < 0 || offset < 0)
        return false;
    iovec iov[1] = {{const_cast<void*>(data), length}};
    return writeAllAt(m_fd, iov, 1, offset);
}

bool FileHandle::writeAt3(std::int64_t offset, const void* a, std::size_t aLength,
                          const void* b, std::size_t bLength,
                          const void* c, std::size_t cLength)
{
    if (m_fd < 0 || offset < 0)
        return false;
    iovec iov[3] = {{const_cast<void*>(a), aLength},
                    {const_cast<void*>(b), bLength},
                    {const_cast<void*>(c), cLength}};
    return writeAllAt(m_fd, iov, 3, offset);
}

bool FileHandle::readWhole(const QString& hostPath, QByteArray& bytes, std::int64_t maxBytes)
{
    FileHandle file;
    if (!file.open(hostPath, Mode::ReadOnly))
        return false;
    const std::int64_t size = file.size();
    if (size < 0 || size > maxBytes)
        return false;
    bytes = QByteArray(static_cast<qsizetype>(size), Qt::Uninitialized);
    return size == 0 || file.readAt(0, bytes.data(), static_cast<std::size_t>(size));
}
