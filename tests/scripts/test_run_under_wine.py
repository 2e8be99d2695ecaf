"""The test programs' wrapper: the program's output as it comes, its exit status passed on, and
Wine's own errors shown when the program fails or ends before writing anything. Stand-ins for the
Wine loader (small shell scripts) play the programs, so no Wine is needed."""
import subprocess
import tempfile
import textwrap
import unittest
from pathlib import Path

WRAPPER = Path(__file__).resolve().parents[1] / "run_under_wine.sh"


def run(program_body):
    """Runs the wrapper on a stand-in loader whose body is `program_body` (bash)."""
    with tempfile.TemporaryDirectory() as scratch:
        loader = Path(scratch) / "wine"
        loader.write_text("#!/usr/bin/env bash\n" + textwrap.dedent(program_body))
        loader.chmod(0o755)
        return subprocess.run(["bash", str(WRAPPER), str(loader), "test_app.exe", "--gtest_filter=A.B"],
                              capture_output=True, text=True, timeout=60, stdin=subprocess.DEVNULL)


class RunUnderWineTest(unittest.TestCase):
    CASES = (
        # name, program, status, what the output holds, what it must not hold
        ("a silent start that failed names its status and shows Wine's errors",
         'echo "0024:err:module:import_dll Library X.dll not found" >&2; exit 53\n', 53,
         ["test_app.exe --gtest_filter=A.B ended with exit status 53 before writing anything",
          "0024:err:module:import_dll Library X.dll not found"], []),
        ("a silent start without a word from Wine says so",
         "exit 1\n", 1,
         ["ended with exit status 1 before writing anything", "nothing was written to standard error"], []),
        ("a silent pass is named too",
         "exit 0\n", 0, ["ended with exit status 0 before writing anything"], []),
        ("a failing program's output comes first, then Wine's errors",
         'echo "[  FAILED  ] A.B"; echo "0030:err:win:get_desktop_window failed" >&2; exit 1\n', 1,
         ["[  FAILED  ] A.B", "0030:err:win:get_desktop_window failed"], ["before writing anything"]),
        ("a passing program keeps its own messages and leaves out Wine's errors",
         'echo "[  PASSED  ] 1 test."; echo "note from the test" >&2; echo "0030:err:ole:x y" >&2; exit 0\n', 0,
         ["[  PASSED  ] 1 test.", "note from the test"], ["0030:err:ole", "before writing anything"]),
    )

    def test_output_status_and_wine_errors(self):
        for name, body, status, present, absent in self.CASES:
            with self.subTest(name):
                result = run(body)
                self.assertEqual(result.returncode, status, result.stderr)
                output = result.stdout + result.stderr
                for text in present:
                    self.assertIn(text, output)
                for text in absent:
                    self.assertNotIn(text, output)

    def test_the_program_runs_with_only_wines_errors_on(self):
        result = run('echo "WINEDEBUG=$WINEDEBUG"\n')
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, "WINEDEBUG=-all,err+all\n")

    def test_output_written_just_before_a_quick_end_is_all_shown(self):
        for _ in range(20):
            result = run('for i in $(seq 1 50); do echo "line $i"; done; exit 3\n')
            self.assertEqual(result.returncode, 3)
            self.assertEqual(result.stdout.splitlines(), [f"line {i}" for i in range(1, 51)])


if __name__ == "__main__":
    unittest.main()
