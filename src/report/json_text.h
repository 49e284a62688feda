// Building JSON text: strings escaped to valid UTF-8 and a small writer
// that places the commas and keys of nested objects and arrays.
//
// Shared by the JSON report and the SARIF log.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zav {

// Appends `text` as a quoted JSON string. Bytes follow one rule: a valid
// UTF-8 sequence is kept, any other byte of 0x80 or above is taken as the
// Latin-1 character of that code (and written in UTF-8), control
// characters, '"' and '\' are escaped.
void AppendJsonString(std::string& out, std::string_view text);

// Writes JSON into a string buffer that the caller drains with Flush, so a
// long document is written piece by piece. Each call with a key adds a
// member to the open object; a call with a null key adds an element to the
// open array.
class JsonWriter {
 public:
  void BeginObject(const char* key = nullptr);
  void BeginArray(const char* key = nullptr);
  void End();  // closes the innermost open object or array

  void Int(const char* key, int64_t value);
  void Real(const char* key, double value);  // two decimals
  void Str(const char* key, std::string_view value);
  void Bool(const char* key, bool value);
  // Appends a member or element whose value is text that is already JSON.
  void Raw(const char* key, std::string_view json);
  // Appends JSON text as it is, outside the comma and key bookkeeping.
  void Text(std::string_view json) { out_ += json; }
  // Continues an object or array that an earlier writer opened and already
  // gave members: `closer` is '}' or ']'.
  void Resume(char closer);

  // Writes what was built so far to `file` and empties the buffer.
  void Flush(FILE* file);
  const std::string& text() const { return out_; }

 private:
  void Prefix(const char* key);

  std::string out_;
  std::vector<char> closers_;     // '}' or ']' per open level
  std::vector<bool> has_member_;  // per open level
};

}  // namespace zav
