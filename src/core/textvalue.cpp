#include "textvalue.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace kalkora {
namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

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

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos].unicode()))
            ++m_pos;
    }
    QStringView m_text;
    qsizetype m_pos = 0;
};

double radixValue(Reader &in, int base)
{
    double value = 0;
    for (int d = digitValue(in.peek(), base); d >= 0; d = digitValue(in.peek(), base)) {
        value = value * base + d;
        in.advance();
    }
    return value;
}

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
    if (in.peek() == u'&') {
        in.advance();
        const char16_t kind = in.peek();
        if (kind == u'H' || kind == u'h') {
            in.advance();
            return radixValue(in, 16);
        }
        if (kind == u'O' || kind == u'o') {
            in.advance();
            return radixValue(in, 8);
        }
        return 0;
    }

    QByteArray number;
    if (in.peek() == u'+' || in.peek() == u'-') {
        number += char(in.peek());
        in.advance();
    }
    bool anyDigit = false;
    while (isDigit(in.peek())) {
        number += char(in.peek());
        anyDigit = true;
        in.advance();
    }
    if (in.peek() == u'.') {
        number += '.';
        in.advance();
        while (isDigit(in.peek())) {
            number += char(in.peek());
            anyDigit = true;
            in.advance();
        }
    }
    if (!anyDigit)
        return 0;

    const char16_t e = in.peek();
    if (e == u'E' || e == u'e' || e == u'D' || e == u'd') {
        in.advance();
        QByteArray exponent("e");
        if (in.peek() == u'+' || in.peek() == u'-') {
            exponent += char(in.peek());
            in.advance();
        }
        bool expDigit = false;
        while (isDigit(in.peek())) {
            exponent += char(in.peek());
            expDigit = true;
            in.advance();
        }
        if (expDigit)
            number += exponent;
    }
    return toDouble(number);
}

QString decimalText(qint64 value)
{
    return QString::number(value);
}

} // namespace kalkora
