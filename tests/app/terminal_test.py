#!/usr/bin/env python3
"""The window program as a terminal sees it: options, a missing or
unreachable display, a start-up that fails on a data file, and links to the
program.

Usage: terminal_test.py LEXORRA_EXECUTABLE VERSION
"""

import os
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

PROGRAM = ""
VERSION = ""

DISPLAY_VARIABLES = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")
DATA_FILES = ("adjectives.dat", "adverbs.dat", "conjunctives.dat", "nouns.dat",
              "prepositions.dat", "pronouns.dat", "verbs.dat",
              "engIrregNouns.txt", "engIrregVerbs.txt")


def environment(**variables):
    """This environment without any display, plus `variables`."""
    env = {k: v for k, v in os.environ.items() if k not in DISPLAY_VARIABLES}
    env.update(variables)
    return env


def run(args, env, program=None, timeout=30):
    return subprocess.run([program or PROGRAM] + args, env=env, capture_output=True,
                          text=True, timeout=timeout, check=False)


def unused_display():
    """An X display number that no server answers on this machine."""
    for number in range(987, 1100):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and \
                not os.path.exists(f"/tmp/.X{number}-lock"):
            return f":{number}"
    raise unittest.SkipTest("no unused display number")


class Options(unittest.TestCase):
    def test_answers_without_a_window(self):
        # (arguments, extra environment, status, standard output, standard error)
        cases = [
            (["--help"], {}, 0, "Usage: lexorra", ""),
            (["-h"], {"DISPLAY": unused_display()}, 0, "Usage: lexorra", ""),
            (["--version"], {}, 0, f"lexorra {VERSION}\n", ""),
            (["-V", "motto"], {}, 0, f"lexorra {VERSION}\n", ""),
            (["--frobnicate"], {}, 2, "",
             "lexorra: unknown option --frobnicate\nUsage: lexorra"),
            (["one", "two"], {"QT_QPA_PLATFORM": "offscreen"}, 2, "",
             "lexorra: one motto file at most"),
        ]
        for args, extra, status, out, err in cases:
            with self.subTest(args=args, env=extra):
                result = run(args, environment(**extra))
                self.assertEqual(result.returncode, status, result.stderr)
                if out:
                    self.assertTrue(result.stdout.startswith(out), result.stdout)
                else:
                    self.assertEqual(result.stdout, "")
                if err:
                    self.assertTrue(result.stderr.startswith(err), result.stderr)
                else:
                    self.assertEqual(result.stderr, "")

    def test_help_names_the_folder_of_the_real_executable(self):
        real = os.path.dirname(os.path.realpath(PROGRAM))
        result = run(["--help"], environment())
        self.assertIn(f"\n  {real}\n", result.stdout)


class NoDisplay(unittest.TestCase):
    def assert_one_line(self, result, *parts):
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertEqual(result.stdout, "")
        lines = result.stderr.splitlines()
        self.assertEqual(len(lines), 1, result.stderr)
        for part in ("lexorra: ", "lexorra-cli") + parts:
            self.assertIn(part, lines[0])

    def test_no_display_named(self):
        # (extra environment, what the line must name)
        cases = [
            ({}, ("DISPLAY", "WAYLAND_DISPLAY")),
            ({"DISPLAY": "", "WAYLAND_DISPLAY": ""}, ("DISPLAY", "WAYLAND_DISPLAY")),
            ({"QT_QPA_PLATFORM": "xcb"}, ("DISPLAY", "WAYLAND_DISPLAY")),
            ({"DISPLAY": unused_display()}, ("DISPLAY=:", "could not connect")),
        ]
        for extra, parts in cases:
            with self.subTest(env=extra):
                self.assert_one_line(run([], environment(**extra)), *parts)


class Installed(unittest.TestCase):
    """The program copied into a folder of its own, as an installation has it."""

    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="lexorra-terminal-")
        self.folder = os.path.join(self.root, "lib", "lexorra")
        os.makedirs(self.folder)
        source = os.path.dirname(os.path.realpath(PROGRAM))
        for name in ("lexorra",) + DATA_FILES:
            shutil.copy2(os.path.join(source, name), self.folder)
        os.makedirs(os.path.join(self.root, "bin"))
        self.link = os.path.join(self.root, "bin", "lexorra")
        os.symlink("../lib/lexorra/lexorra", self.link)

    def tearDown(self):
        shutil.rmtree(self.root)

    def test_a_link_reads_the_data_beside_the_real_executable(self):
        result = run(["--help"], environment(), program=self.link)
        self.assertIn(f"\n  {self.folder}\n", result.stdout)

    def test_a_missing_data_file_is_named_on_standard_error(self):
        for missing in ("verbs.dat", "engIrregNouns.txt"):
            with self.subTest(missing=missing):
                os.remove(os.path.join(self.folder, missing))
                try:
                    line, still_running = self.first_error_line()
                finally:
                    shutil.copy2(os.path.join(os.path.dirname(os.path.realpath(PROGRAM)),
                                              missing), self.folder)
                self.assertTrue(line.startswith(f"lexorra: cannot start: {missing}: "), line)
                self.assertIn("cannot be found", line)
                self.assertIn(os.path.join(self.folder, missing), line)
                # The message box waits for its OK: the program has not ended.
                self.assertTrue(still_running)

    def first_error_line(self):
        """Starts the linked program offscreen from another working folder;
        returns the first line of standard error that is the program's own
        and whether the program was still running then."""
        process = subprocess.Popen([self.link], env=environment(QT_QPA_PLATFORM="offscreen"),
                                   cwd=self.root, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE, text=True)
        # A program that never speaks is ended, which ends the reading too.
        timer = threading.Timer(30, process.kill)
        timer.start()
        try:
            for line in process.stderr:
                if line.startswith("lexorra: "):
                    return line.rstrip("\n"), process.poll() is None
            self.fail("the program wrote no line of its own")
        finally:
            timer.cancel()
            process.terminate()
            process.wait(timeout=10)
            process.stderr.close()
        return "", False


if __name__ == "__main__":
    PROGRAM, VERSION = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
