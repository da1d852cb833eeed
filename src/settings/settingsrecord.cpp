// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settingsrecord.h"

#include "core/textvalue.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalkora {

SettingsRecord::Fields SettingsRecord::decode(QByteArrayView file)
{
    Fields fields;
    for (int i = 0; i < FieldCount && 2 * i + 2 <= file.size(); ++i)
        fields[i] = qFromLittleEndian<qint16>(file.data() + 2 * i);
    return fields;
}

qint16 SettingsRecord::fieldValue(QStringView text)
{
    constexpr double low = std::numeric_limits<qint16>::min();
    constexpr double high = std::numeric_limits<qint16>::max();
    const double value = textValue(text);
    if (std::isnan(value))
        return 0;
    // Both ends are whole numbers, so holding the value within them before
    // rounding gives the same as rounding first, and keeps infinities out of
    // the arithmetic. The default rounding mode takes halves to the even one.
    return qint16(std::nearbyint(std::clamp(value, low, high)));
}

QByteArray SettingsRecord::encode(const Texts &limitTexts, QByteArrayView file)
{
    QByteArray image = file.toByteArray();
    if (image.size() < Size)
        image.resize(Size);
    for (int i = 0; i < FieldCount; ++i)
        qToLittleEndian<qint16>(fieldValue(limitTexts[i]), image.data() + 2 * i);
    return image;
}

} // namespace kalkora
