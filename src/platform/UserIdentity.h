#pragma once

#include <string>

// Who is at work and where, as a record of a change names them: "analyst@LAB-PC". The account's name
// (Windows' user name, the login name elsewhere) and the computer's; "?" for a part the system does not
// tell.
std::wstring UserAtComputer();
