#include "toolkit/session/event_location.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <vector>

#include "toolkit/session/association_registry.h"
#include "toolkit/session/poll_wait.h"
#include "toolkit/session/transport_errors.h"

namespace {

constexpr std::chrono::milliseconds kSinglePass{10};

// One watched entry: an association's connection or a listed descriptor.
struct Watched {
    bool isAssociation;
    KivAssocId assocId;
    uint32_t descriptor;
};

enum class WaitOutcome { Readable, TimedOut, Failed };

WaitOutcome waitReadable(std::vector<pollfd>& entries, KivSecs secs) {
    const std::chrono::milliseconds limit = secs == CALL_BLOCKING ? std::chrono::milliseconds(-1)
                                            : secs > 0            ? siWaitSeconds(secs)
                                                                  : kSinglePass;
    const int ready = siPollWithin(entries.data(), entries.size(), limit);
    if (ready < 0) return WaitOutcome::Failed;
    if (ready == 0) return WaitOutcome::TimedOut;
    const bool invalid = std::any_of(entries.begin(), entries.end(),
                                     [](const pollfd& entry) { return (entry.revents & POLLNVAL) != 0; });
    return invalid ? WaitOutcome::Failed : WaitOutcome::Readable;
}

SIResult reportWaitFailed(SIError** error) {
    siReportSystemCallFailed(0, SI_Communication_Error, "poll()", Association_Unknown_State, error);
    return SI_NOTOK;
}

}  // namespace

SIResult SIGetEventLocation(const KivArray<KivAssocId>& pplAssocId, KivSecs secs,
                            const KivArray<uint32_t>& ppulFileDescriptor,
                            std::unique_ptr<SIEventLocation>* eventLocation, SIError** error) {
    if (!pplAssocId.present()) {
        siReportInvalidParameters(0, "SIGetEventLocation: pplAssocId must be NULL terminated list",
                                  Association_Closed, error);
        return SI_NOTOK;
    }
    if (!ppulFileDescriptor.present()) {
        siReportInvalidParameters(0, "SIGetEventLocation: ppulFileDescriptor must be NULL terminated list",
                                  Association_Closed, error);
        return SI_NOTOK;
    }
    if (pplAssocId.size() == 0 && ppulFileDescriptor.size() == 0) {
        siReportInvalidParameters(
            0, "SIGetEventLocation: Association list and File Descriptor list cannot both be empty",
            Association_Unknown_State, error);
        return SI_NOTOK;
    }

    std::vector<Watched> watched;
    std::vector<pollfd> entries;
    for (const KivAssocId& assocId : pplAssocId) {
        SIAssociation record;
        if (siUpdateCheckedAssociation(assocId, error, [&record](SIAssociation& found) { record = found; }) !=
            SI_OK) {
            return SI_NOTOK;
        }
        if (record.stackFlag != kSIStackTcp) {
            std::fputs("SIGetEventLocation: OSI not supported\n", stdout);
            std::fflush(stdout);
        } else if (entries.size() < kSIEventLocationMaxEntries) {
            watched.push_back({true, assocId, 0});
            entries.push_back({record.socketHandle, POLLIN, 0});
        }
    }
    for (const uint32_t& descriptor : ppulFileDescriptor) {
        if (entries.size() == kSIEventLocationMaxEntries) break;
        if (descriptor > INT_MAX) return reportWaitFailed(error);
        watched.push_back({false, 0, descriptor});
        entries.push_back({static_cast<int>(descriptor), POLLIN, 0});
    }
    if (entries.empty()) return SI_OK;

    switch (waitReadable(entries, secs)) {
        case WaitOutcome::Failed:
            return reportWaitFailed(error);
        case WaitOutcome::TimedOut:
            return SI_OK;
        case WaitOutcome::Readable:
            break;
    }
    auto found = std::make_unique<SIEventLocation>();
    found->ppulFileDescriptor = KivArray<uint32_t>::emptyArray();
    found->pplAssocId = KivArray<KivAssocId>::emptyArray();
    for (size_t i = 0; i < entries.size(); ++i) {
        if ((entries[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
        if (watched[i].isAssociation) {
            found->pplAssocId.emplace(watched[i].assocId);
        } else {
            found->ppulFileDescriptor.emplace(watched[i].descriptor);
        }
    }
    if (eventLocation != nullptr) *eventLocation = std::move(found);
    return SI_OK;
}
