#pragma once

#include "RegisterOptions.h"
#include "ReportCommand.h"

class UserMessages;

// Runs `oxycalc-cli sign NUMBER --meaning M (--pkcs12 FILE [--password-env NAME] | --cert WHO)`: signs the
// issued report NUMBER (see SignIssuedReport); the last line printed is the page with its signatures. Exit
// 0 when signed, 1 when refused or not made (nothing is signed or changed).
ExitCode RunSign(const RegisterOptions& options, UserMessages& messages);
