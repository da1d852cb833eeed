#pragma once

#include "problemreporter.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

class QLineEdit;

namespace kalkora {

class ExitQuestion;
class MainWindow;
class SettingsFile;

// Keeps the seven limit fields of a main window in the settings file: puts the
// stored limits into them at start-up, and writes them back when the window
// unloads, whichever way it goes: the end command's Yes, the window frame's
// close (close box, Alt+F4, the system menu) or the end of the session.
class LimitKeeper final : public QObject
{
    Q_OBJECT
public:
    LimitKeeper(MainWindow &window, const SettingsFile &file, ProblemReporter &reporter,
                ExitQuestion &question);

    // The limit fields in the order of the settings record.
    const QList<QLineEdit *> &fields() const { return m_fields; }

    // The stored limits into the limit fields as decimal text, as they are:
    // no minimum applied. Fields the file does not hold keep their texts; when
    // the file cannot be read all of them do, and the user is told.
    void load();

    // The window's unload: the limits are written once; later unloads (the
    // window closing after the end command's Yes) find it done.
    void unload(ProblemReporter::Channel channel);
    bool unloaded() const { return m_unloaded; }

    // Writes the limits without unloading, when the session is about to end
    // and the window may not get to close. Writes nothing when the file
    // already holds exactly these texts from this run.
    void save(ProblemReporter::Channel channel);

    // The end command: asks, and on Yes unloads and closes the window.
    void end();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList texts() const;

    MainWindow &m_window;
    const SettingsFile &m_file;
    ProblemReporter &m_reporter;
    ExitQuestion &m_question;
    QList<QLineEdit *> m_fields;
    std::optional<QStringList> m_saved;
    bool m_unloaded = false;
};

} // namespace kalkora
