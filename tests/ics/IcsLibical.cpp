// Reads an iCalendar file with libical as calendar programs do: it must parse, pass the
// library's restriction checks and carry no X-LIC-ERROR. Prints each event as
// DATE TAB SUMMARY TAB CATEGORIES TAB UID TAB ALARMS for the caller to compare, ALARMS being
// ACTION/DESCRIPTION/TRIGGER of each of its alarms, joined by ";".
#include <libical/ical.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    if (!calendar || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) {
        std::fprintf(stderr, "libical: no calendar\n");
        return 1;
    }
    const int valid = icalrestriction_check(calendar);
    const int errors = icalcomponent_count_errors(calendar); // the X-LIC-ERROR properties
    if (!valid || errors != 0) {
        std::fprintf(stderr, "libical: %d errors\n%s", errors,
                     icalcomponent_as_ical_string(calendar));
        return 1;
    }
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        icalproperty* category = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
        if (!start.is_date ||
            icaltime_compare(icaltime_add(start, icaldurationtype_from_int(86400)), end) != 0) {
            std::fprintf(stderr, "libical: %s is no one-day all-day event\n",
                         icalcomponent_get_uid(e));
            return 1;
        }
        std::string alarms;
        for (icalcomponent* a = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT); a;
             a = icalcomponent_get_next_component(e, ICAL_VALARM_COMPONENT)) {
            icalproperty* action = icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY);
            icalproperty* trigger = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
            const icaltriggertype t =
                trigger ? icalproperty_get_trigger(trigger) : icaltriggertype_from_int(0);
            alarms += std::string(alarms.empty() ? "" : ";") +
                      (action ? icalproperty_get_value_as_string(action) : "") + "/" +
                      icalcomponent_get_description(a) + "/" +
                      icaldurationtype_as_ical_string(t.duration);
        }
        std::printf("%04d-%02d-%02d\t%s\t%s\t%s\t%s\n", start.year, start.month, start.day,
                    icalcomponent_get_summary(e),
                    category ? icalproperty_get_categories(category) : "", icalcomponent_get_uid(e),
                    alarms.c_str());
    }
    icalcomponent_free(calendar);
    return 0;
}
