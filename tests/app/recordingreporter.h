#pragma once

#include "problemreporter.h"

#include <QList>

namespace kalkora::test {

// Keeps the reports instead of showing them.
class RecordingReporter final : public ProblemReporter
{
public:
    struct Report
    {
        QString plain;
        QString detail;
        Channel channel;
    };
    void report(const QString &plain, const QString &detail, Channel channel) override
    {
        reports.append({plain, detail, channel});
    }
    QList<Report> reports;
};

} // namespace kalkora::test
