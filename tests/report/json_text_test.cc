#include "report/json_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zav {
namespace {

void Append(ByteBuffer& out, std::string_view text) {
  char* at = out.Reserve(text.size());
  std::memcpy(at, text.data(), text.size());
  out.Commit(at + text.size());
}

// A stream without a descriptor that records each write it is given.
struct WriteLog {
  std::vector<std::string> writes;
  FILE* Open() {
    cookie_io_functions_t io{};
    io.write = [](void* cookie, const char* data, size_t size) -> ssize_t {
      static_cast<WriteLog*>(cookie)->writes.emplace_back(data, size);
      return static_cast<ssize_t>(size);
    };
    FILE* file = fopencookie(this, "w", io);
    std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
  }
};

// Texts taken over by a writer with a 64-byte buffer come out in their
// places between what the writer built, less their first `skip` bytes;
// once they and the buffer reach 64 bytes a flush when full writes all of
// it and the texts keep only what was not taken (",7" below, appended before that flush and
// taken after it). Written through a file's descriptor and through a
// stream that has none.
TEST(JsonWriterSink, TakenTextsAreWrittenInTheirPlaces) {
  const std::string long_text = "," + std::string(54, '4');
  for (const bool with_descriptor : {true, false}) {
    WriteLog log;
    FILE* file = with_descriptor ? std::tmpfile() : log.Open();
    JsonWriter w(file, 64);
    ByteBuffer a, b;
    w.BeginArray();
    Append(a, ",1,2");
    w.Adopt(a, 1);
    w.Text(",3");
    Append(a, long_text);
    w.Adopt(a, 0);
    w.FlushWhenFull();  // 58 bytes held and 3 built: not yet
    w.Text(",5");
    Append(a, ",7");
    Append(b, ",6");
    w.Adopt(b, 0);
    w.FlushWhenFull();  // 60 and 5: all written
    EXPECT_EQ(a.View(), ",7");
    EXPECT_TRUE(b.empty());
    w.Adopt(a, 0);
    w.End();
    w.Flush(file);
    std::string written;
    if (with_descriptor) {
      std::rewind(file);
      char part[256];
      for (size_t n; (n = std::fread(part, 1, sizeof part, file)) > 0;) written.append(part, n);
    } else {
      // One per piece: "[", "1,2", ",3", the long text, ",5", ",6"; then
      // ",7" and "]\n".
      EXPECT_EQ(log.writes.size(), 8u);
      for (const std::string& piece : log.writes) written += piece;
    }
    std::fclose(file);
    EXPECT_EQ(written, "[1,2,3" + long_text + ",5,6,7]\n");
  }
}

}  // namespace
}  // namespace zav
