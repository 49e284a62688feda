// The source line reader: splits a file into the pieces the analyser sees.
//
// A piece is what one read of at most 2,047 characters up to and including
// a line feed returns. The reader works through a large buffer and hands out
// each piece in place, NUL-terminated, without copying or allocating.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

class PieceReader {
 public:
  // Reads `file` through `buffer`, which is allocated on first use and
  // kept for the next file. `direct`: the stream is unbuffered and nothing
  // was read through it yet, so its descriptor may be read directly.
  PieceReader(FILE* file, SourceBuffer& buffer, bool direct = false);
  // Reads the open descriptor `fd` directly.
  PieceReader(int fd, SourceBuffer& buffer);

  // Reads the next piece. Returns false when nothing was read (end of file).
  // `text` points at the NUL-terminated piece, valid until the next call;
  // `length` is its byte count (a NUL byte inside it ends the text early);
  // `at_eof` tells that the piece ended because the file ended.
  bool Next(char*& text, int& length, bool& at_eof);

  // The file's size as last seen, when known: a short read that reaches it
  // ends the file without asking the system once more.
  void ExpectSize(int64_t size) { expected_size_ = size; }

  // The length of the last piece's text: its byte count without the line
  // feed that ends it, or the position of the first NUL byte inside it.
  int TextLength() const { return text_length_; }

  // The bytes read and not yet handed out, after a first fill when nothing
  // was read yet: the start of the file, for a look at its first bytes.
  // Valid until the next call of Next.
  std::string_view Peek();

  // Appends the bytes not yet handed out and the rest of the file to
  // `bytes`; nothing is left to read afterwards.
  void TakeRest(std::string& bytes);

 private:
  bool Fill();
  size_t ReadSome(size_t want);
  void FindNul();
  // Next's body, inlined into the analyser's line loop.
  bool TakePiece(char*& text, int& length, bool& at_eof);
  friend void AnalyzePieces(GlobalData& G, FILE* file, int fd, bool utf16_check);

  FILE* file_;
  int fd_;  // read with read() when not negative, else through file_
  char* buffer_;
  size_t begin_ = 0;  // first unread byte
  size_t end_ = 0;    // one past the last byte read from the file
  bool file_done_ = false;
  int64_t expected_size_ = -1;
  int64_t total_read_ = 0;
  // Where the last piece's terminator was written and the byte it hid.
  // Before the first piece: the byte after the buffer, which is never
  // read into and always holds a NUL.
  size_t saved_pos_;
  char saved_byte_ = '\0';
  int text_length_ = 0;
  // First NUL byte at or after begin_ (end_ when none). Found once per
  // buffer fill, and again only once a piece has passed it.
  size_t nul_pos_ = 0;
};

// Runs the line loop over an open file: every accepted piece is numbered,
// tested against the skip tokens and analysed. `utf16_check`: a file that
// begins with a UTF-16 byte-order mark is analysed as its UTF-8 text.
void ReadAndAnalyzeFile(GlobalData& G, FILE* file, bool utf16_check = false);
// The same over an open descriptor, read without a stream.
void ReadAndAnalyzeDescriptor(GlobalData& G, int fd, bool utf16_check);

}  // namespace zav
