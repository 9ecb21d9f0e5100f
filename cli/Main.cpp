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

int Run(const std::vector<std::wstring>& args, Language language) {
    const CliParse parse = ParseCliOptions(args);
    if (parse.kind == CliParse::Kind::Help) {
        WriteConsoleText(stdout, Render(MessageCode::CliUsage, language) +
                                     Render(MessageCode::RegisterUsage, language) +
                                     Render(MessageCode::SignUsage, language));
        return kExitSuccess;
    }
    if (parse.kind == CliParse::Kind::Error) {
        WriteCliLine(stderr, Message(MessageCode::CliUsageError, {Nested(parse.error)}), language);
        return kExitUsage;
    }
    ConsoleMessages messages(language);
    if (parse.command == CliParse::Command::Batch) return RunBatch(parse.batch, messages);
    if (parse.command == CliParse::Command::Qc) return RunQc(parse.batch, messages);
    if (parse.command == CliParse::Command::Verify)
        return RunVerify(parse.file, language, parse.registerFile, parse.trustFolder);
    if (parse.command == CliParse::Command::Register)
        return RunRegisterCommand(parse.registerOptions, messages);
    if (parse.command == CliParse::Command::History && ReadsAsRegister(parse.file)) {
        if (!parse.reason) return RunRegisterHistory(parse.file, language);
        WriteCliLine(stderr, Message(MessageCode::RegisterCliHistoryReason), language);
        return kExitUsage;
    }
    if (parse.command == CliParse::Command::History)
        return parse.reason ? GiveReason(parse.file, *parse.reason, parse.entry, language)
                            : RunHistory(parse.file, language);
    return RunReport(parse.options, messages);
}

// Nothing escapes: every failure ends as a message and an exit code.
int Main(const std::vector<std::wstring>& args) {
    const Language language = CommandLineLanguage(args);
    try {
        return Run(args, language);
    } catch (const DataBase::SqlException& error) {
        WriteCliLine(stderr, Message(MessageCode::CliDatabaseError, {FromUtf8(error.what())}), language);
    } catch (const XMLError& error) {
        WriteCliLine(stderr, Message(MessageCode::CliDocumentError, {FromUtf8(error.what())}), language);
    } catch (const std::exception& error) {
        WriteCliLine(stderr, Message(MessageCode::Text, {FromUtf8(error.what())}), language);
    }
    return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    // Ctrl+C or a closed console must not leave half-written reports' temporary files behind.
    InstallInterruptCleanup();
    return Main(ProgramArguments(argc, argv));
}
