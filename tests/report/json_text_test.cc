#include "report/json_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zav {
namespace {

// A stream that records each write it is given, unbuffered as the report
// file of a JSON run is: one entry per write the file would get.
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

// A writer with a 64-byte buffer: texts shorter than half of it are gathered
// with what comes before and after them; a longer one leaves at once, after
// what was built, in a write of its own. The document keeps its order.
TEST(JsonWriterSink, ShortTextsAreGatheredAndLongOnesPassedOn) {
  WriteLog log;
  FILE* file = log.Open();
  JsonWriter w(file, 64);
  w.BeginArray();
  w.LongText("1,2");
  w.LongText(",3");
  const std::string long_text = "," + std::string(40, '4');
  w.LongText(long_text);
  w.LongText(",5");
  w.End();
  w.Flush(file);
  std::fclose(file);

  ASSERT_EQ(log.writes.size(), 3u);
  EXPECT_EQ(log.writes[0], "[1,2,3");
  EXPECT_EQ(log.writes[1], long_text);
  EXPECT_EQ(log.writes[2], ",5]\n");  // the document ends its line
}

}  // namespace
}  // namespace zav
