#include "problemreporter.h"

#include <QMessageBox>

#include <cstdio>

namespace kalkora {

ProblemReporter::~ProblemReporter() = default;

void ProblemReporter::report(const QString &plain, const QString &detail, Channel channel)
{
    std::fprintf(stderr, "kalkora: %s\n", detail.toLocal8Bit().constData());
    std::fflush(stderr);
    if (channel != Channel::Box)
        return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kalkora gyakorló"), plain,
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kalkora
