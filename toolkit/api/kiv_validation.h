#pragma once
// Everything a structure validator uses: paths, reporters, predicates, single-value checks and the array
// walkers.

#include "toolkit/api/kiv_validation_arrays.h"
#include "toolkit/api/kiv_validation_checks.h"
#include "toolkit/api/kiv_validation_oid.h"
#include "toolkit/api/kiv_validation_path.h"
#include "toolkit/api/kiv_validation_predicates.h"
#include "toolkit/api/kiv_validation_reporters.h"
