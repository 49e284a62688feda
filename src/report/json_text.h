// Building JSON text: strings escaped to valid UTF-8 and a small writer
// that places the commas and keys of nested objects and arrays.
//
// Shared by the JSON report and the SARIF log.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <memory>
#include <string_view>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "base/format.h"
#include "zav/machine_output.h"

namespace zav {

// Appends `text` as a quoted JSON string. Bytes follow one rule: a valid
// UTF-8 sequence is kept, any other byte of 0x80 or above is taken as the
// Latin-1 character of that code (and written in UTF-8), control
// characters, '"' and '\' are escaped.
void AppendJsonString(std::string& out, std::string_view text);

// `text` in UTF-8 by the same byte rule, nothing escaped.
std::string ToUtf8(std::string_view text);

// The bytes a JSON string holds as they are: printable ASCII but '"' and
// '\\'.
inline constexpr auto kJsonPlainByte = [] {
  std::array<bool, 256> plain{};
  for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
  return plain;
}();

#ifdef __SSE2__
// The bytes of `v` that are not plain, one bit each: a byte below 0x20 or
// of 0x80 and above is below 0x20 as a signed byte.
[[gnu::always_inline]] inline int JsonBadBytes(__m128i v) {
  const __m128i bad = _mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('"')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\\'))),
      _mm_cmplt_epi8(v, _mm_set1_epi8(0x20)));
  return _mm_movemask_epi8(bad);
}
#endif

// Whether all of `text` is plain (kJsonPlainByte): sixteen bytes at a time
// where SSE2 is at hand (the last block overlapping the one before, a
// short text in part of one), otherwise eight bytes at a time.
[[gnu::always_inline]] inline bool IsJsonPlain(std::string_view text) {
  const char* p = text.data();
  const size_t n = text.size();
#ifdef __SSE2__
  auto bad_bytes = [](__m128i v) { return JsonBadBytes(v); };
  auto plain_block = [&](__m128i v) { return bad_bytes(v) == 0; };
  if (n >= 16) {
    for (size_t i = 0; i + 16 <= n; i += 16) {
      if (!plain_block(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)))) return false;
    }
    return plain_block(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 16)));
  }
  if (n >= 8) {
    return plain_block(
        _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)),
                           _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + n - 8))));
  }
  // Short texts, most names, in the low bytes of a block: the first and
  // the last four bytes, overlapping, or for one to three bytes the first,
  // the middle and the last.
  if (n >= 4) {
    uint32_t first, last;
    std::memcpy(&first, p, 4);
    std::memcpy(&last, p + n - 4, 4);
    const __m128i v = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(first)),
                                         _mm_cvtsi32_si128(static_cast<int>(last)));
    return (bad_bytes(v) & 0xFF) == 0;
  }
  if (n == 0) return true;
  const auto byte_at = [p](size_t i) { return uint32_t{static_cast<unsigned char>(p[i])}; };
  const uint32_t three = byte_at(0) | byte_at(n / 2) << 8 | byte_at(n - 1) << 16;
  return (bad_bytes(_mm_cvtsi32_si128(static_cast<int>(three))) & 0x7) == 0;
#else
  constexpr uint64_t kOnes = 0x0101010101010101u, kHighs = 0x8080808080808080u;
  // A byte of zero in `x` sets its high bit in the result.
  auto has_zero = [](uint64_t x) { return (x - kOnes) & ~x & kHighs; };
  // Bytes of 0x80 and above, below 0x20, '"' and '\\'.
  // Without high bits no byte carries into the next when 0x60 is added,
  // and only a byte below 0x20 stays below 0x80.
  auto plain_word = [&](uint64_t x) {
    return (x & kHighs) == 0 && ((x + 0x6060606060606060u) & kHighs) == kHighs &&
           !has_zero(x ^ (kOnes * '"')) && !has_zero(x ^ (kOnes * '\\'));
  };
  auto word_at = [](const char* at) {
    uint64_t x;
    std::memcpy(&x, at, 8);
    return x;
  };
  if (n >= 8) {
    for (size_t i = 0; i + 8 <= n; i += 8) {
      if (!plain_word(word_at(p + i))) return false;
    }
    // The last bytes as one word that overlaps the one before.
    return plain_word(word_at(p + n - 8));
  }
  if (n >= 4) {  // the first and the last four bytes, overlapping
    uint32_t first, last;
    std::memcpy(&first, p, 4);
    std::memcpy(&last, p + n - 4, 4);
    return plain_word(first | uint64_t{last} << 32);
  }
  if (n == 0) return true;
  // One to three bytes: the first, the middle and the last cover them; the
  // other bytes of the word are spaces.
  const auto byte = [](char c) { return uint64_t{static_cast<unsigned char>(c)}; };
  return plain_word((kOnes * ' ' & ~uint64_t{0xFFFFFF}) | byte(p[0]) | byte(p[n / 2]) << 8 |
                    byte(p[n - 1]) << 16);
#endif
}

// The figures written from a table: most figures of a document.
inline constexpr uint64_t kJsonSmallLimit = 1024;

// The decimal digits of 0 to kJsonSmallLimit - 1, each in eight bytes:
// the digits, then their count in the last byte.
inline constexpr auto kJsonSmallInts = [] {
  std::array<std::array<char, 8>, kJsonSmallLimit> table{};
  for (int v = 0; v < static_cast<int>(kJsonSmallLimit); ++v) {
    std::array<char, 8>& entry = table[v];
    const int count = v < 10 ? 1 : v < 100 ? 2 : v < 1000 ? 3 : 4;
    for (int i = count - 1, rest = v; i >= 0; --i, rest /= 10) {
      entry[i] = static_cast<char>('0' + rest % 10);
    }
    entry[7] = static_cast<char>(count);
  }
  return table;
}();

// Whether figures whose bits are or-ed into `bits` are all below
// kJsonSmallLimit (and none negative).
[[gnu::always_inline]] inline bool AllJsonSmall(int64_t bits) {
  return static_cast<uint64_t>(bits) < kJsonSmallLimit;
}

// Writes `value`, which is below kJsonSmallLimit, at `at` (room for 8
// bytes), returning the end: one copy of eight bytes from the table, the
// bytes after the digits overwritten by what follows.
[[gnu::always_inline]] inline char* PutSmallJsonInt(char* at, int64_t value) {
  // The entry as one word: its last byte, the count, is its top byte here.
  static_assert(std::endian::native == std::endian::little);
  uint64_t entry;
  std::memcpy(&entry, kJsonSmallInts[static_cast<uint64_t>(value)].data(), 8);
  std::memcpy(at, &entry, 8);
  return at + (entry >> 56);
}

// Writes `value` in decimal at `at` (room for 20 bytes), returning the end.
[[gnu::always_inline]] inline char* WriteJsonInt(char* at, int64_t value) {
  if (AllJsonSmall(value)) [[likely]] return PutSmallJsonInt(at, value);
  return PutDecimal(at, value);
}

// WriteJsonInt, or PutSmallJsonInt where the caller knows the figure is
// small: the record writers below take both forms.
template <bool kSmall>
[[gnu::always_inline]] inline char* PutJsonInt(char* at, int64_t value) {
  if constexpr (kSmall) {
    return PutSmallJsonInt(at, value);
  } else {
    return WriteJsonInt(at, value);
  }
}

// Writes `text` (a literal) at `at`, returning the end.
template <size_t N>
[[gnu::always_inline]] inline char* PutJsonLiteral(char* at, const char (&text)[N]) {
  std::memcpy(at, text, N - 1);
  return at + N - 1;
}

// Writes `text` at `at`, returning the end. Names and parameter lists are
// short: up to 32 bytes they are copied inline, as two blocks that may
// overlap, rather than by a call.
[[gnu::always_inline]] inline char* PutJsonText(char* at, std::string_view text) {
  const char* p = text.data();
  const size_t n = text.size();
  // The first and the last `size` bytes, both read before either is written.
  auto two_blocks = [&]<size_t size>() __attribute__((always_inline)) {
    char first[size], last[size];
    std::memcpy(first, p, size);
    std::memcpy(last, p + n - size, size);
    std::memcpy(at, first, size);
    std::memcpy(at + n - size, last, size);
  };
  if (n > 32) {
    std::memcpy(at, p, n);
  } else if (n >= 16) {
    two_blocks.template operator()<16>();
  } else if (n >= 8) {
    two_blocks.template operator()<8>();
  } else if (n >= 4) {
    two_blocks.template operator()<4>();
  } else if (n > 0) {
    at[0] = p[0];
    at[n / 2] = p[n / 2];
    at[n - 1] = p[n - 1];
  }
  return at + n;
}

// PutJsonText for a text that is to be plain (IsJsonPlain), tested as it
// is copied: the end, or nullptr when it is not plain (what was written is
// then to be written over). Nothing is written past the text's end.
[[gnu::always_inline]] inline char* PutPlainJsonText(char* at, std::string_view text) {
#ifdef __SSE2__
  const char* p = text.data();
  const size_t n = text.size();
  auto load = [](const char* from) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  };
  auto store = [](char* to, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(to), v); };
  if (n >= 16) {
    // Whole blocks, then the last sixteen bytes, overlapping the one before.
    for (size_t i = 0; i + 16 < n; i += 16) {
      const __m128i v = load(p + i);
      if (JsonBadBytes(v) != 0) return nullptr;
      store(at + i, v);
    }
    const __m128i last = load(p + n - 16);
    if (JsonBadBytes(last) != 0) return nullptr;
    store(at + n - 16, last);
    return at + n;
  }
  if (n >= 8) {  // the first and the last eight bytes, overlapping
    const __m128i first = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
    const __m128i last = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + n - 8));
    if (JsonBadBytes(_mm_unpacklo_epi64(first, last)) != 0) return nullptr;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(at), first);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(at + n - 8), last);
    return at + n;
  }
  if (n >= 4) {  // the first and the last four bytes
    uint32_t first, last;
    std::memcpy(&first, p, 4);
    std::memcpy(&last, p + n - 4, 4);
    const __m128i v = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(first)),
                                         _mm_cvtsi32_si128(static_cast<int>(last)));
    if ((JsonBadBytes(v) & 0xFF) != 0) return nullptr;
    std::memcpy(at, &first, 4);
    std::memcpy(at + n - 4, &last, 4);
    return at + n;
  }
  if (n == 0) return at;
  // One to three bytes: the first, the middle and the last.
  const char a = p[0], b = p[n / 2], c = p[n - 1];
  const auto byte = [](char x) { return uint32_t{static_cast<unsigned char>(x)}; };
  const uint32_t three = byte(a) | byte(b) << 8 | byte(c) << 16;
  if ((JsonBadBytes(_mm_cvtsi32_si128(static_cast<int>(three))) & 0x7) != 0) return nullptr;
  at[0] = a;
  at[n / 2] = b;
  at[n - 1] = c;
  return at + n;
#else
  return IsJsonPlain(text) ? PutJsonText(at, text) : nullptr;
#endif
}

// Writes JSON into a string buffer that the caller drains with Flush, so a
// long document is written piece by piece. Each call with a key adds a
// member to the open object; a call with an empty key adds an element to
// the open array. Keys are the program's own ASCII names and
// are written as they are.
class JsonWriter {
 public:
  void BeginObject(std::string_view key = {}) { Open(key, '{', '}'); }
  void BeginArray(std::string_view key = {}) { Open(key, '[', ']'); }
  // Closes the innermost open object or array.
  void End() {
    if (depth_ == 0) return;
    --depth_;
    char* at = Reserve(2);
    *at++ = closers_[depth_];
    if (depth_ == 0) *at++ = '\n';
    used_ = at - buffer_.get();
  }

  // The writers of single values are inline: the keys are literals, so
  // their copies compile to a few moves, and a document holds hundreds of
  // thousands of members.
  [[gnu::always_inline]] void Int(std::string_view key, int64_t value) {
    char* at = Prefix(key, 24);
    used_ = WriteJsonInt(at, value) - buffer_.get();
  }
  void Real(std::string_view key, double value);  // two decimals
  [[gnu::always_inline]] void Str(std::string_view key, std::string_view value) {
    // Plain printable ASCII, the common case, is copied as it is.
    if (!IsJsonPlain(value)) return EscapedStr(key, value);
    char* at = Prefix(key, value.size() + 2);
    *at++ = '"';
    std::memcpy(at, value.data(), value.size());
    at[value.size()] = '"';
    used_ = at + value.size() + 1 - buffer_.get();
  }
  void Bool(std::string_view key, bool value);
  // Appends a member or element whose value is text that is already JSON.
  void Raw(std::string_view key, std::string_view json);
  // Appends JSON text as it is, outside the comma and key bookkeeping.
  void Text(std::string_view json) { Put(json); }
  // Takes over the JSON text `text` gained since it was last taken over,
  // without its first `skip` bytes, rather than copying it. A writer with a
  // sink holds it until its next flush, which writes it in its place
  // together with the buffer in one call (a file gets few large writes,
  // each costing the kernel more than a copy, and the text is not copied)
  // and then drops it from `text`. A writer without a sink copies it.
  void Adopt(ByteBuffer& text, size_t skip);
  // Flushes a writer with a sink once what it built and holds fill its
  // buffer's size. Called where the texts it took over are complete, so
  // that a flush seldom leaves them a remainder to move.
  void FlushWhenFull();
  // A whole element of the open array written by the caller: Element
  // places the comma and returns where the element goes, with room for
  // `room` bytes; EndElement takes the end of what was written.
  [[gnu::always_inline]] char* Element(size_t room) { return Prefix({}, room); }
  // The same for a member of the open object: the comma and the key are
  // written, the value goes at the place returned.
  [[gnu::always_inline]] char* Member(std::string_view key, size_t room) {
    return Prefix(key, room);
  }
  void EndElement(char* end) { used_ = end - buffer_.get(); }
  // Takes back an Element that returned `element` and was left unwritten:
  // the open array is as it was. Element wrote a comma before `element`
  // only when the array had a member.
  void RetractElement(const char* element) {
    if (depth_ > 0) has_member_[depth_ - 1] = element != buffer_.get() + used_;
  }
  // Continues an object or array that an earlier writer opened and already
  // gave members: `closer` is '}' or ']'.
  void Resume(char closer);

  JsonWriter() : JsonWriter(kStartSize) {}
  // A writer for a small piece, starting with room for `start_size` bytes.
  explicit JsonWriter(size_t start_size)
      : buffer_(std::make_unique_for_overwrite<char[]>(start_size)), capacity_(start_size) {}
  // A writer that drains its buffer into `sink` whenever it fills, rather
  // than growing it: a file object with thousands of functions and notices
  // costs no copying of what was already built. The caller still flushes
  // the rest.
  explicit JsonWriter(FILE* sink) : JsonWriter() { sink_ = sink; }
  // The same with a buffer of `size` bytes.
  JsonWriter(FILE* sink, size_t size) : JsonWriter(size) { sink_ = sink; }

  // Writes what was built so far to `file` and empties the buffer.
  void Flush(FILE* file);
  // What was built so far.
  std::string_view View() const { return {buffer_.get(), used_}; }

 private:
  // Writes the comma before a member or element and the member's key, and
  // returns where its value goes, with room for `value_room` more bytes.
  [[gnu::always_inline]] char* Prefix(std::string_view key, size_t value_room) {
    char* at = Reserve(key.size() + 4 + value_room);
    if (depth_ > 0) {
      if (has_member_[depth_ - 1]) *at++ = ',';
      has_member_[depth_ - 1] = true;
    }
    if (!key.empty()) {  // keys are plain ASCII names: nothing to escape
      *at++ = '"';
      std::memcpy(at, key.data(), key.size());
      at += key.size();
      *at++ = '"';
      *at++ = ':';
    }
    return at;
  }
  void Prefix(std::string_view key) { used_ = Prefix(key, 0) - buffer_.get(); }
  void EscapedStr(std::string_view key, std::string_view value);
  [[gnu::always_inline]] void Open(std::string_view key, char opener, char closer) {
    char* at = Prefix(key, 1);
    if (depth_ < kMaxDepth) {
      *at++ = opener;
      closers_[depth_] = closer;
      has_member_[depth_] = false;
      ++depth_;
    }
    used_ = at - buffer_.get();
  }
  void Put(std::string_view text);
  // Room for n more bytes at the end of the buffer.
  char* Reserve(size_t n) {
    if (used_ + n > capacity_) Grow(n);
    return buffer_.get() + used_;
  }
  void Grow(size_t n);
  // Writes the buffer with the held texts in their places.
  void WriteHeld(FILE* file);

  static constexpr size_t kStartSize = 16384;
  static constexpr int kMaxDepth = 64;  // the documents nest far less
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = kStartSize;
  size_t used_ = 0;
  std::string escaped_;  // a string that needed escaping
  FILE* sink_ = nullptr;  // where a full buffer is drained, if anywhere
  // Texts taken over by Adopt: bytes [from, to) of `source`, to go after the
  // first `at` bytes of the buffer.
  struct HeldText {
    ByteBuffer* source;
    size_t from, to, at;
  };
  std::vector<HeldText> held_;
  size_t held_bytes_ = 0;
  int depth_ = 0;                 // open levels
  char closers_[kMaxDepth];       // '}' or ']' per open level
  bool has_member_[kMaxDepth];    // per open level
};

}  // namespace zav
