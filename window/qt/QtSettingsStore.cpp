// Each value read and written through a QSettings over the ini file.
#include "QtSettingsStore.h"

#include <QSettings>

#include <memory>

namespace corvane {

namespace {

// Opened for each value: Qt shares the parsed file between the objects, and each one writes its
// change back when it goes.
std::unique_ptr<QSettings> Open(const QString& file) {
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

QString PathOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section + '/' + key);
}

}  // namespace

std::string QtSettingsStore::GetSetting(const std::string&, const std::string& section, const std::string& key,
                                        const std::string& fallback) {
    const QVariant value = Open(file_)->value(PathOf(section, key), QString::fromStdString(fallback));
    // A list typed into the file by hand without quotes ("LeaveOut=found,own") reads as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string&, const std::string& section, const std::string& key,
                                  const std::string& value) {
    Open(file_)->setValue(PathOf(section, key), QString::fromStdString(value));
}

}  // namespace corvane
