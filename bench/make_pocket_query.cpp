// Writes a made-up pocket query of a given size, laid out like the files geocaching sites send.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const char* const kTypes[] = {"Traditional Cache", "Multi-cache",      "Unknown Cache", "Earthcache",
                              "Virtual Cache",     "Letterbox Hybrid", "Event Cache",   "Webcam Cache"};
const char* const kContainers[] = {"Micro", "Small", "Regular", "Large", "Other", "Not chosen", "Virtual"};
const char* const kLogTypes[] = {"Found it", "Didn't find it", "Write note", "Owner Maintenance"};
const char* const kWords[] = {"forest", "bridge", "behind", "the",   "old",   "stone", "under",  "path",
                              "look",   "north",  "small",  "bench", "river", "café",  "Müller", "tree"};

std::string Words(std::mt19937& random, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += kWords[random() % std::size(kWords)];
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane-make-pocket-query MEGABYTES > file.gpx\n");
        return 1;
    }
    const long long target = std::atoll(argv[1]) * 1024 * 1024;
    std::mt19937 random(2026);
    long long written = std::printf(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        "<gpx xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" version=\"1.0\" creator=\"Corvane bench\" "
        "xmlns=\"http://www.topografix.com/GPX/1/0\">\r\n  <name>Bench Query</name>\r\n"
        "  <desc>Made-up caches for measuring</desc>\r\n  <time>2026-12-06T10:00:00Z</time>\r\n");
    for (int id = 1; written < target; ++id) {
        const char* type = kTypes[random() % std::size(kTypes)];
        std::string text;
        char head[4096];
        std::snprintf(head, sizeof head,
                      "  <wpt lat=\"%.6f\" lon=\"%.6f\">\r\n    <time>2020-05-01T00:00:00</time>\r\n"
                      "    <name>GC%05X</name>\r\n    <desc>Cache %d by Someone, %s (2/3)</desc>\r\n"
                      "    <url>http://www.geocaching.com/seek/cache_details.aspx?guid=%08x</url>\r\n"
                      "    <urlname>Cache %d</urlname>\r\n    <sym>%s</sym>\r\n    <type>Geocache|%s</type>\r\n"
                      "    <groundspeak:cache id=\"%d\" available=\"True\" archived=\"False\" "
                      "xmlns:groundspeak=\"http://www.groundspeak.com/cache/1/0/1\">\r\n"
                      "      <groundspeak:name>Cache %d %s</groundspeak:name>\r\n"
                      "      <groundspeak:placed_by>Someone</groundspeak:placed_by>\r\n"
                      "      <groundspeak:owner id=\"1\">Someone</groundspeak:owner>\r\n"
                      "      <groundspeak:type>%s</groundspeak:type>\r\n"
                      "      <groundspeak:container>%s</groundspeak:container>\r\n"
                      "      <groundspeak:difficulty>2</groundspeak:difficulty>\r\n"
                      "      <groundspeak:terrain>3.5</groundspeak:terrain>\r\n"
                      "      <groundspeak:country>Germany</groundspeak:country>\r\n"
                      "      <groundspeak:state>Berlin</groundspeak:state>\r\n",
                      52.0 + (random() % 100000) / 100000.0, 13.0 + (random() % 100000) / 100000.0, id, id, type,
                      static_cast<unsigned>(random()), id, random() % 5 ? "Geocache" : "Geocache Found", type, id, id,
                      Words(random, 3).c_str(), type, kContainers[random() % std::size(kContainers)]);
        text += head;
        text += "      <groundspeak:short_description html=\"True\">" + Words(random, 20) +
                "</groundspeak:short_description>\r\n      <groundspeak:long_description html=\"True\">&lt;p&gt;" +
                Words(random, 300) + "&lt;/p&gt;</groundspeak:long_description>\r\n" +
                "      <groundspeak:encoded_hints>" + Words(random, 6) + "</groundspeak:encoded_hints>\r\n" +
                "      <groundspeak:logs>\r\n";
        for (int log = 0; log < 5; ++log) {
            text += "        <groundspeak:log id=\"" + std::to_string(id * 10 + log) +
                    "\">\r\n          <groundspeak:date>2021-01-01T00:00:00</groundspeak:date>\r\n"
                    "          <groundspeak:type>" +
                    kLogTypes[random() % std::size(kLogTypes)] +
                    "</groundspeak:type>\r\n          <groundspeak:finder id=\"2\">Cacher" +
                    std::to_string(random() % 1000) +
                    "</groundspeak:finder>\r\n          <groundspeak:text encoded=\"False\">" + Words(random, 40) +
                    "</groundspeak:text>\r\n        </groundspeak:log>\r\n";
        }
        text += "      </groundspeak:logs>\r\n      <groundspeak:travelbugs";
        if (random() % 3 == 0) {
            text += ">\r\n        <groundspeak:travelbug id=\"1\" ref=\"TB1\">\r\n          <groundspeak:name>Duck " +
                    std::to_string(id) +
                    "</groundspeak:name>\r\n        </groundspeak:travelbug>\r\n"
                    "      </groundspeak:travelbugs>\r\n";
        } else {
            text += " />\r\n";
        }
        text += "    </groundspeak:cache>\r\n  </wpt>\r\n";
        written += static_cast<long long>(std::fwrite(text.data(), 1, text.size(), stdout));
    }
    std::printf("</gpx>\r\n");
    return 0;
}
