// Lines of a checksum list, in every form the common tools write:
//   coreutils    "<hex>  <file>" or "<hex> *<file>", with backslash escapes;
//   BSD reversed "<hex> <file>" (md5 -r), one blank;
//   BSD tags     "<TAG> (<file>) = <hex>", the tag padded with spaces as rhash pads it,
//                and OpenSSL's "<TAG>(<file>)= <hex>";
//   rhash        "<file>  <hex>  <hex>..." (its default form), or "<file> <crc32>" (SFV).
// Leading blanks are skipped, as md5sum skips them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CheckLine {
    std::string tag;                   // the BSD form's tag; empty in the others
    std::vector<std::string> digests;  // lowercase; several only in rhash's form
    std::string file;
};

// Whether a list line is a comment (';' or '#' first, as rhash and SFV files have) or
// empty: such lines are neither checked nor counted as badly formed.
// With `coreutilsOnly`, as md5sum reads them: '#' lines only.
bool IsCommentLine(std::string_view line, bool coreutilsOnly = false);

// The tag a line begins with, as a BSD tag would stand ("SHA256" of "SHA256 (f) = ab"),
// whether the rest is well formed or not; empty when none.
std::string_view LeadingTag(std::string_view line);

// Whether a list's untagged lines are in the coreutils form or BSD's reversed one:
// the first such line decides for the whole list, as in md5sum.
enum class UntaggedForm { Undecided, Standard, Reversed };

// `isDigestLength` tells whether some type's digest has that many hex digits, and
// `isTag` whether a tag names a type: a line is read in the first form it fits.
// `form` carries the list's untagged form from line to line. With `coreutilsOnly` only
// the forms md5sum reads are read: its own and BSD's (one blank after the digest, at
// most one space before a tag's '('), not rhash's.
std::optional<CheckLine> ParseCheckLine(std::string_view line, const std::function<bool(size_t)>& isDigestLength,
                                        const std::function<bool(std::string_view)>& isTag, UntaggedForm& form,
                                        bool coreutilsOnly = false);
// One line on its own.
std::optional<CheckLine> ParseCheckLine(std::string_view line, const std::function<bool(size_t)>& isDigestLength,
                                        const std::function<bool(std::string_view)>& isTag);

// A file name as a list line shows it: names holding a backslash or line break are
// escaped and the whole line is then marked with a leading backslash.
bool NeedsEscape(std::string_view file);
std::string EscapeFileName(std::string_view file);
