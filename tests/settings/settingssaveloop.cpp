// Saves the limits into set.dat in the working directory over and over,
// alternating two sets, until it is killed: the kill test stops it at random
// moments of a save and looks at what the file holds. Built for that test
// only, from the same library the program saves with.
//
// Usage: settingssaveloop [replace|in-place]

#include "settingsfile.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <cstring>

using namespace kalkora;

namespace {

// A folder that takes no temporary file: every save goes in place.
class NoReplacement final : public SettingsDevices
{
public:
    std::unique_ptr<QSaveFile> replacement(const QString &path) const override
    {
        auto save = SettingsDevices::replacement(path);
        save->setFileName(QStringLiteral("/nonexistent-folder/set.dat"));
        return save;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const bool inPlace = argc > 1 && std::strcmp(argv[1], "in-place") == 0;
    const NoReplacement noReplacement;
    const SettingsFile file(SettingsFile::defaultPath(),
                            inPlace ? static_cast<const SettingsDevices &>(noReplacement)
                                    : SettingsDevices::system());
    const QStringList sets[2] = {
        {QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14"),
         QStringLiteral("3"), QStringLiteral("21"), QStringLiteral("4")},
        {QStringLiteral("-1"), QStringLiteral("-2"), QStringLiteral("-3"), QStringLiteral("-4"),
         QStringLiteral("-5"), QStringLiteral("-6"), QStringLiteral("-7")}};
    for (unsigned long n = 0;; ++n) {
        if (const SettingsError error = file.write(sets[n % 2])) {
            std::fprintf(stderr, "settingssaveloop: %s\n", qPrintable(*error));
            return 1;
        }
        if (n == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
