// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/filefaultreporter.h"

#include "app/wording.h"

#include <QMessageBox>

#include <cstdio>

namespace kalkora {

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
    std::fprintf(stderr, "kalkora: %s\n", detail.toLocal8Bit().constData());
    std::fflush(stderr);
    if (channel != Channel::Box)
        return;
    QMessageBox box(QMessageBox::Warning, kWindowTitle.toString(), plain, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kalkora
