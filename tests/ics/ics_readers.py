#!/usr/bin/python3
"""koyomi ics as calendar programs read it. Over a range across a year end, libical (its
restriction checks, no X-LIC-ERROR), khal (imported with a throw-away configuration) and, when
installed, python3-icalendar list exactly the names `koyomi --now D --date D` shows for each
day D; the events of a line with days of notice carry one alarm that many days ahead. Also: CR LF lines of at most 75 octets, each whole UTF-8; UIDs that stay the same
across runs and ranges, so that importing again updates rather than doubles.
Usage: ics_readers.py KOYOMI LIBICAL_CHECK EXAMPLES_DIR"""
import glob, os, shutil, struct, subprocess, sys, tempfile
from datetime import date, timedelta

koyomi, check, examples = sys.argv[1:4]
FIRST, LAST = date(2026, 12, 20), date(2027, 1, 12)
work = tempfile.mkdtemp()
failures = []

def run(*args, **kw):
    return subprocess.run(args, cwd=work, capture_output=True, check=True, **kw).stdout

def expect(what, got, want):
    if got != want:
        failures.append(f"{what}:\n  got  {got}\n  want {want}")

# What a calendar file must take care of: the RFC's escapes, a name far past 75 octets,
# bytes that are no code page 932 character, a 0x5C trail byte (表).
odd = [(12, 31, "大掃除、窓拭き,床;ワックス\\網戸".encode("cp932")),
       (1, 4, ("仕事始め・" * 12 + "表計算").encode("cp932")),
       (1, 5, b"\x81 broken \xff end")]
with open(f"{work}/odd.kmb", "wb") as f:
    f.write(struct.pack("<II", 0x20000, len(odd)))
    for month, day, name in odd:  # a fixed day: months byte, days, weekday, flags, length
        f.write(struct.pack("<BBBBHH", month << 4, day, 0, 0, 0, len(name)) + name)
for kmb in glob.glob(f"{examples}/*.kmb"):
    shutil.copy(kmb, work)
with open(f"{examples}/chip.txt", "rb") as f:
    chip = f.read().rstrip(b"\r\n")
with open(f"{work}/chip.txt", "wb") as f:
    f.write(chip + b"\r\nodd.kmb\r\n")
# The same chip with two days' notice for odd.kmb: its events, and only its, get an alarm.
with open(f"{work}/notice.txt", "wb") as f:
    f.write(chip + b"\r\nodd.kmb*2\r\n")

days = [FIRST + timedelta(n) for n in range((LAST - FIRST).days + 1)]
want = []
for d in days:
    names = run(koyomi, "--now", str(d), "--date", str(d), "--chip", "chip.txt").decode().split("\n")[2:-1]
    want += [(str(d), n) for n in names if names != ["なし"]]

ics = run(koyomi, "ics", "--now", "2026-12-01", "--from", str(FIRST), "--to", str(LAST), "--chip", "notice.txt")
with open(f"{work}/k.ics", "wb") as f:
    f.write(ics)
lines = ics.split(b"\r\n")
expect("CR LF at every line end", lines[-1] == b"" and b"\n" not in ics.replace(b"\r\n", b""), True)
for line in lines:
    if len(line) > 75:
        failures.append(f"line of {len(line)} octets: {line!r}")
    try:
        line.decode("utf-8")
    except UnicodeDecodeError:
        failures.append(f"a UTF-8 character split by folding: {line!r}")

# Readers forgive a bare comma or semicolon; the RFC does not.
unfolded = ics.replace(b"\r\n ", b"").decode()
expect("escapes", "SUMMARY:大掃除、窓拭き\\,床\\;ワックス\\\\網戸\r\n" in unfolded, True)

rows = [r.split("\t") for r in run(check, "k.ics").decode().splitlines()]
expect("libical's events", [(r[0], r[1]) for r in rows], want)
expect("categories", sorted({r[2] for r in rows}), ["予定", "休日"])
with open(f"{work}/odd.ics", "wb") as f:
    f.write(run(koyomi, "ics", "--from", str(FIRST), "--to", str(LAST), "odd.kmb"))
odd_names = {x.split("\t")[1] for x in run(check, "odd.ics").decode().splitlines()}
# Two days ahead at 19:00 by default, at --alarm-at's time when given; DESCRIPTION is the name.
def alarms(rows, trigger):
    return [(r[0], r[1], r[4]) for r in rows if r[4] != (f"DISPLAY/{r[1]}/{trigger}" if r[1] in odd_names else "")]
expect("alarms of the notice line's events", alarms(rows, "-P1DT5H"), [])
expect("events with an alarm", sum(r[1] in odd_names for r in rows) >= 3, True)
early = run(koyomi, "ics", "--now", "2026-12-01", "--from", str(FIRST), "--to", str(LAST), "--alarm-at", "07:30", "--chip", "notice.txt")
with open(f"{work}/early.ics", "wb") as f:
    f.write(early)
expect("alarms at 07:30", alarms([x.split("\t") for x in run(check, "early.ics").decode().splitlines()], "-P1DT16H30M"), [])
uids = {(r[0], r[1]): r[3] for r in rows}
expect("distinct UIDs", len(set(uids.values())), len(rows))
# Another run over another range, another day: the same UID for the same day and entry.
again = run(koyomi, "ics", "--now", "2027-01-03", "--from", "2027-01-01", "--to", "2027-02-01", "--chip", "chip.txt")
with open(f"{work}/again.ics", "wb") as f:
    f.write(again)
later = {(r[0], r[1]): r[3] for r in (x.split("\t") for x in run(check, "again.ics").decode().splitlines())}
expect("UIDs of a later run", {k: later.get(k) for k in uids if k[0] >= "2027-01-01"},
       {k: v for k, v in uids.items() if k[0] >= "2027-01-01"})

# khal, configured in the work folder only; the second import must update, not double.
os.makedirs(f"{work}/vdir")
with open(f"{work}/khal.conf", "w") as f:
    f.write(f"[calendars]\n[[koyomiru]]\npath = {work}/vdir\ntype = calendar\n[locale]\n"
            "timeformat = %H:%M\ndateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
            "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n"
            f"[default]\ndefault_calendar = koyomiru\n[sqlite]\npath = {work}/khal.db\n")
env = dict(os.environ, LC_ALL="C.UTF-8", HOME=work, XDG_CONFIG_HOME=work, XDG_DATA_HOME=work)
khal = ["khal", "-c", f"{work}/khal.conf"]
for name in ("k.ics", "again.ics"):
    run(*khal, "import", "--batch", "-a", "koyomiru", name, env=env)
listed = run(*khal, "list", "--format", "{start-date}\t{title}", "--day-format", "", str(FIRST), str(LAST), env=env)
expect("khal's events", sorted(tuple(l.split("\t")) for l in listed.decode().splitlines() if l), sorted(want))

try:
    import icalendar
except ImportError:
    print("python3-icalendar not installed: that reader left out")
else:
    events = icalendar.Calendar.from_ical(ics).walk("VEVENT")
    expect("icalendar's events", [(str(e["DTSTART"].dt), str(e["SUMMARY"])) for e in events], want)

shutil.rmtree(work)
print("\n".join(failures) or f"{len(want)} events over {len(days)} days agree with the day text")
sys.exit(1 if failures else 0)
