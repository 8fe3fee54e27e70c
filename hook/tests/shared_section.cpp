#include "shared_section.h"

#include <cstring>

namespace hook_test {

const volatile htvchook::SharedFields* SharedSection()
{
    auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleA("HTVCHOOK"));
    if (!base)
        return nullptr;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        char name[IMAGE_SIZEOF_SHORT_NAME + 1] = {};
        std::memcpy(name, section->Name, IMAGE_SIZEOF_SHORT_NAME);
        if (std::strcmp(name, htvchook::kSharedSectionName) == 0 &&
            section->Misc.VirtualSize >= sizeof(htvchook::SharedFields))
            return reinterpret_cast<const volatile htvchook::SharedFields*>(base + section->VirtualAddress);
    }
    return nullptr;
}

} // namespace hook_test
