#include "content/ScriptText.h"

#include "platform/AppError.h"

#include <limits>

namespace ScriptText {

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
    if (i >= n)
        return fail();
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return fail();
        value = value * 10 + (c - u'0');
        // Stop once past the int range; the sign is applied below.
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return fail();
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return fail();
    return int(value);
}

} // namespace ScriptText
