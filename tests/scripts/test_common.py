"""The scripts' shared part: a failing step says what failed and shows its hidden output, the 32-bit
question is answered by running a program, a build folder of another clone is remade, and each
edition's run of the suite is summed up in one line."""
import os
import shutil
import subprocess
import tempfile
import textwrap
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
COMMON = ROOT / "scripts" / "common.sh"


def bash(body):
    """Runs a script named "check" that sources the scripts' shared part, as the scripts do."""
    script = f'source "{COMMON}"\n' + textwrap.dedent(body)
    # A run of the scripts told to try another probe must not reach the probe's own tests.
    env = {name: value for name, value in os.environ.items() if name != "VELMORA_32BIT_PROBE"}
    return subprocess.run(["bash", "-c", script, "check"], capture_output=True, text=True, timeout=60,
                          stdin=subprocess.DEVNULL, env=env)


class StepTest(unittest.TestCase):
    def test_a_failing_step_names_itself_and_shows_the_end_of_its_output(self):
        result = bash('''
            noisy() { for i in $(seq 1 40); do echo "line $i"; done; exit 3; }
            step "making the noise" noisy
            echo "not reached"
        ''')
        self.assertEqual(result.returncode, 3)
        self.assertIn("check: making the noise failed (exit status 3)", result.stderr)
        self.assertIn("line 40", result.stderr)
        self.assertIn("line 11", result.stderr)
        self.assertNotIn("line 10\n", result.stderr, "only the last lines are shown")
        self.assertNotIn("not reached", result.stdout)
        self.assertNotIn("stopped:", result.stderr, "one failure, one message")

    def test_a_step_that_succeeds_keeps_its_output_aside(self):
        result = bash('''
            step "a quiet step" echo "hidden chatter"
            echo "after"
        ''')
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, "after\n")
        self.assertEqual(result.stderr, "")

    def test_a_shell_function_run_as_a_step_stops_at_its_first_failure(self):
        result = bash('''
            two_things() { false; echo "second thing done"; }
            step "doing two things" two_things
        ''')
        self.assertEqual(result.returncode, 1)
        self.assertIn("doing two things failed (exit status 1)", result.stderr)
        self.assertNotIn("second thing done", result.stderr)

    def test_a_command_failing_outside_a_step_says_what_it_was(self):
        result = bash('''
            ls /no/such/folder/here
        ''')
        self.assertNotEqual(result.returncode, 0)
        self.assertIn('check: stopped: "ls /no/such/folder/here" failed with exit status 2', result.stderr)


class ThirtyTwoBitProbeTest(unittest.TestCase):
    def test_a_kernel_that_refuses_the_32_bit_program_leaves_only_the_64_bit_edition(self):
        with tempfile.TemporaryDirectory() as scratch:
            # An ELF program for a processor no kernel here runs (machine 0x3e7): the kernel refuses
            # it just as a kernel without IA-32 emulation refuses a 32-bit one.
            refused = Path(scratch) / "refused"
            refused.write_bytes(b"\x7fELF\x01\x01\x01" + bytes(9) + b"\x02\x00\xe7\x03" + bytes(32))
            refused.chmod(0o755)
            result = bash(f'''
                probe_32bit "{refused}"
                can_run i686 && echo "i686 runs" || echo "i686 does not run"
                can_run x86_64 && echo "x86_64 runs"
            ''')
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.splitlines()
        self.assertEqual(lines[0], "check: the 32-bit edition cannot run here: this machine's kernel runs no "
                                   "32-bit programs (a 32-bit test program failed: Exec format error)")
        self.assertEqual(lines[1:], ["i686 does not run", "x86_64 runs"])

    def test_the_real_probe_agrees_with_the_kernel(self):
        result = bash('''
            probe_32bit
            echo "$runs_32bit"
        ''')
        self.assertEqual(result.returncode, 0, result.stderr)
        # The same question asked another way: does the kernel take a 32-bit program at all?
        with tempfile.TemporaryDirectory() as scratch:
            probe = ROOT / "build" / "probe-i386"
            copy = Path(scratch) / "again"
            shutil.copy(probe, copy)
            try:
                expected = "yes" if subprocess.run([copy]).returncode == 0 else "no"
            except OSError:
                expected = "no"
        self.assertEqual(result.stdout.splitlines()[-1], expected)
        self.assertEqual(len(result.stdout.splitlines()), 2, "one line says what the machine can run")


class ForeignBuildFolderTest(unittest.TestCase):
    def test_a_build_folder_made_for_another_source_folder_is_configured_again(self):
        with tempfile.TemporaryDirectory() as scratch:
            build = Path(scratch) / "x86_64"
            (build / "CMakeFiles").mkdir(parents=True)
            (build / "app" / "Data").mkdir(parents=True)
            (build / "CMakeCache.txt").write_text("CMAKE_HOME_DIRECTORY:INTERNAL=/somewhere/else\n")
            (build / "build.ninja").write_text("")
            (build / "app" / "Data" / "pelnor_myrecepies.rec").write_text("own recipes")
            result = bash(f'''
                step() {{ echo "step: $1"; }}
                build="{build}" arch=x86_64
                configure
            ''')
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertIn("was made for another source folder", result.stdout)
            self.assertIn("step: configuring the x86_64 build (cmake)", result.stdout)
            self.assertFalse((build / "CMakeCache.txt").exists())
            self.assertFalse((build / "build.ninja").exists())
            self.assertEqual((build / "app" / "Data" / "pelnor_myrecepies.rec").read_text(), "own recipes")

    def test_a_build_folder_of_this_source_folder_is_left_as_it_is(self):
        with tempfile.TemporaryDirectory() as scratch:
            build = Path(scratch) / "i686"
            build.mkdir()
            (build / "CMakeCache.txt").write_text(f"CMAKE_HOME_DIRECTORY:INTERNAL={ROOT}\n")
            (build / "build.ninja").write_text("")
            result = bash(f'''
                step() {{ echo "step: $1"; }}
                build="{build}" arch=i686
                configure
            ''')
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(result.stdout, "")
            self.assertTrue((build / "CMakeCache.txt").exists())


class SuiteSummaryTest(unittest.TestCase):
    CASES = (
        ("all passed", "100% tests passed, 0 tests failed out of 12\n", 0, "i686: 12 passed, 0 failed", "yes"),
        ("failures", "83% tests passed, 2 tests failed out of 12\n", 8, "i686: 10 passed, 2 failed", "no"),
        ("one failure", "91% tests passed, 1 test failed out of 12\n", 8, "i686: 11 passed, 1 failed", "no"),
        ("skipped", "12/12 Test #12: release.editions .....***Skipped   0.10 sec\n"
                    "100% tests passed, 0 tests failed out of 12\n", 0, "i686: 11 passed, 0 failed, 1 skipped", "yes"),
        ("did not finish", "1/12 Test #1: a ... Passed\n", 2,
         "i686: the suite did not finish (ctest exit status 2); its output is above", "no"),
        ("ctest failed without a failed test", "100% tests passed, 0 tests failed out of 12\n", 8,
         "i686: 12 passed, 0 failed", "no"),
    )

    def test_one_line_per_edition(self):
        for name, log_text, status, line, ok in self.CASES:
            with self.subTest(name), tempfile.NamedTemporaryFile("w", suffix=".log") as log:
                log.write(log_text)
                log.flush()
                result = bash(f'''
                    suite_summary i686 "{log.name}" {status}
                    echo "$summary_line"
                    echo "$summary_ok"
                ''')
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stdout.splitlines(), [line, ok])


if __name__ == "__main__":
    unittest.main()
