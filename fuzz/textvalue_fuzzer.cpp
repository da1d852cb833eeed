// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary texts to the text-value reader and checks the properties
// every caller relies on: it never answers NaN, blanks never matter, a
// character that cannot continue a number never changes the value, a minus
// sign in front of a plain number negates it, and whole numbers written as
// decimal text read back as themselves.

#include "core/textvalue.h"
#include "fuzzinput.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what, const QString &text)
{
    if (ok)
        return;
    std::fprintf(stderr, "textvalue: %s for \"%s\"\n", what, qPrintable(text));
    std::abort();
}

// The very same double, +0 and -0 told apart: skipping a blank or stopping at
// a letter must not change even the sign of a zero.
bool same(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

bool startsPlainNumber(const QString &text)
{
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        return c.unicode() == u'.' || (c.unicode() >= u'0' && c.unicode() <= u'9');
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kalkora::fuzz::FuzzInput in(data, size);
    // The first byte chooses whether a whole number comes before the text.
    if (in.byte() & 1) {
        const auto n = qint64(in.word());
        const QString text = kalkora::decimalText(n);
        require(kalkora::textValue(text) == double(n), "decimal text does not read back", text);
        require(!text.startsWith(u'0') || n == 0, "leading zero", text);
    }

    const QString text = in.text();
    const double value = kalkora::textValue(text);
    require(!std::isnan(value), "NaN", text);

    QString bare = text;
    bare.remove(u' ').remove(u'\t').remove(u'\n');
    require(same(kalkora::textValue(bare), value), "blanks changed the value", text);

    require(same(kalkora::textValue(QString(text + u'x')), value),
            "a trailing 'x' changed the value", text);
    // A text with no digits reads as 0 whatever its sign, so zeros compare
    // without their sign here.
    if (startsPlainNumber(text))
        require(kalkora::textValue(QString(u'-' + text)) == -value, "'-' in front did not negate",
                text);
    return 0;
}
