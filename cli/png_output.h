#pragma once
// Writes a picture as a PNG file so that a failed write leaves nothing
// behind: a regular file is written beside its place and renamed over it
// only once complete (a full disk leaves no empty or cut picture); a device
// or a pipe named on purpose (/dev/stdout) is written directly.
#include <iosfwd>
#include <string>

class QImage;

namespace tesmark::cli {

// Returns kExitDone, or kExitFailed with a one-line message on `err`.
int WritePng(const QImage& image, const std::string& path, std::ostream& err);

}  // namespace tesmark::cli
