#!/usr/bin/env python3
"""Times `personallader check` (the whole process) against the Python peer
script check_peer.py (in-process, start-up excluded) on the same valid import
files of 1,000, 8,000 and 32,767 ten-column rows, Windows-1252, German
settings, in one run: medians of 5, their ratio, the time per row and the
peak memory (of the process, as /usr/bin/time -f %M gives it).

Each file is checked against two data folders: one whose employee file holds
one employee, and one that holds the file's 32,767 employees with some
differences, so that the check's preview of the changes has work to do.
Several programs (a build before and after a change, say) run side by side.
Usage: bench/check_bench.py PROGRAM [PROGRAM...] [--runs N]
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROWS = (1000, 8000, 32767)
PEER = Path(__file__).with_name("check_peer.py")


def import_line(i):
    """Row i as bench_import_check writes it."""
    end = "31.12.2027" if i % 3 == 0 else ""
    return (f"Mitarbeiter {i}, Vorname;user{i};01.0{1 + i % 9}.2017;{end};{i % 10},5;"
            f"30;30;28;28;{i % 3}\r\n")


def write_import_file(path, rows):
    with open(path, "w", encoding="cp1252", newline="") as out:
        out.write("Name;Benutzername;Von-Datum;Bis-Datum;Resturlaub;Urlaubsanspruch 1;"
                  "Urlaubsanspruch 2;Urlaubsanspruch 3;Urlaubsanspruch 4;Sonderurlaub\r\n")
        out.writelines(import_line(i) for i in range(1, rows + 1))


def employee_line(i):
    """The planner's entry of row i; every 50th has another residual vacation."""
    end = "271231" if i % 3 == 0 else "999999"
    residual = "012,0" if i % 50 == 0 else f"00{i % 10},5"
    return (f"170{1 + i % 9}01:{end}:{residual}:030,0:030,0:028,0:028,0:00{i % 3},0:"
            f"000,0:000,0:000,0:Mitarbeiter {i}, Vorname:user{i}")


def encode(program, path, lines):
    with open(path, "wb") as out:
        subprocess.run([program, "encode"], input="\n".join(lines).encode("utf-8"),
                       stdout=out, check=True)


def make_data_folder(program, folder, employees):
    folder.mkdir(parents=True)
    encode(program, folder / "Konfigdaten.dat",
           ["[Zentavo]", "a", "b", "[Firma]", "Bench", "c", "[Settings]", "0" * 40, "d",
            "[Administratoren]", "NoAdmins"])
    encode(program, folder / "KalenderData.dat", ["[Kalender]", "2026"])
    encode(program, folder / "Mitarbeiterdaten.dat",
           ["[Mitarbeiterdaten]", "99999999", "0"] + employees)


def timed(command, environment=None):
    """Seconds of the whole process, its processor seconds and its peak memory
    in KiB. The peak comes from /usr/bin/time: a child of this script would
    count this script's memory in its own peak. On a busy machine the
    processor time is the steadier figure."""
    with tempfile.NamedTemporaryFile("r") as peak, tempfile.TemporaryFile("w+") as out:
        start = time.perf_counter()
        process = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", peak.name] + command,
                                   stdout=out, env=environment)
        _, status, usage = os.wait4(process.pid, 0)
        seconds = time.perf_counter() - start
        process.returncode = os.waitstatus_to_exitcode(status)
        if process.returncode != 0:
            sys.exit(f"{' '.join(command)} ended with status {process.returncode}")
        out.seek(0)
        return seconds, usage.ru_utime + usage.ru_stime, int(peak.read().split()[-1]), out.read()


def run_program(program, data, file, environment):
    seconds, processor, peak, _ = timed([program, "check", "--data", str(data), str(file)],
                                        environment)
    return seconds, processor, peak


def run_peer(file):
    _, _, peak, out = timed([sys.executable, str(PEER), str(file)])
    rows, faults, seconds, processor, _ = out.split()
    if faults != "0":
        sys.exit(f"the peer script found faults in {file}")
    return float(seconds), float(processor), peak


def medians(runs, measure):
    results = [measure() for _ in range(runs)]
    return [statistics.median(r[i] for r in results) for i in range(len(results[0]))]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("programs", nargs="+")
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    programs = [os.path.abspath(p) for p in args.programs]
    with tempfile.TemporaryDirectory() as work:
        work = Path(work)
        environment = {k: v for k, v in os.environ.items() if k != "PUBLIC"}
        environment.update(LC_ALL="de_DE.UTF-8", USERNAME="bench",
                           ProgramFiles=str(work / "none"))
        # A realistic list: every 200th row is new, and 100 planner entries go.
        employees = [employee_line(i) for i in range(1, ROWS[-1] + 1) if i % 200 != 0]
        employees += [f"170101:999999:000,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:"
                      f"Alt {i}:alt{i}" for i in range(100)]
        folders = {"1 employee": work / "small", f"{len(employees)} employees": work / "large"}
        make_data_folder(programs[0], folders["1 employee"], [employee_line(1)])
        make_data_folder(programs[0], folders[f"{len(employees)} employees"], employees)
        print("times in ms, medians; cpu = processor time (user + system)")
        print(f"{'rows':>6} {'file MB':>7} {'employee file':>15} {'prog':>4} {'ms':>6} "
              f"{'cpu':>6} {'us/row':>6} {'peak MB':>7} {'peak/file':>9} {'py ms':>6} "
              f"{'py cpu':>6} {'py us/row':>9} {'py MB':>5} {'ratio':>5} {'cpu ratio':>9}")
        for rows in ROWS:
            file = work / f"import_{rows}.csv"
            write_import_file(file, rows)
            megabytes = file.stat().st_size / 1e6
            peer_seconds, peer_processor, peer_peak = medians(args.runs, lambda: run_peer(file))
            for label, data in folders.items():
                for index, program in enumerate(programs, 1):
                    seconds, processor, peak = medians(
                        args.runs, lambda: run_program(program, data, file, environment))
                    print(f"{rows:>6} {megabytes:>7.2f} {label:>15} {index:>4} "
                          f"{seconds * 1e3:>6.1f} {processor * 1e3:>6.1f} "
                          f"{seconds * 1e6 / rows:>6.2f} {peak * 1024 / 1e6:>7.1f} "
                          f"{peak * 1024 / 1e6 / megabytes:>9.1f} {peer_seconds * 1e3:>6.1f} "
                          f"{peer_processor * 1e3:>6.1f} {peer_seconds * 1e6 / rows:>9.2f} "
                          f"{peer_peak * 1024 / 1e6:>5.1f} {peer_seconds / seconds:>5.1f} "
                          f"{peer_processor / processor:>9.1f}")
        for index, program in enumerate(programs, 1):
            print(f"program {index}: {program}")


if __name__ == "__main__":
    main()
