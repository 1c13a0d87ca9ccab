#include "toolkit/session/trace_registry.h"

#include "toolkit/session/session_registry.h"

namespace {

std::shared_ptr<SITraceSlot> findTrace(KivAssocId assocId) {
    SISessionRegistry& registry = siSessionRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    return registry.findTrace(assocId);
}

}  // namespace

bool SIMatchTraceEntry(const SITraceEntry& entry, KivAssocId assocId) {
    return entry.lAssocId == assocId;
}

int SIGetTraceLevel(KivAssocId assocId) {
    int level = Trace_None;
    siWithTrace(assocId, [&level](const SITraceSink& sink) { level = sink.level(); });
    return level;
}

void SIGetTraceFile(KivAssocId assocId, FILE** file) {
    siWithTrace(assocId, [file](const SITraceSink& sink) { *file = sink.file(); });
}

int SITraceWrite(KivAssocId assocId, int lineLevel, std::string_view text) {
    siWithTrace(assocId, [lineLevel, text](const SITraceSink& sink) { sink.write(lineLevel, text); });
    return 1;
}

void SITraceSink::write(int lineLevel, std::string_view text) const {
    if (entry_.level == Trace_None || entry_.file == nullptr) return;
    if (entry_.level == Trace_Low && lineLevel == Trace_High) return;
    std::fwrite(text.data(), 1, text.size(), entry_.file);
    std::fflush(entry_.file);
}

namespace {

// The trace this thread holds, so that a block's writers write into it without taking it (or the registry)
// again.
thread_local SITraceSlot* tHeldSlot = nullptr;
thread_local KivAssocId tHeldAssocId = 0;

class HeldTrace {
  public:
    HeldTrace(SITraceSlot* slot, KivAssocId assocId) : slot_(tHeldSlot), assocId_(tHeldAssocId) {
        tHeldSlot = slot;
        tHeldAssocId = assocId;
    }
    ~HeldTrace() {
        tHeldSlot = slot_;
        tHeldAssocId = assocId_;
    }
    HeldTrace(const HeldTrace&) = delete;
    HeldTrace& operator=(const HeldTrace&) = delete;

  private:
    SITraceSlot* slot_;
    KivAssocId assocId_;
};

}  // namespace

bool siWithTrace(KivAssocId assocId, const std::function<void(const SITraceSink&)>& write) {
    if (tHeldSlot != nullptr && tHeldAssocId == assocId) {
        if (tHeldSlot->ended) return false;
        write(SITraceSink(tHeldSlot->entry));
        return true;
    }
    std::shared_ptr<SITraceSlot> slot = findTrace(assocId);
    if (slot == nullptr) return false;
    std::lock_guard<std::mutex> writing(slot->writing);
    if (slot->ended) return false;
    HeldTrace held(slot.get(), assocId);
    write(SITraceSink(slot->entry));
    return true;
}
