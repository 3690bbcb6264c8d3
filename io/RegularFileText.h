#pragma once
// Reading a whole input file that must be an ordinary file on disk. A named
// pipe, a device or a socket is refused before a single byte is read: opening
// a pipe that no process writes to, or reading a terminal, would wait for
// ever, and a device may never end.

#include <cstddef>
#include <optional>
#include <string>

namespace aerolune {

struct RegularFileText {
    std::optional<std::string> text;  ///< the whole file; empty when it could not be read
    std::string reason;               ///< why not, naming the file; empty when read or too large
    bool tooLarge = false;            ///< the file holds more than the bytes asked for
};

/// Why the file at path cannot be read as an ordinary file ("it is a named
/// pipe (FIFO), not a regular file"), or empty when it is one or a link to
/// one. Looks only at the file's kind; never opens it.
std::string notRegularFileReason(const std::string& path);

/// Reads the regular file at path (or the file a link points to) whole. Its
/// kind is checked before it is opened and again on the open file, the open
/// does not wait, and no more than maxBytes + 1 bytes are read, so neither a special file nor
/// an endless one can make the caller wait.
/// \param path the file to read
/// \param maxBytes largest size accepted; a larger file is refused as too large
RegularFileText readRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace aerolune
