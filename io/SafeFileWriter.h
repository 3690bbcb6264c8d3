#pragma once
// Writing a whole file so that it is either complete or not there: the bytes go
// to a temporary file in the target's folder, which replaces the target only
// once everything is written and flushed. A failed save therefore never leaves
// a truncated file where a good one stood.

#include <string>
#include <string_view>

namespace aerolune {

struct WriteResult {
    bool ok = false;
    std::string reason;  ///< what went wrong, naming the file; empty when ok
};

/// Replaces the file at path with bytes. A new file gets the usual permissions
/// (as the process's file-creation mask allows); an existing one keeps its own.
/// A path that is a symbolic link replaces the file at the end of the link
/// (the link stays); a link to nothing is refused. A path that is a folder,
/// a device, a pipe or a socket is refused and left alone. Temporary files of
/// this writer more than a day old in the target's folder (left by a save that
/// was killed part-way) are removed first.
/// \param path the file to write
/// \param bytes the whole content
WriteResult writeFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace aerolune
