#include "platform/qtsettingsstore.h"

#include "platform/qtext.h"

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Orvanti", "Malvora")
{
}

QtSettingsStore::QtSettingsStore(const QString& file) : settings_(file, QSettings::IniFormat) {}

bool QtSettingsStore::exists() { return !settings_.allKeys().isEmpty(); }

std::optional<std::string> QtSettingsStore::readstring(const std::string& name)
{
    const QVariant value = settings_.value(toqs(name));
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return fromqs(value.toString());
}

std::optional<std::string> QtSettingsStore::readbinary(const std::string& name)
{
    const QVariant value = settings_.value(toqs(name));
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return value.toByteArray().toStdString();
}

bool QtSettingsStore::writable() { return settings_.isWritable(); }

void QtSettingsStore::writestring(const std::string& name, const std::string& value)
{
    settings_.setValue(toqs(name), toqs(value));
}

void QtSettingsStore::writebinary(const std::string& name, const std::string& bytes)
{
    settings_.setValue(toqs(name), QByteArray(bytes.data(), qsizetype(bytes.size())));
}

bool QtSettingsStore::sync()
{
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}
