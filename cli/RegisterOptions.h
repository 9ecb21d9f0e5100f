#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "messages/Language.h"
#include "messages/Message.h"
#include "sign/SignatureMeaning.h"

// What `oxycalc-cli register`, `issue`, `amend` and `sign` were asked to do.
struct RegisterOptions {
    enum class Command { Start, Use, Issue, Amend, Sign };
    Command command = Command::Issue;
    // The register (--register); by default the one beside the components file.
    std::optional<std::wstring> registerFile;
    // The components file whose folder's register is meant (--components); by default a draft's, or the data
    // folder's.
    std::optional<std::wstring> components;
    std::wstring pattern;                    // register --start
    uint64_t first = 1;                      // register --first: the counter of the first number
    std::wstring draft;                      // issue DRAFT, amend NUMBER DRAFT
    std::wstring number;                     // amend NUMBER
    bool withdraw = false;                   // amend NUMBER --withdraw
    std::wstring reason;                     // amend --reason
    std::optional<std::wstring> stylesheet;  // amend --withdraw --xsl: the notice page's
    Language language = Language::Russian;   // --lang: the console's, and a notice of withdrawal's words
    // register --start --signatures: the meanings the lab signs with, as its words ("составил, проверил")
    std::wstring signatures;
    SignatureMeaning meaning = SignatureMeaning::Prepared;  // sign --meaning
    std::optional<std::wstring> pkcs12;                     // sign --pkcs12 FILE: the key natively
    std::optional<std::wstring> passwordEnv;                // sign --password-env NAME: where its password is
    std::optional<std::wstring> certificate;  // sign --cert WHO: the key in the user's store on Windows
};

// Reads the arguments of `register`, `issue` or `amend` (args[0]); nothing, with the usage error in `error`,
// when they do not read.
std::optional<RegisterOptions> ParseRegisterOptions(const std::vector<std::wstring>& args, Message& error);

// Whether args[0] names one of these commands.
bool IsRegisterCommand(const std::vector<std::wstring>& args);
