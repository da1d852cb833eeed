// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/appicon.h"

namespace kalkora {

QIcon appIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/kalkora-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/kalkora-32.png"), QSize(32, 32));
    return icon;
}

} // namespace kalkora
