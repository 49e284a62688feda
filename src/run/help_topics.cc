// The switch topics of the full help document (-hf), in switch order.
#include "report/framework.h"
#include "base/output.h"
#include "run/help_text.h"

namespace zav {
namespace {

struct Topic {
  const char* title;
  const char* text;
};

constexpr Topic kReportTopicsA_F[] = {
    {"* Allocation/De-allocation of Memory Mode", R"(  -a

  Counts the memory allocation and release calls of every file and of
  the project: alloc, malloc, calloc, realloc, free, new and delete.
  Unequal counts can point at memory leaks.
    zav -a *.cpp
)"},
    {"* Benchmark Mode", R"(  -b

  Measures how long the run takes and reports the elapsed time and the
  physical lines and characters processed per second.  Write the report
  to a file (-O) for the fastest, most comparable figures.
    zav -b -r"c,h src"
)"},
    {"* CSV File Output Format", R"(  -C  or  -A

  Writes the report as comma separated values for a spreadsheet or a
  script; -A is the same.  Complexity is included.  Given before -s or
  -fa, -C writes one line per file (or per function) instead.
    zav -C -s *.c > metrics.csv
)"},
    {"* Complexity Mode", R"(  -c

  Reports the cyclomatic complexity (one plus each decision: if, while,
  for, case, ?, &&, ||, ...) and the interface complexity (parameters
  plus return points) of every function.  Which decisions count is set
  in the configuration file.
    zav -c main.c
)"},
    {"De-Character Source Files", R"(  -Dt  -Du  -Dd

  Warning: modifies the source files in place.
    -Dt  replaces tab characters by spaces
    -Du  removes carriage returns (Unix line ends)
    -Dd  adds carriage returns (DOS line ends)
  Keep a copy of your files, or use version control, before using it.
    zav -Du *.java
)"},
    {"Deterministic Mode", R"(  -d

  Shows how ZAV classifies each line of a file: every line is written
  with the counts it adds (LOC, Effective, Logical, Comment, Blank), so
  you can check the line counting against your own rules.
    zav -d sample.c
)"},
    {"Extract Strings or Comments from Source Code", R"(  -Es  -Ec  -EC

  Writes parts of the source instead of metrics, for example for a
  spell checker:
    -Es  the literal strings of every file
    -Ec  the comments of every file
    -EC  the comments placed with the function or class they document
    zav -Ec -r"cpp,h src" > comments.txt
)"},
    {"* Estimation Analysis Based on LOC and Complexity", R"(  -e

  Writes, over all functions of the run, the LOC, eLOC and lLOC per
  function, per input parameter, per return point, per unit of
  interface, cyclomatic and total complexity: the size ratios from
  which the work of similar code can be estimated.  Turns on function
  analysis.
    zav -e -r"c,h ."
)"},
    {"* File List Mode", R"(  -F"list file"

  Reads the files to analyse from a text file, one entry per line.
  Leading blanks are ignored; empty lines and lines beginning with "#"
  are skipped; %NAME% is replaced by the environment variable NAME.  A
  line beginning with "-" names a directory: the mode, the extensions
  and the directory.  "-r" descends the directory tree, any other mode
  such as "-n" takes the directory alone.  Any other line is a file.
  Example list:
    # project sources
    main.c
    %PROJ%/util/strings.c
    -r h,cpp /proj/src
    -n h,c /proj/include
  A workspace (.dsw), solution (.sln) or project (.dsp) file can be
  given instead; its members are written to zavlist.lst and read.
    zav -v -F"files.lst"
)"},
    {"* Function Analysis Mode", R"(  -fa  -fd  -fm  -fp

    -fa  metrics of every function: lines, parameters, returns and
         complexity
    -fd  the complexity of every function in detail
    -fm  the methods and attributes of every class
    -fp  function points derived from the LOC metrics
    zav -fa *.c
)"},
};

constexpr Topic kReportTopicsH_O[] = {
    {"* HTML Output Mode", R"(  -H

  Writes the report as an HTML page for a web browser; file names become
  links to the files.  Give -H before the other switches: -H -hs writes
  this help as HTML.  The colours are set in the configuration file.
    zav -H -fa -O"report.html" *.c
)"},
    {"Help Mode", R"(  -hs  -hp  -hn  -hc  -hf

    -hs  every switch on one page
    -hp  the most used switches, then waits for Enter
    -hn  the quality notices, and whether each is on
    -hc  the configuration file with the current settings
    -hf  this document
    zav -hn
)"},
    {"* Inheritance Tree Generation", R"(  -i

  Draws the inheritance tree of all classes of the run, with each
  class's depth and number of children, and lists the classes whose
  parents were not found.  Turns on the class metrics.
    zav -i -r"cpp,h src"
)"},
    {"* Key for Report Sorting", R"(  -k0 .. -k10  -kd

  Sorts the reports of functions, classes and files:
    -k1 by name, -k2 by LOC, -k3 by eLOC, -k4 by lLOC,
    -k5 by cyclomatic complexity, -k6 by work file difference state,
    -k7 to -k10 the -Td report by function count, notice count, file
    date or file size; -k0 does not sort.
  -kd sorts in descending order.
    zav -fa -k5 -kd *.c
)"},
    {"* List Function Name Mode", R"(  -l

  Lists the names of the functions declared in each file.
    zav -l *.java
)"},
    {"* Macro Mode", R"(  -m

  Lists the preprocessor macros defined in each file.
    zav -m config.h
)"},
    {"* Quality Notice Format Mode", R"(  -Ns  -Nv

  Writes each quality notice on one line:
    -Ns  "  Notice #  22: Line   14, ..."
    -Nv  "file.c(14) : Notice #22   - ...", the format of Visual Studio,
         whose output window jumps to the line on a double click
    zav -Nv *.c
)"},
    {"* Quality Notice Mode", R"(  -n

  Points out risky or hard to maintain code with numbered quality
  notices (zav -hn lists them).  The exit code is the number of
  notices, so a build can fail on them.  Notices are turned on and off,
  and their limits set, in the configuration file.
    zav -n *.c || echo "quality notices found"
)"},
    {"* Output Report to a file", R"(  -O"file"

  Writes the report into the file instead of the screen and shows the
  progress of the run on the screen.
    zav -v -O"report.txt" *.c
)"},
    {"* Object Class/Struct Metrics", R"(  -o

  Reports every class and struct: its lines, methods and attributes by
  public, protected and private, and the totals of namespaces and
  packages.  Turns on function analysis.
    zav -o *.cpp *.h
)"},
};

constexpr Topic kModeTopicsP_Y[] = {
    {"Print Format, Code Listing Mode", R"(  -p  -B  -L  -M  -P  -S

  Prints the source files as a listing with numbered lines and a page
  header.  The layout comes from the configuration file and:
    -Bn  top margin          -Ln  line length (at least 20)
    -Mn  left margin         -Pn  page length (negative: no page breaks)
    -S"title"  the page header
    zav -p -L100 -S"Release 2" main.c > listing.txt
)"},
    {"* Read File Processing Options", R"(  -Rl  -Rd  -Rn

    -Rl  lists the files that would be processed, and stops
    -Rd  with -r, takes the top directory alone, without its subdirectories
    -Rn  sorts the input by name, header files first
    zav -Rl -r"c,h src"
)"},
    {"* Recursive Descent Mode", R"(  -r"ext,ext directory"

  Analyses every file below the directory whose extension is in the
  comma separated list.  The quotes are needed.  "." is the current
  directory.
    zav -v -r"c,h,cpp ."
    zav -v -r"java /home/me/project"
)"},
    {"* Summary Mode", R"(  -s

  Writes a one-block summary of every file's lines.  It is always on;
  with CSV output given first (-C -s) it writes one line per file.
    zav -s *.c
)"},
    {"String Title", R"(  -S"title"

  Writes the title under the report banner, and as the page header of
  the code listing.
    zav -S"Nightly build" -v *.c
)"},
    {"* Totals Only Mode", R"(  -Ta -Td -Tf -Ti -TL -Tl -TN -Tn -To -Tp -Tq -Ts -Tv -Tw

  Writes project totals only, without per-file reports:
    -Ta all total reports          -Td every file in detail
    -Tf functions and notices      -Ti the inheritance tree
    -TL the language summary       -Tl summaries only
    -TN no file names              -Tn notices by file and line
    -To classes and namespaces     -Tp the quality profile
    -Tq notice summary by file     -Ts the total summary
    -Tv total verbose metrics      -Tw work file differentials
    zav -Ta -r"c,h src"
)"},
    {"* Verbose Mode", R"(  -v

  Writes every metric of each file: lines, characters, keywords,
  branches, loops, braces, brackets and parentheses.
    zav -v main.c
)"},
    {"Work Analysis Based on Baseline Metric Differentials", R"(  -w

  Keeps baselines of your code and compares them:
    -w"create dir"         records the metrics of every file below dir
                           in a work file (workfile.dat)
    -w"File dat name"      names the work file
    -w"x old.dat, new.dat" reports new, removed, equal and modified
                           files between two work files
    -wd  line by line code differentials   -wp productivity estimate
    -ws  details per file                  -wv verbose differentials
    -we, -wm, -wn, -wr leave out equal, modified, new, removed files
    zav -w"File dat rel1.dat" -w"create ."
    zav -w"x rel1.dat, rel2.dat"
)"},
    {"* XML File Output Format", R"(  -X

  Writes the project totals as one XML document.  -u"File xsl name"
  names a style sheet for it.
    zav -X -fa -O"report.xml" *.c
)"},
    {"Extended Option Mode", R"(  -xNOCONFIG  -xNOCOMMAND  -xNOHEADER  -xNOWRAP  -xUDQNSHOW  -xDEBUG

    -xNOCONFIG   leaves the configuration file out of the banner
    -xNOCOMMAND  leaves the command line out of the banner
    -xNOHEADER   writes no report header
    -xNOWRAP     does not wrap long names
    -xUDQNSHOW   shows the user defined quality notices
    -xDEBUG      writes debug messages
    zav -xNOHEADER -v main.c
)"},
    {"ZAV Configuration Parameters", R"(  -y

  Writes the configuration with every current setting, in the format of
  zav.cfg.  Redirect it to start a private configuration, and read that
  with -u"File cfg name" (enable it in zav.cfg first):
    zav -y > project.cfg
    zav -u"File cfg project.cfg" -n *.c
)"},
};

template <size_t N>
void WriteTopics(GlobalData& G, const Topic (&topics)[N]) {
  for (const Topic& topic : topics) {
    PutText(G, "\n");
    HelpPut(G, std::string("  ") + topic.title + "\n");
    Print(G, "  %s%s\n", kHyphens36, kHyphens36);
    HelpPut(G, topic.text);
  }
}

}  // namespace

void WriteHelpTopics(GlobalData& G) {
  WriteTopics(G, kReportTopicsA_F);
  WriteTopics(G, kReportTopicsH_O);
  WriteTopics(G, kModeTopicsP_Y);
}

}  // namespace zav
