#include "tools/grt8/usage_texts.h"

#include "tools/grt8/port_naming.h"

#include <string>

namespace {

constexpr std::string_view kToolUsage =
    R"(usage: grt8 COMMAND [ARGUMENTS]

Reports, comparisons and module operations for GRT-8 configuration files
(*.gr8), from a terminal or a script.

commands:
  show FILE [--json]         print every setting of a configuration file
  diff A B                   list the settings that differ between A and B;
                             each is a FILE or --port PORT (a module)
  read --port PORT -o FILE   read the module's configuration into FILE
  send --port PORT FILE      send FILE into the module, verify every block,
                             restart the module
  version --port PORT        ask the module for its version

)";

constexpr std::string_view kToolUsageEnd =
    R"(
Progress goes to standard error: a bar by block on a terminal, the console's
log lines otherwise. Results go to standard output.

exit status:
  0  success; diff: no setting differs
  1  the module operation failed (the console's message says why);
     diff: some settings differ
  2  a wrong command line, a file that cannot be used, or a port that
     cannot be opened

'grt8 COMMAND --help' describes a command.
)";

constexpr std::string_view kShowUsage =
    R"(usage: grt8 show FILE [--json]

Prints the whole configuration in FILE, one setting a line, grouped and
labelled as the console's editors show them: telephones, PIN, network code,
limits, thermostats and switches; each input line's telephones and edge; the
report, CLIP and SMS control matrix and options; the eleven texts in their
edit form ("$170" stands for variable code 170). It says whether the file's
check word matches.

A value the editor would show differently from what is stored (a temperature
outside -25 to 120, an erased network code) is given as the editor shows it,
with the stored value in brackets.

  --json   the same as JSON, for scripts: each setting with a stable key,
           its label and its value

Exit status 0; 2 when FILE cannot be read or its check word does not match
(the report is printed all the same, so a damaged file can be examined).
)";

constexpr std::string_view kDiffUsage =
    R"(usage: grt8 diff A B

Lists the settings that differ between two configurations, each as
"label: value in A → value in B", grouped as in 'grt8 show'. A and B are
each a configuration FILE or --port PORT, the configuration read from the
module on PORT:

  grt8 diff old.gr8 new.gr8
  grt8 diff --port COM1 obiekt.gr8     is the module still as my file says?

Only settings are compared: bytes that no editor shows (after the end of a
text, unused bits, the module's first bytes) never count as a difference.

Exit status 0 when no setting differs, 1 when some do, 2 when a file or a
module could not be read (a file whose check word does not match is refused).
)";

constexpr std::string_view kReadUsage =
    R"(usage: grt8 read --port PORT -o FILE

Reads the configuration from the module on PORT, block by block, and saves it
in FILE. FILE is written only after a complete read, through a temporary file
renamed into place, so it is never left half written; an existing FILE is
replaced.

  --port PORT       COM1 to COM9 or a device path
  -o, --output FILE the configuration file to write

Exit status 0 on success, 1 when the read failed (FILE is left as it was),
2 for a wrong command line, an unusable FILE or a port that cannot be opened.
)";

constexpr std::string_view kSendUsage =
    R"(usage: grt8 send --port PORT FILE

Sends the configuration in FILE into the module on PORT: each of the four
blocks is written and read back (up to four attempts), then the module is
restarted with the new configuration. A FILE whose check word does not match
is refused before the port is opened.

  --port PORT   COM1 to COM9 or a device path

Exit status 0 on success, 1 when the send failed (the module was not
restarted), 2 for a wrong command line, an unusable FILE or a port that
cannot be opened.
)";

constexpr std::string_view kVersionUsage =
    R"(usage: grt8 version --port PORT

Asks the module on PORT for its version and prints the answer on standard
output.

  --port PORT   COM1 to COM9 or a device path

Exit status 0 on success, 1 when the module did not answer, 2 for a wrong
command line or a port that cannot be opened.
)";

// The commands, how this system names its ports, then the rest.
std::string_view ToolUsage() {
    static const std::string text =
        std::string(kToolUsage) + std::string(kPortHelp) + std::string(kToolUsageEnd);
    return text;
}

} // namespace

std::string_view UsageText(std::optional<Command> command) {
    if (!command) {
        return ToolUsage();
    }
    switch (*command) {
    case Command::Show:
        return kShowUsage;
    case Command::Diff:
        return kDiffUsage;
    case Command::Read:
        return kReadUsage;
    case Command::Send:
        return kSendUsage;
    case Command::Version:
        return kVersionUsage;
    }
    return ToolUsage();
}
