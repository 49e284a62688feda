#include "analysis/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "analysis/analyze_line.h"
#include "analysis/skip_tokens.h"
#include "analysis/utf16_source.h"
#include "base/output.h"

namespace zav {
namespace {

constexpr size_t kBufferSize = 1 << 18;
// Readable bytes after the buffer: the line analyser loads sixteen bytes
// at a time and may read up to kLinePadding bytes past a line's text.
constexpr size_t kPadding = kLinePadding;

// The first line feed in p[0..n), or nullptr; reads up to 64 bytes past p
// and 15 past p + n, which the buffer's padding allows.
inline __attribute__((always_inline)) const char* FindLineFeed(const char* p, size_t n) {
#if defined(__SSE2__)
  const __m128i feed = _mm_set1_epi8('\n');
  auto feeds = [&](size_t k) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
    return static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, feed))));
  };
  // Three lines in four are shorter than 64 bytes: their line feed is
  // found in one mask of 64 bytes, with one test whose outcome is nearly
  // always the same, where a loop of sixteen bytes ends after a number of
  // rounds that the branch predictor cannot know. Feeds past n are stale
  // buffer bytes.
  const uint64_t m = feeds(0) | feeds(16) << 16 | feeds(32) << 32 | feeds(48) << 48;
  if (m != 0) [[likely]] {
    const size_t at = static_cast<size_t>(__builtin_ctzll(m));
    return at < n ? p + at : nullptr;
  }
  for (size_t k = 64; k < n; k += 16) {
    const unsigned m16 = static_cast<unsigned>(feeds(k));
    if (m16 != 0) {
      const size_t at = k + static_cast<size_t>(__builtin_ctz(m16));
      return at < n ? p + at : nullptr;
    }
  }
  return nullptr;
#else
  return static_cast<const char*>(std::memchr(p, '\n', n));
#endif
}

}  // namespace

PieceReader::PieceReader(FILE* file, SourceBuffer& buffer, bool direct)
    : file_(file), fd_(direct ? ::fileno(file) : -1), saved_pos_(kBufferSize) {
  if (!buffer.data) buffer.data.reset(new char[kBufferSize + 1 + kPadding]());
  buffer_ = buffer.data.get();
}

PieceReader::PieceReader(int fd, SourceBuffer& buffer) : PieceReader(nullptr, buffer) {
  fd_ = fd;
}

// Reads up to `want` bytes at end_. An unbuffered stream on a descriptor
// is read with read() directly, which takes one system call per block
// where the stream would ask again after a short read.
size_t PieceReader::ReadSome(size_t want) {
  if (fd_ >= 0) {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer_ + end_, want);
      if (n >= 0) return static_cast<size_t>(n);
      if (errno != EINTR) return 0;
    }
  }
  return std::fread(buffer_ + end_, 1, want, file_);
}

bool PieceReader::Fill() {
  if (begin_ > 0) {
    std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  while (!file_done_ && end_ < kBufferSize) {
    const size_t want = kBufferSize - end_;
    size_t n = ReadSome(want);
    if (n == 0) {
      file_done_ = true;
      break;
    }
    end_ += n;
    total_read_ += static_cast<int64_t>(n);
    if (n < want && total_read_ == expected_size_) file_done_ = true;
  }
  FindNul();
  return end_ > begin_;
}

std::string_view PieceReader::Peek() {
  if (end_ == 0 && !file_done_) Fill();
  return std::string_view(buffer_ + begin_, end_ - begin_);
}

void PieceReader::TakeRest(std::string& bytes) {
  for (;;) {
    bytes.append(buffer_ + begin_, end_ - begin_);
    begin_ = end_ = 0;
    if (file_done_) return;
    const size_t n = ReadSome(kBufferSize);
    if (n == 0) file_done_ = true;
    end_ = n;
  }
}

void PieceReader::FindNul() {
  const char* nul = static_cast<const char*>(std::memchr(buffer_ + begin_, '\0', end_ - begin_));
  nul_pos_ = nul != nullptr ? static_cast<size_t>(nul - buffer_) : end_;
}

inline __attribute__((always_inline)) bool PieceReader::TakePiece(char*& text, int& length,
                                                                  bool& at_eof) {
  buffer_[saved_pos_] = saved_byte_;
  if (end_ - begin_ < static_cast<size_t>(kLinePieceMax) && !file_done_) {
    Fill();
  }
  size_t available = end_ - begin_;
  if (available == 0) return false;
  size_t limit = available < static_cast<size_t>(kLinePieceMax)
                     ? available
                     : static_cast<size_t>(kLinePieceMax);
  char* start = buffer_ + begin_;
  // The first byte has just been put back: it is tested on its own, as a
  // wide load over a byte just written waits for that write.
  char* newline = *start == '\n' ? start : const_cast<char*>(FindLineFeed(start + 1, limit - 1));
  size_t piece = newline != nullptr ? static_cast<size_t>(newline - start) + 1
                                    : limit;
  at_eof = newline == nullptr && piece < static_cast<size_t>(kLinePieceMax) &&
           file_done_;
  text_length_ = static_cast<int>(piece) - (newline != nullptr);
  if (nul_pos_ < begin_ + piece) {
    if (nul_pos_ < begin_) FindNul();  // the last NUL was passed
    if (nul_pos_ < begin_ + piece) text_length_ = static_cast<int>(nul_pos_ - begin_);
  }
  saved_pos_ = begin_ + piece;
  saved_byte_ = buffer_[saved_pos_];
  buffer_[saved_pos_] = '\0';
  begin_ += piece;
  text = start;
  length = static_cast<int>(piece);
  return true;
}

bool PieceReader::Next(char*& text, int& length, bool& at_eof) {
  return TakePiece(text, length, at_eof);
}

// Analyses the file read through the stream `file`, or read from the
// descriptor `fd` directly when that is not negative.
void AnalyzePieces(GlobalData& G, FILE* file, int fd, bool utf16_check) {
  PieceReader reader = fd >= 0 ? PieceReader(fd, G.source_buffer)
                               : PieceReader(file, G.source_buffer, true);
  if (G.current_entry != nullptr) reader.ExpectSize(G.current_entry->size);
  // The byte-order mark is looked for in the reader's first fill, which
  // spares a read of its own.
  if (utf16_check && StartsWithUtf16Mark(reader.Peek())) {
    std::string bytes;
    reader.TakeRest(bytes);
    std::string utf8;
    FILE* converted = OpenUtf16AsUtf8(bytes, utf8);
    if (converted != nullptr) {
      ReadAndAnalyzeFile(G, converted, false);
      std::fclose(converted);
    }
    return;
  }
  StartFileLines(G);
  // The key string (until it is found) and the skip tokens, tested
  // together as both are rare.
  bool seek_key = G.settings.key_string_configured && !G.reader.key_string_found;
  const bool skip_tokens = G.settings.skip_tokens_active;
  bool line_tests = seek_key || skip_tokens;
  // Set once for the run, before the first file.
  const auto line_hook = G.baseline.line_hook;
  char* text;
  int length;
  bool at_eof;
  while (reader.TakePiece(text, length, at_eof)) {
    int text_length = reader.TextLength();
    // The last piece, a full-length piece and a high first byte are rare:
    // one test for the three.
    if (at_eof | (length == kLinePieceMax) | (static_cast<unsigned char>(*text) >> 7)) [[unlikely]] {
      const bool over_long = length == kLinePieceMax && text[length - 1] != '\n';
      // Bytes with the top bit set at the start of a piece (a byte-order
      // mark or another non-ASCII lead) are dropped.
      while (static_cast<unsigned char>(*text) & 0x80) {
        ++text;
        --length;
        --text_length;
      }
      if (at_eof && static_cast<unsigned char>(text[0]) < 12 && text[0] != '\t') {
        break;  // nothing but an empty or control-led tail was read
      }
      if (over_long) {
        // The physical line goes on beyond this piece; the rest is read as
        // the next piece.
        Print(G,
              "\n  Error: Text line %d length greater than %d characters\n"
              "         Examine file for proper text file formatting.\n",
              G.reader.line_number, kLineBufferSize);
        continue;
      }
    }
    ++G.reader.line_number;
    ++G.file.total_physical_lines_count;
    if (line_tests) {
      if (seek_key && std::strstr(text, G.settings.key_string.c_str()) != nullptr) {
        G.reader.key_string_found = true;  // notice 21 looks for it at the end
        seek_key = false;
        line_tests = skip_tokens;
      }
      if (skip_tokens && !ApplySkipTokens(G, text)) {
        ++G.file.skipped_lines_count;
        continue;
      }
    }
    AnalyzeLineText(text, text_length, G.reader.line_number, G);
    if (line_hook != nullptr) line_hook(G, text, G.reader.line_number);
    G.lex.suppress_rest_of_line = false;
    G.lex.java_annotation = false;
  }
}

void ReadAndAnalyzeFile(GlobalData& G, FILE* file, bool utf16_check) {
  // The reader has its own large buffer: the stream needs none (and so
  // does not query the file to size one).
  std::setvbuf(file, nullptr, _IONBF, 0);
  AnalyzePieces(G, file, -1, utf16_check);
}

void ReadAndAnalyzeDescriptor(GlobalData& G, int fd, bool utf16_check) {
  AnalyzePieces(G, nullptr, fd, utf16_check);
}

}  // namespace zav
