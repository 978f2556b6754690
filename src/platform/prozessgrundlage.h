#pragma once

namespace velmora {

// The ground of the process, laid before anything opens a file. A standard channel the caller
// closed gets /dev/null for reading in its place: no file the program opens can take its number
// and receive what was meant for it, and every write to it fails as it should. A file size limit
// (ulimit -f, SIGXFSZ) makes the write that passes it fail instead of ending the process, so
// that the program reports it and leaves no cut-short file behind.
void prozessgrundlageLegen();

} // namespace velmora
