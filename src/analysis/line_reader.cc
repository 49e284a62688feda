#include "analysis/line_reader.h"

#include <cstring>

#include "analysis/analyze_line.h"
#include "analysis/skip_tokens.h"
#include "base/output.h"

namespace zav {
namespace {

constexpr size_t kBufferSize = 1 << 18;

}  // namespace

PieceReader::PieceReader(FILE* file, SourceBuffer& buffer) : file_(file) {
  if (!buffer.data) buffer.data.reset(new char[kBufferSize + 1]);
  buffer_ = buffer.data.get();
}

bool PieceReader::Fill() {
  if (begin_ > 0) {
    std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  while (!file_done_ && end_ < kBufferSize) {
    size_t n = std::fread(buffer_ + end_, 1, kBufferSize - end_, file_);
    if (n == 0) {
      file_done_ = true;
      break;
    }
    end_ += n;
  }
  return end_ > begin_;
}

bool PieceReader::Next(char*& text, int& length, bool& at_eof) {
  if (restore_) {
    buffer_[saved_pos_] = saved_byte_;
    restore_ = false;
  }
  if (end_ - begin_ < static_cast<size_t>(kLinePieceMax) && !file_done_) {
    Fill();
  }
  size_t available = end_ - begin_;
  if (available == 0) return false;
  size_t limit = available < static_cast<size_t>(kLinePieceMax)
                     ? available
                     : static_cast<size_t>(kLinePieceMax);
  char* start = buffer_ + begin_;
  char* newline = static_cast<char*>(std::memchr(start, '\n', limit));
  size_t piece = newline != nullptr ? static_cast<size_t>(newline - start) + 1
                                    : limit;
  at_eof = newline == nullptr && piece < static_cast<size_t>(kLinePieceMax) &&
           file_done_;
  saved_pos_ = begin_ + piece;
  saved_byte_ = buffer_[saved_pos_];
  buffer_[saved_pos_] = '\0';
  restore_ = true;
  begin_ += piece;
  text = start;
  length = static_cast<int>(piece);
  return true;
}

void ReadAndAnalyzeFile(GlobalData& G, FILE* file) {
  // The reader has its own large buffer: the stream needs none (and so
  // does not query the file to size one).
  std::setvbuf(file, nullptr, _IONBF, 0);
  PieceReader reader(file, G.source_buffer);
  char* text;
  int length;
  bool at_eof;
  while (reader.Next(text, length, at_eof)) {
    const bool over_long = length == kLinePieceMax && text[length - 1] != '\n';
    // Bytes with the top bit set at the start of a piece (a byte-order mark
    // or another non-ASCII lead) are dropped.
    while (static_cast<unsigned char>(*text) & 0x80) {
      ++text;
      --length;
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
    ++G.reader.line_number;
    ++G.file.total_physical_lines_count;
    if (G.settings.key_string_configured && !G.reader.key_string_found &&
        std::strstr(text, G.settings.key_string.c_str()) != nullptr) {
      G.reader.key_string_found = true;  // notice 21 looks for it at the end
    }
    if (!ApplySkipTokens(G, text)) {
      ++G.file.skipped_lines_count;
      continue;
    }
    AnalyzeLine(text, G.reader.line_number, G);
    if (G.baseline.line_hook != nullptr) {
      G.baseline.line_hook(G, text, G.reader.line_number);
    }
    G.lex.suppress_rest_of_line = false;
    G.lex.java_annotation = false;
  }
}

}  // namespace zav
