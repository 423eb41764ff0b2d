// The module behind an address, for shared objects that need their own handle at load.
#include "kernel32/module.h"
#include "vksboundary.h"
#include "vksmodule.h"

HMODULE VksModuleFromAddress(const void *addressInModule)
{
    return vks::atWin32Boundary<HMODULE>(nullptr, [&]() -> HMODULE {
        HMODULE module = addressInModule ? vks::detail::moduleContaining(addressInModule) : nullptr;
        if (!module)
            SetLastError(ERROR_MOD_NOT_FOUND);
        return module;
    });
}
