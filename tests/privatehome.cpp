// Linked into every test program: before main() runs it gives the program a home, XDG
// folders and a working folder of its own, removed when the program ends, so that a test
// run by hand writes no file association, settings or project anywhere else.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

class PrivateHome
{
public:
    PrivateHome()
    {
        if (!root.isValid()) {
            std::fprintf(stderr, "cannot create a private home: %s\n",
                         qPrintable(root.errorString()));
            std::exit(1);
        }
        const QString path = root.path();
        use("HOME", path);
        use("XDG_DATA_HOME", folder(path + "/xdg-data"));
        use("XDG_CONFIG_HOME", folder(path + "/xdg-config"));
        use("XDG_CACHE_HOME", folder(path + "/xdg-cache"));
        // Qt accepts a runtime folder only when no one else may read it.
        const QString runtime = folder(path + "/xdg-runtime");
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        use("XDG_RUNTIME_DIR", runtime);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QString work = folder(path + "/work");
        if (!QDir::setCurrent(work)) {
            std::fprintf(stderr, "cannot work in %s\n", qPrintable(work));
            std::exit(1);
        }
    }

private:
    static QString folder(const QString &path)
    {
        if (!QDir().mkpath(path)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(path));
            std::exit(1);
        }
        return path;
    }

    static void use(const char *name, const QString &value)
    {
        qputenv(name, QFile::encodeName(value));
    }

    QTemporaryDir root;
};

const PrivateHome privateHome;

} // namespace
