#!/usr/bin/env python3
"""Prints the events of an iCalendar file as the tests compare them.

One line an event, in the order of the file:
  D;<dd/mm/yyyy>;<summary>             an all-day event (one day long)
  H;<dd/mm/yyyy>;<hh:mm:ss>;<summary>  an event at a local (floating) time
Any other kind of event, or a calendar that does not parse, is an error.
"""
import datetime
import sys

import icalendar


def main(path):
    with open(path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    if str(calendar.get("VERSION")) != "2.0":
        raise SystemExit("VERSION is not 2.0")
    for event in calendar.walk("VEVENT"):
        for required in ("UID", "DTSTAMP", "DTSTART", "SUMMARY"):
            if required not in event:
                raise SystemExit("event without " + required)
        start = event.decoded("DTSTART")
        summary = str(event.get("SUMMARY"))
        if isinstance(start, datetime.datetime):
            if start.tzinfo is not None:
                raise SystemExit("a time with a zone: " + summary)
            print("H;%s;%s;%s" % (start.strftime("%d/%m/%Y"), start.strftime("%H:%M:%S"), summary))
        else:
            end = event.decoded("DTEND")
            if end - start != datetime.timedelta(days=1):
                raise SystemExit("an all-day event of more than a day: " + summary)
            print("D;%s;%s" % (start.strftime("%d/%m/%Y"), summary))


if __name__ == "__main__":
    main(sys.argv[1])
