// File names in messages, quoted as coreutils quotes them, so that a name with a blank,
// a quote or a line break reads as one name and can be pasted into a shell: 'a b',
// "it's", 'a'$'\n''b'. Names it need not quote stay as they are. What a terminal can
// show is judged by the locale's character type (LC_CTYPE), as coreutils judges it.
#pragma once

#include <string>
#include <string_view>

std::string Quoted(std::string_view name);
