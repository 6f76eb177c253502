#!/usr/bin/python3
"""Reads a result schedule back with readers nobody here wrote: openpyxl for the workbook,
Python's csv for the CSV. Prints one JSON object for the C++ test to hold against the sheet."""
import csv
import json
import sys

import openpyxl


def read_xlsx(path):
    wb = openpyxl.load_workbook(path)
    ws = wb.worksheets[0]
    rows = []
    for row in ws.iter_rows():
        cells = []
        for c in row:
            fill = c.fill.fgColor.rgb if c.fill is not None and c.fill.fill_type == "solid" else ""
            cells.append({"value": c.value, "type": c.data_type, "format": c.number_format,
                          "font": c.font.name, "fill": fill if isinstance(fill, str) else ""})
        rows.append(cells)
    widths = {}
    for letter, dim in ws.column_dimensions.items():
        widths[letter] = dim.width
    return {"sheets": wb.sheetnames, "freeze": ws.freeze_panes, "filter": ws.auto_filter.ref,
            "title": wb.properties.title, "description": wb.properties.description,
            "widths": widths, "rows": rows}


def read_csv(path, encoding):
    with open(path, newline="", encoding=encoding) as f:
        return list(csv.reader(f))


def main():
    kind, path = sys.argv[1], sys.argv[2]
    if kind == "xlsx":
        out = read_xlsx(path)
    else:
        raw = open(path, "rb").read()
        out = {"bom": raw.startswith(b"\xef\xbb\xbf"),
               "rows": read_csv(path, "utf-8-sig" if kind == "csv" else "cp932")}
    json.dump(out, sys.stdout, ensure_ascii=False)


main()
