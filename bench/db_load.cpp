// How long loading the shipped tag database, looking up every tag and reading a tag's attribute records take.
#include "tagdb/tag_database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString dir = qEnvironmentVariable("TAMSEL_DATA_DIR");
    tamsel::TagDatabase db;
    constexpr int rounds = 200;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i) db.load_database(dir);
    const double load_ms = t.nsecsElapsed() / 1e6 / rounds;
    t.restart();
    long found = 0;
    for (int i = 0; i < rounds; ++i)
        for (const auto& tag : db.tags()) found += db.lookup_tag(tag.name) > 0 ? 1 : 0;
    const double lookups = static_cast<double>(rounds) * db.tag_count();
    const double lookup_ns = t.nsecsElapsed() / lookups;
    // What a check pays for each distinct tag of its pages: the tag's records read from the file.
    t.restart();
    long records = 0;
    for (int i = 0; i < rounds; ++i)
        for (const auto& tag : db.tags()) records += db.attribute_records_of(tag.key).size();
    const double records_us = t.nsecsElapsed() / 1e3 / (static_cast<double>(rounds) * db.tag_count());
    std::printf("database load: %.3f ms (%d tags, %d attributes)\n", load_ms, db.tag_count(), db.attr_count());
    std::printf("lookup_tag: %.1f ns each (%ld found)\n", lookup_ns, found);
    std::printf("attribute records of a tag: %.1f us each (%ld records)\n", records_us, records / rounds);
    return db.db_fatal ? 1 : 0;
}
