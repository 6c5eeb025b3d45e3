#pragma once

#include <QString>

#include <stdexcept>

// The one failure type of the program. It carries the exact text that the
// error box shows (before the box adds its full stop).
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message);

    QString message() const { return m_message; }

private:
    QString m_message;
};
