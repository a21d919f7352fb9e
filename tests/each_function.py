"""Runs each test function of a Qt Test executable on its own, then all of them in
reverse order in one run: a function that passes only after another has run (or
only before) fails here. Usage: each_function.py <test executable>"""

import subprocess
import sys


def run(executable, *functions):
    done = subprocess.run([executable, *functions], capture_output=True, text=True, timeout=600)
    return done.returncode, done.stdout + done.stderr


def main(executable):
    code, listing = run(executable, "-functions")
    if code != 0:
        print(listing)
        return 1
    functions = [line.strip()[:-2] for line in listing.splitlines() if line.strip().endswith("()")]
    if len(functions) < 2:
        print(f"{executable}: one test function, run alone by the whole run already")
        return 0
    failed = []
    for function in functions:
        code, output = run(executable, function)
        if code != 0:
            failed.append(function)
            print(f"--- {function}, run alone ---\n{output}")
    code, output = run(executable, *reversed(functions))
    if code != 0:
        failed.append("(all, in reverse order)")
        print(f"--- every function in reverse order ---\n{output}")
    print(f"{executable}: {len(functions)} functions alone and reversed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
