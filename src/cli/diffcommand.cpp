// `diff A.tvr B.tvr`: the differences between two data files, one line each on
// standard output, so scripts can read them; status 0 equal, 1 different.
#include "cli/clicommands.h"
#include "core/files/datacompare.h"
#include "core/model/radiodata.h"

namespace {

QString CountText(size_t count) {
    return QStringLiteral("%1 difference%2.").arg(count).arg(count == 1 ? "" : "s");
}

}  // namespace

int RunDiff(const TCliOptions& options, TRadioData&, QTextStream& errors) {
    const std::optional<TCommandArguments> given = CommandArguments(
        options,
        TCommandSyntax{QStringLiteral("diff"), {QStringLiteral("A.tvr"), QStringLiteral("B.tvr")}},
        errors);
    if (!given) return kExitUsage;
    const QStringList& arguments = given->Operands;
    TRadioData first;
    TRadioData second;
    if (const int status = OpenInputFile(options, first, arguments[0], errors);
        status != kExitDone) {
        return status;
    }
    if (const int status = OpenInputFile(options, second, arguments[1], errors);
        status != kExitDone) {
        return status;
    }
    const std::vector<TDataDifference> differences = CompareData(first, second);
    QString lines;
    for (const TDataDifference& difference : differences) {
        lines += QString::fromStdString(DifferenceLine(difference, "", "")) + QLatin1Char('\n');
    }
    if (const int status = PrintOutput(lines, errors); status != kExitDone) return status;
    if (differences.empty()) return kExitDone;
    SayMessage(errors, CountText(differences.size()));
    return kExitFailed;
}
