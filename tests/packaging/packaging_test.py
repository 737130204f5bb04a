#!/usr/bin/env python3
"""The files a desktop reads about Lexorra: the desktop entry and the
AppStream data pass their validators, the type of motto files recognises
motto files and nothing else, and the manual pages are clean and name every
option the programs' --help lists.

Usage: packaging_test.py SOURCE_DIR PACKAGING_BUILD_DIR PROGRAM_DIR
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = ""
BUILT = ""
PROGRAMS = ""


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, check=False, **kwargs)


class Validators(unittest.TestCase):
    def test_desktop_entry_and_appstream_data_pass(self):
        packaging = os.path.join(SOURCE, "packaging")
        cases = [
            ["desktop-file-validate", os.path.join(packaging, "lexorra.desktop")],
            ["appstreamcli", "validate", "--no-net", "--pedantic", "--no-color",
             os.path.join(packaging, "org.lexorra.lexorra.metainfo.xml")],
        ]
        for command in cases:
            with self.subTest(command=command[0]):
                result = run(command)
                self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
                # Warnings and hints do not fail the validators; they fail here.
                self.assertNotRegex(result.stdout + result.stderr,
                                    r"(?m)^(W|I|P|E):|warning|error", result.stdout)


class MottoType(unittest.TestCase):
    """Motto files have no extension: the type is recognised by content."""

    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="lexorra-mime-")
        packages = os.path.join(cls.root, "mime", "packages")
        os.makedirs(packages)
        shutil.copy(os.path.join(SOURCE, "packaging", "lexorra-motto.xml"),
                    os.path.join(packages, "lexorra.xml"))
        result = run(["update-mime-database", os.path.join(cls.root, "mime")])
        assert result.returncode == 0, result.stderr
        cls.env = dict(os.environ, XDG_DATA_HOME=os.path.join(cls.root, "home"),
                       XDG_DATA_DIRS=cls.root + ":/usr/share")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root)

    def content_type(self, path):
        result = run(["gio", "info", "-a", "standard::content-type", path], env=self.env)
        self.assertEqual(result.returncode, 0, result.stderr)
        return re.search(r"standard::content-type: (\S+)", result.stdout).group(1)

    def write(self, name, lines):
        path = os.path.join(self.root, name)
        with open(path, "wb") as out:
            out.write(b"".join(line + b"\r\n" for line in lines))
        return path

    def test_every_example_is_a_motto_file(self):
        data = os.path.join(SOURCE, "data")
        examples = [n for n in os.listdir(data) if n.lower().startswith("ex_")]
        self.assertEqual(len(examples), 17)
        for name in examples:
            with self.subTest(name=name):
                self.assertEqual(self.content_type(os.path.join(data, name)),
                                 "application/x-lexorra-motto")

    def test_other_text_is_not(self):
        data = os.path.join(SOURCE, "data")
        # A text that has the options' lines but not the tick boxes' ones, and
        # one with both but LF line ends.
        options_only = self.write("options_only", [b"blank"] * 22 + [b"False"] * 9)
        lf_ends = os.path.join(self.root, "lf_ends")
        with open(lf_ends, "wb") as out:
            out.write(b"\n".join([b"blank"] * 22 + [b"False"] * 9 + [b" 0 "] * 10) + b"\n")
        cases = [os.path.join(data, n) for n in
                 ("nouns.dat", "verbs.dat", "engIrregNouns.txt", "readme.htm")]
        cases += [os.path.join(SOURCE, "README.md"), options_only, lf_ends]
        for path in cases:
            with self.subTest(path=os.path.basename(path)):
                self.assertNotEqual(self.content_type(path), "application/x-lexorra-motto")

    def test_a_motto_with_every_box_ticked_is_one_too(self):
        lines = [b"1449"] + [b"blank"] * 21 + [b"True", b"False", b"False"] * 3 + [b" 1 "] * 10
        lines += [b"True"] * 40
        self.assertEqual(self.content_type(self.write("all_ticked", lines)),
                         "application/x-lexorra-motto")


class ManualPages(unittest.TestCase):
    def test_pages_render_without_warnings(self):
        for page in ("lexorra.1", "lexorra-cli.1"):
            with self.subTest(page=page):
                result = run(["man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z",
                              os.path.join(BUILT, page)],
                             env=dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80"))
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stderr, "")

    def test_every_option_of_help_is_in_the_page(self):
        for program in ("lexorra", "lexorra-cli"):
            with self.subTest(program=program):
                help_text = run([os.path.join(PROGRAMS, program), "--help"]).stdout
                options = set(re.findall(r"(?<![\w-])--?[a-zA-Z][\w-]*", help_text))
                self.assertIn("--help", options)
                with open(os.path.join(BUILT, program + ".1"), encoding="utf-8") as page:
                    # roff writes a dash as "\-".
                    text = page.read().replace("\\-", "-")
                for option in sorted(options):
                    self.assertIn(option, text)


if __name__ == "__main__":
    SOURCE, BUILT, PROGRAMS = sys.argv[1:4]
    unittest.main(argv=sys.argv[:1], verbosity=2)
