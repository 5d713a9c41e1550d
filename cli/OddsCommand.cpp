#include "OddsCommand.h"

#include "OddsAnalysis.h"
#include "OddsOptions.h"
#include "OddsReport.h"

#include <ostream>

#ifndef QUINTARA_VERSION
#define QUINTARA_VERSION "1.1"
#endif

namespace {

// argv[0] may hold anything, so messages carry a fixed name.
const char kProgramName[] = "quintara-odds";

} // namespace

int RunOddsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string> options(args.empty() ? args.begin() : args.begin() + 1, args.end());
    TOddsOptions parsed;
    std::string error;
    if (!ParseOddsOptions(options, parsed, error, true)) {
        err << kProgramName << ": " << error << '\n';
        err.flush();
        return 2;
    }

    // The report is composed whole before anything is written, so a failure
    // never leaves half of it on the output.
    std::string report;
    switch (parsed.m_nAction) {
    case TOddsOptions::acHelp:
        report = kOddsUsage;
        break;
    case TOddsOptions::acVersion:
        report = std::string(kProgramName) + " " + QUINTARA_VERSION + "\n";
        break;
    case TOddsOptions::acAnalyse: {
        const TOddsAnalysis analysis = AnalyseOdds(parsed);
        if (!analysis.m_strError.empty()) {
            err << kProgramName << ": " << analysis.m_strError << '\n';
            err.flush();
            return 2;
        }
        report = parsed.m_bJson ? FormatOddsJson(analysis) : FormatOddsText(analysis);
        break;
    }
    }

    out << report;
    out.flush();
    if (!out) {
        err << kProgramName << ": cannot write the output\n";
        err.flush();
        return 1;
    }
    return 0;
}
