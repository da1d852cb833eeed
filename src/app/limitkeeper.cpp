#include "limitkeeper.h"

#include "drillpage.h"
#include "exitquestion.h"
#include "mainwindow.h"
#include "settingsfile.h"
#include "textvalue.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>

namespace kalkora {
namespace {

QString loadFailedText()
{
    return QStringLiteral("A beállításokat nem sikerült betölteni a set.dat fájlból. "
                          "A program az alapbeállításokkal indul.");
}

QString saveFailedText()
{
    return QStringLiteral("A beállításokat nem sikerült elmenteni a set.dat fájlba.");
}

} // namespace

LimitKeeper::LimitKeeper(MainWindow &window, const SettingsFile &file, ProblemReporter &reporter,
                         ExitQuestion &question)
    : m_window(window), m_file(file), m_reporter(reporter), m_question(question)
{
    // The record holds the pages' limit fields in tab order.
    for (int p = 0; p < window.pageCount(); ++p) {
        DrillPage *page = window.page(p);
        for (int slot = 0; slot < page->session().limitCount(); ++slot)
            m_fields << page->limitField(slot);
    }
    Q_ASSERT(m_fields.size() == SettingsRecord::FieldCount);

    window.installEventFilter(this);
    connect(window.endAction(), &QAction::triggered, this, &LimitKeeper::end);
}

void LimitKeeper::load()
{
    const SettingsFile::Reading reading = m_file.read();
    if (reading.error) {
        m_reporter.report(loadFailedText(), *reading.error, ProblemReporter::Channel::Box);
        return;
    }
    for (int i = 0; i < SettingsRecord::FieldCount; ++i) {
        if (const std::optional<qint16> stored = reading.fields[i])
            m_fields[i]->setText(decimalText(*stored));
    }
}

QStringList LimitKeeper::texts() const
{
    QStringList texts;
    for (const QLineEdit *field : m_fields)
        texts << field->text();
    return texts;
}

void LimitKeeper::save(ProblemReporter::Channel channel)
{
    const QStringList current = texts();
    if (m_saved == current)
        return;
    if (const SettingsError error = m_file.write(current)) {
        m_reporter.report(saveFailedText(), *error, channel);
        return;
    }
    m_saved = current;
}

void LimitKeeper::unload(ProblemReporter::Channel channel)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_question.withdraw();
    save(channel);
}

void LimitKeeper::end()
{
    if (m_unloaded || !m_question.ask(&m_window))
        return;
    unload(ProblemReporter::Channel::Box);
    m_window.close();
}

bool LimitKeeper::eventFilter(QObject *watched, QEvent *event)
{
    // The frame's close, a logout or the application quitting: nobody is
    // asked, and nothing may wait for a person.
    if (watched == &m_window && event->type() == QEvent::Close)
        unload(ProblemReporter::Channel::StandardError);
    return QObject::eventFilter(watched, event);
}

} // namespace kalkora
