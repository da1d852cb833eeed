// Saves two sets of limits by turns into set.dat in the working directory
// until it is killed, for kill-while-saving.sh. With "in-place", no
// temporary file can be made, as in a folder that takes no new files.
// Usage: settingssaveloop [replace|in-place]

#include "settings/settingsfile.h"

#include <QSaveFile>
#include <QTextStream>

using namespace kalkora;

struct NoReplacement final : SettingsDevices
{
    std::unique_ptr<QSaveFile> replacement(const QString &) const override
    {
        return SettingsDevices::replacement(QStringLiteral("/nonexistent-folder/set.dat"));
    }
};

int main(int argc, char *argv[])
{
    const NoReplacement noReplacement;
    const bool inPlace = argc > 1 && QByteArray(argv[1]) == "in-place";
    const SettingsFile file(SettingsFile::defaultPath(),
                            inPlace ? noReplacement : SettingsDevices::system());
    const QStringList sets[2] = {{"11", "12", "13", "14", "3", "21", "4"},
                                 {"-1", "-2", "-3", "-4", "-5", "-6", "-7"}};
    for (unsigned long n = 0;; ++n) {
        if (const SettingsError error = file.write(sets[n % 2]))
            qFatal("settingssaveloop: %s", qPrintable(*error));
        if (n == 0)
            QTextStream(stdout) << "saving" << Qt::endl;
    }
}
