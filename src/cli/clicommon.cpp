// Steps the commands share: how they report usage errors, open and save data files.
#include "cli/clicommands.h"
#include "data/datafile.h"
#include "data/radiodata.h"

int UsageError(QTextStream& errors, const QString& problem) {
    errors << "tavrin-cli: " << problem << "\n" << UsageText();
    return kExitUsage;
}

bool OpenAsOpenDoes(TRadioData& data, const QString& path, QTextStream& errors) {
    const TDataFileResult result = OpenDataFile(data, path);
    if (result == TDataFileResult::Loaded) return true;
    errors << DataFileMessage(result) << "\n";
    return false;
}

bool SaveAsSaveDoes(const TRadioData& data, const QString& path, QTextStream& errors) {
    if (SaveDataFile(data, path)) return true;
    errors << kFileOpenErrorMessage << "\n";
    return false;
}
