#include "baseline/alignment.h"

#include <algorithm>
#include <memory>
#include <new>

#include "base/output.h"
#include "base/xml_text.h"

namespace zav {
namespace {

inline bool Match(const DiffLine& a, const DiffLine& b) {
  return a.type == b.type && a.fingerprint == b.fingerprint;
}

// The counter groups a type letter feeds: its code group, and C for a
// comment on the line. Unknown letters feed none.
void GroupsOf(char type, int& first, int& second) {
  first = second = -1;
  switch (type) {
    case 'L': first = kLinesL; break;
    case 'N': first = kLinesN; break;
    case 'G': first = kLinesG; break;
    case 'l': first = kLinesL; second = kLinesC; break;
    case 'n': first = kLinesN; second = kLinesC; break;
    case 'g': first = kLinesG; second = kLinesC; break;
    case 'C': first = kLinesC; break;
    case 'B': first = kLinesB; break;
    default: break;
  }
}

// One file's alignment: the two lists, the counters and the details.
class Aligner {
 public:
  Aligner(GlobalData& G, const std::string& name, const std::vector<DiffLine>& older,
          const std::vector<DiffLine>& newer, LineCounters& counters)
      : G_(G), name_(name), older_(older), newer_(newer), counters_(counters),
        keep_details_(G.sw.work_details), debug_(G.sw.diff_debug) {}

  bool Run(int bound);
  std::vector<DiffDetail>& details() { return details_; }

 private:
  // Counts a line of `type` and keeps its detail with both line numbers.
  void Count(char op, char type, int32_t older, int32_t newer);
  void Equal(const DiffLine& o, const DiffLine& n) { Count('=', o.type, o.line, n.line); }
  void Added(const DiffLine& n) { Count('+', n.type, 0, n.line); }
  void Removed(const DiffLine& o) { Count('-', o.type, o.line, 0); }
  bool Block(int h0, int k, int p0, int m);
  template <typename Cell>
  bool FillAndWalk(int h0, int k, int p0, int m);
  template <typename Cell>
  void Dump(const Cell* cells, int rows, int columns);

  GlobalData& G_;
  const std::string& name_;
  const std::vector<DiffLine>& older_;
  const std::vector<DiffLine>& newer_;
  LineCounters& counters_;
  bool keep_details_;
  bool debug_;
  std::vector<DiffDetail> details_;
  // The matrix memory, kept for the file's next block.
  std::unique_ptr<unsigned char[]> matrix_;
  size_t matrix_bytes_ = 0;
};

void Aligner::Count(char op, char type, int32_t older, int32_t newer) {
  int first, second;
  GroupsOf(type, first, second);
  if (first < 0) return;
  int32_t* row = op == '=' ? counters_.eq : op == '+' ? counters_.mod : counters_.rm;
  ++row[first];
  if (second >= 0) ++row[second];
  if (!keep_details_) return;
  details_.push_back(DiffDetail{older, op, type, newer});
}

// Aligns the k older lines from h0 with the m newer lines from p0.
bool Aligner::Block(int h0, int k, int p0, int m) {
  // A common head is equal whatever follows: the walk takes the diagonal
  // through it, so the matrix needs only the rows and columns after it.
  int head = 0;
  while (head < k && head < m && Match(older_[h0 + head], newer_[p0 + head])) {
    Equal(older_[h0 + head], newer_[p0 + head]);
    ++head;
  }
  h0 += head;
  p0 += head;
  k -= head;
  m -= head;
  // The common length never exceeds the shorter side: 2-byte cells hold it
  // up to 65,535 lines.
  if (std::min(k, m) <= 0xFFFF) return FillAndWalk<uint16_t>(h0, k, p0, m);
  return FillAndWalk<uint32_t>(h0, k, p0, m);
}

template <typename Cell>
bool Aligner::FillAndWalk(int h0, int k, int p0, int m) {
  const size_t rows = static_cast<size_t>(k) + 1, columns = static_cast<size_t>(m) + 1;
  Cell* M = nullptr;
  if (k > 0 && m > 0) {
    const size_t bytes = rows * columns * sizeof(Cell);
    if (bytes > matrix_bytes_) {
      matrix_.reset(new (std::nothrow) unsigned char[bytes]);
      matrix_bytes_ = matrix_ ? bytes : 0;
    }
    if (!matrix_) {
      Print(G_, "\n  Error: Memory Allocation LCS Array\n         File - %s\n         Size - %.0f bytes\n",
            MessageName(G_, name_).c_str(), static_cast<double>(bytes));
      return false;
    }
    M = reinterpret_cast<Cell*>(matrix_.get());
    std::fill(M + k * columns, M + rows * columns, Cell(0));
    for (int i = k - 1; i >= 0; --i) {
      const DiffLine& o = older_[h0 + i];
      Cell* row = M + i * columns;
      const Cell* below = row + columns;
      row[m] = 0;
      for (int j = m - 1; j >= 0; --j) {
        row[j] = Match(o, newer_[p0 + j]) ? static_cast<Cell>(below[j + 1] + 1)
                                          : std::max(below[j], row[j + 1]);
      }
    }
    if (debug_) Dump(M, static_cast<int>(rows), static_cast<int>(columns));
  }
  int i = 0, j = 0;
  while (i < k && j < m) {
    const DiffLine& o = older_[h0 + i];
    const DiffLine& n = newer_[p0 + j];
    if (Match(o, n)) {
      Equal(o, n);
      ++i;
      ++j;
    } else if (M[(i + 1) * columns + j] < M[i * columns + j + 1]) {
      Added(n);
      ++j;
    } else {
      Removed(o);
      ++i;
    }
  }
  for (; j < m; ++j) Added(newer_[p0 + j]);
  for (; i < k; ++i) Removed(older_[h0 + i]);
  return true;
}

template <typename Cell>
void Aligner::Dump(const Cell* cells, int rows, int columns) {
  // Large matrices are shown by their top-left corner.
  constexpr int kShown = 100;
  Print(G_, "**** Matrix %d x %d\n", rows, columns);
  for (int i = 0; i < std::min(rows, kShown); ++i) {
    for (int j = 0; j < std::min(columns, kShown); ++j) {
      Print(G_, " %d", static_cast<int>(cells[static_cast<size_t>(i) * columns + j]));
    }
    PutText(G_, "\n");
  }
}

bool Aligner::Run(int bound) {
  const int H = static_cast<int>(older_.size()), P = static_cast<int>(newer_.size());
  if (debug_) Print(G_, "**** Hlist count %d\n**** Plist count %d\n", H, P);
  const int hs = static_cast<int>(static_cast<double>(H) / bound);
  const int ps = static_cast<int>(static_cast<double>(P) / bound);
  if (hs < 1 || ps < 1) {
    if (debug_) PutText(G_, "**** No Increments \n");
    return Block(0, H, 0, P);
  }
  const int segments = std::min(hs, ps);
  int hstart = H - 1, pstart = P - 1;
  for (int s = 0; s < segments; ++s) {
    if (debug_) {
      Print(G_, "**** Segment: %d\n**** hstart: %d\n**** hstop: %d\n**** pstart: %d\n**** pstop: %d\n",
            s, hstart, hstart - bound + 1, pstart, pstart - bound + 1);
    }
    if (!Block(hstart - bound + 1, bound, pstart - bound + 1, bound)) return false;
    hstart -= bound;
    pstart -= bound;
  }
  if (hstart < 0 && pstart < 0) return true;
  if (debug_) PutText(G_, "**** Remainder\n");
  // One side alone left: its lines are all added or all removed.
  return Block(0, hstart + 1, 0, pstart + 1);
}

}  // namespace

CodeDiffFigures FiguresFromCounters(const LineCounters& c, bool add_removed) {
  CodeDiffFigures f;
  const int32_t* mod = c.mod;
  const int32_t* rm = c.rm;
  const int32_t n_removed = add_removed ? rm[kLinesN] : 0;
  auto both = [&](int g) { return mod[g] + (add_removed ? rm[g] : 0); };
  f.loc = both(kLinesL) + both(kLinesN) + both(kLinesG);
  f.eloc = f.loc - mod[kLinesN] - n_removed;
  f.lloc = both(kLinesG);
  f.comments = both(kLinesC);
  f.blanks = both(kLinesB);
  f.lines = f.loc + f.comments + f.blanks;
  return f;
}

bool CompareFileLines(GlobalData& G, const std::string& name,
                      const std::vector<DiffLine>& older,
                      const std::vector<DiffLine>& newer, int bound,
                      LineCounters& counters) {
  counters = LineCounters();
  if (G.sw.work_details) WriteDetailHeader(G, name);
  Aligner aligner(G, name, older, newer, counters);
  const bool done = aligner.Run(bound < 1 ? 1 : bound);
  if (G.sw.diff_debug) {
    const LineCounters& c = counters;
    Print(G, "\nMod L%d N%d G%d C%d B%d\nEq  L%d N%d G%d C%d B%d\nRm  L%d N%d G%d C%d B%d\n",
          c.mod[0], c.mod[1], c.mod[2], c.mod[3], c.mod[4], c.eq[0], c.eq[1], c.eq[2], c.eq[3],
          c.eq[4], c.rm[0], c.rm[1], c.rm[2], c.rm[3], c.rm[4]);
  }
  if (done && G.sw.work_details) WriteDetailRows(G, aligner.details(), counters);
  return done;
}

}  // namespace zav
