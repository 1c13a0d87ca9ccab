#include "toolkit/session/transport_message_size.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace {

struct NegotiatedSizes {
    std::mutex mutex;
    std::unordered_map<KivAssocId, uint32_t> sizes;
};

NegotiatedSizes& negotiatedSizes() {
    static NegotiatedSizes table;
    return table;
}

}  // namespace

void siSetNegotiatedMessageSize(KivAssocId assocId, uint32_t maximumMessageSize) {
    NegotiatedSizes& table = negotiatedSizes();
    std::lock_guard<std::mutex> lock(table.mutex);
    table.sizes[assocId] = maximumMessageSize;
}

void siForgetNegotiatedMessageSize(KivAssocId assocId) {
    NegotiatedSizes& table = negotiatedSizes();
    std::lock_guard<std::mutex> lock(table.mutex);
    table.sizes.erase(assocId);
}

size_t siReceivedApduCap(KivAssocId assocId) {
    size_t negotiated = 0;
    {
        NegotiatedSizes& table = negotiatedSizes();
        std::lock_guard<std::mutex> lock(table.mutex);
        auto found = table.sizes.find(assocId);
        if (found != table.sizes.end()) negotiated = found->second;
    }
    return std::min(std::max(negotiated, kSIApduCapFloor) * 2, kSIApduCapCeiling);
}
