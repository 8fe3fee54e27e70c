// The simulated card's installer: writes the registry device tree of an
// installed card, as the system's device installation would leave it.
//   kx310_install_card           install (a running configuration without a problem)
//   kx310_install_card /remove   remove both again
// The running configuration lives under the dynamic data root, which Wine's
// reg.exe refuses and which is gone when the wineserver stops: so it is
// written through the registry API, by this program, in every session.
#include "device_tree.h"
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    bool remove = argc > 1 && (_stricmp(argv[1], "/remove") == 0 || _stricmp(argv[1], "-remove") == 0);
    LONG error = remove ? testhw::RemoveDeviceTree() : testhw::InstallDeviceTree();
    if (error != ERROR_SUCCESS) {
        std::fprintf(stderr, "kx310_install_card: %s failed with error %ld\n", remove ? "removal" : "installation",
                     static_cast<long>(error));
        return 1;
    }
    return 0;
}
