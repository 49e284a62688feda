// Writing to the report stream.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/format.h"
#include "zav/global_data.h"

namespace zav {

// Makes the file `path`, opened for binary writing (never through a
// symbolic link at that name), the report stream (-O).
// When it cannot be opened the report stream returns to standard output and
// false comes back, errno telling why. A file opened before is closed.
bool OpenReportFile(GlobalData& G, const std::string& path);

// Flushes the report stream at the end of the run and closes it when it is
// a file opened by OpenReportFile; the stream is standard output afterwards.
// A failed write or close of the file is reported on standard error and
// sets G.report.write_failed (the run then exits with 1).
void CloseReportStream(GlobalData& G);

// Leaves the report file, before anything is written to it, without a
// buffer of the C library: the JSON and SARIF documents are built in large
// pieces by their own writers, which a buffer would only copy again.
void UnbufferReportFile(GlobalData& G);

// printf to the report stream.
void Print(GlobalData& G, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// A machine-readable document silences the report writers, or they speak
// again: while silent, an error message goes to standard error and
// anything else nowhere.
void SilenceReportWriters(GlobalData& G, bool silent);

// While the command line of a --json or --sarif run is read: an error
// message goes to standard error, anything else to the report stream.
void SetErrorsAside(GlobalData& G, bool aside);

// PutText's way while the report writers are silent or errors go aside.
void PutDivertedText(GlobalData& G, std::string_view text);

// Writes text unchanged to the report stream. Inline: a literal text is
// stored by its known length.
inline void PutText(GlobalData& G, std::string_view text) {
  if (G.report.machine.diverted) {
    PutDivertedText(G, text);
    return;
  }
  WriteToStream(G.report.out, text.data(), text.size());
}

// PutJoined's way when the stream's buffer lacks the room.
void PutJoinedSlowly(GlobalData& G, std::initializer_list<std::string_view> pieces);

// The n bytes at `from` (sizeof(Word) <= n <= 2 * sizeof(Word)) as two
// overlapping words, its first and its last.
template <typename Word>
[[gnu::always_inline]] inline void CopyByEnds(char* at, const char* from, size_t n) {
  Word head;
  Word tail;
  std::memcpy(&head, from, sizeof(Word));
  std::memcpy(&tail, from + n - sizeof(Word), sizeof(Word));
  std::memcpy(at, &head, sizeof(Word));
  std::memcpy(at + n - sizeof(Word), &tail, sizeof(Word));
}

// Copies a piece at `at` and returns its end. A piece of 16 bytes or less,
// as most labels and separators are, is moved by two overlapping loads
// and stores of its first and last bytes instead of a library call; a
// piece of a known length, by the stores for that length.
[[gnu::always_inline]] inline char* CopyPiece(char* at, std::string_view piece) {
  const char* from = piece.data();
  const size_t n = piece.size();
  if (n > 16) {
    std::memcpy(at, from, n);
  } else if (n >= 8) {
    CopyByEnds<uint64_t>(at, from, n);
  } else if (n >= 4) {
    CopyByEnds<uint32_t>(at, from, n);
  } else if (n > 0) {
    at[0] = from[0];
    at[n / 2] = from[n / 2];
    at[n - 1] = from[n - 1];
  }
  return at + n;
}

// Writes the pieces joined as one text, as PutText would: for the labelled
// lines written for every function and class, where a printf format would
// be taken apart again each time. A piece made from a C string ends at its
// first NUL, as "%s" would end it. Inline, so that the literal pieces are
// copied by stores of their known lengths.
inline void PutJoined(GlobalData& G, std::initializer_list<std::string_view> pieces) {
  // Straight into the stream's buffer where it has room for the whole text.
  size_t total = 0;
  for (std::string_view piece : pieces) total += piece.size();
  if (char* at = G.report.machine.diverted ? nullptr : StreamRoom(G.report.out, total)) {
    for (std::string_view piece : pieces) at = CopyPiece(at, piece);
    StreamCommit(G.report.out, at);
    return;
  }
  PutJoinedSlowly(G, pieces);
}

}  // namespace zav
