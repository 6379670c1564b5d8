// Replays inputs through a fuzz harness: every file named on the command
// line, and every file inside every folder named. Ends non-zero when a
// check fails (the harness aborts) or nothing was replayed.
#include "FuzzSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {
int replay(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path.toLocal8Bit().constData());
        return -1;
    }
    const QByteArray bytes = f.readAll();
    std::fprintf(stderr, "replaying %s (%d bytes)\n", path.toLocal8Bit().constData(),
                 int(bytes.size()));
    std::fflush(stderr);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                           size_t(bytes.size()));
    return 1;
}
}

int main(int argc, char **argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            QStringList files;
            QDirIterator it(arg, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
            files.sort();
            for (const QString &file : files) {
                const int r = replay(file);
                if (r < 0)
                    return 1;
                count += r;
            }
        } else if (QFileInfo(arg).isFile()) {
            const int r = replay(arg);
            if (r < 0)
                return 1;
            count += r;
        }
    }
    Fuzz::Scratch::instance().remove();
    std::printf("%d inputs replayed without a finding\n", count);
    return count > 0 ? 0 : 1;
}
