// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dialogs.h"

#include <QLoggingCategory>

namespace kalkora {
namespace {
// QT_LOGGING_RULES="kalkora.warning=false" silences it.
Q_LOGGING_CATEGORY(lcSettingsFile, "kalkora")
} // namespace

Dialogs::~Dialogs() = default;

void Dialogs::reportFileFault(QWidget *window, const QString &plain, const QString &detail,
                              Channel channel, std::function<void()> then)
{
    qCWarning(lcSettingsFile).noquote() << detail;
    if (!then)
        then = [] {};
    if (channel == Channel::Box)
        showFault(window, plain, std::move(then));
    else
        then();
}

} // namespace kalkora
