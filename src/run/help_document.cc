// The sections of the full help document (-hf), before the switch topics.
#include <string>

#include "report/framework.h"
#include "base/output.h"
#include "run/help_text.h"

namespace zav {
namespace {

struct Section {
  const char* title;
  const char* text;
};

constexpr Section kSections[] = {
    {"~ ZAV Help Documentation~", R"(
  ZAV measures the size, complexity and quality of C, C++, C# and Java
  source code.  It reads the files you name, counts their lines and
  constructs, finds their functions and classes, points out risky or
  hard to maintain code with numbered quality notices, and writes its
  reports as text, HTML, CSV or XML.

  This document explains what ZAV measures, how it runs, how it is
  configured and what every switch does.  Shorter help:
    zav            the most used switches
    zav -hs        every switch on one page
    zav -hn        the quality notices and whether each is on
    zav -hc        the configuration file with all current settings
)"},
    {"~ Source Code Metrics and Analysis ~", R"(
  Every physical line is classified:
    LOC       a line holding code (not blank and not only comment)
    eLOC      effective LOC: a code line that holds more than a lone
              brace, bracket or parenthesis
    lLOC      logical LOC: statements, counted at their semicolons
              outside comments and strings; the header of a for
              loop counts once
    Comment   a line holding a comment; a line can be code and comment
    Blank     a line holding nothing but white space

  Keywords and tokens are counted per file: branches, loops, returns,
  memory allocation and release, preprocessor directives, braces,
  brackets and parentheses.  Functions are measured one by one: their
  lines, parameters, return points, cyclomatic complexity (one plus
  each decision), interface complexity (parameters plus return points)
  and total complexity.  Classes and structs report their methods and
  attributes by visibility; namespaces and packages their totals.

  Quality notices point at code that tends to break or is hard to
  maintain: a missing 'default' in a switch, an assignment inside an
  'if', a function above a complexity limit, and 55 more.  Each notice
  can be turned off, and most have limits, in the configuration file.
)"},
    {"~ Program Operation ~", R"(
  ZAV is a command line program.  Switches come first, then the files:

    zav -switch -switch[option] -switch"compound option" files

  It reads the configuration file, applies the switches from left to
  right, builds the list of files, analyses each file in turn and
  writes the report of each file as soon as it is read, then the
  project totals.  The report goes to the screen unless -O names a
  file.  With -n the exit code is the number of quality notices, so a
  build script can fail on new notices; otherwise it is 0, or 1 for a
  command line error.
)"},
    {"~ Operation Step by Step ~", R"(
  1. Read the configuration file (created with defaults when missing).
  2. Apply the switches in the order given; a later switch overrides an
     earlier one.  -u"File cfg name" reads a private configuration at
     its place among the switches.
  3. Write the report banner and the title of the report mode.
  4. Build the file list from the file names, from -r (a directory
     tree) or from -F (a list file).  Header files come first.
  5. Analyse every file: line metrics, keywords, functions, classes and
     quality notices, then write the reports of that file.
  6. Write the project reports: totals, averages and profiles.
  7. End with the exit code (the notice count with -n).

  Example: zav -fa -n -r"c,h src" > report.txt
)"},
    {"~ Program Configuration ~", R"(
  The settings of ZAV live in the file zav.cfg.  ZAV looks for it in the
  directory named by the environment variable ZAVCFGHOME; when that is
  not set, in the directory named by ZAVHOME; when that is not set
  either, in the directory of the program itself (or the current
  directory when the program was started without a directory).  When
  the file is missing, ZAV creates it with the built-in defaults.

  Each setting is one line "Key : Value".  Lines beginning with "#" are
  comments.  Change the value after the colon, never the key.  A file
  written by another version of ZAV is rewritten with the current
  layout, keeping your values.

  zav -hc (or -y) shows every setting with its current value; redirect
  it into a file to start a private configuration:
    zav -y > myproject.cfg
  With "Enable user defined configuration files" set to Yes, that file
  is read with -u"File cfg myproject.cfg".
)"},
    {"~ Source File Requirements ~", R"(
  ZAV analyses C, C++, C# and Java source text.  The language of a file
  follows its extension, as listed in the configuration file (C: c;
  C headers: h; C++: cc, cpp, cxx, CC; C++ headers: h, hh, H, hxx,
  hpp; C#: cs; Java: java).  Files of other extensions are rejected
  while "Validate file extensions for processing" is Yes.  Files need
  not compile, but code that balances its braces, brackets and
  parentheses gives the most accurate function and class metrics.
  Lines longer than 2047 characters are read in pieces.
)"},
    {"~ Switches and Options ~", R"(
  A switch is a "-" followed by one letter: -v.  Some switches take an
  option letter or a number directly behind them: -Ta, -k2, -L100.
  Compound options hold blanks and are put in quotes: -r"c,h src".  An
  option may also be given as the next argument: -O report.txt.
  Switches may be written with "/" instead of "-" (/v) when the
  argument names no existing file.  "--" ends the switches, so a file
  whose name begins with "-" can follow it.  Letter case matters:
  -C (CSV output) is not -c (complexity).
)"},
    {"~ Files/Directories Names and Wild Cards ~", R"(
  Name files after the switches: zav -v main.c util.c.  Wild cards such
  as *.c are expanded by the shell before ZAV sees them.  To analyse a
  whole tree, use -r with the extensions and the directory:
    zav -v -r"c,h,cpp /home/me/project"
  Names containing blanks must be quoted.  A name without an extension
  is passed over.
)"},
    {"~ Source Code File Input Modes ~", R"(
  Files come from one of three places:
    file names     zav -v a.c b.c
    -r             every file below a directory with the given
                   extensions: zav -v -r"java src"
    -F             the files and directories named in a list file:
                   zav -v -F"files.lst"
  -Rd keeps -r in the top directory, -Rn sorts the input by name, and
  -Rl only lists the files that would be processed.
)"},
    {"~ Program Output Modes ~", R"(
  Without report switches ZAV writes a summary of every file and of the
  project.  Report switches add sections: -v (verbose metrics), -fa
  (functions), -c (complexity), -o (classes), -n (quality notices), -m
  (macros), -a (memory allocation), -e (estimation), -i (inheritance
  tree).  -T writes only project totals, its letter choosing which.
  Special modes replace the analysis: -p (printable code listing), -D
  (de-character, modifies files), -E (extract strings or comments) and
  -w (baseline work files and differentials).
)"},
    {"~ Program Output File Formats ~", R"(
  The report is plain text unless one of these is given first:
    -H   HTML, for a web browser; file names become links
    -C   CSV, comma separated values for spreadsheets
    -X   XML, one document with a zavrep root element
  -O"file" writes the report into a file instead of the screen:
    zav -H -fa -O"report.html" *.c
)"},
    {"~ Machine-Readable Output ~", R"(
  For build pipelines two long options write one document in place of
  the report, on the screen or into the -O file.  Either takes every
  analysis switch (-fa, -n, -o, -T..., -r, -F, -k) but not the other,
  -C, -X, -H, -E, -p, -Rl or -wx.
    --json   every file's lines, counters, functions, classes,
             namespaces and notices, then the project totals, languages,
             inheritance tree and notice profile; the JSON Schema is
             schema/zav-report.schema.json
               zav --json -fa -n -O"metrics.json" *.c
    --sarif  the quality notices as a SARIF 2.1.0 log for code scanning
             services; it turns the notices on as -n does, so the exit
             status is the number of notices
               zav --sarif -fa -r"c,h,cpp,java,cs ." > notices.sarif
  --help writes the switch syntax and --version the program version.
)"},
    {"~ Run Time Switch Options ~", R"(
  One topic per switch follows, in the order of the switch letters.
  Each topic names its switch forms, says what they do and gives an
  example.
)"},
};

}  // namespace

void WriteHelpSections(GlobalData& G) {
  for (const Section& section : kSections) {
    PutText(G, "\n");
    CenterLine(G, section.title);
    HelpPut(G, section.text);
  }
}

}  // namespace zav
