// An hour's use and far more: 100 000 counted checks on the addition page in one run,
// through its widgets, right, wrong and empty answers mixed. The labels, the
// counters and the history must agree all along, and the heap must grow by no
// more than the history rows it keeps. The growth is printed for the record.

#include "app/drillpage.h"
#include "app/mainwindow.h"
#include "core/drillset.h"
#include "core/historymodel.h"
#include "core/percentage.h"
#include "core/random.h"
#include "core/textvalue.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <malloc.h>

#ifndef __has_feature // GCC tells of AddressSanitizer by __SANITIZE_ADDRESS__ only
#define __has_feature(x) 0
#endif

using namespace kalkora;

class TestHeavyUse : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hundredThousandChecks();
};

void TestHeavyUse::hundredThousandChecks()
{
    const SystemClock clock;
    Generator generator(clock);
    DrillSet drills(generator);
    drills.poseFirstProblems();
    MainWindow window(drills);
    DrillPage *page = window.page(0);
    const DrillSession &s = page->session();

    // Bytes handed out by malloc and not yet freed: unlike the resident size
    // this goes down again when memory is freed, so earlier tests do not blur it.
    const auto heapInUse = [] {
        const struct mallinfo2 info = mallinfo2();
        return qint64(info.uordblks + info.hblkhd);
    };
    const qint64 heapBefore = heapInUse();
    qint64 given = 0, right = 0;
    for (int i = 0; given < 100'000; ++i) {
        // Every eleventh answer is left empty (and not counted), every seventh is wrong.
        const bool empty = i % 11 == 10, wrong = !empty && i % 7 == 6;
        const auto answer = qint64(s.rules().expected(s.problem())) + (wrong ? 1 : 0);
        page->answerField()->setText(empty ? QString() : decimalText(answer));
        page->check();
        given += !empty;
        right += !empty && !wrong;
        if (i % 10'000 == 9'999) { // what the child sees
            QCoreApplication::processEvents();
            QStringList labels;
            for (const char *name : {"lbFeladva", "lbJo", "lbHibas", "lbSzazalek"})
                labels << page->findChild<QLabel *>(QLatin1String(name))->text();
            QCOMPARE(labels,
                     (QStringList{decimalText(given), decimalText(right),
                                  decimalText(given - right), percentCaption(right, given)}));
            QCOMPARE(s.history()->rowCount(), given);
        }
    }

    const qint64 growth = heapInUse() - heapBefore;
    qInfo("%lld history rows: heap in use grew by %lld kB, %lld bytes per row", given,
          growth / 1024, growth / given);
    // A history row holds three short texts, some 200 bytes with its list
    // entry and the allocator's rounding; a widget or an item object per row
    // would cost far more. The 2 MB are the allocator's own slack.
#if !defined(__SANITIZE_ADDRESS__) && !__has_feature(address_sanitizer) // its heap is not glibc's
    QVERIFY2(growth <= 2 * 1024 * 1024 + 400 * given, qPrintable(QString::number(growth)));
#endif
}

QTEST_MAIN(TestHeavyUse)
#include "tst_heavyuse.moc"
