#!/usr/bin/env python3
"""Writes a deterministic corpus of C, C++, Java and C# files for benchmarks."""
import os
import random
import sys

out = sys.argv[1] if len(sys.argv) > 1 else "bench/corpus"
rng = random.Random(1234)

FUNC_C = """/* Computes {name} over the buffer.
 * Returns the number of items seen. */
static int {name}(const int *items, int count, int limit)
{{
    int total = 0;
    for (int i = 0; i < count; i++) {{
        if (items[i] > limit && items[i] != 0) {{
            total += items[i];   /* accumulate */
        }} else if (items[i] < 0) {{
            total -= 1;
        }}
    }}
    switch (total % 3) {{
    case 0:
        break;
    default:
        total++;
        break;
    }}
    return total;
}}

"""

CLASS_CPP = """namespace lib{n} {{
// A value holder with a small interface.
class Holder{n} : public Base {{
 public:
  explicit Holder{n}(int v) : value_(v) {{}}
  int Get() const {{ return value_; }}
  void Set(int v) {{
    if (v < 0) {{ v = 0; }}
    value_ = v;
  }}
 private:
  int value_;
}};
}}  // namespace lib{n}

"""

def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)

for d in range(20):
    for i in range(25):
        body = "#include <stdio.h>\n\n"
        for k in range(rng.randint(20, 60)):
            body += FUNC_C.format(name="fn_%d_%d_%d" % (d, i, k))
        write("%s/c%02d/file%03d.c" % (out, d, i), body)
        body = "#pragma once\n\n"
        for k in range(rng.randint(20, 60)):
            body += CLASS_CPP.format(n="%d_%d_%d" % (d, i, k))
        write("%s/cpp%02d/file%03d.hpp" % (out, d, i), body)
