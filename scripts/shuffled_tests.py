#!/usr/bin/env python3
"""Runs every GoogleTest program that ctest knows whole, in one process each,
shuffled with each of the given seeds, in the environment ctest gives its
cases; prints a line per failing run and a closing "N passed, N failed".
    scripts/shuffled_tests.py BUILD_DIR SEED...
Exits 1 when a run fails: cases that pass on their own may still lean on
one another or on the order they run in.
"""

import concurrent.futures
import json
import os
import subprocess
import sys


def programs(build):
    """(program, working folder, environment) for each GoogleTest program."""
    listing = subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"],
                             check=True, capture_output=True, text=True).stdout
    found = {}
    for test in json.loads(listing)["tests"]:
        command = test.get("command") or []
        if not any(arg.startswith("--gtest_filter=") for arg in command):
            continue
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        env = dict(os.environ)
        for setting in properties.get("ENVIRONMENT", []):
            name, _, value = setting.partition("=")
            env[name] = value
        for change in properties.get("ENVIRONMENT_MODIFICATION", []):
            name, _, operation = change.partition("=")
            op, _, value = operation.partition(":")
            if op == "set":
                env[name] = value
            elif op == "unset":
                env.pop(name, None)
            else:
                sys.exit(f"{test['name']}: environment change {op} is not understood here")
        found[command[0]] = (properties.get("WORKING_DIRECTORY", build), env)
    return found


def run(program, folder, env, seed):
    try:
        done = subprocess.run([program, "--gtest_shuffle", f"--gtest_random_seed={seed}"], cwd=folder,
                              env=env, stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=600)
        return done.returncode == 0, done.stdout + done.stderr
    except subprocess.TimeoutExpired as timeout:
        return False, f"{timeout}\n"


def main():
    build, seeds = sys.argv[1], sys.argv[2:]
    runs = [(program, folder, env, seed)
            for program, (folder, env) in sorted(programs(build).items()) for seed in seeds]
    passed = failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 1) as pool:
        for (program, _, _, seed), (ok, output) in zip(runs, pool.map(lambda r: run(*r), runs)):
            if ok:
                passed += 1
                continue
            failed += 1
            print(f"FAILED: {os.path.relpath(program, build)} --gtest_shuffle --gtest_random_seed={seed}")
            print("\n".join(output.splitlines()[-30:]))
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
