// Saves the limits into set.dat in the working directory over and over,
// alternating two sets, until it is killed: the kill test stops it at random
// moments of a save and looks at what the file holds. Built for that test
// only, from the same library the program saves with.
//
// Usage: settingssaveloop [replace|in-place]

#include "settingsfile.h"

#include <QSaveFile>

#include <cstdio>
#include <cstring>

using namespace kalkora;

namespace {

// A folder that takes no temporary file: every save goes in place.
class NoReplacement final : public SettingsDevices
{
public:
    std::unique_ptr<QSaveFile> replacement(const QString &) const override
    {
        return SettingsDevices::replacement(QStringLiteral("/nonexistent-folder/set.dat"));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const NoReplacement noReplacement;
    const bool inPlace = argc > 1 && std::strcmp(argv[1], "in-place") == 0;
    const SettingsFile file(SettingsFile::defaultPath(),
                            inPlace ? noReplacement : SettingsDevices::system());
    const QStringList sets[2] = {{"11", "12", "13", "14", "3", "21", "4"},
                                 {"-1", "-2", "-3", "-4", "-5", "-6", "-7"}};
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
