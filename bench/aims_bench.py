#!/usr/bin/env python3
"""Measures builds of `personallader` against the aims of the speed work: by
instructions from callgrind (the whole process; steady on a busy machine,
where wall times are not), by wall and processor time (medians), and by peak
memory (/usr/bin/time -f %M), each with its ratio to the aim:
- check of 32,767 rows against employee files of 1 and 32,704 employees, on
  two data sets: the one of check_bench.py, and one where every name holds an
  umlaut, dates and values are random and all 32,704 employees change; the
  time per row at 1,000 and 32,767 rows; the Python peer check_peer.py on the
  same files;
- start-up: --version;
- the backup of a 100 MB data folder: bench_backup of the program's build
  folder (PROGRAM is BUILD/app/console/personallader), only Backup_erstellen
  counted;
- import --yes of 32,767 rows into a 50 MB data folder.
Run by hand; the build folders need the benchmarks (the native preset has them).
Usage: bench/aims_bench.py PROGRAM [PROGRAM...] [--runs N] [--without-peer]
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
from datetime import date, timedelta
from pathlib import Path

import check_bench
from check_bench import encode, make_data_folder, medians, timed, write_import_file

ROWS = 32767
MB = 1e6


def callgrind(command, environment=None, only=None):
    """Instructions of the whole process, or of the function `only` and what it calls."""
    toggle = [f"--toggle-collect={only}"] if only else []
    result = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"] +
                            toggle + command, env=environment, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, text=True, check=False)
    found = re.search(r"Collected : (\d+)", result.stderr)
    if result.returncode != 0 or not found:
        sys.exit(f"{' '.join(command)} under callgrind: status {result.returncode}")
    return int(found.group(1))


def umlaut_row(i, rng):
    """Row i of the second data set: an umlaut in every name, random dates and values."""
    start = date(2015, 1, 1) + timedelta(days=rng.randrange(4000))
    end = "" if rng.random() < 0.5 else f"{start + timedelta(days=rng.randrange(3000)):%d.%m.%Y}"
    values = [f"{rng.randrange(60)},{rng.choice('05')}"] + [str(rng.randrange(20, 41))
                                                            for _ in range(4)]
    return (f"Müller-Öztürk {i}, Jörg;user{i};{start:%d.%m.%Y};{end};" + ";".join(values) +
            f";{rng.randrange(6)}\r\n")


def write_umlaut_file(path, rows):
    rng = random.Random(23)
    with open(path, "w", encoding="cp1252", newline="") as out:
        out.write("Name;Benutzername;Von-Datum;Bis-Datum;Resturlaub;Urlaubsanspruch 1;"
                  "Urlaubsanspruch 2;Urlaubsanspruch 3;Urlaubsanspruch 4;Sonderurlaub\r\n")
        out.writelines(umlaut_row(i, rng) for i in range(1, rows + 1))


def unchanged_nowhere(i):
    """The planner's entry for row i of the second set, which every row changes."""
    return f"150101:999999:{'000,0:' * 9}Müller-Öztürk {i}, Jörg:user{i}"


def make_import_folder(program, folder):
    """About 50 MB of planner files, as bench/import_bench.sh makes them."""
    make_data_folder(program, folder, [f"170101:999999:005,0:{'030,0:' * 4}{'000,0:' * 4}Alt:alt"])
    (folder / "Logs").mkdir()
    entry = "|Eintrag mit etwas Text, wie ihn der Planer schreibt: Urlaub genehmigt"
    for i in range(1, 21):
        encode(program, folder / f"Teil{i}Data.dat", [f"D{i} {n:06d}{entry}" for n in range(10000)])
    for month in range(1, 13):
        encode(program, folder / "Logs" / f"25{month:02d} Zentavo.log",
               [f"L{month:02d} {n:06d}{entry}" for n in range(36000)])


def row(label, instructions, aim, seconds, processor, peak_kib, size=None, memory_aim=None):
    peak = peak_kib * 1024 / MB
    ratio = f"{instructions / aim:>5.2f}" if aim else f"{'':>5}"
    memory = (f"{peak / size:>5.1f}x file" if size else f"{'':>11}")
    memory_ratio = f"{peak / memory_aim:>5.2f}" if memory_aim else f"{'':>5}"
    print(f"{label:<42} {instructions / MB:>9.1f} {ratio} {seconds * 1e3:>8.1f} "
          f"{processor * 1e3:>8.1f} {peak:>7.1f} {memory} {memory_ratio}", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("programs", nargs="+")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--without-peer", action="store_true",
                        help="skip the Python peer, which takes minutes under callgrind")
    args = parser.parse_args()
    programs = [Path(p).resolve() for p in args.programs]
    environment = {k: v for k, v in os.environ.items() if k != "PUBLIC"}
    with tempfile.TemporaryDirectory() as work:
        work = Path(work)
        environment.update(LC_ALL="de_DE.UTF-8", USERNAME="bench", ProgramFiles=str(work / "none"))
        first = str(programs[0])
        set1 = [check_bench.employee_line(i) for i in range(1, ROWS + 1) if i % 200 != 0]
        set1 += [f"170101:999999:000,0:{'030,0:' * 4}{'000,0:' * 4}Alt {i}:alt{i}"
                 for i in range(100)]
        make_data_folder(first, work / "one", [check_bench.employee_line(1)])
        make_data_folder(first, work / "all1", set1)
        make_data_folder(first, work / "all2", [unchanged_nowhere(i) for i in range(1, 32705)])
        files = {}
        for rows in (1000, ROWS):
            files[f"set 1, {rows} rows"] = work / f"set1_{rows}.csv"
            write_import_file(files[f"set 1, {rows} rows"], rows)
        files[f"set 2, {ROWS} rows"] = work / "set2.csv"
        write_umlaut_file(files[f"set 2, {ROWS} rows"], ROWS)
        checks = [(f"set 1, {ROWS} rows", "one", 70e6), (f"set 1, {ROWS} rows", "all1", 110e6),
                  (f"set 2, {ROWS} rows", "one", 75e6), (f"set 2, {ROWS} rows", "all2", 115e6),
                  ("set 1, 1000 rows", "one", None), ("set 1, 1000 rows", "all1", None)]
        make_import_folder(first, work / "import")
        import_rows = work / "import.csv"
        with open(import_rows, "w", encoding="cp1252", newline="") as out:
            out.write("Name;Kennung;Von;Bis;Rest;A1;A2;A3;A4;Sonder\n")
            out.writelines(f"Mitarbeiter {i};user{i};01.01.2020;31.12.2030;2,5;30;30;30;30;1\n"
                           for i in range(1, ROWS + 1))

        print(f"{'':<42} {'M instr':>9} {'/aim':>5} {'wall ms':>8} {'cpu ms':>8} {'peak MB':>7} "
              f"{'memory':>11} {'/aim':>5}   (wall and cpu: medians of {args.runs})")
        for name, file in ({} if args.without_peer else files).items():
            size = file.stat().st_size / MB
            command = [sys.executable, str(check_bench.PEER), str(file)]
            seconds, processor, peak = medians(args.runs, lambda: check_bench.run_peer(file))
            row(f"peer: {name}", callgrind(command), None, seconds, processor, peak, size)
        for index, program in enumerate(programs, 1):
            print(f"program {index}: {program}")
            for name, folder, aim in checks:
                file = files[name]
                command = [str(program), "check", "--data", str(work / folder), str(file)]
                seconds, processor, peak = medians(
                    args.runs, lambda: check_bench.run_program(program, work / folder, file,
                                                               environment))
                rows = int(name.split(", ")[1].split()[0])
                label = f"check {name}, {'1' if folder == 'one' else '32,704'} employees"
                size = file.stat().st_size / MB
                instructions = callgrind(command, environment)
                row(label, instructions, aim, seconds, processor, peak, size, 3 * size)
                print(f"{'':<42} {instructions / rows:>9.0f} instr/row, "
                      f"{seconds * 1e6 / rows:.2f} us/row")
            command = [str(program), "--version"]
            seconds, processor, peak, _ = timed(command, environment)
            row("--version", callgrind(command, environment), 0.5e6, seconds, processor, peak)
            backup_bench = program.parents[2] / "bench" / "bench_backup"
            command = [str(backup_bench), str(work), "100"]
            seconds, processor, peak, out = timed(command)
            backup = float(re.search(r"backup: +([\d.]+) s", out).group(1))
            row("backup of 100 MB (Backup_erstellen only)",
                callgrind(command, only="hostfiles::Backup_erstellen*"), 1.8e9, backup, 0, peak,
                None, 20)

            def run_import(under=None):
                data = work / "import_run"
                shutil.rmtree(data, ignore_errors=True)
                shutil.copytree(work / "import", data)
                command = [str(program), "import", "--yes", "--data", str(data), str(import_rows)]
                return under(command, environment) if under else timed(command, environment)

            seconds, processor, peak = medians(args.runs, lambda: run_import()[:3])
            row("import --yes, 32,767 rows, 50 MB folder", run_import(callgrind), None, seconds,
                processor, peak)
            print(f"{'':<42} wall {seconds:.3f} s against the aim of 0.5 s: {seconds / 0.5:.2f}")


if __name__ == "__main__":
    main()
