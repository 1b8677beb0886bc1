// The inputs Corvane remembers between runs, and the per-user store that keeps them.
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace corvane {

// The remembered values, as the store holds them: plain strings, never trimmed or checked.
struct modPath {
    QString GPXPath;   // the GPX file
    QString CSVPath;   // the CSV file
    QString IconPath;  // the Memory Map icon directory
    QString Name;      // the user's geocaching name
    QString Include;   // "U" links to the web site, "C" to CacheMate
    QString Hint;      // "Y" puts the hints into the comments
    QString Kinds;     // "Type": icons by cache type; "Container" (the default): by container
    QString Encoding;  // code page of the CSV file; set by hand, never saved

    // Read every key of the "Startup" section, each with its default when it is absent
    void LoadSettings(QSettings& store);
    // Write every key but Encoding into the "Startup" section
    void SaveSettings(QSettings& store) const;
};

// The per-user store of the application "Corvane", or the ini file at file when it is not empty
std::unique_ptr<QSettings> OpenSettings(const QString& file);

}  // namespace corvane
