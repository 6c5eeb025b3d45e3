#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// An open file descriptor, closed when the object goes. Positioned reads and
// writes only (pread/pwrite), so that no call depends on a shared file offset
// and each large object costs one system call. Every method reports failure
// through its result; callers turn that into the message their user sees.
class FileHandle {
public:
    enum class Mode {
        ReadOnly,
        ReadWrite,
        CreateNew,       // fails if the file exists
        CreateOrReplace, // truncates an existing file; may be read back
    };

    FileHandle() = default;
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Opens hostPath; false (and closed) on failure.
    bool open(const QString& hostPath, Mode mode);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    // Current size in bytes, or -1.
    std::int64_t size() const;

    // Reads exactly length bytes at offset; false on an error or a short file.
    bool readAt(std::int64_t offset, void* buffer, std::size_t length) const;

    // One positioned read into two buffers (a small header and the payload),
    // as a single system call; false on an error or a short file.
    bool readAt2(std::int64_t offset, void* first, std::size_t firstLength,
                 void* second, std::size_t secondLength) const;

    // Writes all of the bytes at offset; false on any error.
    bool writeAt(std::int64_t offset, const void* data, std::size_t length);

    // One positioned write of up to three consecutive pieces.
    bool writeAt3(std::int64_t offset, const void* a, std::size_t aLength,
                  const void* b, std::size_t bLength,
                  const void* c, std::size_t cLength);

    // Whole-file helpers; false when the file cannot be opened, read or
    // written completely.
    static bool readWhole(const QString& hostPath, QByteArray& bytes, std::int64_t maxBytes);

private:
    int m_fd = -1;
};
