#pragma once
// The permissions of one user on a task package.

#include <cstdint>

#include "toolkit/api/kiv_basic_types.h"

enum : int32_t {
    PAF_Delete = 1,
    PAF_ModifyContents = 2,
    PAF_ModifyPermissions = 3,
    PAF_Present = 4,
    PAF_Invoke = 5,
    PAF_Invalid = -1,
};

struct KivPermissions {
    KivInternationalString sUserId;
    KivArray<int32_t> ppeAllowableFunctions;
};
