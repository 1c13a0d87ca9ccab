#pragma once
// An EXTERNAL of the programming interface as the toolkit sends and receives it, and its trace for showing
// what differs.

#include <memory>
#include <string>

#include "toolkit/api/kiv_external.h"

// The EXTERNAL converted towards the codec, encoded, decoded and converted back.
std::unique_ptr<KivExternal> throughCodec(const KivExternal& sent);

// The trace of an EXTERNAL.
std::string traced(const KivExternal& external);
