#pragma once
// Printer of a search query. An RPN tree is written in post-order: both operands of a node complete before
// its operator.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintQuery(std::FILE* file, const KivQuery* psQuery);
