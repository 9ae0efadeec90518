#!/usr/bin/python3
"""The exported workbook, read by programs that are not ours.

quillhour exports calendars made for the cases that trouble pivot caches (no Times at all, a
single tag, tags that differ only in letter case, tags in other scripts, a full sheet of
32,764 Times). Each workbook is then read with openpyxl (the pivot table and its cache on the
"Pivot Table" sheet, the pivot chart, the template's fonts, number formats, frozen rows and
page setup) and opened by LibreOffice, which must find the data pilot table over the data
sheet's rows and compute the same totals per tag as quillhour reported.

Needs Debian's python3-openpyxl and libreoffice-calc-nogui (scripts/setup.sh installs both).
QH_PROGRAM names the quillhour program.
"""
import collections
import csv
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
import zipfile

try:
    import openpyxl
except ImportError:
    sys.exit('openpyxl is missing: run scripts/setup.sh (Debian package python3-openpyxl)')

SOFFICE = shutil.which('soffice')
TABLE = '{urn:oasis:names:tc:opendocument:xmlns:table:1.0}'
DRAW = '{urn:oasis:names:tc:opendocument:xmlns:drawing:1.0}'
FULL_SHEET = 32764  # rows 4 to 32767, all the export's row counter allows
PER_DAY = 16


def calendar(times, tags):
    """An iCalendar file of `times` half-hour Times on working days from 4 January 2021, the
    tags taken in turn, and the settings item that holds the tag list."""
    lines = ['BEGIN:VCALENDAR', 'PRODID:-//Quillhour//Reader checks//EN', 'VERSION:2.0']
    day, made = 0, 0
    start = datetime.date(2021, 1, 4)
    while made < times:
        date = start + datetime.timedelta(days=day)
        day += 1
        if date.weekday() >= 5:
            continue
        for slot in range(min(PER_DAY, times - made)):
            minutes = 8 * 60 + 30 * slot
            tag = tags[made % len(tags)]
            lines += ['BEGIN:VEVENT', 'UID:check-%d@example.com' % made, 'DTSTAMP:20201201T080000Z',
                      'DTSTART:%sT%02d%02d00' % (date.strftime('%Y%m%d'), minutes // 60, minutes % 60),
                      'DURATION:PT%dM' % (15 * (1 + made % 4)),
                      'SUMMARY:Task %d <&> for %s' % (made, tag), 'CATEGORIES:' + tag, 'END:VEVENT']
            made += 1
    lines += ['BEGIN:VEVENT', 'UID:check-settings@example.com', 'DTSTAMP:20201201T080000Z',
              'DTSTART:20990101T000000', 'DURATION:PT30M', 'SUMMARY:Quillhour_Settings1_',
              'DESCRIPTION:' + '\\; '.join(tags), 'END:VEVENT', 'END:VCALENDAR']
    return '\r\n'.join(lines) + '\r\n'


CASES = {
    'no-rows': (0, ['Atlas', 'Beacon']),
    'one-tag': (7, ['Atlas']),
    'letter-case': (12, ['Project', 'project', 'PROJECT', 'Internal']),
    'scripts': (12, ['Ärger', 'ärger', 'Ελληνικά', 'ΕΛΛΗΝΙΚΆ', 'Русский', 'русский', '日本語',
                     'Émile & <Co>']),
    'full-sheet': (FULL_SHEET, ['Atlas', 'Beacon', 'Compass', 'Delta', 'Internal', 'Support']),
}

SUMMARY_LINE = re.compile(r'^  (.+?)\s+(\d+(?:\.\d+)?) hours? \((\d+) Times?\)$')


class Export:
    """One case exported by quillhour, with what it reported."""

    def __init__(self, folder, name, times, tags):
        self.name, self.times = name, times
        self.path = os.path.join(folder, name + '.xlsx')
        mailbox = os.path.join(folder, name + '.ics')
        with open(mailbox, 'w', encoding='utf-8', newline='') as f:
            f.write(calendar(times, tags))
        run = subprocess.run(
            [os.environ['QH_PROGRAM'], '--mailbox', mailbox, '--now', '2030-01-07 12:00:00',
             'export', '--from', '2021-01-01', '--to', '2029-12-31', '--diagram', '-o', self.path],
            cwd=folder, capture_output=True, text=True, env=dict(os.environ, TZ='UTC'))
        if run.returncode != 0:
            raise RuntimeError('quillhour export %s failed:\n%s%s' % (name, run.stdout, run.stderr))
        self.per_tag = {}
        for line in run.stdout.splitlines():
            m = SUMMARY_LINE.match(line)
            if m:
                self.per_tag[m.group(1)] = float(m.group(2))

    def folded_totals(self):
        """The reported hours per tag, tags that differ only in letter case taken together
        under the spelling first met in the rows (as pivot tables take them)."""
        totals, spelling = collections.OrderedDict(), {}
        for tag in CASES[self.name][1]:
            spelling.setdefault(tag.casefold(), tag)
        for tag, hours in self.per_tag.items():
            key = spelling[tag.casefold()]
            totals[key] = totals.get(key, 0) + hours
        return totals


def setUpModule():
    global FOLDER, EXPORTS, BOOKS, ODS, CSV
    if not SOFFICE:
        raise RuntimeError('LibreOffice is missing: run scripts/setup.sh (libreoffice-calc-nogui)')
    FOLDER = tempfile.mkdtemp(prefix='qh-readers-')
    EXPORTS = {name: Export(FOLDER, name, *case) for name, case in CASES.items()}
    BOOKS = {name: openpyxl.load_workbook(e.path) for name, e in EXPORTS.items()}
    # One LibreOffice start per conversion kind, for all workbooks: each start costs seconds.
    profile = '-env:UserInstallation=file://' + os.path.join(FOLDER, 'lo-profile')
    paths = [e.path for e in EXPORTS.values()]
    for kind, target in (('ods', 'ods'),
                         ('csv', 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1')):
        subprocess.run([SOFFICE, profile, '--headless', '--convert-to', target, '--outdir',
                        os.path.join(FOLDER, kind)] + paths, check=True, capture_output=True)
    ODS = {n: os.path.join(FOLDER, 'ods', n + '.ods') for n in EXPORTS}
    CSV = {n: os.path.join(FOLDER, 'csv', n + '-Pivot Table.csv') for n in EXPORTS}


def tearDownModule():
    shutil.rmtree(FOLDER, ignore_errors=True)


class OpenpyxlReadsTheWorkbook(unittest.TestCase):
    def test_pivot_table_and_cache_on_the_pivot_sheet(self):
        for name, export in EXPORTS.items():
            with self.subTest(name):
                book = BOOKS[name]
                self.assertEqual(book.sheetnames, ['Quillhour', 'Diagram', 'Pivot Table'])
                self.assertEqual(book.active.title, 'Quillhour')
                sheet = book['Pivot Table']
                self.assertEqual(len(sheet._pivots), 1)
                pivot = sheet._pivots[0]
                self.assertEqual(pivot.name, 'QuillhourPivot')
                self.assertTrue(pivot.location.ref.startswith('A3:'))
                self.assertEqual([f.fld for f in pivot.pageFields], [0])
                self.assertIsNone(pivot.pageFields[0].item)  # "(All)"
                self.assertEqual([f.x for f in pivot.rowFields], [3])
                self.assertEqual([(d.name, d.fld) for d in pivot.dataFields], [('Sum of Time', 2)])
                self.assertEqual((sheet['A1'].value, sheet['B1'].value), ('Date', '(All)'))
                cache = pivot.cache
                source = cache.cacheSource.worksheetSource
                self.assertEqual((source.sheet, source.ref), ('Quillhour', 'C3:F%d' % (3 + export.times)))
                self.assertEqual([f.name for f in cache.cacheFields], ['Date', 'Subject', 'Time', 'Tag'])
                self.assertEqual(cache.recordCount, export.times)
                self.assertEqual(len(cache.records.r) if cache.records else 0, export.times)

                # The values the table shows without being refreshed.
                shown, row = {}, 4
                while sheet.cell(row, 1).value not in (None, 'Grand Total'):
                    shown[sheet.cell(row, 1).value] = sheet.cell(row, 2).value
                    row += 1
                self.assertEqual(sheet.cell(row, 1).value, 'Grand Total')
                totals = export.folded_totals()
                self.assertEqual(list(shown), sorted(totals, key=str.casefold))
                for tag, hours in totals.items():
                    self.assertAlmostEqual(shown[tag], hours, places=6)

                chart = book['Diagram']._charts[0]
                self.assertTrue(chart.pivotSource.name.endswith(']Pivot Table!QuillhourPivot'))

    def test_the_template_look(self):
        for name, export in EXPORTS.items():
            with self.subTest(name):
                sheet = BOOKS[name]['Quillhour']
                title = sheet['A1'].font
                self.assertEqual((title.name, title.sz, title.b), ('Arial', 14, True))
                for heading in ('C3', 'D3', 'E3', 'F3', 'G3'):
                    self.assertTrue(sheet[heading].font.b, heading)
                    self.assertEqual(sheet[heading].font.sz, 10, heading)
                if export.times:
                    self.assertIn('ddd', sheet['C4'].number_format)
                    self.assertIn('hh:mm', sheet['C4'].number_format)
                    self.assertEqual(sheet['E4'].number_format, '0.00')
                    self.assertEqual(sheet['D4'].number_format, 'General')
                    self.assertEqual(sheet['D4'].font.name, 'Arial')
                self.assertTrue(sheet.column_dimensions['G'].hidden)
                self.assertEqual(sheet.freeze_panes, 'A4')
                self.assertEqual(sheet.print_title_rows, '$3:$3')
                self.assertEqual(sheet.page_setup.orientation, 'landscape')
                self.assertTrue(sheet.sheet_properties.pageSetUpPr.fitToPage)
                self.assertEqual((sheet.page_setup.fitToWidth, sheet.page_setup.fitToHeight), (None, 0))


class LibreOfficeOpensTheWorkbook(unittest.TestCase):
    def test_finds_the_data_pilot_table_over_the_rows(self):
        for name, export in EXPORTS.items():
            with self.subTest(name):
                content = ElementTree.fromstring(zipfile.ZipFile(ODS[name]).read('content.xml'))
                tables = list(content.iter(TABLE + 'data-pilot-table'))
                if not export.times and not tables:
                    # LibreOffice makes no data pilot over a heading row alone; it shows the
                    # table's cells as the file holds them (checked with the totals below).
                    continue
                self.assertEqual([t.get(TABLE + 'name') for t in tables], ['QuillhourPivot'])
                source = tables[0].find(TABLE + 'source-cell-range').get(TABLE + 'cell-range-address')
                self.assertEqual(source.replace("'", '').replace('$', ''),
                                 'Quillhour.C3:Quillhour.F%d' % (3 + export.times))

    def test_shows_the_chart_over_the_pivot_table_rows(self):
        # LibreOffice reads no pivot charts from .xlsx: it must fall back to the series' own
        # references, the table's tag and total cells, and so show the same bars.
        for name, export in EXPORTS.items():
            with self.subTest(name):
                content = ElementTree.fromstring(zipfile.ZipFile(ODS[name]).read('content.xml'))
                sheet = [t for t in content.iter(TABLE + 'table')
                         if t.get(TABLE + 'name') == 'Diagram']
                self.assertEqual(len(sheet), 1)
                charts = list(sheet[0].iter(DRAW + 'object'))
                self.assertEqual(len(charts), 1)
                ranges = charts[0].get(DRAW + 'notify-on-update-of-ranges', '')
                cell = r"'[^']+'\.[A-Z]+\d+"
                ranges = [r.replace("'", '')
                          for r in re.findall(cell + '(?::' + cell + ')?', ranges.replace('$', ''))]
                if not export.times:
                    continue  # an empty table gives the chart nothing to plot
                last = 3 + len(export.folded_totals())
                self.assertEqual(ranges, ['Pivot Table.A4:Pivot Table.A%d' % last,
                                          'Pivot Table.B4:Pivot Table.B%d' % last])

    def test_computes_the_same_totals_as_the_export_reported(self):
        for name, export in EXPORTS.items():
            with self.subTest(name):
                with open(CSV[name], encoding='utf-8') as f:
                    rows = [r for r in csv.reader(f) if any(r)]
                self.assertEqual(rows[0][0], 'Date')
                header = rows.index(['Tag', 'Sum of Time'])
                computed = {r[0]: float(r[1]) for r in rows[header + 1:]
                            if r[0] not in ('Total Result', 'Grand Total')}
                totals = export.folded_totals()
                self.assertEqual(sorted(computed, key=str.casefold), sorted(totals, key=str.casefold))
                for tag, hours in totals.items():
                    self.assertAlmostEqual(computed[tag], hours, places=6)
                grand = [r for r in rows if r[0] in ('Total Result', 'Grand Total')]
                self.assertEqual(len(grand), 1)
                if export.times:
                    self.assertAlmostEqual(float(grand[0][1]), sum(totals.values()), places=6)


if __name__ == '__main__':
    unittest.main(verbosity=2)
