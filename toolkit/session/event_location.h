#pragma once
// Waiting until any of several associations or descriptors has something to read.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/association_arguments.h"
#include "toolkit/util/si_error.h"

// What SIGetEventLocation found readable; both arrays are present, in the order of the lists given.
struct SIEventLocation {
    KivArray<uint32_t> ppulFileDescriptor;  // the listed descriptors
    KivArray<KivAssocId> pplAssocId;        // the listed associations whose connections are readable
};

// How many connections and descriptors one wait watches; entries past it are left out.
inline constexpr size_t kSIEventLocationMaxEntries = 64;

// Waits until a connection of a listed TCP association or a listed descriptor is readable (data, the peer's
// end of the connection or an error): secs above 0 waits that many seconds, CALL_BLOCKING without limit, any
// other value looks once (10 milliseconds). When something is readable *eventLocation gets a new record of
// everything found readable; when the time runs out it is left alone. Connections of the associations come
// first, then the descriptors, up to kSIEventLocationMaxEntries; an OSI association prints
// "SIGetEventLocation: OSI not supported\n" on the standard output and is not watched. Nothing watched
// returns at once. SI_OK, or SI_NOTOK with:
//   error 7 for an absent list ("SIGetEventLocation: pplAssocId must be NULL terminated list" or
//   "SIGetEventLocation: ppulFileDescriptor must be NULL terminated list", Association_Closed) or two empty
//   ones ("SIGetEventLocation: Association list and File Descriptor list cannot both be empty",
//   Association_Unknown_State);
//   error 3 or 4 for an association that fails the check;
//   error 8 "A call to the system function poll() returned error: " (SI_Communication_Error,
//   Association_Unknown_State) when the wait fails or a watched descriptor is not open.
SIResult SIGetEventLocation(const KivArray<KivAssocId>& pplAssocId, KivSecs secs,
                            const KivArray<uint32_t>& ppulFileDescriptor,
                            std::unique_ptr<SIEventLocation>* eventLocation, SIError** error);
