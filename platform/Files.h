// Whole-file reads and writes. A write never leaves a half-written file in
// place of a good one: it goes to a temporary file beside the target, is
// flushed to disk, and only then renamed over it.
#pragma once
#include <string>

namespace platform {

// Raises EInOutError with the system's reason when the file cannot be read.
std::string ReadWholeFile(const std::string& path);

// Replaces `path` by `bytes`; on failure the previous file is untouched and
// EInOutError carries the reason.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Adds `bytes` at the end of the existing file `path` (an empty `bytes` only
// checks that it opens for writing). A write that fails takes back what it
// had added, so that writing the same bytes again leaves no doubled part.
void AppendToExistingFile(const std::string& path, const std::string& bytes);

}  // namespace platform
