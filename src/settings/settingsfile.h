// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/settingsrecord.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QFile;
class QSaveFile;

namespace kalkora {

// How SettingsFile reaches the disk. The plain one hands out QFile and
// QSaveFile objects; tests hand out devices that fail the way a disk, a
// permission or a full file system can.
class SettingsDevices
{
public:
    virtual ~SettingsDevices();
    // The file itself, not yet opened.
    virtual std::unique_ptr<QFile> file(const QString &path) const;
    // A whole new content for the file, not yet opened; it takes the file's
    // place only when committed.
    virtual std::unique_ptr<QSaveFile> replacement(const QString &path) const;
    virtual bool commit(QSaveFile &replacement) const;

    // Plain QFile and QSaveFile.
    static const SettingsDevices &system();
};

// What went wrong with the file, in the system's own words, for the
// technically minded; empty when all went well. Whoever tells the user says it
// in plain words.
using SettingsError = std::optional<QString>;

// The settings file, "set.dat" in the working directory unless told
// otherwise. The file is open only inside read() and write().
class SettingsFile
{
public:
    static QString defaultPath() { return QStringLiteral("set.dat"); }

    explicit SettingsFile(const QString &path = defaultPath(),
                          const SettingsDevices &devices = SettingsDevices::system());

    const QString &path() const { return m_path; }

    struct Reading
    {
        SettingsRecord::Fields fields; // all absent when nothing could be read
        SettingsError error;
    };

    // Whether anything is at the file's path.
    bool exists() const;
    // Makes the file, empty, where there is none.
    SettingsError create() const;
    // The stored record.
    Reading read() const;

    // Stores the limit texts into the record. The
    // file is replaced as a whole through a temporary file, so that at every
    // moment it holds either the old or the new content, never part of a
    // record; whatever follows the record is carried over byte for byte. When
    // no temporary file can be made beside it (a folder that takes no new
    // files) or the old content cannot be read, the record alone is written in
    // place with one write, which keeps the rest of the file and never
    // shortens it.
    SettingsError write(const SettingsRecord::Texts &limitTexts) const;

private:
    SettingsError writeInPlace(const QByteArray &record, const QString &whyNotReplaced) const;
    QString fault(const QString &what, const QString &systemSays) const;

    QString m_path;
    const SettingsDevices &m_devices;
};

} // namespace kalkora
