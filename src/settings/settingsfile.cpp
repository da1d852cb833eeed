// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settingsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kalkora {

SettingsDevices::~SettingsDevices() = default;

std::unique_ptr<QFile> SettingsDevices::file(const QString &path) const
{
    return std::make_unique<QFile>(path);
}

std::unique_ptr<QSaveFile> SettingsDevices::replacement(const QString &path) const
{
    auto save = std::make_unique<QSaveFile>(path);
    // Writing straight into the file would empty it first; SettingsFile has
    // its own way for folders that take no temporary file.
    save->setDirectWriteFallback(false);
    return save;
}

bool SettingsDevices::commit(QSaveFile &replacement) const
{
    return replacement.commit();
}

const SettingsDevices &SettingsDevices::system()
{
    static const SettingsDevices devices;
    return devices;
}

SettingsFile::SettingsFile(const QString &path, const SettingsDevices &devices)
    : m_path(path), m_devices(devices)
{
}

QString SettingsFile::fault(const QString &what, const QString &systemSays) const
{
    return m_path + QStringLiteral(": ") + what + QStringLiteral(" (") + systemSays +
           QStringLiteral(")");
}

bool SettingsFile::exists() const
{
    return QFileInfo::exists(m_path);
}

SettingsError SettingsFile::create() const
{
    const std::unique_ptr<QFile> file = m_devices.file(m_path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fault(QStringLiteral("cannot be created"), file->errorString());
    return std::nullopt;
}

SettingsFile::Reading SettingsFile::read() const
{
    Reading result;
    const QFileInfo info(m_path);
    // A folder, a pipe or a device of that name is no settings file; opening a
    // pipe would even wait for a writer that never comes.
    if (!info.isFile()) {
        result.error =
            fault(QStringLiteral("cannot be read"), QStringLiteral("not a regular file"));
        return result;
    }
    const std::unique_ptr<QFile> file = m_devices.file(m_path);
    if (!file->open(QIODevice::ReadOnly)) {
        result.error = fault(QStringLiteral("cannot be opened"), file->errorString());
        return result;
    }
    const qint64 expected = std::min<qint64>(SettingsRecord::Size, file->size());
    const QByteArray head = file->read(SettingsRecord::Size);
    if (head.size() != expected) {
        result.error = fault(QStringLiteral("cannot be read"), file->errorString());
        return result;
    }
    result.fields = SettingsRecord::decode(head);
    return result;
}

SettingsError SettingsFile::write(const SettingsRecord::Texts &limitTexts) const
{
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile())
        return fault(QStringLiteral("cannot be written"), QStringLiteral("not a regular file"));
    QByteArray old;
    QString unreadable; // why the old content could not be read, if it could not
    if (info.exists()) {
        const std::unique_ptr<QFile> file = m_devices.file(m_path);
        if (file->open(QIODevice::ReadOnly))
            old = file->readAll();
        if (!file->isOpen() || old.size() != file->size())
            unreadable = QStringLiteral("unreadable: ") + file->errorString();
    }
    const QByteArray image = SettingsRecord::encode(limitTexts, old);
    // Content that could not be read wholly is not replaced: the record alone
    // goes over it in place.
    if (!unreadable.isEmpty())
        return writeInPlace(image.left(SettingsRecord::Size), unreadable);

    const std::unique_ptr<QSaveFile> save = m_devices.replacement(m_path);
    // Unbuffered, a full disk fails the write below. Buffered, the bytes would
    // only go out inside commit(), and Qt 6.4's QSaveFile ignores a failure
    // there: it would put an empty file in the settings' place.
    if (!save->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (!info.exists())
            return fault(QStringLiteral("cannot be created"), save->errorString());
        return writeInPlace(image.left(SettingsRecord::Size), save->errorString());
    }
    if (save->write(image) != image.size()) {
        const QString says = save->errorString();
        // The temporary file is dropped uncommitted: the old content stays.
        save->cancelWriting();
        return fault(QStringLiteral("cannot be written"), says);
    }
    if (!m_devices.commit(*save))
        return fault(QStringLiteral("cannot be saved"), save->errorString());
    return std::nullopt;
}

SettingsError SettingsFile::writeInPlace(const QByteArray &record,
                                         const QString &whyNotReplaced) const
{
    const std::unique_ptr<QFile> file = m_devices.file(m_path);
    // ReadWrite keeps the file's length and everything past the record.
    // Unbuffered, the record goes out in one write, which a killed process
    // cannot leave half done.
    if (!file->open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fault(QStringLiteral("cannot be written"),
                     whyNotReplaced + QStringLiteral("; ") + file->errorString());
    if (file->write(record) != record.size())
        return fault(QStringLiteral("cannot be written"), file->errorString());
    file->close();
    if (file->error() != QFileDevice::NoError)
        return fault(QStringLiteral("cannot be written"), file->errorString());
    return std::nullopt;
}

} // namespace kalkora
