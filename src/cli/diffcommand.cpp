// `diff A.tvr B.tvr`: the differences between two data files, one line each on
// standard output, so scripts can read them; status 0 equal, 1 different.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/datacompare.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

namespace {

// Without --radio a file brings its own configuration: the first catalogue row
// of the model its header names, then the file read as Open reads it.
TDataFileResult ReadWithOwnConfiguration(TRadioData& data, const std::string& bytes) {
    TDataFileResult result = TDataFileResult::WrongModel;
    for (const TModelInfo& row : ModelCatalogue()) {
        ApplyConfiguration(data, row);
        data.ClearRecords();
        data.ApplyDefaultRecords();
        data.ApplyMenuDefaults();
        result = ReadDataFile(data, bytes);
        if (result != TDataFileResult::WrongModel) break;
    }
    return result;
}

bool OpenWithOwnConfiguration(TRadioData& data, const QString& path, QTextStream& errors) {
    QString reason;
    const std::optional<std::string> bytes = LoadDataFileBytes(path, &reason);
    const TDataFileResult result =
        bytes ? ReadWithOwnConfiguration(data, *bytes) : TDataFileResult::CannotOpen;
    if (result == TDataFileResult::Loaded) return true;
    ReportFileError(errors, DataFileMessage(result), DataFileOpenDetail(path, result, reason));
    return false;
}

// Opens one side of the comparison; on failure the message is already on standard error.
int OpenSide(const TCliOptions& options, TRadioData& data, const QString& path,
             QTextStream& errors) {
    if (options.Radio == 0) {
        return OpenWithOwnConfiguration(data, path, errors) ? kExitDone : kExitUsage;
    }
    QString problem;
    if (!ConfigureDataSet(options, data, problem)) return UsageError(errors, problem);
    return OpenAsOpenDoes(data, path, errors) ? kExitDone : kExitUsage;
}

QString CountText(size_t count) {
    return QStringLiteral("%1 difference%2.").arg(count).arg(count == 1 ? "" : "s");
}

}  // namespace

int RunDiff(const TCliOptions& options, TRadioData&, QTextStream& errors) {
    QTextStream output(stdout);
    const QStringList& arguments = options.Arguments;
    if (arguments.size() != 2) return UsageError(errors, QStringLiteral("diff needs A.tvr B.tvr"));
    TRadioData first;
    TRadioData second;
    if (const int status = OpenSide(options, first, arguments[0], errors); status != kExitDone) {
        return status;
    }
    if (const int status = OpenSide(options, second, arguments[1], errors); status != kExitDone) {
        return status;
    }
    const std::vector<TDataDifference> differences = CompareData(first, second);
    for (const TDataDifference& difference : differences) {
        output << QString::fromStdString(DifferenceLine(difference, "", "")) << "\n";
    }
    output.flush();
    if (differences.empty()) return kExitDone;
    errors << CountText(differences.size()) << "\n";
    return kExitFailed;
}
