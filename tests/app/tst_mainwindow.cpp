#include "drillpage.h"
#include "fakerandom.h"
#include "mainwindow.h"
#include "tabstrip.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace kalkora;
using namespace kalkora::test;

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void frameAndTabs();
    void oneTickHidesTheBannersOfAllPages();
    void everyCheckRestartsTheBannerTimer();
    void tabOrder_data();
    void tabOrder();

private:
    ScriptedRandom *m_random = nullptr;
    MainWindow *m_window = nullptr;
};

void TestMainWindow::init()
{
    m_random = new ScriptedRandom;
    m_window = new MainWindow(*m_random);
    m_window->poseFirstProblems();
}

void TestMainWindow::cleanup()
{
    delete m_window;
    delete m_random;
}

void TestMainWindow::frameAndTabs()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Kalkora gyakorló"));
    QCOMPARE(m_window->objectName(), QStringLiteral("Kalkora"));
    QCOMPARE(m_window->tabStrip()->geometry(), QRect(3, 21, 661, 346)); // in 96-dpi pixels
    QCOMPARE(m_window->tabStrip()->objectName(), QStringLiteral("SSTab1"));
    QTabBar *tabs = m_window->tabStrip()->tabBar();
    const QStringList captions{"Összeadás", "Kivonás", "Pótlás", "Szorzás", "Osztás"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(tabs->tabText(i), captions.at(i));
    QCOMPARE(tabs->currentIndex(), 0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(tabs->height(), 35); // 520 twips
    QVERIFY(m_window->page(0)->isVisible());
    for (int i = 1; i < m_window->pageCount(); ++i)
        QVERIFY(!m_window->page(i)->isVisible());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QTimer *timer = m_window->bannerTimer(); // runs from the start
    QCOMPARE(timer->objectName(), QStringLiteral("Timer1"));
    QCOMPARE(timer->interval(), 3000);
    QVERIFY(timer->isActive());
}

void TestMainWindow::oneTickHidesTheBannersOfAllPages()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const char *const banners[] = {"lbEredmeny", "lbKEredmeny", "lbPEredmeny", "lbSzEredmeny",
                                   "lbOEredmeny"};
    for (int i = 0; i < m_window->pageCount(); ++i) {
        m_window->page(i)->answerField()->setText(QStringLiteral("nem tudom"));
        m_window->page(i)->checkButton()->click();
        QVERIFY(!m_window->findChild<QLabel *>(QString::fromLatin1(banners[i]))->isHidden());
    }
    QTimer *timer = m_window->bannerTimer();
    QSignalSpy ticks(timer, &QTimer::timeout);
    timer->start(20);
    QTRY_COMPARE(ticks.count(), 1);
    for (const char *name : banners)
        QVERIFY2(m_window->findChild<QLabel *>(QString::fromLatin1(name))->isHidden(), name);
    QVERIFY(!timer->isActive()); // the tick stopped it
}

void TestMainWindow::everyCheckRestartsTheBannerTimer()
{
    QTimer *timer = m_window->bannerTimer();
    timer->stop();
    DrillPage *page = m_window->page(3);
    page->checkButton()->click(); // empty: not started
    QVERIFY(!timer->isActive());
    page->answerField()->setText(QStringLiteral(" "));
    page->checkButton()->click();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(timer->remainingTime() < 2400, 2900);
    page->answerField()->setText(QStringLiteral("0"));
    page->checkButton()->click();
    QVERIFY(timer->remainingTime() > 2600); // counting down from 3000 again
}

void TestMainWindow::tabOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Összeadás") << 0
                               << QStringList{"Command1", "txEredmeny", "ListView1", "txMaxPlusz"};
    QTest::newRow("Kivonás") << 1
                             << QStringList{"cmdKivonas", "txKEredmeny", "ListView2", "txKivMax"};
    QTest::newRow("Pótlás") << 2 << QStringList{"txPEredmeny", "cmdPotlas", "txPotlasMax"};
    QTest::newRow("Szorzás") << 3
                             << QStringList{"txSzEredmeny", "cmdSzNezzuk", "txMaxSz",
                                            "txMaxSzorzo"};
    QTest::newRow("Osztás") << 4
                            << QStringList{"txMaxOszto", "txMaxO", "cmdONezzuk", "txOEredmeny"};
}

void TestMainWindow::tabOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, order);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTabBar *tabs = m_window->tabStrip()->tabBar();
    QCOMPARE(QApplication::focusWidget(), tabs); // where the window starts
    m_window->tabStrip()->setCurrentIndex(tab);
    QStringList visited;
    for (int i = 0; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order + QStringList{tabs->objectName()});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
