#include "tools/grt8/usage_texts.h"

const std::string_view kToolFooter =
    R"(Progress goes to standard error: a bar by block on a terminal, the console's
log lines otherwise. Results go to standard output.

Exit status:
  0  success; diff: no setting differs
  1  the module operation failed (the console's message says why);
     diff: some settings differ
  2  a wrong command line, a file that cannot be used, or a port that
     cannot be opened

'grt8 COMMAND --help' describes a command.)";

const std::string_view kJsonOption = "the same as JSON, for scripts: each setting with a\n"
                                     "stable key, its label and its value";

namespace {

constexpr std::string_view kShowFooter =
    R"(Prints the whole configuration in FILE, one setting a line, grouped and
labelled as the console's editors show them: telephones, PIN, network code,
limits, thermostats and switches; each input line's telephones and edge; the
report, CLIP and SMS control matrix and options; the eleven texts in their
edit form ("$170" stands for variable code 170). It says whether the file's
check word matches.

A value the editor would show differently from what is stored (a temperature
outside -25 to 120, an erased network code) is given as the editor shows it,
with the stored value in brackets.

Exit status 0; 2 when FILE cannot be read or its check word does not match
(the report is printed all the same, so a damaged file can be examined).)";

constexpr std::string_view kDiffFooter =
    R"(Lists the settings that differ between two configurations, each as
"label: value in A → value in B", grouped as in 'grt8 show'. A and B are
each a configuration FILE or --port PORT, the configuration read from the
module on PORT:

  grt8 diff old.gr8 new.gr8
  grt8 diff --port COM1 obiekt.gr8     is the module still as my file says?

Only settings are compared: bytes that no editor shows (after the end of a
text, unused bits, the module's first bytes) never count as a difference.

Exit status 0 when no setting differs, 1 when some do, 2 when a file or a
module could not be read (a file whose check word does not match is refused).)";

constexpr std::string_view kReadFooter =
    R"(Reads the configuration from the module on PORT, block by block, and saves it
in FILE. FILE is written only after a complete read, through a temporary file
renamed into place, so it is never left half written; an existing FILE is
replaced.

Exit status 0 on success, 1 when the read failed (FILE is left as it was),
2 for a wrong command line, an unusable FILE or a port that cannot be opened.)";

constexpr std::string_view kSendFooter =
    R"(Sends the configuration in FILE into the module on PORT: each of the four
blocks is written and read back (up to four attempts), then the module is
restarted with the new configuration. A FILE whose check word does not match
is refused before the port is opened.

Exit status 0 on success, 1 when the send failed (the module was not
restarted), 2 for a wrong command line, an unusable FILE or a port that
cannot be opened.)";

constexpr std::string_view kVersionFooter =
    R"(Asks the module on PORT for its version and prints the answer on standard
output.

Exit status 0 on success, 1 when the module did not answer, 2 for a wrong
command line or a port that cannot be opened.)";

} // namespace

std::string_view CommandSummary(Command command) {
    switch (command) {
    case Command::Show:
        return "print every setting of a configuration file";
    case Command::Diff:
        return "list the settings that differ between A and B;\n"
               "each is a FILE or --port PORT (a module)";
    case Command::Read:
        return "read the module's configuration into FILE";
    case Command::Send:
        return "send FILE into the module, verify every block,\nrestart the module";
    case Command::Version:
        return "ask the module for its version";
    }
    return "";
}

std::string_view CommandFooter(Command command) {
    switch (command) {
    case Command::Show:
        return kShowFooter;
    case Command::Diff:
        return kDiffFooter;
    case Command::Read:
        return kReadFooter;
    case Command::Send:
        return kSendFooter;
    case Command::Version:
        return kVersionFooter;
    }
    return "";
}
