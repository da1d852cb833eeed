#include "percentage.h"

#include <cmath>

namespace kalkora {

QString percentCaption(qint64 right, qint64 given)
{
    if (given <= 0)
        return QStringLiteral("100 %");
    const double share = double(right) / double(given) * 100.0;
    const double whole = std::round(share); // halves away from zero
    const QString digits = whole == 0 ? QString() : QString::number(qint64(whole));
    return digits + QStringLiteral(" %");
}

} // namespace kalkora
