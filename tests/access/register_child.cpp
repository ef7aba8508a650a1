// Registers <count> users named <prefix>0, <prefix>1 ... in the current folder.
#include "access/userregistry.h"

#include "platform/error.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    const QByteArray prefix(argv[1]);
    const int count = std::atoi(argv[2]);
    try {
        for (int i = 0; i < count; ++i) {
            const QByteArray name = prefix + QByteArray::number(i);
            larendo::access::RegisterUser(name, "pw" + name);
        }
    } catch (const platform::PlatformError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
