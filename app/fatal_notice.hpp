// The fatal error notice: the error icon, an OK button and the error's name.
// Installed as the core's fatal handler; the core then ends the process with -1.
#pragma once

#include "text/fatal.hpp"

namespace mosuo {

void show_fatal_notice(fatal_reason reason, int code);

}  // namespace mosuo
