// Rewrites one large INI value for ever, so a test can kill it mid-write.
#include "platform/inifile.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    for (long i = 0;; ++i) {
        larendo::platform::writeIniValue(file, "s", "v", QByteArray(1 << 20, i % 2 ? 'b' : 'a'));
        if (i == 0) {
            std::puts("written");
            std::fflush(stdout);
        }
    }
}
