#pragma once

#include <QHash>
#include <QObject>

class QLabel;
class QWidget;

namespace kalkora {

class DrillPage;
struct ControlRow;

// What a screen reader says about a drill page. Every number on the page is
// named with its meaning and its current value ("Jó válasz: 3"), the answer
// field and the limit fields with what they are for, and the result banner is
// an alert that is announced each time a check shows it, also when it was
// already showing. Shown texts stay as they are: only accessible names and
// descriptions are set here.
class PageAccessibility final : public QObject
{
    Q_OBJECT
public:
    // The page's describer, made on first use and owned by the page.
    static PageAccessibility &of(DrillPage &page);

    // Brings the names in line with what the page shows now; called whenever
    // the page has shown a new state.
    void update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PageAccessibility(DrillPage &page);

    QWidget *control(const ControlRow &row) const;
    const ControlRow *captionBeside(const ControlRow &control, bool after) const;
    QString captionText(const ControlRow &control, bool after) const;
    QString problemDescription() const;
    void nameStatics();

    DrillPage &m_page;
    QHash<QByteArray, QWidget *> m_controls;
    QLabel *m_banner = nullptr;
    qint64 m_announcedGiven = 0;
    bool m_bannerJustShown = false;
};

} // namespace kalkora
