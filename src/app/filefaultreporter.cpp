// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/filefaultreporter.h"

#include "app/wording.h"

#include <QMessageBox>

#include <cstdio>

namespace kalkora {

FileFaultReporter::~FileFaultReporter() = default;

void FileFaultReporter::loadFailed(const QString &detail)
{
    report(QStringLiteral("A beállításokat nem sikerült betölteni a set.dat fájlból. "
                          "A program az alapbeállításokkal indul."),
           detail, Channel::Box);
}

void FileFaultReporter::saveFailed(const QString &detail, Channel channel)
{
    report(QStringLiteral("A beállításokat nem sikerült elmenteni a set.dat fájlba."), detail,
           channel);
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
