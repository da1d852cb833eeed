// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/filefaultreporter.h"

#include "app/wording.h"

#include <QLoggingCategory>
#include <QMessageBox>

namespace kalkora {

namespace {
// Qt's log writes the detail to standard error as "kalkora: ...", and
// QT_LOGGING_RULES can silence it.
Q_LOGGING_CATEGORY(lcSettingsFile, "kalkora")
} // namespace

FileFaultReporter::~FileFaultReporter() = default;

void FileFaultReporter::loadFailed(const QString &path, const QString &detail)
{
    report(kLoadFailed.toString().arg(path), detail, Channel::Box);
}

void FileFaultReporter::saveFailed(const QString &path, const QString &detail, Channel channel)
{
    report(kSaveFailed.toString().arg(path), detail, channel);
}

void FileFaultReporter::report(const QString &plain, const QString &detail, Channel channel)
{
    qCWarning(lcSettingsFile).noquote() << detail;
    if (channel != Channel::Box)
        return;
    QMessageBox box(QMessageBox::Warning, kWindowTitle.toString(), plain, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kalkora
