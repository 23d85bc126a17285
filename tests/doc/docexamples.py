#!/usr/bin/python3
"""Builds and runs every code example of the guide (doc/*.md) against an installed package.

A block fenced as ```cpp is a complete host program with a main(): it is compiled against the
installed package (find_package(Mirokit), Mirokit6 under Qt 6) and run offscreen, in a working
folder of its own that holds a copy of the guide's sub-folders (the example theme, ...) and with
a home folder of its own, and it must end by itself with status 0. A block fenced as
```cpp fragment is shown only. Every example becomes one executable of one generated CMake
project, built in one go; a compiler message points at the page and line of the guide
(#line), and the summary names the page and the number of each example that failed.

    docexamples.py --doc DIR --prefix PREFIX --package Mirokit --work DIR [--cxx-flags FLAGS]
                   [--only PAGE]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

FENCE = re.compile(r"^(\s*)```(.*)$")
# Headers of the components: an example that includes one links the component as a host would.
COMPONENT_HEADERS = {
    "Charts": re.compile(r"#include\s*<Mirokit/(MirokitCharts|ZCChart|ZCChartView|ZCSeriesChart|"
                         r"ZCItemSeriesChart|ZCGeneradorSeriesChart)\.h>"),
    "Scintilla": re.compile(r"#include\s*<(Mirokit/MirokitScintilla\.h|"
                            r"Mirokit/ZCBuscarReemplazarEditorQsciScintilla\.h|Qsci/)"),
}
RUN_TIMEOUT = 60


class Example:
    def __init__(self, page, number, line, code):
        self.page = page          # "themes.md"
        self.number = number      # 1-based among the compiled blocks of the page
        self.line = line          # line of the first code line in the page
        self.code = code
        self.name = "%s_%d" % (re.sub(r"[^A-Za-z0-9]", "_", page[:-3]), number)

    def where(self):
        return "doc/%s, example %d (line %d)" % (self.page, self.number, self.line)


def extract(page_path):
    """The compiled blocks of one page, with the line each starts at."""
    page = os.path.basename(page_path)
    examples = []
    with open(page_path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    i = 0
    while i < len(lines):
        m = FENCE.match(lines[i])
        if not m:
            i += 1
            continue
        indent, info = m.group(1), m.group(2).split()
        start = i + 1
        i += 1
        body = []
        while i < len(lines) and not re.match(r"^\s*```\s*$", lines[i]):
            body.append(lines[i][len(indent):] if lines[i].startswith(indent) else lines[i])
            i += 1
        if i == len(lines):
            raise SystemExit("doc/%s: the block opened at line %d is never closed" % (page, start))
        i += 1
        if info[:1] == ["cpp"] and len(info) == 1:
            examples.append(Example(page, len(examples) + 1, start + 1, "\n".join(body) + "\n"))
        elif info[:1] == ["cpp"] and info[1:] != ["fragment"]:
            raise SystemExit("doc/%s, line %d: unknown block kind '%s' (cpp or cpp fragment)"
                             % (page, start, " ".join(info)))
    return examples


def write_project(examples, project_dir, build_dir):
    os.makedirs(project_dir, exist_ok=True)
    cmake = [
        "cmake_minimum_required(VERSION 3.25)",
        "project(MirokitGuideExamples LANGUAGES CXX)",
        "set(CMAKE_CXX_STANDARD 17)",
        "set(CMAKE_CXX_STANDARD_REQUIRED ON)",
        "set(MIROKIT_PACKAGE Mirokit CACHE STRING \"Mirokit, or Mirokit6 for Qt 6\")",
        "find_package(${MIROKIT_PACKAGE} REQUIRED COMPONENTS Charts Scintilla)",
        "add_compile_options(-Wall -Wextra -Werror)",
    ]
    for example in examples:
        source = os.path.join(project_dir, example.name + ".cpp")
        text = '#line %d "doc/%s"\n%s' % (example.line, example.page, example.code)
        if "Q_OBJECT" in example.code:
            text += '#include "%s.moc"\n' % example.name
        # Rewritten only when changed, so that a second run rebuilds nothing.
        old = None
        if os.path.exists(source):
            with open(source, encoding="utf-8") as f:
                old = f.read()
        if old != text:
            with open(source, "w", encoding="utf-8") as f:
                f.write(text)
            # An example that no longer compiles must not leave its old program behind.
            binary = os.path.join(build_dir, example.name)
            if os.path.exists(binary):
                os.remove(binary)
        libraries = ["${MIROKIT_PACKAGE}::Mirokit"]
        for component, pattern in COMPONENT_HEADERS.items():
            if pattern.search(example.code):
                libraries.append("${MIROKIT_PACKAGE}::" + component)
        cmake.append("add_executable(%s %s.cpp)" % (example.name, example.name))
        cmake.append("target_link_libraries(%s PRIVATE %s)" % (example.name, " ".join(libraries)))
        # moc only where it has work: a pass over every example would double the build.
        if "Q_OBJECT" in example.code:
            cmake.append("set_target_properties(%s PROPERTIES AUTOMOC ON)" % example.name)
    text = "\n".join(cmake) + "\n"
    path = os.path.join(project_dir, "CMakeLists.txt")
    if not os.path.exists(path) or open(path, encoding="utf-8").read() != text:
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)


def run_example(example, binary, work_dir, doc_dir):
    """Runs one example in a fresh folder and home; returns None or what went wrong."""
    run_dir = os.path.join(work_dir, "run", example.name)
    shutil.rmtree(run_dir, ignore_errors=True)
    os.makedirs(run_dir)
    for entry in os.listdir(doc_dir):
        if os.path.isdir(os.path.join(doc_dir, entry)):
            shutil.copytree(os.path.join(doc_dir, entry), os.path.join(run_dir, entry))
    home = os.path.join(run_dir, ".home")
    os.makedirs(os.path.join(home, "run"), mode=0o700)
    env = dict(os.environ)
    env.pop("LD_LIBRARY_PATH", None)
    env.update({"QT_QPA_PLATFORM": "offscreen", "HOME": home,
                "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                "XDG_RUNTIME_DIR": os.path.join(home, "run")})
    try:
        done = subprocess.run([binary], cwd=run_dir, env=env, stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, timeout=RUN_TIMEOUT)
    except subprocess.TimeoutExpired as e:
        return "did not end within %d s\n%s" % (RUN_TIMEOUT, (e.output or b"").decode(errors="replace"))
    if done.returncode != 0:
        return "ended with status %d\n%s" % (done.returncode, done.stdout.decode(errors="replace"))
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--doc", required=True)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--package", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--cxx-flags", default="")
    parser.add_argument("--only", help="the page (e.g. themes.md) whose examples alone are tried")
    args = parser.parse_args()

    pages = sorted(p for p in os.listdir(args.doc) if p.endswith(".md"))
    if args.only:
        pages = [p for p in pages if p == args.only]
    examples = []
    for page in pages:
        examples += extract(os.path.join(args.doc, page))
    if not examples:
        raise SystemExit("no example found in %s" % args.doc)
    print("%d examples in %d pages" % (len(examples), len(pages)))

    project_dir = os.path.join(args.work, "src")
    build_dir = os.path.join(args.work, "build")
    write_project(examples, project_dir, build_dir)
    configure = ["cmake", "-S", project_dir, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Debug",
                 "-DCMAKE_PREFIX_PATH=" + args.prefix, "-DMIROKIT_PACKAGE=" + args.package,
                 "-DCMAKE_CXX_FLAGS=" + args.cxx_flags]
    ccache = shutil.which("ccache")
    if ccache:
        configure.append("-DCMAKE_CXX_COMPILER_LAUNCHER=%s;-E;env;CCACHE_BASEDIR=%s;CCACHE_NOHASHDIR=1;%s"
                         % (shutil.which("cmake"), args.work, ccache))
    started = time.time()
    done = subprocess.run(configure, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if done.returncode != 0:
        print(done.stdout.decode(errors="replace"))
        raise SystemExit("the examples' project does not configure")
    # Keep going past a failing example, so that one run names every example that fails.
    build = subprocess.run(["cmake", "--build", build_dir, "-j2", "--", "-k"],
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    print("built in %.0f s" % (time.time() - started))
    if build.returncode != 0:
        print(build.stdout.decode(errors="replace"))

    failures = []
    for example in examples:
        binary = os.path.join(build_dir, example.name)
        if not os.path.exists(binary):
            failures.append("%s does not compile (see the compiler's messages above)" % example.where())
            continue
        problem = run_example(example, binary, args.work, args.doc)
        if problem:
            failures.append("%s %s" % (example.where(), problem))
    if failures:
        print("\n".join(failures))
        print("%d of %d examples failed" % (len(failures), len(examples)))
        return 1
    print("all %d examples compile and run" % len(examples))
    return 0


if __name__ == "__main__":
    sys.exit(main())
