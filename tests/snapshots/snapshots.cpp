// Renders the program's windows offscreen to PNG files so that a person can
// look at them: `cmake --build build --target snapshots` writes
// build/snapshots/*.png. Each window family contributes one function; a
// family whose file is not built yet is skipped. Every family is rendered
// once more in a dark theme to build/snapshots/dark/.
#include "DarkPalette.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

void snapshotMainIdle(const QString &outDir) __attribute__((weak));
void snapshotUser(const QString &outDir) __attribute__((weak));
void snapshotReference(const QString &outDir) __attribute__((weak));
void snapshotResultDialogs(const QString &outDir) __attribute__((weak));
void snapshotDrill(const QString &outDir) __attribute__((weak));
void snapshotMakers(const QString &outDir) __attribute__((weak));
void snapshotViews(const QString &outDir) __attribute__((weak));
void snapshotAuthoring(const QString &outDir) __attribute__((weak));
void snapshotSetup(const QString &outDir) __attribute__((weak));
void snapshotDesktop(const QString &outDir) __attribute__((weak));

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    QDir().mkpath(outDir);
    struct Family { const char *name; void (*render)(const QString &); };
    const Family families[] = {
        {"main window", snapshotMainIdle},
        {"user dialog", snapshotUser},
        {"reference viewer", snapshotReference},
        {"result dialogs", snapshotResultDialogs},
        {"drill", snapshotDrill},
        {"reference and question makers", snapshotMakers},
        {"correct-rate, graph and history views", snapshotViews},
        {"authoring tools and about box", snapshotAuthoring},
        {"settings dialog", snapshotSetup},
        {"dark theme and voice page", snapshotDesktop},
    };
    QTextStream out(stdout);
    for (const Family &f : families) {
        if (!f.render) {
            out << "skipped: " << f.name << Qt::endl;
            continue;
        }
        f.render(outDir);
        out << "rendered: " << f.name << Qt::endl;
    }
    const QString darkDir = outDir + QStringLiteral("/dark");
    QDir().mkpath(darkDir);
    QApplication::setPalette(DarkPalette());
    for (const Family &f : families)
        if (f.render && f.render != snapshotDesktop)
            f.render(darkDir);
    out << "rendered in a dark theme: " << darkDir << Qt::endl;
    const QStringList pngs = QDir(outDir).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    out << pngs.size() << " snapshots in " << QDir(outDir).absolutePath() << Qt::endl;
    return 0;
}
