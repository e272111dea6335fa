#pragma once

#include <cstdint>

#include "platform_export.h"

class QWidget;

// Help files are HTML documents. A topic is an element whose id is the
// context number in decimal ("1502") or the topic name ("ROSE_ARTIST"); the
// contents topic has id "contents". A file name may carry a secondary window
// name after '>' ("TESSELLA.HLP>Screens"): each window name has its own
// viewer window. Commands keep the values of the old help engine.
constexpr unsigned HELP_CONTEXT = 0x0001;
constexpr unsigned HELP_QUIT = 0x0002;
constexpr unsigned HELP_CONTENTS = 0x0003;
constexpr unsigned HELP_HELPONHELP = 0x0004;
constexpr unsigned HELP_PARTIALKEY = 0x0105;
constexpr unsigned HELP_COMMAND = 0x0102;
constexpr unsigned HELP_FINDER = 0x000b;

// data is the context number for HELP_CONTEXT, a pointer to the key text for
// HELP_PARTIALKEY, a pointer to a macro such as "JumpID(\"file\",\"TOPIC\")"
// for HELP_COMMAND. Returns 1 when the file was found and shown, else 0.
PLATFORM_EXPORT int WinHelpA(QWidget* owner, const char* file, unsigned command,
                             std::uintptr_t data);
