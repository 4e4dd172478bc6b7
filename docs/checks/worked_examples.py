#!/usr/bin/env python3
"""The three worked examples of the Technical Manual, computed from the
equations the manual states (not from the program), and compared with the
reports that build/bin/bormek-run writes for the bundled examples.

    python3 docs/checks/worked_examples.py [BUILD_BIN_FOLDER]

Runs bormek-run on copies of the three example projects in a scratch folder,
computes the same rows by hand and prints both side by side. The exit code
is 1 when a hand value differs from the report by more than the report's
last printed digit allows (half a unit of the last digit, plus 2e-5 of the
value for the engine's single precision).
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile

# Constants of the Technical Manual (conventions.html).
PI = 3.142             # areas, perimeters and volumes of the shaft
WATER = 62.4           # pcf
PA = 2116.8            # psf, one atmosphere in the soil rules
LB_PER_TON = 2000.0
FT_PER_M = 3.2808
TONS_PER_KN = 0.1124
PSF_PER_KPA = 20.885
PCF_PER_KNM3 = 6.3659
YD3_PER_M3 = 1.3078


def lerp(top, bottom, fraction):
    return top + (bottom - top) * fraction


class Layer:
    def __init__(self, kind, top, bottom, **values):
        self.kind, self.top, self.bottom = kind, top, bottom
        self.v = values            # name -> (top value, bottom value)

    def at(self, name, z):
        t, b = self.v[name]
        return lerp(t, b, (z - self.top) / (self.bottom - self.top))


# ---- soil rules (soil.html) ---------------------------------------------

def sand_beta(z, n):
    beta = 1.5 - 0.135 * math.sqrt(z)
    if 0 < n < 15:
        beta *= n / 15
    return max(min(beta, 1.2), 0.25)    # upper bound first, then lower


def clay_alpha(c):
    ratio = c / PA
    return 0.55 - 0.1 * (ratio - 1.5) if 1.5 < ratio < 2.5 else 0.55


def default_nc(depth, d_start, cap=9.0):
    return min(6.0 * (1 + 0.2 * depth / d_start), cap)


def sand_tip_from_angle(phi, area, z, db, reductions):
    if phi <= 30:
        return 1e-5
    q = (phi - 30) * 2.667 if phi <= 36 else ((phi - 36) * 4.8 + 16 if phi <= 41 else 40.0)
    qb = q * area
    if reductions and db > 4.17:
        qb *= 50 / (12 * db)
    if reductions and z < 10 * db:
        qb *= z / (10 * db)
    return qb


def clay_tip(cu_tsf, nc, area):
    return min(cu_tsf * nc, 40.0) * area


# ---- rock rule (rock.html), strong rock of type 4 -------------------------

def strong_rock_type4(qu_psf, qcon_psf, spacing, thickness, socket):
    governing = min(qu_psf, qcon_psf)
    if governing > 40320:
        side_tsf = 2.5 * math.sqrt(governing / 144) * 144 / LB_PER_TON
    else:
        side_tsf = 0.15 * governing / LB_PER_TON
    if governing > 144000:
        side_tsf = 0.0          # type 4 in compression: end bearing only
    ksp = (3 + spacing / socket) / (10 * math.sqrt(1 + 300 * thickness / spacing))
    base = 3 * ksp * qu_psf / LB_PER_TON * 0.7854 * socket ** 2
    if governing <= 144000:
        base = 0.0
    return side_tsf, base


# ---- the depth walk and the rows (depth-walk.html) ------------------------

def walk(layers, d, top_zone, water, d_start, reductions, side_rule, trace=None):
    """Cumulative side, factored side (tons) and tip value (tons) by slice
    depth z. Layer bottoms are rounded to whole feet for the walk; values
    are interpolated between the layer's top as entered and its rounded
    bottom."""
    area = PI * d * d / 4
    perimeter = PI * d
    stress = 0.0
    for layer in layers:           # the part above the upper exclusion zone
        lower = min(layer.bottom, top_zone)
        if lower > layer.top:
            gamma_mean = (layer.v["gamma"][0] + layer.at("gamma", lower)) / 2
            stress += gamma_mean * (lower - layer.top)
            stress -= WATER * max(0.0, lower - max(layer.top, water))
    side, factored, base = {}, {}, {}
    cumulative = cumulative_factored = 0.0
    previous_end = None
    for layer in layers:
        bottom = math.floor(layer.bottom + 0.5)
        walked = Layer(layer.kind, layer.top, bottom, **layer.v)
        start = max(previous_end if previous_end is not None else layer.top, top_zone)
        for z in range(int(start) + 1, bottom + 1):
            gamma = walked.at("gamma", z) if "gamma" in layer.v else 0.0
            weight = gamma - WATER if water < z else gamma
            stress += weight
            middle = stress - weight / 2
            f, qb, perim = side_rule(walked, z, stress, middle, d, area, reductions, d_start,
                                     layer)
            cumulative += f * (perim or perimeter)
            cumulative_factored += f * (perim or perimeter) * layer.v.get("phi_s", 1.0)
            side[z], factored[z], base[z] = cumulative, cumulative_factored, qb
            if trace is not None:
                trace.append((z, layer.kind, stress, middle, f, cumulative, qb))
        previous_end = bottom
    return side, factored, base


def averaged_base(base, length, zone):
    k0 = length + 1
    total = weights = 0.0
    for k in range(k0, k0 + zone):
        r = (k - k0) / zone
        w = r * 0.6 / 0.5 if r <= 0.5 else (2 - r) * 0.6 / 1.5
        total += w * base[k]
        weights += w
    return total / weights


def soil_rule(layer, z, stress, middle, d, area, reductions, d_start, entered):
    """`layer` is walked with its rounded bottom; `entered` as entered (the
    defaults of Nc are evaluated at the entered depths)."""
    fraction = min(max((z - layer.top) / (layer.bottom - layer.top), 0.0), 1.0)
    n = layer.at("n", z)
    if layer.kind == "sand":
        f = min(sand_beta(z, n) * middle / LB_PER_TON, 2.1)
        qb = sand_tip_from_angle(layer.at("phi", z), area, z, d, reductions)
        return f, qb, None
    if layer.kind == "clay":
        c = layer.at("c", z)
        alpha = lerp(clay_alpha(layer.v["c"][0]), clay_alpha(layer.v["c"][1]), fraction)
        nc = lerp(default_nc(entered.top, d_start), default_nc(entered.bottom, d_start), fraction)
        return alpha * c / LB_PER_TON, clay_tip(c / LB_PER_TON, nc, area), None
    socket = layer.at("socket", z) * d / d_start
    f, qb = strong_rock_type4(layer.at("qu", z), layer.at("qcon", z), layer.at("s", z),
                              layer.at("delta", z), socket)
    return f, qb, PI * socket


def tip_factor(layers, length):
    for layer in layers:
        if math.floor(layer.bottom + 0.5) > length:
            return layer.v.get("phi_b", 1.0)
    return layers[-1].v.get("phi_b", 1.0)


def rows(layers, d, top_zone, water, fs_side, fs_base, lengths, d_start, reductions=True,
         trace=None):
    side, factored, base = walk(layers, d, top_zone, water, d_start, reductions, soil_rule,
                                trace)
    zone = int(2 * d)
    out = {}
    for length in lengths:
        qs = side[length]
        qb = averaged_base(base, length, zone)
        volume = length * PI * d * d / 4 / 27
        lrfd_qb = qb * tip_factor(layers, length)
        out[length] = dict(LENGTH=length, VOLUME=volume, QS=qs, QB=qb, QU=qs + qb,
                           QBD=qs + qb / fs_base, QDN=qs / fs_side + qb / fs_base,
                           PER_VOLUME=(qs + qb) / volume, LRFD_QS=factored[length],
                           LRFD_QB=lrfd_qb, LRFD_QU=factored[length] + lrfd_qb)
    return out


def si_rows_at(rows_ft, depths_m):
    """Rows at the output increment: interpolated linearly in length between
    the whole-foot rows, then in SI units."""
    lengths = sorted(rows_ft)
    out = {}
    for depth_m in depths_m:
        d_ft = depth_m * FT_PER_M
        upper = next(k for k in lengths if d_ft <= k)
        lower = upper - 1
        t = (d_ft - lower) / (upper - lower)
        row = {}
        for name, value in rows_ft[upper].items():
            row[name] = lerp(rows_ft[lower][name], value, t)
        out[depth_m] = dict(LENGTH=row["LENGTH"] / FT_PER_M, VOLUME=row["VOLUME"] / YD3_PER_M3,
                            QS=row["QS"] / TONS_PER_KN, QB=row["QB"] / TONS_PER_KN,
                            QU=row["QU"] / TONS_PER_KN, LRFD_QS=row["LRFD_QS"] / TONS_PER_KN,
                            LRFD_QB=row["LRFD_QB"] / TONS_PER_KN,
                            LRFD_QU=row["LRFD_QU"] / TONS_PER_KN)
    return out


# ---- the three examples -----------------------------------------------------

def example_sand_clay():
    layers = [
        Layer("clay", 0, 8, gamma=(120, 122), c=(1500, 1800), n=(8, 10)),
        Layer("sand", 8, 22, gamma=(118, 122), phi=(32, 34), n=(18, 25)),
        Layer("clay", 22, 45, gamma=(124, 126), c=(2500, 3500), n=(16, 22)),
        Layer("sand", 45, 70, gamma=(125, 128), phi=(36, 38), n=(40, 50)),
    ]
    return rows(layers, 3.0, 5.0, 12.0, 2.0, 2.5, [10, 20, 46], 3.0)


def example_strong_rock():
    layers = [
        Layer("clay", 0, 15, gamma=(118, 120), c=(1800, 2200), n=(10, 12)),
        Layer("rock", 15, 50, qu=(216000, 216000), qcon=(576000, 576000), s=(2.0, 2.0),
              delta=(0.01, 0.01), socket=(3.0, 3.0), n=(0, 0)),
    ]
    return rows(layers, 3.0, 3.0, 10.0, 2.0, 3.0, [15, 20, 25], 3.0)


def example_si_lrfd(depths_m=(5.0, 10.0, 18.0), trace=None):
    """si_clay_sand.bkd, first diameter 0.9 m, rows at whole metres."""
    m = FT_PER_M
    layers = [
        Layer("clay", 0, 6 * m, gamma=(17.5 * PCF_PER_KNM3, 18.0 * PCF_PER_KNM3),
              c=(40 * PSF_PER_KPA, 60 * PSF_PER_KPA), n=(4, 6), phi_s=0.45, phi_b=0.40),
        Layer("sand", 6 * m, 14 * m, gamma=(19.0 * PCF_PER_KNM3, 19.5 * PCF_PER_KNM3),
              phi=(31, 34), n=(15, 30), phi_s=0.55, phi_b=0.50),
        Layer("clay", 14 * m, 25 * m, gamma=(20.0 * PCF_PER_KNM3, 20.5 * PCF_PER_KNM3),
              c=(120 * PSF_PER_KPA, 160 * PSF_PER_KPA), n=(18, 24), phi_s=0.45, phi_b=0.40),
    ]
    d = 0.9 * m
    needed = sorted({math.ceil(x * m) for x in depths_m} | {math.ceil(x * m) - 1 for x in depths_m})
    feet = rows(layers, d, 1.5 * m, 2.5 * m, 2.0, 2.5, needed, d, trace=trace)
    return si_rows_at(feet, depths_m)


def run_examples(bin_folder):
    folder = tempfile.mkdtemp()
    source = os.path.join(os.path.dirname(__file__), "..", "..", "examples")
    reports = {}
    for name in ("sand_clay", "strong_rock_end_bearing", "si_clay_sand"):
        shutil.copy(os.path.join(source, name + ".bkd"), folder)
        subprocess.run([os.path.join(bin_folder, "bormek-run"),
                        os.path.join(folder, name + ".bkd")], check=False,
                       stdout=subprocess.DEVNULL)
        with open(os.path.join(folder, name + ".bko")) as report:
            reports[name] = report.read().splitlines()
    shutil.rmtree(folder)
    return reports


def report_row(lines, length, table=0):
    """The row of `length` in the `table`-th result table of a report."""
    seen = -1
    for k, line in enumerate(lines):
        if line.startswith("     LENGTH  VOLUME"):
            seen += 1
            if seen == table:
                for row in lines[k + 2:]:
                    words = row.split()
                    if not words or not words[0].replace(".", "").isdigit():
                        break
                    if abs(float(words[0]) - length) < 1e-6:
                        return [float(w) for w in words]
    return None


def compare(title, hand, lines, columns, table=0, si=False):
    worst_ok = True
    print(title)
    for length, values in hand.items():
        printed = report_row(lines, length, table)
        print("  length %5.1f" % length)
        for k, name in enumerate(columns):
            got = printed[k] if printed else float("nan")
            mine = values[name]
            digit = 0.05 if si and name != "LRFD_QU" else 0.005
            ok = printed is not None and abs(got - mine) <= digit + 2e-5 * abs(got)
            worst_ok &= ok
            print("    %-10s hand %10.3f   report %10.2f   %s" % (name, mine, got,
                                                                 "ok" if ok else "DIFFERS"))
    return worst_ok


def main():
    bin_folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "build", "bin")
    reports = run_examples(bin_folder)
    asd = ["LENGTH", "VOLUME", "QS", "QB", "QU", "QBD", "QDN", "PER_VOLUME"]
    ok = compare("sand_clay.bkd, 3 ft shaft", example_sand_clay(), reports["sand_clay"], asd)
    ok &= compare("strong_rock_end_bearing.bkd, 3 ft shaft", example_strong_rock(),
                  reports["strong_rock_end_bearing"], asd)
    lrfd = ["LENGTH", "VOLUME", "QS", "QB", "QU", "LRFD_QS", "LRFD_QB", "LRFD_QU"]
    ok &= compare("si_clay_sand.bkd, 0.9 m shaft", example_si_lrfd(), reports["si_clay_sand"],
                  lrfd, si=True)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
