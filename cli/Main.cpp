// oxycalc-cli: the calculation and the report without a window, for batches of samples.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "BatchCommand.h"
#include "CliOptions.h"
#include "ConsoleMessages.h"
#include "HistoryCommand.h"
#include "QcCommand.h"
#include "RegisterCommand.h"
#include "ReportCommand.h"
#include "VerifyCommand.h"
#include "data/SqlException.h"
#include "messages/Catalogue.h"
#include "platform/ConsoleText.h"
#include "platform/InterruptCleanup.h"
#include "platform/ProgramArguments.h"
#include "platform/WideText.h"
#include "register/RegisterFile.h"
#include "xml/XMLError.h"

namespace {

int Run(const std::vector<std::wstring>& args) {
    const CliParse parse = ParseCliOptions(args);
    if (parse.kind == CliParse::Kind::Help) {
        WriteConsoleText(stdout, CliUsage());
        return kExitSuccess;
    }
    if (parse.kind == CliParse::Kind::Error) {
        WriteConsoleText(stderr, L"oxycalc-cli: " + parse.error + L"\nСправка: oxycalc-cli --help\n");
        return kExitUsage;
    }
    ConsoleMessages messages;
    if (parse.command == CliParse::Command::Batch) return RunBatch(parse.batch, messages);
    if (parse.command == CliParse::Command::Qc) return RunQc(parse.batch, messages);
    if (parse.command == CliParse::Command::Verify) return RunVerify(parse.file, parse.registerFile);
    if (parse.command == CliParse::Command::Register)
        return RunRegisterCommand(parse.registerOptions, messages);
    if (parse.command == CliParse::Command::History && ReadsAsRegister(parse.file)) {
        if (!parse.reason) return RunRegisterHistory(parse.file);
        WriteConsoleText(
            stderr,
            L"oxycalc-cli: " + Render(MessageCode::RegisterCliHistoryReason, Language::Russian) + L"\n");
        return kExitUsage;
    }
    if (parse.command == CliParse::Command::History)
        return parse.reason ? GiveReason(parse.file, *parse.reason, parse.entry) : RunHistory(parse.file);
    return RunReport(parse.options, messages);
}

// Nothing escapes: every failure ends as a message and an exit code.
int Main(const std::vector<std::wstring>& args) {
    try {
        return Run(args);
    } catch (const DataBase::SqlException& error) {
        WriteConsoleText(stderr, L"oxycalc-cli: ошибка базы данных: " + FromUtf8(error.what()) + L"\n");
    } catch (const XMLError& error) {
        WriteConsoleText(stderr, L"oxycalc-cli: ошибка документа отчёта: " + FromUtf8(error.what()) + L"\n");
    } catch (const std::exception& error) {
        WriteConsoleText(stderr, L"oxycalc-cli: " + FromUtf8(error.what()) + L"\n");
    }
    return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    // Ctrl+C or a closed console must not leave half-written reports' temporary files behind.
    InstallInterruptCleanup();
    return Main(ProgramArguments(argc, argv));
}
