// Building JSON text: strings escaped to valid UTF-8 and a small writer
// that places the commas and keys of nested objects and arrays.
//
// Shared by the JSON report and the SARIF log.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <memory>
#include <string_view>

namespace zav {

// Appends `text` as a quoted JSON string. Bytes follow one rule: a valid
// UTF-8 sequence is kept, any other byte of 0x80 or above is taken as the
// Latin-1 character of that code (and written in UTF-8), control
// characters, '"' and '\' are escaped.
void AppendJsonString(std::string& out, std::string_view text);

// `text` in UTF-8 by the same byte rule, nothing escaped.
std::string ToUtf8(std::string_view text);

// Writes JSON into a string buffer that the caller drains with Flush, so a
// long document is written piece by piece. Each call with a key adds a
// member to the open object; a call with an empty key adds an element to
// the open array. Keys are the program's own ASCII names and
// are written as they are.
class JsonWriter {
 public:
  void BeginObject(std::string_view key = {});
  void BeginArray(std::string_view key = {});
  void End();  // closes the innermost open object or array

  void Int(std::string_view key, int64_t value);
  void Real(std::string_view key, double value);  // two decimals
  void Str(std::string_view key, std::string_view value);
  void Bool(std::string_view key, bool value);
  // Appends a member or element whose value is text that is already JSON.
  void Raw(std::string_view key, std::string_view json);
  // Appends JSON text as it is, outside the comma and key bookkeeping.
  void Text(std::string_view json) { Put(json); }
  // Continues an object or array that an earlier writer opened and already
  // gave members: `closer` is '}' or ']'.
  void Resume(char closer);

  JsonWriter() : buffer_(std::make_unique_for_overwrite<char[]>(kStartSize)) {}

  // Writes what was built so far to `file` and empties the buffer.
  void Flush(FILE* file);

 private:
  void Prefix(std::string_view key);
  void Open(char opener, char closer, bool has_member);
  void Put(std::string_view text);
  // Room for n more bytes at the end of the buffer.
  char* Reserve(size_t n) {
    if (used_ + n > capacity_) Grow(n);
    return buffer_.get() + used_;
  }
  void Grow(size_t n);

  static constexpr size_t kStartSize = 16384;
  static constexpr int kMaxDepth = 64;  // the documents nest far less
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = kStartSize;
  size_t used_ = 0;
  std::string escaped_;  // a string that needed escaping
  int depth_ = 0;                 // open levels
  char closers_[kMaxDepth];       // '}' or ']' per open level
  bool has_member_[kMaxDepth];    // per open level
};

}  // namespace zav
