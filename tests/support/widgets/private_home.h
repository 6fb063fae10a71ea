#pragma once
// A private home, data folder, settings store and current folder for a planner window suite,
// so nothing the tests do reaches the user's own files.

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace vkp2::test {

class PrivateHome {
public:
    // Moves the process into the private home; false when it could not be made.
    bool enter()
    {
        if (!dir_.isValid())
            return false;
        qputenv("HOME", dir_.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("settings"));
        return QDir().mkpath(dir_.filePath("cwd")) && QDir::setCurrent(dir_.filePath("cwd"));
    }
    QString filePath(const QString &name) const { return dir_.filePath(name); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

} // namespace vkp2::test
