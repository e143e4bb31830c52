#!/usr/bin/env python3
"""Times the three steps of the round trip at scales 1, 3 and 10 and writes a Markdown table.

Usage: measure.py BIN_DIR RUNS RESULTS.md
"""
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SCALES = (1, 3, 10)


def run(argv):
    """Runs a command and returns (seconds, peak resident kilobytes)."""
    start = time.perf_counter()
    process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit("failed: %s\n%s" % (" ".join(argv), process.stderr.read().decode()))
    return elapsed, usage.ru_maxrss


def median_ms(samples):
    return statistics.median(s[0] for s in samples) * 1000


def peak_mb(samples):
    return max(s[1] for s in samples) / 1024


def measure(bin_dir, scale, runs, work):
    school = os.path.join(work, "escala%d" % scale)
    qtemp = os.path.join(school, "QTEMP")
    os.makedirs(qtemp)
    subprocess.run([sys.executable, os.path.join(HERE, "generate_school.py"), str(scale), school],
                   check=True)
    seneca = os.path.join(school, "centro.xml")
    horarios = os.path.join(school, "ResultadoQuimbocentro.xml")
    quimbo = os.path.join(bin_dir, "quimbo")
    export = [quimbo, "exportar", seneca, "--qtemp", qtemp, "--niveles",
              os.path.join(school, "niveles.csv"), "--marcos", "M,T"]
    parse = ["xmllint", "--noout", seneca]
    stand_in = [os.path.join(bin_dir, "soluc_simulada"), qtemp]
    imp = [quimbo, "importar", seneca, "--qtemp", qtemp]

    rows = {}
    rows["exportar"] = [run(export) for _ in range(runs)]
    rows["floor_export"] = [run(parse) for _ in range(runs)]
    rows["soluc"] = [run(stand_in) for _ in range(runs)]
    rows["importar"] = [run(imp) for _ in range(runs)]
    floor = []
    for _ in range(runs):
        a = run(parse)
        b = run(["xmllint", "--noout", horarios])
        floor.append((a[0] + b[0], max(a[1], b[1])))
    rows["floor_import"] = floor
    return {
        "scale": scale,
        "input": os.path.getsize(seneca),
        "output": os.path.getsize(horarios),
        "export_ms": median_ms(rows["exportar"]),
        "export_floor_ms": median_ms(rows["floor_export"]),
        "soluc_ms": median_ms(rows["soluc"]),
        "import_ms": median_ms(rows["importar"]),
        "import_floor_ms": median_ms(rows["floor_import"]),
        "export_ratios": [e[0] / f[0] for e, f in zip(rows["exportar"], rows["floor_export"])],
        "import_ratios": [i[0] / f[0] for i, f in zip(rows["importar"], rows["floor_import"])],
        "export_mb": peak_mb(rows["exportar"]),
        "import_mb": peak_mb(rows["importar"]),
    }


def table(results, runs):
    lines = [
        "# Benchmark",
        "",
        "Made by `bench/run %d` on %s (%d cores), %s." % (
            runs, platform.node() or "this machine", os.cpu_count() or 0,
            time.strftime("%Y-%m-%d")),
        "Median of %d runs of each command; the floor of `exportar` is `xmllint --noout` on the "
        "Séneca file (libxml2 parsing alone), the floor of `importar` is `xmllint --noout` on the "
        "Séneca file plus `xmllint --noout` on the HORARIOS file it wrote. Ratios are each run's "
        "time over its floor run. Peak memory is the largest resident size of the runs." % runs,
        "",
        "| scale | input bytes | output bytes | exportar ms | floor ms | ratios | soluc ms "
        "| importar ms | floor ms | ratios | peak MB exportar / importar |",
        "|---|---|---|---|---|---|---|---|---|---|---|",
    ]
    for r in results:
        lines.append("| %d | %d | %d | %.0f | %.0f | %s | %.0f | %.0f | %.0f | %s | %.1f / %.1f |" % (
            r["scale"], r["input"], r["output"], r["export_ms"], r["export_floor_ms"],
            " ".join("%.1f" % x for x in r["export_ratios"]), r["soluc_ms"], r["import_ms"],
            r["import_floor_ms"], " ".join("%.1f" % x for x in r["import_ratios"]),
            r["export_mb"], r["import_mb"]))
    first, last = results[0], results[-1]
    lines += [
        "",
        "Growth from scale %d to scale %d: exportar %.1f×, importar %.1f× (input %.1f×)." % (
            first["scale"], last["scale"], last["export_ms"] / first["export_ms"],
            last["import_ms"] / first["import_ms"], last["input"] / first["input"]),
        "",
    ]
    return "\n".join(lines)


def main():
    bin_dir, runs, target = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    work = tempfile.mkdtemp(prefix="quimbo-bench-")
    try:
        results = [measure(bin_dir, scale, runs, work) for scale in SCALES]
    finally:
        shutil.rmtree(work, ignore_errors=True)
    with open(target, "w", encoding="utf-8") as f:
        f.write(table(results, runs))


if __name__ == "__main__":
    main()
