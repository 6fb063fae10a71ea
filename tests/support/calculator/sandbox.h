#pragma once
// A private folder as the current directory, as the data folder ($XDG_DATA_HOME) and as the
// settings store, so tests neither see nor change the user's own setup.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace vkp2::test {

struct Sandbox {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    bool hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    QByteArray previousDataHome = qgetenv("XDG_DATA_HOME");
    Sandbox()
    {
        QDir::setCurrent(dir.path());
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path() + "/settings");
    }
    ~Sandbox()
    {
        QDir::setCurrent(previous);
        if (hadDataHome)
            qputenv("XDG_DATA_HOME", previousDataHome);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    // Where a window started now keeps its setup when the current folder has none.
    QString dataFile() const { return dir.filePath("data/VKP2/vkp2user.dat"); }
    // The setup file the window uses: the current folder's if there is one, else the data folder's.
    QString setupFile() const
    {
        const QString here = file("vkp2user.dat");
        return QFileInfo(here).isFile() ? here : dataFile();
    }
};

} // namespace vkp2::test
