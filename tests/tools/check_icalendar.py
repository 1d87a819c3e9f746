"""Reads two calendar exports with a real iCalendar parser and checks them.

Arguments: the two files, the number of marked programmes, the lead minutes, then the id,
title, station, description, start and end ("YYYY-MM-DD HH:MM" local, "+HHMM" offset) of one
programme to check whole. Prints what is wrong and ends with 1, or ends with 0.
"""
import datetime
import sys

from icalendar import Calendar


def events(path):
    with open(path, "rb") as file:
        return list(Calendar.from_ical(file.read()).walk("VEVENT"))


def moment(text, offset):
    local = datetime.datetime.strptime(text, "%Y-%m-%d %H:%M")
    sign = -1 if offset.startswith("-") else 1
    hours, minutes = int(offset[1:3]), int(offset[3:5])
    return local, sign * datetime.timedelta(hours=hours, minutes=minutes)


def main(first, second, count, lead, uid_id, title, station, description, start, start_offset,
         end, end_offset):
    problems = []
    one, other = events(first), events(second)
    if len(one) != int(count):
        problems.append(f"{len(one)} events for {count} marked programmes")
    uids = [str(event["UID"]) for event in one]
    if len(set(uids)) != len(uids):
        problems.append("an UID stands twice")
    if uids != [str(event["UID"]) for event in other]:
        problems.append("the UIDs differ between two exports")
    for event in one:
        alarms = event.walk("VALARM")
        if len(alarms) != 1 or alarms[0]["TRIGGER"].dt != -datetime.timedelta(minutes=int(lead)):
            problems.append(f"{event['UID']}: the alarm is not {lead} minutes before the start")
    checked = [event for event in one if str(event["UID"]) == f"obzorka-{uid_id}@obzorka.cz"]
    if len(checked) != 1:
        problems.append(f"no single event for programme {uid_id}")
    else:
        event = checked[0]
        for key, value in (("SUMMARY", title), ("LOCATION", station),
                           ("DESCRIPTION", description)):
            if str(event[key]) != value:
                problems.append(f"{key} reads {str(event[key])!r}, not {value!r}")
        for key, (local, offset) in (("DTSTART", moment(start, start_offset)),
                                     ("DTEND", moment(end, end_offset))):
            shown = event[key].dt
            if shown.replace(tzinfo=None) != local or shown.utcoffset() != offset:
                problems.append(f"{key} is {shown.isoformat()}, not {local} at {offset}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
