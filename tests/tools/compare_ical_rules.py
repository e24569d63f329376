#!/usr/bin/env python3
"""Compares the occurrences dayvane-cli lists after importing each calendar of
a corpus with those of an independent expander (python3-recurring-ical-events),
over three years, on devices in several zones. Exit 77 (skipped) when the
reference modules are missing."""
import datetime
import os
import pathlib
import subprocess
import sys
import tempfile

try:
    import icalendar
    import recurring_ical_events
    from zoneinfo import ZoneInfo
except ImportError as missing:
    print(f"skipped: the reference expander is not installed ({missing}); "
          "apt-get install python3-icalendar python3-recurring-ical-events")
    sys.exit(77)

FIRST = datetime.date(2025, 1, 1)
LAST = datetime.date(2027, 12, 31)
ZONES = ["Asia/Seoul", "America/New_York", "Europe/London", "Australia/Sydney"]


def reference(path, zone):
    calendar = icalendar.Calendar.from_ical(path.read_bytes())
    device = ZoneInfo(zone)
    low = datetime.datetime.combine(FIRST, datetime.time(), device)
    high = datetime.datetime.combine(LAST + datetime.timedelta(days=1), datetime.time(), device)
    found = set()
    for event in recurring_ical_events.of(calendar).between(low - datetime.timedelta(days=2),
                                                            high + datetime.timedelta(days=2)):
        start = event["DTSTART"].dt
        if isinstance(start, datetime.datetime):
            start = start.astimezone(device).replace(tzinfo=None) if start.tzinfo else start
        else:
            start = datetime.datetime.combine(start, datetime.time())
        if low.replace(tzinfo=None) <= start < high.replace(tzinfo=None):
            found.add((str(event.get("SUMMARY", "")), start.strftime("%Y-%m-%d %H:%M")))
    return found


def dayvane(cli, path, zone):
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, TZ=zone, DAYVANE_HOME=home, DAYVANE_NOW="2025-01-01T00:00:00")
        run = lambda *args: subprocess.run([cli, *args], env=env, capture_output=True, text=True)
        imported = run("import", str(path))
        if imported.returncode != 0:
            raise SystemExit(f"{path.name} ({zone}): import failed: {imported.stderr}")
        listed = run("list", "--from", FIRST.isoformat(), "--to", LAST.isoformat())
        if listed.returncode != 0:
            raise SystemExit(f"{path.name} ({zone}): list failed: {listed.stderr}")
        found = set()
        low = FIRST.isoformat()
        for line in listed.stdout.splitlines():
            fields = line.split("\t")
            start = fields[1][:16]
            if start >= low:
                found.add((fields[4], start))
        return found, imported.stdout + imported.stderr


def main():
    cli, corpus = sys.argv[1], pathlib.Path(sys.argv[2])
    failures = 0
    for zone in ZONES:
        for path in sorted(corpus.glob("*.ics")):
            expected = reference(path, zone)
            actual, report = dayvane(cli, path, zone)
            if expected != actual:
                failures += 1
                print(f"{path.name} on a device in {zone}: {len(expected)} expected, {len(actual)} listed")
                for item in sorted(expected - actual)[:10]:
                    print("  missing:", *item)
                for item in sorted(actual - expected)[:10]:
                    print("  extra:  ", *item)
                print("  import said:", report.strip().replace("\n", "\n    "))
            else:
                print(f"{path.name} on a device in {zone}: {len(actual)} occurrences agree")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
