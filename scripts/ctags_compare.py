#!/usr/bin/env python3
"""Compares zav's function detection with Universal Ctags on a source tree.

    scripts/ctags_compare.py --lang c|c++|java [--zav build/zav]
                             [--ext c,h] [--no-ext] [-I MACRO,...]
                             [--show N] TREE...

Both programs read the same files. The files of TREE with the language's
extensions are linked into a temporary mirror, where C++ headers (and, with
--no-ext, files without an extension such as <vector>) get a ".hpp"
suffix, so that zav reads them as C++ and ctags is forced to the same
language.

zav's functions come from its quality-notice text report (-fa -n): every
"Function Begin Line: N" marker is followed by "  Function: NAME". That
report has been stable since functions were first measured and gives the
file, the name and the line of the body's "{".

The tagger's functions are its function definitions: --kinds-c=f,
--kinds-c++=f, and Java methods whose declaration is followed by a body
(the tool reads the source after the tag to tell "{" from ";"). It is run
with --if0=yes and with -I for the macros named by -I (macro invocation
lines without ";", which it otherwise mistakes for function headers).

Matching is by (file, name), names reduced to their last component
("A::f" and "Outer.f" are "f", template arguments and blanks dropped),
counting copies: for each (file, name) with z zav functions and t tagger
functions, min(z, t) are found. Lines are not used for the match because
zav reports the line of the "{" and the tagger the line of the name, which
differ by any number of lines in GNU style. Extra zav copies of a name the
tagger also lists in that file are "forgiven" and not counted against
precision: the tagger reads only one branch of #if/#else, so a function
defined in both branches is listed once. Their number is printed apart.

Prints per language: tagger functions, zav functions, found, recall and
precision, and with --show the first N misses both ways.
"""
import argparse
import collections
import json
import os
import re
import subprocess
import sys
import tempfile

DEFAULT_EXT = {
    "c": ["c", "h"],
    "c++": ["cc", "cpp", "cxx", "h", "hh", "hpp", "hxx", "tcc", "inl"],
    "java": ["java"],
}
CTAGS_LANG = {"c": "C", "c++": "C++", "java": "Java"}
CPP_SOURCE_EXT = {"cc", "cpp", "cxx"}

# Macro invocations of the GNU C library written without ";" at file
# scope, which the tagger would otherwise read as function headers.
GLIBC_MACROS = [
    "libc_hidden_def", "libc_hidden_weak", "libc_hidden_proto",
    "libc_hidden_builtin_def", "libc_hidden_nolink_sunrpc", "libm_hidden_def",
    "libm_alias_float", "libm_alias_double", "libm_alias_ldouble",
    "weak_alias", "strong_alias", "hidden_def", "hidden_weak",
    "versioned_symbol", "compat_symbol", "rtld_hidden_def", "text_set_element",
    "data_set_element", "symbol_set_define", "stub_warning", "link_warning",
    "__libc_lock_define_initialized", "__libc_lock_define",
    "__libc_rwlock_define_initialized", "__libc_once_define",
    "__libc_lock_define_initialized_recursive", "GEN_TEST_STRTOD_FOREACH", "IMPL",
    "DEFINE_HOOK", "libc_ifunc", "libc_ifunc_redirected",
    "libc_ifunc_hidden", "static_assert", "_Static_assert", "psm_alias",
    "declare_mgen_alias", "declare_mgen_finite_alias", "nss_interface_function",
    "DEFINE_NSS_FUNCTION", "__nonnull", "__attribute", "rtld_hidden_weak", "rtld_hidden_data_def", "rtld_hidden_proto",
    "hidden_data_def", "weak_extern", "NSS_DECLARE_MODULE_FUNCTIONS",
    "libnsl_hidden_nolink_def", "libresolv_hidden_def", "libresolv_hidden_proto",
    "ldbl_hidden_def", "ldbl_weak_alias", "ldbl_strong_alias", "libc_hidden_ver",
    "libc_hidden_data_def", "hidden_ver", "__libc_rwlock_define", "__libc_tsd_define",
    "gl_rwlock_define", "gl_rwlock_define_initialized", "gl_lock_define_initialized",
    "libc_hidden_nolink", "libm_alias_finite", "declare_mgen_alias_r",
]
# Macros that stand for types, which the tagger otherwise takes for names.
GLIBC_DEFINES = ["ElfW(type)=ElfW_type", "__typeof__(x)=int", "__typeof(x)=int"]
# Attribute macros without arguments.
GLIBC_WORDS = [
    "__cleanup_fct_attribute", "internal_function", "__always_inline", "weak_function",
    "attribute_hidden", "__THROW", "__wur", "__attribute_noinline__",
    "__attribute_warn_unused_result__", "__extern_always_inline", "__attribute_pure__",
    "__attribute_const__", "__attribute_malloc__", "attribute_relro",
]


def source_files(trees, exts, no_ext):
    for tree in trees:
        if os.path.isfile(tree):
            yield tree
            continue
        for root, dirs, files in os.walk(tree):
            dirs.sort()
            for name in sorted(files):
                path = os.path.join(root, name)
                if not os.path.isfile(path):
                    continue
                ext = name.rsplit(".", 1)[1] if "." in name else ""
                if ext in exts or (no_ext and not ext):
                    yield path


def mirror(files, lang, workdir):
    """Links each file into workdir; returns the mirror paths."""
    out = []
    for i, path in enumerate(files):
        name = os.path.basename(path)
        ext = name.rsplit(".", 1)[1] if "." in name else ""
        if lang == "c++" and ext not in CPP_SOURCE_EXT:
            name += ".hpp"
        # One directory per file keeps equal base names apart.
        d = os.path.join(workdir, "%06d" % i)
        os.mkdir(d)
        link = os.path.join(d, name)
        os.symlink(os.path.abspath(path), link)
        # Short relative names: the text report cuts long file names.
        out.append(os.path.join("%06d" % i, name))
    return out


def simple_name(name):
    name = re.sub(r"\s+", "", name)
    op = name.find("operator")
    if op >= 0:
        name = name[op:]
        # A conversion operator: "operatorAction<R(Args...)>" is "operatorAction".
        m = re.match(r"operator[A-Za-z_]\w*", name)
        return m.group(0) if m else name
    # Drop template arguments, then take the last qualified component.
    depth, kept = 0, []
    for c in name:
        if c == "<":
            depth += 1
        elif c == ">" and depth > 0:
            depth -= 1
        elif depth == 0:
            kept.append(c)
    name = "".join(kept)
    for sep in ("::", "."):
        name = name.rsplit(sep, 1)[-1]
    return name


def zav_functions(zav, files, workdir):
    found = collections.Counter()
    lines = collections.defaultdict(list)
    begin = re.compile(r"^-+ Function Begin Line: (\d+) -+$")
    for k in range(0, len(files), 400):
        batch = files[k:k + 400]
        with tempfile.TemporaryDirectory() as cfg:
            env = dict(os.environ, ZAVCFGHOME=cfg)
            text = subprocess.run([zav, "-fa", "-n"] + batch, env=env, cwd=workdir,
                                  capture_output=True).stdout.decode("latin-1")
        current, pending = None, None
        for line in text.split("\n"):
            if line.startswith("  File: "):
                current = line[8:].rstrip()
            m = begin.match(line.strip())
            if m:
                pending = int(m.group(1))
                continue
            if pending is not None and line.startswith("  Function: "):
                key = (current, simple_name(line[12:].strip()))
                found[key] += 1
                lines[key].append(pending)
                pending = None
    return found, lines


def has_body(source_lines, line_no, name):
    """True when the Java declaration at line_no continues with "{"."""
    text = "\n".join(source_lines[line_no - 1:line_no + 40])
    at = text.find(name)
    if at < 0:
        return True
    i, depth, opened = at + len(name), 0, False
    while i < len(text):
        c = text[i]
        if text.startswith("//", i):
            i = text.find("\n", i)
            if i < 0:
                break
            continue
        if text.startswith("/*", i):
            i = text.find("*/", i)
            if i < 0:
                break
            i += 2
            continue
        if c == '"':
            i = text.find('"', i + 1) + 1
            if i == 0:
                break
            continue
        if c == "(":
            depth += 1
            opened = True
        elif c == ")":
            depth -= 1
        elif depth == 0 and opened and c in "{;":
            return c == "{"
        i += 1
    return True


def ctags_functions(lang, files, workdir, macros, defines=(), words=()):
    cmd = ["ctags", "--output-format=json", "--fields=+n", "-f", "-", "--if0=yes",
           "--language-force=" + CTAGS_LANG[lang], "-L", "-"]
    if lang == "java":
        cmd.append("--kinds-java=m")
    else:
        cmd.append("--kinds-%s=f" % CTAGS_LANG[lang])
    if macros:
        cmd.append("-I" + ",".join([m + "+" for m in macros] + list(words)))
    for d in defines:
        cmd.append("-D" + d)
    out = subprocess.run(cmd, input="\n".join(files).encode(), capture_output=True,
                         cwd=workdir).stdout
    found = collections.Counter()
    lines = collections.defaultdict(list)
    sources = {}
    for raw in out.decode("latin-1").splitlines():
        try:
            tag = json.loads(raw)
        except ValueError:
            continue
        if tag.get("_type") != "tag":
            continue
        path, name, line = tag["path"], tag["name"], tag.get("line", 0)
        if lang == "java":
            if path not in sources:
                with open(os.path.join(workdir, path), encoding="latin-1") as f:
                    sources[path] = f.read().split("\n")
            if not has_body(sources[path], line, name):
                continue
        if name.startswith("__anon"):
            continue  # a lambda, which has no name of its own
        key = (path, simple_name(name))
        found[key] += 1
        lines[key].append(line)
    return found, lines


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--lang", required=True, choices=sorted(DEFAULT_EXT))
    ap.add_argument("--zav", default=os.path.join(os.path.dirname(__file__), "..", "build", "zav"))
    ap.add_argument("--ext", help="comma-separated extensions to read")
    ap.add_argument("--no-ext", action="store_true", help="also files without extension")
    ap.add_argument("-I", dest="macros", default="", help="extra macros for ctags -I")
    ap.add_argument("--glibc", action="store_true", help="name glibc's macros to ctags")
    ap.add_argument("--show", type=int, default=0, help="list N misses each way")
    ap.add_argument("trees", nargs="+")
    args = ap.parse_args()

    exts = set(args.ext.split(",")) if args.ext else set(DEFAULT_EXT[args.lang])
    files = list(source_files(args.trees, exts, args.no_ext))
    macros = [m for m in args.macros.split(",") if m]
    defines, words = [], []
    if args.glibc:
        macros += GLIBC_MACROS
        defines, words = GLIBC_DEFINES, GLIBC_WORDS
    with tempfile.TemporaryDirectory() as work:
        links = mirror(files, args.lang, work)
        tagged, tag_lines = ctags_functions(args.lang, links, work, macros, defines, words)
        zav, zav_lines = zav_functions(os.path.abspath(args.zav), links, work)
        found = sum(min(n, zav[k]) for k, n in tagged.items())
        forgiven = sum(n - tagged[k] for k, n in zav.items() if tagged[k] and n > tagged[k])
        n_tag = sum(tagged.values())
        n_zav = sum(zav.values()) - forgiven
        recall = 100.0 * found / n_tag if n_tag else 100.0
        precision = 100.0 * found / n_zav if n_zav else 100.0
        print("%-5s files %6d  tagger %7d  zav %7d  found %7d  recall %6.2f%%  "
              "precision %6.2f%%  (extra copies forgiven: %d)"
              % (args.lang, len(files), n_tag, n_zav, found, recall, precision, forgiven))
        if args.show:
            def original(path):
                return os.path.realpath(os.path.join(work, path))
            missed = [(original(k[0]), tag_lines[k][0], k[1]) for k, n in tagged.items()
                      if n > zav[k]]
            extra = [(original(k[0]), zav_lines[k][0], k[1]) for k, n in zav.items()
                     if not tagged[k]]
            print("\nMissed by zav (file:line of the tag):")
            for f, l, n in sorted(missed)[:args.show]:
                print("  %s:%d %s" % (f, l, n))
            print("\nReported by zav only (file:line of the body's brace):")
            for f, l, n in sorted(extra)[:args.show]:
                print("  %s:%d %s" % (f, l, n))


if __name__ == "__main__":
    sys.exit(main())
