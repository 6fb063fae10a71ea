#!/usr/bin/env python3
"""Writes the built-in equipment database from the merged equipment lists.

Reads data/equipment/sources/{cameras,telescopes,eyepieces,barlows}.csv and
data/equipment/resolutions.csv; writes data/equipment/{cameras,telescopes,eyepieces,barlows}.csv
with only the columns the planners read. Every source row that carries a doubt is kept, fixed
or left out, by a rule for its reason or by a row of resolutions.csv; an unresolved doubt, a
resolution that matches no doubtful row stops the run with an error; names that compare as one
are listed as warnings. Standard library only.

Usage: scripts/curate-equipment.py [--sources DIR] [--resolutions FILE] [--out DIR]
"""

import argparse
import csv
import math
import re
import sys
import unicodedata
from collections import Counter, defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DATA = ROOT / "data" / "equipment"

# The columns each curated file keeps, and those of them that must hold a value.
COLUMNS = {
    "cameras.csv": ["maker", "model", "pixel_width_um", "pixel_height_um", "width_px", "height_px", "colour"],
    "telescopes.csv": ["maker", "model", "focal_length_mm", "aperture_mm", "type"],
    "eyepieces.csv": ["maker", "model", "focal_length_mm", "apparent_fov_deg", "field_stop_mm"],
    "barlows.csv": ["maker", "model", "factor"],
}
REQUIRED = {
    "cameras.csv": ["pixel_width_um", "pixel_height_um", "width_px", "height_px"],
    "telescopes.csv": ["focal_length_mm", "aperture_mm"],
    "eyepieces.csv": ["focal_length_mm"],
    "barlows.csv": ["factor"],
}
ACTIONS = ("keep", "fix", "drop")
# Two records of one thing closer than this are the same measurement, differently rounded or
# counted (effective against active pixels).
CAMERA_AGREEMENT = 0.02
TELESCOPE_AGREEMENT = 0.05
SQUARE_PIXEL_TOLERANCE = 0.05
SMALL_SERIES_DIAGONAL_MM = 17.5
FAST_ASTROGRAPH_MIN_RATIO = 1.5


class CurationError(Exception):
    pass


def number(text):
    return float(text) if text not in ("", None) else None


def fmt(value):
    if value is None:
        return ""
    if float(value).is_integer():
        return str(int(value))
    return f"{value:.6g}"


def name_key(text):
    """Case, accents, spaces and punctuation dropped, as the program compares names."""
    decomposed = unicodedata.normalize("NFKD", text)
    out = []
    for i, c in enumerate(decomposed):
        if c.isalnum() and not unicodedata.combining(c):
            out.append(c.casefold())
        elif c in ".," and 0 < i < len(decomposed) - 1 and decomposed[i - 1].isdigit() and decomposed[i + 1].isdigit():
            out.append(".")  # "2.5mm" is not "25mm"
    return "".join(out)


def split_doubt(doubt):
    """'a (x; y); b' -> [('a', 'x; y'), ('b', '')]: reasons split at ';' outside brackets."""
    parts, depth, start = [], 0, 0
    for i, c in enumerate(doubt):
        if c == "(":
            depth += 1
        elif c == ")":
            depth -= 1
        elif c == ";" and depth == 0:
            parts.append(doubt[start:i])
            start = i + 1
    parts.append(doubt[start:])
    out = []
    for part in (p.strip() for p in parts if p.strip()):
        m = re.fullmatch(r"(.*?)\s*\((.*)\)", part)
        out.append((m.group(1), m.group(2)) if m else (part, ""))
    return out


def reference_sensors(readme):
    """The reference geometry the sources' README lists: name -> (width, height, pitch)."""
    text = readme.read_text(encoding="utf-8")
    found = {m.group(1): (int(m.group(2)), int(m.group(3)), float(m.group(4)))
             for m in re.finditer(r"\b([A-Z]{2,4}\d{3,4})\s+(\d+)x(\d+)\s+([\d.]+)\s*µm", text)}
    if "IMX462" not in found:
        raise CurationError(f"{readme}: no reference sensor geometry found")
    return found


def close(a, b, tolerance):
    return abs(a - b) <= tolerance * max(abs(a), abs(b))


class Decision:
    def __init__(self, action, values=None):
        self.action = action
        self.values = values or {}


KEEP = Decision("keep")
DROP = Decision("drop")


# --- cameras --------------------------------------------------------------------------------

def camera_geometry(row):
    return (int(row["width_px"]), int(row["height_px"]),
            float(row["pixel_width_um"]), float(row["pixel_height_um"]))


def matches_sensor(row, sensor):
    width, height, pitch = sensor
    w, h, pw, ph = camera_geometry(row)
    return (close(w, width, CAMERA_AGREEMENT) and close(h, height, CAMERA_AGREEMENT)
            and close(pw, pitch, 0.03) and close(ph, pitch, 0.03))


def sensor_fix(sensor):
    width, height, pitch = sensor
    return Decision("fix", {"width_px": fmt(width), "height_px": fmt(height),
                            "pixel_width_um": fmt(pitch), "pixel_height_um": fmt(pitch)})


def named_sensor(row, sensors):
    """The reference sensor a camera names: its sensor column, else the maker's numbering."""
    if row["sensor"] in sensors:
        return sensors[row["sensor"]]
    m = None
    if row["maker"] == "ZWO":
        m = re.match(r"ASI(\d{3,4})", row["model"])
    elif row["maker"] == "QHY":
        m = re.match(r"QHY(?:5III)?(\d{3})", row["model"])
    return sensors.get("IMX" + m.group(1)) if m else None


def records_in(detail):
    """The (width, height, pitch or None) records a disagreement detail lists."""
    records = []
    for m in re.finditer(r"(\d+)x(\d+)(?:\s*px\s*([\d.]+)\s*µm)?", detail):
        records.append((int(m.group(1)), int(m.group(2)), number(m.group(3))))
    return records


def camera_disagreement(row, detail, sensors):
    sensor = named_sensor(row, sensors)
    if sensor:
        return sensor_fix(sensor)
    w, h, pw, _ = camera_geometry(row)
    records = records_in(detail)
    if not records:
        return None
    for rw, rh, rp in records:
        if rh > rw and not h > w:
            rw, rh = rh, rw  # the same sensor with its axes swapped
        if not (close(rw, w, CAMERA_AGREEMENT) and close(rh, h, CAMERA_AGREEMENT)):
            return DROP
        if rp is not None and not close(rp, pw, CAMERA_AGREEMENT):
            return DROP
    return KEEP


def pitch_disagreement(row, detail, sensors):
    sensor = named_sensor(row, sensors)
    return sensor_fix(sensor) if sensor else DROP


def camera_sensor_named(row, detail, sensors):
    m = re.match(r"(\w+) is", detail)
    sensor = sensors.get(m.group(1)) if m else None
    return sensor_fix(sensor) if sensor else None


def rectangular_pixels(row, detail, sensors):
    _, _, pw, ph = camera_geometry(row)
    return KEEP if close(pw, ph, SQUARE_PIXEL_TOLERANCE) else None


def diagonal_mm(row):
    w, h, pw, ph = camera_geometry(row)
    return math.hypot(w * pw, h * ph) / 1000


def outside_diagonal(row, detail, sensors):
    return KEEP if any(matches_sensor(row, s) for s in sensors.values()) else None


def large_in_small_series(row, detail, sensors):
    return DROP if diagonal_mm(row) > SMALL_SERIES_DIAGONAL_MM else KEEP


# Rules that fix values run first; the others judge the row as fixed.
CAMERA_FIXES = {"values differ from the sensor named in the model": camera_sensor_named}
CAMERA_RULES = {
    # The program reads pixels and pitch only, never the source's millimetres.
    "source's sensor size inconsistent with resolution x pixel": lambda r, d, s: KEEP,
    "sources disagree on resolution": camera_disagreement,
    "duplicate entries in one source disagree": camera_disagreement,
    "sources disagree on pixel size by more than 2 %": pitch_disagreement,
    "pixel width differs from height": rectangular_pixels,
    "sensor diagonal outside 2-60 mm": outside_diagonal,
    "large sensor in a small-camera series": large_in_small_series,
    "no sensor data in source": lambda r, d, s: DROP,
    "family name rather than a model": lambda r, d, s: DROP,
    "unverified v2 copy of another entry": lambda r, d, s: DROP,
    "camera listed with an accessory": lambda r, d, s: DROP,
    "model name not known for this maker": lambda r, d, s: DROP,
    "resolution under 100 px a side": lambda r, d, s: DROP,
    "height exceeds width": lambda r, d, s: DROP,
}


# --- telescopes -----------------------------------------------------------------------------

def name_aperture_focal(model):
    """Aperture and focal length the name states, each None when it does not."""
    pair = re.search(r"\b(\d+(?:\.\d+)?)\s*/\s*(\d+(?:\.\d+)?)\b", model)
    if pair:
        return float(pair.group(1)), float(pair.group(2))
    aperture = None
    if m := re.search(r"(\d+(?:\.\d+)?)\s*\"", model):
        aperture = float(m.group(1)) * 25.4
    elif m := re.search(r"\b(\d+(?:\.\d+)?)\s*mm\b", model):
        aperture = float(m.group(1))
    elif m := re.search(r"\b(\d+(?:\.\d+)?)\s*cm\b", model):
        aperture = float(m.group(1)) * 10
    ratio = re.search(r"\bf/?(\d+(?:\.\d+)?)\b", model, re.IGNORECASE)
    focal = aperture * float(ratio.group(1)) if aperture and ratio else None
    return aperture, focal


def telescope_from_name(row, detail, _):
    aperture, focal = name_aperture_focal(row["model"])
    if aperture is None or focal is None:
        return DROP
    return Decision("fix", {"aperture_mm": fmt(round(aperture, 1)), "focal_length_mm": fmt(round(focal))})


def telescope_disagreement(row, detail, _):
    focal, aperture = float(row["focal_length_mm"]), float(row["aperture_mm"])
    pairs = re.findall(r"(\d+(?:\.\d+)?)/(\d+(?:\.\d+)?)\s*mm", detail)
    if not pairs:
        return None
    for a, f in pairs:
        if not (close(float(a), aperture, TELESCOPE_AGREEMENT) and close(float(f), focal, TELESCOPE_AGREEMENT)):
            return DROP
    return KEEP


def in_aperture_range(row, detail, _):
    return KEEP if 30 <= float(row["aperture_mm"]) <= 1100 else None


def in_ratio_range(row, detail, _):
    ratio = float(row["focal_length_mm"]) / float(row["aperture_mm"])
    if 2 <= ratio <= 30:
        return KEEP
    # Schmidt astrographs and Hyperstar corrector plates really work faster than f/2.
    if FAST_ASTROGRAPH_MIN_RATIO <= ratio < 2 and row["type"] == "catadioptric":
        return KEEP
    return DROP


TELESCOPE_FIXES = {"values contradict the name": telescope_from_name}
TELESCOPE_RULES = {
    "aperture and focal length parsed from the name": lambda r, d, s: KEEP,
    "no aperture or focal length in source": lambda r, d, s: DROP,
    "unverified v2 copy of another entry": lambda r, d, s: DROP,
    "sources disagree by more than 1 %": telescope_disagreement,
    "duplicate entries in one source disagree by more than 1 %": telescope_disagreement,
    "aperture outside 30-1100 mm": in_aperture_range,
    "focal ratio outside f/2-f/30": in_ratio_range,
}


# --- eyepieces and Barlows ------------------------------------------------------------------

def eyepiece_from_name(row, detail, _):
    values = {}
    if m := re.search(r"name ([\d.]+)°", detail):
        values["apparent_fov_deg"] = m.group(1)
    if m := re.search(r"name ([\d.]+) mm", detail):
        values["focal_length_mm"] = m.group(1)
    return Decision("fix", values) if values else None


def eyepiece_disagreement(row, detail, _):
    focals = re.findall(r"([\d.]+) mm", detail)
    if len(focals) < 2:
        return None
    if len({float(f) for f in focals}) > 1:
        return DROP
    # One focal length, two apparent fields: the field is not known.
    return Decision("fix", {"apparent_fov_deg": ""})


EYEPIECE_FIXES = {"values contradict the name": eyepiece_from_name,
                  "sources disagree": eyepiece_disagreement}
EYEPIECE_RULES = {
    "zoom eyepiece, one focal length given": lambda r, d, s: DROP,
    "unverified v2 copy of another entry": lambda r, d, s: DROP,
}

BARLOW_FIXES = {}
BARLOW_RULES = {
    # The maker's name states the factor.
    "factor parsed from the name": lambda r, d, s: KEEP,
    "no factor in source or name": lambda r, d, s: DROP,
}

RULES = {
    "cameras.csv": (CAMERA_FIXES, CAMERA_RULES),
    "telescopes.csv": (TELESCOPE_FIXES, TELESCOPE_RULES),
    "eyepieces.csv": (EYEPIECE_FIXES, EYEPIECE_RULES),
    "barlows.csv": (BARLOW_FIXES, BARLOW_RULES),
}


# --- the run --------------------------------------------------------------------------------

def read_csv(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def read_resolutions(path):
    resolutions = {}
    for line, row in enumerate(read_csv(path), start=2):
        key = (row["file"], row["maker"], row["model"])
        if row["action"] not in ACTIONS:
            raise CurationError(f"{path}:{line}: action '{row['action']}' is not one of {', '.join(ACTIONS)}")
        if not row["reason"].strip():
            raise CurationError(f"{path}:{line}: no reason given")
        values = {}
        for assignment in filter(None, (a.strip() for a in row["values"].split(";"))):
            column, _, value = assignment.partition("=")
            if row["file"] in COLUMNS and column.strip() not in COLUMNS[row["file"]]:
                raise CurationError(f"{path}:{line}: no column '{column.strip()}' in {row['file']}")
            values[column.strip()] = value.strip()
        if (row["action"] == "fix") != bool(values):
            raise CurationError(f"{path}:{line}: values are given for a fix and only for a fix")
        if key in resolutions:
            raise CurationError(f"{path}:{line}: a second resolution of {key[1]} {key[2]}")
        resolutions[key] = (Decision(row["action"], values), line)
    return resolutions


def decide(file, row, reasons, sensors):
    """The row's outcome from the rules, or the reasons no rule settles."""
    fixes, rules = RULES[file]
    fixed = dict(row)
    outcome = KEEP
    unresolved = []
    for reason, detail in reasons:
        if reason in fixes:
            decision = fixes[reason](row, detail, sensors)
            if decision is None:
                unresolved.append(reason)
            elif decision.action == "drop":
                return DROP, []
            else:
                fixed.update(decision.values)
                outcome = Decision("fix", {**outcome.values, **decision.values})
    for reason, detail in reasons:
        if reason in fixes:
            continue
        decision = rules[reason](fixed, detail, sensors) if reason in rules else None
        if decision is None:
            unresolved.append(reason)
        elif decision.action == "drop":
            return DROP, []
        elif decision.action == "fix":
            fixed.update(decision.values)
            outcome = Decision("fix", {**outcome.values, **decision.values})
    return outcome, unresolved


def curate_file(file, sources, resolutions, used, sensors):
    rows = read_csv(sources / file)
    kept, per_reason, by_row = [], defaultdict(Counter), Counter()
    totals = Counter()
    unresolved = []
    for row in rows:
        reasons = split_doubt(row["doubt"])
        key = (file, row["maker"], row["model"])
        if key in resolutions:
            if not reasons:
                raise CurationError(f"resolutions.csv:{resolutions[key][1]}: {row['maker']} {row['model']} has no doubt")
            decision = resolutions[key][0]
            used.add(key)
            by_row[decision.action] += 1
        elif reasons:
            decision, open_reasons = decide(file, row, reasons, sensors)
            if open_reasons:
                unresolved.append(f"{file}: {row['maker']} {row['model']}: {'; '.join(open_reasons)}")
                continue
        else:
            decision = None
        outcome = "as they are" if decision is None else {"keep": "kept", "fix": "fixed", "drop": "left out"}[decision.action]
        totals[outcome] += 1
        for reason, _ in reasons:
            per_reason[reason][outcome] += 1
        if decision is not None and decision.action == "drop":
            continue
        values = dict(row)
        if decision is not None:
            values.update(decision.values)
        missing = [c for c in REQUIRED[file] if not values[c]]
        if missing:
            raise CurationError(f"{file}: {row['maker']} {row['model']} kept without {', '.join(missing)}")
        kept.append([values[c] for c in COLUMNS[file]])
    return rows, kept, totals, per_reason, by_row, unresolved


def name_clashes(file, kept):
    """Names that differ only in what name comparison ignores (\"25mm\" and \"2.5mm\")."""
    seen, clashes = {}, []
    for row in kept:
        name = f"{row[0]} {row[1]}"
        key = name_key(name)
        if key in seen:
            clashes.append(f"{file}: '{seen[key]}' and '{name}' compare as one name")
        else:
            seen[key] = name
    return clashes


def write_csv(path, header, rows):
    with open(path, "w", encoding="utf-8", newline="") as f:
        writer = csv.writer(f, lineterminator="\n")
        writer.writerow(header)
        writer.writerows(rows)


def report(file, rows, totals, per_reason, by_row):
    print(f"{file}: {len(rows)} source rows; {totals['as they are']} kept as they are, "
          f"{totals['kept']} doubtful kept, {totals['fixed']} fixed, {totals['left out']} left out; "
          f"{sum(by_row.values())} settled by resolutions.csv "
          f"({by_row['keep']} kept, {by_row['fix']} fixed, {by_row['drop']} left out)")
    for reason in sorted(per_reason, key=lambda r: (-sum(per_reason[r].values()), r)):
        c = per_reason[reason]
        rows_of = sum(c.values())
        print(f"  {reason}: {rows_of} row{'s' if rows_of != 1 else ''} - "
              f"{c['kept']} kept, {c['fixed']} fixed, {c['left out']} left out")


def curate(sources, resolutions_path, out):
    sensors = reference_sensors(sources / "README.md")
    resolutions = read_resolutions(resolutions_path)
    used, unresolved, outputs = set(), [], {}
    for file in COLUMNS:
        rows, kept, totals, per_reason, by_row, open_rows = curate_file(file, sources, resolutions, used, sensors)
        unresolved += open_rows
        outputs[file] = kept
        if not open_rows:
            report(file, rows, totals, per_reason, by_row)
            for clash in name_clashes(file, kept):
                print(f"  warning: {clash}")
    if unresolved:
        raise CurationError("doubtful rows with no rule and no resolution:\n  " + "\n  ".join(unresolved))
    stale = sorted(set(resolutions) - used)
    if stale:
        raise CurationError("resolutions.csv rows that match no source row: "
                            + ", ".join(f"{f} {m} {n}" for f, m, n in stale))
    out.mkdir(parents=True, exist_ok=True)
    for file, kept in outputs.items():
        write_csv(out / file, COLUMNS[file], kept)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", type=Path, default=DATA / "sources")
    parser.add_argument("--resolutions", type=Path, default=DATA / "resolutions.csv")
    parser.add_argument("--out", type=Path, default=DATA)
    args = parser.parse_args()
    try:
        curate(args.sources, args.resolutions, args.out)
    except (CurationError, OSError, KeyError, ValueError) as error:
        print(f"curate-equipment: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
