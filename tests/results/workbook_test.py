#!/usr/bin/env python3
"""Checks the workbooks bormek-run writes against the results files.

Runs `bormek-run --xlsx` on copies of examples and fixtures that cover
English and SI, ASD and LRFD, design load and shaft length, t-z and rock
lines, and runs that stop; then reads each workbook with openpyxl and each
results file with Python's json module, and compares: sheet names, header
cells (the report's column names and the units), the frozen header row,
numbers as numbers in every column, the design row and most efficient shaft
marked on the Summary sheet, and every load-settlement point.

With --libreoffice it converts every sheet of every workbook to CSV with
LibreOffice Calc (soffice --headless) and compares the cells with the
results files instead; it exits with 77 (skipped) when soffice is not
installed.

    workbook_test.py BORMEK_RUN SOURCE_DIR [--libreoffice]
"""
import csv
import glob
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile

PROJECTS = [
    "examples/sand_clay.bkd",
    "examples/si_clay_sand.bkd",
    "examples/rock_socket.bkd",
    "tests/fixtures/all_types_english_lrfd.bkd",
    "tests/fixtures/design_load_not_reached.bkd",
    "tests/fixtures/malformed_layer_count.bkd",
]

# How each column's header starts: the report's column name, or its words.
HEADER_STARTS = {
    "length": "Length",
    "volume": "Volume",
    "ultimate_side_resistance": "QS ",
    "ultimate_base_resistance": ("QB ", "WT "),
    "total_ultimate_resistance": "QU ",
    "allowable_load_with_base_factor": "QBD ",
    "allowable_load": "QDN ",
    "ultimate_resistance_per_volume": "QU/VOLUME",
    "factored_side_resistance": "LRFD QS ",
    "factored_base_resistance": ("LRFD QB ", "LRFD WT "),
    "factored_total_resistance": "LRFD QU ",
}
POINT_KEYS = ["top_load", "top_movement", "tip_load", "tip_movement"]
SUMMARY_TABLE_ROW = 10  # the table of diameters on the Summary sheet, 1-based


class Checks:
    def __init__(self):
        self.count = 0
        self.failures = []

    def equal(self, actual, expected, where):
        self.count += 1
        if actual != expected:
            self.failures.append(f"{where}: {actual!r}, expected {expected!r}")

    def true(self, condition, where):
        self.count += 1
        if not condition:
            self.failures.append(where)


def number_text(value):
    """The shortest text of a number, as the program writes it."""
    return str(int(value)) if float(value).is_integer() else repr(float(value))


def sheet_names(results):
    names = ["Summary"]
    for diameter in results["diameters"]:
        base = f"D {number_text(diameter['stem_diameter'])} {results['units']['length']}"
        name, copy = base, 2
        while name in names:
            name, copy = f"{base} ({copy})", copy + 1
        names.append(name)
    return names + ["Load-Settlement"]


def expected_number(value):
    """A results-file number as a cell holds it: empty for null."""
    return None if value is None else value


def check_header(checks, header, key, unit, where):
    starts = HEADER_STARTS[key]
    starts = starts if isinstance(starts, tuple) else (starts,)
    checks.true(isinstance(header, str) and header.startswith(starts) and
                header.endswith(f"({unit})"), f"{where}: header {header!r} of {key}")


def check_table(checks, sheet, results, table, first_column, where):
    """Headers in row 1, then every value of every column as a number."""
    for offset, (key, column) in enumerate(table.items()):
        cell_column = first_column + offset
        check_header(checks, sheet.cell(1, cell_column).value, key, results["units"][key], where)
        for row, value in enumerate(column):
            cell = sheet.cell(row + 2, cell_column).value
            checks.equal(cell, expected_number(value), f"{where} {key} row {row + 1}")
            if value is not None:
                checks.true(isinstance(cell, (int, float)), f"{where} {key}: not a number")


def check_diameter_sheet(checks, sheet, results, diameter, where):
    checks.equal(sheet.freeze_panes, "A2", f"{where}: frozen header")
    rows = diameter["rows"]
    check_table(checks, sheet, results, rows, 1, where)
    marker = len(rows) + 1
    checks.equal(sheet.cell(1, marker).value, "Design row", f"{where}: marker header")
    count = len(rows["length"])
    if diameter["design_row"] is not None:
        checks.equal(sheet.cell(count + 1, marker).value, "design row", f"{where}: design row")
    if diameter["increment_rows"] is not None:
        for offset, (key, column) in enumerate(diameter["increment_rows"].items()):
            header = sheet.cell(1, marker + 2 + offset).value
            checks.true(header.startswith("At increment: "), f"{where}: {header!r}")
            checks.equal(sheet.cell(len(column) + 1, marker + 2 + offset).value, column[-1],
                         f"{where} increment {key}")


def check_summary(checks, sheet, results, where):
    checks.equal(sheet.cell(1, 1).value, "Project", where)
    checks.equal(sheet.cell(1, 2).value, results["project_title"] or None, f"{where}: title")
    checks.equal(sheet.cell(8, 2).value, results["run_status"]["meaning"], f"{where}: status")
    checks.equal(sheet.cell(8, 3).value, results["run_status"]["code"], f"{where}: status code")
    capacity = ("factored_total_resistance" if results["design_method"] == "LRFD"
                else "allowable_load")
    for index, diameter in enumerate(results["diameters"]):
        row = SUMMARY_TABLE_ROW + 1 + index
        line = f"{where} diameter {index + 1}"
        checks.equal(sheet.cell(row, 1).value, diameter["stem_diameter"], line)
        design = diameter["design_row"]
        expected = ([design["length"], design["volume"], design["total_ultimate_resistance"],
                     design[capacity]] if design else [None] * 4)
        for column, value in enumerate(expected):
            checks.equal(sheet.cell(row, 2 + column).value, value, f"{line} column {column + 2}")
        checks.equal(sheet.cell(row, 6).value, "reached" if design else "not reached", line)
        checks.equal(sheet.cell(row, 7).value, "yes" if diameter["most_efficient"] else None,
                     f"{line}: most efficient")


def check_settlement(checks, sheet, results, where):
    checks.equal(sheet.freeze_panes, "A2", f"{where}: frozen header")
    for offset, key in enumerate(POINT_KEYS):
        header = sheet.cell(1, 5 + offset).value
        checks.true(header.startswith(key.replace("_", " ").capitalize()) and
                    header.endswith(f"({results['units'][key]})"), f"{where}: {header!r}")
    row = 2
    for diameter in results["diameters"]:
        settlement = diameter["load_settlement"]
        for line in settlement["lines"] if settlement else []:
            for point in range(len(line["top_load"])):
                checks.equal(sheet.cell(row, 1).value, diameter["stem_diameter"], where)
                checks.equal(sheet.cell(row, 3).value, line["name"], where)
                for offset, key in enumerate(POINT_KEYS):
                    checks.equal(sheet.cell(row, 5 + offset).value, line[key][point],
                                 f"{where} {line['name']} point {point + 1} {key}")
                row += 1
    checks.equal(sheet.cell(row, 1).value, None, f"{where}: no rows after the last point")


def check_with_openpyxl(checks, workbook_path, results):
    import openpyxl
    name = os.path.basename(workbook_path)
    book = openpyxl.load_workbook(workbook_path)
    checks.equal(book.sheetnames, sheet_names(results), f"{name}: sheets")
    if book.sheetnames != sheet_names(results):
        return
    check_summary(checks, book["Summary"], results, f"{name} Summary")
    if results["units"] is None:
        return
    for index, diameter in enumerate(results["diameters"]):
        sheet_name = book.sheetnames[1 + index]
        check_diameter_sheet(checks, book[sheet_name], results, diameter, f"{name} {sheet_name}")
    check_settlement(checks, book["Load-Settlement"], results, f"{name} Load-Settlement")


def libreoffice_sheets(workbook_path, folder):
    """Every sheet of the workbook as CSV rows, converted by LibreOffice."""
    # Comma, quote, UTF-8, first line 1; the last token (-1) writes every
    # sheet to a file of its own, named after the sheet.
    subprocess.run(["soffice", "--headless", "--convert-to",
                    "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1",
                    "--outdir", folder, workbook_path],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    stem = os.path.splitext(os.path.basename(workbook_path))[0]
    sheets = {}
    for path in glob.glob(os.path.join(folder, f"{stem}-*.csv")):
        with open(path, encoding="utf-8", newline="") as f:
            sheets[os.path.basename(path)[len(stem) + 1:-4]] = list(csv.reader(f))
    return sheets


def check_with_libreoffice(checks, workbook_path, results, folder):
    name = os.path.basename(workbook_path)
    sheets = libreoffice_sheets(workbook_path, folder)
    checks.equal(sorted(sheets), sorted(sheet_names(results)), f"{name}: sheets in Calc")
    summary = sheets.get("Summary", [])
    checks.true(len(summary) > 0 and summary[0][:2] == ["Project", results["project_title"] or ""],
                f"{name}: Calc's Summary starts {summary[:1]}")
    for index, diameter in enumerate(results["diameters"]):
        sheet = sheets.get(sheet_names(results)[1 + index], [])
        for offset, (key, column) in enumerate(diameter["rows"].items()):
            for row in (0, len(column) - 1):
                if column[row] is None:
                    continue
                cell = sheet[row + 1][offset] if row + 1 < len(sheet) else ""
                # Calc shows a number in General format to its own digits:
                # the cell must read as the same value to those digits.
                checks.true(cell != "" and math.isclose(float(cell), column[row], rel_tol=1e-9,
                                                        abs_tol=1e-12),
                            f"{name} {key} row {row + 1}: Calc shows {cell!r}, "
                            f"expected {column[row]!r}")


def main(argv):
    runner, source = argv[1], argv[2]
    use_libreoffice = "--libreoffice" in argv[3:]
    if use_libreoffice and shutil.which("soffice") is None:
        print("soffice is not installed: the LibreOffice check is skipped")
        return 77
    checks = Checks()
    with tempfile.TemporaryDirectory() as folder:
        copies = [shutil.copy(os.path.join(source, project), folder) for project in PROJECTS]
        subprocess.run([runner, "--xlsx"] + copies, check=False, stdout=subprocess.DEVNULL)
        for project in copies:
            stem = os.path.splitext(project)[0]
            with open(stem + ".json", encoding="utf-8") as f:
                results = json.load(f)
            checks.true(os.path.exists(stem + ".xlsx"), f"{stem}.xlsx was written")
            if not os.path.exists(stem + ".xlsx"):
                continue
            if use_libreoffice:
                check_with_libreoffice(checks, stem + ".xlsx", results, folder)
            else:
                check_with_openpyxl(checks, stem + ".xlsx", results)
    for failure in checks.failures[:50]:
        print(failure)
    print(f"{checks.count - len(checks.failures)} passed, {len(checks.failures)} failed")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
