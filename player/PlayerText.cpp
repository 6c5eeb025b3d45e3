#include "player/PlayerText.h"

#include "platform/AppError.h"

#include <limits>

namespace PlayerText {

int pos(const QString& needle, const QString& text)
{
    return text.indexOf(needle) + 1;
}

QString copy(const QString& text, int start, int count)
{
    if (start < 1)
        start = 1;
    if (count < 1 || start > text.size())
        return {};
    return text.mid(start - 1, count);
}

int toInt(const QString& text)
{
    const auto fail = [&text]() -> int {
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    };
    int i = 0;
    const int n = int(text.size());
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text.at(i) == QLatin1Char('0')
               && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return fail();
    // Stop once past the int range; the sign is applied at the end.
    qint64 value = 0;
    for (; i < n; ++i) {
        const int digit = text.at(i).digitValue() >= 0 && text.at(i).unicode() < 128
            ? text.at(i).digitValue()
            : (base == 16 && QStringLiteral("abcdef").contains(text.at(i).toLower())
                   ? 10 + (text.at(i).toLower().unicode() - 'a')
                   : -1);
        if (digit < 0 || digit >= base)
            return fail();
        value = value * base + digit;
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return fail();
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return fail();
    return int(value);
}

} // namespace PlayerText
