// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/textvalue.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

#include <string_view>

namespace kalkora {
namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The value of c as a digit of the base, or -1.
int digitValue(char16_t c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c - u'A' + 10;
    return v < base ? v : -1;
}

// Walks the text with blanks skipped, so "1 2" reads as "12".
class Reader
{
public:
    explicit Reader(QStringView text) : m_text(text) { skip(); }
    char16_t peek() const { return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0'; }
    void advance()
    {
        ++m_pos;
        skip();
    }
    // Takes the next character when it is one of `any`.
    bool take(std::u16string_view any)
    {
        if (peek() == u'\0' || any.find(peek()) == std::u16string_view::npos)
            return false;
        advance();
        return true;
    }
    // Takes the digits of the base that come next, each handed to `digit`;
    // false when there was none.
    template <typename Digit> bool digits(int base, Digit digit)
    {
        bool any = false;
        for (int d = digitValue(peek(), base); d >= 0; d = digitValue(peek(), base)) {
            digit(d);
            any = true;
            advance();
        }
        return any;
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos].unicode()))
            ++m_pos;
    }
    QStringView m_text;
    qsizetype m_pos = 0;
};

double toDouble(const QByteArray &number)
{
    // strtod follows LC_NUMERIC; the text value never does.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.constData(), nullptr, cLocale);
}

} // namespace

double textValue(QStringView text)
{
    Reader in(text);
    if (in.take(u"&")) {
        const int base = in.take(u"Hh") ? 16 : in.take(u"Oo") ? 8 : 0;
        double value = 0;
        if (base)
            in.digits(base, [&](int d) { value = value * base + d; });
        return value;
    }

    // The number is gathered as plain C text for strtod.
    QByteArray number;
    const auto decimal = [&number](int d) { number += char('0' + d); };
    if (const char16_t sign = in.peek(); in.take(u"+-"))
        number += char(sign);
    bool anyDigit = in.digits(10, decimal);
    if (in.take(u".")) {
        number += '.';
        anyDigit = in.digits(10, decimal) || anyDigit;
    }
    if (!anyDigit)
        return 0;

    if (in.take(u"EeDd")) {
        const qsizetype mantissa = number.size();
        number += 'e';
        if (const char16_t sign = in.peek(); in.take(u"+-"))
            number += char(sign);
        // An exponent without digits is no exponent: "4E-x" is 4.
        if (!in.digits(10, decimal))
            number.truncate(mantissa);
    }
    return toDouble(number);
}

QString decimalText(qint64 value)
{
    return QString::number(value);
}

} // namespace kalkora
