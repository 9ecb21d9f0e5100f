#include "SignCommand.h"

#include <cstdlib>

#include "ConsoleMessages.h"
#include "messages/Catalogue.h"
#include "platform/ConsoleText.h"
#include "platform/FileSystemPath.h"
#include "platform/TerminalPassword.h"
#include "platform/WideText.h"
#include "register/RegisterPlace.h"
#include "report/LimsExport.h"
#include "report/TemporaryReportFile.h"
#include "sign/ReportSigning.h"
#include "sign/SignatureExport.h"
#include "tables/DataFilePath.h"
#include "verify/ReportRebuild.h"

namespace {

// The password of a key file: from the variable --password-env names, else typed at the terminal.
std::optional<std::string> PasswordOf(const RegisterOptions& options, UserMessages& messages) {
    if (options.passwordEnv) {
        const char* value = std::getenv(ToUtf8(*options.passwordEnv).c_str());
        if (value == nullptr) {
            messages.ShowError(Message(MessageCode::SignNoPasswordVariable, {*options.passwordEnv}));
            return std::nullopt;
        }
        return std::string(value);
    }
    return ReadTerminalPassword(Render(MessageCode::SignPassword, messages.MessageLanguage()));
}

std::optional<SigningKey> KeyOf(const RegisterOptions& options, UserMessages& messages) {
    try {
        if (options.certificate) return SigningKey::FromUserStore(*options.certificate);
        const std::optional<std::string> password = PasswordOf(options, messages);
        if (!password) return std::nullopt;
        return SigningKey::FromPkcs12(*options.pkcs12, *password);
    } catch (const SignatureError& error) {
        messages.ShowError(Message(MessageCode::SignatureRefused, {Nested(error.message)}));
    }
    return std::nullopt;
}

std::wstring ComponentsOf(const RegisterOptions& options, UserMessages& messages) {
    return options.components ? AbsolutePath(*options.components)
                              : DataFilePath(L"\\CompsTableOxycalc.csv", messages);
}

// The register: --register, or the one the components file's folder uses.
std::optional<RegisterPlace> PlaceOf(const RegisterOptions& options, const std::wstring& components,
                                     UserMessages& messages) {
    if (options.registerFile) return RegisterAt(*options.registerFile);
    std::optional<RegisterPlace> place = RegisterOf(components);
    if (!place) messages.ShowError(Message(MessageCode::RegisterOff, {components}));
    return place;
}

// The page's stylesheet: --xsl, else the issued report's own.
std::wstring StylesheetOf(const RegisterOptions& options, const RegisterPlace& place) {
    if (options.stylesheet) return AbsolutePath(*options.stylesheet);
    return RecordedStylesheet(place.ReportFile(options.number + L".json"));
}

}  // namespace

ExitCode RunSign(const RegisterOptions& options, UserMessages& messages) {
    const std::wstring components = ComponentsOf(options, messages);
    const std::optional<RegisterPlace> place = PlaceOf(options, components, messages);
    if (!place) return kExitFailure;
    const std::optional<SigningKey> key = KeyOf(options, messages);
    if (!key) return kExitFailure;
    const SignRequest request{options.number, options.meaning, L"oxycalc-cli sign",
                              StylesheetOf(options, *place)};
    const std::optional<MadeSignature> made = SignIssuedReport(*place, request, *key, messages);
    if (!made) return kExitFailure;
    // A LIMS that takes the issued reports from the lab's export folder takes their signatures there too.
    const std::wstring exportFolder = DataFileBeside(components, kLimsFolderName);
    if (FolderExists(exportFolder))
        ExportSignaturesForLims(place->ReportFile(options.number + L".json"), options.number, made->all,
                                exportFolder, messages);
    const Language language = messages.MessageLanguage();
    WriteConsoleText(stdout,
                     Render(Message(MessageCode::SignatureMade,
                                    {Nested(SignatureLine(made->statement)), options.number, made->page}),
                            language) +
                         L"\n" + made->page + L"\n");
    return kExitSuccess;
}
